// CivilDate: a date of the Gregorian calendar as year, month (1-12) and day (1-31).
#pragma once

namespace orvanto {

struct CivilDate {
    int year = 0;
    int month = 0;
    int day = 0;

    friend bool operator==(const CivilDate&, const CivilDate&) = default;
};

}  // namespace orvanto
