#include "clock/offset_text.h"

#include <cmath>

namespace orvanto {

std::string OffsetText(double offsetDays) {
    const double magnitudeMs = std::fabs(offsetDays) * 86400000.0;
    const long long total = std::isfinite(magnitudeMs) ? std::llround(magnitudeMs) : 0;
    const long long hours = total / 3600000;
    const long long minutes = total / 60000 % 60;
    const long long seconds = total / 1000 % 60;
    const long long milliseconds = total % 1000;
    std::string text;
    if (hours > 0) text += std::to_string(hours) + " hs. ";
    if (minutes > 0) text += std::to_string(minutes) + " min. ";
    if (seconds > 0) text += std::to_string(seconds) + " sec. ";
    text += std::to_string(milliseconds) + " ms.";
    return text;
}

}  // namespace orvanto
