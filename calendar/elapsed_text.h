// ElapsedText: the years, months and days between two day counts, as text.
#pragma once

#include <string>

namespace orvanto {

// "(3 years, 1 months, 25 days)", "(2 months)", "(0 years)": the order of the
// two DayNumber values does not matter. When the later date's day of month is
// the smaller, the month before it is borrowed; a start day that month lacks
// counts from its last day (31 January to 1 March is "(1 months, 1 days)").
std::string ElapsedText(int dayNumberA, int dayNumberB);

}  // namespace orvanto
