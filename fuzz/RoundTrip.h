// The property that ties the general format to the parser, shared by the targets of both.
#pragma once

// For a finite double x: FormatGeneral's text has 1 to 22 characters and converts back with
// ParseFloat under the same separator to within half a unit of x's 15th significant digit;
// stored into a double and formatted again, it gives the same text. The store may fault
// only where the text's value lies beyond the largest double (the text of the largest double
// itself, rounded up to 15 digits).
void RequireGeneralRoundTrip(double x, char32_t separator);
