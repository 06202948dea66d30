// Texts in the fuzz targets: the separator an input asks for, and how texts are measured and
// shown in a report.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The decimal separator chosen by an input's first byte: "." and "," stand for themselves;
// any other byte picks one of the separators of several bytes (locales use U+066B and U+202F).
char32_t SeparatorFromByte(unsigned char byte);

// The separator in UTF-8.
std::string Utf8(char32_t code);

// The number of code points of a UTF-8 text (its continuation bytes not counted).
std::size_t CodePoints(std::string_view text);

// The text in quotes with every byte outside printable ASCII as \xNN.
std::string Quoted(std::string_view text);

// A floating-point value with all its digits (and the double's bit pattern when it is one).
std::string Described(long double value);
std::string Described(double value);
