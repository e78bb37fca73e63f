// The correction service with fakes for the clock setter, the pinger, the
// connection state and the name lookup; exchanges go to a fake peer on
// 127.0.0.1.
#include "clock/clock_correction.h"

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "clock/clock_status_texts.h"
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

using test::Bytes;
using test::FakeSntpPeer;
using test::NtpTimestampOf;
using test::ReplyTo;
using test::SpinUntil;

constexpr double kMsPerDay = 86400000.0;
constexpr double kDay = 46367.0;  // 11 December 2026

double At(int hour, int minute, int second = 0, double day = kDay) {
    return day + (hour * 3600 + minute * 60 + second) / 86400.0;
}

const char* const kFixedServer =
    "[SNTP]\nTimeCorrection=1\nAutoServer=0\nTimeServer=127.0.0.1\nCorrectEvery=60\n";

class ClockCorrectionTest : public ::testing::Test {
protected:
    ClockCorrectionTest() : clock_(At(12, 0)), lookup_({"192.0.2.10"}), client_(clock_, lookup_) {
        client_.SetHostPort(peer_.PortText());
        client_.SetLocalPort("0");
    }

    void Make(const std::string& settings) {
        std::ofstream(path_) << settings;
        service_.reset();  // unbinds the client's events from the previous service
        service_ = std::make_unique<ClockCorrection>(
            ini_, client_, ClockCorrectionServices{clock_, setter_, pinger_, connection_, lookup_, probe_});
        service_->OnBusyCursor = [this](bool busy) { busy_.push_back(busy); };
        service_->OnStatusWindowChanged = [this] { ++windowChanges_; };
        service_->OnTimeChanged = [this] { ++timeChanges_; };
        service_->ShortDateText = [](double) { return std::string("12/11/26"); };
        service_->LongTimeText = [](double) { return std::string("12:00:05"); };
        service_->ProcessPendingEvents = [] {};
        service_->Start();
    }

    // Exchanges started so far (each resolves the server name once).
    std::size_t Queries() const { return lookup_.Resolved().size(); }

    // The peer answers with a good reply whose transmit time is the clock's
    // UTC minus the given milliseconds.
    void AnswerBehindBy(double ms, std::uint8_t stratum = 2) {
        peer_.SetAnswer([=, this](const FakeSntpPeer::Request& request) {
            const double serverTime = clock_.UtcNow() - ms / kMsPerDay;
            SntpPacket reply = ReplyTo(FakeSntpPeer::Packet(request), NtpTimestampOf(serverTime),
                                       NtpTimestampOf(serverTime));
            reply[1] = stratum;
            return Bytes(reply);
        });
    }

    void CorrectNow() {
        const std::size_t before = setter_.Requests().size();
        const std::string line = service_->StatusLine1();
        service_->MainTimerTick();
        ASSERT_TRUE(
            SpinUntil([&] { return setter_.Requests().size() > before || service_->StatusLine1() != line; }));
    }

    test::TempFolder folder_;
    std::string path_ = folder_.File("ORVANTO.INI");
    IniFile ini_{path_};
    FakeClock clock_;
    FakeClockSetter setter_;
    FakePinger pinger_;
    FakeConnectionState connection_{true};
    FakeTimeServiceProbe probe_;
    FakeHostLookup lookup_;
    FakeSntpPeer peer_;
    TSNTPClient client_;
    std::unique_ptr<ClockCorrection> service_;
    std::vector<bool> busy_;
    int windowChanges_ = 0;
    int timeChanges_ = 0;
};

TEST_F(ClockCorrectionTest, TheFirstCorrectionStartsOnTheFirstTickAfterAConnection) {
    Make(kFixedServer);
    EXPECT_TRUE(service_->Connected());
    EXPECT_EQ(service_->ServerInUse(), "127.0.0.1");
    service_->MainTimerTick();
    EXPECT_EQ(Queries(), 1u);
    EXPECT_EQ(client_.Timeout(), 2000);
    EXPECT_EQ(client_.HostAddr(), "127.0.0.1");
    EXPECT_EQ(service_->LastCorrectionMinute(), 12 * 60);
}

