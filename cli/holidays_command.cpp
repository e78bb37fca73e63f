// orvanto-cli holidays YEAR [--settings FILE]: every holiday of a year, month by
// month, one line "YYYY-MM-DD<TAB>name" each, with the holiday switches of the
// settings file (ORVANTO.INI beside the program unless --settings names another;
// their read defaults when there is no file).
#include <charconv>
#include <cstdio>
#include <optional>
#include <string>

#include "calendar/month_holidays.h"
#include "calendar/valid_date.h"
#include "cli/cli_arguments.h"
#include "cli/commands.h"
#include "cli/settings_option.h"
#include "core/ini_file.h"
#include "reminders/month_index.h"

namespace orvanto::cli {

namespace {

constexpr const char* kCommand = "holidays";

std::optional<int> ParseYear(const std::string& text) {
    int year = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, year);
    if (text.empty() || error != std::errc() || stop != end) return std::nullopt;
    if (year < kFirstCalendarYear || year > kLastCalendarYear) return std::nullopt;
    return year;
}

}  // namespace

int RunHolidaysCommand(const Args& args) {
    std::optional<std::string> yearText;
    std::optional<std::string> settingsPath;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--settings") {
            if (i + 1 >= args.size()) return UsageError(kCommand, "--settings needs a file name");
            settingsPath = NamedSettingsFile(args[++i]);
            if (!settingsPath) return UsageError(kCommand, UnusableSettingsFileText(args[i]));
        } else if (!yearText && (args[i].empty() || args[i][0] != '-')) {
            yearText = args[i];
        } else {
            return UsageError(kCommand, "unexpected argument '" + args[i] + "'");
        }
    }
    if (!yearText) return UsageError(kCommand, "usage: holidays YEAR [--settings FILE]");
    const std::optional<int> year = ParseYear(*yearText);
    if (!year) {
        return UsageError(kCommand, "YEAR must be a year from 1753 to 2078, not '" + *yearText + "'");
    }

    const HolidaySwitches switches = ReadHolidaySwitches(IniFile(SettingsPathOrDefault(settingsPath)));
    for (int month = 1; month <= 12; ++month) {
        for (const Holiday& holiday : MonthHolidays(*year, month, switches)) {
            std::printf("%04d-%02d-%02d\t%s\n", *year, month, holiday.day, holiday.name.c_str());
        }
    }
    return 0;
}

}  // namespace orvanto::cli
