// The logon entry as an XDG autostart desktop entry.
#include "platform/autostart_entry.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string_view>

namespace orvanto {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kEntryPrefix = "Orvanto@";
constexpr std::string_view kEntrySuffix = ".desktop";
constexpr std::string_view kMachineFolder = "/etc/xdg/autostart";
// Characters that make an Exec argument need quotes.
constexpr std::string_view kReservedCharacters = " \t\n\"'\\><~|&;$*?#()`";
// Characters escaped with a backslash inside the quotes.
constexpr std::string_view kQuotedEscapes = "\"`$\\";

std::string HomeFolder() {
    if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') return home;
    if (const passwd* entry = getpwuid(getuid()); entry != nullptr && entry->pw_dir != nullptr) {
        return entry->pw_dir;
    }
    return "/";
}

// The escapes of a string value: backslash, line feed, tab, carriage return.
std::string EscapeStringValue(const std::string& text) {
    std::string out;
    for (char c : text) {
        switch (c) {
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\t':
            out += "\\t";
            break;
        case '\r':
            out += "\\r";
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::string UnescapeStringValue(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            out += text[i];
            continue;
        }
        switch (text[++i]) {
        case 's':
            out += ' ';
            break;
        case 'n':
            out += '\n';
            break;
        case 't':
            out += '\t';
            break;
        case 'r':
            out += '\r';
            break;
        case '\\':
            out += '\\';
            break;
        default:
            out += '\\', out += text[i];
        }
    }
    return out;
}

std::string UndoublePercent(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        out += text[i];
        if (text[i] == '%' && i + 1 < text.size() && text[i + 1] == '%') ++i;
    }
    return out;
}

bool IsSwitch(const std::string& argument, char letter) {
    return argument.size() == 2 && argument[0] == '/' &&
           (argument[1] == letter || argument[1] == letter + 32);
}

// Written to a temporary file beside the target and renamed over it, so the
// entry is never half written.
void WriteWhole(const fs::path& path, const std::string& content) {
    const std::string failure = "Unable to write to " + path.string();
    std::error_code error;
    fs::create_directories(path.parent_path(), error);
    const fs::path temporary = path.string() + ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << content;
        out.flush();
        if (!out) {
            fs::remove(temporary, error);
            throw std::runtime_error(failure);
        }
    }
    fs::rename(temporary, path, error);
    if (error) {
        fs::remove(temporary, error);
        throw std::runtime_error(failure);
    }
}

}  // namespace

AutostartFolders DefaultAutostartFolders() {
    std::string config;
    if (const char* value = std::getenv("XDG_CONFIG_HOME"); value != nullptr && value[0] == '/') {
        config = value;
    } else {
        config = (fs::path(HomeFolder()) / ".config").string();
    }
    return {(fs::path(config) / "autostart").string(), std::string(kMachineFolder)};
}

std::string AutostartEntryName(const std::string& settingsPath) {
    return std::string(kEntryPrefix) + fs::path(settingsPath).filename().string() + std::string(kEntrySuffix);
}

std::string QuoteExecArgument(const std::string& argument) {
    std::string doubled;
    for (char c : argument) {
        doubled += c;
        if (c == '%') doubled += '%';
    }
    if (!doubled.empty() && doubled.find_first_of(kReservedCharacters) == std::string::npos) return doubled;
    std::string quoted = "\"";
    for (char c : doubled) {
        if (kQuotedEscapes.find(c) != std::string_view::npos) quoted += '\\';
        quoted += c;
    }
    return quoted + "\"";
}

std::string AutostartExec(const std::string& programPath, LogonMode mode, const std::string& settingsPath) {
    const char* modeSwitch = mode == LogonMode::CheckAndQuit ? "/C" : "/M";
    return QuoteExecArgument(programPath) + " " + modeSwitch + " " + QuoteExecArgument(settingsPath);
}

std::string AutostartEntryContent(const std::string& exec) {
    return "[Desktop Entry]\nType=Application\nName=Orvanto\nExec=" + EscapeStringValue(exec) + "\n";
}

std::vector<std::string> SplitExec(const std::string& exec) {
    const std::string text = UnescapeStringValue(exec);
    std::vector<std::string> arguments;
    std::string current;
    bool inArgument = false;
    bool quoted = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c == '\\' && i + 1 < text.size() &&
                kQuotedEscapes.find(text[i + 1]) != std::string_view::npos) {
                current += text[++i];
            } else if (c == '"') {
                quoted = false;
            } else {
                current += c;
            }
        } else if (c == ' ' || c == '\t' || c == '\n') {
            if (inArgument) arguments.push_back(UndoublePercent(current));
            current.clear();
            inArgument = false;
        } else {
            inArgument = true;
            if (c == '"') {
                quoted = true;
            } else {
                current += c;
            }
        }
    }
    if (inArgument) arguments.push_back(UndoublePercent(current));
    return arguments;
}

LogonMode LogonModeOfExec(const std::string& exec) {
    const std::vector<std::string> arguments = SplitExec(exec);
    bool minimise = false;
    // The first argument is the program itself.
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        if (IsSwitch(arguments[i], 'C')) return LogonMode::CheckAndQuit;
        if (IsSwitch(arguments[i], 'M')) minimise = true;
    }
    return minimise ? LogonMode::CheckAndMinimize : LogonMode::None;
}

std::optional<std::string> ExecOfEntry(const std::string& content) {
    std::istringstream lines(content);
    std::string line;
    bool inMainGroup = false;
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!line.empty() && line.front() == '[') {
            inMainGroup = line == "[Desktop Entry]";
            continue;
        }
        if (!inMainGroup) continue;
        const std::size_t equals = line.find('=');
        if (equals == std::string::npos) continue;
        std::string key = line.substr(0, equals);
        while (!key.empty() && key.back() == ' ') key.pop_back();
        if (key != "Exec") continue;
        std::size_t start = equals + 1;
        while (start < line.size() && line[start] == ' ') ++start;
        return line.substr(start);
    }
    return std::nullopt;
}

std::string XdgLogonEntry::UserPath(const std::string& name) const {
    return (fs::path(folders_.user) / name).string();
}

std::string XdgLogonEntry::MachinePath(const std::string& name) const {
    return (fs::path(folders_.machine) / name).string();
}

LogonMode XdgLogonEntry::Read(const std::string& name) {
    std::ifstream in(UserPath(name), std::ios::binary);
    if (!in) return LogonMode::None;
    std::ostringstream content;
    content << in.rdbuf();
    const std::optional<std::string> exec = ExecOfEntry(content.str());
    return exec ? LogonModeOfExec(*exec) : LogonMode::None;
}

void XdgLogonEntry::Write(const std::string& name, const std::string& exec) {
    WriteWhole(UserPath(name), AutostartEntryContent(exec));
}

void XdgLogonEntry::Remove(const std::string& name) {
    std::error_code error;
    if (!fs::exists(fs::symlink_status(UserPath(name), error))) return;
    fs::remove(UserPath(name), error);
    if (error) throw std::runtime_error("Unable to write to " + UserPath(name));
}

void XdgLogonEntry::RemoveMachineWide(const std::string& name) {
    std::error_code error;
    const fs::path path = MachinePath(name);
    if (!fs::is_regular_file(fs::symlink_status(path, error)) &&
        !fs::is_symlink(fs::symlink_status(path, error))) {
        return;
    }
    // A refusal (no permission, a read-only system) leaves the entry alone.
    fs::remove(path, error);
}

}  // namespace orvanto
