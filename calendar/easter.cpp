// Easter Sunday of the Gregorian calendar by the computus of Lilius and
// Clavius (epact, solar and lunar corrections), as given in D. E. Knuth,
// The Art of Computer Programming, vol. 1, 1.3.2 exercise 14.
#include "calendar/easter.h"

#include <cstdlib>

#include "calendar/serial_date.h"

namespace orvanto {

int EasterDayOfMarch(int year) {
    const int golden = year % 19 + 1;
    const int century = year / 100 + 1;
    const int solarCorrection = (3 * century) / 4 - 12;
    const int lunarCorrection = (8 * century + 5) / 25 - 5;
    const int sunday = (5 * year) / 4 - solarCorrection - 10;
    int epact = std::abs(11 * golden + 20 + lunarCorrection - solarCorrection) % 30;
    if ((epact == 25 && golden > 11) || epact == 24) epact += 1;
    int fullMoon = 44 - epact;
    if (fullMoon < 21) fullMoon += 30;
    return fullMoon + 7 - (sunday + fullMoon) % 7;
}

CivilDate EasterSunday(int year) {
    const int dayOfMarch = EasterDayOfMarch(year);
    if (dayOfMarch <= 31) return {year, 3, dayOfMarch};
    return {year, 4, dayOfMarch - 31};
}

CivilDate EasterRelatedDate(int year, int offset) {
    // Counted on serial dates, not on DayNumber: DayNumber's phantom
    // 29 February of 1800 and 1900 would shift Ash Wednesday by a day.
    return DecodeDate(EncodeDate(EasterSunday(year)) + offset);
}

}  // namespace orvanto
