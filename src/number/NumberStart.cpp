#include "NumberStart.h"

NumberStart SkipSpacesAndSign(std::string_view text)
{
    std::size_t at = 0;
    while (at < text.size() && text[at] == ' ') {
        ++at;
    }
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
        negative = text[at] == '-';
        ++at;
    }
    return {at, negative};
}
