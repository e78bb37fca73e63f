// The real clock setter with its system call handed in: the mapping of the
// outcome and the time passed down, without ever changing the clock.
#include "platform/clock_setter.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cmath>
#include <limits>

namespace orvanto {
namespace {

struct Recorded {
    int calls = 0;
    clockid_t clock = -1;
    timespec when{};
    int result = 0;
    int error = 0;
};
Recorded recorded;

int RecordingSetTime(clockid_t clock, const timespec* when) {
    ++recorded.calls;
    recorded.clock = clock;
    recorded.when = *when;
    errno = recorded.error;
    return recorded.result;
}

class SystemClockSetterTest : public ::testing::Test {
protected:
    void SetUp() override { recorded = Recorded{}; }
    SystemClockSetter setter_{&RecordingSetTime};
};

TEST_F(SystemClockSetterTest, SetsTheRealtimeClockToTheSerialDate) {
    // 2026-12-11 12:00:00.250 UTC.
    EXPECT_EQ(setter_.SetUtc(46367.5 + 0.25 / 86400.0), SetClockResult::Set);
    EXPECT_EQ(recorded.calls, 1);
    EXPECT_EQ(recorded.clock, CLOCK_REALTIME);
    EXPECT_EQ(recorded.when.tv_sec, 1796990400);
    EXPECT_NEAR(recorded.when.tv_nsec, 250000000, 1000);
}

TEST_F(SystemClockSetterTest, ARefusalForWantOfPrivilegeIsTold) {
    struct Case {
        int error;
        SetClockResult result;
    };
    const Case cases[] = {{EPERM, SetClockResult::NoPrivilege}, {EINVAL, SetClockResult::Failed}};
    for (const Case& c : cases) {
        recorded.result = -1;
        recorded.error = c.error;
        EXPECT_EQ(setter_.SetUtc(46367.5), c.result) << c.error;
    }
}

TEST_F(SystemClockSetterTest, TimesBeforeTheUnixEpochOrNotFiniteAreNeverPassedOn) {
    for (const double serial :
         {25568.9, std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity()}) {
        EXPECT_EQ(setter_.SetUtc(serial), SetClockResult::Failed) << serial;
    }
    EXPECT_EQ(recorded.calls, 0);
}

TEST(TimespecFromSerial, WholeAndFractionalSeconds) {
    struct Case {
        double serial;
        time_t seconds;
        long nanoseconds;
    };
    const Case cases[] = {
        {25569.0, 0, 0},
        {25569.5, 43200, 0},
        {25570.0 + 0.001 / 86400.0, 86400, 1000000},
        {46367.5 - 0.5 / 86400.0, 1796990399, 500000000},
    };
    for (const Case& c : cases) {
        const timespec when = TimespecFromSerial(c.serial);
        EXPECT_EQ(when.tv_sec, c.seconds) << c.serial;
        EXPECT_NEAR(when.tv_nsec, c.nanoseconds, 1000) << c.serial;
    }
}

TEST(FakeClockSetter, RecordsAndAnswersAsTold) {
    FakeClockSetter setter(SetClockResult::NoPrivilege);
    EXPECT_EQ(setter.SetUtc(46000.25), SetClockResult::NoPrivilege);
    EXPECT_EQ(setter.Requests(), std::vector<double>{46000.25});
}

}  // namespace
}  // namespace orvanto
