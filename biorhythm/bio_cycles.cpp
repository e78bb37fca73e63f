// The biorhythm cycles: phase, curve row and day percentage.
#include "biorhythm/bio_cycles.h"

#include <cmath>
#include <numbers>

#include "calendar/serial_date.h"

namespace orvanto::bio {

namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;
constexpr int kDayMiddleOffset = 15;  // x = 10 day + 15 is the middle of day `day`
constexpr double kPercent = 100.0;

}  // namespace

int CycleLength(Cycle cycle) {
    switch (cycle) {
    case Cycle::Physical:
        return 23;
    case Cycle::Emotional:
        return 28;
    case Cycle::Intellectual:
        return 33;
    }
    return 23;
}

int DaysFromBirth(const CivilDate& birth, int year, int month) {
    return static_cast<int>(EncodeDate(year, month, 1) - EncodeDate(birth));
}

int CycleRemainder(int daysFromBirth, int length) { return daysFromBirth % length; }

int NearestInteger(double value) { return static_cast<int>(std::nearbyint(value)); }

double CyclePhase(int daysFromBirth, int length, int x) {
    const int r = CycleRemainder(daysFromBirth, length);
    return kTwoPi * (r - 1) / length + kTwoPi * (x - kPlotLeft) / (kPixelsPerDay * length);
}

int CurveRow(int y0, int daysFromBirth, int length, int x) {
    return y0 - NearestInteger(kAmplitude * std::sin(CyclePhase(daysFromBirth, length, x)));
}

int DayValue(int daysFromBirth, int length, int day) {
    const int x = kPixelsPerDay * day + kDayMiddleOffset;
    return NearestInteger(kPercent * std::sin(CyclePhase(daysFromBirth, length, x)));
}

}  // namespace orvanto::bio
