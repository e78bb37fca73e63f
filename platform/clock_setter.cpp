#include "platform/clock_setter.h"

#include <cerrno>
#include <cmath>

namespace orvanto {

namespace {

// Days between 30 December 1899 and 1 January 1970.
constexpr double kUnixEpochSerial = 25569.0;

}  // namespace

timespec TimespecFromSerial(double serial) {
    const double micros = std::nearbyint((serial - kUnixEpochSerial) * 86400.0 * 1e6);
    const long long whole = static_cast<long long>(std::floor(micros / 1e6));
    const long long rest = static_cast<long long>(micros - static_cast<double>(whole) * 1e6);
    timespec result{};
    result.tv_sec = static_cast<time_t>(whole);
    result.tv_nsec = static_cast<long>(rest * 1000);
    return result;
}

SetClockResult SystemClockSetter::SetUtc(double serialUtc) {
    if (!std::isfinite(serialUtc) || serialUtc < kUnixEpochSerial) return SetClockResult::Failed;
    const timespec when = TimespecFromSerial(serialUtc);
    errno = 0;
    if (setTime_(CLOCK_REALTIME, &when) == 0) return SetClockResult::Set;
    return errno == EPERM ? SetClockResult::NoPrivilege : SetClockResult::Failed;
}

}  // namespace orvanto
