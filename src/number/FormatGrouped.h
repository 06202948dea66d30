// Whole numbers with digit grouping, the "#,###" number pattern of the About window.
#pragma once

#include "Fpu.h"

#include <string>

// value rounded to the nearest whole number (a half rounds away from zero), its digits
// grouped by threes with the separator; a value that rounds to 0 writes no digit at all.
// A separator of code 0 means no grouping.
std::string FormatGrouped(Extended value, char32_t thousandsSeparator);
