#include "NumberFormat.h"
#include "FormatFixedWide.h"
#include "FormatGeneral.h"
#include "ParseFloat.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <ostream>
#include <string>

namespace {

// Sets an environment variable for the life of the object, then puts back what was there.
class ScopedVariable {
public:
    ScopedVariable(const char* name, const std::string& value) : name_(name)
    {
        if (const char* old = std::getenv(name)) {
            old_ = old;
        }
        setenv(name, value.c_str(), 1);
    }
    ~ScopedVariable()
    {
        if (old_) {
            setenv(name_, old_->c_str(), 1);
        } else {
            unsetenv(name_);
        }
    }

private:
    const char* name_;
    std::optional<std::string> old_;
};

struct LocaleCase {
    const char* name; // also the locale source, built as <name>.UTF-8
    char32_t decimal;
    char32_t thousands;
};

// Names the case in test listings.
void PrintTo(const LocaleCase& c, std::ostream* out)
{
    *out << c.name;
}

// Real locales, compiled from the system's locale sources into a private directory so that
// nothing on the machine changes; skipped where localedef or the sources are missing.
class EnvironmentSeparators : public testing::TestWithParam<LocaleCase> {
protected:
    static void SetUpTestSuite()
    {
        directory_ = std::filesystem::temp_directory_path() / ("vexorin-locales-" + std::to_string(getpid()));
        std::filesystem::create_directories(directory_);
    }
    static void TearDownTestSuite() { std::filesystem::remove_all(directory_); }

    static bool Build(const std::string& source)
    {
        const auto target = directory_ / (source + ".UTF-8");
        if (std::filesystem::exists(target)) {
            return true;
        }
        const std::string command =
            "localedef -i " + source + " -f UTF-8 '" + target.string() + "' >/dev/null 2>&1";
        return std::system(command.c_str()) == 0 && std::filesystem::exists(target);
    }

    static inline std::filesystem::path directory_;
};

TEST_P(EnvironmentSeparators, AreTheLocalesOwnOnes)
{
    const LocaleCase& c = GetParam();
    if (!Build(c.name)) {
        GTEST_SKIP() << "localedef or the locale source " << c.name << " is not available";
    }
    const ScopedVariable path("LOCPATH", directory_.string());
    const ScopedVariable all("LC_ALL", std::string(c.name) + ".UTF-8");
    const Separators separators = number_format::ReadFromEnvironment();
    EXPECT_EQ(separators.decimal, c.decimal);
    EXPECT_EQ(separators.thousands, c.thousands);
}

INSTANTIATE_TEST_SUITE_P(Locales, EnvironmentSeparators,
                         testing::Values(LocaleCase{"ru_RU", U',', U'\u202F'},
                                         LocaleCase{"de_DE", U',', U'.'}, LocaleCase{"en_US", U'.', U','}),
                         [](const testing::TestParamInfo<LocaleCase>& info) {
                             return std::string(info.param.name);
                         });

TEST(EnvironmentSeparatorsFallback, ALocaleWithoutThousandsSeparatorGivesTheComma)
{
    const ScopedVariable all("LC_ALL", "C");
    const Separators separators = number_format::ReadFromEnvironment();
    EXPECT_EQ(separators.decimal, U'.');
    EXPECT_EQ(separators.thousands, U',');
}

// The conversions without a separator argument follow the settings in force, which change
// only when they are read again from the source.
TEST(SettingsInForce, AreTheOnesTheConversionsUse)
{
    fpu::InitializeUnit();
    number_format::SetSource([] { return Separators{U',', U'\u202F'}; });
    number_format::ReadSettings();
    EXPECT_EQ(ParseFloat("12,5"), 12.5L);
    EXPECT_EQ(FormatGeneral(-2.5), "-2,5");
    EXPECT_EQ(FormatFixedWide(1), std::string(34, ' ') + "1,000000000000000");

    number_format::SetSource([] { return Separators{U'.', U','}; });
    EXPECT_EQ(FormatGeneral(-2.5), "-2,5") << "a new source takes effect only when read";
    number_format::ReadSettings();
    EXPECT_EQ(FormatGeneral(-2.5), "-2.5");
    EXPECT_THROW(ParseFloat("12,5"), EConvertError);

    number_format::SetSource({});
    number_format::ReadSettings();
}

} // namespace
