// The calendar layouts as geometry: the measures of the month page, the year
// page and the card sheet at A4 and Letter, portrait and landscape, worked
// out again from their formulas, and what the pages hold.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "ui/printing/calendar_print_jobs.h"
#include "ui/printing/calendar_print_shapes.h"
#include "ui/printing/card_sheet_layout.h"
#include "ui/printing/month_page_layout.h"
#include "ui/printing/tests/fake_text_measure.h"
#include "ui/printing/year_page_layout.h"

namespace orvanto {
namespace {

using test::FakeTextMeasure;

int Round(double value) { return static_cast<int>(std::nearbyint(value)); }

std::vector<PrintText> Texts(const PrintedPage& page) {
    std::vector<PrintText> texts;
    for (const PrintItem& item : page.items) {
        if (const auto* text = std::get_if<PrintText>(&item)) texts.push_back(*text);
    }
    return texts;
}

std::vector<PrintBox> Boxes(const PrintedPage& page) {
    std::vector<PrintBox> boxes;
    for (const PrintItem& item : page.items) {
        if (const auto* box = std::get_if<PrintBox>(&item)) boxes.push_back(*box);
    }
    return boxes;
}

// The outlined boxes (the shadows are filled bands without an outline).
std::vector<PrintBox> OutlinedBoxes(const PrintedPage& page) {
    std::vector<PrintBox> boxes = Boxes(page);
    std::erase_if(boxes, [](const PrintBox& box) { return box.penWidth == 0; });
    return boxes;
}

std::vector<PrintText> TextsOf(const PrintedPage& page, const std::string& value) {
    std::vector<PrintText> found = Texts(page);
    std::erase_if(found, [&](const PrintText& text) { return text.text != value; });
    return found;
}

int CountTexts(const PrintedPage& page, const std::string& value) {
    return static_cast<int>(TextsOf(page, value).size());
}

struct Paper {
    const char* name;
    PageGeometry geometry;
    bool landscape;
};

const Paper kPapers[] = {
    {"A4 portrait", test::kA4Portrait, false},
    {"A4 landscape", test::kA4Landscape, true},
    {"Letter portrait", test::kLetterPortrait, false},
    {"Letter landscape", test::kLetterLandscape, true},
};

MonthPrintData Month(int year, int month, std::vector<PrintEntry> entries = {},
                     std::vector<PrintPhase> phases = {}) {
    return MonthPrintData{year, month, std::move(entries), std::move(phases)};
}

TEST(MonthPageMetricsTest, FollowTheFormulasOnEveryPaper) {
    for (const Paper& paper : kPapers) {
        SCOPED_TRACE(paper.name);
        const FakeTextMeasure measure(paper.geometry.dotsPerInch);
        const MonthPageMetrics m = ComputeMonthPageMetrics(paper.geometry, paper.landscape, measure);
        const int b = (paper.landscape ? paper.geometry.height : paper.geometry.width) / 7;
        const int c0 = Round(0.9 * b);
        const int g = b - c0;
        const int s = g / 3;
        EXPECT_EQ(m.base, b);
        EXPECT_EQ(m.gap, g);
        EXPECT_EQ(m.shadow, s);
        EXPECT_EQ(m.cell, c0 + (g - s) / 7);
        EXPECT_EQ(m.gridWidth, 7 * b - g % 7 - g / 3);
        const int h = measure.Height("pP", kMonthTitleFont);
        EXPECT_EQ(m.titleHeight, h);
        EXPECT_EQ(m.headerHeight, Round(1.5 * measure.Height("pP", kMonthHeaderFont)));
        EXPECT_EQ(m.firstRowTop, 2 * h + m.headerHeight + g);
        EXPECT_EQ(m.unit, measure.Height("pP", kMonthDayFont) / 2);
        EXPECT_EQ(m.entryWidth, m.cell - Round(1.7 * m.unit));
        EXPECT_EQ(m.moonSize, Round(1.4 * m.unit));
        EXPECT_EQ(LandscapeListLeft(m), 7 * m.cell + 7 * s + 6 * g);
        // Six rows and the header fit on the paper.
        EXPECT_LE(m.firstRowTop + 6 * (m.cell + m.gap), paper.geometry.height);
    }
}

TEST(MonthPageLayoutTest, TitleHeaderAndDayBoxesStandWhereTheMeasuresPutThem) {
    const FakeTextMeasure measure(600);
    CalendarPrintOptions options;
    const PrintedPage page = LayoutMonthPage(Month(2015, 2), options, test::kA4Portrait, measure);
    const MonthPageMetrics m = ComputeMonthPageMetrics(test::kA4Portrait, false, measure);
    const std::vector<PrintBox> boxes = OutlinedBoxes(page);
    ASSERT_EQ(boxes.size(), 1u + 7u + 28u);
    EXPECT_EQ(boxes[0].rect, (PrintRectangle{0, 0, m.gridWidth, Round(1.5 * m.titleHeight)}));
    EXPECT_EQ(boxes[0].penWidth, 3);
    for (int column = 0; column < 7; ++column) {
        EXPECT_EQ(boxes[1 + column].rect,
                  (PrintRectangle{column * (m.cell + m.gap), 2 * m.titleHeight, m.cell, m.headerHeight}));
    }
    // 1 February 2015 is a Sunday: the first box of the first row.
    EXPECT_EQ(boxes[8].rect, (PrintRectangle{0, m.firstRowTop, m.cell, m.cell}));
    EXPECT_EQ(boxes.back().rect,
              (PrintRectangle{6 * (m.cell + m.gap), m.firstRowTop + 3 * (m.cell + m.gap), m.cell, m.cell}));
    // The shadow bands of the first day box.
    const std::vector<PrintBox> all = Boxes(page);
    const auto first =
        std::find_if(all.begin(), all.end(), [&](const PrintBox& box) { return box.rect == boxes[8].rect; });
    ASSERT_NE(first, all.end());
    EXPECT_EQ((first + 1)->rect, (PrintRectangle{m.shadow, m.firstRowTop + m.cell, m.cell, m.shadow}));
    EXPECT_EQ((first + 2)->rect, (PrintRectangle{m.cell, m.firstRowTop + m.shadow, m.shadow, m.cell}));
    // The day number, right-aligned at x + c - F.
    const std::vector<PrintText> one = TextsOf(page, "1");
    ASSERT_EQ(one.size(), 1u);
    EXPECT_EQ(one[0].x + measure.Width("1", kMonthDayNumberFont), m.cell - m.unit);
    EXPECT_EQ(one[0].y, m.firstRowTop + Round(0.75 * m.unit));
    EXPECT_EQ(CountTexts(page, "February 2015"), 1);
}

TEST(MonthPageLayoutTest, RowsFollowTheMonthAndTheWeekStart) {
    struct Case {
        int year, month;
        bool oldEurope;
        int rows;
    };
    const Case cases[] = {
        {2015, 2, false, 4},                                           // starts on a Sunday, 28 days
        {2015, 2, true, 5},                                            // the Sunday is the last column
        {2015, 8, false, 6},                                           // starts on a Saturday, 31 days
        {2015, 8, true, 6},  {2015, 3, false, 5}, {2021, 2, true, 4},  // starts on a Monday
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.year) + "-" + std::to_string(c.month));
        EXPECT_EQ(MonthRowCount(c.year, c.month, c.oldEurope), c.rows);
        const FakeTextMeasure measure(600);
        CalendarPrintOptions options;
        options.oldEurope = c.oldEurope;
        options.sideDays = 2;
        const PrintedPage page = LayoutMonthPage(Month(c.year, c.month), options, test::kA4Portrait, measure);
        // Title, week header and one box per day of the month.
        EXPECT_EQ(OutlinedBoxes(page).size(), 8u + static_cast<unsigned>(c.month == 2 ? 28 : 31));
        options.sideDays = 1;
        const PrintedPage dimmed =
            LayoutMonthPage(Month(c.year, c.month), options, test::kA4Portrait, measure);
        EXPECT_EQ(OutlinedBoxes(dimmed).size(), 8u + 7u * c.rows);
    }
}

