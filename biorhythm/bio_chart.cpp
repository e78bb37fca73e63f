// BioChart: the biorhythm chart drawn on a raster.
#include "biorhythm/bio_chart.h"

#include <cstdlib>

#include "calendar/month_length.h"
#include "calendar/serial_date.h"
#include "calendar/valid_date.h"

namespace orvanto::bio {

namespace {

constexpr RasterColour kBlack = 0x000000;
constexpr RasterColour kWhite = 0xFFFFFF;
constexpr RasterColour kYellow = 0xFFFF00;
constexpr RasterColour kRed = 0xFF0000;
constexpr RasterColour kBlue = 0x0000FF;
constexpr RasterColour kGreen = 0x008000;
constexpr RasterColour kLime = 0x00FF00;

// Where the grid's parts stand.
constexpr int kGridTop = 30;           // top of the day lines, row of the weekday letters
constexpr int kGridBottomMargin = 10;  // the day lines end 10 pixels above the bottom
constexpr int kDayNumberRise = 20;     // day numbers stand 20 pixels above the bottom
constexpr int kLabelX = 8;
constexpr int kPlusY = 30;
constexpr int kZeroRise = 8;    // "0" stands 8 pixels above the zero line
constexpr int kMinusRise = 26;  // "-" stands 26 pixels above the bottom
constexpr int kTitleY = 4;
constexpr int kDayCellWidth = 9;    // the space between two day lines
constexpr int kHighlightLeft = 21;  // a day's column begins 21 pixels right of 10 day

// 1 = Sunday ... 7 = Saturday.
constexpr const char* kWeekdayLetters[8] = {"", "S", "M", "T", "W", "T", "F", "S"};
constexpr const char* kMonthNames[12] = {"January",   "February", "March",    "April",
                                         "May",       "June",     "July",     "August",
                                         "September", "October",  "November", "December"};

int ZeroLineRow(int height) { return (height + 20) / 2; }

// Bresenham's line from (x0, y0) to (x1, y1), both ends included.
template <typename Plot>
void WalkLine(int x0, int y0, int x1, int y1, Plot plot) {
    const int dx = std::abs(x1 - x0);
    const int dy = -std::abs(y1 - y0);
    const int sx = x0 < x1 ? 1 : -1;
    const int sy = y0 < y1 ? 1 : -1;
    int error = dx + dy;
    for (;;) {
        plot(x0, y0);
        if (x0 == x1 && y0 == y1) return;
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            x0 += sx;
        }
        if (twice <= dx) {
            error += dx;
            y0 += sy;
        }
    }
}

// A vertical line from row `top` down to the row above `bottom`; dotted
// lines paint every other pixel, beginning with the first.
void VerticalLine(Raster& raster, int x, int top, int bottom, RasterColour colour, bool dotted) {
    for (int y = top; y < bottom; ++y) {
        if (!dotted || (y - top) % 2 == 0) raster.SetPixel(x, y, colour);
    }
}

void HorizontalLine(Raster& raster, int left, int right, int y, RasterColour colour) {
    for (int x = left; x < right; ++x) raster.SetPixel(x, y, colour);
}

}  // namespace

ChartColours LightChartColours(RasterColour tooltipBackground) {
    ChartColours colours;
    colours.dark = false;
    colours.background = tooltipBackground;
    colours.pen = kBlack;
    colours.text = kBlack;
    colours.curves = {kRed, kBlue, kGreen};
    return colours;
}

ChartColours DarkChartColours(RasterColour light3D) {
    ChartColours colours;
    colours.dark = true;
    colours.background = kBlack;
    colours.pen = kYellow;
    colours.text = light3D;
    colours.curves = {kRed, kBlue, kLime};
    return colours;
}

std::string ChartTitle(const std::string& name, int year, int month) {
    const std::string monthName = month >= 1 && month <= 12 ? kMonthNames[month - 1] : "";
    return name + " - " + monthName + " " + std::to_string(year);
}

int PlotDayAt(int x, int y, int xEnd, int height) {
    if (x < kPlotLeft || x > xEnd || y < kGridTop + 1 || y >= height - kGridBottomMargin) return -1;
    return (x - kPlotLeft) / kPixelsPerDay;
}

void InvertDayColumn(Raster& raster, int day) {
    const int left = kPixelsPerDay * day + kHighlightLeft;
    for (int x = left; x < left + kDayCellWidth; ++x) {
        for (int y = kGridTop; y <= raster.Height() - kGridBottomMargin; ++y) {
            if (raster.Contains(x, y)) raster.SetPixel(x, y, raster.Pixel(x, y) ^ kHighlightMask);
        }
    }
}

Raster PaperCopy(const Raster& chart, const ChartColours& colours) {
    Raster paper = chart;
    for (int y = 0; y < paper.Height(); ++y) {
        for (int x = 0; x < paper.Width(); ++x) {
            const RasterColour pixel = paper.Pixel(x, y);
            if (pixel == colours.background)
                paper.SetPixel(x, y, kWhite);
            else if (colours.dark && (pixel == colours.pen || pixel == colours.text))
                paper.SetPixel(x, y, kBlack);
        }
    }
    return paper;
}

BioChart::BioChart()
    : image_(kChartWidth, kChartHeight, kDefaultTooltipBackground),
      clean_(image_),
      y0_(ZeroLineRow(kChartHeight)) {}

int BioChart::Value(int day, Cycle cycle) const {
    if (day < 1 || day > kMaxDays) return 0;
    return values_[day - 1][static_cast<int>(cycle)];
}

