// The event list's rules: cell texts, orders, search, the edit panel filled
// from a record, the commit checks and the line they build, saving, and the
// printed lines.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "calendar/day_number.h"
#include "reminders/event_list.h"
#include "reminders/event_list_print.h"
#include "reminders/tests/reminder_test_support.h"

namespace orvanto {
namespace {

using orvanto::test::At;
using ::testing::ElementsAre;

const int k5March2005 = DayNumber(2005, 3, 5);
const int k20March2005 = DayNumber(2005, 3, 20);
const int k7October2005 = DayNumber(2005, 10, 7);

EventListEntry EntryOf(const std::string& line, int number = 1, EventTextStyle style = {}) {
    EventListEntry entry;
    entry.line = line;
    entry.record = *ParseReminder(line);
    entry.number = number;
    entry.cells = EventCellTexts(entry.record, number, style);
    return entry;
}

std::vector<std::string> Column(const std::vector<EventListEntry>& entries, int column) {
    std::vector<std::string> texts;
    for (const EventListEntry& entry : entries)
        texts.push_back(entry.cells[static_cast<std::size_t>(column)]);
    return texts;
}

TEST(EventListCells, EveryColumnOfAFullRecord) {
    const EventCells cells =
        EntryOf(At(k7October2005, '0', "11010,3,1430,4CDF0000,Anna's birthday"), 7, {1, false}).cells;
    EXPECT_THAT(cells, ElementsAre("007 ", "10/07/2005", "14:30", " 3", "Anna's birthday",
                                   "Reminder every 1 year", "03/15/1970", "No limit"));
    EXPECT_THAT(EventColumnHeaders(),
                ElementsAre("N\u00B0", "Date", "Time", "Warning", "Message", "Type", "Start Date", "Limit"));
}

struct CellCase {
    const char* value;
    EventTextStyle style;
    int column;
    const char* text;
};

TEST(EventListCells, TimesTypesAndLimits) {
    const CellCase cases[] = {
        {"10000,0,9999,00000000,x", {2, false}, kTimeColumn, "--:--"},
        {"10000,0,0005,00000000,x", {2, true}, kTimeColumn, "12:05a"},
        {"10000,0,0905,00000000,x", {2, true}, kTimeColumn, "09:05a"},
        {"10000,0,1200,00000000,x", {2, true}, kTimeColumn, "12:00p"},
        {"10000,0,2359,00000000,x", {2, true}, kTimeColumn, "11:59p"},
        {"10000,12,2359,00000000,x", {2, false}, kWarningColumn, "12"},
        {"30000,0,9999,00000000,x", {2, false}, kTypeColumn, "Bookmark"},
        {"21010,0,9999,00000000,x", {2, false}, kTypeColumn, "Holiday  every 1 year"},
        {"12B45,0,9999,00000000,x", {2, false}, kTypeColumn, "Reminder on 4th Friday in November"},
        {"10000,0,9999,00000000,x", {2, false}, kTypeColumn, "Reminder No repeat"},
        {"11012,0,9999,00000005,x", {2, false}, kLimitColumn, "05 times"},
        {"11012,0,9999,00004CDF,x", {2, false}, kLimitColumn, "15/03/1970"},
        {"11012,0,9999,00000000,x", {2, false}, kStartColumn, "--/--/----"},
        {"10000,0,9999,00000000,x", {2, false}, kDateColumn, "05/03/2005"},
    };
    for (const CellCase& c : cases) {
        const EventCells cells = EntryOf(At(k5March2005, '0', c.value), 1, c.style).cells;
        EXPECT_EQ(cells[static_cast<std::size_t>(c.column)], c.text) << c.value;
    }
}

TEST(EventListLoad, SortsByKeyNumbersAndKeepsWhatItDoesNotShow) {
    const EventList list = LoadEventList(
        {At(k20March2005, '0', "10000,0,9999,00000000,Late"), "0/0=10000,0,9999,00000000,Zero date",
         "note without a record", At(k5March2005, '1', "10000,0,9999,00000000,Second"),
         At(k5March2005, '0', "10000,0,9999,00000000,First")},
        {});
    EXPECT_THAT(Column(list.entries, kMessageColumn), ElementsAre("First", "Second", "Late"));
    EXPECT_THAT(Column(list.entries, kNumberColumn), ElementsAre("001 ", "002 ", "003 "));
    EXPECT_EQ(list.keptLines.size(), 2u);
    EXPECT_EQ(EventListLines(list).size(), 5u);
}

TEST(EventListLoad, OpeningRowIsTheFirstRecordFromToday) {
    const EventList list = LoadEventList(
        {At(k5March2005, '0', "10000,0,9999,00000000,a"), At(k20March2005, '0', "10000,0,9999,00000000,b")},
        {});
    EXPECT_EQ(OpeningRow(list.entries, k5March2005 - 1), 0u);
    EXPECT_EQ(OpeningRow(list.entries, k5March2005 + 1), 1u);
    EXPECT_EQ(OpeningRow(list.entries, k20March2005), 1u);
    EXPECT_EQ(OpeningRow(list.entries, k20March2005 + 1), 1u) << "all earlier: the last row";
    EXPECT_EQ(OpeningRow({}, k5March2005), std::nullopt);
}

TEST(EventListSort, ByColumnBothWaysThenByKey) {
    EventList list = LoadEventList({At(k5March2005, '0', "10000,0,9999,00000000,beta"),
                                    At(k5March2005, '1', "10000,0,9999,00000000,Alpha"),
                                    At(k20March2005, '0', "10000,0,9999,00000000,alpha")},
                                   {});
    SortEventsByColumn(list.entries, kMessageColumn, true);
    EXPECT_THAT(Column(list.entries, kMessageColumn), ElementsAre("Alpha", "alpha", "beta")) << "byte order";
    SortEventsByColumn(list.entries, kMessageColumn, false);
    EXPECT_THAT(Column(list.entries, kMessageColumn), ElementsAre("beta", "alpha", "Alpha"));
    SortEventsByKey(list.entries);
    EXPECT_THAT(Column(list.entries, kNumberColumn), ElementsAre("001 ", "002 ", "003 "));
}

TEST(EventListFind, FromARowOnWithOrWithoutCase) {
    const EventList list = LoadEventList({At(k5March2005, '0', "10000,0,9999,00000000,Dentist"),
                                          At(k5March2005, '1', "10000,0,9999,00000000,Gym"),
                                          At(k20March2005, '0', "10000,0,9999,00000000,dentist again")},
                                         {});
    EXPECT_EQ(FindEventRow(list.entries, "dentist", false, 0), 0u);
    EXPECT_EQ(FindEventRow(list.entries, "dentist", true, 0), 2u);
    EXPECT_EQ(FindEventRow(list.entries, "DENTIST", false, 1), 2u);
    EXPECT_EQ(FindEventRow(list.entries, "dentist", false, 3), std::nullopt) << "never wraps";
    EXPECT_EQ(FindEventRow(list.entries, "20/03/2005", false, 0), 2u) << "the date as shown";
    EXPECT_EQ(FindEventRow(list.entries, "001", false, 0), std::nullopt)
        << "the number column is not searched";
}

TEST(EventListPanel, FilledFromARecord) {
    const auto record = ParseReminder(At(k7October2005, '0', "12B45,3,1430,4CDF0007,Anna"));
    const ReminderEntry panel = PanelEntryOf(*record, 2026, true);
    EXPECT_EQ(panel.day, 7);
    EXPECT_EQ(panel.month, 10);
    EXPECT_EQ(panel.year, 2005);
    EXPECT_EQ(panel.typeIndex, 0);
    EXPECT_EQ(panel.repeatKind, 2);
    EXPECT_EQ(panel.monthIndex, 11);
    EXPECT_EQ(panel.whichIndex, 4);
    EXPECT_EQ(panel.weekdayIndex, 5);
    EXPECT_EQ(panel.warningText, "3");
    EXPECT_TRUE(panel.timed);
    EXPECT_EQ(panel.hour, 2);
    EXPECT_TRUE(panel.pm);
    EXPECT_TRUE(panel.useStart);
    EXPECT_EQ(panel.startDayNumber, DayNumber(1970, 3, 15));
    EXPECT_EQ(panel.limitKind, 2);
    EXPECT_EQ(panel.limitCount, 7);
    EXPECT_EQ(panel.limitDayNumber, DayNumber(2026, 12, 31));

    const auto holiday = ParseReminder(At(DayNumber(2004, 2, 29), '0', "21010,3,9999,00000000,Leap"));
    const ReminderEntry leap = PanelEntryOf(*holiday, 2026, false);
    EXPECT_EQ(leap.warningText, "") << "holidays show no warning";
    EXPECT_FALSE(leap.useStart);
    EXPECT_EQ(leap.startDayNumber, DayNumber(2003, 3, 1)) << "a year earlier rolls into March";
    EXPECT_EQ(leap.everyText, "1");
    EXPECT_EQ(leap.limitKind, 0);
}

TEST(EventListPanel, TwelveHourMidnightAndNoon) {
    const auto midnight = ParseReminder(At(k5March2005, '0', "10000,0,0015,00000000,x"));
    const ReminderEntry a = PanelEntryOf(*midnight, 2026, true);
    EXPECT_EQ(a.hour, 12);
    EXPECT_FALSE(a.pm);
    const auto noon = ParseReminder(At(k5March2005, '0', "10000,0,1215,00000000,x"));
    const ReminderEntry b = PanelEntryOf(*noon, 2026, true);
    EXPECT_EQ(b.hour, 12);
    EXPECT_TRUE(b.pm);
}

class EventListCommit : public ::testing::Test {
protected:
    std::vector<EventListEntry> entries_{
        EntryOf(At(k5March2005, '3', "11010,3,1430,4CDF0000,Anna's birthday"))};
    ReminderEntry Panel() const { return PanelEntryOf(entries_[0].record, 2026, false); }
};

TEST_F(EventListCommit, AnUnchangedPanelGivesTheSameLine) {
    const EventCommit commit = CommitEventPanel(Panel(), entries_, 0);
    ASSERT_TRUE(commit.Ok());
    EXPECT_EQ(commit.line, entries_[0].line);
    ReminderEntry twelve = PanelEntryOf(entries_[0].record, 2026, true);
    EXPECT_EQ(CommitEventPanel(twelve, entries_, 0).line, entries_[0].line);
}

TEST_F(EventListCommit, TheBuiltLine) {
    ReminderEntry panel = Panel();
    panel.day = 20;
    panel.warningText = "";
    panel.useStart = false;
    panel.limitKind = 1;
    panel.limitDayNumber = DayNumber(2007, 1, 1);
    panel.text = "  two\nlines  ";  // leading blanks are the text's own
    EXPECT_EQ(CommitEventPanel(panel, entries_, 0).line,
              At(k20March2005, '3',
                 "11010,0,1430,0000" + HexGroup(DayNumber(2007, 1, 1) - 700000) + ",  two lines"));

    panel.typeIndex = 2;  // a bookmark never repeats and has no limit
    EXPECT_EQ(CommitEventPanel(panel, entries_, 0).line,
              At(k20March2005, '3', "30000,0,1430,00000000,  two lines"));
    panel.typeIndex = 1;  // a holiday keeps its time in the event list
    panel.timed = true;
    panel.hour = 9;
    panel.minute = 5;
    EXPECT_EQ(CommitEventPanel(panel, entries_, 0).line,
              At(k20March2005, '3',
                 "21010,0,0905,0000" + HexGroup(DayNumber(2007, 1, 1) - 700000) + ",  two lines"));
    panel.timed = false;
    EXPECT_EQ(CommitEventPanel(panel, entries_, 0).line,
              At(k20March2005, '3',
                 "21010,0,9999,0000" + HexGroup(DayNumber(2007, 1, 1) - 700000) + ",  two lines"));
}

struct FaultCase {
    const char* name;
    void (*change)(ReminderEntry&);
    EntryField field;
    const char* message;
};

TEST_F(EventListCommit, EachCheckInItsOrder) {
    const FaultCase cases[] = {
        {"29 February 2005",
         [](ReminderEntry& p) {
             p.day = 29;
             p.month = 2;
             p.hour = 30;
         },
         EntryField::FirstDate, "Invalid Date"},
        {"year 1752", [](ReminderEntry& p) { p.year = 1752; }, EntryField::FirstDate, "Invalid Date"},
        {"hour 24", [](ReminderEntry& p) { p.hour = 24; }, EntryField::Hour, ""},
        {"twelve-hour 13",
         [](ReminderEntry& p) {
             p.twelveHour = true;
             p.hour = 13;
             p.pm = false;
         },
         EntryField::Hour, ""},
        {"minute 60", [](ReminderEntry& p) { p.minute = 60; }, EntryField::Minute, ""},
        {"start 1900",
         [](ReminderEntry& p) {
             p.startDayNumber = DayNumber(1900, 6, 1);
             p.limitCount = 0;
             p.limitKind = 2;
         },
         EntryField::StartDate, "Start date out of range."},
        {"limit on the day",
         [](ReminderEntry& p) {
             p.limitKind = 1;
             p.limitDayNumber = DayNumber(2005, 3, 5);
         },
         EntryField::LimitDate, "Limit should be greather than event date."},
        {"limit 2100",
         [](ReminderEntry& p) {
             p.limitKind = 1;
             p.limitDayNumber = DayNumber(2100, 3, 5);
         },
         EntryField::LimitDate, "Limit date out of range."},
        {"count 0",
         [](ReminderEntry& p) {
             p.limitKind = 2;
             p.limitCount = 0;
         },
         EntryField::LimitCount, "Limit out of range."},
        {"count 100",
         [](ReminderEntry& p) {
             p.limitKind = 2;
             p.limitCount = 100;
         },
         EntryField::LimitCount, "Limit out of range."},
    };
    for (const FaultCase& c : cases) {
        ReminderEntry panel = Panel();
        c.change(panel);
        const EventCommit commit = CommitEventPanel(panel, entries_, 0);
        EXPECT_EQ(commit.faultField, c.field) << c.name;
        EXPECT_EQ(commit.message, c.message) << c.name;
        EXPECT_FALSE(commit.Ok()) << c.name;
    }
}

TEST(EventListCommitDay, NoThirtySeventhRecordOnADay) {
    std::vector<EventListEntry> entries;
    for (int i = 0; i < kMaxRecordsPerDay; ++i) {
        entries.push_back(EntryOf(
            At(k20March2005, kSequenceCharacters[static_cast<std::size_t>(i)], "10000,0,9999,00000000,full"),
            i + 1));
    }
    entries.push_back(EntryOf(At(k5March2005, '0', "10000,0,9999,00000000,moving"), 37));
    ReminderEntry panel = PanelEntryOf(entries.back().record, 2026, false);
    panel.day = 20;
    const EventCommit commit = CommitEventPanel(panel, entries, entries.size() - 1);
    EXPECT_TRUE(commit.tooManyForDay);
    EXPECT_EQ(commit.message, "There are too many reminders for this day.");
    panel.text = "changed, same day";
    EXPECT_TRUE(CommitEventPanel(panel, entries, 0).Ok()) << "a record of the full day may change";
}

TEST(EventListReplace, TheEditedRecordMovesToItsDate) {
    EventList list = LoadEventList({At(k5March2005, '0', "10000,0,9999,00000000,moves"),
                                    At(k5March2005, '1', "10000,0,9999,00000000,stays"),
                                    At(DayNumber(2005, 3, 10), '0', "10000,0,9999,00000000,tenth")},
                                   {});
    const std::size_t row =
        ReplaceEventLine(list.entries, 0, At(k20March2005, '0', "10000,0,9999,00000000,moves"), {});
    EXPECT_EQ(row, 2u);
    EXPECT_THAT(Column(list.entries, kMessageColumn), ElementsAre("stays", "tenth", "moves"));
    EXPECT_EQ(list.entries[2].cells[kDateColumn], "20/03/2005");
    EXPECT_EQ(list.entries[2].cells[kNumberColumn], "001 ");
}

TEST(EventListSave, RenumbersEachDayAndKeepsOtherLines) {
    test::ReminderTempFolder folder;
    const std::string path = folder.File("ORVANTO.INI");
    test::WriteText(path, test::SettingsText({"DateFormat=1"}, {}));
    EventList list = LoadEventList(
        {At(k5March2005, '4', "10000,0,9999,00000000,c"), At(k5March2005, '2', "10000,0,9999,00000000,a"),
         At(k5March2005, '7', "10000,0,9999,00000000,b"), "junk/0=not a record",
         At(k20March2005, '5', "10000,0,9999,00000000,trimmed")},
        {});
    SortEventsByColumn(list.entries, kMessageColumn, false);
    IniFile settings(path);
    SaveEventList(list, settings);
    EXPECT_THAT(test::ReminderSection(path),
                ElementsAre(At(k5March2005, '0', "10000,0,9999,00000000,a"),
                            At(k5March2005, '1', "10000,0,9999,00000000,b"),
                            At(k5March2005, '2', "10000,0,9999,00000000,c"),
                            At(k20March2005, '0', "10000,0,9999,00000000,trimmed"), "junk/0=not a record"));
}

EventPrintOptions AllOf(int from, int to) {
    EventPrintOptions options;
    options.from = from;
    options.to = to;
    return options;
}

TEST(EventListPrint, SubtitleAndTotal) {
    EventPrintOptions options = AllOf(DayNumber(2005, 3, 1), DayNumber(2005, 3, 31));
    EXPECT_EQ(EventListSubtitle(options, 1), "All event list from 03/01/2005 to 03/31/2005");
    options.type = kPrintHolidays;
    EXPECT_EQ(EventListSubtitle(options, 2), "Holiday list from 01/03/2005 to 31/03/2005");
    EXPECT_EQ(EventListTotalLine(0), "Total: 0 events");
}

TEST(EventListPrint, AFullLineWithContinuations) {
    const std::string message(95, 'm');
    const std::string text = message.substr(0, 40) + "  " + message.substr(40);
    const EventListEntry entry =
        EntryOf(At(k5March2005, '0', "11012,3,1430,4CDF0005," + text), 1, {1, false});
    const std::vector<std::string> lines = EventPrintLines(entry, EventPrintColumns{}, false);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], "03/05/2005  14:30  " + std::string(40, 'm') + "  3  " +
                            "Reminder every 1 week     St: 03/15/1970 Lim: 05 times ");
    EXPECT_EQ(lines[1], std::string(19, ' ') + std::string(40, 'm')) << "leading blanks of the rest removed";
    EXPECT_EQ(lines[2], std::string(19, ' ') + std::string(15, 'm'));