TEST(MonthPageLayoutTest, SideDaysAreGreyNumbersOfTheNeighbourMonths) {
    const FakeTextMeasure measure(600);
    CalendarPrintOptions options;
    options.sideDays = 1;
    // August 2015: 26..31 July before the 1st, 1..5 September after the 31st.
    const PrintedPage page = LayoutMonthPage(Month(2015, 8), options, test::kA4Portrait, measure);
    for (const char* day : {"26", "27", "28", "29", "30", "31", "1", "2", "3", "4", "5"}) {
        const std::vector<PrintText> texts = TextsOf(page, day);
        const int grey = static_cast<int>(std::count_if(
            texts.begin(), texts.end(), [](const PrintText& t) { return t.colour == kPrintGrey; }));
        EXPECT_EQ(grey, 1) << day;
    }
    const std::vector<PrintBox> boxes = OutlinedBoxes(page);
    EXPECT_EQ(
        std::count_if(boxes.begin(), boxes.end(), [](const PrintBox& box) { return box.pen == kPrintGrey; }),
        11);
    options.sideDays = 0;
    const PrintedPage hidden = LayoutMonthPage(Month(2015, 8), options, test::kA4Portrait, measure);
    for (const PrintText& text : Texts(hidden)) EXPECT_NE(text.colour, kPrintGrey) << text.text;
}

