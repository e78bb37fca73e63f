// PesachDate: 15 Nisan on the civil calendar by C. F. Gauss's Pesach formula
// (Gauss, "Berechnung des juedischen Osterfestes", Monatliche Correspondenz, 1802).
#include "calendar/pesach.h"

#include <cmath>

namespace orvanto {

namespace {
constexpr int kFirstPesachYear = 359;
constexpr int kFirstGregorianYear = 1583;
}  // namespace

CivilDate PesachDate(int year) {
    if (year < kFirstPesachYear) throw E_OutOfAlgorithmRange();
    const int s = year < kFirstGregorianYear ? 0 : (3 * (year / 100) - 5) / 4;
    const int a = (12 * year + 12) % 19;
    const int b = year % 4;
    const long double q = -1.904412361576L + 1.554241796621L * a + 0.25L * b - 0.003177794022L * year + s;
    const long double wholeDays = std::trunc(q);
    const long double fraction = q - wholeDays;
    const int m = static_cast<int>(wholeDays);
    const int c = (m + 3 * year + 5 * b + 2 - s) % 7;

    int dayOfMarch;
    if (c == 2 || c == 4 || c == 6) {
        dayOfMarch = m + 23;
    } else if (c == 1 && a > 6 && fraction >= 0.63287037L) {
        dayOfMarch = m + 24;
    } else if (c == 0 && a > 11 && fraction >= 0.897723765L) {
        dayOfMarch = m + 23;
    } else {
        dayOfMarch = m + 22;
    }
    if (dayOfMarch > 31) return {year, 4, dayOfMarch - 31};
    return {year, 3, dayOfMarch};
}

}  // namespace orvanto
