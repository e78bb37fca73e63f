#include "core/settings.h"

#include "core/decimal_number.h"
#include "core/settings_keys.h"

namespace orvanto {

namespace {

// The readings shared by creation and the reading after the dialog; `reader`
// picks the defaults where the two differ.
void ReadCommonKeys(const IniFile& ini, SettingsReader reader, MainWindowSettings& s) {
    const auto flag = [&](std::string_view key) {
        return ReadSettingBool(ini, kSettingsSection, key, reader);
    };
    const auto number = [&](std::string_view key) {
        return ReadSettingInteger(ini, kSettingsSection, key, reader);
    };
    const auto text = [&](std::string_view key) {
        return ReadSettingText(ini, kSettingsSection, key, reader);
    };

    s.showMoon = flag("ShowMoon");
    s.moonHint = number("MoonHint");
    s.moonAspect = number("MoonAspect");
    s.dateFormat = number("DateFormat");
    s.oldEurope = flag("OldEurope");
    s.showThanks = flag("ShowThanks");
    s.showEaster = flag("ShowEaster");
    s.easterRelated = flag("EasterRelated");
    s.showPesach = flag("ShowPesach");
    s.minorPhases = flag("MinorPhases");
    s.dstCorrection = flag("DSTCorrection");
    s.allTimed = flag("AllTimed");
    s.sideDays = number("SideDays");
    s.savePos = flag("SavePos");
    s.minToTray = flag("MinToTray");
    s.showGhost = number("ShowGhost");
    s.inBrackets = flag("InBrackets");
    s.ignoreMissed = flag("IgnoreMissed");
    s.ignoreDayColor = flag("IgnoreDayColor");
    s.ignoreWeekColor = flag("IgnoreWeekColor");
    s.ignorePending = flag("IgnorePending");
    s.shuffleIcon = flag("ShuffleIcon");
    s.hintPause = number("HintPause");
    s.waveFile = text("WaveFile");
    s.historyFile = text("HistoryFile");
    s.wallpaper = number("Wallpaper");
    s.wpx = number("WPX");
    s.wpy = number("WPY");
    s.oldWallpaper = text("OldWallpaper");
    s.oldWallpaperTile = text("OldWallpaperTile");
    s.oldWallpaperStyle = text("OldWallpaperStyle");

    s.colours.theme = ReadSettingInteger(ini, kColorsSection, "Theme", reader);

    s.latitude = ReadSettingText(ini, kLocationSection, "Latitude", reader);
    s.longitude = ReadSettingText(ini, kLocationSection, "Longitude", reader);

    s.timeCorrection = ReadSettingBool(ini, kSntpSection, "TimeCorrection", reader);
    s.autoServer = ReadSettingBool(ini, kSntpSection, "AutoServer", reader);
    s.timeServer = ReadSettingText(ini, kSntpSection, "TimeServer", reader);
    s.correctEvery = ReadSettingInteger(ini, kSntpSection, "CorrectEvery", reader);
    s.timeOut = ReadSettingInteger(ini, kSntpSection, "TimeOut", reader);

    // The stored "MoonAspect" has no lasting effect.
    s.moonAspect = MoonAspectForLatitude(s.latitude);
}

ColourSettings ReadColours(const IniFile& ini, SettingsReader reader) {
    const auto colour = [&](std::string_view key) {
        return ReadSettingInteger(ini, kColorsSection, key, reader);
    };
    ColourSettings c;
    c.theme = colour("Theme");
    c.titleColor = colour("TitleColor");
    c.titleBColor = colour("TitleBColor");
    c.todayColor = colour("TodayColor");
    c.todayFColor = colour("TodayFColor");
    c.normalColor = colour("NormalColor");
    c.sundayColor = colour("SundayColor");
    c.monthColor = colour("MonthColor");
    c.eventsColor = colour("EventsColor");
    c.timedEventsColor = colour("TimedEventsColor");
    c.mixedEventsColor = colour("MixedEventsColor");
    c.holidayColor = colour("HolidayColor");
    c.bookmarkColor = colour("BookmarkColor");
    c.blinkOnToday = ReadSettingBool(ini, kColorsSection, "BlinkOnToday", reader);
    return c;
}

}  // namespace

MainWindowSettings LoadMainWindowSettings(const IniFile& ini) {
    constexpr SettingsReader reader = SettingsReader::MainWindow;
    MainWindowSettings s;
    s.colours = ReadColours(ini, reader);
    ReadCommonKeys(ini, reader, s);
    s.delayRes = ReadSettingBool(ini, kSettingsSection, "DelayRes", reader);
    s.top = ReadSettingInteger(ini, kSettingsSection, "Top", reader);
    s.left = ReadSettingInteger(ini, kSettingsSection, "Left", reader);
    return s;
}

MainWindowSettings ReloadSettingsAfterDialog(const IniFile& ini, const MainWindowSettings& current) {
    MainWindowSettings s = current;
    ReadCommonKeys(ini, SettingsReader::MainWindowAfterDialog, s);
    return s;
}

int MoonAspectForLatitude(const std::string& latitudeText) {
    return ParseDecimal(latitudeText).value_or(0.0) >= 0.0 ? 1 : 2;
}

bool IsDefaultLocation(const MainWindowSettings& settings) {
    return settings.latitude == kGreenwichLatitude && settings.longitude == kGreenwichLongitude;
}

}  // namespace orvanto
