#include "clock/clock_correction.h"

#include <QCoreApplication>
#include <QTimer>

#include <climits>
#include <cmath>
#include <ctime>

#include "clock/clock_status_texts.h"
#include "clock/offset_text.h"
#include "clock/server_test.h"
#include "clock/time_servers.h"
#include "core/settings_keys.h"
#include "core/time_zone.h"

namespace orvanto {

namespace {

using namespace clock_texts;

constexpr std::string_view kTimeCorrectionKey = "TimeCorrection";
constexpr std::string_view kAutoServerKey = "AutoServer";
constexpr std::string_view kTimeServerKey = "TimeServer";
constexpr std::string_view kCorrectEveryKey = "CorrectEvery";
constexpr int kMinutesPerDay = 1440;
constexpr int kFailedPingScore = INT_MAX;

// Minute of the day (0..1439) of a serial date.
int MinuteOfDay(double serial) {
    const double fraction = serial - std::floor(serial);
    const long long ms = std::llround(fraction * 86400000.0);
    return static_cast<int>(ms / 60000 % kMinutesPerDay);
}

// A serial date broken down as a calendar time (no zone applied: the serial
// already stands for the wanted civil time).
std::tm BrokenDown(double serial) {
    const double seconds = std::floor((serial - 25569.0) * 86400.0 + 0.5);
    const std::time_t whole = static_cast<std::time_t>(seconds);
    std::tm parts{};
    gmtime_r(&whole, &parts);
    return parts;
}

std::string Formatted(double serial, const char* format) {
    const std::tm parts = BrokenDown(serial);
    char text[128];
    const std::size_t size = std::strftime(text, sizeof text, format, &parts);
    return std::string(text, size);
}

std::vector<std::string> BuiltInServerNames() {
    std::vector<std::string> names;
    for (std::string_view name : BuiltInTimeServers()) names.emplace_back(name);
    return names;
}

}  // namespace

ClockCorrection::ClockCorrection(const IniFile& settings, TSNTPClient& client,
                                 ClockCorrectionServices services)
    : settings_(settings), client_(client), services_(services), servers_(BuiltInServerNames()) {
    client_.OnDataAvailable = [this](TSNTPClient&, std::uint16_t) { SNTPClient1DataAvailable(); };
    client_.OnTimeout = [this](TSNTPClient&) { SNTPClient1Timeout(); };
    client_.OnWinsockError = [this](TSNTPClient&, std::uint16_t) { SNTPClient1WinsockError(); };
    client_.OnResolveError = [this](TSNTPClient&) { SNTPClient1ResolveError(); };
    client_.OnReceiveError = [this](TSNTPClient&) { SNTPClient1ReceiveError(); };
    ProcessPendingEvents = [] {
        if (QCoreApplication::instance()) QCoreApplication::processEvents();
    };
    ShortDateText = [](double serial) { return Formatted(serial, "%x"); };
    LongTimeText = [](double serial) { return Formatted(serial, "%X"); };
}

ClockCorrection::~ClockCorrection() {
    client_.OnDataAvailable = nullptr;
    client_.OnTimeout = nullptr;
    client_.OnWinsockError = nullptr;
    client_.OnResolveError = nullptr;
    client_.OnReceiveError = nullptr;
    delete monitor_;
}

void ClockCorrection::ReadSettings(bool afterDialog) {
    const SettingsReader reader =
        afterDialog ? SettingsReader::MainWindowAfterDialog : SettingsReader::MainWindow;
    timeCorrection_ = ReadSettingBool(settings_, kSntpSection, kTimeCorrectionKey, reader);
    autoServer_ = ReadSettingBool(settings_, kSntpSection, kAutoServerKey, reader);
    timeServer_ = ReadSettingText(settings_, kSntpSection, kTimeServerKey, reader);
    correctEvery_ = ReadSettingInteger(settings_, kSntpSection, kCorrectEveryKey, reader);
    // A value the settings dialog would refuse (0 would query every second).
    if (correctEvery_ < 1 || correctEvery_ > 999)
        correctEvery_ = std::stoi(std::string(ReadDefault(kSntpSection, kCorrectEveryKey, reader)));
}

void ClockCorrection::ApplyServerRule() {
    serverInUse_ = timeServer_;
    if (autoServer_) {
        serverInUse_.clear();
    } else {
        chosenServer_ = serverInUse_;
        chosenAutomatically_ = false;
    }
}

void ClockCorrection::Start() {
    lastCorrectionMinute_ = -1;
    chosenServer_.clear();
    chosenAutomatically_ = false;
    ReadSettings(false);
    ApplyServerRule();
    statusLine1_.clear();
    statusLine2_.clear();
    serverAddress_.clear();
    lastChoiceAttempt_ = services_.clock.LocalNow();
    connected_ = ConnectionCheck();
    previousConnected_.reset();
    correctionAsked_ = false;
    clockKeeper_.clear();
}

void ClockCorrection::ProbeClockKeeper() {
    clockKeeper_ = services_.probe.ClockKeeper().value_or(std::string());
}

void ClockCorrection::ShowClockKeeper() {
    statusLine1_ = std::string(kKeptByPrefix) + clockKeeper_;
    statusLine2_ = std::string(kOnlyOffsetShown);
}

void ClockCorrection::ReloadSettings() {
    ReadSettings(true);
    if (autoServer_) {
        // The server in use is emptied below; let the monitor take the
        // automatic choice up again at its next tick instead of waiting for
        // the connection to drop. A server that was only the user's fixed
        // one is no choice: the automatic choice runs for it.
        adopted_ = false;
        if (!chosenAutomatically_) chosenServer_.clear();
    }
    ApplyServerRule();
}

bool ClockCorrection::ConnectionCheck(std::string* machineAddress) {
    if (machineAddress) machineAddress->clear();
    // With time correction off nothing is asked of the system each second.
    if (!timeCorrection_) return false;
    const std::vector<std::string> own = services_.lookup.OwnAddresses();
    const std::string address = own.empty() ? std::string() : own.back();
    if (machineAddress) *machineAddress = address;
    return services_.connection.InternetAvailable() && address != "127.0.0.1";
}

void ClockCorrection::MonitorTick() {
    std::string address;
    connected_ = ConnectionCheck(&address);

    if (connected_ && timeCorrection_ && (autoServer_ || chosenServer_.empty()) && !adopted_ &&
        !chosenServer_.empty()) {
        adopted_ = true;
        serverInUse_ = chosenServer_;
        if (statusWindowOpen_) {
            view_.connectionLine = std::string(kConnectedPrefix) + address;
            view_.serverLine = chosenServer_;
            NotifyWindow();
        }
    }

    if (connected_ != previousConnected_) {
        previousConnected_ = connected_;
        if (connected_) {
            machineAddress_ = address;
            if (statusWindowOpen_) {
                // The open window follows the connection, as when it opens.
                view_.connectionLine = ConnectedLine();
                view_.serverLine = ServerLine();
                view_.correctNowEnabled = true;
                NotifyWindow();
            }
        } else {
            adopted_ = false;
            machineAddress_.clear();
            if (statusWindowOpen_) {
                view_.connectionLine = std::string(kNotConnected);
                view_.serverLine = std::string(kNoServer);
                view_.correctNowEnabled = false;
                NotifyWindow();
            }
        }
    }
}

void ClockCorrection::StartMonitor() {
    if (!monitor_) {
        monitor_ = new QTimer();
        monitor_->setInterval(1000);
        QObject::connect(monitor_, &QTimer::timeout, [this] { MonitorTick(); });
    }
    monitor_->start();
}

void ClockCorrection::StopMonitor() {
    if (monitor_) monitor_->stop();
}

void ClockCorrection::MainTimerTick() {
    ScheduleTick();
    ServerChoiceTick();
}

void ClockCorrection::ScheduleTick() {
    const int minute = MinuteOfDay(services_.clock.LocalNow());
    int elapsed = 0;
    if (lastCorrectionMinute_ != -1) {
        elapsed = minute - lastCorrectionMinute_;
        if (elapsed < 0) elapsed += kMinutesPerDay;
    }
    // "connected" is from the monitor's last tick: correction turned off by
    // the settings dialog since then stops at once.
    if (!timeCorrection_ || !connected_ || serverInUse_.empty()) {
        // "Correct time now" cannot start an exchange: no hourglass forever.
        if (correctionAsked_) {
            correctionAsked_ = false;
            SetBusy(false);
        }
        return;
    }
    if (lastCorrectionMinute_ != -1 && elapsed < correctEvery_) return;
    lastCorrectionMinute_ = minute;
    const bool asked = correctionAsked_;
    correctionAsked_ = false;
    ProbeClockKeeper();
    if (!clockKeeper_.empty() && !asked) {
        // The other service keeps the clock: no server is asked on schedule.
        ShowClockKeeper();
        if (statusWindowOpen_) {
            view_.statusLine1 = statusLine1_;
            view_.statusLine2 = statusLine2_;
            NotifyWindow();
        }
        return;
    }
    client_.SetHostAddr(serverInUse_);
    client_.SetTimeout(kExchangeTimeoutMs);
    client_.Query();
}

std::size_t ClockCorrection::Pick(std::size_t count) {
    if (RandomPick) return RandomPick(count) % count;
    std::uniform_int_distribution<std::size_t> uniform(0, count - 1);
    return uniform(random_);
}

void ClockCorrection::ServerChoiceTick() {
    if (!timeCorrection_ || !chosenServer_.empty() || servers_.empty()) return;
    const double now = services_.clock.LocalNow();
    if (!(now > lastChoiceAttempt_ + kChoiceDelayDays)) return;

    lastChoiceAttempt_ = now;
    SetBusy(true);
    random_.seed(static_cast<std::mt19937::result_type>(services_.clock.TickMs() ^
                                                        static_cast<std::uint32_t>(std::time(nullptr))));
    std::string winner;
    int bestScore = 0;
    for (int pick = 0; pick < kServerPicks; ++pick) {
        const std::string& name = servers_[Pick(servers_.size())];
        if (ProcessPendingEvents) ProcessPendingEvents();
        const int score = services_.pinger.Ping(name, kPingLimitMs).value_or(kFailedPingScore);
        if (pick == 0 || score < bestScore) {
            winner = name;
            bestScore = score;
        }
    }
    SetBusy(false);
    chosenServer_ = winner;
    chosenAutomatically_ = true;
}

std::string ClockCorrection::ConnectedLine() const { return std::string(kConnectedPrefix) + machineAddress_; }

std::string ClockCorrection::ServerLine() const {
    if (serverAddress_.empty()) return serverInUse_;
    return serverInUse_ + "  (" + serverAddress_ + ")";
}

std::string ClockCorrection::RoundtripLine() const {
    if (lastRoundtrip_ == 0) return std::string(kRoundtripNotAvailable);
    return std::string(kRoundtripPrefix) + std::to_string(lastRoundtrip_) + std::string(kMillisecondsSuffix);
}

const ClockStatusView& ClockCorrection::OpenStatusWindow(bool daylightSaving) {
    statusWindowOpen_ = true;
    view_ = ClockStatusView{};
    view_.title = std::string(kStatusTitle) + (daylightSaving ? std::string(kDaylightSuffix) : std::string());
    if (connected_) {
        view_.correctNowEnabled = true;
        view_.connectionLine = ConnectedLine();
        view_.serverLine = ServerLine();
    } else {
        view_.correctNowEnabled = false;
        view_.connectionLine = std::string(kNotConnected);
        view_.serverLine = std::string(kNoServer);
    }
    view_.roundtripLine = RoundtripLine();
    view_.statusLine1 = statusLine1_;
    view_.statusLine2 = statusLine2_;
    return view_;
}

const ClockStatusView& ClockCorrection::OpenStatusWindow() {
    return OpenStatusWindow(SystemTimeZoneFacts().state == DaylightState::Daylight);
}

void ClockCorrection::CloseStatusWindow() { statusWindowOpen_ = false; }

void ClockCorrection::CorrectTimeNow() {
    lastCorrectionMinute_ = -1;
    correctionAsked_ = true;
    view_.statusLine1.clear();
    view_.statusLine2.clear();
    SetBusy(true);
    NotifyWindow();
}

void ClockCorrection::SNTPClient1DataAvailable() {
    // A server that says it is not synchronised, or gives no time, must not
    // set the clock.
    if (client_.InvalidReply()) {
        RecordFailure(kInvalidResponse);
        return;
    }
    const double offset = services_.clock.UtcNow() - client_.ServerTime();
    serverAddress_ = client_.ServerIP();
    lastRoundtrip_ = client_.RoundTrip();

    if (clockKeeper_.empty()) {
        SetClock(offset);
    } else {
        // Two programs stepping one clock fight each other: only the offset.
        statusLine1_ = std::string(kKeptByPrefix) + clockKeeper_ + std::string(kNotSetHereSuffix);
        statusLine2_ = std::string(kOffsetPrefix) + OffsetText(offset);
    }
    SetBusy(false);

    if (statusWindowOpen_) {
        view_.connectionLine = ConnectedLine();
        view_.roundtripLine =
            std::string(kRoundtripPrefix) + std::to_string(lastRoundtrip_) + std::string(kMillisecondsSuffix);
        view_.serverLine = serverInUse_ + "  (" + serverAddress_ + ")";
        view_.statusLine1 = statusLine1_;
        view_.statusLine2 = statusLine2_;
        NotifyWindow();
    }
}

void ClockCorrection::SetClock(double offset) {
    switch (services_.setter.SetUtc(client_.NetTime())) {
    case SetClockResult::Set: {
        const double localNow = services_.clock.LocalNow();
        statusLine1_ = std::string(kCorrectedAt) + ShortDateText(localNow) + std::string(kDateTimeSeparator) +
                       LongTimeText(localNow);
        statusLine2_ = std::string(kOffsetPrefix) + OffsetText(offset);
        if (OnTimeChanged) OnTimeChanged();
        break;
    }
    case SetClockResult::NoPrivilege:
        statusLine1_ = std::string(kNoPrivilegeLine1);
        statusLine2_ = std::string(kNoPrivilegeLine2);
        break;
    case SetClockResult::Failed:
        statusLine1_ = std::string(kClockNotSet);
        statusLine2_.clear();
        break;
    }
}

void ClockCorrection::RecordFailure(std::string_view line1) {
    SetBusy(false);
    statusLine1_ = std::string(line1);
    statusLine2_.clear();
}

void ClockCorrection::SNTPClient1Timeout() { RecordFailure(kTimeout); }
void ClockCorrection::SNTPClient1WinsockError() { RecordFailure(kCannotConnect); }
void ClockCorrection::SNTPClient1ResolveError() { RecordFailure(kCannotResolve); }
void ClockCorrection::SNTPClient1ReceiveError() { RecordFailure(kInvalidResponse); }

void ClockCorrection::SetBusy(bool busy) {
    if (OnBusyCursor) OnBusyCursor(busy);
}

void ClockCorrection::NotifyWindow() {
    if (statusWindowOpen_ && OnStatusWindowChanged) OnStatusWindowChanged();
}

}  // namespace orvanto