TEST_F(ClockCorrectionTest, CorrectionsRepeatEveryCorrectEveryMinutesAcrossMidnight) {
    Make(kFixedServer);
    clock_.SetLocal(At(23, 30));
    service_->MainTimerTick();
    ASSERT_EQ(Queries(), 1u);
    struct Step {
        double when;
        std::size_t queries;
    };
    const Step steps[] = {
        {At(23, 31), 1},
        {At(23, 59, 59), 1},
        {At(0, 0, 0, kDay + 1), 1},
        {At(0, 29, 59, kDay + 1), 1},
        {At(0, 30, 0, kDay + 1), 2},
        {At(0, 30, 30, kDay + 1), 2},
    };
    for (const Step& step : steps) {
        clock_.SetLocal(step.when);
        service_->MainTimerTick();
        EXPECT_EQ(Queries(), step.queries) << step.when;
    }
}

TEST_F(ClockCorrectionTest, CorrectTimeNowStartsAnExchangeOnTheNextTick) {
    Make(kFixedServer);
    service_->MainTimerTick();
    clock_.SetLocal(At(12, 1));
    service_->MainTimerTick();
    ASSERT_EQ(Queries(), 1u);

    service_->OpenStatusWindow(false);
    service_->CorrectTimeNow();
    EXPECT_EQ(service_->LastCorrectionMinute(), -1);
    EXPECT_EQ(busy_.back(), true);
    EXPECT_TRUE(service_->StatusWindow().statusLine1.empty());
    clock_.SetLocal(At(12, 1, 1));
    service_->MainTimerTick();
    EXPECT_EQ(Queries(), 2u);
}

TEST_F(ClockCorrectionTest, NothingIsAttemptedWithoutConnectionServerOrCorrection) {
    struct Case {
        const char* what;
        std::string settings;
        bool available;
        std::vector<std::string> own;
    };
    const Case cases[] = {
        {"time correction off", "[SNTP]\nTimeCorrection=0\nTimeServer=127.0.0.1\n", true, {"192.0.2.10"}},
        {"no Internet connection", kFixedServer, false, {"192.0.2.10"}},
        {"only the loopback address", kFixedServer, true, {"127.0.0.1"}},
        {"no server", "[SNTP]\nTimeCorrection=1\nAutoServer=0\nTimeServer=\n", true, {"192.0.2.10"}},
    };
    for (const Case& c : cases) {
        connection_.SetAvailable(c.available);
        lookup_.SetOwnAddresses(c.own);
        Make(c.settings);
        for (int second = 0; second < 3; ++second) {
            clock_.SetLocal(At(12, 0, second));
            service_->MonitorTick();
            service_->ScheduleTick();
        }
        EXPECT_EQ(Queries(), 0u) << c.what;
        EXPECT_TRUE(service_->StatusLine1().empty()) << c.what;
    }
    // With correction off the monitor does not even ask for the connection.
    connection_ = FakeConnectionState(true);
    Make("[SNTP]\nTimeCorrection=0\nTimeServer=127.0.0.1\n");
    for (int second = 0; second < 5; ++second) service_->MonitorTick();
    EXPECT_EQ(connection_.Queries(), 0);
}

TEST_F(ClockCorrectionTest, TheMachineAddressIsTheLastOfItsOwn) {
    lookup_.SetOwnAddresses({"192.0.2.10", "198.51.100.7"});
    Make(kFixedServer);
    service_->MonitorTick();
    EXPECT_EQ(service_->MachineAddress(), "198.51.100.7");
    service_->OpenStatusWindow(false);
    EXPECT_EQ(service_->StatusWindow().connectionLine, "Connected  -  IP address: 198.51.100.7");
}

TEST_F(ClockCorrectionTest, AReplySetsTheClockAndTellsTheOffset) {
    Make(kFixedServer);
    service_->MonitorTick();
    service_->OpenStatusWindow(false);
    AnswerBehindBy(2015.0);
    CorrectNow();

    ASSERT_EQ(setter_.Requests().size(), 1u);
    // Roundtrip 0 (the fake tick stands still) and T2 = T3: NetTime is T3.
    EXPECT_NEAR((clock_.UtcNow() - setter_.Requests()[0]) * kMsPerDay, 2015.0, 0.01);
    EXPECT_EQ(service_->StatusLine1(), "Clock corrected at 12/11/26,  12:00:05");
    EXPECT_EQ(service_->StatusLine2(), "Offset: 2 sec. 15 ms.");
    EXPECT_EQ(service_->ServerAddress(), "127.0.0.1");
    EXPECT_EQ(timeChanges_, 1);
    EXPECT_EQ(busy_.back(), false);

    const ClockStatusView& window = service_->StatusWindow();
    EXPECT_EQ(window.connectionLine, "Connected  -  IP address: 192.0.2.10");
    EXPECT_EQ(window.roundtripLine, "Roundtrip delay: 0 ms.");
    EXPECT_EQ(window.serverLine, "127.0.0.1  (127.0.0.1)");
    EXPECT_EQ(window.statusLine1, service_->StatusLine1());
    EXPECT_EQ(window.statusLine2, service_->StatusLine2());
    EXPECT_GE(windowChanges_, 1);
}

