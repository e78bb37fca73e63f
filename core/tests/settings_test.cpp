#include "core/settings.h"

#include <gtest/gtest.h>

#include "core/settings_keys.h"
#include "core/tests/temp_folder.h"

namespace orvanto {
namespace {

class SettingsTest : public ::testing::Test {
protected:
    IniFile WithContent(const std::string& content) {
        test::WriteFileBytes(path_, content);
        return IniFile(path_);
    }
    test::TempFolder folder_;
    std::string path_ = folder_.File("ORVANTO.INI");
};

TEST_F(SettingsTest, FileWithOnlySettingsHeaderGivesReadDefaults) {
    const MainWindowSettings s = LoadMainWindowSettings(WithContent("[Settings]\n"));
    EXPECT_EQ(s.colours.titleBColor, 12632256);
    EXPECT_EQ(s.colours.todayColor, 16711680);
    EXPECT_EQ(s.dateFormat, 2);
    EXPECT_EQ(s.showGhost, 2);
    EXPECT_FALSE(s.showPesach);
    EXPECT_FALSE(s.shuffleIcon);
    EXPECT_EQ(s.top, -1);
    EXPECT_EQ(s.latitude, "51.4667");
    EXPECT_EQ(s.longitude, "0");
    EXPECT_FALSE(s.timeCorrection);
    EXPECT_FALSE(s.autoServer);
    EXPECT_EQ(s.timeServer, std::string(kDefaultTimeServer));
    EXPECT_EQ(s.correctEvery, 60);
    EXPECT_EQ(s.timeOut, 30);
    EXPECT_TRUE(IsDefaultLocation(s));
}

TEST_F(SettingsTest, NewFileGivesTheNewFileValues) {
    IniFile ini(path_);
    ini.WriteWholeFile(DefaultSettingsContent());
    const MainWindowSettings s = LoadMainWindowSettings(ini);
    EXPECT_EQ(s.dateFormat, 1);
    EXPECT_EQ(s.colours.titleBColor, 16777215);
    EXPECT_EQ(s.colours.todayColor, 16777215);
    EXPECT_TRUE(s.shuffleIcon);
    EXPECT_EQ(s.moonAspect, 1);
}

TEST_F(SettingsTest, DateFormatWrittenInHexReads) {
    EXPECT_EQ(LoadMainWindowSettings(WithContent("[Settings]\nDateFormat=0x2\n")).dateFormat, 2);
    EXPECT_EQ(LoadMainWindowSettings(WithContent("[Settings]\nDateFormat=two\n")).dateFormat, 2);
}

struct AspectCase {
    const char* latitude;
    int expected;
};

class MoonAspectTest : public ::testing::TestWithParam<AspectCase> {};

TEST_P(MoonAspectTest, FollowsTheLatitude) {
    EXPECT_EQ(MoonAspectForLatitude(GetParam().latitude), GetParam().expected) << GetParam().latitude;
}

INSTANTIATE_TEST_SUITE_P(Cases, MoonAspectTest,
                         ::testing::Values(AspectCase{"51.4667", 1}, AspectCase{"0", 1}, AspectCase{"-0", 1},
                                           AspectCase{"-33.87", 2}, AspectCase{" -0.01", 2},
                                           AspectCase{"+10", 1}, AspectCase{"", 1}, AspectCase{"south", 1}));

TEST_F(SettingsTest, StoredMoonAspectIsReplacedAfterEveryLoad) {
    const IniFile ini =
        WithContent("[Settings]\nMoonAspect=1\n[Location]\nLatitude=-34.6\nLongitude=-58.4\n");
    const MainWindowSettings s = LoadMainWindowSettings(ini);
    EXPECT_EQ(s.moonAspect, 2);
    EXPECT_FALSE(IsDefaultLocation(s));
    EXPECT_EQ(ReloadSettingsAfterDialog(ini, s).moonAspect, 2);
}

TEST_F(SettingsTest, DefaultLocationIsTheExactTextPair) {
    MainWindowSettings s;
    s.latitude = "51.4667";
    s.longitude = "0";
    EXPECT_TRUE(IsDefaultLocation(s));
    s.longitude = "0.0";
    EXPECT_FALSE(IsDefaultLocation(s));
    s.longitude = "0";
    s.latitude = "51.46670";
    EXPECT_FALSE(IsDefaultLocation(s));
}

TEST_F(SettingsTest, ReloadAfterDialogKeepsDelayResPositionAndColoursButTheme) {
    IniFile ini = WithContent(
        "[Settings]\nDelayRes=0\nTop=10\nLeft=20\nHintPause=3\n"
        "[Colors]\nTheme=1\nTitleColor=5\nBlinkOnToday=0\n");
    const MainWindowSettings loaded = LoadMainWindowSettings(ini);
    ini.WriteInteger("Settings", "DelayRes", 1);
    ini.WriteInteger("Settings", "Top", 99);
    ini.WriteInteger("Settings", "Left", 98);
    ini.WriteInteger("Settings", "HintPause", 7);
    ini.WriteInteger("Colors", "Theme", 4);
    ini.WriteInteger("Colors", "TitleColor", 77);
    ini.WriteInteger("Colors", "BlinkOnToday", 1);

    const MainWindowSettings again = ReloadSettingsAfterDialog(ini, loaded);
    EXPECT_FALSE(again.delayRes);
    EXPECT_EQ(again.top, 10);
    EXPECT_EQ(again.left, 20);
    EXPECT_EQ(again.colours.titleColor, 5);
    EXPECT_FALSE(again.colours.blinkOnToday);
    EXPECT_EQ(again.colours.theme, 4);
    EXPECT_EQ(again.hintPause, 7);
}

TEST_F(SettingsTest, ReloadAfterDialogUsesItsOwnDefaults) {
    const IniFile ini = WithContent("[Settings]\n");
    const MainWindowSettings loaded = LoadMainWindowSettings(ini);
    const MainWindowSettings again = ReloadSettingsAfterDialog(ini, loaded);
    EXPECT_FALSE(loaded.showPesach);
    EXPECT_TRUE(again.showPesach);
    EXPECT_FALSE(loaded.autoServer);
    EXPECT_TRUE(again.autoServer);
    EXPECT_EQ(again.timeServer, "");
}

}  // namespace
}  // namespace orvanto
