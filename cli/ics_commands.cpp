// orvanto-cli export --ics FILE [--settings FILE] [--from YYYY-MM-DD]
//     [--to YYYY-MM-DD] [--type reminders|holidays|bookmarks|all] [--with-holidays]
// orvanto-cli import FILE.ics [--settings FILE] [--dry-run]
//
// Reminders to and from iCalendar files. The export writes one event per
// record; the import adds the events of a file as records, reports every
// event it had to convert or leave out, and writes the settings file once
// (not at all with --dry-run). A file that is no iCalendar text is refused
// with the line where it goes wrong, and nothing changes.
#include <cstdio>
#include <ctime>
#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>
#include <sstream>
#include <string>

#include "calendar/day_number.h"
#include "calendar/valid_date.h"
#include "cli/cli_arguments.h"
#include "cli/commands.h"
#include "cli/settings_option.h"
#include "core/ini_file.h"
#include "ical/ical_export.h"
#include "ical/ical_import.h"
#include "reminders/month_index.h"
#include "reminders/reminder_store.h"

namespace orvanto::cli {

namespace {

// "YYYY-MM-DD" from 1753 to 2078 as a DayNumber.
std::optional<int> DayNumberOf(const std::string& text) {
    const std::optional<CivilDate> date = ParseIsoDate(text);
    if (!date) return std::nullopt;
    return DayNumber(date->year, date->month, date->day);
}

int CurrentYear() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local.tm_year + 1900;
}

std::optional<unsigned> TypesOf(const std::string& word) {
    if (word == "reminders") return kExportReminders;
    if (word == "holidays") return kExportHolidays;
    if (word == "bookmarks") return kExportBookmarks;
    if (word == "all") return kExportAllTypes;
    return std::nullopt;
}

}  // namespace

int RunExportCommand(const Args& args) {
    constexpr const char* kCommand = "export";
    std::optional<std::string> icsPath;
    std::optional<std::string> settingsPath;
    std::optional<int> from;
    std::optional<int> to;
    IcsExportOptions options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--with-holidays") {
            options.withCalculatedHolidays = true;
            continue;
        }
        if (arg != "--ics" && arg != "--settings" && arg != "--from" && arg != "--to" && arg != "--type")
            return UsageError(kCommand, "unexpected argument '" + arg + "'");
        if (i + 1 >= args.size()) return UsageError(kCommand, arg + " needs a value");
        const std::string& value = args[++i];
        if (arg == "--ics") {
            icsPath = value;
        } else if (arg == "--settings") {
            settingsPath = NamedSettingsFile(value);
            if (!settingsPath) return UsageError(kCommand, UnusableSettingsFileText(value));
        } else if (arg == "--type") {
            const auto types = TypesOf(value);
            if (!types) return UsageError(kCommand, "--type must be reminders, holidays, bookmarks or all");
            options.types = *types;
        } else {
            const auto date = DayNumberOf(value);
            if (!date)
                return UsageError(kCommand,
                                  arg + " must be a date YYYY-MM-DD from 1753 to 2078, not '" + value + "'");
            (arg == "--from" ? from : to) = date;
        }
    }
    if (!icsPath) return UsageError(kCommand, "--ics FILE is required");

    const IniFile settings(SettingsPathOrDefault(settingsPath));
    if (from) options.fromDate = *from;
    if (to) options.toDate = *to;
    options.fromYear = from ? DateFromDayNumber(*from).year : CurrentYear();
    options.toYear = to ? DateFromDayNumber(*to).year : options.fromYear;
    options.holidaySwitches = ReadHolidaySwitches(settings);
    options.timeZoneId = LocalTimeZoneId();
    const IcsExport exported = ExportReminders(ReadReminderLines(settings), options);

    std::ofstream out(*icsPath, std::ios::binary | std::ios::trunc);
    out << exported.text;
    out.close();
    if (!out) {
        std::fprintf(stderr, "orvanto-cli export: cannot write %s\n", icsPath->c_str());
        return 1;
    }
    std::printf("Exported %d records as %d events to %s\n", exported.records, exported.events,
                icsPath->c_str());
    return 0;
}

int RunImportCommand(const Args& args) {
    constexpr const char* kCommand = "import";
    std::optional<std::string> icsPath;
    std::optional<std::string> settingsPath;
    bool dryRun = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--dry-run") {
            dryRun = true;
        } else if (arg == "--settings") {
            if (i + 1 >= args.size()) return UsageError(kCommand, "--settings needs a value");
            settingsPath = NamedSettingsFile(args[++i]);
            if (!settingsPath) return UsageError(kCommand, UnusableSettingsFileText(args[i]));
        } else if (!arg.empty() && arg[0] == '-') {
            return UsageError(kCommand, "unexpected argument '" + arg + "'");
        } else if (icsPath) {
            return UsageError(kCommand, "one iCalendar file at a time");
        } else {
            icsPath = arg;
        }
    }
    if (!icsPath) return UsageError(kCommand, "name the iCalendar file to import");

    std::ifstream in(*icsPath, std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "orvanto-cli import: cannot read %s\n", icsPath->c_str());
        return 1;
    }
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const IcsReading reading = ReadIcs(text);
    if (reading.error) {
        std::fprintf(stderr, "orvanto-cli import: %s: %s\n", icsPath->c_str(), reading.error->c_str());
        return 1;
    }

    IniFile settings(SettingsPathOrDefault(settingsPath));
    IcsImportOutcome outcome;
    try {
        outcome = AddImportedRecords(settings, reading.records, dryRun);
    } catch (const EIniFileError& error) {
        std::fprintf(stderr, "orvanto-cli import: %s\n", error.what());
        return 1;
    }
    for (const std::string& note : reading.notes) std::printf("%s\n", note.c_str());
    for (const std::string& note : outcome.notes) std::printf("%s\n", note.c_str());
    for (const ImportedRecord& record : outcome.added)
        std::printf("%s %s\n", dryRun ? "Would add:" : "Added:", record.description.c_str());
    std::printf("%s %zu of %zu events\n", dryRun ? "Would import" : "Imported", outcome.added.size(),
                reading.records.size());
    return 0;
}

}  // namespace orvanto::cli
