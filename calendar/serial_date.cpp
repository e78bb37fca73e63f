// Serial dates over the proleptic Gregorian calendar. The day count uses the
// era-based conversion of H. Hinnant, "chrono-Compatible Low-Level Date
// Algorithms" (days_from_civil / civil_from_days).
#include "calendar/serial_date.h"

#include <cmath>
#include <stdexcept>

#include "calendar/day_number.h"
#include "calendar/month_length.h"

namespace orvanto {

namespace {

constexpr long long kMillisecondsPerDay = 86'400'000;
// Days from 1 January 1970 back to 30 December 1899, the serial date's origin.
constexpr long long kUnixEpochSerial = 25'569;

long long DaysFromCivil(long long year, int month, int day) {
    year -= month <= 2 ? 1 : 0;
    const long long era = (year >= 0 ? year : year - 399) / 400;
    const long long yearOfEra = year - era * 400;
    const long long dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const long long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

CivilDate CivilFromDays(long long days) {
    days += 719468;
    const long long era = (days >= 0 ? days : days - 146096) / 146097;
    const long long dayOfEra = days - era * 146097;
    const long long yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const long long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const long long monthIndex = (5 * dayOfYear + 2) / 153;
    const int day = static_cast<int>(dayOfYear - (153 * monthIndex + 2) / 5 + 1);
    const int month = static_cast<int>(monthIndex < 10 ? monthIndex + 3 : monthIndex - 9);
    const int year = static_cast<int>(yearOfEra + era * 400 + (month <= 2 ? 1 : 0));
    return {year, month, day};
}

// A serial date split into its calendar day (a serial day index, negative
// before 30 December 1899) and the milliseconds since that day's midnight,
// rounded to the nearest millisecond.
struct Timestamp {
    long long day;
    long long millisecond;
};

const double kFirstSerial = -693'593.0;  // 1 January 0001
const double kEndSerial = 2'958'466.0;   // 1 January 10000

Timestamp ToTimestamp(double serial) {
    if (!std::isfinite(serial) || serial <= kFirstSerial - 1.0 || serial >= kEndSerial) {
        throw std::invalid_argument("serial date out of the years 1-9999");
    }
    const double dayPart = std::trunc(serial);
    const double fraction = std::fabs(serial - dayPart);
    Timestamp stamp{static_cast<long long>(dayPart),
                    std::llround(fraction * static_cast<double>(kMillisecondsPerDay))};
    if (stamp.millisecond >= kMillisecondsPerDay) {
        // Rounded up to the next midnight: the next calendar day, whatever
        // the sign of the serial.
        stamp.day += 1;
        stamp.millisecond -= kMillisecondsPerDay;
    }
    return stamp;
}

}  // namespace

bool TryEncodeDate(int year, int month, int day, double& serial) {
    if (year < kFirstSerialYear || year > kLastSerialYear || month < 1 || month > 12 || day < 1 ||
        day > DaysInMonth(month, year)) {
        return false;
    }
    serial = static_cast<double>(DaysFromCivil(year, month, day) + kUnixEpochSerial);
    return true;
}

double EncodeDate(int year, int month, int day) {
    double serial = 0.0;
    if (!TryEncodeDate(year, month, day, serial)) {
        throw std::invalid_argument("not a date of the years 1-9999");
    }
    return serial;
}

bool TryEncodeTime(int hour, int minute, int second, int millisecond, double& fraction) {
    if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59 || millisecond < 0 ||
        millisecond > 999) {
        return false;
    }
    const long long ms = ((hour * 60LL + minute) * 60 + second) * 1000 + millisecond;
    fraction = static_cast<double>(ms) / static_cast<double>(kMillisecondsPerDay);
    return true;
}

double EncodeTime(int hour, int minute, int second, int millisecond) {
    double fraction = 0.0;
    if (!TryEncodeTime(hour, minute, second, millisecond, fraction)) {
        throw std::invalid_argument("not a time of day");
    }
    return fraction;
}

double CombineDateTime(double date, double timeFraction) {
    return date < 0 ? date - timeFraction : date + timeFraction;
}

CivilDate DecodeDate(double serial) { return CivilFromDays(ToTimestamp(serial).day - kUnixEpochSerial); }

TimeOfDay DecodeTime(double serial) {
    long long ms = ToTimestamp(serial).millisecond;
    TimeOfDay time;
    time.millisecond = static_cast<int>(ms % 1000);
    ms /= 1000;
    time.second = static_cast<int>(ms % 60);
    ms /= 60;
    time.minute = static_cast<int>(ms % 60);
    time.hour = static_cast<int>(ms / 60);
    return time;
}

double DateOf(double serial) { return std::trunc(serial); }

double TimeOf(double serial) { return std::fabs(serial - std::trunc(serial)); }

int DayOfWeek(double serial) {
    const long long day = ToTimestamp(serial).day;
    const long long fromSaturday = ((day % 7) + 7) % 7;  // serial day 0 is a Saturday
    return static_cast<int>((fromSaturday + 6) % 7 + 1);
}

int DayNumberFromSerial(double serial) {
    const CivilDate date = DecodeDate(serial);
    if (date.year < 100) return 0;
    return DayNumber(date);
}

double SerialFromDayNumber(int dayNumber) {
    CivilDate date = DateFromDayNumber(dayNumber);
    if (date.month == 2 && date.day == 29 && !IsLeapYear(date.year)) {
        date = {date.year, 3, 1};
    }
    return EncodeDate(date);
}

}  // namespace orvanto
