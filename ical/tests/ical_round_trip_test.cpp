// Export and import together: a round trip keeps every record and UID, and
// an independent library expands the exported rules to days the month view
// shows for each record.
#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <random>
#include <regex>
#include <set>
#include <sstream>

#include "ical/ical_export.h"
#include "ical/ical_import.h"
#include "ical/ical_series.h"
#include "ical/tests/ical_test_support.h"
#include "reminders/reminder_store.h"

namespace orvanto {
namespace {

using ical_test::Line;
using ical_test::TempSettings;
using ical_test::ZoneScope;

const ReminderLines kSampleLines = {
    Line(2005, 10, 7, '0', "11010,3,1430,4CDF0000,Anna's birthday"),
    Line(2026, 12, 11, '0', "10000,0,9999,00000000,Dentist, then lunch"),
    Line(2026, 12, 11, '1', "10000,0,0815,00000000,Early train"),
    Line(2026, 12, 12, '0', "11012,0,0900,00000005,Weekly five times"),
    Line(2026, 11, 27, '0', "12B45,1,9999,00000000,Fourth Friday of November"),
    Line(2026, 12, 28, '0', "12051,0,1800,00000000,Last Monday monthly"),
    Line(2026, 12, 25, '0', "21010,0,9999,00000000,Christmas at home"),
    Line(2026, 12, 16, '0', "30000,0,9999,00000000,A bookmark"),
    Line(2027, 1, 31, '0', "11011,0,9999,00000000,Rent on the last day"),
    Line(1899, 12, 20, '0', "11022,0,9999,00000000,Every other week since 1899"),
};

std::set<std::string> Matches(const std::string& text, const std::string& pattern) {
    std::set<std::string> found;
    const std::regex expression(pattern);
    for (auto it = std::sregex_iterator(text.begin(), text.end(), expression); it != std::sregex_iterator();
         ++it)
        found.insert((*it)[1]);
    return found;
}

std::vector<std::string> RecordsOf(const IniFile& settings) {
    std::vector<std::string> records;
    for (const std::string& line : ReadReminderLines(settings)) {
        const auto record = ParseReminder(line);
        if (record) records.push_back(std::to_string(record->date) + "=" + std::string(ValueOf(line)));
    }
    std::sort(records.begin(), records.end());
    return records;
}

TEST(IcalRoundTrip, ExportImportExportKeepsRecordsAndUids) {
    const ZoneScope zone("Europe/Madrid");
    IcsExportOptions options;
    options.timeZoneId = "Europe/Madrid";
    const IcsExport first = ExportReminders(kSampleLines, options);
    EXPECT_EQ(first.records, static_cast<int>(kSampleLines.size()));

    TempSettings empty;
    IniFile settings = empty.Ini();
    const IcsReading reading = ReadIcs(first.text);
    ASSERT_FALSE(reading.error) << *reading.error;
    const IcsImportOutcome outcome = AddImportedRecords(settings, reading.records, false);
    EXPECT_EQ(outcome.added.size(), kSampleLines.size());
    EXPECT_TRUE(outcome.notes.empty());

    std::vector<std::string> expected;
    for (const std::string& line : kSampleLines) {
        const auto record = ParseReminder(line);
        expected.push_back(std::to_string(record->date) + "=" + std::string(ValueOf(line)));
    }
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(RecordsOf(settings), expected);

    const IcsExport second = ExportReminders(ReadReminderLines(settings), options);
    EXPECT_EQ(Matches(second.text, "UID:([^\r\n]+)"), Matches(first.text, "UID:([^\r\n]+)"));
    EXPECT_EQ(Matches(second.text, "RRULE:([^\r\n]+)"), Matches(first.text, "RRULE:([^\r\n]+)"));

    // A second import adds nothing: every event is present already.
    const IcsImportOutcome again = AddImportedRecords(settings, ReadIcs(first.text).records, false);
    EXPECT_TRUE(again.added.empty());
    EXPECT_EQ(again.notes.size(), kSampleLines.size());
}

TEST(IcalRoundTrip, TimedEventsCarryTheirZoneAndAlarms) {
    IcsExportOptions options;
    options.timeZoneId = "Europe/Madrid";
    const std::string text = ExportReminders(kSampleLines, options).text;
    EXPECT_NE(text.find("BEGIN:VTIMEZONE"), std::string::npos);
    EXPECT_NE(text.find("TZID:Europe/Madrid"), std::string::npos);
    EXPECT_NE(text.find("DTSTART;TZID=Europe/Madrid:20051007T143000"), std::string::npos);
    EXPECT_NE(text.find("DTSTART;VALUE=DATE:20261211"), std::string::npos);
    EXPECT_NE(text.find("TRIGGER:-P3D"), std::string::npos);
    EXPECT_NE(text.find("RRULE:FREQ=WEEKLY;COUNT=5"), std::string::npos);
    EXPECT_NE(text.find("RRULE:FREQ=YEARLY;UNTIL=20781231;BYDAY=4FR;BYMONTH=11"), std::string::npos);
    EXPECT_NE(text.find("CATEGORIES:Holiday"), std::string::npos);
    EXPECT_NE(text.find("CATEGORIES:Bookmark"), std::string::npos);
    EXPECT_NE(text.find("SUMMARY:Dentist\\, then lunch"), std::string::npos);
}

TEST(IcalRoundTrip, FiltersAndCalculatedHolidays) {
    IcsExportOptions options;
    options.types = kExportHolidays;
    EXPECT_EQ(ExportReminders(kSampleLines, options).records, 1);
    options.types = kExportAllTypes;
    options.fromDate = DayNumber(2026, 12, 12);
    options.toDate = DayNumber(2026, 12, 31);
    EXPECT_EQ(ExportReminders(kSampleLines, options).records, 4);

    options.withCalculatedHolidays = true;
    options.fromYear = options.toYear = 2026;
    const std::string text = ExportReminders(kSampleLines, options).text;
    EXPECT_NE(text.find("SUMMARY:Christmas"), std::string::npos);
    EXPECT_NE(text.find("X-ORVANTO-CALCULATED:TRUE"), std::string::npos);
    // Imported again, the computed holidays are reported and not stored.
    const IcsReading reading = ReadIcs(text);
    EXPECT_EQ(reading.records.size(), 4u);
    EXPECT_FALSE(reading.notes.empty());
}

// Every occurrence python-dateutil expands from the exported file is a day
// the month view shows for its record, over the whole calendar, and together
// they are all of them.
TEST(IcalRoundTrip, AnIndependentLibraryExpandsTheRulesToTheMonthViewDays) {
    std::mt19937 random(20261211);
    ReminderLines lines = kSampleLines;
    const char* kinds[] = {"11%02d0", "11%02d1", "11%02d2", "11%02d3", "12%c%d%d"};
    for (int i = 0; i < 40; ++i) {
        const int year = 1753 + static_cast<int>(random() % 326);
        const int month = 1 + static_cast<int>(random() % 12);
        const int day = 1 + static_cast<int>(random() % 28) + (i % 5 == 1 ? 2 : 0);
        char code[8];
        const int kind = static_cast<int>(random() % 5);
        if (kind < 4)
            std::snprintf(code, sizeof code, kinds[kind],
                          1 + static_cast<int>(random() % (kind == 3 ? 30 : 6)));
        else
            std::snprintf(code, sizeof code, kinds[4], "0123456789ABC"[random() % 13],
                          static_cast<int>(random() % 6), static_cast<int>(random() % 7));
        const int limit = i % 3 == 0 ? 2 + static_cast<int>(random() % 20) : 0;
        lines.push_back(
            Line(year, month, std::min(day, 28 + (month != 2 ? 2 : 0)), '0',
                 std::string(code) + ",0,9999,0000" + HexGroup(limit) + ",random " + std::to_string(i)));
    }

    TempSettings folder;
    IcsExportOptions options;
    folder.WriteFile("export.ics", ExportReminders(lines, options).text);
    const std::string command = "python3 " ORVANTO_SOURCE_DIR "/ical/tests/expand_ics.py " +
                                folder.File("export.ics") + " 2078 > " + folder.File("expanded.txt");
    ASSERT_EQ(std::system(command.c_str()), 0);
    std::map<std::string, std::set<std::string>> expanded;
    std::istringstream out(folder.ReadFile("expanded.txt"));
    for (std::string uid, date; out >> uid >> date;) expanded[uid].insert(date);

    for (const std::string& line : lines) {
        const ReminderRecord record = *ParseReminder(line);
        std::set<std::string> shown;
        for (int date : MonthViewOccurrences(record, DayNumber(2078, 12, 31))) {
            const CivilDate civil = DateFromDayNumber(date);
            char text[16];
            std::snprintf(text, sizeof text, "%04d-%02d-%02d", civil.year, civil.month, civil.day);
            shown.insert(text);
        }
        const std::set<std::string>& dates = expanded[RecordUid(record)];
        ASSERT_FALSE(dates.empty()) << line;
        for (const std::string& date : dates)
            EXPECT_TRUE(shown.count(date)) << line << " expands to " << date;
        const int limit = record.LimitValue();
        // Without a count the series is exactly what the month view shows.
        if (limit == 0) {
            EXPECT_EQ(dates.size(), shown.size()) << line;
        } else if (limit <= 99 && record.repeatKind == kRepeatEvery) {
            EXPECT_EQ(dates.size(), std::min<std::size_t>(static_cast<std::size_t>(limit), shown.size()))
                << line;
        }
    }
}

}  // namespace
}  // namespace orvanto
