// The settings file's keys: for each its section, type, read defaults and the
// value a new file holds, as one table. Every reader takes its default from
// here, so two readers of one key never disagree by accident, and where they
// differ on purpose the difference is written down in one place.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "core/ini_file.h"

namespace orvanto {

inline constexpr std::string_view kSettingsSection = "Settings";
inline constexpr std::string_view kColorsSection = "Colors";
inline constexpr std::string_view kLocationSection = "Location";
inline constexpr std::string_view kSntpSection = "SNTP";
inline constexpr std::string_view kPrintSection = "Print";
inline constexpr std::string_view kRemindersSection = "Reminders";

// The time server the main window uses when "TimeServer" is missing.
inline constexpr std::string_view kDefaultTimeServer = "pool.ntp.org";

// The location a file without "Latitude" and "Longitude" stands for.
inline constexpr std::string_view kGreenwichLatitude = "51.4667";
inline constexpr std::string_view kGreenwichLongitude = "0";

enum class SettingType { Boolean, Integer, Text, Colour };

// The readers whose defaults differ for some keys.
enum class SettingsReader {
    MainWindow,             // main window creation
    MainWindowAfterDialog,  // main window, reading again after the settings dialog
    SettingsDialog,
    DistanceCalculator,
    AstronomicalWindow,
    StartupPass,  // start-up reminder pass
    PrintDialog,
};

struct SettingKey {
    std::string_view section;
    std::string_view key;
    SettingType type;
    // The default most readers use; none for a key no one reads.
    std::optional<std::string_view> readDefault;
    // The value written into a new file; none when a new file lacks the key.
    std::optional<std::string_view> newFileValue;
};

// A reader whose default for a key differs from the key's common default.
struct ReaderDefault {
    std::string_view section;
    std::string_view key;
    SettingsReader reader;
    std::string_view value;
};

// Every key of "Settings", "Colors", "Location", "SNTP" and "Print", in the
// order of a new file where a new file holds them.
std::span<const SettingKey> SettingKeys();
std::span<const ReaderDefault> ReaderSpecificDefaults();

// The key's entry (names compared without regard to case); nullptr when the
// table has no such key.
const SettingKey* FindSettingKey(std::string_view section, std::string_view key);

// The default this reader uses for the key. Throws std::out_of_range for a key
// that is not in the table or that no one reads.
std::string_view ReadDefault(std::string_view section, std::string_view key, SettingsReader reader);

// The content of a new settings file, byte for byte (LF line ends).
std::string DefaultSettingsContent();

// Reads of a key with this reader's default from the table.
bool ReadSettingBool(const IniFile& ini, std::string_view section, std::string_view key,
                     SettingsReader reader);
int ReadSettingInteger(const IniFile& ini, std::string_view section, std::string_view key,
                       SettingsReader reader);
std::string ReadSettingText(const IniFile& ini, std::string_view section, std::string_view key,
                            SettingsReader reader);

}  // namespace orvanto
