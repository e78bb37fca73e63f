#include "core/settings_keys.h"

#include <algorithm>
#include <stdexcept>

namespace orvanto {

namespace {

using T = SettingType;
using R = SettingsReader;
constexpr std::optional<std::string_view> kNone = std::nullopt;

// section, key, type, read default, value in a new file
constexpr SettingKey kKeys[] = {
    {"Settings", "ShowMoon", T::Boolean, "1", "1"},
    {"Settings", "MoonHint", T::Integer, "1", "1"},
    {"Settings", "MoonAspect", T::Integer, "2", "1"},
    {"Settings", "DateFormat", T::Integer, "2", "1"},
    {"Settings", "OldEurope", T::Boolean, "0", "0"},
    {"Settings", "ShowThanks", T::Boolean, "1", "1"},
    {"Settings", "ShowEaster", T::Boolean, "1", "1"},
    {"Settings", "EasterRelated", T::Boolean, "1", "1"},
    {"Settings", "ShowPesach", T::Boolean, "0", "0"},
    {"Settings", "MinorPhases", T::Boolean, "0", "0"},
    {"Settings", "DSTCorrection", T::Boolean, "1", "1"},
    {"Settings", "AllTimed", T::Boolean, "0", "0"},
    {"Settings", "SideDays", T::Integer, "1", "1"},
    {"Settings", "SavePos", T::Boolean, "0", "0"},
    {"Settings", "MinToTray", T::Boolean, "1", "1"},
    {"Settings", "HideININame", T::Boolean, kNone, "0"},
    {"Settings", "DelayRes", T::Boolean, "0", "0"},
    {"Settings", "ShowGhost", T::Integer, "2", "2"},
    {"Settings", "InBrackets", T::Boolean, "1", "1"},
    {"Settings", "IgnoreMissed", T::Boolean, "0", "0"},
    {"Settings", "ExpireAfter", T::Integer, "0", kNone},
    {"Settings", "IgnoreDayColor", T::Boolean, "0", kNone},
    {"Settings", "IgnoreWeekColor", T::Boolean, "0", kNone},
    {"Settings", "IgnorePending", T::Boolean, "0", "0"},
    // A new file holds 1; a file without the key gives the default of a
    // system without the 95 family's tray trouble (see the reader table).
    {"Settings", "ShuffleIcon", T::Boolean, "0", "1"},
    {"Settings", "HintPause", T::Integer, "3", "3"},
    {"Settings", "WaveFile", T::Text, "", ""},
    {"Settings", "HistoryFile", T::Text, "", kNone},
    {"Settings", "Top", T::Integer, "-1", "-1"},
    {"Settings", "Left", T::Integer, "-1", "-1"},
    {"Settings", "Wallpaper", T::Integer, "0", kNone},
    {"Settings", "WPX", T::Integer, "0", kNone},
    {"Settings", "WPY", T::Integer, "0", kNone},
    {"Settings", "OldWallpaper", T::Text, "", kNone},
    {"Settings", "OldWallpaperTile", T::Text, "0", kNone},
    {"Settings", "OldWallpaperStyle", T::Text, "0", kNone},
    {"Settings", "WinResize", T::Boolean, "1", kNone},

    {"Colors", "Theme", T::Integer, "0", "0"},
    {"Colors", "TitleColor", T::Colour, "0", "0"},
    {"Colors", "TitleBColor", T::Colour, "12632256", "16777215"},
    {"Colors", "TodayColor", T::Colour, "16711680", "16777215"},
    {"Colors", "TodayFColor", T::Colour, "0", "0"},
    {"Colors", "NormalColor", T::Colour, "0", "0"},
    {"Colors", "SundayColor", T::Colour, "255", "255"},
    {"Colors", "MonthColor", T::Colour, "0", "0"},
    {"Colors", "EventsColor", T::Colour, "16711680", "16711680"},
    {"Colors", "TimedEventsColor", T::Colour, "16711935", "16711935"},
    {"Colors", "MixedEventsColor", T::Colour, "16776960", "16776960"},
    {"Colors", "HolidayColor", T::Colour, "32768", "32768"},
    {"Colors", "BookmarkColor", T::Colour, "65535", "65535"},
    {"Colors", "BlinkOnToday", T::Boolean, "0", "0"},

    {"Location", "RegionIndex", T::Integer, "-1", kNone},
    {"Location", "CityIndex", T::Integer, "-1", kNone},
    {"Location", "CityName", T::Text, "Not defined", kNone},
    {"Location", "Latitude", T::Text, kGreenwichLatitude, kNone},
    {"Location", "Longitude", T::Text, kGreenwichLongitude, kNone},

    {"SNTP", "TimeCorrection", T::Boolean, "0", kNone},
    {"SNTP", "AutoServer", T::Boolean, "0", kNone},
    {"SNTP", "TimeServer", T::Text, "", kNone},
    {"SNTP", "CorrectEvery", T::Integer, "60", kNone},
    {"SNTP", "TimeOut", T::Integer, "30", kNone},

    {"Print", "LastType", T::Integer, "0", kNone},
    {"Print", "PrintMoon", T::Boolean, "1", kNone},
    {"Print", "PrintHoly", T::Boolean, "1", kNone},
    {"Print", "PrintEvent", T::Boolean, "1", kNone},
};

// section, key, reader, the default that reader uses instead of the common one
constexpr ReaderDefault kReaderDefaults[] = {
    {"Settings", "ShowPesach", R::MainWindowAfterDialog, "1"},
    {"Settings", "ShowGhost", R::SettingsDialog, "1"},
    {"Settings", "ShuffleIcon", R::SettingsDialog, "1"},
    {"Location", "RegionIndex", R::DistanceCalculator, "-2"},
    {"Location", "CityIndex", R::DistanceCalculator, "-2"},
    {"Location", "CityName", R::AstronomicalWindow, "Greenwich Obs, England"},
    {"Location", "Latitude", R::SettingsDialog, "0"},
    {"Location", "Latitude", R::DistanceCalculator, "0"},
    {"SNTP", "TimeCorrection", R::SettingsDialog, "1"},
    {"SNTP", "AutoServer", R::MainWindowAfterDialog, "1"},
    {"SNTP", "AutoServer", R::SettingsDialog, "1"},
    {"SNTP", "TimeServer", R::MainWindow, kDefaultTimeServer},
};

// The sections of a new file, in order; an empty line between them.
constexpr std::string_view kNewFileSections[] = {"Settings", "Colors"};

bool SameName(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        const auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; };
        return lower(x) == lower(y);
    });
}

}  // namespace

