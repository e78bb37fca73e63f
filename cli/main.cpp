// orvanto-cli: a headless front end over the calendar's engine, for scripts,
// terminals, tests and benchmarks.
#include <cstdio>
#include <string>
#include <vector>

#include "cli/commands.h"

namespace {

struct Command {
    const char* name;
    int (*run)(const orvanto::cli::Args&);
    const char* synopsis;
};

const Command kCommands[] = {
    {"holidays", orvanto::cli::RunHolidaysCommand, "holidays YEAR [--settings FILE]"},
    {"date", orvanto::cli::RunDateCommand, "date YYYY-MM-DD"},
    {"month", orvanto::cli::RunMonthCommand, "month YEAR MONTH [--settings FILE]"},
    {"check", orvanto::cli::RunCheckCommand,
     "check [--settings FILE] [--today YYYY-MM-DD] [--now HH:MM[:SS]] [--answer ok|keep|nokeep]"},
    {"astro", orvanto::cli::RunAstroCommand,
     "astro [--settings FILE] [--date YYYY-MM-DD] [--time HH:MM:SS] [--lat DEG --lon DEG] "
     "[--city NAME] [--zone-hours N] [--date-format 1|2] [--12h] [--minor-phases]"},
    {"phases", orvanto::cli::RunPhasesCommand, "phases --from YYYY-MM-DD --count N"},
    {"eclipses", orvanto::cli::RunEclipsesCommand, "eclipses --from YYYY-MM-DD --count N"},
    {"cities", orvanto::cli::RunCitiesCommand, "cities [--region N]"},
    {"distance", orvanto::cli::RunDistanceCommand, "distance FROM TO [--metric|--english] [--altitude N]"},
    {"sntp", orvanto::cli::RunSntpCommand, "sntp HOST [--port N] [--timeout MS]"},
    {"bio", orvanto::cli::RunBioCommand,
     "bio --birth YYYY-MM-DD --month YYYY-MM [--name TEXT] [--png FILE [--dark]]"},
    {"print", orvanto::cli::RunPrintCommand,
     "print month|year|card --from YYYY-MM [--count N] [--settings FILE] [--moon|--no-moon] "
     "[--holidays inside|below|both|none] [--events inside|below|both|none] [--colors] [--landscape] "
     "[--paper A4|Letter] --pdf FILE"},
    {"events", orvanto::cli::RunEventsCommand,
     "events [--settings FILE] [--from YYYY-MM-DD] [--to YYYY-MM-DD] [--type "
     "reminders|holidays|bookmarks|all] "
     "[--json | --pdf FILE [--columns date,time,legend,warning,frequency,limit]]"},
    {"export", orvanto::cli::RunExportCommand,
     "export --ics FILE [--settings FILE] [--from YYYY-MM-DD] [--to YYYY-MM-DD] "
     "[--type reminders|holidays|bookmarks|all] [--with-holidays]"},
    {"import", orvanto::cli::RunImportCommand, "import FILE.ics [--settings FILE] [--dry-run]"},
};

void PrintUsage(std::FILE* out) {
    std::fprintf(out, "usage: orvanto-cli COMMAND [ARGUMENTS]\n\ncommands:\n");
    for (const Command& command : kCommands) std::fprintf(out, "  %s\n", command.synopsis);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        PrintUsage(stderr);
        return 2;
    }
    const std::string name = argv[1];
    if (name == "--version") {
        std::printf("orvanto-cli %s\n", ORVANTO_VERSION);
        return 0;
    }
    if (name == "--help" || name == "-h" || name == "help") {
        PrintUsage(stdout);
        return 0;
    }
    const orvanto::cli::Args args(argv + 2, argv + argc);
    for (const Command& command : kCommands) {
        if (name == command.name) return command.run(args);
    }
    std::fprintf(stderr, "orvanto-cli: unknown command '%s'\n", name.c_str());
    PrintUsage(stderr);
    return 2;
}
