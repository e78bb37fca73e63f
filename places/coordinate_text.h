// A coordinate in the form the degree and minute boxes show it, and the
// conversions between that form and decimal-degree texts.
#pragma once

#include <string>

namespace orvanto {

// Degrees and whole minutes without sign, and the hemisphere: `negative` is
// "S" for a latitude and "W" for a longitude.
struct DegreesMinutes {
    int degrees = 0;
    int minutes = 0;
    bool negative = false;
};

// Splits decimal degrees: degrees = the integer part without sign; minutes =
// the fraction without sign times 60, rounded to nearest (halves to even) and
// limited to 59; negative when the value is below 0.
DegreesMinutes SplitDecimalDegrees(double value);

// The same for a text; a text that is not a number counts as 0.
DegreesMinutes SplitCoordinateText(const std::string& text);

// Decimal degrees of degrees and minutes: degrees + minutes / 60, negated for
// the southern or western hemisphere.
double DecimalDegrees(int degrees, int minutes, bool negative);

// The text of section "Location": the degrees text (trimmed), ".", the
// minutes as hundredths of a degree (minutes x 100 / 60 rounded to nearest)
// in two digits, with a leading "-" for the southern or western hemisphere:
// 51 deg 30 min N gives "51.50", 0 deg 30 min W gives "-0.50".
std::string LocationCoordinateText(const std::string& degreesText, int minutes, bool negative);

}  // namespace orvanto
