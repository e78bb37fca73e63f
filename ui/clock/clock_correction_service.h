// ClockCorrectionService: the clock correction as the calendar runs it. It
// owns the SNTP client and the correction engine (clock/ClockCorrection)
// with this machine's services (or the ones a test hands in), shows the
// hourglass while an attempt runs, and tells the status window when its
// lines change.
//
// The main window calls Start() when it is created, Tick() from its
// once-a-second reminder check, and SettingsChanged() after the settings
// dialog; TSNTPStatusForm reads the state through Correction().
#pragma once

#include <QObject>

#include <memory>
#include <string>

#include "clock/clock_correction.h"
#include "clock/sntp_client.h"
#include "core/ini_file.h"
#include "ui/app/app_context.h"

namespace orvanto {

// The operating-system services of the correction. A null one is replaced
// by this machine's own (tests hand in fakes for all of them).
struct ClockPlatform {
    ClockSetter* setter = nullptr;
    Pinger* pinger = nullptr;
    ConnectionState* connection = nullptr;
    HostLookup* lookup = nullptr;
    TimeServiceProbe* probe = nullptr;
};

class ClockCorrectionService : public QObject {
    Q_OBJECT
public:
    explicit ClockCorrectionService(const AppContext& context, ClockPlatform platform = {},
                                    QObject* parent = nullptr);
    ~ClockCorrectionService() override;

    // At the creation of the main window: reads section "SNTP" and starts
    // the one-second connection monitor, except in check-and-quit mode
    // ("-C"), where nothing runs.
    void Start(bool checkAndQuit);
    // Once a second, from the main window's reminder check: the correction
    // schedule and the automatic server choice.
    void Tick();
    // After the settings dialog closed with "&OK": the "SNTP" keys again.
    void SettingsChanged();

    // Whether "TimeCorrection" is on (as last read).
    bool TimeCorrection() const { return correction_->TimeCorrection(); }

    ClockCorrection& Correction() { return *correction_; }
    TSNTPClient& Client() { return *client_; }

signals:
    // The lines of the open status window changed.
    void StatusChanged();
    // The system clock was set: the calendar may show another day or time.
    void TimeChanged();

private:
    void SetBusy(bool busy);

    struct OwnPlatform;
    std::unique_ptr<OwnPlatform> own_;
    IniFile settings_;
    std::unique_ptr<TSNTPClient> client_;
    std::unique_ptr<ClockCorrection> correction_;
    bool busy_ = false;
};

}  // namespace orvanto
