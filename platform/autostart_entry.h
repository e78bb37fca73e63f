// The program's entry in the desktop's list of programs started at logon: an
// XDG autostart desktop entry "Orvanto@<settings file name>.desktop" in the
// user's autostart folder, whose Exec line starts the program with "/C"
// (check the reminders and quit) or "/M" (check them and stay minimised) on
// one settings file. A machine-wide entry of the same name is removed where
// the program may remove it.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace orvanto {

// What the entry starts the program for.
enum class LogonMode { None, CheckAndQuit, CheckAndMinimize };

// The user's autostart folder ($XDG_CONFIG_HOME/autostart, ~/.config/autostart
// when the variable is unset or not absolute) and the machine-wide one.
struct AutostartFolders {
    std::string user;
    std::string machine;
};
AutostartFolders DefaultAutostartFolders();

// "Orvanto@ORVANTO.INI.desktop" for ".../ORVANTO.INI".
std::string AutostartEntryName(const std::string& settingsPath);

// One argument of an Exec line as freedesktop.org desktop entries want it:
// quoted when it holds a blank or another reserved character, with '"', '`',
// '$' and '\' escaped inside the quotes and '%' doubled. The string escapes of
// the value itself are applied by AutostartEntryContent.
std::string QuoteExecArgument(const std::string& argument);

// The Exec value: the program, "/C" or "/M", the settings file.
std::string AutostartExec(const std::string& programPath, LogonMode mode, const std::string& settingsPath);

// The whole file: [Desktop Entry], Type=Application, Name=Orvanto, Exec=...
std::string AutostartEntryContent(const std::string& exec);

// The arguments of an Exec value (string escapes and quoting undone, "%%"
// back to "%").
std::vector<std::string> SplitExec(const std::string& exec);

// The mode an Exec value asks for: an argument "/C" (any case) is quit, else
// "/M" is minimise; " /C " wins when both appear.
LogonMode LogonModeOfExec(const std::string& exec);

// The value of "Exec" in a desktop entry's text (group [Desktop Entry]);
// nothing when there is none.
std::optional<std::string> ExecOfEntry(const std::string& content);

class LogonEntry {
public:
    virtual ~LogonEntry() = default;
    // The mode of the user's entry of this name; None when there is none.
    virtual LogonMode Read(const std::string& name) = 0;
    // Writes the user's entry anew; throws std::runtime_error
    // ("Unable to write to <path>") when it cannot.
    virtual void Write(const std::string& name, const std::string& exec) = 0;
    // Deletes the user's entry if there is one; throws std::runtime_error
    // when it exists and cannot be deleted.
    virtual void Remove(const std::string& name) = 0;
    // Deletes the machine-wide entry of this name when the program may;
    // otherwise it stays as it is, silently.
    virtual void RemoveMachineWide(const std::string& name) = 0;
};

// The entries as files in the two folders.
class XdgLogonEntry : public LogonEntry {
public:
    explicit XdgLogonEntry(AutostartFolders folders = DefaultAutostartFolders())
        : folders_(std::move(folders)) {}
    LogonMode Read(const std::string& name) override;
    void Write(const std::string& name, const std::string& exec) override;
    void Remove(const std::string& name) override;
    void RemoveMachineWide(const std::string& name) override;

    std::string UserPath(const std::string& name) const;
    std::string MachinePath(const std::string& name) const;

private:
    AutostartFolders folders_;
};

// Entries kept in memory, with a record of what was done to them.
class FakeLogonEntry : public LogonEntry {
public:
    LogonMode Read(const std::string& name) override {
        const auto found = user.find(name);
        return found == user.end() ? LogonMode::None : LogonModeOfExec(found->second);
    }
    void Write(const std::string& name, const std::string& exec) override {
        calls.push_back("write " + name);
        user[name] = exec;
    }
    void Remove(const std::string& name) override {
        calls.push_back("remove " + name);
        user.erase(name);
    }
    void RemoveMachineWide(const std::string& name) override {
        calls.push_back("remove machine " + name);
        if (machineRemovable) machine.erase(name);
    }

    std::map<std::string, std::string> user;     // name -> Exec value
    std::map<std::string, std::string> machine;  // name -> Exec value
    bool machineRemovable = true;
    std::vector<std::string> calls;
};

}  // namespace orvanto
