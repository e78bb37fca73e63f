// The logon entry: names, quoting of the Exec line, reading it back, and the
// files in a temporary autostart folder (never the user's own).
#include "platform/autostart_entry.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>

namespace orvanto {
namespace {

namespace fs = std::filesystem;

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void WriteFile(const fs::path& path, const std::string& text) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << text;
}

class TempFolder {
public:
    TempFolder() {
        char pattern[] = "/tmp/orvanto-autostart-XXXXXX";
        path_ = mkdtemp(pattern);
    }
    ~TempFolder() {
        std::error_code error;
        fs::remove_all(path_, error);
    }
    const fs::path& Path() const { return path_; }

private:
    fs::path path_;
};

// The environment variable set for one test and put back afterwards.
class ScopedEnvironment {
public:
    ScopedEnvironment(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        if (value)
            setenv(name, value, 1);
        else
            unsetenv(name);
    }
    ~ScopedEnvironment() {
        if (old_)
            setenv(name_, old_->c_str(), 1);
        else
            unsetenv(name_);
    }

private:
    const char* name_;
    std::optional<std::string> old_;
};

TEST(AutostartEntry, NameIsTheSettingsFileName) {
    EXPECT_EQ(AutostartEntryName("/home/ann/ORVANTO.INI"), "Orvanto@ORVANTO.INI.desktop");
    EXPECT_EQ(AutostartEntryName("/home/ann/my cal.INI"), "Orvanto@my cal.INI.desktop");
}

TEST(AutostartEntry, FoldersFollowXdgConfigHome) {
    {
        ScopedEnvironment config("XDG_CONFIG_HOME", "/tmp/cfg");
        EXPECT_EQ(DefaultAutostartFolders().user, "/tmp/cfg/autostart");
    }
    {
        ScopedEnvironment config("XDG_CONFIG_HOME", nullptr);
        ScopedEnvironment home("HOME", "/tmp/home-of-ann");
        EXPECT_EQ(DefaultAutostartFolders().user, "/tmp/home-of-ann/.config/autostart");
    }
    {
        // A relative value is not a configuration folder.
        ScopedEnvironment config("XDG_CONFIG_HOME", "relative/cfg");
        ScopedEnvironment home("HOME", "/tmp/h");
        EXPECT_EQ(DefaultAutostartFolders().user, "/tmp/h/.config/autostart");
    }
    EXPECT_EQ(DefaultAutostartFolders().machine, "/etc/xdg/autostart");
}

TEST(AutostartEntry, ExecArgumentsAreQuotedWhereNeeded) {
    struct Case {
        std::string argument;
        std::string quoted;
    };
    const Case cases[] = {
        {"/usr/bin/orvanto", "/usr/bin/orvanto"},
        {"/home/ann/my cal.INI", "\"/home/ann/my cal.INI\""},
        {"/a/$HOME/x", "\"/a/\\$HOME/x\""},
        {"/a/b\"c", "\"/a/b\\\"c\""},
        {"/a/back\\slash", "\"/a/back\\\\slash\""},
        {"/a/100%", "/a/100%%"},
        {"/a/it's", "\"/a/it's\""},
        {"", "\"\""},
    };
    for (const Case& c : cases) EXPECT_EQ(QuoteExecArgument(c.argument), c.quoted) << c.argument;
}

TEST(AutostartEntry, ExecSplitsBackIntoTheArguments) {
    const std::string paths[] = {"/home/ann/ORVANTO.INI", "/home/ann/my cal.INI", "/a/$x`y\"z\\w/100%.INI",
                                 "/tab\there"};
    for (const std::string& path : paths) {
        const std::string exec = AutostartExec("/opt/my apps/orvanto", LogonMode::CheckAndMinimize, path);
        // Through the file's string escapes and back.
        const std::string stored = *ExecOfEntry(AutostartEntryContent(exec));
        const std::vector<std::string> expected = {"/opt/my apps/orvanto", "/M", path};
        EXPECT_EQ(SplitExec(stored), expected) << path;
        EXPECT_EQ(LogonModeOfExec(stored), LogonMode::CheckAndMinimize);
    }
}

TEST(AutostartEntry, ModeOfTheExecLine) {
    struct Case {
        std::string exec;
        LogonMode mode;
    };
    const Case cases[] = {
        {"/usr/bin/orvanto /C /home/a/ORVANTO.INI", LogonMode::CheckAndQuit},
        {"/usr/bin/orvanto /m /home/a/ORVANTO.INI", LogonMode::CheckAndMinimize},
        {"/usr/bin/orvanto /M /c /home/a/ORVANTO.INI", LogonMode::CheckAndQuit},
        {"/usr/bin/orvanto /home/a/ORVANTO.INI", LogonMode::None},
        // A switch-like text inside a quoted path is no switch.
        {"\"/home/x /c y/orvanto\" /M /home/a/ORVANTO.INI", LogonMode::CheckAndMinimize},
        {"/C", LogonMode::None},
        {"", LogonMode::None},
    };
    for (const Case& c : cases) EXPECT_EQ(LogonModeOfExec(c.exec), c.mode) << c.exec;
}

TEST(AutostartEntry, ContentOfTheFile) {
    const std::string exec =
        AutostartExec("/usr/bin/orvanto", LogonMode::CheckAndQuit, "/home/ann/my cal.INI");
    EXPECT_EQ(AutostartEntryContent(exec),
              "[Desktop Entry]\nType=Application\nName=Orvanto\n"
              "Exec=/usr/bin/orvanto /C \"/home/ann/my cal.INI\"\n");
    EXPECT_EQ(ExecOfEntry("[Other]\nExec=no\n[Desktop Entry]\r\nName=X\r\nExec = a /M b\r\n"), "a /M b");
    EXPECT_EQ(ExecOfEntry("[Desktop Entry]\nName=X\n"), std::nullopt);
}

TEST(XdgLogonEntry, WrittenReadBackAndRemovedInTheUsersFolder) {
    TempFolder folder;
    const fs::path user = folder.Path() / "config" / "autostart";
    XdgLogonEntry entry({user.string(), (folder.Path() / "machine").string()});
    const std::string settings = (folder.Path() / "my cal" / "ORVANTO.INI").string();
    const std::string name = AutostartEntryName(settings);

    EXPECT_EQ(entry.Read(name), LogonMode::None);
    entry.Write(name, AutostartExec("/usr/bin/orvanto", LogonMode::CheckAndMinimize, settings));
    ASSERT_TRUE(fs::exists(user / name)) << "the folder is made when missing";
    EXPECT_EQ(
        ReadFile(user / name),
        "[Desktop Entry]\nType=Application\nName=Orvanto\nExec=/usr/bin/orvanto /M \"" + settings + "\"\n");
    EXPECT_EQ(entry.Read(name), LogonMode::CheckAndMinimize);

    entry.Write(name, AutostartExec("/usr/bin/orvanto", LogonMode::CheckAndQuit, settings));
    EXPECT_EQ(entry.Read(name), LogonMode::CheckAndQuit);
    EXPECT_FALSE(fs::exists(user / (name + ".tmp")));

    entry.Remove(name);
    EXPECT_FALSE(fs::exists(user / name));
    EXPECT_NO_THROW(entry.Remove(name)) << "removing a missing entry is no failure";
}

TEST(XdgLogonEntry, AnEntryWrittenByHandIsRead) {
    TempFolder folder;
    XdgLogonEntry entry({folder.Path().string(), "/nonexistent"});
    WriteFile(folder.Path() / "Orvanto@A.INI.desktop", "[Desktop Entry]\nExec=orvanto /c /x/A.INI\n");
    EXPECT_EQ(entry.Read("Orvanto@A.INI.desktop"), LogonMode::CheckAndQuit);
}

TEST(XdgLogonEntry, AFailedWriteSaysWhere) {
    TempFolder folder;
    // The folder's place is taken by a file: nothing can be written there.
    WriteFile(folder.Path() / "autostart", "not a folder");
    XdgLogonEntry entry({(folder.Path() / "autostart").string(), "/nonexistent"});
    try {
        entry.Write("Orvanto@A.INI.desktop", "orvanto /M /x/A.INI");
        FAIL() << "no failure";
    } catch (const std::runtime_error& error) {
        EXPECT_EQ(std::string(error.what()),
                  "Unable to write to " + (folder.Path() / "autostart" / "Orvanto@A.INI.desktop").string());
    }
}

TEST(XdgLogonEntry, TheMachineWideEntryGoesWhenItMay) {
    TempFolder folder;
    const fs::path machine = folder.Path() / "machine";
    XdgLogonEntry entry({(folder.Path() / "user").string(), machine.string()});
    WriteFile(machine / "Orvanto@A.INI.desktop", "[Desktop Entry]\nExec=orvanto /M /x/A.INI\n");
    WriteFile(machine / "Other.desktop", "[Desktop Entry]\nExec=other\n");
    entry.RemoveMachineWide("Orvanto@A.INI.desktop");
    EXPECT_FALSE(fs::exists(machine / "Orvanto@A.INI.desktop"));
    EXPECT_TRUE(fs::exists(machine / "Other.desktop"));

    // Something it cannot remove stays, without a failure.
    fs::create_directories(machine / "Orvanto@B.INI.desktop" / "inside");
    EXPECT_NO_THROW(entry.RemoveMachineWide("Orvanto@B.INI.desktop"));
    EXPECT_TRUE(fs::exists(machine / "Orvanto@B.INI.desktop"));
    EXPECT_NO_THROW(entry.RemoveMachineWide("Orvanto@C.INI.desktop"));
}

}  // namespace
}  // namespace orvanto
