// UTF-8, the encoding of every text the number core takes and returns.
#pragma once

#include <string_view>

namespace utf8 {

// One code point in UTF-8: at most four bytes, held without allocation so that the
// conversions can compare and write a separator cheaply.
class Encoded {
public:
    explicit Encoded(char32_t code);
    std::string_view View() const { return {bytes_, size_}; }

private:
    char bytes_[4];
    std::size_t size_;
};

} // namespace utf8
