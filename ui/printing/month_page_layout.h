// The printed month page: a title box, a week header, up to six rows of
// square day boxes with moon symbols, day numbers and entries, and the lists
// of holidays and events below the grid (portrait) or beside it (landscape).
// Everything is measured in the device pixels of the paper.
#pragma once

#include <vector>

#include "ui/printing/calendar_print_options.h"
#include "ui/printing/printed_page.h"

namespace orvanto {

// The fonts of the month page.
inline const PrintFont kMonthTitleFont{PrintFace::TimesNewRoman, 18, true};
inline const PrintFont kMonthHeaderFont{PrintFace::TimesNewRoman, 12, true};
inline const PrintFont kMonthDayFont{PrintFace::TimesNewRoman, 14, false};
inline const PrintFont kMonthDayNumberFont{PrintFace::TimesNewRoman, 14, true};
inline const PrintFont kMonthEntryFont{PrintFace::Arial, 6, false};
inline const PrintFont kListHeadingFont{PrintFace::Arial, 12, true};
inline const PrintFont kListLineFont{PrintFace::Arial, 10, false};

// The measures every box of the page is placed by.
struct MonthPageMetrics {
    int base = 0;          // B: page width (portrait) or height (landscape) div 7
    int cell = 0;          // c: side of a day box
    int gap = 0;           // g: space between boxes
    int shadow = 0;        // s
    int gridWidth = 0;     // W: width of the title box
    int titleHeight = 0;   // h: th(title font, "pP")
    int headerHeight = 0;  // r: height of the week header boxes
    int firstRowTop = 0;   // 2h + r + g
    int unit = 0;          // F: th(day font, "pP") div 2
    int numberHeight = 0;  // th99: height of "99" in the day-number font
    int entryLineHeight = 0;
    int entryWidth = 0;  // c - nint(1.7 F): widest entry text
    int moonSize = 0;    // nint(1.4 F)
};

MonthPageMetrics ComputeMonthPageMetrics(const PageGeometry& page, bool landscape,
                                         const TextMeasure& measure);

// The day of the month in the first cell (0 or below for a day of the month
// before) and the number of rows the month needs (4 to 6).
int FirstCellDay(int year, int month, bool oldEurope);
int MonthRowCount(int year, int month, bool oldEurope);

// Left of the lists column in landscape: right of the grid.
int LandscapeListLeft(const MonthPageMetrics& metrics);

// The month page; lists too long for the paper continue at the top of
// further pages of the same job.
std::vector<PrintedPage> LayoutMonthPages(const MonthPrintData& data, const CalendarPrintOptions& options,
                                          const PageGeometry& page, const TextMeasure& measure);
// The first of them.
PrintedPage LayoutMonthPage(const MonthPrintData& data, const CalendarPrintOptions& options,
                            const PageGeometry& page, const TextMeasure& measure);

}  // namespace orvanto
