// TimeServiceProbe: whether another time service keeps this machine's clock.
// Two programs stepping one clock fight each other, so the clock correction
// only measures the offset while a time daemon runs or the system reports
// its clock synchronised over NTP.
#pragma once

#include <functional>
#include <optional>
#include <string>

namespace orvanto {

class TimeServiceProbe {
public:
    virtual ~TimeServiceProbe() = default;
    // The name of the service that keeps the clock, or nothing.
    virtual std::optional<std::string> ClockKeeper() = 0;
};

// The name shown when no daemon of ours is known but the system says its
// clock is synchronised.
inline constexpr const char* kSystemNtpSynchronisation = "NTP synchronisation";

// The real probe: a time daemon among the running processes (chronyd,
// systemd-timesyncd, ntpd), else "timedatectl" reporting NTP
// synchronisation. The process folder and the synchronisation query are
// handed in so that tests can stand in for them.
class SystemTimeServiceProbe : public TimeServiceProbe {
public:
    using SynchronisedQuery = std::function<bool()>;
    explicit SystemTimeServiceProbe(std::string processFolder = "/proc",
                                    SynchronisedQuery ntpSynchronised = &TimedatectlReportsSynchronisation);
    std::optional<std::string> ClockKeeper() override;

    // The first known time daemon whose command name appears in
    // `processFolder`/<pid>/comm.
    static std::optional<std::string> RunningTimeDaemon(const std::string& processFolder);
    // "timedatectl show --property=NTPSynchronized --value" answers "yes"
    // (waits at most two seconds; a missing program answers false).
    static bool TimedatectlReportsSynchronisation();

private:
    std::string processFolder_;
    SynchronisedQuery ntpSynchronised_;
};

// A probe that answers as told and counts the questions.
class FakeTimeServiceProbe : public TimeServiceProbe {
public:
    explicit FakeTimeServiceProbe(std::optional<std::string> keeper = std::nullopt)
        : keeper_(std::move(keeper)) {}
    std::optional<std::string> ClockKeeper() override {
        ++asked_;
        return keeper_;
    }
    void SetKeeper(std::optional<std::string> keeper) { keeper_ = std::move(keeper); }
    int Asked() const { return asked_; }

private:
    std::optional<std::string> keeper_;
    int asked_ = 0;
};

}  // namespace orvanto
