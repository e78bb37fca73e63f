// The value of the "--settings FILE" option of the commands that read the
// settings file: the file is chosen by the program's own rule, so the CLI and
// the calendar always use the same file for the same name.
#pragma once

#include <optional>
#include <string>

namespace orvanto::cli {

// The settings file a name given to --settings stands for ("cal.ini" beside
// the program, or the file whose extension differs only in case); nothing
// when it neither exists nor can be created.
std::optional<std::string> NamedSettingsFile(const std::string& name);

// The usage error for a --settings name that cannot be used.
std::string UnusableSettingsFileText(const std::string& name);

}  // namespace orvanto::cli
