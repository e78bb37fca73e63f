// Print jobs of the calendar layouts and the data they show.
#include "ui/printing/calendar_print_jobs.h"

#include <algorithm>
#include <array>

#include "astronomy/month_phases.h"
#include "calendar/serial_date.h"
#include "calendar/valid_date.h"
#include "core/settings_keys.h"
#include "reminders/month_index.h"
#include "ui/printing/card_sheet_layout.h"
#include "ui/printing/month_page_layout.h"
#include "ui/printing/year_page_layout.h"

namespace orvanto {

int EffectiveCount(const CalendarPrintRequest& request) {
    int count = request.count;
    if (request.layout != CalendarLayout::Month && request.year + count - 1 > kLastCalendarYear) {
        count = kLastCalendarYear + 1 - request.year;
    }
    return std::max(count, 0);
}

std::vector<CalendarJob> PlanCalendarJobs(const CalendarPrintRequest& request) {
    std::vector<CalendarJob> jobs;
    const int count = EffectiveCount(request);
    switch (request.layout) {
    case CalendarLayout::Month: {
        int month = request.month;
        int year = request.year;
        for (int i = 0; i < count; ++i) {
            jobs.push_back({CalendarLayout::Month, year, month, 0});
            if (++month > 12) {
                month = 1;
                ++year;
            }
        }
        break;
    }
    case CalendarLayout::Year:
        for (int i = 0; i < count; ++i) jobs.push_back({CalendarLayout::Year, request.year + i, 0, 0});
        break;
    case CalendarLayout::Card:
        for (int first = 0; first < count; first += kCardsPerSheet) {
            jobs.push_back(
                {CalendarLayout::Card, request.year + first, 0, std::min(kCardsPerSheet, count - first)});
        }
        break;
    }
    return jobs;
}

const char* JobTitle(CalendarLayout layout) {
    switch (layout) {
    case CalendarLayout::Month:
        return kMonthPrintTitle;
    case CalendarLayout::Year:
        return kYearPrintTitle;
    case CalendarLayout::Card:
        return kCardPrintTitle;
    }
    return kMonthPrintTitle;
}

PrintedDocument LayoutCalendarJob(const CalendarJob& job, const CalendarPrintOptions& options,
                                  const PageGeometry& page, const TextMeasure& measure,
                                  const MonthDataSource& source) {
    PrintedDocument document;
    document.title = JobTitle(job.layout);
    switch (job.layout) {
    case CalendarLayout::Month:
        document.pages = LayoutMonthPages(source(job.year, job.month), options, page, measure);
        break;
    case CalendarLayout::Year: {
        std::array<MonthPrintData, 12> months;
        for (int m = 1; m <= 12; ++m) months[m - 1] = source(job.year, m);
        document.pages.push_back(LayoutYearPage(months, options, page, measure));
        break;
    }
    case CalendarLayout::Card:
        document.pages.push_back(LayoutCardSheet(job.year, job.cards, options, page, measure));
        break;
    }
    return document;
}

PrintSettings ReadPrintSettings(const IniFile& settings) {
    constexpr SettingsReader kReader = SettingsReader::PrintDialog;
    PrintSettings print;
    print.lastType = ReadSettingInteger(settings, kPrintSection, "LastType", kReader);
    print.printMoon = ReadSettingBool(settings, kPrintSection, "PrintMoon", kReader);
    print.printHoly = ReadSettingBool(settings, kPrintSection, "PrintHoly", kReader);
    print.printEvent = ReadSettingBool(settings, kPrintSection, "PrintEvent", kReader);
    return print;
}

void WritePrintSettings(IniFile& settings, const PrintSettings& print) {
    const std::string section(kPrintSection);
    settings.WriteInteger(section, "LastType", print.lastType);
    settings.WriteBool(section, "PrintMoon", print.printMoon);
    settings.WriteBool(section, "PrintHoly", print.printHoly);
    settings.WriteBool(section, "PrintEvent", print.printEvent);
}

void ReadWeekSettings(const IniFile& settings, CalendarPrintOptions& options) {
    constexpr SettingsReader kReader = SettingsReader::PrintDialog;
    options.oldEurope = ReadSettingBool(settings, kSettingsSection, "OldEurope", kReader);
    options.sideDays = ReadSettingInteger(settings, kSettingsSection, "SideDays", kReader);
}

std::vector<PrintPhase> PrintMoonPhases(int year, int month, int biasMinutes) {
    std::vector<PrintPhase> phases;
    for (const astro::MonthPhase& phase : astro::MonthPrincipalPhases(year, month, biasMinutes))
        phases.push_back({phase.day, phase.phase});
    return phases;
}

MonthPrintData ReadMonthPrintData(int year, int month, const IniFile& settings, const TimeStyle& timeStyle,
                                  Prompt& prompt, int biasMinutes) {
    MonthPrintData data;
    data.year = year;
    data.month = month;
    const MonthIndex index = BuildMonthIndex(month, year, settings, timeStyle, prompt);
    for (const MonthIndexEntry& entry : index.entries)
        data.entries.push_back({entry.day, entry.text, entry.type});
    data.phases = PrintMoonPhases(year, month, biasMinutes);
    return data;
}

}  // namespace orvanto
