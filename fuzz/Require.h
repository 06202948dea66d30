// The fuzz targets' assertion: a broken property prints what broke and aborts, which
// libFuzzer reports as a crash and saves the input of.
#pragma once

#include <string>

// Aborts with what and detail on stderr unless condition holds.
void Require(bool condition, const char* what, const std::string& detail = {});
