#include "cli/settings_option.h"

#include "core/command_line.h"
#include "core/file_locations.h"
#include "core/startup.h"

namespace orvanto::cli {

std::optional<std::string> NamedSettingsFile(const std::string& name) {
    return ChooseSettingsPath(name, FilesAnchor(RunningProgramPath("orvanto-cli")));
}

std::string UnusableSettingsFileText(const std::string& name) {
    return "--settings: the file '" + name + "' neither exists nor can be created";
}

}  // namespace orvanto::cli
