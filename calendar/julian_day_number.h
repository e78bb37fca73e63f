// JulianDayNumber: the chronological Julian day number of a Gregorian date.
#pragma once

namespace orvanto {

// 1 January 2000 gives 2451545. ((result + 1) mod 7) is 0 for Sunday ... 6 for Saturday.
int JulianDayNumber(int year, int month, int day);

}  // namespace orvanto
