// Importing iCalendar files of other programs, and files that are no
// iCalendar at all.
#include "ical/ical_import.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "calendar/day_number.h"
#include "ical/tests/ical_test_support.h"
#include "reminders/reminder_record.h"
#include "reminders/reminder_store.h"

namespace orvanto {
namespace {

using ical_test::TempSettings;
using ical_test::ZoneScope;

std::string ReadTestFile(const std::string& name) {
    std::ifstream in(std::string(ORVANTO_SOURCE_DIR) + "/ical/tests/files/" + name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// "date=value" of each record read, in file order.
std::vector<std::string> Records(const IcsReading& reading) {
    std::vector<std::string> records;
    for (const ImportedRecord& record : reading.records)
        records.push_back(std::to_string(record.date) + "=" + record.value);
    return records;
}

std::string At(int year, int month, int day, const std::string& value) {
    return std::to_string(DayNumber(year, month, day)) + "=" + value;
}

bool Mentions(const std::vector<std::string>& notes, const std::string& part) {
    return std::any_of(notes.begin(), notes.end(),
                       [&](const std::string& note) { return note.find(part) != std::string::npos; });
}

TEST(IcalImport, AGoogleCalendarFile) {
    const ZoneScope zone("Europe/Madrid");
    const IcsReading reading = ReadIcs(ReadTestFile("google.ics"));
    ASSERT_FALSE(reading.error) << *reading.error;
    const std::string title =
        "Weekly team meeting with a title long enough to be folded by the writer at seventy-five octets";
    // New York 09:00 is 15:00 in Madrid; a folded summary is read whole.
    EXPECT_EQ(Records(reading), (std::vector<std::string>{
                                    At(2027, 1, 15, "11012,0,1500,00000000," + title),
                                    At(2027, 7, 4, "11010,0,9999,00000000,Independence Day picnic"),
                                    At(2027, 3, 1, "10000,0,1600,00000000,Call in UTC"),
                                }));
    EXPECT_TRUE(Mentions(reading.notes, "EXDATE"));
    EXPECT_TRUE(Mentions(reading.notes, "10 minutes"));
}

TEST(IcalImport, AnAppleCalendarFile) {
    const ZoneScope zone("Europe/Madrid");
    const IcsReading reading = ReadIcs(ReadTestFile("apple.ics"));
    ASSERT_FALSE(reading.error) << *reading.error;
    // Three weekdays in one rule: a weekly record each, sharing the 30 times.
    EXPECT_EQ(Records(reading), (std::vector<std::string>{
                                    At(2027, 1, 4, "11012,0,0730,0000000A,Gym"),
                                    At(2027, 1, 6, "11012,0,0730,0000000A,Gym"),
                                    At(2027, 1, 8, "11012,0,0730,0000000A,Gym"),
                                    At(2027, 11, 26, "12B44,2,9999,00000000,Thanksgiving dinner"),
                                }));
    EXPECT_TRUE(Mentions(reading.notes, "one record per weekday"));
}

TEST(IcalImport, AThunderbirdFile) {
    const ZoneScope zone("Europe/Madrid");
    const IcsReading reading = ReadIcs(ReadTestFile("thunderbird.ics"));
    ASSERT_FALSE(reading.error) << *reading.error;
    const std::string rentLimit = HexGroup(DayNumber(2028, 12, 31) - kStoredDateOffset);
    const std::string standupLimit = HexGroup(DayNumber(2027, 1, 10) + 2 * 249 - kStoredDateOffset);
    EXPECT_EQ(Records(reading), (std::vector<std::string>{
                                    At(2027, 1, 29, "12055,0,9999,0000" + rentLimit + ",Pay the rent"),
                                    At(2027, 1, 10, "10000,0,0800,00000000,Backup every hour"),
                                    At(2027, 1, 10, "11023,0,0915,0000" + standupLimit + ",Standup"),
                                    At(2027, 1, 12, "10000,0,1015,00000000,Standup (moved)"),
                                }));
    EXPECT_TRUE(Mentions(reading.notes, "more often than daily"));
    EXPECT_TRUE(Mentions(reading.notes, "count of 250 became a limit date"));
    EXPECT_TRUE(Mentions(reading.notes, "changed occurrence"));
}

TEST(IcalImport, DuplicatesFullDaysAndTheRangeAreReportedPerEvent) {
    TempSettings folder;
    IniFile settings = folder.Ini();
    const int day = DayNumber(2027, 5, 5);
    std::vector<ImportedRecord> records;
    for (int i = 0; i < 37; ++i)
        records.push_back({day, "10000,0,9999,00000000,Event " + std::to_string(i),
                           "2027-05-05 Event " + std::to_string(i)});
    records.push_back({day, "10000,0,9999,00000000,Event 3", "2027-05-05 Event 3"});
    records.push_back({DayNumber(1700, 1, 1), "10000,0,9999,00000000,Too early", "1700-01-01 Too early"});

    // A dry run reports and writes nothing.
    const std::string before = folder.ReadFile("ORVANTO.INI");
    const IcsImportOutcome dry = AddImportedRecords(settings, records, true);
    EXPECT_EQ(dry.added.size(), 36u);
    EXPECT_EQ(folder.ReadFile("ORVANTO.INI"), before);

    const IcsImportOutcome outcome = AddImportedRecords(settings, records, false);
    EXPECT_EQ(outcome.added.size(), 36u);
    EXPECT_TRUE(Mentions(outcome.notes, "Event 36: " + std::string(kTooManyRemindersMessage)));
    EXPECT_TRUE(Mentions(outcome.notes, "Event 3: already present"));
    EXPECT_TRUE(Mentions(outcome.notes, "Too early"));
    const ReminderLines lines = ReadReminderLines(settings);
    EXPECT_EQ(lines.size(), 36u);
    EXPECT_EQ(std::string(KeyOf(lines.back())), std::to_string(day) + "/Z");
}

TEST(IcalImport, FilesThatAreNoCalendarAreRefusedWithTheirLine) {
    struct Case {
        std::string text;
        std::string error;
    };
    const Case cases[] = {
        {std::string("BEGIN:VCALENDAR\nVERSION:2.0\nSUMMARY:x\0y\n", 38),
         "line 3: the file holds binary data"},
        {"BEGIN:VCALENDAR\nBEGIN:VEVENT\nSUMMARY:cut short\n", "line 4: the file ends inside BEGIN:VEVENT"},
        {"BEGIN:VCALENDAR\nBEGIN:VEVENT\nEND:VTODO\nEND:VCALENDAR\n",
         "line 3: END:VTODO does not close BEGIN:VEVENT"},
        {"hello\n", "line 1: expected NAME:VALUE"},
        {"VERSION:2.0\n", "line 1: content outside BEGIN:VCALENDAR"},
        {"BEGIN:VCALENDAR\nno colon here\nEND:VCALENDAR\n", "line 2: expected NAME:VALUE"},
        {"", "line 1: no BEGIN:VCALENDAR"},
    };
    for (const Case& c : cases) {
        const IcsReading reading = ReadIcs(c.text);
        ASSERT_TRUE(reading.error) << c.error;
        EXPECT_EQ(reading.error->rfind(c.error, 0), 0u) << *reading.error;
        EXPECT_TRUE(reading.records.empty());
    }
}

TEST(IcalImport, HostileFilesEndQuickly) {
    // Components nested deeper than any calendar nests them.
    std::string nested = "BEGIN:VCALENDAR\n";
    for (int i = 0; i < 10000; ++i) nested += "BEGIN:VEVENT\n";
    EXPECT_NE(ReadIcs(nested).error->find("nested too deeply"), std::string::npos);

    // Lines of 10 MB: a summary is cut, an attachment left out, each with a note.
    const std::string longText(10 * 1024 * 1024, 'a');
    const IcsReading longLine =
        ReadIcs("BEGIN:VCALENDAR\nBEGIN:VEVENT\nDTSTART;VALUE=DATE:20270101\nSUMMARY:" + longText +
                "\nATTACH;ENCODING=BASE64;VALUE=BINARY:" + longText + "\nEND:VEVENT\nEND:VCALENDAR\n");
    ASSERT_FALSE(longLine.error);
    ASSERT_EQ(longLine.records.size(), 1u);
    EXPECT_TRUE(Mentions(longLine.notes, "line 4: SUMMARY cut"));
    EXPECT_TRUE(Mentions(longLine.notes, "line 5: ATTACH of"));

    // 100,000 events.
    std::string many = "BEGIN:VCALENDAR\n";
    for (int i = 0; i < 100000; ++i)
        many += "BEGIN:VEVENT\nDTSTART;VALUE=DATE:20270101\nSUMMARY:e" + std::to_string(i) + "\nEND:VEVENT\n";
    many += "END:VCALENDAR\n";
    const IcsReading reading = ReadIcs(many);
    ASSERT_FALSE(reading.error);
    EXPECT_EQ(reading.records.size(), 100000u);
}

}  // namespace
}  // namespace orvanto
