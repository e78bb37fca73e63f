// ClockSetter: sets the computer's clock. The correction service talks to it
// only through this interface, so tests hand in a fake and never touch the
// real clock.
#pragma once

#include <ctime>
#include <vector>

namespace orvanto {

enum class SetClockResult {
    Set,          // the clock now shows the given time
    NoPrivilege,  // the process may not set the clock (EPERM)
    Failed,       // refused for another reason (a time out of range, ...)
};

class ClockSetter {
public:
    virtual ~ClockSetter() = default;
    // Set the clock to a universal time given as a serial date (days since
    // 30 December 1899 00:00).
    virtual SetClockResult SetUtc(double serialUtc) = 0;
};

// The seconds and nanoseconds since the Unix epoch of a serial date,
// rounded to the nearest microsecond (the resolution a double keeps there).
timespec TimespecFromSerial(double serial);

// The real clock of this machine through clock_settime(CLOCK_REALTIME).
// The system call is handed in so that the mapping of its outcome can be
// checked without changing the clock.
class SystemClockSetter : public ClockSetter {
public:
    using SetTimeFunction = int (*)(clockid_t, const timespec*);
    explicit SystemClockSetter(SetTimeFunction setTime = &::clock_settime) : setTime_(setTime) {}
    SetClockResult SetUtc(double serialUtc) override;

private:
    SetTimeFunction setTime_;
};

// A setter that records every time it was asked for and answers as told.
class FakeClockSetter : public ClockSetter {
public:
    explicit FakeClockSetter(SetClockResult answer = SetClockResult::Set) : answer_(answer) {}
    SetClockResult SetUtc(double serialUtc) override {
        requests_.push_back(serialUtc);
        return answer_;
    }
    void SetAnswer(SetClockResult answer) { answer_ = answer; }
    const std::vector<double>& Requests() const { return requests_; }

private:
    SetClockResult answer_;
    std::vector<double> requests_;
};

}  // namespace orvanto