TEST(MonthPageLayoutTest, EntriesInsideAreCleanedCutAndStopAtTheBoxBottom) {
    const FakeTextMeasure measure(600);
    CalendarPrintOptions options;
    std::vector<PrintEntry> entries = {
        {10, "  [Founders Day]  ", 2}, {11, std::string(200, 'x'), 1}, {12, "A bookmark", 3}};
    for (int i = 0; i < 30; ++i) entries.push_back({20, "Entry " + std::to_string(i), 1});
    const PrintedPage page = LayoutMonthPage(Month(2015, 2, entries), options, test::kA4Portrait, measure);
    const MonthPageMetrics m = ComputeMonthPageMetrics(test::kA4Portrait, false, measure);
    EXPECT_EQ(CountTexts(page, "Founders Day"), 1);
    EXPECT_EQ(CountTexts(page, "A bookmark"), 1);
    for (const PrintText& text : Texts(page)) {
        if (text.font == kMonthEntryFont) {
            EXPECT_LE(measure.Width(text.text, text.font), m.entryWidth) << text.text;
        }
    }
    // As many lines as start inside the box: k lh + F + th99 < c.
    int fitting = 0;
    while (fitting * m.entryLineHeight + m.unit + m.numberHeight < m.cell) ++fitting;
    int printed = 0;
    for (const PrintText& text : Texts(page)) printed += text.text.rfind("Entry ", 0) == 0 ? 1 : 0;
    EXPECT_EQ(printed, std::min(fitting, 30));
    EXPECT_LT(printed, 30);
    // The first entry line of the 10th (row 1, column 2).
    const std::vector<PrintText> founders = TextsOf(page, "Founders Day");
    EXPECT_EQ(founders[0].x, 2 * (m.cell + m.gap) + m.unit);
    EXPECT_EQ(founders[0].y, m.firstRowTop + (m.cell + m.gap) + m.unit + m.numberHeight);
}

