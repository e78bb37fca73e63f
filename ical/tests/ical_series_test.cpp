// Records as recurrence rules: the rule of each repeat kind, the limits, and
// the places where the calendar's own arithmetic needs more than one rule.
#include "ical/ical_series.h"

#include <gtest/gtest.h>

#include "calendar/day_number.h"
#include "ical/tests/ical_test_support.h"

namespace orvanto {
namespace {

using ical_test::Record;

struct RuleCase {
    const char* name;
    std::string value;
    std::string rule;
};

void PrintTo(const RuleCase& c, std::ostream* out) { *out << c.name; }

class NaturalRuleTest : public ::testing::TestWithParam<RuleCase> {};

TEST_P(NaturalRuleTest, EachRepeatKindHasItsRule) {
    EXPECT_EQ(NaturalRule(Record(2026, 3, 13, GetParam().value)), GetParam().rule);
}

INSTANTIATE_TEST_SUITE_P(
    RepeatKinds, NaturalRuleTest,
    ::testing::Values(
        RuleCase{"OneTime", "10000,0,9999,00000000,x", ""},
        RuleCase{"EveryYear", "11010,0,9999,00000000,x", "FREQ=YEARLY"},
        RuleCase{"EveryTwoMonths", "11021,0,9999,00000000,x", "FREQ=MONTHLY;INTERVAL=2"},
        RuleCase{"EveryWeek", "11012,0,9999,00000000,x", "FREQ=WEEKLY"},
        RuleCase{"Every99Days", "11993,0,9999,00000000,x", "FREQ=DAILY;INTERVAL=99"},
        RuleCase{"FourthFridayOfNovember", "12B45,0,9999,00000000,x", "FREQ=YEARLY;BYMONTH=11;BYDAY=4FR"},
        RuleCase{"LastMondayOfEveryMonth", "12051,0,9999,00000000,x", "FREQ=MONTHLY;BYDAY=-1MO"},
        RuleCase{"EveryTuesdayOfMarch", "12302,0,9999,00000000,x", "FREQ=YEARLY;BYMONTH=3;BYDAY=TU"},
        RuleCase{"YearlyHoliday", "21010,0,9999,00000000,x", "FREQ=YEARLY"},
        RuleCase{"Bookmark", "30000,0,9999,00000000,x", ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(IcalSeries, LimitsBecomeCountOrEndDate) {
    // Every week, five times in all: COUNT 5.
    auto segments = SeriesOf(Record(2026, 3, 13, "11012,0,9999,00000005,x"));
    ASSERT_EQ(segments.size(), 1u);
    EXPECT_EQ(segments[0].rule, "FREQ=WEEKLY");
    EXPECT_EQ(segments[0].count, 5);
    EXPECT_EQ(segments[0].lastDate, DayNumber(2026, 4, 10));

    // A limit date: the series ends on it.
    const int limit = DayNumber(2026, 6, 30);
    segments =
        SeriesOf(Record(2026, 3, 13, "11012,0,9999,0000" + HexGroup(limit - kStoredDateOffset) + ",x"));
    ASSERT_EQ(segments.size(), 1u);
    EXPECT_EQ(segments[0].count, 0);
    EXPECT_EQ(segments[0].lastDate, limit);

    // No limit: the calendar's end.
    segments = SeriesOf(Record(2026, 3, 13, "11010,0,9999,00000000,x"));
    ASSERT_EQ(segments.size(), 1u);
    EXPECT_EQ(segments[0].lastDate, DayNumber(2078, 12, 31));

    // A count of 1: the stored occurrence alone.
    segments = SeriesOf(Record(2026, 3, 13, "11012,0,9999,00000001,x"));
    ASSERT_EQ(segments.size(), 1u);
    EXPECT_EQ(segments[0].rule, "");
}

TEST(IcalSeries, ADayMissingFromTheMonthRollsAsTheMonthViewRollsIt) {
    // 31 January every month goes on 3 March, then the 3rd of every month.
    const auto segments = SeriesOf(Record(2027, 1, 31, "11011,0,9999,00000000,x"));
    ASSERT_GE(segments.size(), 2u);
    EXPECT_EQ(segments[0].firstDate, DayNumber(2027, 1, 31));
    EXPECT_EQ(segments[0].rule, "");
    EXPECT_EQ(segments[1].firstDate, DayNumber(2027, 3, 3));
    EXPECT_EQ(segments[1].rule, "FREQ=MONTHLY");
    EXPECT_EQ(segments.back().lastDate, DayNumber(2078, 12, 3));
}

TEST(IcalSeries, TheFirstDateStandsAloneWhenTheRuleSkipsIt) {
    // Stored on a Thursday, the rule is the last Monday of every month.
    const auto segments = SeriesOf(Record(2026, 12, 10, "12051,0,9999,00000000,x"));
    ASSERT_EQ(segments.size(), 2u);
    EXPECT_EQ(segments[0].rule, "");
    EXPECT_EQ(segments[1].firstDate, DayNumber(2026, 12, 28));
    EXPECT_EQ(segments[1].rule, "FREQ=MONTHLY;BYDAY=-1MO");
}

TEST(IcalSeries, SegmentsCoverExactlyWhatTheMonthViewShows) {
    // Records the calendar's arithmetic treats its own way: every two weeks
    // across the extra 29 February of 1800, monthly on the 30th, yearly on
    // 29 February, and a weekday of the month before 1900.
    const char* values[] = {"11022,0,9999,00000000,fortnight", "11011,0,9999,00000000,monthly",
                            "11010,0,9999,00000000,leap day", "12013,0,9999,00000000,first Tuesday"};
    const std::pair<int, int> months[] = {{1799, 12}, {1899, 1}, {1796, 2}, {1899, 6}};
    const int days[] = {20, 30, 29, 6};
    for (int i = 0; i < 4; ++i) {
        const ReminderRecord record = Record(months[i].first, months[i].second, days[i], values[i]);
        const std::vector<int> shown = MonthViewOccurrences(record, DayNumber(2078, 12, 31));
        std::vector<int> expanded;
        for (const SeriesSegment& segment : SeriesOf(record)) {
            if (segment.rule.empty()) {
                expanded.push_back(segment.firstDate);
                continue;
            }
            const auto dates =
                ExpandRule(segment.rule, segment.firstDate, segment.lastDate, static_cast<std::size_t>(-1));
            expanded.insert(expanded.end(), dates.begin(), dates.end());
        }
        EXPECT_EQ(expanded, shown) << values[i];
    }
}

}  // namespace
}  // namespace orvanto
