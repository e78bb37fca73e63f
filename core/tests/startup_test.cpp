#include "core/startup.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>

#include "core/scripted_prompt.h"
#include "core/settings_keys.h"
#include "core/tests/temp_folder.h"

namespace orvanto {
namespace {

using Shown = ScriptedPrompt::Shown;

// An environment variable set for the life of the object.
class VariableScope {
public:
    VariableScope(const char* name, const std::string& value) : name_(name) {
        if (const char* old = std::getenv(name)) previous_ = old;
        ::setenv(name, value.c_str(), 1);
    }
    ~VariableScope() {
        if (previous_)
            ::setenv(name_, previous_->c_str(), 1);
        else
            ::unsetenv(name_);
    }
    VariableScope(const VariableScope&) = delete;
    VariableScope& operator=(const VariableScope&) = delete;

private:
    const char* name_;
    std::optional<std::string> previous_;
};

// The program lies in a folder of its own that holds no ORVANTO.INI (an
// installed program), and the user's folders lie in the temporary folder.
class StartupTest : public ::testing::Test {
protected:
    std::optional<StartupState> Start(const std::vector<std::string>& arguments) {
        return BeginStartup(arguments, programPath_, clock_, false, prompt_);
    }
    // The user's config folder of the program.
    std::string ConfigFile(const std::string& name) const { return folder_.File("config/orvanto/" + name); }

