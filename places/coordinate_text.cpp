#include "places/coordinate_text.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "places/decimal_text.h"

namespace orvanto {

DegreesMinutes SplitDecimalDegrees(double value) {
    DegreesMinutes split;
    split.negative = value < 0.0;
    const double magnitude = std::fabs(value);
    const double whole = std::trunc(magnitude);
    // A wild value (a hand-edited file) saturates; the range checks refuse it.
    split.degrees = whole < 2.0e9 ? static_cast<int>(whole) : 2000000000;
    const double minutes = std::nearbyint((magnitude - whole) * 60.0);
    split.minutes = static_cast<int>(std::min(minutes, 59.0));
    return split;
}

DegreesMinutes SplitCoordinateText(const std::string& text) {
    return SplitDecimalDegrees(DecimalOrZero(text));
}

double DecimalDegrees(int degrees, int minutes, bool negative) {
    const double value = degrees + minutes / 60.0;
    return negative ? -value : value;
}

std::string LocationCoordinateText(const std::string& degreesText, int minutes, bool negative) {
    const int hundredths = static_cast<int>(std::nearbyint(minutes * 100.0 / 60.0));
    char fraction[16];
    std::snprintf(fraction, sizeof fraction, "%02d", hundredths);
    return (negative ? "-" : "") + TrimBlanks(degreesText) + "." + fraction;
}

}  // namespace orvanto
