#include "core/settings_keys.h"

#include <gtest/gtest.h>

#include <set>
#include <stdexcept>

#include "core/tests/temp_folder.h"

namespace orvanto {
namespace {

constexpr const char* kExpectedNewFile =
    "[Settings]\n"
    "ShowMoon=1\n"
    "MoonHint=1\n"
    "MoonAspect=1\n"
    "DateFormat=1\n"
    "OldEurope=0\n"
    "ShowThanks=1\n"
    "ShowEaster=1\n"
    "EasterRelated=1\n"
    "ShowPesach=0\n"
    "MinorPhases=0\n"
    "DSTCorrection=1\n"
    "AllTimed=0\n"
    "SideDays=1\n"
    "SavePos=0\n"
    "MinToTray=1\n"
    "HideININame=0\n"
    "DelayRes=0\n"
    "ShowGhost=2\n"
    "InBrackets=1\n"
    "IgnoreMissed=0\n"
    "IgnorePending=0\n"
    "ShuffleIcon=1\n"
    "HintPause=3\n"
    "WaveFile=\n"
    "Top=-1\n"
    "Left=-1\n"
    "\n"
    "[Colors]\n"
    "Theme=0\n"
    "TitleColor=0\n"
    "TitleBColor=16777215\n"
    "TodayColor=16777215\n"
    "TodayFColor=0\n"
    "NormalColor=0\n"
    "SundayColor=255\n"
    "MonthColor=0\n"
    "EventsColor=16711680\n"
    "TimedEventsColor=16711935\n"
    "MixedEventsColor=16776960\n"
    "HolidayColor=32768\n"
    "BookmarkColor=65535\n"
    "BlinkOnToday=0\n";

TEST(SettingsKeysTest, NewFileIsByteForByteTheDefaultContent) {
    EXPECT_EQ(DefaultSettingsContent(), kExpectedNewFile);
}

TEST(SettingsKeysTest, NewFileWrittenThroughIniFileHasTheSameBytes) {
    const test::TempFolder folder;
    IniFile ini(folder.File("ORVANTO.INI"));
    ini.WriteWholeFile(DefaultSettingsContent());
    EXPECT_EQ(test::ReadFileBytes(ini.FileName()), kExpectedNewFile);
    EXPECT_FALSE(ini.SectionExists("Location"));
    EXPECT_FALSE(ini.SectionExists("SNTP"));
    EXPECT_FALSE(ini.SectionExists("Print"));
}

TEST(SettingsKeysTest, EveryKeyIsListedOnceAndEveryReaderDefaultNamesAKey) {
    std::set<std::string> seen;
    for (const SettingKey& entry : SettingKeys()) {
        EXPECT_TRUE(seen.insert(std::string(entry.section) + "/" + std::string(entry.key)).second)
            << entry.key;
    }
    for (const ReaderDefault& entry : ReaderSpecificDefaults()) {
        EXPECT_NE(FindSettingKey(entry.section, entry.key), nullptr) << entry.key;
    }
}

TEST(SettingsKeysTest, NumericDefaultsAreNumbers) {
    for (const SettingKey& entry : SettingKeys()) {
        if (entry.type == SettingType::Text || !entry.readDefault) continue;
        EXPECT_NO_THROW((void)std::stoi(std::string(*entry.readDefault))) << entry.key;
    }
}

struct DefaultCase {
    const char* section;
    const char* key;
    SettingsReader reader;
    const char* expected;
};

class ReaderDefaultTest : public ::testing::TestWithParam<DefaultCase> {};

TEST_P(ReaderDefaultTest, GivesTheReadersDefault) {
    const DefaultCase& c = GetParam();
    EXPECT_EQ(ReadDefault(c.section, c.key, c.reader), c.expected) << c.section << "/" << c.key;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReaderDefaultTest,
    ::testing::Values(DefaultCase{"Settings", "DateFormat", SettingsReader::MainWindow, "2"},
                      DefaultCase{"Settings", "MoonAspect", SettingsReader::MainWindow, "2"},
                      DefaultCase{"Settings", "ShowPesach", SettingsReader::MainWindow, "0"},
                      DefaultCase{"Settings", "ShowPesach", SettingsReader::MainWindowAfterDialog, "1"},
                      DefaultCase{"Settings", "ShowGhost", SettingsReader::MainWindow, "2"},
                      DefaultCase{"Settings", "ShowGhost", SettingsReader::SettingsDialog, "1"},
                      DefaultCase{"Settings", "ShuffleIcon", SettingsReader::MainWindow, "0"},
                      DefaultCase{"Settings", "ShuffleIcon", SettingsReader::SettingsDialog, "1"},
                      DefaultCase{"Settings", "ExpireAfter", SettingsReader::StartupPass, "0"},
                      DefaultCase{"Settings", "WinResize", SettingsReader::SettingsDialog, "1"},
                      DefaultCase{"Settings", "OldWallpaperTile", SettingsReader::MainWindow, "0"},
                      DefaultCase{"Colors", "TitleBColor", SettingsReader::MainWindow, "12632256"},
                      DefaultCase{"Colors", "TodayColor", SettingsReader::MainWindow, "16711680"},
                      DefaultCase{"Location", "RegionIndex", SettingsReader::SettingsDialog, "-1"},
                      DefaultCase{"Location", "RegionIndex", SettingsReader::DistanceCalculator, "-2"},
                      DefaultCase{"Location", "CityIndex", SettingsReader::DistanceCalculator, "-2"},
                      DefaultCase{"Location", "CityName", SettingsReader::SettingsDialog, "Not defined"},
                      DefaultCase{"Location", "CityName", SettingsReader::DistanceCalculator, "Not defined"},
                      DefaultCase{"Location", "CityName", SettingsReader::AstronomicalWindow,
                                  "Greenwich Obs, England"},
                      DefaultCase{"Location", "Latitude", SettingsReader::MainWindow, "51.4667"},
                      DefaultCase{"Location", "Latitude", SettingsReader::AstronomicalWindow, "51.4667"},
                      DefaultCase{"Location", "Latitude", SettingsReader::SettingsDialog, "0"},
                      DefaultCase{"Location", "Latitude", SettingsReader::DistanceCalculator, "0"},
                      DefaultCase{"Location", "Longitude", SettingsReader::AstronomicalWindow, "0"},
                      DefaultCase{"SNTP", "TimeCorrection", SettingsReader::MainWindow, "0"},
                      DefaultCase{"SNTP", "TimeCorrection", SettingsReader::SettingsDialog, "1"},
                      DefaultCase{"SNTP", "AutoServer", SettingsReader::MainWindow, "0"},
                      DefaultCase{"SNTP", "AutoServer", SettingsReader::MainWindowAfterDialog, "1"},
                      DefaultCase{"SNTP", "AutoServer", SettingsReader::SettingsDialog, "1"},
                      DefaultCase{"SNTP", "TimeServer", SettingsReader::MainWindow, "pool.ntp.org"},
                      DefaultCase{"SNTP", "TimeServer", SettingsReader::MainWindowAfterDialog, ""},
                      DefaultCase{"SNTP", "TimeServer", SettingsReader::SettingsDialog, ""},
                      DefaultCase{"SNTP", "CorrectEvery", SettingsReader::MainWindow, "60"},
                      DefaultCase{"SNTP", "TimeOut", SettingsReader::SettingsDialog, "30"},
                      DefaultCase{"Print", "LastType", SettingsReader::PrintDialog, "0"},
                      DefaultCase{"Print", "PrintHoly", SettingsReader::PrintDialog, "1"},
                      DefaultCase{"settings", "dateformat", SettingsReader::MainWindow, "2"}));

TEST(SettingsKeysTest, KeysNoOneReadsHaveNoDefault) {
    EXPECT_THROW(ReadDefault("Settings", "HideININame", SettingsReader::MainWindow), std::out_of_range);
    EXPECT_THROW(ReadDefault("Settings", "NoSuchKey", SettingsReader::MainWindow), std::out_of_range);
}

TEST(SettingsKeysTest, TypedReadsUseTheReadersDefault) {
    const test::TempFolder folder;
    test::WriteFileBytes(folder.File("a.ini"), "[Settings]\n");
    const IniFile ini(folder.File("a.ini"));
    EXPECT_EQ(ReadSettingInteger(ini, kColorsSection, "TitleBColor", SettingsReader::MainWindow), 12632256);
    EXPECT_FALSE(ReadSettingBool(ini, kSettingsSection, "ShowPesach", SettingsReader::MainWindow));
    EXPECT_TRUE(ReadSettingBool(ini, kSettingsSection, "ShowPesach", SettingsReader::MainWindowAfterDialog));
    EXPECT_EQ(ReadSettingText(ini, kLocationSection, "CityName", SettingsReader::AstronomicalWindow),
              "Greenwich Obs, England");
}

}  // namespace
}  // namespace orvanto
