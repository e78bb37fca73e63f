// The printed card sheet: up to nine small year calendars, three in a row,
// each a title box with the year and twelve mini-month boxes of weekday
// captions and day numbers. Cards carry no moon phases and no entries.
#pragma once

#include "ui/printing/calendar_print_options.h"
#include "ui/printing/printed_page.h"

namespace orvanto {

inline constexpr int kCardsPerSheet = 9;
inline const PrintFont kCardTitleFont{PrintFace::TimesNewRoman, 12, true};
inline const PrintFont kCardMonthNameFont{PrintFace::TimesNewRoman, 6, true};
inline const PrintFont kCardCaptionFont{PrintFace::TimesNewRoman, 3, true};
inline const PrintFont kCardNumberFont{PrintFace::TimesNewRoman, 4, true};
// The first row of mini months starts this much higher than 2 th("pP").
inline constexpr int kCardMonthsRaise = 10;

struct CardSheetMetrics {
    int pitchX = 0;       // horizontal distance of the cards
    int pitchY = 0;       // vertical distance of the cards
    int unit = 0;         // U: page width div 12
    int box = 0;          // c: width of a mini month
    int gap = 0;          // g
    int shadow = 0;       // s
    int cardWidth = 0;    // W
    int titleHeight = 0;  // th(title font, "pP")
    int boxHeight = 0;    // page height div 18
    int monthUnit = 0;    // F: th(month name font, "pP") div 2
    int slot = 0;         // v
    int slotGap = 0;      // e
    int numberLine = 0;   // th("99") in the number font
    // The caption and number fonts; where six lines of numbers would run
    // out of the mini month (landscape paper) they and the line height are
    // scaled down until the lines fit.
    PrintFont captionFont = kCardCaptionFont;
    PrintFont numberFont = kCardNumberFont;
};

CardSheetMetrics ComputeCardSheetMetrics(const PageGeometry& page, bool landscape,
                                         const TextMeasure& measure);

// Cards for `count` years (at most nine are drawn) from firstYear.
PrintedPage LayoutCardSheet(int firstYear, int count, const CalendarPrintOptions& options,
                            const PageGeometry& page, const TextMeasure& measure);

}  // namespace orvanto
