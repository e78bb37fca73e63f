// Shared pieces of the reminder tests: a sound that records what it was asked
// to play, a settings file in a temporary folder, and the services around a
// scripted prompt and a fake clock.
#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <cstdlib>
#include <stdexcept>

#include "calendar/day_number.h"
#include "calendar/serial_date.h"
#include "core/clock.h"
#include "core/ini_file.h"
#include "core/scripted_prompt.h"
#include "core/sound.h"
#include "reminders/reminder_record.h"
#include "reminders/reminder_services.h"

namespace orvanto::test {

class RecordingSound : public Sound {
public:
    void Beep() override { played.push_back("beep"); }
    void PlayEvent(const std::string& name) override { played.push_back("event:" + name); }
    bool PlayFile(const std::string& path) override {
        played.push_back("file:" + path);
        return fileAttemptsFailing-- <= 0;
    }
    std::vector<std::string> played;
    int fileAttemptsFailing = 0;
};

class ReminderTempFolder {
public:
    ReminderTempFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "orvanto-reminders-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
        path_ = pattern;
    }
    ~ReminderTempFolder() {
        std::error_code error;
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, error);
        std::filesystem::remove_all(path_, error);
    }
    ReminderTempFolder(const ReminderTempFolder&) = delete;
    ReminderTempFolder& operator=(const ReminderTempFolder&) = delete;

    std::string File(const std::string& name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

inline void WriteText(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
}

// A "Reminders" line: key date "/" sequence "=" value.
inline std::string At(int date, char sequence, const std::string& value) {
    return std::to_string(date) + "/" + sequence + "=" + value;
}

inline std::string ReadText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The serial date of a civil date and time, for the fake clock.
inline double Serial(int year, int month, int day, int hour = 0, int minute = 0, int second = 0) {
    return EncodeDate(year, month, day) + EncodeTime(hour, minute, second);
}

// A settings file with a "Settings" section of the given lines and a
// "Reminders" section of the given lines.
inline std::string SettingsText(const std::vector<std::string>& settings,
                                const std::vector<std::string>& reminders) {
    std::string text = "[Settings]\n";
    for (const std::string& line : settings) text += line + "\n";
    text += "\n[Reminders]\n";
    for (const std::string& line : reminders) text += line + "\n";
    return text;
}

// The "key=value" lines of section "Reminders" of the file.
inline std::vector<std::string> ReminderSection(const std::string& path) {
    std::vector<std::string> lines;
    for (const auto& [key, value] : IniFile(path).ReadSectionPairs("Reminders"))
        lines.push_back(key + "=" + value);
    return lines;
}

// A fake clock, a scripted prompt and a recording sound wired together.
struct ServicesFixture {
    FakeClock clock;
    ScriptedPrompt prompt;
    RecordingSound sound;
    ReminderServices services{prompt, sound, clock};
};

}  // namespace orvanto::test
