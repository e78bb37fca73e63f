// PesachDate: the Gregorian date of 15 Nisan (Gauss's Pesach formula).
#pragma once

#include "calendar/civil_date.h"
#include "calendar/out_of_algorithm_range.h"

namespace orvanto {

// Raises E_OutOfAlgorithmRange for years before 359.
CivilDate PesachDate(int year);

}  // namespace orvanto
