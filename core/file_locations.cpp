// The program's file folders: portable beside the program, else the XDG
// base directories of the user.
#include "core/file_locations.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace orvanto {

namespace {

constexpr const char* kProgramSubfolder = "orvanto";
constexpr const char* kPortableMarker = "ORVANTO.INI";

std::string HomeFolder(const EnvironmentLookup& environment) {
    const std::optional<std::string> home = environment("HOME");
    return home && !home->empty() ? *home : std::string("/");
}

// An XDG base folder: the variable when it holds an absolute path, else the
// fallback below the home folder.
std::string BaseFolder(const EnvironmentLookup& environment, const std::string& variable,
                       const std::string& fallbackBelowHome) {
    const std::optional<std::string> value = environment(variable);
    if (value && !value->empty() && (*value)[0] == '/') return *value;
    return (std::filesystem::path(HomeFolder(environment)) / fallbackBelowHome).string();
}

}  // namespace

std::optional<std::string> ProcessEnvironment(const std::string& name) {
    const char* value = std::getenv(name.c_str());
    if (!value) return std::nullopt;
    return std::string(value);
}

std::string UserConfigFolder(const EnvironmentLookup& environment) {
    return (std::filesystem::path(BaseFolder(environment, "XDG_CONFIG_HOME", ".config")) / kProgramSubfolder)
        .string();
}

std::string UserDataFolder(const EnvironmentLookup& environment) {
    return (std::filesystem::path(BaseFolder(environment, "XDG_DATA_HOME", ".local/share")) /
            kProgramSubfolder)
        .string();
}

bool IsPortableFolder(const std::string& programFolder) {
    std::error_code error;
    const bool hasSettings =
        std::filesystem::is_regular_file(std::filesystem::path(programFolder) / kPortableMarker, error);
    return hasSettings && ::access(programFolder.c_str(), W_OK) == 0;
}

FileFolders LocateFileFolders(const std::string& programPath, const EnvironmentLookup& environment) {
    const std::string programFolder = std::filesystem::path(programPath).parent_path().string();
    if (IsPortableFolder(programFolder)) return FileFolders{programFolder, programFolder, true};
    return FileFolders{UserConfigFolder(environment), UserDataFolder(environment), false};
}

std::string FilesAnchor(const std::string& programPath, const EnvironmentLookup& environment) {
    const FileFolders folders = LocateFileFolders(programPath, environment);
    if (folders.portable) return programPath;
    return (std::filesystem::path(folders.settingsFolder) / std::filesystem::path(programPath).filename())
        .string();
}

std::string CompanionFolder(const std::string& settingsPath) {
    return std::filesystem::path(settingsPath).parent_path().string();
}

std::string WallpaperFolder(const std::string& settingsPath, bool settingsNamed, const FileFolders& folders) {
    if (settingsNamed || folders.portable) return CompanionFolder(settingsPath);
    return folders.wallpaperFolder;
}

bool EnsureFolder(const std::string& folder) {
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    return std::filesystem::is_directory(folder, error);
}

}  // namespace orvanto