    const EventListEntry afternoon = EntryOf(entry.line, 1, {1, true});
    const std::vector<std::string> twelve = EventPrintLines(afternoon, EventPrintColumns{}, true);
    EXPECT_EQ(twelve[0].substr(0, 21), "03/05/2005  02:30p  m");
    EXPECT_EQ(twelve[1], std::string(20, ' ') + std::string(40, 'm'));
}

TEST(EventListPrint, DateAndLimitOnly) {
    const EventListEntry entry = EntryOf(At(k5March2005, '0', "10000,0,9999,00000000,x"), 1, {1, false});
    EventPrintColumns columns{};
    columns.time = columns.legend = columns.warning = columns.frequency = false;
    EXPECT_THAT(EventPrintLines(entry, columns, false),
                ElementsAre("03/05/2005  St: --/--/---- Lim: No limit "));
}

TEST(EventListPrint, RangeAndTypeChooseTheRecords) {
    const EventList list =
        LoadEventList({At(DayNumber(2005, 2, 28), '0', "21010,0,9999,00000000,February holiday"),
                       At(DayNumber(2005, 3, 1), '0', "21010,0,9999,00000000,March holiday"),
                       At(DayNumber(2005, 3, 17), '0', "10000,0,9999,00000000,March reminder"),
                       At(DayNumber(2005, 3, 31), '0', "20000,0,9999,00000000,Last holiday"),
                       At(DayNumber(2005, 4, 1), '0', "21010,0,9999,00000000,April holiday")},
                      {1, false});
    EventPrintOptions options = AllOf(DayNumber(2005, 3, 1), DayNumber(2005, 3, 31));
    options.type = kPrintHolidays;
    const EventPrintText text = EventListPrintText(list.entries, options, false);
    EXPECT_EQ(text.count, 2);
    ASSERT_EQ(text.lines.size(), 2u);
    EXPECT_NE(text.lines[0].find("March holiday"), std::string::npos);
    EXPECT_NE(text.lines[1].find("Last holiday"), std::string::npos);
    options.type = kPrintAll;
    EXPECT_EQ(EventListPrintText(list.entries, options, false).count, 3);
    options.type = kPrintBookmarks;
    EXPECT_EQ(EventListPrintText(list.entries, options, false).count, 0);
}

}  // namespace
}  // namespace orvanto
