#include "NumberFormat.h"

#include <langinfo.h>
#include <locale.h>

#include <string_view>

namespace number_format {

namespace {

Separators g_current;
Source g_source;

// The single code point of a UTF-8 text, or fallback when the text is not exactly one.
char32_t SingleCodePoint(std::string_view text, char32_t fallback)
{
    if (text.empty()) {
        return fallback;
    }
    const auto lead = static_cast<unsigned char>(text[0]);
    const std::size_t length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 0;
    if (length == 0 || text.size() != length) {
        return fallback;
    }
    if (length == 1) {
        return lead;
    }
    char32_t code = lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[i]);
        if ((next & 0xC0) != 0x80) {
            return fallback;
        }
        code = (code << 6) | (next & 0x3F);
    }
    return code;
}

} // namespace

Separators ReadFromEnvironment()
{
    Separators result;
    // A private locale object: the process-wide C locale stays "C" for Qt and the C library.
    locale_t locale = newlocale(LC_NUMERIC_MASK | LC_CTYPE_MASK, "", static_cast<locale_t>(0));
    if (locale == static_cast<locale_t>(0)) {
        return result;
    }
    result.decimal = SingleCodePoint(nl_langinfo_l(RADIXCHAR, locale), U'.');
    result.thousands = SingleCodePoint(nl_langinfo_l(THOUSEP, locale), U',');
    freelocale(locale);
    return result;
}

void SetSource(Source source) { g_source = std::move(source); }

void ReadSettings() { g_current = g_source ? g_source() : ReadFromEnvironment(); }

const Separators& Current() { return g_current; }

} // namespace number_format
