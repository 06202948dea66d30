#include "ParseInteger.h"

#include "Faults.h"
#include "IntegerScan.h"

#include <string>

std::int32_t ParseInteger(std::string_view text)
{
    const IntegerScan scan = ScanInteger(text);
    if (!scan.complete) {
        throw EConvertError("'" + std::string(text) + "' is not a valid integer value");
    }
    return scan.value;
}

std::int32_t ParseLeadingInteger(std::string_view text)
{
    return ScanInteger(text).value;
}
