// MonthHolidays: the holidays of one month, in the calendar's listing order.
#include "calendar/month_holidays.h"

#include "calendar/civil_date.h"
#include "calendar/easter.h"
#include "calendar/pesach.h"
#include "calendar/thanksgiving.h"

namespace orvanto {

namespace {

void AddIfInMonth(std::vector<Holiday>& list, int month, const CivilDate& date, std::string_view name) {
    if (date.month == month) list.push_back({date.day, std::string(name)});
}

}  // namespace

std::vector<Holiday> MonthHolidays(int year, int month, const HolidaySwitches& switches) {
    std::vector<Holiday> list;
    if (switches.easterRelated) {
        for (const EasterFeast& feast : kEasterFeasts) {
            AddIfInMonth(list, month, EasterRelatedDate(year, feast.offset), feast.name);
        }
    }
    if (switches.showEaster) {
        AddIfInMonth(list, month, EasterSunday(year), "Easter");
        AddIfInMonth(list, month, {year, 12, 25}, "Christmas");
    }
    if (switches.showPesach) {
        AddIfInMonth(list, month, PesachDate(year), "Pesach");
    }
    if (switches.showThanks) {
        AddIfInMonth(list, month, {year, 11, ThanksgivingDay(year)}, "Thanks Giving Day");
    }
    return list;
}

}  // namespace orvanto
