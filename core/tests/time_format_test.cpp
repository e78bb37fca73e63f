#include "core/time_format.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "core/tests/temp_folder.h"

namespace orvanto {
namespace {

struct FormatCase {
    const char* format;
    bool twelveHour;
};

class TwelveHourClockTest : public ::testing::TestWithParam<FormatCase> {};

TEST_P(TwelveHourClockTest, ElevenPmBeginsWithEleven) {
    EXPECT_EQ(TwelveHourClockForFormat(GetParam().format), GetParam().twelveHour) << GetParam().format;
}

INSTANTIATE_TEST_SUITE_P(Cases, TwelveHourClockTest,
                         ::testing::Values(FormatCase{"%H:%M:%S", false}, FormatCase{"%I:%M:%S %p", true},
                                           FormatCase{"%r", true}, FormatCase{"%T", false},
                                           FormatCase{"%l:%M:%S %p", true}, FormatCase{"%p %I:%M:%S", false},
                                           FormatCase{"%H.%M", false}, FormatCase{"", false}));

TEST(TwelveHourClockTest, CLocaleIsTwentyFourHours) {
    ::setenv("LC_ALL", "C", 1);
    EXPECT_FALSE(SystemTwelveHourClock());
    ::unsetenv("LC_ALL");
}

}  // namespace
}  // namespace orvanto

namespace orvanto {
namespace {

// Compiles real locales into a temporary folder with localedef and reads the
// flag through them (LOCPATH), so the system's locale list is left alone.
class SystemLocaleTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (::system("command -v localedef >/dev/null 2>&1") != 0) GTEST_SKIP() << "no localedef";
    }
    void TearDown() override {
        ::unsetenv("LOCPATH");
        ::unsetenv("LC_ALL");
    }
    bool Compile(const std::string& source, const std::string& name) {
        const std::string command =
            "localedef --no-archive -i " + source + " -f UTF-8 '" + folder_.File(name) + "' >/dev/null 2>&1";
        ::system(command.c_str());
        return std::filesystem::exists(folder_.File(name) + "/LC_TIME");
    }
    test::TempFolder folder_;
};

TEST_F(SystemLocaleTest, UnitedStatesIsTwelveHoursGermanyTwentyFour) {
    if (!Compile("en_US", "en_US.UTF-8") || !Compile("de_DE", "de_DE.UTF-8")) {
        GTEST_SKIP() << "the locale sources are not installed";
    }
    ::setenv("LOCPATH", folder_.Path().c_str(), 1);
    ::setenv("LC_ALL", "en_US.UTF-8", 1);
    EXPECT_TRUE(SystemTwelveHourClock());
    ::setenv("LC_ALL", "de_DE.UTF-8", 1);
    EXPECT_FALSE(SystemTwelveHourClock());
    ::setenv("LC_ALL", "xx_NOWHERE.UTF-8", 1);
    EXPECT_FALSE(SystemTwelveHourClock());
}

}  // namespace
}  // namespace orvanto
