// What "&Print" of the print dialog (and orvanto-cli print) does: the jobs a
// request makes (one per month page, year page or card sheet, with the count
// and year-range rules), each laid out as a PrintedDocument with its title,
// and the data the pages show read from the settings file.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "core/ini_file.h"
#include "core/prompt.h"
#include "reminders/descriptions.h"
#include "ui/printing/calendar_print_options.h"
#include "ui/printing/printed_page.h"

namespace orvanto {

inline constexpr const char* kMonthPrintTitle = "Orvanto Month Print";
inline constexpr const char* kYearPrintTitle = "Orvanto Year Print";
inline constexpr const char* kCardPrintTitle = "Orvanto Card Print";
inline constexpr int kMaxPrintCount = 12;

struct CalendarPrintRequest {
    CalendarLayout layout = CalendarLayout::Month;
    int month = 1;  // start month (month layout)
    int year = 0;   // start year
    int count = 1;  // months, years or cards, 1..12
    CalendarPrintOptions options;
};

// One print job: a month page (month, year), a year page (year) or a card
// sheet (cards years from year).
struct CalendarJob {
    CalendarLayout layout = CalendarLayout::Month;
    int year = 0;
    int month = 0;
    int cards = 0;
    bool operator==(const CalendarJob&) const = default;
};

// The count after the range rule: in year and card layouts no year past 2078
// is printed (n becomes 2079 - y when y + n - 1 > 2078).
int EffectiveCount(const CalendarPrintRequest& request);

// Month layout: n months from m/y, each its own job (December is followed by
// January of the next year). Year layout: n year pages. Card layout: a sheet
// of min(n, 9) cards and, past nine, a sheet of the rest.
std::vector<CalendarJob> PlanCalendarJobs(const CalendarPrintRequest& request);

const char* JobTitle(CalendarLayout layout);

// The entries and moon phases of a month.
using MonthDataSource = std::function<MonthPrintData(int year, int month)>;

// The job's document: its title and its page (a month page whose lists
// do not fit the paper goes on over further pages).
PrintedDocument LayoutCalendarJob(const CalendarJob& job, const CalendarPrintOptions& options,
                                  const PageGeometry& page, const TextMeasure& measure,
                                  const MonthDataSource& source);

// Section "Print" of the settings file.
struct PrintSettings {
    int lastType = 0;  // 0 month, 1 year, 2 card
    bool printMoon = true;
    bool printHoly = true;
    bool printEvent = true;
    bool operator==(const PrintSettings&) const = default;
};
PrintSettings ReadPrintSettings(const IniFile& settings);
void WritePrintSettings(IniFile& settings, const PrintSettings& print);

// "OldEurope" and "SideDays" of section "Settings" into the options.
void ReadWeekSettings(const IniFile& settings, CalendarPrintOptions& options);

// The principal moon phases whose local date falls in the month, in time
// order (at most ten); biasMinutes: universal time = local time + bias.
std::vector<PrintPhase> PrintMoonPhases(int year, int month, int biasMinutes);

// The month's entries from the month index of the reminder records (the
// holidays computed by the calendar rules are not among them) and its phases.
MonthPrintData ReadMonthPrintData(int year, int month, const IniFile& settings, const TimeStyle& timeStyle,
                                  Prompt& prompt, int biasMinutes);

}  // namespace orvanto
