// Text to a 32-bit signed integer, by the integer scan (IntegerScan.h).
#pragma once

#include <cstdint>
#include <string_view>

// Strict: the value of a complete scan; any stop raises EConvertError
// "'<text>' is not a valid integer value".
std::int32_t ParseInteger(std::string_view text);

// Lenient: the value the scan yields, complete or stopped. Never fails.
std::int32_t ParseLeadingInteger(std::string_view text);