TEST_F(ClockCorrectionTest, AClockThatCannotBeSetSaysSo) {
    struct Case {
        SetClockResult answer;
        std::string line1;
        std::string line2;
    };
    const Case cases[] = {
        {SetClockResult::NoPrivilege, "You do not have enough privileges",
         "to modify system time on this computer."},
        {SetClockResult::Failed, "The system clock could not be set", ""},
    };
    for (const Case& c : cases) {
        Make(kFixedServer);
        setter_.SetAnswer(c.answer);
        AnswerBehindBy(500.0);
        CorrectNow();
        EXPECT_EQ(service_->StatusLine1(), c.line1);
        EXPECT_EQ(service_->StatusLine2(), c.line2);
        EXPECT_EQ(timeChanges_, 0);
    }
}

TEST_F(ClockCorrectionTest, AnInvalidReplyNeverSetsTheClock) {
    Make(kFixedServer);
    AnswerBehindBy(3600000.0, 0);  // stratum 0, an hour behind
    CorrectNow();
    EXPECT_TRUE(setter_.Requests().empty());
    EXPECT_EQ(service_->StatusLine1(), "Invalid server response");
    EXPECT_EQ(service_->StatusLine2(), "");
}

TEST_F(ClockCorrectionTest, FailuresAreRecordedInTheStatusLinesOnly) {
    struct Case {
        void (ClockCorrection::*handler)();
        const char* line1;
    };
    const Case cases[] = {
        {&ClockCorrection::SNTPClient1ReceiveError, "Invalid server response"},
        {&ClockCorrection::SNTPClient1ResolveError, "Cannot resolve server address"},
        {&ClockCorrection::SNTPClient1Timeout, "Timeout"},
        {&ClockCorrection::SNTPClient1WinsockError, "Cannot connect"},
    };
    for (const Case& c : cases) {
        Make(kFixedServer);
        service_->MonitorTick();
        service_->OpenStatusWindow(false);
        service_->CorrectTimeNow();
        const int changes = windowChanges_;
        (service_.get()->*c.handler)();
        EXPECT_EQ(service_->StatusLine1(), c.line1);
        EXPECT_EQ(service_->StatusLine2(), "");
        EXPECT_EQ(busy_.back(), false);
        // The open window is not refreshed; reopening it shows the outcome.
        EXPECT_EQ(windowChanges_, changes);
        EXPECT_EQ(service_->StatusWindow().statusLine1, "");
        service_->CloseStatusWindow();
        EXPECT_EQ(service_->OpenStatusWindow(false).statusLine1, c.line1);
    }
}

TEST_F(ClockCorrectionTest, ATimeoutFromTheClientReachesTheStatusLines) {
    Make(kFixedServer);
    client_.SetTimeout(100);
    client_.SetHostAddr("127.0.0.1");
    client_.Query();  // the peer stays silent
    ASSERT_TRUE(SpinUntil([&] { return !service_->StatusLine1().empty(); }));
    EXPECT_EQ(service_->StatusLine1(), "Timeout");
}

TEST_F(ClockCorrectionTest, TheStatusWindowOnOpening) {
    connection_.SetAvailable(false);
    Make(kFixedServer);
    ClockStatusView window = service_->OpenStatusWindow(true);
    EXPECT_EQ(window.title, "Clock correction status [DST]");
    EXPECT_FALSE(window.correctNowEnabled);
    EXPECT_EQ(window.connectionLine, "Not connected");
    EXPECT_EQ(window.serverLine, "None");
    EXPECT_EQ(window.roundtripLine, "Roundtrip delay: Not available");
    service_->CloseStatusWindow();

    connection_.SetAvailable(true);
    service_->MonitorTick();
    window = service_->OpenStatusWindow(false);
    EXPECT_EQ(window.title, "Clock correction status");
    EXPECT_TRUE(window.correctNowEnabled);
    EXPECT_EQ(window.connectionLine, "Connected  -  IP address: 192.0.2.10");
    EXPECT_EQ(window.serverLine, "127.0.0.1");
}

