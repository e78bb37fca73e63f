#include "core/time_format.h"

#include <gtest/gtest.h>

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
