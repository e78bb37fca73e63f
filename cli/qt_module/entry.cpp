// The Qt module's entry point: the commands orvanto-cli hands over by name.
// print and sntp run here whole; astro, events and bio run their plain code
// with the drawer of their PDF or PNG output.
#include <cstdio>
#include <cstring>
#include <type_traits>

#include "cli/qt_module.h"
#include "cli/qt_module/drawn_output.h"

namespace {

using orvanto::cli::Args;
namespace qt_module = orvanto::cli::qt_module;

struct ModuleCommand {
    const char* name;
    int (*run)(const Args&);
};

const ModuleCommand kModuleCommands[] = {
    {"print", qt_module::RunPrintCommand},
    {"sntp", qt_module::RunSntpCommand},
    {"astro", [](const Args& args) { return orvanto::cli::RunAstroCommand(args, qt_module::WriteAstroPdf); }},
    {"events",
     [](const Args& args) { return orvanto::cli::RunEventsCommand(args, qt_module::WriteEventsPdf); }},
    {"bio", [](const Args& args) { return orvanto::cli::RunBioCommand(args, qt_module::WriteBioPng); }},
};

}  // namespace

extern "C" __attribute__((visibility("default"))) int orvanto_cli_qt_run(const char* command, int argc,
                                                                         const char* const* argv) {
    static_assert(std::is_same_v<decltype(&orvanto_cli_qt_run), orvanto::cli::QtModuleEntry>);
    const Args args(argv, argv + argc);
    for (const ModuleCommand& entry : kModuleCommands) {
        if (std::strcmp(command, entry.name) == 0) return entry.run(args);
    }
    std::fprintf(stderr, "orvanto-cli %s: the module %s has no such command\n", command,
                 orvanto::cli::kQtModuleFile);
    return 1;
}