TEST_F(ClockCorrectionTest, LosingTheConnectionShowsInTheOpenWindow) {
    Make(kFixedServer);
    service_->MonitorTick();
    service_->OpenStatusWindow(false);
    connection_.SetAvailable(false);
    service_->MonitorTick();
    EXPECT_FALSE(service_->Connected());
    EXPECT_EQ(service_->MachineAddress(), "");
    EXPECT_EQ(service_->StatusWindow().connectionLine, "Not connected");
    EXPECT_EQ(service_->StatusWindow().serverLine, "None");
    EXPECT_GE(windowChanges_, 1);
}

const char* const kAutomatic = "[SNTP]\nTimeCorrection=1\nAutoServer=1\nTimeServer=127.0.0.1\n";

class ServerChoiceTest : public ClockCorrectionTest {
protected:
    void MakeChoosing(const std::string& settings) {
        Make(settings);
        service_->SetServerList({"a.test", "b.test", "c.test", "d.test", "e.test"});
        service_->RandomPick = [this](std::size_t) { return picks_[nextPick_++ % picks_.size()]; };
        for (const char* name : {"a.test", "b.test", "c.test", "d.test", "e.test"})
            lookup_.AddName(name, "127.0.0.1");
    }
    std::vector<std::size_t> picks_{0, 1, 2, 3, 4};
    std::size_t nextPick_ = 0;
};

TEST_F(ServerChoiceTest, TheBestOfFivePingsIsChosenAfterTwoMinutes) {
    MakeChoosing(kAutomatic);
    pinger_.SetTime("a.test", 300);
    pinger_.SetTime("b.test", 120);
    pinger_.SetTime("c.test", 120);
    pinger_.SetTime("e.test", 500);  // d.test fails

    EXPECT_EQ(service_->ServerInUse(), "");  // the configured server is ignored
    for (int second = 1; second <= 120; second += 7) {
        clock_.SetLocal(At(12, 0, second));
        service_->MonitorTick();
        service_->MainTimerTick();
    }
    clock_.SetLocal(At(12, 2, 0));
    service_->MainTimerTick();
    EXPECT_TRUE(pinger_.Asked().empty());
    EXPECT_EQ(Queries(), 0u);

    clock_.SetLocal(At(12, 2, 1));
    service_->MainTimerTick();
    EXPECT_EQ(pinger_.Asked(), (std::vector<std::string>{"a.test", "b.test", "c.test", "d.test", "e.test"}));
    EXPECT_EQ(pinger_.Limits(), std::vector<int>(5, 3000));
    EXPECT_EQ(service_->ChosenServer(), "b.test");  // equal to c.test, picked earlier
    EXPECT_EQ(busy_, (std::vector<bool>{true, false}));

    service_->MonitorTick();
    EXPECT_TRUE(service_->Adopted());
    EXPECT_EQ(service_->ServerInUse(), "b.test");
    clock_.SetLocal(At(12, 2, 2));
    service_->MainTimerTick();
    EXPECT_EQ(Queries(), 1u);
    EXPECT_EQ(client_.HostAddr(), "b.test");

    // Once per run.
    clock_.SetLocal(At(12, 10, 0));
    service_->MainTimerTick();
    EXPECT_EQ(pinger_.Asked().size(), 5u);
}

TEST_F(ServerChoiceTest, WhenEveryPingFailsTheFirstPickWins) {
    picks_ = {3, 1, 4, 1, 0};
    MakeChoosing(kAutomatic);
    clock_.SetLocal(At(12, 3));
    service_->MainTimerTick();
    EXPECT_EQ(service_->ChosenServer(), "d.test");
}

TEST_F(ServerChoiceTest, TheSameNameMayBePickedAgain) {
    picks_ = {2, 2, 2, 0, 2};
    MakeChoosing(kAutomatic);
    pinger_.SetTime("a.test", 50);
    clock_.SetLocal(At(12, 3));
    service_->MainTimerTick();
    EXPECT_EQ(pinger_.Asked(), (std::vector<std::string>{"c.test", "c.test", "c.test", "a.test", "c.test"}));
    EXPECT_EQ(service_->ChosenServer(), "a.test");
}

