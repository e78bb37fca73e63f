// Serial dates: a double counting days since 30 December 1899 00:00, the time of
// day as its fraction.
//
// Before 30 December 1899 the day part is negative and the time of day is still
// counted forward from midnight: -1.25 is 29 December 1899 06:00. So the day is
// the serial truncated toward zero and the time is the absolute value of the
// fraction; between -1 and 0 there is no earlier day than 30 December 1899
// (-0.25 is 30 December 1899 06:00, as 0.25 is).
//
// Decoding first rounds the value to the nearest millisecond, so 14:30:00 never
// decodes as 14:29:59.999, and a time within half a millisecond of midnight
// decodes as 00:00:00.000 of the next day (DecodeDate and DecodeTime agree).
#pragma once

#include "calendar/civil_date.h"

namespace orvanto {

inline constexpr int kFirstSerialYear = 1;
inline constexpr int kLastSerialYear = 9999;

struct TimeOfDay {
    int hour = 0;
    int minute = 0;
    int second = 0;
    int millisecond = 0;

    friend bool operator==(const TimeOfDay&, const TimeOfDay&) = default;
};

// The serial date of midnight of a date of the proleptic Gregorian calendar,
// years 1-9999. TryEncodeDate returns false for a date that does not exist;
// EncodeDate raises std::invalid_argument.
bool TryEncodeDate(int year, int month, int day, double& serial);
double EncodeDate(int year, int month, int day);
inline double EncodeDate(const CivilDate& date) { return EncodeDate(date.year, date.month, date.day); }

// The fraction of a day: hour 0-23, minute 0-59, second 0-59, ms 0-999.
bool TryEncodeTime(int hour, int minute, int second, int millisecond, double& fraction);
double EncodeTime(int hour, int minute, int second, int millisecond = 0);

// The serial of a date (from EncodeDate) at a time of day (from EncodeTime),
// following the sign convention above.
double CombineDateTime(double date, double timeFraction);

// Decoding, DayOfWeek and DayNumberFromSerial raise std::invalid_argument for
// a value that is not finite or lies outside the years 1-9999.
CivilDate DecodeDate(double serial);
TimeOfDay DecodeTime(double serial);

// The date part (truncated toward zero) and the time part (absolute fraction).
double DateOf(double serial);
double TimeOf(double serial);

// 1 = Sunday, 2 = Monday ... 7 = Saturday.
int DayOfWeek(double serial);

// Between serial dates and DayNumber on the real calendar. The phantom
// 29 February of 1800, 1900 and 2100 in the DayNumber count is taken as 1 March.
// DayNumberFromSerial gives 0 for dates before the year 100, which DayNumber
// cannot count (it reads years below 100 as 19xx).
int DayNumberFromSerial(double serial);
double SerialFromDayNumber(int dayNumber);

}  // namespace orvanto
