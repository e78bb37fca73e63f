#include "core/command_line.h"

#include <filesystem>
#include <string_view>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orvanto {

namespace {

constexpr std::string_view kDefaultSettingsName = "ORVANTO";
constexpr std::string_view kSettingsExtension = ".INI";

bool LooksLikeSwitch(const std::string& argument) {
    if (argument.empty() || (argument[0] != '-' && argument[0] != '/')) return false;
    return argument.find('/', 1) == std::string::npos;
}

std::optional<StartupMode> SwitchMode(const std::string& upper) {
    if (upper == "-C" || upper == "/C") return StartupMode::CheckAndQuit;
    if (upper == "-M" || upper == "/M") return StartupMode::CheckAndMinimize;
    return std::nullopt;
}

std::string TrimBlanks(const std::string& text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return std::string();
    const std::size_t last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

// The built path, or the existing file beside it whose name differs only in
// the case of its ".INI" extension (the built spelling first, then all lower
// case, then the other mixtures, so the choice never depends on the folder's
// order).
std::string ExistingSpellingOf(const std::string& built) {
    std::error_code error;
    if (std::filesystem::exists(built, error)) return built;
    const std::string stem = built.substr(0, built.size() - kSettingsExtension.size());
    std::vector<std::string> spellings = {".ini"};
    for (int mask = 1; mask < 7; ++mask) {
        std::string spelling = ".ini";
        for (int letter = 0; letter < 3; ++letter) {
            if (mask & (1 << letter)) spelling[static_cast<std::size_t>(letter) + 1] -= 'a' - 'A';
        }
        spellings.push_back(spelling);
    }
    for (const std::string& spelling : spellings) {
        const std::string candidate = stem + spelling;
        if (std::filesystem::is_regular_file(candidate, error)) return candidate;
    }
    return built;
}

// Rule A without the look at the folder.
std::string BuiltSettingsPath(const std::optional<std::string>& settingsName,
                              const std::string& programPath) {
    std::string name = settingsName ? *settingsName : std::string(kDefaultSettingsName);
    const std::size_t lastSlash = name.rfind('/');
    const std::size_t baseStart = lastSlash == std::string::npos ? 0 : lastSlash + 1;
    const std::size_t dot = name.find('.', baseStart);
    if (dot != std::string::npos) {
        name = name.substr(0, dot) + std::string(kSettingsExtension);
    } else {
        name = TrimBlanks(name) + std::string(kSettingsExtension);
    }

    const std::filesystem::path path(name);
    if (!path.has_parent_path()) {
        return (std::filesystem::path(programPath).parent_path() / path).string();
    }
    if (path.is_relative()) {
        std::error_code error;
        const std::filesystem::path absolute = std::filesystem::absolute(path, error);
        if (!error) return absolute.lexically_normal().string();
    }
    return name;
}

}  // namespace

std::string UpperCase(std::string text) {
    for (char& c : text) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return text;
}

CommandLine ParseCommandLine(const std::vector<std::string>& arguments) {
    CommandLine line;
    for (const std::string& argument : arguments) {
        if (!LooksLikeSwitch(argument)) {
            line.settingsName = argument;
            continue;
        }
        const std::optional<StartupMode> mode = SwitchMode(UpperCase(argument));
        if (!mode) {
            if (!line.unknownSwitch) line.unknownSwitch = argument;
            continue;
        }
        line.mode = *mode;
        if (*mode == StartupMode::CheckAndQuit) line.skipEventLoop = true;
    }
    return line;
}

std::string ResolveSettingsPath(const std::optional<std::string>& settingsName,
                                const std::string& programPath) {
    return ExistingSpellingOf(BuiltSettingsPath(settingsName, programPath));
}

std::optional<std::string> ChooseSettingsPath(const std::optional<std::string>& settingsName,
                                              const std::string& programPath) {
    std::string path = ResolveSettingsPath(settingsName, programPath);
    if (settingsName && !SettingsFileUsable(path)) return std::nullopt;
    return path;
}

std::string InvalidParameterText(const std::string& argument) {
    return "Invalid parameter: " + UpperCase(argument);
}

bool SettingsFileUsable(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0) return S_ISREG(info.st_mode);
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) return false;
    ::close(fd);
    ::unlink(path.c_str());
    return true;
}

}  // namespace orvanto
