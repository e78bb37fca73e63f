// The values the main window loads from the settings file when it is created,
// and the rule by which it reads them again after the settings dialog. The
// main window, the month view and the reminder engine take these values from
// here rather than reading the keys themselves.
#pragma once

#include <string>

#include "core/ini_file.h"

namespace orvanto {

// Colours are 0x00BBGGRR: red in the low byte.
struct ColourSettings {
    int theme = 0;
    int titleColor = 0;
    int titleBColor = 0;
    int todayColor = 0;
    int todayFColor = 0;
    int normalColor = 0;
    int sundayColor = 0;
    int monthColor = 0;
    int eventsColor = 0;
    int timedEventsColor = 0;
    int mixedEventsColor = 0;
    int holidayColor = 0;
    int bookmarkColor = 0;
    bool blinkOnToday = false;

    bool operator==(const ColourSettings&) const = default;
};

struct MainWindowSettings {
    // Section "Settings"
    bool showMoon = true;
    int moonHint = 1;
    int moonAspect = 1;  // 1 northern, 2 southern hemisphere, from "Latitude"
    int dateFormat = 2;  // 1 month/day/year, 2 day/month/year
    bool oldEurope = false;
    bool showThanks = true;
    bool showEaster = true;
    bool easterRelated = true;
    bool showPesach = false;
    bool minorPhases = false;
    bool dstCorrection = true;
    bool allTimed = false;
    int sideDays = 1;
    bool savePos = false;
    bool minToTray = true;
    bool delayRes = false;
    int showGhost = 2;
    bool inBrackets = true;
    bool ignoreMissed = false;
    bool ignoreDayColor = false;
    bool ignoreWeekColor = false;
    bool ignorePending = false;
    bool shuffleIcon = false;
    int hintPause = 3;
    std::string waveFile;
    std::string historyFile;
    int top = -1;
    int left = -1;
    int wallpaper = 0;
    int wpx = 0;
    int wpy = 0;
    std::string oldWallpaper;
    std::string oldWallpaperTile = "0";
    std::string oldWallpaperStyle = "0";

    // Section "Colors"
    ColourSettings colours;

    // Section "Location"
    std::string latitude = "51.4667";
    std::string longitude = "0";

    // Section "SNTP"
    bool timeCorrection = false;
    bool autoServer = false;
    std::string timeServer;
    int correctEvery = 60;
    int timeOut = 30;

    bool operator==(const MainWindowSettings&) const = default;
};

// Every key the main window reads at its creation, with its defaults.
MainWindowSettings LoadMainWindowSettings(const IniFile& ini);

// The keys read again after the settings dialog closes: all of the above but
// "DelayRes", "Top", "Left" and the colours other than "Theme", which keep
// their values from `current`.
MainWindowSettings ReloadSettingsAfterDialog(const IniFile& ini, const MainWindowSettings& current);

// The moon drawing's orientation follows the latitude, whatever the file
// says: 1 (northern) for a latitude of 0 or more, 2 (southern) below 0. A
// latitude text that is not a number counts as 0.
int MoonAspectForLatitude(const std::string& latitudeText);

// True when the location is exactly the default pair ("51.4667", "0"): the
// user has not chosen a city yet.
bool IsDefaultLocation(const MainWindowSettings& settings);

}  // namespace orvanto
