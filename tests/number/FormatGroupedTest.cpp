#include "FormatGrouped.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace {

struct GroupedCase {
    const char* name;
    Extended value;
    char32_t separator;
    std::string text;
};

void PrintTo(const GroupedCase& c, std::ostream* out)
{
    *out << c.name;
}

class FormatGroupedCases : public testing::TestWithParam<GroupedCase> {};

TEST_P(FormatGroupedCases, RoundsAndGroupsByThrees)
{
    EXPECT_EQ(FormatGrouped(GetParam().value, GetParam().separator), GetParam().text);
}

// Kilobyte figures of the About window: bytes / 1024, exact in extended precision.
INSTANTIATE_TEST_SUITE_P(
    Kilobytes, FormatGroupedCases,
    testing::Values(GroupedCase{"HalfGigabyteComma", 536870912.0L / 1024, U',', "524,288"},
                    GroupedCase{"HalfGigabyteNarrowSpace", 536870912.0L / 1024, U'\u202F', "524\u202F288"},
                    GroupedCase{"HalfRoundsUp", 1536.0L / 1024, U',', "2"},
                    GroupedCase{"BelowHalfRoundsDown", 1535.0L / 1024, U',', "1"},
                    GroupedCase{"LargestThirtyTwoBitTotal", 4294967295.0L / 1024, U',', "4,194,304"},
                    GroupedCase{"BelowHalfAKilobyteWritesNothing", 511.0L / 1024, U',', ""},
                    GroupedCase{"SixtyFourGigabytes", 68719476736.0L / 1024, U'.', "67.108.864"},
                    GroupedCase{"NoSeparatorCharacter", 1234567, U'\0', "1234567"},
                    GroupedCase{"ThreeDigitsNeedNoSeparator", 999, U',', "999"}),
    [](const testing::TestParamInfo<GroupedCase>& info) { return std::string(info.param.name); });

} // namespace
