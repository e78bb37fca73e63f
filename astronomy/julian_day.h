// Serial dates, Julian days and calendar dates, with the switch from the Julian to the
// Gregorian calendar on 15 October 1582 (Meeus, Astronomical Algorithms, ch. 7).
//
// A serial date is a double count of days since 30 December 1899 00:00, the time of day
// as its fraction. The count is linear (JD = serial + J), so before the epoch the date
// part is the floor of the value. Everything computed from it uses long double.
#pragma once

#include <cstdint>

namespace orvanto::astro {

struct CalendarDate {
    std::uint16_t year = 0;
    std::uint16_t month = 0;
    std::uint16_t day = 0;
    friend bool operator==(const CalendarDate&, const CalendarDate&) = default;
};

// The serial date of a proleptic Gregorian date at 00:00, as the system's date library
// encodes it (no calendar switch), and its inverse for the date part (floor) of a serial date.
double EncodeSerialDate(int year, int month, int day);
CalendarDate DecodeSerialDate(double serial);

// A serial date read linearly: the day is the floor of the value and the time of day
// counts forward from its midnight (-0.25 is 29 December 1899 18:00), rounded to the
// millisecond first (so 14:30:00 never reads 14:29:59.999).
struct SerialDateTime {
    CalendarDate date;
    int hour = 0, minute = 0, second = 0, millisecond = 0;
    double timeOfDay = 0;  // the fraction of the day, after the rounding
};
SerialDateTime DecodeSerialDateTime(double serial);

// Start-up constants.
// Serial value of 1 January 2000: the epoch of the VSOP87 time argument and
// of the moon's routines.
inline constexpr double kSerial2000 = 36526.0;
// J = 2451544.5 - serial(1 January 2000): JD = serial + J.
inline constexpr long double kJulianDayOffset = 2451544.5L - kSerial2000;  // 2415018.5
// Serial value of 1 January 1999 (an epoch of the moon's routines).
inline constexpr double kSerialJan1999 = 36161.0;
// Serial value of 17 January 1923, the start of lunation 1.
inline constexpr double kSerialLunationEpoch = 8418.0;
// JD 2299160.5: 15 October 1582, 0h, the first Gregorian date.
inline constexpr long double kCalendarSwitchJulianDay = 2299160.5L;

long double SerialToJulianDay(double serial);
double JulianDayToSerial(long double julianDay);

// JD of 0h of a calendar date (Julian calendar before the switch, Gregorian from it).
// Raises EConvertError "Invalid year", "Invalid month", "Invalid day" or
// "Date invalid due to calendar change".
long double JulianDayFromCalendar(std::uint16_t year, std::uint16_t month, std::uint16_t day);
// Raises EConvertError "Negative julian dates not supported" for JD < 0.
CalendarDate CalendarFromJulianDay(long double julianDay);

double SerialFromCalendar(std::uint16_t year, std::uint16_t month, std::uint16_t day);
CalendarDate CalendarFromSerial(double serial);

// Julian centuries since J2000.0 of a Julian day.
long double JulianCenturies(long double julianDay);

// Twilight chain: 0 on or before 14 October 1582, else serial + J.
long double TwilightJulianDay(double serial);

}  // namespace orvanto::astro
