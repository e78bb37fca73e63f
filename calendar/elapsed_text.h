// ElapsedText: the years, months and days between two day counts, as text.
#pragma once

#include <string>

namespace orvanto {

// "(3 years, 1 months, 25 days)", "(2 months)", "(0 years)": the order of the
// two DayNumber values does not matter.
std::string ElapsedText(int dayNumberA, int dayNumberB);

}  // namespace orvanto
