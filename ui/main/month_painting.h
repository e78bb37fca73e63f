// The month view's picture of one month: for each of the 42 day cells its
// caption, whether it is a day of the month or a dimmed or hidden neighbour
// day, the colour of its number, its hint and its moon glyph; the week header
// captions; and the information strip text. Pure computation from the month
// index, the moon phase list and the colour settings.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "reminders/month_index.h"

namespace orvanto {

struct CivilDate;

// A principal moon phase of the month, in local time.
struct MoonPhaseMark {
    int day = 0;
    double timeOfDay = 0.0;  // fraction of a day
    int phase = 0;           // 0 new, 2 first quarter, 4 full, 6 last quarter
};

// The day colours of section "Colors" (values with red in the low byte).
struct DayColors {
    int normal = 0;
    int sunday = 255;
    int today = 16777215;
    int events = 16711680;
    int timedEvents = 16711935;
    int mixedEvents = 16776960;
    int holiday = 32768;
    int bookmark = 65535;
};

struct MonthViewOptions {
    bool oldEurope = false;
    int sideDays = 1;  // 1 dimmed; any other value hides the neighbour days
    bool showMoon = true;
    int moonHint = 1;
    double latitude = 51.4667;
    bool ignoreWeekColor = false;
    bool ignoreDayColor = false;
    bool twelveHour = false;  // how phase times are written in hints
    std::string amDesignator = "AM";
    std::string pmDesignator = "PM";
};

enum class CellKind { InMonth, Dimmed, Hidden };
// The moon pictures by their resource names.
enum class MoonGlyph { None, NewMoon, FullMoon, FirstQuarterLitLeft, LastQuarterLitRight };

struct DayCell {
    int value = 0;    // g + i: a day of the month when 1..length
    int caption = 0;  // the number shown
    CellKind kind = CellKind::Hidden;
    int color = 0;
    std::string hint;  // lines joined with "\r\n"
    MoonGlyph glyph = MoonGlyph::None;
    bool today = false;
};

struct MonthPicture {
    std::array<DayCell, 42> cells;
    std::array<std::string, 7> header;
    int sundayColumn = 0;  // 0-based column of "Sun" in the header
    int todayCell = -1;    // index of today's cell, -1 when today is not shown
};

// "FULLMOON", "NEWMOON", "FQUARTER", "LQUARTER"; empty for no glyph.
const char* MoonGlyphName(MoonGlyph glyph);
// "New Moon", "First Quarter", "Full Moon", "Last Quarter".
const char* PrincipalPhaseName(int phase);

// The full picture from the month view index (the records, then the holidays).
MonthPicture PaintMonth(int year, int month, const CivilDate& today,
                        const std::vector<MonthIndexEntry>& entries, const std::vector<MoonPhaseMark>& phases,
                        const DayColors& colors, const MonthViewOptions& options);

// The text of the information strip: "day: name - day: name" over the
// holidays of the entries; empty when the month has none.
std::string InformationStripText(const std::vector<MonthIndexEntry>& entries);

// A time of day in the long time format: "14:05:09", or "2:05:09 PM" with
// the twelve-hour clock and the locale's designators.
std::string LongTimeText(double timeOfDay, bool twelveHour, const std::string& am = "AM",
                         const std::string& pm = "PM");

}  // namespace orvanto
