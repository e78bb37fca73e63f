// orvanto-cli print month|year|card --from YYYY-MM [--count N] [--settings FILE]
// [--moon|--no-moon] [--holidays inside|below|both|none]
// [--events inside|below|both|none] [--colors] [--landscape] [--paper A4|Letter]
// --pdf FILE: the print dialog's calendars written as the pages of one PDF
// file, one page per print job the dialog would start.
#include <charconv>
#include <cstdio>
#include <optional>
#include <string>

#include "calendar/valid_date.h"
#include "cli/cli_arguments.h"
#include "cli/commands.h"
#include "cli/qt_module/drawn_output.h"
#include "cli/qt_module/offscreen_app.h"
#include "cli/settings_option.h"
#include "cli/stderr_prompt.h"
#include "core/ini_file.h"
#include "core/prompt.h"
#include "core/time_format.h"
#include "core/time_zone.h"
#include "ui/printing/calendar_printer.h"

namespace orvanto::cli::qt_module {

namespace {

constexpr const char* kCommand = "print";
constexpr const char* kUsage =
    "usage: print month|year|card --from YYYY-MM [--count N] [--settings FILE] [--moon|--no-moon] "
    "[--holidays inside|below|both|none] [--events inside|below|both|none] [--colors] [--landscape] "
    "[--paper A4|Letter] --pdf FILE";

// "inside", "below", "both" set the placement; "none" switches the entries off.
bool ParsePlacement(const std::string& text, bool& on, EntryPlacement& placement) {
    if (text == "none") {
        on = false;
        return true;
    }
    on = true;
    if (text == "inside")
        placement = EntryPlacement::Inside;
    else if (text == "below")
        placement = EntryPlacement::Below;
    else if (text == "both")
        placement = EntryPlacement::Both;
    else
        return false;
    return true;
}

struct PrintArgs {
    std::optional<std::string> layout;
    std::optional<std::string> from;
    std::optional<std::string> count;
    std::optional<std::string> settings;
    std::optional<std::string> pdf;
    std::optional<bool> moon;
    std::optional<std::string> holidays;
    std::optional<std::string> events;
    bool colors = false;
    bool landscape = false;
    std::string paper = "A4";
};

// Fills the arguments; returns a usage message for the first bad one.
std::optional<std::string> ReadArgs(const Args& args, PrintArgs& out) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        auto value = [&](std::optional<std::string>& into) -> std::optional<std::string> {
            if (i + 1 >= args.size()) return arg + " needs a value";
            into = args[++i];
            return std::nullopt;
        };
        std::optional<std::string> error;
        if (arg == "--from")
            error = value(out.from);
        else if (arg == "--count")
            error = value(out.count);
        else if (arg == "--settings")
            error = value(out.settings);
        else if (arg == "--pdf")
            error = value(out.pdf);
        else if (arg == "--holidays")
            error = value(out.holidays);
        else if (arg == "--events")
            error = value(out.events);
        else if (arg == "--paper") {
            std::optional<std::string> paper;
            error = value(paper);
            if (paper) out.paper = *paper;
        } else if (arg == "--moon")
            out.moon = true;
        else if (arg == "--no-moon")
            out.moon = false;
        else if (arg == "--colors")
            out.colors = true;
        else if (arg == "--landscape")
            out.landscape = true;
        else if (!arg.empty() && arg[0] != '-' && !out.layout)
            out.layout = arg;
        else
            return "unexpected argument '" + arg + "'";
        if (error) return error;
    }
    return std::nullopt;
}

}  // namespace

int RunPrintCommand(const Args& args) {
    PrintArgs given;
    if (const auto error = ReadArgs(args, given)) return UsageError(kCommand, *error);
    std::optional<std::string> settingsPath;
    if (given.settings) {
        settingsPath = NamedSettingsFile(*given.settings);
        if (!settingsPath) return UsageError(kCommand, UnusableSettingsFileText(*given.settings));
    }
    if (!given.layout || !given.from || !given.pdf) return UsageError(kCommand, kUsage);

    CalendarPrintRequest request;
    if (*given.layout == "month")
        request.layout = CalendarLayout::Month;
    else if (*given.layout == "year")
        request.layout = CalendarLayout::Year;
    else if (*given.layout == "card")
        request.layout = CalendarLayout::Card;
    else
        return UsageError(kCommand, "the layout must be month, year or card, not '" + *given.layout + "'");

    const std::string& from = *given.from;
    const std::size_t dash = from.find('-');
    const auto year = dash == std::string::npos ? std::nullopt
                                                : ParseIntegerInRange(std::string_view(from).substr(0, dash),
                                                                      kFirstCalendarYear, kLastCalendarYear);
    const auto month =
        year ? ParseIntegerInRange(std::string_view(from).substr(dash + 1), 1, 12) : std::nullopt;
    if (!year || !month || dash != 4) {
        return UsageError(kCommand,
                          "--from must be YYYY-MM with a year from 1753 to 2078, not '" + from + "'");
    }
    request.year = *year;
    request.month = *month;
    if (given.count) {
        const auto count = ParseIntegerInRange(*given.count, 1, kMaxPrintCount);
        if (!count)
            return UsageError(kCommand, "--count must be a number from 1 to 12, not '" + *given.count + "'");
        request.count = *count;
    }

    PdfOptions pdf;
    pdf.marginMillimetres = kCalendarPdfMarginMillimetres;
    if (given.paper == "A4")
        pdf.paper = QPageSize::A4;
    else if (given.paper == "Letter")
        pdf.paper = QPageSize::Letter;
    else
        return UsageError(kCommand, "--paper must be A4 or Letter, not '" + given.paper + "'");

    const IniFile settings(SettingsPathOrDefault(settingsPath));
    const PrintSettings saved = ReadPrintSettings(settings);
    CalendarPrintOptions& options = request.options;
    options.moon = given.moon.value_or(saved.printMoon);
    options.holidays = saved.printHoly;
    options.events = saved.printEvent;
    if (given.holidays && !ParsePlacement(*given.holidays, options.holidays, options.holidayPlacement)) {
        return UsageError(kCommand,
                          "--holidays must be inside, below, both or none, not '" + *given.holidays + "'");
    }
    if (given.events && !ParsePlacement(*given.events, options.events, options.eventPlacement)) {
        return UsageError(kCommand,
                          "--events must be inside, below, both or none, not '" + *given.events + "'");
    }
    options.colors = given.colors;
    options.landscape = given.landscape;
    ReadWeekSettings(settings, options);

    EnsureDrawingApplication();
    TimeStyle timeStyle;
    timeStyle.twelveHour = SystemTwelveHourClock();
    StderrPrompt prompt;
    const int bias =
        TimeZoneBias(SystemTimeZoneFacts(), settings.ReadBool("Settings", "DSTCorrection", true));
    const MonthDataSource source = [&](int y, int m) {
        return ReadMonthPrintData(y, m, settings, timeStyle, prompt, bias);
    };
    if (!PrintCalendarToPdf(request, *given.pdf, pdf, source)) {
        std::fprintf(stderr, "orvanto-cli print: cannot write %s\n", given.pdf->c_str());
        return 1;
    }
    return 0;
}

}  // namespace orvanto::cli::qt_module
