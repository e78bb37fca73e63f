// The program's command line: an optional switch "-C"/"/C" (check the
// reminders and quit) or "-M"/"/M" (check them and start minimized), and an
// optional settings file name, in any order.
//
// On Linux a path starts with "/", so an argument is a switch only when it
// starts with "-" or "/" and holds no further "/"; "/home/ann/cal.ini" is a
// name, "/X" an unknown switch. Switches compare in upper case; a file name
// keeps its own case (upper-casing a Linux path would name another file), but
// the texts shown to the user carry its upper-cased form.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace orvanto {

enum class StartupMode { Normal, CheckAndQuit, CheckAndMinimize };

struct CommandLine {
    // The last switch given decides the window behaviour.
    StartupMode mode = StartupMode::Normal;
    // "-C" or "/C" anywhere among the arguments: no event loop, whatever
    // switch came last.
    bool skipEventLoop = false;
    // The last name given, as written.
    std::optional<std::string> settingsName;
    // The first argument that looks like a switch but is none, as written.
    std::optional<std::string> unknownSwitch;
};

// The arguments after the program path.
CommandLine ParseCommandLine(const std::vector<std::string>& arguments);

// ASCII upper case; other bytes (UTF-8 sequences) are kept.
std::string UpperCase(std::string text);

// The settings file's full path (rule A): the name (or "ORVANTO" when none
// was given); a name with an extension ("." after the last "/") is cut at the
// first "." after the last "/" and ".INI" appended, otherwise blanks around it
// are removed and ".INI" appended; a name without a folder goes into the
// program's folder, and one with a relative folder is taken from the current
// folder. Linux file names are case-sensitive: when no file of the built
// ".INI" name exists but one whose extension differs only in case does
// ("cal.ini" for "cal.INI"), that file is the one meant.
std::string ResolveSettingsPath(const std::optional<std::string>& settingsName,
                                const std::string& programPath);

// The settings file of a run, the one rule of the program and of
// orvanto-cli: ResolveSettingsPath of the name, checked (rule B) when a name
// was given. Nothing when the named file neither exists nor can be created:
// the program then shows InvalidParameterText, orvanto-cli ends with status 2.
std::optional<std::string> ChooseSettingsPath(const std::optional<std::string>& settingsName,
                                              const std::string& programPath);

// The text of the box for a bad argument: "Invalid parameter: " + the
// upper-cased argument.
std::string InvalidParameterText(const std::string& argument);

// Rule B for a settings file: acceptable when the file exists, or when it
// can be created (it is created empty and deleted again at once).
bool SettingsFileUsable(const std::string& path);

}  // namespace orvanto
