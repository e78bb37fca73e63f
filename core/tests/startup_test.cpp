#include "core/startup.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "core/scripted_prompt.h"
#include "core/settings_keys.h"
#include "core/tests/temp_folder.h"

namespace orvanto {
namespace {

using Shown = ScriptedPrompt::Shown;

class StartupTest : public ::testing::Test {
protected:
    std::optional<StartupState> Start(const std::vector<std::string>& arguments) {
        return BeginStartup(arguments, programPath_, clock_, false, prompt_);
    }

    test::TempFolder folder_;
    std::string programPath_ = folder_.File("orvanto");
    FakeClock clock_{46367.75};  // 11 December 2026, 18:00
    ScriptedPrompt prompt_;
};

TEST_F(StartupTest, PlainStartUsesOrvantoIniBesideTheProgram) {
    const auto state = Start({});
    ASSERT_TRUE(state);
    EXPECT_EQ(state->mode, StartupMode::Normal);
    EXPECT_FALSE(state->skipEventLoop);
    EXPECT_EQ(state->settingsPath, folder_.File("ORVANTO.INI"));
    EXPECT_EQ(state->programPath, programPath_);
    EXPECT_EQ(state->todaySerial, 46367);  // 11 December 2026
    EXPECT_TRUE(prompt_.Log().empty());
}

TEST_F(StartupTest, NameWithExtensionResolvesBesideTheProgram) {
    const auto state = Start({"myfile.txt", "-M"});
    ASSERT_TRUE(state);
    EXPECT_EQ(state->settingsPath, folder_.File("myfile.INI"));
    EXPECT_EQ(state->mode, StartupMode::CheckAndMinimize);
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
    EXPECT_EQ(prompt_.Log()[0], (Shown{Shown::Kind::Message, MessageKind::Error, "Orvanto 32",
                                       "Invalid parameter: /X"}));
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
    EXPECT_EQ(prompt_.Log(), (std::vector<Shown>{{Shown::Kind::Message, MessageKind::Information, "Orvanto 32",
                                                  path + " has been succesfully created."}}));
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
    EXPECT_EQ(prompt_.Log(),
              (std::vector<Shown>{{Shown::Kind::Message, MessageKind::Information, "Orvanto",
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
        EXPECT_EQ(prompt.Log()[0], (Shown{Shown::Kind::Question, MessageKind::Warning, "Orvanto", c.question}));
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
        CloseCase{StartupMode::CheckAndMinimize, false, false, 2, false, CloseDecision::Refuse, kTwoPending}));

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
    const std::string path = folder_.File("ORVANTO.INI");
    EXPECT_EQ(prepared->state.settingsPath, path);
    EXPECT_TRUE(prepared->state.twelveHourClock);
    EXPECT_EQ(test::ReadFileBytes(path), DefaultSettingsContent());
    EXPECT_EQ(prompt_.Texts(), (std::vector<std::string>{
                                   path + " has been succesfully created.",
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
    // The program's folder is a regular file, so nothing can be created beside it.
    const std::string blocker = folder_.File("not-a-folder");
    test::WriteFileBytes(blocker, "");
    EXPECT_FALSE(PrepareStart({}, blocker + "/orvanto", clock_, false, prompt_));
    EXPECT_EQ(prompt_.Texts(), std::vector<std::string>{"Unable to write to " + blocker + "/ORVANTO.INI"});
}

}  // namespace
}  // namespace orvanto
