#include "cli/qt_module.h"

#include <dlfcn.h>

#include <cstdio>
#include <vector>

namespace orvanto::cli {

int RunInQtModule(const std::string& command, const Args& args) {
    // RTLD_NOW: a module that does not match the program fails here, not in
    // the middle of a command; RTLD_LOCAL: its symbols stay its own.
    void* module = dlopen(kQtModuleFile, RTLD_NOW | RTLD_LOCAL);
    if (!module) {
        std::fprintf(stderr, "orvanto-cli %s: cannot load the module %s this command needs: %s\n",
                     command.c_str(), kQtModuleFile, dlerror());
        return 1;
    }
    const auto entry = reinterpret_cast<QtModuleEntry>(dlsym(module, kQtModuleEntry));
    if (!entry) {
        std::fprintf(stderr, "orvanto-cli %s: the module %s has no entry %s\n", command.c_str(),
                     kQtModuleFile, kQtModuleEntry);
        return 1;
    }
    std::vector<const char*> argv;
    argv.reserve(args.size() + 1);
    for (const std::string& arg : args) argv.push_back(arg.c_str());
    argv.push_back(nullptr);
    // The module stays loaded: Qt's objects live until the process ends.
    return entry(command.c_str(), static_cast<int>(args.size()), argv.data());
}

int RunPrintCommand(const Args& args) { return RunInQtModule("print", args); }

int RunSntpCommand(const Args& args) { return RunInQtModule("sntp", args); }

}  // namespace orvanto::cli
