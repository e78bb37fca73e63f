#include "calendar/twelve_hour.h"

#include <gtest/gtest.h>

namespace orvanto {
namespace {

struct TwelveHourCase {
    int hour;
    NoonRule rule;
    int shown;
    bool afternoon;
};

TEST(ToTwelveHour, EveryNoonRuleAroundMidnightAndNoon) {
    const TwelveHourCase cases[] = {
        {0, NoonRule::Dial, 12, false},
        {1, NoonRule::Dial, 1, false},
        {11, NoonRule::Dial, 11, false},
        {12, NoonRule::Dial, 12, true},
        {13, NoonRule::Dial, 1, true},
        {23, NoonRule::Dial, 11, true},
        {0, NoonRule::ReduceAfterNoon, 0, false},
        {11, NoonRule::ReduceAfterNoon, 11, false},
        {12, NoonRule::ReduceAfterNoon, 12, false},
        {13, NoonRule::ReduceAfterNoon, 1, true},
        {23, NoonRule::ReduceAfterNoon, 11, true},
        {0, NoonRule::ZeroMidnight, 0, false},
        {11, NoonRule::ZeroMidnight, 11, false},
        {12, NoonRule::ZeroMidnight, 12, true},
        {13, NoonRule::ZeroMidnight, 1, true},
        {23, NoonRule::ZeroMidnight, 11, true},
    };
    for (const TwelveHourCase& c : cases) {
        const TwelveHourTime t = ToTwelveHour(c.hour, c.rule);
        EXPECT_EQ(t.hour, c.shown) << "hour " << c.hour << " rule " << static_cast<int>(c.rule);
        EXPECT_EQ(t.afternoon, c.afternoon) << "hour " << c.hour << " rule " << static_cast<int>(c.rule);
    }
}

}  // namespace
}  // namespace orvanto
