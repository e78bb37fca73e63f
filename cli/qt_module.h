// The commands that draw (PDF pages, PNG charts) or need Qt's network run in
// a module of their own, libcli-qt.so, loaded only when such a command runs:
// the plain commands start without Qt's libraries. The module lies beside
// libcities.so (the program's folder in the build, <libdir>/orvanto when
// installed) and is found through the program's run path.
#pragma once

#include <string>

#include "cli/commands.h"

namespace orvanto::cli {

inline constexpr const char* kQtModuleFile = "libcli-qt.so";

// The module's one entry point: runs the named command with its arguments
// and returns the exit status.
inline constexpr const char* kQtModuleEntry = "orvanto_cli_qt_run";
using QtModuleEntry = int (*)(const char* command, int argc, const char* const* argv);

// Loads the module (once) and runs the named command in it; when the module
// cannot be loaded, says so on stderr and returns 1.
int RunInQtModule(const std::string& command, const Args& args);

}  // namespace orvanto::cli
