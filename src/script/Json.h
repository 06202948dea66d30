// JSON text for the runner's state lines.
#pragma once

#include <string>
#include <string_view>

namespace json {

// A JSON string literal, quotes included: quotes, backslashes and control characters
// escaped, other characters kept as UTF-8, bytes that are not UTF-8 as U+FFFD.
std::string Quote(std::string_view text);

} // namespace json
