// The SNTP client against a real NTP server: chronyd in the foreground on
// 127.0.0.1 at a free high port, with a private configuration that never
// touches this machine's clock (-x, no command port, its own pid and drift
// files in a temporary folder).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "clock/clock_correction.h"
#include "clock/sntp_client.h"
#include "clock/tests/local_chronyd.h"
#include "clock/tests/sntp_test_support.h"
#include "core/clock.h"
#include "core/ini_file.h"
#include "platform/clock_setter.h"
#include "platform/connection_state.h"
#include "platform/host_lookup.h"
#include "platform/pinger.h"
#include "platform/time_service_probe.h"

namespace orvanto {
namespace {

using test::LocalChronyd;
using test::SpinUntil;

constexpr double kMsPerDay = 86400000.0;

struct Exchange {
    bool answered = false;
    std::string event;
    double offsetMs = 0.0;  // local UTC minus the server's estimated time
};

class ChronydTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!server_.Problem().empty()) GTEST_SKIP() << server_.Problem();
        client_.SetHostAddr("127.0.0.1");
        client_.SetHostPort(server_.Port());
        client_.SetLocalPort("0");
        client_.SetTimeout(500);
        client_.OnDataAvailable = [this](TSNTPClient&, std::uint16_t) {
            last_.answered = true;
            last_.offsetMs = (clock_.UtcNow() - client_.NetTime()) * kMsPerDay;
        };
        client_.OnTimeout = [this](TSNTPClient&) { last_.event = "Timeout"; };
        client_.OnFinished = [this](TSNTPClient&) { done_ = true; };
        // chronyd answers once it has read its configuration; wait for that.
        bool ready = false;
        for (int attempt = 0; attempt < 20 && !ready && server_.Running(); ++attempt) ready = Ask().answered;
        if (!server_.Running()) GTEST_SKIP() << "chronyd stopped at once: " << server_.Output();
        ASSERT_TRUE(ready) << "chronyd on 127.0.0.1:" << server_.Port() << " never answered";
    }

    Exchange Ask() {
        last_ = Exchange{};
        done_ = false;
        client_.Query();
        SpinUntil([this] { return done_; }, client_.Timeout() + 2000);
        return last_;
    }

    LocalChronyd server_;
    SystemClock clock_;
    SystemHostLookup lookup_;
    TSNTPClient client_{clock_, lookup_};
    Exchange last_;
    bool done_ = false;
};

TEST_F(ChronydTest, ARealServerIsAcceptedAndAgreesWithTheLocalClock) {
    const Exchange exchange = Ask();
    ASSERT_TRUE(exchange.answered) << exchange.event;
    EXPECT_EQ(client_.Stratum(), 8);
    EXPECT_FALSE(client_.InvalidReply());
    EXPECT_FALSE(client_.TimedOut());
    EXPECT_EQ(client_.Mode(), 4);
    EXPECT_EQ(client_.ServerIP(), "127.0.0.1");
    EXPECT_LT(client_.RoundTrip(), client_.Timeout());
    // A few milliseconds, with room for a busy machine between the arrival
    // of the reply and its handler.
    EXPECT_LT(std::fabs(exchange.offsetMs), 10.0);
    // chronyd serves the time of this very clock.
    EXPECT_LT(std::fabs(client_.TransmitTime() - clock_.UtcNow()) * kMsPerDay, 1000.0);
}

// The figures of the closing note: offset and roundtrip over 100 queries.
TEST_F(ChronydTest, HundredQueriesStayClose) {
    std::vector<double> offsets;
    std::vector<int> roundTrips;
    for (int i = 0; i < 100; ++i) {
        const Exchange exchange = Ask();
        ASSERT_TRUE(exchange.answered) << "query " << i << ": " << exchange.event;
        offsets.push_back(std::fabs(exchange.offsetMs));
        roundTrips.push_back(client_.RoundTrip());
    }
    std::sort(offsets.begin(), offsets.end());
    std::sort(roundTrips.begin(), roundTrips.end());
    const double medianOffset = (offsets[49] + offsets[50]) / 2.0;
    const double medianRoundTrip = (roundTrips[49] + roundTrips[50]) / 2.0;
    std::printf(
        "100 queries of chronyd on loopback: |offset| median %.3f ms, worst %.3f ms; "
        "roundtrip median %.1f ms, worst %d ms\n",
        medianOffset, offsets.back(), medianRoundTrip, roundTrips.back());
    RecordProperty("OffsetMedianMs", std::to_string(medianOffset));
    RecordProperty("OffsetWorstMs", std::to_string(offsets.back()));
    RecordProperty("RoundTripMedianMs", std::to_string(medianRoundTrip));
    RecordProperty("RoundTripWorstMs", std::to_string(roundTrips.back()));
    EXPECT_LT(medianOffset, 5.0);
    EXPECT_LT(roundTrips.back(), client_.Timeout());
}

// The whole correction against the real server, with a fake clock setter:
// the clock would be set to within a few milliseconds of where it stands.
TEST_F(ChronydTest, TheCorrectionServiceCorrectsFromTheRealServer) {
    test::TempFolder folder;
    const std::string path = folder.File("ORVANTO.INI");
    std::ofstream(path) << "[SNTP]\nTimeCorrection=1\nAutoServer=0\nTimeServer=127.0.0.1\nCorrectEvery=60\n";
    IniFile settings(path);
    FakeClockSetter setter;
    FakePinger pinger;
    FakeConnectionState connection(true);
    FakeTimeServiceProbe probe;
    ClockCorrection service(settings, client_, {clock_, setter, pinger, connection, lookup_, probe});
    service.Start();
    service.MonitorTick();
    if (!service.Connected()) GTEST_SKIP() << "this machine has no address other than 127.0.0.1";
    service.MainTimerTick();
    ASSERT_TRUE(SpinUntil([&] { return !service.StatusLine1().empty(); }, 3000));

    EXPECT_EQ(service.StatusLine1().rfind("Clock corrected at ", 0), 0u) << service.StatusLine1();
    EXPECT_EQ(service.StatusLine2().rfind("Offset: ", 0), 0u) << service.StatusLine2();
    ASSERT_EQ(setter.Requests().size(), 1u);
    EXPECT_LT(std::fabs(setter.Requests()[0] - clock_.UtcNow()) * kMsPerDay, 10.0);
    EXPECT_EQ(service.ServerAddress(), "127.0.0.1");
}

}  // namespace
}  // namespace orvanto
