// The clock correction status window and the service the calendar runs,
// with fakes for every operating-system service: the clock setter is always
// a fake, servers are a private chronyd or a fake peer on 127.0.0.1, and no
// name server is asked.
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>
#include <memory>

#include "clock/tests/local_chronyd.h"
#include "clock/tests/sntp_test_support.h"
#include "core/clock.h"
#include "core/scripted_prompt.h"
#include "platform/clock_setter.h"
#include "platform/connection_state.h"
#include "platform/host_lookup.h"
#include "platform/pinger.h"
#include "platform/time_service_probe.h"
#include "ui/clock/clock_correction_service.h"
#include "ui/clock/sntp_status_form.h"
#include "ui/tests/ui_test_support.h"
#include "ui/widgets/bevel_button.h"

namespace orvanto {
namespace {

constexpr double kMsPerDay = 86400000.0;
const char* const kFixedServer =
    "[SNTP]\nTimeCorrection=1\nAutoServer=0\nTimeServer=127.0.0.1\nCorrectEvery=60\n";

class StatusFormTest : public ::testing::Test {
protected:
    StatusFormTest() { test::Application(); }

    // The service over `clock`, with fakes, reading `settings`.
    void MakeService(const std::string& settings, const Clock& clock, const std::string& port) {
        form_.reset();
        service_.reset();
        std::ofstream(folder_.Path()) << settings;
        context_.settingsPath = folder_.Path();
        context_.clock = &clock;
        context_.prompt = &prompt_;
        context_.sound = &sound_;
        service_ = std::make_unique<ClockCorrectionService>(
            context_, ClockPlatform{&setter_, &pinger_, &connection_, &lookup_, &probe_});
        service_->Client().SetHostPort(port);
        service_->Client().SetLocalPort("0");
        service_->Start(true);  // the monitor is ticked by hand
        service_->Correction().MonitorTick();
    }
    TSNTPStatusForm& OpenForm(bool daylightSaving = false) {
        form_ = std::make_unique<TSNTPStatusForm>(context_, *service_, nullptr, daylightSaving);
        form_->show();
        return *form_;
    }
    QString Line(const char* name) const {
        auto* label = form_->findChild<QLabel*>(QString::fromLatin1(name));
        EXPECT_NE(label, nullptr) << name;
        return label ? label->text() : QString();
    }
    BevelButton* Button(const char* name) const {
        return form_->findChild<BevelButton*>(QString::fromLatin1(name));
    }
    bool WaitFor(const std::function<bool()>& condition, int limitMs = 4000) {
        return orvanto::test::SpinUntil(condition, limitMs);
    }