    test::TempFolder folder_;
    VariableScope config_{"XDG_CONFIG_HOME", folder_.File("config")};
    VariableScope data_{"XDG_DATA_HOME", folder_.File("data")};
    std::string programPath_ = folder_.File("orvanto");
    FakeClock clock_{46367.75};  // 11 December 2026, 18:00
    ScriptedPrompt prompt_;
};

TEST_F(StartupTest, PlainStartUsesOrvantoIniInTheUserConfigFolder) {
    const auto state = Start({});
    ASSERT_TRUE(state);
    EXPECT_EQ(state->mode, StartupMode::Normal);
    EXPECT_FALSE(state->skipEventLoop);
    EXPECT_EQ(state->settingsPath, ConfigFile("ORVANTO.INI"));
    EXPECT_TRUE(std::filesystem::is_directory(folder_.File("config/orvanto")));
    EXPECT_EQ(state->wallpaperFolder, folder_.File("data/orvanto"));
    EXPECT_EQ(state->programPath, programPath_);
    EXPECT_EQ(state->todaySerial, 46367);  // 11 December 2026
    EXPECT_TRUE(prompt_.Log().empty());
}

TEST_F(StartupTest, APortableFolderKeepsEveryFileBesideTheProgram) {
    test::WriteFileBytes(folder_.File("ORVANTO.INI"), "[Settings]\n");
    const auto state = Start({"myfile.txt"});
    ASSERT_TRUE(state);
    EXPECT_EQ(Start({})->settingsPath, folder_.File("ORVANTO.INI"));
    EXPECT_EQ(state->settingsPath, folder_.File("myfile.INI"));
    EXPECT_EQ(state->wallpaperFolder, folder_.Path().string());
    EXPECT_FALSE(std::filesystem::exists(folder_.File("config")));
}

TEST_F(StartupTest, NameWithExtensionResolvesWhereOrvantoIniLies) {
    const auto state = Start({"myfile.txt", "-M"});
    ASSERT_TRUE(state);
    EXPECT_EQ(state->settingsPath, ConfigFile("myfile.INI"));
    EXPECT_EQ(state->mode, StartupMode::CheckAndMinimize);
}

TEST_F(StartupTest, ANamedSettingsFileKeepsItsCompanionsBesideIt) {
    const std::string named = folder_.File("team/cal.INI");
    std::filesystem::create_directories(folder_.File("team"));
    const auto state = Start({named});
    ASSERT_TRUE(state);
    EXPECT_EQ(state->settingsPath, named);
    EXPECT_EQ(state->wallpaperFolder, folder_.File("team"));
    // Nothing is made in the user's folders for it.
    EXPECT_FALSE(std::filesystem::exists(folder_.File("config")));
}

TEST_F(StartupTest, LowerCaseNameOpensTheFileThatExists) {
    // "orvanto /home/ann/cal.ini" with that file present uses it, and no
    // second file "cal.INI" is created or announced.
    const std::string existing = folder_.File("cal.ini");
    test::WriteFileBytes(existing, "[Settings]\nDateFormat=2\n");
    const auto state = Start({existing});
    ASSERT_TRUE(state);
    EXPECT_EQ(state->settingsPath, existing);
    EXPECT_FALSE(CreateMissingSettingsFile(state->settingsPath, prompt_));
    EXPECT_FALSE(std::filesystem::exists(folder_.File("cal.INI")));
    EXPECT_TRUE(prompt_.Log().empty());
}

TEST_F(StartupTest, UnknownSwitchEndsWithTheErrorBox) {
    EXPECT_FALSE(Start({"/X"}));
    ASSERT_EQ(prompt_.Log().size(), 1u);
    EXPECT_EQ(prompt_.Log()[0],
              (Shown{Shown::Kind::Message, MessageKind::Error, "Orvanto 32", "Invalid parameter: /X"}));
}

TEST_F(StartupTest, UnusableNameEndsWithTheErrorBoxAndWritesNothing) {
    const std::string name = folder_.File("missing-folder/cal.txt");
    EXPECT_FALSE(Start({name}));
    EXPECT_EQ(prompt_.Texts(), std::vector<std::string>{"Invalid parameter: " + UpperCase(name)});
    EXPECT_FALSE(std::filesystem::exists(folder_.File("missing-folder")));
}

TEST_F(StartupTest, CheckAndQuitSkipsTheEventLoopEvenWhenMinimizeComesLast) {
    const auto state = Start({"/c", "/m"});
    ASSERT_TRUE(state);
    EXPECT_TRUE(state->skipEventLoop);
    EXPECT_EQ(state->mode, StartupMode::CheckAndMinimize);
}

TEST_F(StartupTest, TodayIsTheDayPartOfTheClocksLocalTime) {
    clock_.SetLocal(2.999);  // 1 January 1900, late evening
    EXPECT_EQ(Start({})->todaySerial, 2);
    clock_.SetLocal(-1.25);  // 29 December 1899 06:00
    EXPECT_EQ(Start({})->todaySerial, -1);
}

TEST(RunningProgramPathTest, IsTheRunningTestProgram) {
    const std::string path = RunningProgramPath("fallback");
    EXPECT_TRUE(std::filesystem::path(path).is_absolute());
    EXPECT_EQ(std::filesystem::path(path).filename(), "core_tests");
}

TEST_F(StartupTest, MissingSettingsFileIsCreatedAndAnnounced) {
    const std::string path = folder_.File("Cal.INI");
    EXPECT_TRUE(CreateMissingSettingsFile(path, prompt_));
    EXPECT_EQ(test::ReadFileBytes(path), DefaultSettingsContent());
    EXPECT_EQ(prompt_.Log(), (std::vector<Shown>{{Shown::Kind::Message, MessageKind::Information,
                                                  "Orvanto 32", path + " has been succesfully created."}}));
    prompt_.Clear();
    EXPECT_FALSE(CreateMissingSettingsFile(path, prompt_));
    EXPECT_TRUE(prompt_.Log().empty());
}

TEST_F(StartupTest, SettingsFileThatCannotBeCreatedRaises) {
    const std::string blocker = folder_.File("file");
    test::WriteFileBytes(blocker, "");
    EXPECT_THROW(CreateMissingSettingsFile(blocker + "/ORVANTO.INI", prompt_), EIniFileError);
    EXPECT_TRUE(prompt_.Log().empty());
}

TEST_F(StartupTest, NewFileAsksToSetUpTheCity) {
    const std::string path = folder_.File("ORVANTO.INI");
    CreateMissingSettingsFile(path, prompt_);
    prompt_.Clear();
    RemindToSetUpCityIfDefault(LoadMainWindowSettings(IniFile(path)), prompt_);
    EXPECT_EQ(prompt_.Log(), (std::vector<Shown>{{Shown::Kind::Message, MessageKind::Information, "Orvanto",
                                                  "Don't forget to set up your city in the Settings window.\n"
                                                  "Assuming Greenwich Observatory in England."}}));
}

TEST_F(StartupTest, ChosenCityNeedsNoReminder) {
    const std::string path = folder_.File("ORVANTO.INI");
    test::WriteFileBytes(path, "[Location]\nLatitude=40.4168\nLongitude=-3.7038\n");
    RemindToSetUpCityIfDefault(LoadMainWindowSettings(IniFile(path)), prompt_);
    EXPECT_TRUE(prompt_.Log().empty());
}

struct CloseCase {
    StartupMode mode;
    bool shownNormally;
    bool ignorePending;
    int pending;
    bool answer;
    CloseDecision expected;
    const char* question;  // nullptr: no question
};

class DecideCloseTest : public ::testing::TestWithParam<CloseCase> {};

TEST_P(DecideCloseTest, AsksOnlyWhenRemindersArePending) {
    const CloseCase& c = GetParam();
    ScriptedPrompt prompt;
    prompt.QueueAnswer(c.answer);
    EXPECT_EQ(DecideClose(c.mode, c.shownNormally, c.ignorePending, c.pending, prompt), c.expected);
    if (c.question == nullptr) {
        EXPECT_TRUE(prompt.Log().empty());
    } else {
        ASSERT_EQ(prompt.Log().size(), 1u);
        EXPECT_EQ(prompt.Log()[0],
                  (Shown{Shown::Kind::Question, MessageKind::Warning, "Orvanto", c.question}));
    }
}

constexpr const char* kTwoPending =
    "There are 2 events pending.  Do you want to exit anyway?\n\n"
    "Tip: You can disable this message from the Settings window.";
constexpr const char* kOnePending =
    "There is one event pending.  Do you want to exit anyway?\n\n"
    "Tip: You can disable this message from the Settings window.";

INSTANTIATE_TEST_SUITE_P(
    Cases, DecideCloseTest,
    ::testing::Values(
        CloseCase{StartupMode::Normal, true, false, 0, true, CloseDecision::Close, nullptr},
        CloseCase{StartupMode::Normal, true, false, 2, true, CloseDecision::Close, kTwoPending},
        CloseCase{StartupMode::Normal, true, false, 2, false, CloseDecision::Refuse, kTwoPending},
        CloseCase{StartupMode::Normal, false, false, 1, true, CloseDecision::Close, kOnePending},
        CloseCase{StartupMode::Normal, true, true, 2, false, CloseDecision::Close, nullptr},
        CloseCase{StartupMode::CheckAndMinimize, true, false, 2, false, CloseDecision::Minimize, nullptr},
        CloseCase{StartupMode::CheckAndMinimize, false, false, 2, false, CloseDecision::Refuse,
                  kTwoPending}));

TEST_F(StartupTest, SaveWindowPositionWritesTheCreationTopWhenMovedOffScreen) {
    const std::string path = folder_.File("ORVANTO.INI");
    IniFile ini(path);
    ini.WriteWholeFile(DefaultSettingsContent());
    SaveWindowPosition(ini, 120, 300, 1080, 50);
    EXPECT_EQ(ini.ReadInteger("Settings", "Top", 0), 120);
    EXPECT_EQ(ini.ReadInteger("Settings", "Left", 0), 300);
    SaveWindowPosition(ini, 1080, 310, 1080, 50);
    EXPECT_EQ(ini.ReadInteger("Settings", "Top", 0), 50);
    EXPECT_EQ(ini.ReadInteger("Settings", "Left", 0), 310);
}

}  // namespace
}  // namespace orvanto

