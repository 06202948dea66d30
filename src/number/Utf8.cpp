#include "Utf8.h"

namespace utf8 {

Encoded::Encoded(char32_t code)
{
    if (code < 0x80) {
        bytes_[0] = static_cast<char>(code);
        size_ = 1;
    } else if (code < 0x800) {
        bytes_[0] = static_cast<char>(0xC0 | (code >> 6));
        bytes_[1] = static_cast<char>(0x80 | (code & 0x3F));
        size_ = 2;
    } else if (code < 0x10000) {
        bytes_[0] = static_cast<char>(0xE0 | (code >> 12));
        bytes_[1] = static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        bytes_[2] = static_cast<char>(0x80 | (code & 0x3F));
        size_ = 3;
    } else {
        // Anything beyond the last plane is clipped into it rather than written as a broken sequence.
        const char32_t clipped = code > 0x10FFFF ? 0x10FFFF : code;
        bytes_[0] = static_cast<char>(0xF0 | (clipped >> 18));
        bytes_[1] = static_cast<char>(0x80 | ((clipped >> 12) & 0x3F));
        bytes_[2] = static_cast<char>(0x80 | ((clipped >> 6) & 0x3F));
        bytes_[3] = static_cast<char>(0x80 | (clipped & 0x3F));
        size_ = 4;
    }
}

} // namespace utf8
