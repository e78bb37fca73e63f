// The pieces the printed calendars are made of: boxes with a shadow, moon
// phase symbols, texts placed by their centre or right edge, entry texts
// cleaned and cut to a width, and the calendar's names and week columns.
#pragma once

#include <array>
#include <string>

#include "ui/printing/printed_page.h"

namespace orvanto {

inline constexpr PrintColour kPrintRed = 0xFF0000;
inline constexpr PrintColour kPrintGrey = 0x808080;
inline constexpr int kBoxPenWidth = 3;
inline constexpr int kMoonPenWidth = 2;

// nint: rounding to the nearest integer, halves to even.
int Nint(double value);

// Where the lines of day numbers of a month box need more height than the box
// has (landscape year pages and card sheets), the line height and both
// fonts shrink by the same factor so that the six lines fit.
void ShrinkNumberLinesToFit(int needed, int room, int& numberLine, PrintFont& captionFont,
                            PrintFont& numberFont);

// A white rectangle (x, y, w, h) outlined with a 3-pixel pen, and two solid
// bands of width s below and to the right of it as its shadow.
void AddBoxWithShadow(PrintedPage& page, int x, int y, int w, int h, int s, PrintColour colour = kPrintBlack);

// The moon phase symbol of size z in the square at (x, y): a black disc for
// the new moon, a white disc for the full moon, a thin crescent on the left
// for the first quarter and on the right for the last quarter.
void AddMoonSymbol(PrintedPage& page, int phase, int x, int y, int z);

void AddText(PrintedPage& page, int x, int y, const std::string& text, const PrintFont& font,
             PrintColour colour = kPrintBlack);
// The text with its right edge at `right`.
void AddRightAlignedText(PrintedPage& page, const TextMeasure& measure, int right, int y,
                         const std::string& text, const PrintFont& font, PrintColour colour = kPrintBlack);
// The text centred in the rectangle, horizontally and vertically.
void AddCentredText(PrintedPage& page, const TextMeasure& measure, const PrintRectangle& box,
                    const std::string& text, const PrintFont& font, PrintColour colour = kPrintBlack);
// The text centred horizontally in the slot from `left`, `width` wide.
void AddTextCentredInSlot(PrintedPage& page, const TextMeasure& measure, int left, int width, int y,
                          const std::string& text, const PrintFont& font, PrintColour colour = kPrintBlack);

// An entry's text as printed: blanks trimmed, one leading "[" and one
// trailing "]" removed, trimmed again.
std::string CleanEntryText(const std::string& text);
// The text shortened from its end, a character at a time, until it is at
// most maxWidth wide (empty when not even one character fits).
std::string ShortenToWidth(const std::string& text, int maxWidth, const PrintFont& font,
                           const TextMeasure& measure);

// "January" .. "December".
const char* MonthName(int month);
// The seven weekday captions in displayed order: "Sun" .. "Sat", or "Mon" ..
// "Sun" when the week begins on Monday.
std::array<std::string, 7> WeekdayCaptions(bool oldEurope);
// The 0-based column of a weekday (0 = Sunday .. 6 = Saturday) in the week.
int WeekColumn(int weekday, bool oldEurope);
// The 0-based column of Sunday.
int SundayColumn(bool oldEurope);

}  // namespace orvanto
