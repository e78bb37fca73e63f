// Week numbers: the month grid's simple count and the Monday-based ISO count.
#pragma once

namespace orvanto {

// The row of the year's grid that holds the date, week 1 holding 1 January;
// weeks begin on Sunday, or on Monday when oldEurope is set. The day of the
// year is counted on the real calendar, so the rows match the drawn grid in
// 1800 and 1900 as well.
int SimpleWeekNumber(int year, int month, int day, bool oldEurope);

// Weeks begin on Monday and week 1 holds the year's first Thursday; a date
// before that week belongs to the last week of the previous year. Days at the
// end of December keep counting (52, 53) rather than rolling over to week 1.
// The time of day of the serial date is ignored.
int IsoWeekNumber(double serialDate);

}  // namespace orvanto