    test::SettingsFolder folder_;
    AppContext context_;
    ScriptedPrompt prompt_;
    test::CountingSound sound_;
    FakeClockSetter setter_;
    FakePinger pinger_;
    FakeConnectionState connection_{true};
    FakeHostLookup lookup_{{"192.0.2.10"}};
    FakeTimeServiceProbe probe_;
    std::unique_ptr<ClockCorrectionService> service_;
    std::unique_ptr<TSNTPStatusForm> form_;
};

TEST_F(StatusFormTest, NotConnected) {
    FakeClock clock(46367.5);
    connection_.SetAvailable(false);
    MakeService(kFixedServer, clock, "123");
    TSNTPStatusForm& form = OpenForm(false);
    EXPECT_EQ(form.size(), QSize(453, 267));
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Clock correction status"));
    EXPECT_EQ(form.Caption()->Title()->Text(), QStringLiteral("Clock correction status"));
    EXPECT_EQ(Line("ConnectionLabel"), QStringLiteral("Not connected"));
    EXPECT_EQ(Line("ServerLabel"), QStringLiteral("None"));
    EXPECT_EQ(Line("RoundtripLabel"), QStringLiteral("Roundtrip delay: Not available"));
    EXPECT_EQ(Line("StatusLabel1"), QString());
    EXPECT_EQ(Line("StatusLabel2"), QString());
    EXPECT_FALSE(Button("CorrectNowBut")->isEnabled());
    EXPECT_EQ(Button("CorrectNowBut")->toolTip(), QStringLiteral("Correct time now"));
    EXPECT_EQ(Button("OKButton")->text(), QStringLiteral("&OK"));
    EXPECT_EQ(form.findChild<QGroupBox*>(QStringLiteral("GroupBox1"))->title(),
              QStringLiteral(" Connection status "));
    EXPECT_EQ(form.findChild<QGroupBox*>(QStringLiteral("GroupBox2"))->title(),
              QStringLiteral(" Time correction details "));
    EXPECT_TRUE(service_->Correction().StatusWindowOpen());
    form_.reset();
    EXPECT_FALSE(service_->Correction().StatusWindowOpen());
}

TEST_F(StatusFormTest, DaylightSavingTimeIsMarkedInTheTitle) {
    FakeClock clock(46367.5);
    MakeService(kFixedServer, clock, "123");
    TSNTPStatusForm& form = OpenForm(true);
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Clock correction status [DST]"));
    EXPECT_EQ(form.Caption()->Title()->Text(), QStringLiteral("Clock correction status [DST]"));
}

TEST_F(StatusFormTest, ConnectedAndFollowingTheConnection) {
    FakeClock clock(46367.5);
    MakeService(kFixedServer, clock, "123");
    OpenForm();
    EXPECT_EQ(Line("ConnectionLabel"), QStringLiteral("Connected  -  IP address: 192.0.2.10"));
    EXPECT_EQ(Line("ServerLabel"), QStringLiteral("127.0.0.1"));
    EXPECT_TRUE(Button("CorrectNowBut")->isEnabled());

    connection_.SetAvailable(false);
    service_->Correction().MonitorTick();
    EXPECT_EQ(Line("ConnectionLabel"), QStringLiteral("Not connected"));
    EXPECT_EQ(Line("ServerLabel"), QStringLiteral("None"));
    EXPECT_FALSE(Button("CorrectNowBut")->isEnabled());

    connection_.SetAvailable(true);
    service_->Correction().MonitorTick();
    EXPECT_EQ(Line("ConnectionLabel"), QStringLiteral("Connected  -  IP address: 192.0.2.10"));
    EXPECT_TRUE(Button("CorrectNowBut")->isEnabled());
}

TEST_F(StatusFormTest, EnterEscapeAndOkClose) {
    FakeClock clock(46367.5);
    MakeService(kFixedServer, clock, "123");
    for (const int key : {int(Qt::Key_Return), int(Qt::Key_Escape), 0}) {
        TSNTPStatusForm& form = OpenForm();
        if (key) {
            QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
            QApplication::sendEvent(&form, &press);
        } else {
            Button("OKButton")->click();
        }
        EXPECT_FALSE(form.isVisible()) << key;
    }
}

// A failure while the window is open leaves its lines as they are;
// reopening shows the outcome.
TEST_F(StatusFormTest, ATimeoutShowsWhenTheWindowOpensAgain) {
    FakeClock clock(46367.5);
    MakeService(kFixedServer, clock, "123");
    OpenForm();
    Button("CorrectNowBut")->click();
    service_->Correction().SNTPClient1Timeout();
    EXPECT_EQ(Line("StatusLabel1"), QString());
    form_.reset();
    OpenForm();
    EXPECT_EQ(Line("StatusLabel1"), QStringLiteral("Timeout"));
    EXPECT_EQ(Line("StatusLabel2"), QString());
}

// The automatic choice pings nobody while time correction is off, however
// long the calendar runs.
TEST_F(StatusFormTest, TheAutomaticChoiceNeverStartsWhileCorrectionIsOff) {
    FakeClock clock(46367.5);
    MakeService("[SNTP]\nTimeCorrection=0\nAutoServer=1\n", clock, "123");
    for (int minute = 0; minute <= 30; ++minute) {
        clock.SetLocal(46367.5 + minute / 1440.0);
        service_->Tick();
    }
    EXPECT_TRUE(pinger_.Asked().empty());
    EXPECT_FALSE(service_->TimeCorrection());
    EXPECT_TRUE(setter_.Requests().empty());
}

// A client's request reflected back (mode 3) is no answer: the clock stays.
TEST_F(StatusFormTest, AReflectedRequestIsRefused) {
    orvanto::test::FakeSntpPeer peer;
    peer.SetAnswer([](const orvanto::test::FakeSntpPeer::Request& request) {
        SntpPacket reply = orvanto::test::FakeSntpPeer::Packet(request);
        std::copy(reply.begin() + 40, reply.begin() + 48, reply.begin() + 24);  // echo the marker
        reply[1] = 2;
        return orvanto::test::Bytes(reply);  // byte 0 stays 0x0B: version 1, mode 3
    });
    SystemClock clock;
    MakeService(kFixedServer, clock, peer.PortText());
    OpenForm();
    service_->Tick();
    ASSERT_TRUE(WaitFor([&] { return !service_->Correction().StatusLine1().empty(); }));
    EXPECT_EQ(service_->Correction().StatusLine1(), "Invalid server response");
    EXPECT_TRUE(setter_.Requests().empty());
    EXPECT_EQ(peer.Requests().size(), 1u);
}

class StatusFormChronydTest : public StatusFormTest {
protected:
    void SetUp() override {
        if (!server_.Problem().empty()) GTEST_SKIP() << server_.Problem();
        if (!server_.Running()) GTEST_SKIP() << "chronyd stopped at once";
    }
    // Ticks until the status line changes (chronyd answers once it has
    // read its configuration: the first exchanges may time out).
    bool TickUntilAnswered(const std::function<bool()>& answered) {
        for (int attempt = 0; attempt < 10; ++attempt) {
            service_->Tick();
            if (WaitFor(answered, 3000)) return true;
            service_->Correction().CorrectTimeNow();
        }
        return false;
    }
    orvanto::test::LocalChronyd server_;
    SystemClock clock_;
};

// "Correct time now" starts an exchange at the next tick, although the
// last one was less than "CorrectEvery" minutes ago; the fake setter is
// asked to set the clock to the server's time.
TEST_F(StatusFormChronydTest, CorrectTimeNowCorrectsAtTheNextTick) {
    MakeService(kFixedServer, clock_, server_.Port());
    OpenForm();
    ASSERT_TRUE(TickUntilAnswered([&] { return !setter_.Requests().empty(); }));
    const std::size_t before = setter_.Requests().size();
    ASSERT_TRUE(
        WaitFor([&] { return Line("StatusLabel1").startsWith(QStringLiteral("Clock corrected at ")); }));
    EXPECT_TRUE(Line("StatusLabel2").startsWith(QStringLiteral("Offset: ")))
        << Line("StatusLabel2").toStdString();
    EXPECT_EQ(Line("ServerLabel"), QStringLiteral("127.0.0.1  (127.0.0.1)"));
    EXPECT_TRUE(Line("RoundtripLabel").startsWith(QStringLiteral("Roundtrip delay: ")));

    service_->Tick();  // within the minute: nothing new
    orvanto::test::SpinFor(200);
    EXPECT_EQ(setter_.Requests().size(), before);

    Button("CorrectNowBut")->click();
    EXPECT_EQ(Line("StatusLabel1"), QString());
    EXPECT_EQ(Line("StatusLabel2"), QString());
    EXPECT_EQ(service_->Correction().LastCorrectionMinute(), -1);
    service_->Tick();
    ASSERT_TRUE(WaitFor([&] { return setter_.Requests().size() > before; }));
    EXPECT_LT(std::fabs(setter_.Requests().back() - clock_.UtcNow()) * kMsPerDay, 50.0);
    EXPECT_TRUE(
        WaitFor([&] { return Line("StatusLabel1").startsWith(QStringLiteral("Clock corrected at ")); }));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr) << "the hourglass is gone";
}

// Without the right to set the clock the window says so; the clock stays.
TEST_F(StatusFormChronydTest, MissingPrivilegeIsShown) {
    setter_.SetAnswer(SetClockResult::NoPrivilege);
    MakeService(kFixedServer, clock_, server_.Port());
    OpenForm();
    ASSERT_TRUE(TickUntilAnswered([&] { return !setter_.Requests().empty(); }));
    ASSERT_TRUE(WaitFor([&] { return !Line("StatusLabel1").isEmpty(); }));
    EXPECT_EQ(Line("StatusLabel1"), QStringLiteral("You do not have enough privileges"));
    EXPECT_EQ(Line("StatusLabel2"), QStringLiteral("to modify system time on this computer."));
}

// Another time service keeps the clock: the window says which, and
// "Correct time now" only shows the offset.
TEST_F(StatusFormChronydTest, WhileAnotherServiceKeepsTheClockOnlyTheOffsetIsShown) {
    probe_.SetKeeper("systemd-timesyncd");
    MakeService(kFixedServer, clock_, server_.Port());
    OpenForm();
    service_->Tick();
    EXPECT_EQ(Line("StatusLabel1"), QStringLiteral("Clock kept by systemd-timesyncd"));
    EXPECT_EQ(Line("StatusLabel2"), QStringLiteral("\"Correct time now\" only shows the offset"));
    Button("CorrectNowBut")->click();
    ASSERT_TRUE(
        TickUntilAnswered([&] { return Line("StatusLabel2").startsWith(QStringLiteral("Offset: ")); }));
    EXPECT_EQ(Line("StatusLabel1"), QStringLiteral("Clock kept by systemd-timesyncd (not set here)"));
    EXPECT_TRUE(setter_.Requests().empty());
}

}  // namespace
}  // namespace orvanto
