#include "core/clock.h"

#include <chrono>
#include <ctime>

namespace orvanto {

namespace {

// Days between the Unix epoch (1 January 1970) and the serial-date epoch
// (30 December 1899).
constexpr double kUnixEpochSerial = 25569.0;

double SerialFromUnixSeconds(double seconds) { return kUnixEpochSerial + seconds / 86400.0; }

double UnixSecondsNow() {
    using namespace std::chrono;
    return duration<double>(system_clock::now().time_since_epoch()).count();
}

}  // namespace

double SystemClock::LocalNow() const {
    const double now = UnixSecondsNow();
    const std::time_t whole = static_cast<std::time_t>(now);
    std::tm local{};
    localtime_r(&whole, &local);
    return SerialFromUnixSeconds(now + static_cast<double>(local.tm_gmtoff));
}

double SystemClock::UtcNow() const { return SerialFromUnixSeconds(UnixSecondsNow()); }

std::uint32_t SystemClock::TickMs() const {
    using namespace std::chrono;
    const auto ms = duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
    return static_cast<std::uint32_t>(ms);
}

}  // namespace orvanto