namespace orvanto {
namespace {

class PrepareStartTest : public StartupTest {};

TEST_F(PrepareStartTest, PlainStartCreatesAnnouncesAndAsksForTheCity) {
    const auto prepared = PrepareStart({}, programPath_, clock_, true, prompt_);
    ASSERT_TRUE(prepared);
    const std::string path = ConfigFile("ORVANTO.INI");
    EXPECT_EQ(prepared->state.settingsPath, path);
    EXPECT_TRUE(prepared->state.twelveHourClock);
    EXPECT_EQ(test::ReadFileBytes(path), DefaultSettingsContent());
    EXPECT_EQ(prompt_.Texts(),
              (std::vector<std::string>{path + " has been succesfully created.",
                                        "Don't forget to set up your city in the Settings window.\n"
                                        "Assuming Greenwich Observatory in England."}));
    EXPECT_EQ(prepared->settings.dateFormat, 1);
}

TEST_F(PrepareStartTest, SecondStartAnnouncesNothingButTheCity) {
    PrepareStart({}, programPath_, clock_, false, prompt_);
    prompt_.Clear();
    ASSERT_TRUE(PrepareStart({"-C"}, programPath_, clock_, false, prompt_));
    EXPECT_EQ(prompt_.Log().size(), 1u);
}

TEST_F(PrepareStartTest, BadArgumentEndsWithNothingWritten) {
    EXPECT_FALSE(PrepareStart({"/X"}, programPath_, clock_, false, prompt_));
    EXPECT_EQ(prompt_.Texts(), std::vector<std::string>{"Invalid parameter: /X"});
    EXPECT_TRUE(std::filesystem::is_empty(folder_.Path()));
}

TEST_F(PrepareStartTest, UnwritableSettingsFolderEndsWithTheWriteError) {
    // The user's config folder is a regular file, so nothing can be created in it.
    const std::string blocker = folder_.File("not-a-folder");
    test::WriteFileBytes(blocker, "");
    const VariableScope config("XDG_CONFIG_HOME", blocker);
    EXPECT_FALSE(PrepareStart({}, programPath_, clock_, false, prompt_));
    EXPECT_EQ(prompt_.Texts(),
              std::vector<std::string>{"Unable to write to " + blocker + "/orvanto/ORVANTO.INI"});
}

}  // namespace
}  // namespace orvanto
