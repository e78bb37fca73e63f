// BioChart: the biorhythm chart of one person and one month, drawn on a
// 339 x 176 raster: the day grid with its labels, the zero line, the title
// and the three cycle curves, with the table of each day's percentages, the
// value strip of the day under the mouse and the inverted day column.
#pragma once

#include <array>
#include <string>

#include "astronomy/raster.h"
#include "biorhythm/bio_cycles.h"
#include "calendar/civil_date.h"

namespace orvanto::bio {

using astro::Raster;
using astro::RasterColour;

inline constexpr int kChartWidth = 339;
inline constexpr int kChartHeight = 176;
inline constexpr int kMaxDays = 31;

// Font sizes in points: the "+", "0" and "-" labels, the day numbers and
// weekday letters, and the title.
inline constexpr int kLabelPoints = 8;
inline constexpr int kDayPoints = 5;
inline constexpr int kTitlePoints = 10;

// The colour the highlighted day column is combined with by exclusive-or.
inline constexpr RasterColour kHighlightMask = 0xD0D0D0;

// The desktop's tool-tip background and 3-D light colours where no desktop
// palette is at hand.
inline constexpr RasterColour kDefaultTooltipBackground = 0xFFFFE1;
inline constexpr RasterColour kDefaultLight3D = 0xE3E3E3;

// The chart's colours (0xRRGGBB): light on the tool-tip background, or dark.
struct ChartColours {
    bool dark = false;
    RasterColour background = kDefaultTooltipBackground;
    RasterColour pen = 0x000000;   // grid, zero line and title
    RasterColour text = 0x000000;  // labels, day numbers and weekday letters
    std::array<RasterColour, kCycleCount> curves = {0xFF0000, 0x0000FF, 0x008000};
};

// Black lines and text on the tool-tip background; the intellectual curve green.
ChartColours LightChartColours(RasterColour tooltipBackground = kDefaultTooltipBackground);
// Yellow lines, text in the 3-D light colour, on black; the intellectual curve lime.
ChartColours DarkChartColours(RasterColour light3D = kDefaultLight3D);

// Writes text on the raster. The chart computes where each text goes; a
// lettering measures and draws it (the program's uses the desktop's fonts).
class Lettering {
public:
    virtual ~Lettering() = default;
    // The width in pixels of the text at a point size.
    virtual int TextWidth(const std::string& text, int points) = 0;
    // The text with the top-left corner of its line box at (x, y).
    virtual void DrawText(Raster& raster, int x, int y, const std::string& text, int points,
                          RasterColour colour) = 0;
};

// A lettering that writes nothing and measures every text as empty.
class NoLettering : public Lettering {
public:
    int TextWidth(const std::string&, int) override { return 0; }
    void DrawText(Raster&, int, int, const std::string&, int, RasterColour) override {}
};

struct ChartOptions {
    std::array<bool, kCycleCount> cycles = {true, true, true};
    bool thickLines = true;  // curves two pixels wide instead of one
};

struct ChartSubject {
    std::string name;
    CivilDate birth;
    int year = 0;
    int month = 0;
};

// The four cells of the value strip: day, physical, emotional, intellectual.
using StripCells = std::array<std::string, 4>;

// The title above the curves: name, " - ", month name, " " and year.
std::string ChartTitle(const std::string& name, int year, int month);

// The 0-based day under pixel (x, y), or -1 outside the plot area.
int PlotDayAt(int x, int y, int xEnd, int height);

// Inverts the day's column (x = 10 day + 21 .. 10 day + 29, y = 30 ..
// height - 10) by an exclusive-or of each pixel with D0D0D0.
void InvertDayColumn(Raster& raster, int day);

// The chart as it goes to paper: the background turned white and, for the
// dark colours, the yellow lines and the 3-D light text turned black.
Raster PaperCopy(const Raster& chart, const ChartColours& colours);

class BioChart {
public:
    BioChart();

    // The grid of 31 days with blank weekdays, all lines dotted, no title.
    void DrawEmptyGrid(const ChartColours& colours, Lettering& lettering);

    // Draws the month's chart; false, with nothing drawn, when the birth date
    // is today or the month is not one of 1753 to 2078.
    bool Draw(const ChartSubject& subject, const CivilDate& today, const ChartOptions& options,
              const ChartColours& colours, Lettering& lettering);

    // The chart as shown (with the highlighted column) and as last drawn.
    const Raster& Image() const { return image_; }
    const Raster& CleanImage() const { return clean_; }
    bool ChartDrawn() const { return chartDrawn_; }
    const ChartColours& Colours() const { return colours_; }

    int XEnd() const { return xEnd_; }
    int Y0() const { return y0_; }
    int Days() const { return days_; }
    // The percentage of day 1..31 for a cycle (0 for a day not drawn yet).
    int Value(int day, Cycle cycle) const;

    // The mouse at (x, y) of the chart: the strip's cells (all empty outside
    // the plot area, where the clean chart is restored) and, with
    // `highlight`, the day's column inverted.
    StripCells MouseAt(int x, int y, bool highlight);
    // The clean chart back, no day highlighted.
    void RestoreClean();
    // The highlighted 0-based day, or -1.
    int HighlightedDay() const { return highlightedDay_; }

private:
    // Month m of year Y whose 1st is weekday `firstWeekday` (1 = Sunday ...
    // 7 = Saturday); 0 draws the empty grid.
    void DrawGrid(int year, int month, int firstWeekday, const std::string& name, Lettering& lettering);
    void DrawCurve(int daysFromBirth, Cycle cycle, int penWidth);

    Raster image_;
    Raster clean_;
    ChartColours colours_;
    bool chartDrawn_ = false;
    int xEnd_ = 0;
    int y0_ = 0;
    int days_ = kMaxDays;
    std::array<std::array<int, kCycleCount>, kMaxDays> values_{};
    int highlightedDay_ = -1;
};

}  // namespace orvanto::bio
