// The month picture: grid values, neighbour days, colour rules, hints, moon
// glyphs and the information strip.
#include "ui/main/month_painting.h"

#include <gtest/gtest.h>

#include "calendar/civil_date.h"
#include "calendar/day_number.h"

namespace orvanto {
namespace {

const CivilDate kElsewhere{2000, 6, 15};
const DayColors kColours;

MonthPicture Paint(int year, int month, const std::vector<MonthIndexEntry>& entries,
                   MonthViewOptions options = {}, const std::vector<MoonPhaseMark>& phases = {},
                   const CivilDate& today = kElsewhere) {
    return PaintMonth(year, month, today, entries, phases, kColours, options);
}

MonthIndexEntry Reminder(int day, bool timed, int stepKind = 0, const std::string& text = "Call") {
    return MonthIndexEntry{.day = static_cast<std::uint16_t>(day),
                           .text = text,
                           .type = 1,
                           .timed = timed,
                           .stepKind = static_cast<std::uint8_t>(stepKind)};
}
MonthIndexEntry Holiday(int day, const std::string& name) {
    return MonthIndexEntry{.day = static_cast<std::uint16_t>(day), .text = name, .type = 2};
}
MonthIndexEntry Bookmark(int day) {
    return MonthIndexEntry{.day = static_cast<std::uint16_t>(day), .text = "Mark", .type = 3};
}

TEST(MonthPainting, February2015SundayFirstFillsFourRowsAndDimsMarch) {
    const MonthPicture p = Paint(2015, 2, {});
    EXPECT_EQ(p.header[0], "Sun");
    EXPECT_EQ(p.sundayColumn, 0);
    for (int i = 0; i < 28; ++i) {
        EXPECT_EQ(p.cells[i].kind, CellKind::InMonth) << i;
        EXPECT_EQ(p.cells[i].caption, i + 1);
    }
    for (int i = 28; i < 42; ++i) {
        EXPECT_EQ(p.cells[i].kind, CellKind::Dimmed) << i;
        EXPECT_EQ(p.cells[i].caption, i - 27) << "1 ... 14 March";
        EXPECT_TRUE(p.cells[i].hint.empty());
    }
}

TEST(MonthPainting, SideDaysOtherThanOneHideTheNeighbourDays) {
    for (int sideDays : {2, 0, 7}) {
        MonthViewOptions options;
        options.sideDays = sideDays;
        const MonthPicture p = Paint(2015, 2, {}, options);
        for (int i = 28; i < 42; ++i) EXPECT_EQ(p.cells[i].kind, CellKind::Hidden) << sideDays << " " << i;
    }
}

TEST(MonthPainting, MondayFirstPutsTheFirstSundayInTheLastColumn) {
    MonthViewOptions options;
    options.oldEurope = true;
    const MonthPicture p = Paint(2015, 2, {}, options);
    EXPECT_EQ(p.header[0], "Mon");
    EXPECT_EQ(p.header[6], "Sun");
    EXPECT_EQ(p.sundayColumn, 6);
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(p.cells[i].kind, CellKind::Dimmed);
        EXPECT_EQ(p.cells[i].caption, 26 + i) << "26 ... 31 January";
    }
    EXPECT_EQ(p.cells[6].caption, 1);
    EXPECT_EQ(p.cells[6].kind, CellKind::InMonth);
    EXPECT_EQ(p.cells[6].color, kColours.sunday);
    EXPECT_EQ(p.cells[33].caption, 28);
    EXPECT_EQ(p.cells[34].caption, 1) << "1 March follows";
}

TEST(MonthPainting, JanuaryTakesItsLeadingDaysFromDecember) {
    // 1 January 2016 is a Friday: row 1 starts with 27 ... 31 December 2015.
    const MonthPicture p = Paint(2016, 1, {});
    EXPECT_EQ(p.cells[0].caption, 27);
    EXPECT_EQ(p.cells[4].caption, 31);
    EXPECT_EQ(p.cells[5].caption, 1);
}

struct ColourCase {
    const char* name;
    std::vector<MonthIndexEntry> entries;
    int expected;
    bool ignoreWeek = false;
    bool ignoreDay = false;
};

TEST(MonthPainting, ColourRulesRunInIndexOrder) {
    const std::vector<ColourCase> cases = {
        {"untimed then timed", {Reminder(3, false), Reminder(3, true)}, kColours.mixedEvents},
        {"timed then untimed", {Reminder(3, true), Reminder(3, false)}, kColours.mixedEvents},
        {"timed only", {Reminder(3, true), Reminder(3, true)}, kColours.timedEvents},
        {"holiday then reminder", {Holiday(3, "Feast"), Reminder(3, false)}, kColours.events},
        {"reminder then holiday", {Reminder(3, true), Holiday(3, "Feast")}, kColours.timedEvents},
        {"reminder then bookmark", {Reminder(3, false), Bookmark(3)}, kColours.events},
        {"holiday then bookmark", {Holiday(3, "Feast"), Bookmark(3)}, kColours.bookmark},
        {"bookmark then holiday", {Bookmark(3), Holiday(3, "Feast")}, kColours.bookmark},
        {"mixed stays mixed",
         {Reminder(3, false), Reminder(3, true), Reminder(3, false)},
         kColours.mixedEvents},
        {"weekly ignored", {Reminder(3, false, 2)}, kColours.normal, true, false},
        {"weekly counted", {Reminder(3, false, 2)}, kColours.events, false, true},
        {"daily ignored", {Reminder(3, true, 3)}, kColours.normal, false, true},
    };
    for (const ColourCase& c : cases) {
        MonthViewOptions options;
        options.ignoreWeekColor = c.ignoreWeek;
        options.ignoreDayColor = c.ignoreDay;
        // 3 February 2015 is a Tuesday.
        const MonthPicture p = Paint(2015, 2, c.entries, options);
        EXPECT_EQ(p.cells[2].color, c.expected) << c.name;
    }
}

TEST(MonthPainting, SundayHolidayTakesTheHolidayColour) {
    const MonthPicture p = Paint(2015, 2, {Holiday(1, "Feast")});
    EXPECT_EQ(p.cells[0].color, kColours.holiday);
}

TEST(MonthPainting, HintLinesCarryTheAgeTextBeforeTheClosingBracket) {
    const int start = DayNumber(1970, 3, 15);
    const std::vector<MonthIndexEntry> entries = {
        MonthIndexEntry{.day = 7, .text = "  Anna's birthday ", .type = 1, .startDate = start},
        MonthIndexEntry{.day = 7, .text = "[Yearly check]", .type = 1, .startDate = DayNumber(2014, 2, 7)},
        MonthIndexEntry{.day = 7, .text = "Plain", .type = 1},
    };
    const MonthPicture p = Paint(2015, 2, entries);
    EXPECT_EQ(p.cells[6].hint,
              "Anna's birthday (44 years, 10 months, 23 days)\r\n[Yearly check (1 years)]\r\nPlain");
}

TEST(MonthPainting, MoonGlyphsFollowTheLatitude) {
    const std::vector<MoonPhaseMark> phases = {{4, 0.5, 0}, {11, 0.25, 2}, {18, 0.75, 4}, {25, 0.0, 6}};
    for (double latitude : {51.5, 0.0, -33.9}) {
        MonthViewOptions options;
        options.latitude = latitude;
        const MonthPicture p = Paint(2015, 2, {}, options, phases);
        const bool north = latitude >= 0;
        EXPECT_EQ(p.cells[3].glyph, MoonGlyph::NewMoon);
        EXPECT_EQ(p.cells[17].glyph, MoonGlyph::FullMoon);
        EXPECT_STREQ(MoonGlyphName(p.cells[10].glyph), north ? "LQUARTER" : "FQUARTER") << latitude;
        EXPECT_STREQ(MoonGlyphName(p.cells[24].glyph), north ? "FQUARTER" : "LQUARTER") << latitude;
    }
}

TEST(MonthPainting, MoonHintShowsThePhaseTimeAndComesFirst) {
    const std::vector<MoonPhaseMark> phases = {{11, 0.5 + 1.0 / 24 + 5.0 / 1440 + 9.0 / 86400, 2}};
    MonthViewOptions options;
    MonthPicture p = Paint(2015, 2, {Reminder(11, false, 0, "Call")}, options, phases);
    EXPECT_EQ(p.cells[10].hint, "First Quarter at 13:05:09\r\nCall");
    options.twelveHour = true;
    p = Paint(2015, 2, {}, options, phases);
    EXPECT_EQ(p.cells[10].hint, "First Quarter at 1:05:09 PM");
    options.moonHint = 0;
    p = Paint(2015, 2, {}, options, phases);
    EXPECT_EQ(p.cells[10].hint, "");
    EXPECT_EQ(p.cells[10].glyph, MoonGlyph::LastQuarterLitRight);
    options.moonHint = 1;
    options.showMoon = false;
    p = Paint(2015, 2, {}, options, phases);
    EXPECT_EQ(p.cells[10].hint, "");
    EXPECT_EQ(p.cells[10].glyph, MoonGlyph::None);
}

TEST(MonthPainting, OnlyTheFirstSixPhasesAreLookedAt) {
    std::vector<MoonPhaseMark> phases(7, MoonPhaseMark{1, 0.0, 4});
    phases[6] = MoonPhaseMark{20, 0.0, 0};
    const MonthPicture p = Paint(2015, 2, {}, {}, phases);
    EXPECT_EQ(p.cells[19].glyph, MoonGlyph::None);
}

TEST(MonthPainting, TodayTakesTheTodayColourOverReminders) {
    const MonthPicture p = Paint(2015, 2, {Reminder(10, true)}, {}, {}, CivilDate{2015, 2, 10});
    EXPECT_EQ(p.todayCell, 9);
    EXPECT_TRUE(p.cells[9].today);
    EXPECT_EQ(p.cells[9].color, kColours.today);
    EXPECT_EQ(Paint(2015, 3, {}, {}, {}, CivilDate{2015, 2, 10}).todayCell, -1);
}

TEST(MonthPainting, InformationStripListsHolidaysWithoutBrackets) {
    EXPECT_EQ(InformationStripText({}), "");
    EXPECT_EQ(
        InformationStripText({Reminder(2, false), Holiday(5, " [Founders Day] "), Holiday(25, "Christmas")}),
        "5: Founders Day - 25: Christmas");
    EXPECT_EQ(InformationStripText({Holiday(5, "[[Twice]]")}), "5: [Twice]");
}

}  // namespace
}  // namespace orvanto
