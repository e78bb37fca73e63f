// Clock: the one source of time. The reminder check, the start-up pass, the
// clock correction and every window read time only through it, so a test can
// stand at 14:29:59 and step to 14:30:00.
#pragma once

#include <cstdint>

namespace orvanto {

class Clock {
public:
    virtual ~Clock() = default;
    // Local civil time as a serial date: days since 30 December 1899 00:00,
    // the time of day as the fraction.
    virtual double LocalNow() const = 0;
    // Universal time as a serial date.
    virtual double UtcNow() const = 0;
    // A monotonic millisecond counter (wraps like any tick count).
    virtual std::uint32_t TickMs() const = 0;
};

// The real clock of this machine.
class SystemClock : public Clock {
public:
    double LocalNow() const override;
    double UtcNow() const override;
    std::uint32_t TickMs() const override;
};

// A clock that stands where a test puts it. UTC is local time plus the given
// bias in minutes (the same sign rule as TimeZoneBias).
class FakeClock : public Clock {
public:
    explicit FakeClock(double localNow = 0.0, int biasMinutes = 0)
        : local_(localNow), biasMinutes_(biasMinutes) {}

    double LocalNow() const override { return local_; }
    double UtcNow() const override { return local_ + biasMinutes_ / 1440.0; }
    std::uint32_t TickMs() const override { return tick_; }

    void SetLocal(double localNow) { local_ = localNow; }
    void AdvanceSeconds(double seconds) {
        local_ += seconds / 86400.0;
        tick_ += static_cast<std::uint32_t>(seconds * 1000.0);
    }
    void SetTick(std::uint32_t tick) { tick_ = tick; }
    void SetBiasMinutes(int biasMinutes) { biasMinutes_ = biasMinutes; }

private:
    double local_;
    int biasMinutes_;
    std::uint32_t tick_ = 0;
};

}  // namespace orvanto
