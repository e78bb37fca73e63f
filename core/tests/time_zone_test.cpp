#include "core/time_zone.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

namespace orvanto {
namespace {

struct BiasCase {
    TimeZoneFacts facts;
    bool dstCorrection;
    int expected;
};

class TimeZoneBiasTest : public ::testing::TestWithParam<BiasCase> {};

TEST_P(TimeZoneBiasTest, FollowsTheDstCorrectionRule) {
    const BiasCase& c = GetParam();
    EXPECT_EQ(TimeZoneBias(c.facts, c.dstCorrection), c.expected);
}

const TimeZoneFacts kMadridWinter{-60, -60, DaylightState::Standard};
const TimeZoneFacts kMadridSummer{-60, -60, DaylightState::Daylight};
const TimeZoneFacts kNewYorkSummer{300, -60, DaylightState::Daylight};
const TimeZoneFacts kKolkata{-330, 0, DaylightState::Neither};
const TimeZoneFacts kLordHoweSummer{-630, -30, DaylightState::Daylight};

INSTANTIATE_TEST_SUITE_P(
    Cases, TimeZoneBiasTest,
    ::testing::Values(BiasCase{kMadridWinter, true, -60}, BiasCase{kMadridWinter, false, -60},
                      BiasCase{kMadridSummer, true, -120}, BiasCase{kMadridSummer, false, -60},
                      BiasCase{kNewYorkSummer, true, 240}, BiasCase{kNewYorkSummer, false, 300},
                      // A zone without daylight time keeps its bias.
                      BiasCase{kKolkata, true, -330}, BiasCase{kKolkata, false, -330},
                      BiasCase{kLordHoweSummer, true, -660}));

TEST(TimeZoneBiasTest, WholeHoursRoundHalvesToEven) {
    EXPECT_EQ(TimeZoneBiasHours(-60), -1);
    EXPECT_EQ(TimeZoneBiasHours(-330), -6);  // -5.5 -> -6
    EXPECT_EQ(TimeZoneBiasHours(-270), -4);  // -4.5 -> -4
    EXPECT_EQ(TimeZoneBiasHours(210), 4);    //  3.5 ->  4
    EXPECT_EQ(TimeZoneBiasHours(150), 2);    //  2.5 ->  2
    EXPECT_EQ(TimeZoneBiasHours(-345), -6);  // -5.75
}

// Sets TZ for one test and restores it afterwards.
class ScopedTimeZone {
public:
    explicit ScopedTimeZone(const char* zone) {
        if (const char* old = std::getenv("TZ")) old_ = old;
        ::setenv("TZ", zone, 1);
    }
    ~ScopedTimeZone() {
        if (old_)
            ::setenv("TZ", old_->c_str(), 1);
        else
            ::unsetenv("TZ");
        ::tzset();
    }

private:
    std::optional<std::string> old_;
};

// POSIX TZ rules need no zone database: "CET-1CEST,M3.5.0,M10.5.0/3" is
// central European time, "IST-5:30" a zone without daylight saving time.
TEST(TimeZoneFactsTest, ReadsStandardAndDaylightTimeOfThisMachine) {
    const ScopedTimeZone zone("CET-1CEST,M3.5.0,M10.5.0/3");
    const TimeZoneFacts winter = TimeZoneFactsAt(1765454400);  // 2025-12-11 12:00 UTC
    EXPECT_EQ(winter.state, DaylightState::Standard);
    EXPECT_EQ(winter.biasMinutes, -60);
    const TimeZoneFacts summer = TimeZoneFactsAt(1750000000);  // 2025-06-15
    EXPECT_EQ(summer.state, DaylightState::Daylight);
    EXPECT_EQ(summer.biasMinutes, -60);
    EXPECT_EQ(summer.daylightBiasMinutes, -60);
    EXPECT_EQ(TimeZoneBias(summer, true), -120);
}

TEST(TimeZoneFactsTest, ZoneWithoutDaylightTimeReportsNeither) {
    const ScopedTimeZone zone("IST-5:30");
    const TimeZoneFacts facts = TimeZoneFactsAt(1750000000);
    EXPECT_EQ(facts.state, DaylightState::Neither);
    EXPECT_EQ(facts.biasMinutes, -330);
    EXPECT_EQ(TimeZoneBias(facts, true), -330);
}

TEST(TimeZoneFactsTest, WesternZoneIsPositive) {
    const ScopedTimeZone zone("EST5EDT,M3.2.0,M11.1.0");
    EXPECT_EQ(TimeZoneBias(TimeZoneFactsAt(1765454400), true), 300);
    EXPECT_EQ(TimeZoneBias(TimeZoneFactsAt(1750000000), true), 240);
}

}  // namespace
}  // namespace orvanto
