// The start that every number text shares: spaces, then one optional sign.
#pragma once

#include <cstddef>
#include <string_view>

struct NumberStart {
    std::size_t at; // where the digits (or a prefix) begin
    bool negative;  // the sign was "-"
};

NumberStart SkipSpacesAndSign(std::string_view text);
