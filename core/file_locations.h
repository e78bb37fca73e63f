// Where the program keeps its files.
//
// A portable copy keeps everything beside the program: when the program's
// folder is writable and already holds ORVANTO.INI (a copy on a stick, a build
// from source), the settings, the city and biorhythm files and the wallpaper
// bitmap live there. An installed program lives in a read-only folder, so its
// files go to the user's folders of the XDG base directory rules: settings,
// city and biorhythm files in $XDG_CONFIG_HOME/orvanto, the wallpaper bitmap
// in $XDG_DATA_HOME/orvanto. A settings file named on the command line keeps
// its companions (city, biorhythm and wallpaper files) beside it.
#pragma once

#include <functional>
#include <optional>
#include <string>

namespace orvanto {

// Looks up an environment variable; nothing when it is unset.
using EnvironmentLookup = std::function<std::optional<std::string>(const std::string& name)>;

// The process environment.
std::optional<std::string> ProcessEnvironment(const std::string& name);

// $XDG_CONFIG_HOME/orvanto, or ~/.config/orvanto when the variable is unset,
// empty or not an absolute path.
std::string UserConfigFolder(const EnvironmentLookup& environment);
// $XDG_DATA_HOME/orvanto, or ~/.local/share/orvanto likewise.
std::string UserDataFolder(const EnvironmentLookup& environment);

// Whether the program's folder is a portable home: writable, and holding
// ORVANTO.INI already.
bool IsPortableFolder(const std::string& programFolder);

struct FileFolders {
    // Where a settings name without a folder (and the default ORVANTO.INI) lies.
    std::string settingsFolder;
    // Where the wallpaper bitmap goes for the default settings file.
    std::string wallpaperFolder;
    bool portable = false;
};

// The folders for a program at programPath.
FileFolders LocateFileFolders(const std::string& programPath, const EnvironmentLookup& environment);

// The path that stands for the program where its files are placed "beside
// the program": the program itself in a portable folder, else a name inside
// the user's config folder. Settings names without a folder, and the default
// ORVANTO.INI, resolve against its folder.
std::string FilesAnchor(const std::string& programPath,
                        const EnvironmentLookup& environment = ProcessEnvironment);

// The folder of the files that sit "beside the program" in the design of the
// windows (CityData.txt, BioData.ini): the settings file's own folder.
std::string CompanionFolder(const std::string& settingsPath);

// The wallpaper bitmap's folder for a run: beside a named or portable
// settings file, else the user's data folder.
std::string WallpaperFolder(const std::string& settingsPath, bool settingsNamed, const FileFolders& folders);

// Creates the folder and its parents when missing; false when it cannot.
bool EnsureFolder(const std::string& folder);

}  // namespace orvanto
