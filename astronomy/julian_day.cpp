// Serial dates, Julian days and calendar dates (Meeus, Astronomical Algorithms, ch. 7).
#include "astronomy/julian_day.h"

#include <cmath>

#include "astronomy/errors.h"

namespace orvanto::astro {

namespace {

// Days of a proleptic Gregorian date counted from 1 March of year 0 (H. Hinnant's
// days-from-civil method).
long DaysFromCivil(long y, long m, long d) {
    y -= m <= 2;
    const long era = (y >= 0 ? y : y - 399) / 400;
    const long yoe = y - era * 400;
    const long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe;
}

const long kSerialEpochDays = DaysFromCivil(1899, 12, 30);

bool IsLeapYear(int year, bool julianCalendar) {
    if (julianCalendar) return year % 4 == 0;
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month, bool julianCalendar) {
    static constexpr int kLengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month == 2 && IsLeapYear(year, julianCalendar)) return 29;
    return kLengths[month - 1];
}

}  // namespace

double EncodeSerialDate(int year, int month, int day) {
    return static_cast<double>(DaysFromCivil(year, month, day) - kSerialEpochDays);
}

CalendarDate DecodeSerialDate(double serial) {
    // Inverse of DaysFromCivil (civil-from-days).
    long z = static_cast<long>(std::floor(serial)) + kSerialEpochDays;
    const long era = (z >= 0 ? z : z - 146096) / 146097;
    const long doe = z - era * 146097;
    const long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long mp = (5 * doy + 2) / 153;
    const long d = doy - (153 * mp + 2) / 5 + 1;
    const long m = mp < 10 ? mp + 3 : mp - 9;
    const long y = yoe + era * 400 + (m <= 2);
    return {static_cast<std::uint16_t>(y), static_cast<std::uint16_t>(m), static_cast<std::uint16_t>(d)};
}

SerialDateTime DecodeSerialDateTime(double serial) {
    constexpr long long kMillisecondsPerDay = 86400000;
    const long long total = std::llround(serial * static_cast<double>(kMillisecondsPerDay));
    long long day = total / kMillisecondsPerDay;
    long long ms = total % kMillisecondsPerDay;
    if (ms < 0) {
        ms += kMillisecondsPerDay;
        day -= 1;
    }
    SerialDateTime result;
    result.date = DecodeSerialDate(static_cast<double>(day));
    result.hour = static_cast<int>(ms / 3600000);
    result.minute = static_cast<int>(ms / 60000 % 60);
    result.second = static_cast<int>(ms / 1000 % 60);
    result.millisecond = static_cast<int>(ms % 1000);
    result.timeOfDay = static_cast<double>(ms) / static_cast<double>(kMillisecondsPerDay);
    return result;
}

long double SerialToJulianDay(double serial) { return static_cast<long double>(serial) + kJulianDayOffset; }

double JulianDayToSerial(long double julianDay) { return static_cast<double>(julianDay - kJulianDayOffset); }

long double JulianDayFromCalendar(std::uint16_t year, std::uint16_t month, std::uint16_t day) {
    if (year < 1 || year > 9999) throw EConvertError("Invalid year");
    if (month < 1 || month > 12) throw EConvertError("Invalid month");
    long y = year;
    long m = month;
    if (m <= 2) {
        y -= 1;
        m += 12;
    }
    const long double julian =
        std::trunc(365.25L * (y + 4716)) + std::trunc(30.6001L * (m + 1)) + day - 1524.5L;
    const bool julianCalendar = kCalendarSwitchJulianDay > julian;
    if (day < 1 || day > DaysInMonth(year, month, julianCalendar)) throw EConvertError("Invalid day");
    if (julianCalendar) return julian;
    const long a = y / 100;
    const long b = 2 - a + a / 4;
    const long double gregorian = julian + b;
    if (kCalendarSwitchJulianDay > gregorian) throw EConvertError("Date invalid due to calendar change");
    return gregorian;
}

CalendarDate CalendarFromJulianDay(long double julianDay) {
    if (julianDay < 0) throw EConvertError("Negative julian dates not supported");
    const long double z = std::trunc(julianDay + 0.5L);
    long double a = z;
    if (julianDay >= kCalendarSwitchJulianDay) {
        const long double alpha = std::trunc((z - 1867216.25L) / 36524.25L);
        a = z + 1 + alpha - std::trunc(alpha / 4);
    }
    const long double b = a + 1524;
    const long double c = std::trunc((b - 122.1L) / 365.25L);
    const long double dd = std::trunc(365.25L * c);
    const long double e = std::trunc((b - dd) / 30.6001L);
    const long double day = b - dd - std::trunc(30.6001L * e);
    const long double month = e > 13 ? e - 13 : e - 1;
    const long double year = e > 13 ? c - 4715 : c - 4716;
    return {static_cast<std::uint16_t>(year), static_cast<std::uint16_t>(month),
            static_cast<std::uint16_t>(day)};
}

double SerialFromCalendar(std::uint16_t year, std::uint16_t month, std::uint16_t day) {
    return JulianDayToSerial(JulianDayFromCalendar(year, month, day));
}

CalendarDate CalendarFromSerial(double serial) { return CalendarFromJulianDay(SerialToJulianDay(serial)); }

long double JulianCenturies(long double julianDay) { return (julianDay - 2451545.0L) / 36525.0L; }

long double TwilightJulianDay(double serial) {
    static const double kLastJulianCalendarDay = EncodeSerialDate(1582, 10, 14);
    if (serial <= kLastJulianCalendarDay) return 0.0L;
    return static_cast<long double>(serial) + (2451544.5L - kSerial2000);
}

}  // namespace orvanto::astro
