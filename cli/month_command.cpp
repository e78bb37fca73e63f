// orvanto-cli month YEAR MONTH [--settings FILE]: the month index as the month
// view uses it, the records' stored and calculated occurrences followed by
// the month's holidays, one line per entry:
// day<TAB>type<TAB>timed<TAB>stepkind<TAB>startdaynumber<TAB>text.
#include <charconv>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <system_error>

#include "calendar/valid_date.h"
#include "cli/cli_arguments.h"
#include "cli/commands.h"
#include "cli/settings_option.h"
#include "cli/stderr_prompt.h"
#include "core/command_line.h"
#include "core/ini_file.h"
#include "core/prompt.h"
#include "core/time_format.h"
#include "reminders/month_index.h"

namespace orvanto::cli {

namespace {

constexpr const char* kCommand = "month";

}  // namespace

int RunMonthCommand(const Args& args) {
    std::optional<std::string> yearText;
    std::optional<std::string> monthText;
    std::optional<std::string> settingsPath;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--settings") {
            if (i + 1 >= args.size()) return UsageError(kCommand, "--settings needs a file name");
            settingsPath = NamedSettingsFile(args[++i]);
            if (!settingsPath) return UsageError(kCommand, UnusableSettingsFileText(args[i]));
        } else if (!args[i].empty() && args[i][0] == '-') {
            return UsageError(kCommand, "unexpected argument '" + args[i] + "'");
        } else if (!yearText) {
            yearText = args[i];
        } else if (!monthText) {
            monthText = args[i];
        } else {
            return UsageError(kCommand, "unexpected argument '" + args[i] + "'");
        }
    }
    if (!yearText || !monthText) return UsageError(kCommand, "usage: month YEAR MONTH [--settings FILE]");
    const auto year = ParseIntegerInRange(*yearText, kFirstCalendarYear, kLastCalendarYear);
    if (!year) return UsageError(kCommand, "YEAR must be a year from 1753 to 2078, not '" + *yearText + "'");
    const auto month = ParseIntegerInRange(*monthText, 1, 12);
    if (!month) return UsageError(kCommand, "MONTH must be a month from 1 to 12, not '" + *monthText + "'");

    const IniFile settings(SettingsPathOrDefault(settingsPath));
    TimeStyle timeStyle;
    timeStyle.twelveHour = SystemTwelveHourClock();
    StderrPrompt prompt;
    const MonthIndex index = BuildMonthViewIndex(*month, *year, settings, timeStyle, prompt);
    for (const MonthIndexEntry& entry : index.entries) {
        std::printf("%u\t%u\t%d\t%u\t%d\t%s\n", static_cast<unsigned>(entry.day),
                    static_cast<unsigned>(entry.type), entry.timed ? 1 : 0,
                    static_cast<unsigned>(entry.stepKind), static_cast<int>(entry.startDate),
                    entry.text.c_str());
    }
    return 0;
}

}  // namespace orvanto::cli
