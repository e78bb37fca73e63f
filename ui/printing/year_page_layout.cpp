// The year page in printer pixels.
#include "ui/printing/year_page_layout.h"

#include <algorithm>
#include <string>

#include "calendar/month_length.h"
#include "calendar/weekday.h"
#include "ui/printing/calendar_print_shapes.h"

namespace orvanto {

namespace {

constexpr int kPrintedPhases = 5;
constexpr const char* kNumberSlot = "99";
constexpr const char* kEntryNumberSlot = "99: ";
constexpr int kMaxNumberLines = 6;

void AddPhases(PrintedPage& page, const YearPageMetrics& m, const MonthPrintData& data,
               const TextMeasure& measure, int x, int y) {
    const int band = Nint(3.0 * m.unit);
    const int dayHeight = measure.Height("99", kYearPhaseDayFont);
    for (std::size_t i = 0; i < data.phases.size() && i < kPrintedPhases; ++i) {
        const int step = 3 * m.unit * static_cast<int>(i);
        AddMoonSymbol(page, data.phases[i].phase, x + m.unit + step, y + (band - m.unit) / 2, m.unit);
        AddText(page, x + Nint(2.3 * m.unit) + step, y + (band - dayHeight) / 2,
                std::to_string(data.phases[i].day), kYearPhaseDayFont);
    }
}

void AddCaptions(PrintedPage& page, const YearPageMetrics& m, const CalendarPrintOptions& options,
                 const TextMeasure& measure, int x, int y) {
    const auto captions = WeekdayCaptions(options.oldEurope);
    for (int i = 0; i < 7; ++i) {
        const bool red = options.colors && i == SundayColumn(options.oldEurope);
        AddTextCentredInSlot(page, measure, x + i * (m.slot + m.slotGap) + m.slotGap, m.slot,
                             y + Nint(3.5 * m.unit), captions[i], m.captionFont,
                             red ? kPrintRed : kPrintBlack);
    }
}

// Returns the top of the last line of numbers.
int AddNumbers(PrintedPage& page, const YearPageMetrics& m, const MonthPrintData& data,
               const CalendarPrintOptions& options, const TextMeasure& measure, int x, int y) {
    const int slotWidth = measure.Width(kNumberSlot, m.numberFont);
    const int length = DaysInMonth(data.month, data.year);
    const int sundayColumn = SundayColumn(options.oldEurope);
    int line = y + Nint(3.5 * m.unit) + m.numberLine;
    for (int day = 1; day <= length; ++day) {
        const int column = WeekColumn(WeekdayOf(data.year, data.month, day), options.oldEurope);
        if (column == 0 && day > 1) line += m.numberLine;
        const int right = x + 4 * m.slotGap + column * (m.slot + m.slotGap) + slotWidth;
        const bool red = options.colors && column == sundayColumn;
        AddRightAlignedText(page, measure, right, line, std::to_string(day), m.numberFont,
                            red ? kPrintRed : kPrintBlack);
    }
    return line;
}

void AddEntries(PrintedPage& page, const YearPageMetrics& m, const MonthPrintData& data,
                const CalendarPrintOptions& options, const TextMeasure& measure, int x, int top,
                int boxBottom) {
    const int lineHeight = measure.Height("pP", kYearEntryFont);
    const int slot = measure.Width(kEntryNumberSlot, kYearEntryFont);
    const int width = m.box - Nint(1.7 * m.unit) - slot;
    int y = top;
    for (const PrintEntry& entry : data.entries) {
        const bool wanted = entry.type == 2 ? options.holidays : options.events;
        if (!wanted) continue;
        if (y + lineHeight > boxBottom) break;
        AddText(page, x + m.unit, y, std::to_string(entry.day) + ": ", kYearEntryFont);
        AddText(page, x + m.unit + slot, y,
                ShortenToWidth(CleanEntryText(entry.text), width, kYearEntryFont, measure), kYearEntryFont);
        y += lineHeight;
    }
}

void AddMonthBox(PrintedPage& page, const YearPageMetrics& m, const MonthPrintData& data,
                 const CalendarPrintOptions& options, const TextMeasure& measure, int x, int y) {
    AddBoxWithShadow(page, x, y, m.box, m.boxHeight, m.shadow);
    AddRightAlignedText(page, measure, x + m.box - m.unit, y + m.unit / 2, MonthName(data.month),
                        kYearMonthNameFont);
    const int lineY = y + Nint(3.0 * m.unit);
    page.items.emplace_back(PrintLine{x, lineY, x + m.box, lineY, kBoxPenWidth, kPrintBlack});
    if (options.moon) AddPhases(page, m, data, measure, x, y);
    AddCaptions(page, m, options, measure, x, y);
    const int lastLine = AddNumbers(page, m, data, options, measure, x, y);
    AddEntries(page, m, data, options, measure, x, lastLine + 2 * m.unit, y + m.boxHeight);
}

}  // namespace

YearPageMetrics ComputeYearPageMetrics(const PageGeometry& page, const TextMeasure& measure) {
    YearPageMetrics m;
    m.third = page.width / 3;
    const int box = Nint(0.94 * m.third);
    m.gap = m.third - box;
    m.shadow = m.gap / 3;
    m.box = box + (m.gap - m.shadow) / 3;
    m.pageUsed = 3 * m.third - (m.gap % 3) - (m.gap / 3);
    m.titleHeight = measure.Height("pP", kYearTitleFont);
    m.boxHeight = Nint(0.9 * ((page.height - 2 * m.titleHeight) / 4));
    m.unit = measure.Height("pP", kYearMonthNameFont) / 2;
    m.slotUnit = m.box / 7;
    m.slot = Nint(0.94 * m.slotUnit);
    m.slotGap = m.slotUnit - m.slot;
    m.numberLine = Nint(1.3 * measure.Height("99", kYearCaptionFont));
    // From the captions' top to the bottom of the sixth line of numbers,
    // leaving F div 2 above the box's bottom.
    const int captionsTop = Nint(3.5 * m.unit);
    const int needed = kMaxNumberLines * m.numberLine + measure.Height("99", kYearNumberFont);
    const int room = m.boxHeight - m.unit / 2 - captionsTop;
    ShrinkNumberLinesToFit(needed, room, m.numberLine, m.captionFont, m.numberFont);
    return m;
}

PrintedPage LayoutYearPage(const std::array<MonthPrintData, 12>& months, const CalendarPrintOptions& options,
                           const PageGeometry& geometry, const TextMeasure& measure) {
    const YearPageMetrics m = ComputeYearPageMetrics(geometry, measure);
    PrintedPage page;
    const int titleBoxHeight = Nint(1.5 * m.titleHeight);
    AddBoxWithShadow(page, 0, 0, m.pageUsed, titleBoxHeight, m.shadow);
    AddCentredText(page, measure, {0, 0, m.pageUsed, titleBoxHeight}, std::to_string(months[0].year),
                   kYearTitleFont);
    for (int i = 0; i < 12; ++i) {
        const int x = (i % 3) * (m.box + m.gap);
        const int y = 2 * m.titleHeight + (i / 3) * (m.boxHeight + m.gap);
        AddMonthBox(page, m, months[i], options, measure, x, y);
    }
    return page;
}

}  // namespace orvanto
