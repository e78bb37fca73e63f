// MonthHolidays: the movable and fixed holidays that fall in one month.
#pragma once

#include <string>
#include <vector>

namespace orvanto {

// The four holiday switches, keys of section "Settings" of the settings file.
struct HolidaySwitches {
    bool easterRelated = true;  // "EasterRelated"
    bool showEaster = true;     // "ShowEaster" (Easter and Christmas)
    bool showPesach = false;    // "ShowPesach"
    bool showThanks = true;     // "ShowThanks"
};

struct Holiday {
    int day = 0;  // day of the month
    std::string name;

    friend bool operator==(const Holiday&, const Holiday&) = default;
};

// In this order, each when its switch is on and it falls in the month:
// the Easter feasts, Easter, Christmas, Pesach, Thanksgiving. Two holidays on
// one day give two entries.
std::vector<Holiday> MonthHolidays(int year, int month, const HolidaySwitches& switches);

}  // namespace orvanto
