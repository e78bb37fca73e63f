// orvanto-cli events [--settings FILE] [--from YYYY-MM-DD] [--to YYYY-MM-DD]
//                    [--type reminders|holidays|bookmarks|all] [--json]
//                    [--pdf FILE [--columns date,time,legend,warning,frequency,limit]]
//
// The records of section "Reminders" as the event list shows them, in its
// opening order: one line per record with the eight column texts separated by
// tabs, or with --json an array of objects with named fields. --pdf writes the
// printed event list into a PDF file instead (the range defaults to today
// until 31 December of this year, as in the print dialog).
#include <cstdio>
#include <optional>
#include <set>
#include <string>

#include "calendar/day_number.h"
#include "calendar/serial_date.h"
#include "calendar/valid_date.h"
#include "cli/cli_arguments.h"
#include "cli/commands.h"
#include "cli/drawn_output.h"
#include "cli/qt_module.h"
#include "cli/settings_option.h"
#include "core/clock.h"
#include "core/ini_file.h"
#include "core/settings_keys.h"
#include "core/time_format.h"
#include "reminders/event_list.h"
#include "reminders/event_list_print.h"
#include "reminders/reminder_store.h"

namespace orvanto::cli {

namespace {

constexpr const char* kCommand = "events";
constexpr const char* kJsonNames[kEventColumnCount] = {"number",  "date", "time",  "warning",
                                                       "message", "type", "start", "limit"};

struct EventsOptions {
    std::optional<std::string> settingsPath;
    std::optional<int> from;
    std::optional<int> to;
    int type = kPrintAll;
    bool json = false;
    std::optional<std::string> pdf;
    std::optional<EventPrintColumns> columns;
};

// "YYYY-MM-DD" of the years 1753 to 2078 as a DayNumber.
std::optional<int> ParseDay(const std::string& text) {
    const std::optional<CivilDate> date = ParseIsoDate(text);
    if (!date) return std::nullopt;
    return DayNumber(date->year, date->month, date->day);
}

std::optional<int> ParseType(const std::string& text) {
    if (text == "reminders") return kPrintReminders;
    if (text == "holidays") return kPrintHolidays;
    if (text == "bookmarks") return kPrintBookmarks;
    if (text == "all") return kPrintAll;
    return std::nullopt;
}

std::optional<EventPrintColumns> ParseColumns(const std::string& text) {
    EventPrintColumns columns{false, false, false, false, false, false};
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t comma = std::min(text.find(',', start), text.size());
        const std::string name = text.substr(start, comma - start);
        if (name == "date")
            columns.date = true;
        else if (name == "time")
            columns.time = true;
        else if (name == "legend")
            columns.legend = true;
        else if (name == "warning")
            columns.warning = true;
        else if (name == "frequency")
            columns.frequency = true;
        else if (name == "limit")
            columns.startAndLimit = true;
        else
            return std::nullopt;
        start = comma + 1;
    }
    return columns;
}

std::string JsonString(const std::string& text) {
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(c));
            out += escape;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

void PrintTabbed(const std::vector<const EventListEntry*>& rows) {
    for (const EventListEntry* entry : rows) {
        std::string line;
        for (std::size_t c = 0; c < entry->cells.size(); ++c) line += (c ? "\t" : "") + entry->cells[c];
        std::printf("%s\n", line.c_str());
    }
}

void PrintJson(const std::vector<const EventListEntry*>& rows) {
    std::printf("[");
    for (std::size_t r = 0; r < rows.size(); ++r) {
        std::string object = r ? ",\n  {" : "\n  {";
        for (std::size_t c = 0; c < rows[r]->cells.size(); ++c) {
            object += (c ? ", " : "") + JsonString(kJsonNames[c]) + ": " + JsonString(rows[r]->cells[c]);
        }
        std::printf("%s}", object.c_str());
    }
    std::printf(rows.empty() ? "]\n" : "\n]\n");
}

}  // namespace

int RunEventsCommand(const Args& args) { return RunEventsCommand(args, nullptr); }

int RunEventsCommand(const Args& args, EventsPdfWriter writePdf) {
    EventsOptions o;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool takesValue = arg == "--settings" || arg == "--from" || arg == "--to" || arg == "--type" ||
                                arg == "--pdf" || arg == "--columns";
        if (arg == "--json") {
            o.json = true;
            continue;
        }
        if (!takesValue) return UsageError(kCommand, "unexpected argument '" + arg + "'");
        if (i + 1 >= args.size()) return UsageError(kCommand, arg + " needs a value");
        const std::string& value = args[++i];
        if (arg == "--settings") {
            o.settingsPath = NamedSettingsFile(value);
            if (!o.settingsPath) return UsageError(kCommand, UnusableSettingsFileText(value));
        } else if (arg == "--from" || arg == "--to") {
            const auto day = ParseDay(value);
            if (!day)
                return UsageError(kCommand,
                                  arg + " takes a date YYYY-MM-DD of 1753 to 2078, not '" + value + "'");
            (arg == "--from" ? o.from : o.to) = day;
        } else if (arg == "--type") {
            const auto type = ParseType(value);
            if (!type) return UsageError(kCommand, "--type takes reminders, holidays, bookmarks or all");
            o.type = *type;
        } else if (arg == "--pdf") {
            o.pdf = value;
        } else {
            o.columns = ParseColumns(value);
            if (!o.columns) {
                return UsageError(kCommand,
                                  "--columns takes a list of date,time,legend,warning,frequency,limit");
            }
        }
    }
    if (o.from && o.to && *o.from > *o.to) return UsageError(kCommand, "--from is after --to");
    if (o.columns && !o.pdf) return UsageError(kCommand, "--columns goes with --pdf");
    if (o.json && o.pdf) return UsageError(kCommand, "--json and --pdf exclude each other");
    if (o.pdf && !writePdf) return RunInQtModule(kCommand, args);

    const IniFile settings(SettingsPathOrDefault(o.settingsPath));
    EventTextStyle style;
    style.dateFormat =
        ReadSettingInteger(settings, kSettingsSection, "DateFormat", SettingsReader::MainWindow);
    style.twelveHour = SystemTwelveHourClock();
    const EventList list = LoadEventList(ReadReminderLines(settings), style);
    if (o.pdf) {
        // The range defaults to today until 31 December of this year, as in the print dialog.
        const CivilDate today = DecodeDate(SystemClock().LocalNow());
        EventPrintOptions options;
        options.from = o.from ? *o.from : DayNumber(today);
        options.to = o.to ? *o.to : DayNumber(today.year, 12, 31);
        options.type = o.type;
        if (o.columns) options.columns = *o.columns;
        return writePdf(list, options, style, *o.pdf);
    }

    EventPrintOptions filter;
    filter.from = o.from ? *o.from : 0;
    filter.to = o.to ? *o.to : DayNumber(kLastCalendarYear + 1, 1, 1);
    filter.type = o.type;
    std::vector<const EventListEntry*> rows;
    for (const EventListEntry& entry : list.entries) {
        if (IsPrintedEvent(entry.record, filter)) rows.push_back(&entry);
    }
    if (o.json)
        PrintJson(rows);
    else
        PrintTabbed(rows);
    return 0;
}

}  // namespace orvanto::cli