// No server is contacted that the user did not ask to be contacted: with
// time correction off the automatic choice never pings, however long the
// program runs; once it is turned on the choice follows.
TEST_F(ServerChoiceTest, TheChoiceNeverStartsWhileTimeCorrectionIsOff) {
    MakeChoosing("[SNTP]\nTimeCorrection=0\nAutoServer=1\n");
    for (const double when : {At(12, 5), At(13, 0), At(0, 0, 0, kDay + 1), At(12, 0, 0, kDay + 3)}) {
        clock_.SetLocal(when);
        service_->MonitorTick();
        service_->MainTimerTick();
    }
    EXPECT_TRUE(pinger_.Asked().empty());
    EXPECT_EQ(service_->ChosenServer(), "");
    EXPECT_TRUE(busy_.empty());
    EXPECT_EQ(Queries(), 0u);

    std::ofstream(path_) << "[SNTP]\nTimeCorrection=1\nAutoServer=1\n";
    service_->ReloadSettings();
    service_->MainTimerTick();
    EXPECT_EQ(pinger_.Asked().size(), 5u);
}

TEST_F(ServerChoiceTest, AfterTheSettingsDialogTheChoiceIsTakenUpAgainAtOnce) {
    MakeChoosing(kAutomatic);
    pinger_.SetTime("c.test", 10);
    clock_.SetLocal(At(12, 3));
    service_->MainTimerTick();
    service_->MonitorTick();
    ASSERT_EQ(service_->ServerInUse(), "c.test");

    service_->ReloadSettings();
    EXPECT_EQ(service_->ServerInUse(), "");
    service_->MonitorTick();
    EXPECT_EQ(service_->ServerInUse(), "c.test");
    EXPECT_EQ(pinger_.Asked().size(), 5u);  // no second choice
}

TEST_F(ServerChoiceTest, TurningAutomaticChoiceOnMakesAChoice) {
    MakeChoosing(kFixedServer);
    service_->MonitorTick();
    ASSERT_EQ(service_->ServerInUse(), "127.0.0.1");
    std::ofstream(path_) << kAutomatic;
    service_->ReloadSettings();
    EXPECT_EQ(service_->ChosenServer(), "");
    pinger_.SetTime("e.test", 10);
    clock_.SetLocal(At(12, 3));
    service_->MainTimerTick();
    service_->MonitorTick();
    EXPECT_EQ(pinger_.Asked().size(), 5u);
    EXPECT_EQ(service_->ServerInUse(), "e.test");
}

TEST_F(ClockCorrectionTest, TheWindowTitleFollowsThisMachinesZone) {
    Make(kFixedServer);
    const std::string title = service_->OpenStatusWindow().title;
    EXPECT_EQ(title.rfind("Clock correction status", 0), 0u);
}

TEST_F(ServerChoiceTest, AFixedServerNeedsNoChoice) {
    MakeChoosing(kFixedServer);
    clock_.SetLocal(At(12, 5));
    service_->MainTimerTick();
    EXPECT_TRUE(pinger_.Asked().empty());
}

TEST_F(ClockCorrectionTest, SettingsAreReadWithTheirReadersDefaults) {
    Make("[SNTP]\nTimeCorrection=1\nCorrectEvery=0\n");
    EXPECT_FALSE(service_->AutoServer());
    EXPECT_EQ(service_->ServerInUse(), "pool.ntp.org");
    EXPECT_EQ(service_->CorrectEvery(), 60);  // 0 would ask every second

    // After the settings dialog a missing "AutoServer" reads as on.
    service_->ReloadSettings();
    EXPECT_TRUE(service_->AutoServer());
    EXPECT_EQ(service_->ServerInUse(), "");

    std::ofstream(path_) << "[SNTP]\nTimeCorrection=1\nAutoServer=0\nTimeServer=127.0.0.1\nCorrectEvery=15\n";
    service_->ReloadSettings();
    EXPECT_EQ(service_->ServerInUse(), "127.0.0.1");
    EXPECT_EQ(service_->ChosenServer(), "127.0.0.1");
    EXPECT_EQ(service_->CorrectEvery(), 15);
}

// A reflected client request (mode 3) carries a plausible time but is no
// server's answer: it never sets the clock.
TEST_F(ClockCorrectionTest, AClientRequestReflectedBackNeverSetsTheClock) {
    Make(kFixedServer);
    peer_.SetAnswer([this](const FakeSntpPeer::Request& request) {
        const double serverTime = clock_.UtcNow() - 3600000.0 / kMsPerDay;
        SntpPacket reply =
            ReplyTo(FakeSntpPeer::Packet(request), NtpTimestampOf(serverTime), NtpTimestampOf(serverTime));
        reply[0] = 0x23;  // version 4, mode 3
        return Bytes(reply);
    });
    CorrectNow();
    EXPECT_TRUE(setter_.Requests().empty());
    EXPECT_EQ(service_->StatusLine1(), "Invalid server response");
    EXPECT_EQ(timeChanges_, 0);
}

