// What a printed calendar shows: the choices of the print dialog (or of
// orvanto-cli print), the week layout and side days of the settings, and the
// data of one month (its entries and moon phases) the layouts draw.
#pragma once

#include <string>
#include <vector>

namespace orvanto {

enum class CalendarLayout { Month = 0, Year = 1, Card = 2 };

// Where the month page puts holidays or reminders: inside the day boxes,
// in the lists below (or beside) the grid, or both.
enum class EntryPlacement { Inside, Below, Both };

struct CalendarPrintOptions {
    bool moon = true;      // "M&oon Phases"
    bool holidays = true;  // "&Holidays"
    bool events = true;    // "&Reminders"
    bool colors = false;   // "Print co&lors"
    EntryPlacement holidayPlacement = EntryPlacement::Inside;
    EntryPlacement eventPlacement = EntryPlacement::Inside;
    bool oldEurope = false;  // the week begins on Monday
    int sideDays = 1;        // 1 grey neighbour days, other values none
    bool landscape = false;  // the paper's orientation
};

// One entry of the month index: day of the month, text, type (1 reminder,
// 2 holiday, 3 bookmark).
struct PrintEntry {
    int day = 0;
    std::string text;
    int type = 1;
};

// A principal moon phase: day of the month and code (0 new moon, 2 first
// quarter, 4 full moon, 6 last quarter).
struct PrintPhase {
    int day = 0;
    int phase = 0;
};

struct MonthPrintData {
    int year = 0;
    int month = 0;
    std::vector<PrintEntry> entries;
    std::vector<PrintPhase> phases;  // in time order; only the first five are printed
};

}  // namespace orvanto
