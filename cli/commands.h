// The commands of orvanto-cli. Each takes the arguments after its name and
// returns the process exit status (2 for bad arguments, with a one-line usage
// error on stderr). print and sntp, and the drawn output of astro, events and
// bio, run in the Qt module (cli/qt_module.h).
#pragma once

#include <string>
#include <vector>

namespace orvanto::cli {

using Args = std::vector<std::string>;

int RunHolidaysCommand(const Args& args);
int RunDateCommand(const Args& args);
int RunMonthCommand(const Args& args);
int RunCheckCommand(const Args& args);
int RunAstroCommand(const Args& args);
int RunPhasesCommand(const Args& args);
int RunEclipsesCommand(const Args& args);
int RunCitiesCommand(const Args& args);
int RunDistanceCommand(const Args& args);
int RunSntpCommand(const Args& args);
int RunBioCommand(const Args& args);
int RunPrintCommand(const Args& args);
int RunEventsCommand(const Args& args);
int RunExportCommand(const Args& args);
int RunImportCommand(const Args& args);

// Print "orvanto-cli <command>: <message>" on stderr and return 2.
int UsageError(const std::string& command, const std::string& message);

}  // namespace orvanto::cli
