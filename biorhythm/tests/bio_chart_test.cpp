// The biorhythm chart: its geometry, curves, day values, highlight and paper copy.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "biorhythm/bio_chart.h"

namespace orvanto::bio {
namespace {

constexpr CivilDate kToday{2026, 12, 11};

// Records every text the chart writes.
class RecordingLettering : public Lettering {
public:
    struct Call {
        int x;
        int y;
        std::string text;
        int points;
        RasterColour colour;
    };
    int TextWidth(const std::string& text, int) override { return 4 * static_cast<int>(text.size()); }
    void DrawText(Raster&, int x, int y, const std::string& text, int points, RasterColour colour) override {
        calls.push_back({x, y, text, points, colour});
    }
    std::vector<Call> calls;

    std::vector<Call> WithPoints(int points) const {
        std::vector<Call> found;
        for (const Call& call : calls)
            if (call.points == points) found.push_back(call);
        return found;
    }
};

ChartOptions OnlyCycle(Cycle cycle, bool thick = false) {
    ChartOptions options;
    options.cycles = {false, false, false};
    options.cycles[static_cast<int>(cycle)] = true;
    options.thickLines = thick;
    return options;
}

ChartOptions NoCycles() {
    ChartOptions options;
    options.cycles = {false, false, false};
    options.thickLines = false;
    return options;
}

// The curve's row straight from the formula, written out independently.
int ExpectedRow(int a, int length, int x) {
    const int r = a % length;
    const double phase =
        2 * std::numbers::pi * (r - 1) / length + 2 * std::numbers::pi * (x - 20) / (10.0 * length);
    return 98 - static_cast<int>(std::nearbyint(45 * std::sin(phase)));
}

BioChart Drawn(const ChartSubject& subject, const ChartOptions& options,
               const ChartColours& colours = LightChartColours()) {
    BioChart chart;
    NoLettering lettering;
    EXPECT_TRUE(chart.Draw(subject, kToday, options, colours, lettering));
    return chart;
}

TEST(BioChart, GeometryOfTheMonth) {
    struct Case {
        int year;
        int month;
        int days;
        int xEnd;
    };
    for (const Case& c :
         {Case{2023, 2, 28, 290}, Case{2024, 2, 29, 300}, Case{2023, 4, 30, 310}, Case{2023, 1, 31, 320}}) {
        SCOPED_TRACE(std::to_string(c.year) + "-" + std::to_string(c.month));
        const BioChart chart = Drawn({"Ann", {1980, 5, 7}, c.year, c.month}, ChartOptions{});
        EXPECT_EQ(chart.Days(), c.days);
        EXPECT_EQ(chart.XEnd(), c.xEnd);
        EXPECT_EQ(chart.Y0(), 98);
    }
}

TEST(BioChart, FebruaryOfACommonYearEndsAtX290) {
    for (bool thick : {false, true}) {
        SCOPED_TRACE(thick ? "thick" : "thin");
        ChartOptions options;
        options.thickLines = thick;
        const ChartColours colours = LightChartColours();
        const BioChart chart = Drawn({"Ann", {1980, 5, 7}, 2023, 2}, options, colours);
        bool curveAt290 = false;
        for (int y = 0; y < kChartHeight; ++y) {
            const RasterColour pixel = chart.Image().Pixel(290, y);
            for (RasterColour curve : colours.curves) curveAt290 = curveAt290 || pixel == curve;
            for (int x = 291; x < kChartWidth; ++x)
                ASSERT_EQ(chart.Image().Pixel(x, y), colours.background) << x << "," << y;
        }
        EXPECT_TRUE(curveAt290);
    }
}

TEST(BioChart, CurvePixelsFollowTheFormula) {
    struct Case {
        CivilDate birth;
        int year;
        int month;
        int a;
    };
    const Case cases[] = {
        {{2023, 3, 1}, 2023, 3, 0},        // birth on the 1st: a = 0
        {{1980, 5, 7}, 2023, 2, 15610},    // an ordinary adult
        {{2000, 3, 15}, 2000, 1, -74},     // a month before the birth
        {{1753, 1, 1}, 2078, 12, 119038},  // the widest span
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.a);
        EXPECT_EQ(DaysFromBirth(c.birth, c.year, c.month), c.a);
        for (Cycle cycle : kCycles) {
            const ChartColours colours = LightChartColours();
            const BioChart chart = Drawn({"Ann", c.birth, c.year, c.month}, OnlyCycle(cycle), colours);
            const int length = CycleLength(cycle);
            for (int x = 20; x <= chart.XEnd(); x += 7) {
                EXPECT_EQ(chart.Image().Pixel(x, ExpectedRow(c.a, length, x)),
                          colours.curves[static_cast<int>(cycle)])
                    << "x " << x;
            }
        }
    }
}

TEST(BioChart, PhaseAtTheStartWhenBornOnTheFirst) {
    EXPECT_DOUBLE_EQ(CyclePhase(0, 23, 20), 2 * std::numbers::pi * -1 / 23);
    EXPECT_EQ(CycleRemainder(-74, 23), -5);
    EXPECT_EQ(CycleRemainder(74, 23), 5);
    EXPECT_EQ(NearestInteger(2.5), 2);
    EXPECT_EQ(NearestInteger(3.5), 4);
    EXPECT_EQ(NearestInteger(-2.5), -2);
}

TEST(BioChart, DayValuesAreTheSineAtTheMiddleOfEachDay) {
    // Day 1 shows nint(100 sin(2 pi (a - 0.5) / L)); day k the same with t = a + k - 1.
    for (int a : {0, 1, 22, -74, -1, 15611, 119469}) {
        SCOPED_TRACE(a);
        for (Cycle cycle : kCycles) {
            const int length = CycleLength(cycle);
            for (int day = 1; day <= 31; ++day) {
                const int t = a + day - 1;
                const double expected = 100 * std::sin(2 * std::numbers::pi * (t - 0.5) / length);
                EXPECT_EQ(DayValue(a, length, day), static_cast<int>(std::nearbyint(expected)))
                    << "day " << day;
            }
        }
    }
    // The chart's table holds the same values, for cycles drawn or not.
    const BioChart chart = Drawn({"Ann", {2000, 3, 15}, 2000, 1}, OnlyCycle(Cycle::Emotional));
    for (Cycle cycle : kCycles) {
        const double expected = 100 * std::sin(2 * std::numbers::pi * (-74 - 0.5) / CycleLength(cycle));
        EXPECT_EQ(chart.Value(1, cycle), static_cast<int>(std::nearbyint(expected)));
    }
}

TEST(BioChart, TableAndStripShowTheDayUnderTheMouse) {
    BioChart chart = Drawn({"Ann", {1980, 5, 7}, 2023, 2}, ChartOptions{});
    const int a = DaysFromBirth({1980, 5, 7}, 2023, 2);
    EXPECT_EQ(chart.Value(1, Cycle::Physical), DayValue(a, 23, 1));
    EXPECT_EQ(chart.Value(28, Cycle::Intellectual), DayValue(a, 33, 28));

    const StripCells cells = chart.MouseAt(25, 50, false);
    EXPECT_EQ(cells[0], "Day: 1");
    EXPECT_EQ(cells[1], "Physical: " + std::to_string(DayValue(a, 23, 1)));
    EXPECT_EQ(cells[2], "Emotional: " + std::to_string(DayValue(a, 28, 1)));
    EXPECT_EQ(cells[3], "Intellectual: " + std::to_string(DayValue(a, 33, 1)));
    EXPECT_EQ(chart.MouseAt(290, 100, false)[0], "Day: 28");

    struct Outside {
        int x;
        int y;
    };
    for (const Outside& o : {Outside{19, 100}, Outside{291, 100}, Outside{100, 30}, Outside{100, 166}}) {
        EXPECT_EQ(chart.MouseAt(o.x, o.y, false), StripCells{}) << o.x << "," << o.y;
    }
    EXPECT_EQ(chart.MouseAt(100, 31, false)[0], "Day: 9");
    EXPECT_EQ(chart.MouseAt(100, 165, false)[0], "Day: 9");
}

TEST(BioChart, StripIsEmptyBeforeAChartIsDrawn) {
    BioChart chart;
    NoLettering lettering;
    chart.DrawEmptyGrid(LightChartColours(), lettering);
    EXPECT_FALSE(chart.ChartDrawn());
    EXPECT_EQ(chart.MouseAt(100, 100, true), StripCells{});
    EXPECT_EQ(chart.Image(), chart.CleanImage());
}

TEST(BioChart, HighlightInvertsOneDayColumn) {
    BioChart chart = Drawn({"Ann", {1980, 5, 7}, 2023, 3}, ChartOptions{});
    chart.MouseAt(45, 100, true);  // day 3 (0-based 2): x = 41 .. 49
    EXPECT_EQ(chart.HighlightedDay(), 2);
    for (int y = 0; y < kChartHeight; ++y) {
        for (int x = 0; x < kChartWidth; ++x) {
            const bool inside = x >= 41 && x <= 49 && y >= 30 && y <= 166;
            const RasterColour clean = chart.CleanImage().Pixel(x, y);
            ASSERT_EQ(chart.Image().Pixel(x, y), inside ? clean ^ 0xD0D0D0 : clean) << x << "," << y;
        }
    }
    // The next day: only its column is inverted.
    chart.MouseAt(55, 100, true);
    EXPECT_EQ(chart.HighlightedDay(), 3);
    EXPECT_EQ(chart.Image().Pixel(45, 100), chart.CleanImage().Pixel(45, 100));
    EXPECT_EQ(chart.Image().Pixel(55, 100), chart.CleanImage().Pixel(55, 100) ^ 0xD0D0D0);
    // Leaving the plot restores the clean chart; coming back highlights again.
    chart.MouseAt(5, 5, true);
    EXPECT_EQ(chart.Image(), chart.CleanImage());
    EXPECT_EQ(chart.HighlightedDay(), -1);
    chart.MouseAt(55, 100, true);
    EXPECT_EQ(chart.Image().Pixel(55, 100), chart.CleanImage().Pixel(55, 100) ^ 0xD0D0D0);
    // Without the option nothing is inverted.
    chart.RestoreClean();
    chart.MouseAt(55, 100, false);
    EXPECT_EQ(chart.Image(), chart.CleanImage());
}

TEST(BioChart, GridLinesSolidOnSundaysDottedOtherwise) {
    // 1 January 2023 is a Sunday.
    const ChartColours colours = LightChartColours();
    const BioChart chart = Drawn({"Ann", {1980, 5, 7}, 2023, 1}, NoCycles(), colours);
    for (int y = 30; y < 166; ++y) {
        EXPECT_EQ(chart.Image().Pixel(20, y), colours.pen) << y;  // day 1, Sunday
        EXPECT_EQ(chart.Image().Pixel(90, y), colours.pen) << y;  // day 8, Sunday
        if (y == 98) continue;                                    // the zero line crosses
        EXPECT_EQ(chart.Image().Pixel(30, y), (y - 30) % 2 == 0 ? colours.pen : colours.background) << y;
    }
    EXPECT_EQ(chart.Image().Pixel(20, 29), colours.background);
    EXPECT_EQ(chart.Image().Pixel(20, 166), colours.background);
    // The zero line from x = 20 to the end of the plot.
    EXPECT_EQ(chart.Image().Pixel(25, 98), colours.pen);
    EXPECT_EQ(chart.Image().Pixel(319, 98), colours.pen);
    EXPECT_EQ(chart.Image().Pixel(19, 98), colours.background);
}

TEST(BioChart, LabelsDayNumbersWeekdaysAndTitle) {
    BioChart chart;
    RecordingLettering lettering;
    ASSERT_TRUE(chart.Draw({"Ann", {1980, 5, 7}, 2023, 2}, kToday, ChartOptions{}, DarkChartColours(0xC0C0C0),
                           lettering));
    const auto labels = lettering.WithPoints(8);
    ASSERT_EQ(labels.size(), 3u);
    EXPECT_EQ(labels[0].text, "+");
    EXPECT_EQ(labels[0].x, 8);
    EXPECT_EQ(labels[0].y, 30);
    EXPECT_EQ(labels[1].text, "0");
    EXPECT_EQ(labels[1].y, 90);
    EXPECT_EQ(labels[2].text, "-");
    EXPECT_EQ(labels[2].y, 150);
    EXPECT_EQ(labels[0].colour, 0xC0C0C0u);

    const auto small = lettering.WithPoints(5);
    ASSERT_EQ(small.size(), 56u);  // 28 numbers and 28 letters
    // 1 February 2023 is a Wednesday; numbers at y = 156, letters at y = 30.
    EXPECT_EQ(small[0].text, "1");
    EXPECT_EQ(small[0].y, 156);
    EXPECT_EQ(small[0].x, 20 + 1 + (9 - 4) / 2);
    EXPECT_EQ(small[1].text, "W");
    EXPECT_EQ(small[1].y, 30);
    std::string letters;
    for (std::size_t i = 1; i < small.size(); i += 2) letters += small[i].text;
    EXPECT_EQ(letters, "WTFSSMTWTFSSMTWTFSSMTWTFSSMT");
    EXPECT_EQ(small[54].text, "28");
    EXPECT_EQ(small[54].x, 290 + 1 + (9 - 8) / 2);

    const auto title = lettering.WithPoints(10);
    ASSERT_EQ(title.size(), 1u);
    EXPECT_EQ(title[0].text, "Ann - February 2023");
    EXPECT_EQ(title[0].y, 4);
    EXPECT_EQ(title[0].x, (339 - 4 * 19) / 2);
    EXPECT_EQ(title[0].colour, 0xFFFF00u);
}

TEST(BioChart, EmptyGridHas31DottedDaysAndNoTitle) {
    BioChart chart;
    RecordingLettering lettering;
    const ChartColours colours = LightChartColours();
    chart.DrawEmptyGrid(colours, lettering);
    EXPECT_EQ(chart.Days(), 31);
    EXPECT_EQ(chart.XEnd(), 320);
    EXPECT_TRUE(lettering.WithPoints(10).empty());
    EXPECT_EQ(lettering.WithPoints(5).size(), 31u);  // day numbers only
    for (int day = 1; day <= 31; ++day) {
        EXPECT_EQ(chart.Image().Pixel(10 * day + 10, 31), colours.background) << day;
        EXPECT_EQ(chart.Image().Pixel(10 * day + 10, 32), colours.pen) << day;
    }
}

TEST(BioChart, NothingIsDrawnWhenTheBirthDateIsToday) {
    BioChart chart;
    NoLettering lettering;
    chart.DrawEmptyGrid(LightChartColours(), lettering);
    const Raster before = chart.Image();
    EXPECT_FALSE(
        chart.Draw({"Ann", kToday, 2026, 12}, kToday, ChartOptions{}, DarkChartColours(), lettering));
    EXPECT_FALSE(chart.ChartDrawn());
    EXPECT_EQ(chart.Image(), before);
    // A month outside 1753 to 2078 is not drawn either.
    EXPECT_FALSE(
        chart.Draw({"Ann", {1980, 1, 1}, 2079, 1}, kToday, ChartOptions{}, LightChartColours(), lettering));
    EXPECT_FALSE(
        chart.Draw({"Ann", {1980, 1, 1}, 2000, 13}, kToday, ChartOptions{}, LightChartColours(), lettering));
}

TEST(BioChart, ThickLinesAreTwoPixelsWide) {
    const ChartColours colours = LightChartColours();
    const BioChart thin = Drawn({"Ann", {1980, 5, 7}, 2023, 3}, OnlyCycle(Cycle::Physical, false), colours);
    const BioChart thick = Drawn({"Ann", {1980, 5, 7}, 2023, 3}, OnlyCycle(Cycle::Physical, true), colours);
    int thinCount = 0;
    int thickCount = 0;
    for (int y = 0; y < kChartHeight; ++y) {
        for (int x = 0; x < kChartWidth; ++x) {
            thinCount += thin.Image().Pixel(x, y) == colours.curves[0];
            thickCount += thick.Image().Pixel(x, y) == colours.curves[0];
        }
    }
    EXPECT_GT(thickCount, thinCount * 3 / 2);
    const int a = DaysFromBirth({1980, 5, 7}, 2023, 3);
    EXPECT_EQ(thick.Image().Pixel(100, ExpectedRow(a, 23, 100) + 1), colours.curves[0]);
}

TEST(BioChart, PaperCopyTurnsTheBackgroundWhite) {
    const ChartColours dark = DarkChartColours(0xE3E3E3);
    const BioChart chart = Drawn({"Ann", {1980, 5, 7}, 2023, 1}, ChartOptions{}, dark);
    const Raster paper = PaperCopy(chart.CleanImage(), dark);
    EXPECT_EQ(paper.Pixel(0, 0), 0xFFFFFFu);
    EXPECT_EQ(paper.Pixel(20, 40), 0x000000u);  // a Sunday line, yellow on screen
    const int a = DaysFromBirth({1980, 5, 7}, 2023, 1);
    EXPECT_EQ(paper.Pixel(200, ExpectedRow(a, 33, 200)), chart.Image().Pixel(200, ExpectedRow(a, 33, 200)));

    const ChartColours light = LightChartColours(0xFFFFDC);
    const BioChart lightChart = Drawn({"Ann", {1980, 5, 7}, 2023, 1}, ChartOptions{}, light);
    const Raster lightPaper = PaperCopy(lightChart.CleanImage(), light);
    EXPECT_EQ(lightPaper.Pixel(0, 0), 0xFFFFFFu);
    EXPECT_EQ(lightPaper.Pixel(20, 40), 0x000000u);
}

TEST(BioChart, TitleText) {
    EXPECT_EQ(ChartTitle("Ann", 2023, 2), "Ann - February 2023");
    EXPECT_EQ(ChartTitle("", 1753, 12), " - December 1753");
}

}  // namespace
}  // namespace orvanto::bio
