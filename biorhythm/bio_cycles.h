// The three biorhythm cycles as sine waves over the days since birth: the
// curve drawn at ten pixels a day and the integer percentage of each day.
#pragma once

#include <array>

#include "calendar/civil_date.h"

namespace orvanto::bio {

enum class Cycle { Physical = 0, Emotional = 1, Intellectual = 2 };
inline constexpr int kCycleCount = 3;
inline constexpr std::array<Cycle, kCycleCount> kCycles = {Cycle::Physical, Cycle::Emotional,
                                                           Cycle::Intellectual};

// Days of one period: 23 physical, 28 emotional, 33 intellectual.
int CycleLength(Cycle cycle);

// The chart's scale: the plot begins at x = 20, a day is ten pixels wide and
// a curve swings 45 pixels above and below the zero line.
inline constexpr int kPlotLeft = 20;
inline constexpr int kPixelsPerDay = 10;
inline constexpr int kAmplitude = 45;

// Whole days from the birth date to the 1st of the month (negative for a
// month before the birth).
int DaysFromBirth(const CivilDate& birth, int year, int month);

// a mod L, the remainder taking the sign of a.
int CycleRemainder(int daysFromBirth, int length);

// The phase at pixel x of a month whose 1st lies `daysFromBirth` days after
// the birth: 2 pi (r - 1) / L + 2 pi (x - 20) / (10 L).
double CyclePhase(int daysFromBirth, int length, int x);

// The curve's row at pixel x: y0 - nint(45 sin phase), halves to even.
int CurveRow(int y0, int daysFromBirth, int length, int x);

// The percentage of day `day` (1-based) of the month: nint(100 sin phase)
// at the middle of the day, x = 10 day + 15.
int DayValue(int daysFromBirth, int length, int day);

// Rounding to the nearest integer, halves to even.
int NearestInteger(double value);

}  // namespace orvanto::bio
