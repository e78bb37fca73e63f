// Easter Sunday of the Gregorian calendar and the feasts counted from it.
#pragma once

#include <string_view>

#include "calendar/civil_date.h"

namespace orvanto {

// Easter Sunday as a count of days from 1 March: 1 = 1 March, 31 = 31 March,
// 32 = 1 April ... 56 = 25 April.
int EasterDayOfMarch(int year);

// Easter Sunday as a civil date (March or April of that year).
CivilDate EasterSunday(int year);

// The date that lies `offset` days from Easter Sunday of that year, counted
// on the real calendar.
CivilDate EasterRelatedDate(int year, int offset);

struct EasterFeast {
    std::string_view name;
    int offset;  // days from Easter Sunday
};

// The feasts listed with the "EasterRelated" switch, in listing order.
inline constexpr EasterFeast kEasterFeasts[] = {
    {"Ash Wednesday", -46}, {"Palm Sunday", -7},   {"Maundy Thursday", -3},
    {"Good Friday", -2},    {"Holy Saturday", -1}, {"Easter Monday", 1},
};

}  // namespace orvanto