void BioChart::DrawGrid(int year, int month, int firstWeekday, const std::string& name,
                        Lettering& lettering) {
    const int height = image_.Height();
    y0_ = ZeroLineRow(height);
    image_ = Raster(image_.Width(), height, colours_.background);

    lettering.DrawText(image_, kLabelX, kPlusY, "+", kLabelPoints, colours_.text);
    lettering.DrawText(image_, kLabelX, y0_ - kZeroRise, "0", kLabelPoints, colours_.text);
    lettering.DrawText(image_, kLabelX, height - kMinusRise, "-", kLabelPoints, colours_.text);

    const bool emptyGrid = firstWeekday == 0;
    days_ = emptyGrid ? kMaxDays : DaysInMonth(month, year);
    int weekday = firstWeekday;
    for (int day = 1; day <= days_; ++day) {
        const int x = kPixelsPerDay * day + kPixelsPerDay;
        const bool sunday = weekday == 1;
        VerticalLine(image_, x, kGridTop, height - kGridBottomMargin, colours_.pen, !sunday);

        const std::string number = std::to_string(day);
        const int numberX = x + 1 + (kDayCellWidth - lettering.TextWidth(number, kDayPoints)) / 2;
        lettering.DrawText(image_, numberX, height - kDayNumberRise, number, kDayPoints, colours_.text);

        const std::string letter = kWeekdayLetters[weekday];
        if (!letter.empty()) {
            const int letterX = x + 1 + (kDayCellWidth - lettering.TextWidth(letter, kDayPoints)) / 2;
            lettering.DrawText(image_, letterX, kGridTop, letter, kDayPoints, colours_.text);
        }
        if (!emptyGrid) weekday = weekday % 7 + 1;
    }

    xEnd_ = kPixelsPerDay * days_ + kPixelsPerDay;
    HorizontalLine(image_, kPlotLeft, xEnd_, y0_, colours_.pen);

    if (!emptyGrid) {
        const std::string title = ChartTitle(name, year, month);
        const int titleX = (image_.Width() - lettering.TextWidth(title, kTitlePoints)) / 2;
        lettering.DrawText(image_, titleX, kTitleY, title, kTitlePoints, colours_.pen);
    }
}

void BioChart::DrawEmptyGrid(const ChartColours& colours, Lettering& lettering) {
    colours_ = colours;
    DrawGrid(0, 0, 0, std::string(), lettering);
    clean_ = image_;
    highlightedDay_ = -1;
}

void BioChart::DrawCurve(int daysFromBirth, Cycle cycle, int penWidth) {
    const int length = CycleLength(cycle);
    const RasterColour colour = colours_.curves[static_cast<int>(cycle)];
    // A pen two pixels wide paints the pixel right of and below each point,
    // kept within the plot so the curve still ends at x_end.
    auto plot = [&](int x, int y) {
        for (int dx = 0; dx < penWidth; ++dx) {
            if (x + dx > xEnd_) break;
            for (int dy = 0; dy < penWidth; ++dy) image_.SetPixel(x + dx, y + dy, colour);
        }
    };
    int previousY = CurveRow(y0_, daysFromBirth, length, kPlotLeft);
    plot(kPlotLeft, previousY);
    for (int x = kPlotLeft + 1; x <= xEnd_; ++x) {
        const int y = CurveRow(y0_, daysFromBirth, length, x);
        WalkLine(x - 1, previousY, x, y, plot);
        previousY = y;
    }
}

bool BioChart::Draw(const ChartSubject& subject, const CivilDate& today, const ChartOptions& options,
                    const ChartColours& colours, Lettering& lettering) {
    if (subject.birth == today) return false;
    if (!IsValidDate(1, subject.month, subject.year)) return false;
    double birthSerial = 0;
    if (!TryEncodeDate(subject.birth.year, subject.birth.month, subject.birth.day, birthSerial)) return false;

    colours_ = colours;
    const int daysFromBirth = DaysFromBirth(subject.birth, subject.year, subject.month);
    const int firstWeekday = DayOfWeek(EncodeDate(subject.year, subject.month, 1));
    DrawGrid(subject.year, subject.month, firstWeekday, subject.name, lettering);

    const int penWidth = options.thickLines ? 2 : 1;
    for (Cycle cycle : kCycles) {
        if (options.cycles[static_cast<int>(cycle)]) DrawCurve(daysFromBirth, cycle, penWidth);
    }
    // Every cycle's percentages are kept, drawn or not, so the value strip
    // always tells the day's three values.
    values_ = {};
    for (int day = 1; day <= days_; ++day) {
        for (Cycle cycle : kCycles) {
            values_[day - 1][static_cast<int>(cycle)] = DayValue(daysFromBirth, CycleLength(cycle), day);
        }
    }

    clean_ = image_;
    highlightedDay_ = -1;
    chartDrawn_ = true;
    return true;
}

void BioChart::RestoreClean() {
    image_ = clean_;
    highlightedDay_ = -1;
}

StripCells BioChart::MouseAt(int x, int y, bool highlight) {
    if (!chartDrawn_) return {};
    const int day = PlotDayAt(x, y, xEnd_, image_.Height());
    if (day < 0) {
        if (highlightedDay_ >= 0) RestoreClean();
        return {};
    }
    const StripCells cells = {
        "Day: " + std::to_string(day + 1),
        "Physical: " + std::to_string(Value(day + 1, Cycle::Physical)),
        "Emotional: " + std::to_string(Value(day + 1, Cycle::Emotional)),
        "Intellectual: " + std::to_string(Value(day + 1, Cycle::Intellectual)),
    };
    if (highlight && highlightedDay_ != day) {
        RestoreClean();
        highlightedDay_ = day;
        InvertDayColumn(image_, day);
    }
    return cells;
}

}  // namespace orvanto::bio