std::span<const SettingKey> SettingKeys() { return kKeys; }

std::span<const ReaderDefault> ReaderSpecificDefaults() { return kReaderDefaults; }

const SettingKey* FindSettingKey(std::string_view section, std::string_view key) {
    for (const SettingKey& entry : kKeys) {
        if (SameName(entry.section, section) && SameName(entry.key, key)) return &entry;
    }
    return nullptr;
}

std::string_view ReadDefault(std::string_view section, std::string_view key, SettingsReader reader) {
    for (const ReaderDefault& entry : kReaderDefaults) {
        if (entry.reader == reader && SameName(entry.section, section) && SameName(entry.key, key)) {
            return entry.value;
        }
    }
    const SettingKey* entry = FindSettingKey(section, key);
    if (entry == nullptr || !entry->readDefault) {
        throw std::out_of_range("no read default for " + std::string(section) + "/" + std::string(key));
    }
    return *entry->readDefault;
}

std::string DefaultSettingsContent() {
    std::string content;
    for (std::string_view section : kNewFileSections) {
        if (!content.empty()) content += "\n";
        content += "[" + std::string(section) + "]\n";
        for (const SettingKey& entry : kKeys) {
            if (entry.section == section && entry.newFileValue) {
                content += std::string(entry.key) + "=" + std::string(*entry.newFileValue) + "\n";
            }
        }
    }
    return content;
}

bool ReadSettingBool(const IniFile& ini, std::string_view section, std::string_view key,
                     SettingsReader reader) {
    return ReadSettingInteger(ini, section, key, reader) != 0;
}

int ReadSettingInteger(const IniFile& ini, std::string_view section, std::string_view key,
                       SettingsReader reader) {
    const int fallback = std::stoi(std::string(ReadDefault(section, key, reader)));
    return ini.ReadInteger(std::string(section), std::string(key), fallback);
}

std::string ReadSettingText(const IniFile& ini, std::string_view section, std::string_view key,
                            SettingsReader reader) {
    return ini.ReadString(std::string(section), std::string(key),
                          std::string(ReadDefault(section, key, reader)));
}

}  // namespace orvanto
