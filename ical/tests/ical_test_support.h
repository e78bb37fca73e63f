// Test support of the iCalendar room: a settings file in a temporary folder,
// the process's zone set for a test, and the records of a section.
#pragma once

#include <unistd.h>

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>

#include "calendar/day_number.h"
#include "core/ini_file.h"
#include "reminders/reminder_record.h"

namespace orvanto::ical_test {

class TempSettings {
public:
    TempSettings() {
        std::string pattern = (std::filesystem::temp_directory_path() / "orvanto-ical-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) std::abort();
        folder_ = pattern;
        WriteFile("ORVANTO.INI", "[Settings]\nShowGhost=2\n\n[Reminders]\n");
    }
    ~TempSettings() {
        std::error_code error;
        std::filesystem::remove_all(folder_, error);
    }
    TempSettings(const TempSettings&) = delete;
    TempSettings& operator=(const TempSettings&) = delete;

    std::string Path() const { return File("ORVANTO.INI"); }
    std::string File(const std::string& name) const { return (folder_ / name).string(); }
    IniFile Ini() const { return IniFile(Path()); }
    void WriteFile(const std::string& name, const std::string& bytes) const {
        std::ofstream(File(name), std::ios::binary | std::ios::trunc) << bytes;
    }
    std::string ReadFile(const std::string& name) const {
        std::ifstream in(File(name), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

private:
    std::filesystem::path folder_;
};

// The process's zone for the life of the object.
class ZoneScope {
public:
    explicit ZoneScope(const char* zone) {
        if (const char* old = std::getenv("TZ")) previous_ = old;
        ::setenv("TZ", zone, 1);
        ::tzset();
    }
    ~ZoneScope() {
        if (previous_)
            ::setenv("TZ", previous_->c_str(), 1);
        else
            ::unsetenv("TZ");
        ::tzset();
    }

private:
    std::optional<std::string> previous_;
};

inline std::string Line(int year, int month, int day, char sequence, const std::string& value) {
    return std::to_string(DayNumber(year, month, day)) + "/" + sequence + "=" + value;
}

inline ReminderRecord Record(int year, int month, int day, const std::string& value) {
    return *ParseReminder(Line(year, month, day, '0', value));
}

}  // namespace orvanto::ical_test
