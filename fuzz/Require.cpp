#include "Require.h"

#include <cstdio>
#include <cstdlib>

void Require(bool condition, const char* what, const std::string& detail)
{
    if (condition) {
        return;
    }
    std::fprintf(stderr, "Property broken: %s\n%s\n", what, detail.c_str());
    std::abort();
}
