// ClockCorrectionService: the correction engine wired to this machine.
#include "ui/clock/clock_correction_service.h"

#include <QApplication>

#include "platform/clock_setter.h"
#include "platform/connection_state.h"
#include "platform/host_lookup.h"
#include "platform/pinger.h"
#include "platform/time_service_probe.h"

namespace orvanto {

// This machine's services, made only for those the caller left out.
struct ClockCorrectionService::OwnPlatform {
    std::unique_ptr<SystemClockSetter> setter;
    std::unique_ptr<SystemHostLookup> lookup;
    std::unique_ptr<IcmpPinger> pinger;
    std::unique_ptr<SystemConnectionState> connection;
    std::unique_ptr<SystemTimeServiceProbe> probe;

    ClockPlatform Complete(ClockPlatform platform) {
        if (!platform.setter) platform.setter = (setter = std::make_unique<SystemClockSetter>()).get();
        if (!platform.lookup) platform.lookup = (lookup = std::make_unique<SystemHostLookup>()).get();
        if (!platform.pinger)
            platform.pinger = (pinger = std::make_unique<IcmpPinger>(*platform.lookup)).get();
        if (!platform.connection)
            platform.connection = (connection = std::make_unique<SystemConnectionState>()).get();
        if (!platform.probe) platform.probe = (probe = std::make_unique<SystemTimeServiceProbe>()).get();
        return platform;
    }
};

ClockCorrectionService::ClockCorrectionService(const AppContext& context, ClockPlatform platform,
                                               QObject* parent)
    : QObject(parent), own_(std::make_unique<OwnPlatform>()), settings_(context.settingsPath) {
    const ClockPlatform services = own_->Complete(platform);
    client_ = std::make_unique<TSNTPClient>(*context.clock, *services.lookup);
    correction_ = std::make_unique<ClockCorrection>(
        settings_, *client_,
        ClockCorrectionServices{*context.clock, *services.setter, *services.pinger, *services.connection,
                                *services.lookup, *services.probe});
    correction_->OnBusyCursor = [this](bool busy) { SetBusy(busy); };
    correction_->OnStatusWindowChanged = [this] { emit StatusChanged(); };
    correction_->OnTimeChanged = [this] { emit TimeChanged(); };
}

ClockCorrectionService::~ClockCorrectionService() {
    SetBusy(false);
    correction_->StopMonitor();
    correction_.reset();
    client_.reset();
}

void ClockCorrectionService::Start(bool checkAndQuit) {
    correction_->Start();
    if (!checkAndQuit) correction_->StartMonitor();
}

void ClockCorrectionService::Tick() { correction_->MainTimerTick(); }

void ClockCorrectionService::SettingsChanged() { correction_->ReloadSettings(); }

void ClockCorrectionService::SetBusy(bool busy) {
    if (busy == busy_ || !qobject_cast<QApplication*>(QCoreApplication::instance())) return;
    busy_ = busy;
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

}  // namespace orvanto
