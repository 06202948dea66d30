#include "FormatGrouped.h"

#include "Utf8.h"

#include <cmath>

std::string FormatGrouped(Extended value, char32_t thousandsSeparator)
{
    // Exact for every magnitude below 2^63: the sum has room for the half.
    const auto whole = static_cast<unsigned long long>(std::floor(std::fabs(value) + 0.5L));
    if (whole == 0) {
        return "";
    }
    const std::string digits = std::to_string(whole);
    const utf8::Encoded separator(thousandsSeparator);
    std::string text = value < 0 ? "-" : "";
    for (std::size_t i = 0; i < digits.size(); ++i) {
        const std::size_t toTheRight = digits.size() - i;
        if (i > 0 && toTheRight % 3 == 0 && thousandsSeparator != 0) {
            text += separator.View();
        }
        text += digits[i];
    }
    return text;
}