// Another time service keeps the clock: the schedule asks no server and the
// status lines name the service; "Correct time now" asks and shows the
// offset, and the clock is never set.
TEST_F(ClockCorrectionTest, WhileAnotherServiceKeepsTheClockOnlyTheOffsetIsShown) {
    probe_.SetKeeper("chronyd");
    Make(kFixedServer);
    service_->MonitorTick();
    service_->OpenStatusWindow(false);
    service_->MainTimerTick();
    EXPECT_EQ(Queries(), 0u);
    EXPECT_EQ(service_->ClockKeeper(), "chronyd");
    EXPECT_EQ(service_->StatusLine1(), "Clock kept by chronyd");
    EXPECT_EQ(service_->StatusLine2(), "\"Correct time now\" only shows the offset");
    EXPECT_EQ(service_->StatusWindow().statusLine1, "Clock kept by chronyd");

    // Later scheduled times ask no server either.
    clock_.SetLocal(At(13, 0));
    service_->MainTimerTick();
    EXPECT_EQ(Queries(), 0u);

    AnswerBehindBy(2015.0);
    service_->CorrectTimeNow();
    service_->MainTimerTick();
    EXPECT_EQ(Queries(), 1u);
    ASSERT_TRUE(SpinUntil([&] { return service_->StatusLine2().rfind("Offset: ", 0) == 0; }));
    EXPECT_EQ(service_->StatusLine1(), "Clock kept by chronyd (not set here)");
    EXPECT_EQ(service_->StatusLine2(), "Offset: 2 sec. 15 ms.");
    EXPECT_EQ(service_->StatusWindow().statusLine2, "Offset: 2 sec. 15 ms.");
    EXPECT_TRUE(setter_.Requests().empty());
    EXPECT_EQ(timeChanges_, 0);
    EXPECT_EQ(busy_.back(), false);

    // The service went away: the next scheduled correction sets the clock.
    probe_.SetKeeper(std::nullopt);
    clock_.SetLocal(At(14, 0));
    service_->MainTimerTick();
    ASSERT_TRUE(SpinUntil([&] { return !setter_.Requests().empty(); }));
    EXPECT_EQ(service_->StatusLine1().rfind("Clock corrected at ", 0), 0u);
}

TEST_F(ClockCorrectionTest, TurningCorrectionOffStopsItBeforeTheMonitorsNextTick) {
    Make(kFixedServer);
    service_->MonitorTick();
    ASSERT_TRUE(service_->Connected());
    std::ofstream(path_) << "[SNTP]\nTimeCorrection=0\nAutoServer=0\nTimeServer=127.0.0.1\n";
    service_->ReloadSettings();
    service_->MainTimerTick();
    EXPECT_EQ(Queries(), 0u);
}

TEST_F(ClockCorrectionTest, CorrectTimeNowWithoutAServerEndsTheHourglass) {
    Make("[SNTP]\nTimeCorrection=1\nAutoServer=1\n");  // no server chosen yet
    service_->MonitorTick();
    service_->OpenStatusWindow(false);
    service_->CorrectTimeNow();
    EXPECT_EQ(busy_, (std::vector<bool>{true}));
    service_->MainTimerTick();
    EXPECT_EQ(busy_, (std::vector<bool>{true, false}));
    EXPECT_EQ(Queries(), 0u);
}

TEST_F(ClockCorrectionTest, TheProbeIsAskedOnlyWhenAnExchangeIsDue) {
    Make(kFixedServer);
    EXPECT_EQ(probe_.Asked(), 0);
    service_->MainTimerTick();
    EXPECT_EQ(probe_.Asked(), 1);
    for (int second = 1; second < 60; ++second) {
        clock_.SetLocal(At(12, 0, second));
        service_->MainTimerTick();
    }
    EXPECT_EQ(probe_.Asked(), 1);
}

TEST_F(ClockCorrectionTest, WithoutASettingsFileCorrectionIsOff) {
    service_ = std::make_unique<ClockCorrection>(
        ini_, client_, ClockCorrectionServices{clock_, setter_, pinger_, connection_, lookup_, probe_});
    service_->Start();
    EXPECT_FALSE(service_->TimeCorrection());
    EXPECT_FALSE(service_->ConnectionCheck());
}

}  // namespace
}  // namespace orvanto
