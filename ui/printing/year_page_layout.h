// The printed year page: a title box with the year and twelve month boxes in
// four rows of three, each with the month's name, its moon phases, weekday
// captions, day numbers and, below them, the month's entries.
#pragma once

#include <array>

#include "ui/printing/calendar_print_options.h"
#include "ui/printing/printed_page.h"

namespace orvanto {

inline const PrintFont kYearTitleFont{PrintFace::TimesNewRoman, 24, true};
inline const PrintFont kYearMonthNameFont{PrintFace::TimesNewRoman, 14, true};
inline const PrintFont kYearPhaseDayFont{PrintFace::Arial, 6, false};
inline const PrintFont kYearCaptionFont{PrintFace::TimesNewRoman, 10, true};
inline const PrintFont kYearNumberFont{PrintFace::TimesNewRoman, 12, true};
inline const PrintFont kYearEntryFont{PrintFace::Arial, 7, false};

struct YearPageMetrics {
    int third = 0;        // P: page width div 3
    int box = 0;          // c: width of a month box
    int gap = 0;          // g
    int shadow = 0;       // s
    int pageUsed = 0;     // W: width of the title box
    int titleHeight = 0;  // h
    int boxHeight = 0;    // b
    int unit = 0;         // F: th(month name font, "pP") div 2
    int slotUnit = 0;     // u: c div 7
    int slot = 0;         // v
    int slotGap = 0;      // e
    int numberLine = 0;   // nint(1.3 th("99")) in the caption font
    // The caption and number fonts; where six lines of numbers would run
    // out of the box (landscape paper) they and the line height are scaled
    // down until the lines fit.
    PrintFont captionFont = kYearCaptionFont;
    PrintFont numberFont = kYearNumberFont;
};

YearPageMetrics ComputeYearPageMetrics(const PageGeometry& page, const TextMeasure& measure);

// months[0] is January .. months[11] December of one year.
PrintedPage LayoutYearPage(const std::array<MonthPrintData, 12>& months, const CalendarPrintOptions& options,
                           const PageGeometry& page, const TextMeasure& measure);

}  // namespace orvanto
