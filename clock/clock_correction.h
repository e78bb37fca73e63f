// ClockCorrection: keeps the computer's clock right. It watches the
// connection, chooses a time server (the user's, or the best of five random
// picks from the built-in list), queries it through the SNTP client every
// "CorrectEvery" minutes and sets the clock from the reply. It also holds
// what the status window shows.
//
// The owner drives it: MonitorTick from the one-second connection monitor,
// MainTimerTick from the main one-second timer. Everything runs on one thread.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "clock/sntp_client.h"
#include "core/clock.h"
#include "core/ini_file.h"
#include "platform/clock_setter.h"
#include "platform/connection_state.h"
#include "platform/host_lookup.h"
#include "platform/pinger.h"
#include "platform/time_service_probe.h"

class QTimer;

namespace orvanto {

// What the status window (TSNTPStatusForm) shows.
struct ClockStatusView {
    std::string title;
    std::string connectionLine;
    std::string serverLine;
    std::string roundtripLine;
    std::string statusLine1;
    std::string statusLine2;
    bool correctNowEnabled = false;
};

// The operating-system services the correction uses.
struct ClockCorrectionServices {
    const Clock& clock;
    ClockSetter& setter;
    Pinger& pinger;
    ConnectionState& connection;
    HostLookup& lookup;
    // Whether another time service keeps the clock; then the clock is
    // never set, and only "Correct time now" asks the server for the offset.
    TimeServiceProbe& probe;
};

class ClockCorrection {
public:
    // Every exchange waits this long for a reply ("TimeOut" is not used).
    static constexpr int kExchangeTimeoutMs = 2000;
    // Picks of the automatic server choice, and the wait before the first one.
    static constexpr int kServerPicks = 5;
    static constexpr double kChoiceDelayDays = 2.0 / 1440.0;

    // Binds the client's events to the handlers below; the destructor
    // unbinds them.
    ClockCorrection(const IniFile& settings, TSNTPClient& client, ClockCorrectionServices services);
    ~ClockCorrection();
    ClockCorrection(const ClockCorrection&) = delete;
    ClockCorrection& operator=(const ClockCorrection&) = delete;

    // At the creation of the main window: read the keys of section "SNTP"
    // and set the state up (the last choice attempt is now).
    void Start();
    // After the settings dialog: read the keys again (with that reader's
    // defaults) and apply the server rule; the rest of the state stays,
    // except that with "AutoServer" on the automatic choice is taken up
    // again at once (and made anew when the last server was a fixed one).
    void ReloadSettings();

    // The one-second connection monitor; StartMonitor runs it on a timer of
    // its own (not in check-and-quit mode).
    void MonitorTick();
    void StartMonitor();
    void StopMonitor();
    // The part of the main one-second timer: the correction schedule, then
    // the automatic server choice (only while "TimeCorrection" is on: no
    // server is contacted that the user did not ask to be contacted). While
    // another time service keeps the clock the schedule asks no server; the
    // status lines name that service.
    void MainTimerTick();
    void ScheduleTick();
    void ServerChoiceTick();

    // True when time correction is on, the system reports an Internet
    // connection and the machine's address is not 127.0.0.1; the address
    // found (the last of the machine's own) goes to *machineAddress.
    bool ConnectionCheck(std::string* machineAddress = nullptr);

    // Status window. The title tells whether daylight saving time is in
    // effect; the overload without it asks this machine's zone.
    const ClockStatusView& OpenStatusWindow(bool daylightSaving);
    const ClockStatusView& OpenStatusWindow();
    void CloseStatusWindow();
    bool StatusWindowOpen() const { return statusWindowOpen_; }
    const ClockStatusView& StatusWindow() const { return view_; }
    // The window's "Correct time now": an exchange starts on the next tick
    // (also while another time service keeps the clock: then the offset is
    // shown and the clock left alone).
    void CorrectTimeNow();

    // Handlers of the client's events.
    void SNTPClient1DataAvailable();
    void SNTPClient1Timeout();
    void SNTPClient1WinsockError();
    void SNTPClient1ResolveError();
    void SNTPClient1ReceiveError();

    // Hooks for the owner. All may stay empty.
    std::function<void()> OnStatusWindowChanged;  // the open window's lines changed
    std::function<void(bool busy)> OnBusyCursor;  // hourglass on / normal cursor
    std::function<void()> OnTimeChanged;          // the system clock was set
    // Lets pending events run between the pings of the server choice
    // (default: QCoreApplication::processEvents).
    std::function<void()> ProcessPendingEvents;
    // A uniform pick in 0..count-1 (default: a generator seeded from the
    // clock at each choice).
    std::function<std::size_t(std::size_t count)> RandomPick;
    // The local date in the short format and the local time in the long
    // format (default: the C library's "%x" and "%X").
    std::function<std::string(double localSerial)> ShortDateText;
    std::function<std::string(double localSerial)> LongTimeText;

    // The candidates of the automatic choice (default: the built-in list).
    void SetServerList(std::vector<std::string> servers) { servers_ = std::move(servers); }

    // State, for the owner's windows and for tests.
    bool TimeCorrection() const { return timeCorrection_; }
    bool AutoServer() const { return autoServer_; }
    int CorrectEvery() const { return correctEvery_; }
    bool Connected() const { return connected_; }
    bool Adopted() const { return adopted_; }
    const std::string& ServerInUse() const { return serverInUse_; }
    const std::string& ChosenServer() const { return chosenServer_; }
    const std::string& MachineAddress() const { return machineAddress_; }
    const std::string& ServerAddress() const { return serverAddress_; }
    int LastRoundtrip() const { return lastRoundtrip_; }
    const std::string& StatusLine1() const { return statusLine1_; }
    const std::string& StatusLine2() const { return statusLine2_; }
    int LastCorrectionMinute() const { return lastCorrectionMinute_; }
    // The service that keeps the clock as last probed ("" for none).
    const std::string& ClockKeeper() const { return clockKeeper_; }

private:
    void ReadSettings(bool afterDialog);
    void ProbeClockKeeper();
    // Sets the clock from the reply and records the outcome.
    void SetClock(double offset);
    void ShowClockKeeper();
    void ApplyServerRule();
    void RecordFailure(std::string_view line1);
    void SetBusy(bool busy);
    void NotifyWindow();
    std::string ConnectedLine() const;
    std::string RoundtripLine() const;
    // The server in use, with the address of the last reply when known.
    std::string ServerLine() const;
    std::size_t Pick(std::size_t count);

    const IniFile& settings_;
    TSNTPClient& client_;
    ClockCorrectionServices services_;
    std::vector<std::string> servers_;
    std::mt19937 random_;
    QTimer* monitor_ = nullptr;

    bool timeCorrection_ = false;
    bool autoServer_ = false;
    std::string timeServer_;
    int correctEvery_ = 60;

    bool connected_ = false;
    // Unknown before the monitor's first tick, so that the first tick acts.
    std::optional<bool> previousConnected_;
    std::string serverInUse_;
    std::string chosenServer_;
    bool adopted_ = false;
    bool chosenAutomatically_ = false;
    std::string machineAddress_;
    std::string serverAddress_;
    int lastRoundtrip_ = 0;
    std::string statusLine1_;
    std::string statusLine2_;
    int lastCorrectionMinute_ = -1;
    double lastChoiceAttempt_ = 0.0;
    bool statusWindowOpen_ = false;
    ClockStatusView view_;
    std::string clockKeeper_;
    // "Correct time now" was pressed and its exchange has not started yet.
    bool correctionAsked_ = false;
};

}  // namespace orvanto
