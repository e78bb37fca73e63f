// The card sheet in printer pixels.
#include "ui/printing/card_sheet_layout.h"

#include <algorithm>
#include <string>

#include "calendar/month_length.h"
#include "calendar/weekday.h"
#include "ui/printing/calendar_print_shapes.h"

namespace orvanto {

namespace {

constexpr const char* kNumberSlot = "99";
constexpr int kMaxNumberLines = 6;

void AddMiniMonth(PrintedPage& page, const CardSheetMetrics& m, int year, int month,
                  const CalendarPrintOptions& options, const TextMeasure& measure, int x, int y) {
    AddBoxWithShadow(page, x, y, m.box, m.boxHeight, m.shadow);
    const int f = m.monthUnit;
    AddRightAlignedText(page, measure, x + m.box - f, y + f / 4, MonthName(month), kCardMonthNameFont);
    const int lineY = y + Nint(2.5 * f);
    page.items.emplace_back(PrintLine{x, lineY, x + m.box, lineY, kBoxPenWidth, kPrintBlack});

    const int sundayColumn = SundayColumn(options.oldEurope);
    const auto captions = WeekdayCaptions(options.oldEurope);
    const int captionTop = y + Nint(3.0 * f);
    for (int i = 0; i < 7; ++i) {
        const bool red = options.colors && i == sundayColumn;
        AddTextCentredInSlot(page, measure, x + i * (m.slot + m.slotGap) + m.slotGap, m.slot, captionTop,
                             captions[i], m.captionFont, red ? kPrintRed : kPrintBlack);
    }

    const int slotWidth = measure.Width(kNumberSlot, m.numberFont);
    const int length = DaysInMonth(month, year);
    int line = captionTop + m.numberLine;
    for (int day = 1; day <= length; ++day) {
        const int column = WeekColumn(WeekdayOf(year, month, day), options.oldEurope);
        if (column == 0 && day > 1) line += m.numberLine;
        const int right = x + Nint(3.8 * m.slotGap) + column * (m.slot + m.slotGap) + slotWidth;
        const bool red = options.colors && column == sundayColumn;
        AddRightAlignedText(page, measure, right, line, std::to_string(day), m.numberFont,
                            red ? kPrintRed : kPrintBlack);
    }
}

void AddCard(PrintedPage& page, const CardSheetMetrics& m, int year, const CalendarPrintOptions& options,
             const TextMeasure& measure, int left, int top) {
    const int titleBoxHeight = Nint(1.5 * m.titleHeight);
    AddBoxWithShadow(page, left, top, m.cardWidth, titleBoxHeight, m.shadow);
    AddCentredText(page, measure, {left, top, m.cardWidth, titleBoxHeight}, std::to_string(year),
                   kCardTitleFont);
    const int monthsTop = top + 2 * m.titleHeight - kCardMonthsRaise;
    for (int i = 0; i < 12; ++i) {
        const int x = left + (i % 3) * (m.box + m.gap);
        const int y = monthsTop + (i / 3) * (m.boxHeight + m.gap);
        AddMiniMonth(page, m, year, i + 1, options, measure, x, y);
    }
}

}  // namespace

CardSheetMetrics ComputeCardSheetMetrics(const PageGeometry& page, bool landscape,
                                         const TextMeasure& measure) {
    CardSheetMetrics m;
    if (landscape) {
        m.pitchX = Nint(1.3 * (page.width / 4));
        m.pitchY = page.height / 3;
    } else {
        m.pitchX = page.width / 3;
        m.pitchY = Nint(1.3 * (page.height / 4));
    }
    m.unit = page.width / 12;
    const int box = Nint(0.94 * m.unit);
    m.gap = m.unit - box;
    m.shadow = m.gap / 3;
    m.box = box + (m.gap - m.shadow) / 3;
    m.cardWidth = 3 * m.unit - (m.gap % 3) - (m.gap / 3);
    m.titleHeight = measure.Height("pP", kCardTitleFont);
    m.boxHeight = page.height / 18;
    m.monthUnit = measure.Height("pP", kCardMonthNameFont) / 2;
    const int slotUnit = m.box / 7;
    m.slot = Nint(0.94 * slotUnit);
    m.slotGap = slotUnit - m.slot;
    m.numberLine = measure.Height("99", kCardNumberFont);
    // From the captions' top to the bottom of the sixth line of numbers,
    // leaving F div 4 above the box's bottom.
    const int captionsTop = Nint(3.0 * m.monthUnit);
    const int needed = (kMaxNumberLines + 1) * m.numberLine;
    const int room = m.boxHeight - m.monthUnit / 4 - captionsTop;
    ShrinkNumberLinesToFit(needed, room, m.numberLine, m.captionFont, m.numberFont);
    return m;
}

PrintedPage LayoutCardSheet(int firstYear, int count, const CalendarPrintOptions& options,
                            const PageGeometry& geometry, const TextMeasure& measure) {
    const CardSheetMetrics m = ComputeCardSheetMetrics(geometry, options.landscape, measure);
    PrintedPage page;
    const int cards = std::clamp(count, 0, kCardsPerSheet);
    for (int j = 0; j < cards; ++j) {
        AddCard(page, m, firstYear + j, options, measure, (j % 3) * m.pitchX, (j / 3) * m.pitchY);
    }
    return page;
}

}  // namespace orvanto