TEST(MonthPageLayoutTest, OptionsChooseWhatIsPrintedInsideAndInTheLists) {
    const FakeTextMeasure measure(600);
    const std::vector<PrintEntry> entries = {{3, "Call mother", 1}, {14, "[Valentine]", 2}, {16, "Mark", 3}};
    struct Case {
        bool holidays, events;
        EntryPlacement holidayPlacement, eventPlacement;
        int valentine, call, mark, holidaysHeading, eventsHeading;
    };
    const Case cases[] = {
        {true, true, EntryPlacement::Inside, EntryPlacement::Inside, 1, 1, 1, 0, 0},
        {true, true, EntryPlacement::Below, EntryPlacement::Below, 1, 1, 0, 1, 1},
        {true, true, EntryPlacement::Both, EntryPlacement::Both, 2, 2, 1, 1, 1},
        {false, true, EntryPlacement::Both, EntryPlacement::Inside, 0, 1, 1, 0, 0},
        {true, false, EntryPlacement::Inside, EntryPlacement::Both, 1, 0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        CalendarPrintOptions options;
        options.holidays = c.holidays;
        options.events = c.events;
        options.holidayPlacement = c.holidayPlacement;
        options.eventPlacement = c.eventPlacement;
        const PrintedPage page =
            LayoutMonthPage(Month(2015, 2, entries), options, test::kA4Portrait, measure);
        EXPECT_EQ(CountTexts(page, "Valentine"), c.valentine);
        EXPECT_EQ(CountTexts(page, "Call mother"), c.call);
        EXPECT_EQ(CountTexts(page, "Mark"), c.mark);
        EXPECT_EQ(CountTexts(page, "Holidays"), c.holidaysHeading);
        EXPECT_EQ(CountTexts(page, "Events"), c.eventsHeading);
    }
}

TEST(MonthPageLayoutTest, ListsStandBelowInPortraitAndBesideInLandscape) {
    const FakeTextMeasure measure(600);
    const std::vector<PrintEntry> entries = {{3, "Call mother", 1}, {14, "Valentine", 2}};
    CalendarPrintOptions options;
    options.holidayPlacement = EntryPlacement::Below;
    options.eventPlacement = EntryPlacement::Below;

    const MonthPageMetrics portrait = ComputeMonthPageMetrics(test::kA4Portrait, false, measure);
    const PrintedPage below = LayoutMonthPage(Month(2015, 2, entries), options, test::kA4Portrait, measure);
    const int listTop =
        portrait.firstRowTop + 3 * (portrait.cell + portrait.gap) + portrait.cell + portrait.gap;
    EXPECT_EQ(TextsOf(below, "Holidays")[0].x, 0);
    EXPECT_EQ(TextsOf(below, "Holidays")[0].y, listTop);
    EXPECT_EQ(TextsOf(below, "Events")[0].x, portrait.gridWidth / 2);
    EXPECT_EQ(TextsOf(below, "Events")[0].y, listTop);
    // The colons line up at the width of "99: ".
    const PrintText day = TextsOf(below, "3: ")[0];
    EXPECT_EQ(day.x + measure.Width("3: ", kListLineFont),
              portrait.gridWidth / 2 + measure.Width("99: ", kListLineFont));
    EXPECT_EQ(TextsOf(below, "Call mother")[0].y,
              listTop + Round(1.5 * measure.Height("Events", kListHeadingFont)));

    options.landscape = true;
    const MonthPageMetrics wide = ComputeMonthPageMetrics(test::kA4Landscape, true, measure);
    const PrintedPage beside = LayoutMonthPage(Month(2015, 2, entries), options, test::kA4Landscape, measure);
    const PrintText holidays = TextsOf(beside, "Holidays")[0];
    const PrintText events = TextsOf(beside, "Events")[0];
    EXPECT_EQ(holidays.x, LandscapeListLeft(wide));
    EXPECT_EQ(holidays.y, 0);
    EXPECT_EQ(events.x, LandscapeListLeft(wide));
    const int lineHeight = measure.Height("pP", kListLineFont);
    EXPECT_EQ(events.y,
              Round(1.5 * measure.Height("Holidays", kListHeadingFont)) + lineHeight + 2 * lineHeight);

    // Only the reminders below: the events column starts at the top right of the grid.
    options.holidayPlacement = EntryPlacement::Inside;
    const PrintedPage eventsOnly =
        LayoutMonthPage(Month(2015, 2, entries), options, test::kA4Landscape, measure);
    EXPECT_EQ(TextsOf(eventsOnly, "Events")[0].x, LandscapeListLeft(wide));
    EXPECT_EQ(TextsOf(eventsOnly, "Events")[0].y, 0);
    EXPECT_EQ(CountTexts(eventsOnly, "Holidays"), 0);
}

TEST(MonthPageLayoutTest, ListsTooLongForThePaperGoOnOverFurtherPages) {
    const FakeTextMeasure measure(600);
    std::vector<PrintEntry> entries;
    for (int i = 0; i < 120; ++i) entries.push_back({1 + i % 28, "Event " + std::to_string(i), 1});
    for (int i = 0; i < 40; ++i) entries.push_back({1 + i % 28, "Holiday " + std::to_string(i), 2});
    for (const Paper& paper : kPapers) {
        SCOPED_TRACE(paper.name);
        CalendarPrintOptions options;
        options.landscape = paper.landscape;
        options.holidayPlacement = EntryPlacement::Below;
        options.eventPlacement = EntryPlacement::Below;
        const std::vector<PrintedPage> pages =
            LayoutMonthPages(Month(2015, 2, entries), options, paper.geometry, measure);
        EXPECT_GE(pages.size(), 2u);
        int events = 0;
        int holidays = 0;
        for (const PrintedPage& page : pages) {
            for (const PrintText& text : Texts(page)) {
                events += text.text.rfind("Event ", 0) == 0 ? 1 : 0;
                holidays += text.text.rfind("Holiday ", 0) == 0 ? 1 : 0;
                EXPECT_LE(text.y + measure.Height(text.text, text.font), paper.geometry.height) << text.text;
            }
        }
        EXPECT_EQ(events, 120);
        EXPECT_EQ(holidays, 40);
        // The grid is on the first page only.
        EXPECT_EQ(CountTexts(pages[1], "February 2015"), 0);
    }
    CalendarPrintOptions options;
    const std::vector<PrintedPage> few =
        LayoutMonthPages(Month(2015, 2, {{3, "One", 1}}), options, test::kA4Portrait, measure);
    EXPECT_EQ(few.size(), 1u);
}

TEST(MonthPageLayoutTest, ColoursMarkSundaysAndMoonSymbolsTheirDays) {
    const FakeTextMeasure measure(600);
    CalendarPrintOptions options;
    options.colors = true;
    options.oldEurope = true;
    const std::vector<PrintPhase> phases = {{3, 4}, {12, 6}, {18, 0}, {25, 2}};
    const PrintedPage page = LayoutMonthPage(Month(2015, 2, {}, phases), options, test::kA4Portrait, measure);
    EXPECT_EQ(TextsOf(page, "Sun")[0].colour, kPrintRed);
    EXPECT_EQ(TextsOf(page, "Mon")[0].colour, kPrintBlack);
    for (const char* sunday : {"1", "8", "15", "22"})
        EXPECT_EQ(TextsOf(page, sunday)[0].colour, kPrintRed) << sunday;
    EXPECT_EQ(TextsOf(page, "2")[0].colour, kPrintBlack);

    int discs = 0;
    int arcs = 0;
    for (const PrintItem& item : page.items) {
        if (const auto* ellipse = std::get_if<PrintEllipse>(&item)) (ellipse->arc ? arcs : discs)++;
    }
    EXPECT_EQ(discs, 2);  // new and full moon
    EXPECT_EQ(arcs, 4);   // two arcs for each quarter
    options.moon = false;
    const PrintedPage plain =
        LayoutMonthPage(Month(2015, 2, {}, phases), options, test::kA4Portrait, measure);
    EXPECT_TRUE(std::none_of(plain.items.begin(), plain.items.end(), [](const PrintItem& item) {
        return std::holds_alternative<PrintEllipse>(item);
    }));
}

TEST(MoonSymbolTest, QuartersAreCrescentsOnTheirSide) {
    PrintedPage first;
    AddMoonSymbol(first, 2, 100, 200, 60);
    ASSERT_EQ(first.items.size(), 2u);
    const auto& outer = std::get<PrintEllipse>(first.items[0]);
    const auto& inner = std::get<PrintEllipse>(first.items[1]);
    EXPECT_EQ(outer.rect, (PrintRectangle{100, 200, 60, 60}));
    EXPECT_EQ(inner.rect, (PrintRectangle{110, 200, 50, 60}));
    // From the top (90 degrees) round the left to the bottom.
    EXPECT_EQ(outer.startAngle16, 90 * 16);
    EXPECT_EQ(outer.spanAngle16, 180 * 16);
    EXPECT_GT(inner.startAngle16, 90 * 16);
    EXPECT_EQ(inner.penWidth, 2);

    PrintedPage last;
    AddMoonSymbol(last, 6, 100, 200, 60);
    const auto& lastOuter = std::get<PrintEllipse>(last.items[0]);
    const auto& lastInner = std::get<PrintEllipse>(last.items[1]);
    EXPECT_EQ(lastInner.rect, (PrintRectangle{100, 200, 50, 60}));
    EXPECT_EQ(lastOuter.startAngle16, -90 * 16);
    EXPECT_EQ(lastOuter.spanAngle16, 180 * 16);

    PrintedPage full;
    AddMoonSymbol(full, 4, 0, 0, 30);
    EXPECT_EQ(std::get<PrintEllipse>(full.items[0]).fill, kPrintWhite);
    PrintedPage fresh;
    AddMoonSymbol(fresh, 0, 0, 0, 30);
    EXPECT_EQ(std::get<PrintEllipse>(fresh.items[0]).fill, kPrintBlack);
}

TEST(YearPageLayoutTest, MetricsAndBoxesFollowTheFormulas) {
    for (const Paper& paper : kPapers) {
        SCOPED_TRACE(paper.name);
        const FakeTextMeasure measure(600);
        const YearPageMetrics m = ComputeYearPageMetrics(paper.geometry, measure);
        const int p = paper.geometry.width / 3;
        const int c0 = Round(0.94 * p);
        const int g = p - c0;
        const int s = g / 3;
        const int h = measure.Height("pP", kYearTitleFont);
        EXPECT_EQ(m.box, c0 + (g - s) / 3);
        EXPECT_EQ(m.pageUsed, 3 * p - g % 3 - g / 3);
        EXPECT_EQ(m.boxHeight, Round(0.9 * ((paper.geometry.height - 2 * h) / 4)));
        EXPECT_EQ(m.unit, measure.Height("pP", kYearMonthNameFont) / 2);
        EXPECT_EQ(m.slot, Round(0.94 * (m.box / 7)));
        EXPECT_EQ(m.slotGap, m.box / 7 - m.slot);
        if (!paper.landscape) {
            EXPECT_EQ(m.numberLine, Round(1.3 * measure.Height("99", kYearCaptionFont)));
            EXPECT_EQ(m.numberFont, kYearNumberFont);
        }

        std::array<MonthPrintData, 12> months;
        for (int i = 0; i < 12; ++i) months[i] = Month(2015, i + 1);
        CalendarPrintOptions options;
        const PrintedPage page = LayoutYearPage(months, options, paper.geometry, measure);
        const std::vector<PrintBox> boxes = OutlinedBoxes(page);
        ASSERT_EQ(boxes.size(), 13u);
        EXPECT_EQ(boxes[0].rect, (PrintRectangle{0, 0, m.pageUsed, Round(1.5 * h)}));
        EXPECT_EQ(boxes[12].rect,
                  (PrintRectangle{2 * (m.box + g), 2 * h + 3 * (m.boxHeight + g), m.box, m.boxHeight}));
        // The last row of boxes stays on the paper.
        EXPECT_LE(2 * h + 3 * (m.boxHeight + g) + m.boxHeight, paper.geometry.height);
        EXPECT_EQ(CountTexts(page, "2015"), 1);
        EXPECT_EQ(CountTexts(page, "December"), 1);
        EXPECT_EQ(CountTexts(page, "31"), 7);
    }
}

// Every day number lies inside the box of its month (the boxes after the
// first, the title, are the months in order).
void ExpectNumbersInsideTheirBoxes(const PrintedPage& page, const PrintFont& numberFont,
                                   const TextMeasure& measure, int gap) {
    const std::vector<PrintBox> boxes = OutlinedBoxes(page);
    int checked = 0;
    for (const PrintText& text : Texts(page)) {
        if (!(text.font == numberFont)) continue;
        for (const PrintBox& box : boxes) {
            const PrintRectangle& r = box.rect;
            if (text.x < r.left || text.x >= r.left + r.width || text.y < r.top ||
                text.y >= r.top + r.height + gap) {
                continue;
            }
            EXPECT_LE(text.y + measure.Height(text.text, text.font), r.top + r.height) << text.text;
            ++checked;
        }
    }
    EXPECT_GT(checked, 300);
}

TEST(YearPageLayoutTest, SixLinesOfNumbersFitTheBoxesOnEveryPaper) {
    for (const Paper& paper : kPapers) {
        SCOPED_TRACE(paper.name);
        const FakeTextMeasure measure(600);
        std::array<MonthPrintData, 12> months;
        for (int i = 0; i < 12; ++i) months[i] = Month(2015, i + 1);  // May and August need six lines
        CalendarPrintOptions options;
        options.landscape = paper.landscape;
        const YearPageMetrics m = ComputeYearPageMetrics(paper.geometry, measure);
        const PrintedPage page = LayoutYearPage(months, options, paper.geometry, measure);
        ExpectNumbersInsideTheirBoxes(page, m.numberFont, measure, m.gap);
    }
}

TEST(CardSheetLayoutTest, SixLinesOfNumbersFitTheMiniMonthsOnEveryPaper) {
    for (const Paper& paper : kPapers) {
        SCOPED_TRACE(paper.name);
        const FakeTextMeasure measure(600);
        CalendarPrintOptions options;
        options.landscape = paper.landscape;
        const CardSheetMetrics m = ComputeCardSheetMetrics(paper.geometry, paper.landscape, measure);
        const PrintedPage page = LayoutCardSheet(2015, 1, options, paper.geometry, measure);
        ExpectNumbersInsideTheirBoxes(page, m.numberFont, measure, m.gap);
    }
}

TEST(YearPageLayoutTest, PhasesNumbersAndEntriesOfAMonth) {
    const FakeTextMeasure measure(600);
    std::array<MonthPrintData, 12> months;
    for (int i = 0; i < 12; ++i) months[i] = Month(2015, i + 1);
    months[1].phases = {{3, 4}, {12, 6}, {18, 0}, {25, 2}};
    months[1].entries = {{14, "[Valentine]", 2}, {16, "Dentist", 1}};
    for (int i = 0; i < 40; ++i) months[1].entries.push_back({20, "Entry " + std::to_string(i), 1});
    CalendarPrintOptions options;
    options.colors = true;
    const PrintedPage page = LayoutYearPage(months, options, test::kA4Portrait, measure);
    const YearPageMetrics m = ComputeYearPageMetrics(test::kA4Portrait, measure);
    const int x = m.box + m.gap;  // February: second column of the first row
    const int y = 2 * measure.Height("pP", kYearTitleFont);

    const PrintText valentine = TextsOf(page, "Valentine")[0];
    EXPECT_EQ(valentine.x, x + m.unit + measure.Width("99: ", kYearEntryFont));
    EXPECT_EQ(TextsOf(page, "Dentist").size(), 1u);
    // February 2015 has four lines of numbers; the entries start 2F below the last.
    const int lastLine = y + Round(3.5 * m.unit) + 4 * m.numberLine;
    EXPECT_EQ(valentine.y, lastLine + 2 * m.unit);
    int listed = 0;
    for (const PrintText& text : Texts(page)) {
        if (text.text.rfind("Entry ", 0) != 0) continue;
        ++listed;
        EXPECT_LE(text.y + measure.Height("pP", kYearEntryFont), y + m.boxHeight);
    }
    EXPECT_GT(listed, 0);
    EXPECT_LT(listed, 40);

    // The phase symbols of February and their day numbers beside them.
    std::vector<PrintText> phaseDays = TextsOf(page, "12");
    std::erase_if(phaseDays, [](const PrintText& text) { return !(text.font == kYearPhaseDayFont); });
    ASSERT_EQ(phaseDays.size(), 1u);
    EXPECT_EQ(phaseDays[0].x, x + Round(2.3 * m.unit) + 3 * m.unit);
    // Numbers right-aligned in their "99" slots; Sundays red.
    const PrintText first = TextsOf(page, "1")[1];  // January's 1st comes first
    EXPECT_EQ(first.x + measure.Width("1", kYearNumberFont),
              x + 4 * m.slotGap + measure.Width("99", kYearNumberFont));
    EXPECT_EQ(first.colour, kPrintRed);

    options.holidays = false;
    options.events = false;
    options.moon = false;
    const PrintedPage bare = LayoutYearPage(months, options, test::kA4Portrait, measure);
    EXPECT_EQ(CountTexts(bare, "Valentine"), 0);
    EXPECT_EQ(CountTexts(bare, "Dentist"), 0);
    EXPECT_TRUE(std::none_of(bare.items.begin(), bare.items.end(), [](const PrintItem& item) {
        return std::holds_alternative<PrintEllipse>(item);
    }));
}

TEST(CardSheetLayoutTest, PitchAndMiniMonthsFollowTheFormulas) {
    for (const Paper& paper : kPapers) {
        SCOPED_TRACE(paper.name);
        const FakeTextMeasure measure(600);
        const CardSheetMetrics m = ComputeCardSheetMetrics(paper.geometry, paper.landscape, measure);
        const PageGeometry& p = paper.geometry;
        EXPECT_EQ(m.pitchX, paper.landscape ? Round(1.3 * (p.width / 4)) : p.width / 3);
        EXPECT_EQ(m.pitchY, paper.landscape ? p.height / 3 : Round(1.3 * (p.height / 4)));
        const int u = p.width / 12;
        const int c0 = Round(0.94 * u);
        const int g = u - c0;
        EXPECT_EQ(m.box, c0 + (g - g / 3) / 3);
        EXPECT_EQ(m.cardWidth, 3 * u - g % 3 - g / 3);
        EXPECT_EQ(m.boxHeight, p.height / 18);

        CalendarPrintOptions options;
        options.landscape = paper.landscape;
        const PrintedPage page = LayoutCardSheet(2015, 9, options, p, measure);
        const std::vector<PrintBox> boxes = OutlinedBoxes(page);
        ASSERT_EQ(boxes.size(), 9u * 13u);
        const int th = measure.Height("pP", kCardTitleFont);
        // Card 9: column 2, row 2; its title box and its first mini month.
        const PrintBox title = boxes[8 * 13];
        EXPECT_EQ(title.rect, (PrintRectangle{2 * m.pitchX, 2 * m.pitchY, m.cardWidth, Round(1.5 * th)}));
        EXPECT_EQ(boxes[8 * 13 + 1].rect,
                  (PrintRectangle{2 * m.pitchX, 2 * m.pitchY + 2 * th - 10, m.box, m.boxHeight}));
        // Every card stays on the paper.
        for (const PrintBox& box : boxes) {
            EXPECT_LE(box.rect.left + box.rect.width + m.shadow, p.width);
            EXPECT_LE(box.rect.top + box.rect.height + m.shadow, p.height);
        }
        EXPECT_EQ(CountTexts(page, "2023"), 1);
        EXPECT_EQ(CountTexts(page, "2024"), 0);
    }
}

TEST(CardSheetLayoutTest, CardsCarryNoPhasesAndRedSundaysOnlyWithColours) {
    const FakeTextMeasure measure(600);
    CalendarPrintOptions options;
    const PrintedPage plain = LayoutCardSheet(2015, 3, options, test::kA4Portrait, measure);
    EXPECT_TRUE(std::none_of(plain.items.begin(), plain.items.end(), [](const PrintItem& item) {
        return std::holds_alternative<PrintEllipse>(item);
    }));
    for (const PrintText& text : Texts(plain)) EXPECT_EQ(text.colour, kPrintBlack);
    options.colors = true;
    const PrintedPage coloured = LayoutCardSheet(2015, 1, options, test::kA4Portrait, measure);
    const std::vector<PrintText> sundays = TextsOf(coloured, "Sun");
    ASSERT_EQ(sundays.size(), 12u);
    for (const PrintText& text : sundays) EXPECT_EQ(text.colour, kPrintRed);
}

TEST(CalendarJobsTest, CountsAndTheLastYear) {
    struct Case {
        CalendarLayout layout;
        int month, year, count;
        std::vector<CalendarJob> jobs;
    };
    const Case cases[] = {
        {CalendarLayout::Month,
         11,
         2000,
         3,
         {{CalendarLayout::Month, 2000, 11, 0},
          {CalendarLayout::Month, 2000, 12, 0},
          {CalendarLayout::Month, 2001, 1, 0}}},
        {CalendarLayout::Year,
         1,
         2077,
         5,
         {{CalendarLayout::Year, 2077, 0, 0}, {CalendarLayout::Year, 2078, 0, 0}}},
        {CalendarLayout::Year, 5, 2000, 1, {{CalendarLayout::Year, 2000, 0, 0}}},
        {CalendarLayout::Card,
         1,
         2015,
         12,
         {{CalendarLayout::Card, 2015, 0, 9}, {CalendarLayout::Card, 2024, 0, 3}}},
        {CalendarLayout::Card, 1, 2015, 9, {{CalendarLayout::Card, 2015, 0, 9}}},
        {CalendarLayout::Card, 1, 2075, 12, {{CalendarLayout::Card, 2075, 0, 4}}},
        // The month layout may run past 2078 when it starts there.
        {CalendarLayout::Month,
         12,
         2078,
         2,
         {{CalendarLayout::Month, 2078, 12, 0}, {CalendarLayout::Month, 2079, 1, 0}}},
    };
    for (const Case& c : cases) {
        CalendarPrintRequest request;
        request.layout = c.layout;
        request.month = c.month;
        request.year = c.year;
        request.count = c.count;
        EXPECT_EQ(PlanCalendarJobs(request), c.jobs) << c.year << " " << c.count;
    }
}

TEST(CalendarJobsTest, EachJobIsOnePageWithItsTitle) {
    const FakeTextMeasure measure(600);
    const MonthDataSource source = [](int year, int month) { return MonthPrintData{year, month, {}, {}}; };
    CalendarPrintOptions options;
    const struct {
        CalendarJob job;
        const char* title;
    } cases[] = {{{CalendarLayout::Month, 2015, 2, 0}, "Orvanto Month Print"},
                 {{CalendarLayout::Year, 2015, 0, 0}, "Orvanto Year Print"},
                 {{CalendarLayout::Card, 2015, 0, 3}, "Orvanto Card Print"}};
    for (const auto& c : cases) {
        const PrintedDocument document =
            LayoutCalendarJob(c.job, options, test::kA4Portrait, measure, source);
        EXPECT_EQ(document.title, c.title);
        EXPECT_EQ(document.pages.size(), 1u);
    }
}

TEST(CalendarTextsTest, EntryTextsLoseBlanksAndOneBracketPair) {
    EXPECT_EQ(CleanEntryText("  [Christmas party]  "), "Christmas party");
    EXPECT_EQ(CleanEntryText("[ Gym (14:30) ]"), "Gym (14:30)");
    EXPECT_EQ(CleanEntryText("[[x]]"), "[x]");
    EXPECT_EQ(CleanEntryText("No brackets"), "No brackets");
    EXPECT_EQ(CleanEntryText("[]"), "");
    const FakeTextMeasure measure(72);  // 5 pixels a character at 10 points
    const PrintFont font{PrintFace::Arial, 10, false};
    EXPECT_EQ(ShortenToWidth("abcdefgh", 20, font, measure), "abcd");
    EXPECT_EQ(ShortenToWidth("äöüßé", 15, font, measure), "äöü");
    EXPECT_EQ(ShortenToWidth("abc", 2, font, measure), "");
}

TEST(MoonPhasesTest, FebruaryOf2015) {
    const std::vector<PrintPhase> phases = PrintMoonPhases(2015, 2, 0);
    const std::vector<std::pair<int, int>> expected = {{3, 4}, {12, 6}, {18, 0}, {25, 2}};
    ASSERT_EQ(phases.size(), expected.size());
    for (std::size_t i = 0; i < phases.size(); ++i) {
        EXPECT_EQ(phases[i].day, expected[i].first);
        EXPECT_EQ(phases[i].phase, expected[i].second);
    }
}

}  // namespace
}  // namespace orvanto
