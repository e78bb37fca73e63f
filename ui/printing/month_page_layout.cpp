// The month page in printer pixels.
#include "ui/printing/month_page_layout.h"

#include <string>
#include <vector>

#include "calendar/month_length.h"
#include "calendar/weekday.h"
#include "ui/printing/calendar_print_shapes.h"

namespace orvanto {

namespace {

constexpr int kMaxRows = 6;
constexpr int kPrintedPhases = 5;
constexpr const char* kListNumberSlot = "99: ";

bool Inside(EntryPlacement placement) { return placement != EntryPlacement::Below; }
bool Below(EntryPlacement placement) { return placement != EntryPlacement::Inside; }

bool PrintedInside(const PrintEntry& entry, const CalendarPrintOptions& options) {
    if (entry.type == 2) return options.holidays && Inside(options.holidayPlacement);
    return options.events && Inside(options.eventPlacement);
}

int CellLeft(const MonthPageMetrics& m, int column) { return column * (m.cell + m.gap); }
int RowTop(const MonthPageMetrics& m, int row) { return m.firstRowTop + row * (m.cell + m.gap); }

void AddTitle(PrintedPage& page, const MonthPageMetrics& m, const MonthPrintData& data,
              const TextMeasure& measure) {
    const int height = Nint(1.5 * m.titleHeight);
    AddBoxWithShadow(page, 0, 0, m.gridWidth, height, m.shadow);
    const std::string title = std::string(MonthName(data.month)) + " " + std::to_string(data.year);
    AddCentredText(page, measure, {0, 0, m.gridWidth, height}, title, kMonthTitleFont);
}

void AddWeekHeader(PrintedPage& page, const MonthPageMetrics& m, const CalendarPrintOptions& options,
                   const TextMeasure& measure) {
    const int top = 2 * m.titleHeight;
    const auto captions = WeekdayCaptions(options.oldEurope);
    for (int column = 0; column < 7; ++column) {
        const int left = CellLeft(m, column);
        AddBoxWithShadow(page, left, top, m.cell, m.headerHeight, m.shadow);
        const bool red = options.colors && column == SundayColumn(options.oldEurope);
        AddCentredText(page, measure, {left, top, m.cell, m.headerHeight}, captions[column], kMonthHeaderFont,
                       red ? kPrintRed : kPrintBlack);
    }
}

void AddDayNumber(PrintedPage& page, const MonthPageMetrics& m, const TextMeasure& measure, int x, int y,
                  int number, PrintColour colour) {
    AddRightAlignedText(page, measure, x + m.cell - m.unit, y + Nint(0.75 * m.unit), std::to_string(number),
                        kMonthDayNumberFont, colour);
}

void AddSideDay(PrintedPage& page, const MonthPageMetrics& m, const TextMeasure& measure, int x, int y,
                int number) {
    AddBoxWithShadow(page, x, y, m.cell, m.cell, m.shadow, kPrintGrey);
    AddDayNumber(page, m, measure, x, y, number, kPrintGrey);
}

void AddEntriesInside(PrintedPage& page, const MonthPageMetrics& m, const MonthPrintData& data,
                      const CalendarPrintOptions& options, const TextMeasure& measure, int x, int y,
                      int day) {
    int count = 0;
    for (const PrintEntry& entry : data.entries) {
        if (entry.day != day || !PrintedInside(entry, options)) continue;
        const int offset = count * m.entryLineHeight + m.unit + m.numberHeight;
        if (offset >= m.cell) break;
        PrintText line;
        line.x = x + m.unit;
        line.y = y + offset;
        line.text = ShortenToWidth(CleanEntryText(entry.text), m.entryWidth, kMonthEntryFont, measure);
        line.font = kMonthEntryFont;
        line.clip = {x, y, m.cell, m.cell};  // a last line never runs out of the box
        page.items.emplace_back(std::move(line));
        ++count;
    }
}

void AddDay(PrintedPage& page, const MonthPageMetrics& m, const MonthPrintData& data,
            const CalendarPrintOptions& options, const TextMeasure& measure, int x, int y, int day,
            bool sunday) {
    AddBoxWithShadow(page, x, y, m.cell, m.cell, m.shadow);
    if (options.moon) {
        for (std::size_t i = 0; i < data.phases.size() && i < kPrintedPhases; ++i) {
            if (data.phases[i].day == day)
                AddMoonSymbol(page, data.phases[i].phase, x + m.unit, y + m.unit, m.moonSize);
        }
    }
    AddDayNumber(page, m, measure, x, y, day, options.colors && sunday ? kPrintRed : kPrintBlack);
    AddEntriesInside(page, m, data, options, measure, x, y, day);
}

// Returns the bottom of the last row.
int AddDayGrid(PrintedPage& page, const MonthPageMetrics& m, const MonthPrintData& data,
               const CalendarPrintOptions& options, const TextMeasure& measure) {
    const int length = DaysInMonth(data.month, data.year);
    const int previousLength = data.month == 1 ? 31 : DaysInMonth(data.month - 1, data.year);
    const int rows = MonthRowCount(data.year, data.month, options.oldEurope);
    const int sundayColumn = SundayColumn(options.oldEurope);
    int day = FirstCellDay(data.year, data.month, options.oldEurope);
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < 7; ++column, ++day) {
            const int x = CellLeft(m, column);
            const int y = RowTop(m, row);
            if (day >= 1 && day <= length) {
                AddDay(page, m, data, options, measure, x, y, day, column == sundayColumn);
            } else if (options.sideDays == 1) {
                AddSideDay(page, m, measure, x, y, day < 1 ? previousLength + day : day - length);
            }
        }
    }
    return RowTop(m, rows - 1) + m.cell;
}

struct ListColumn {
    int left = 0;
    int width = 0;  // room for the texts
};

// Where the next list line goes: a page of the job and a top. Lines that
// would pass the paper's bottom continue at the top of the next page.
struct ListCursor {
    std::size_t page = 0;
    int y = 0;
};

PrintedPage& PageAt(std::vector<PrintedPage>& pages, std::size_t index) {
    while (pages.size() <= index) pages.emplace_back();
    return pages[index];
}

// The heading and one line per entry of the type; returns the place of the
// line after the last.
ListCursor AddEntryList(std::vector<PrintedPage>& pages, const MonthPrintData& data, int type,
                        const char* heading, const ListColumn& column, ListCursor at, int bottom,
                        const TextMeasure& measure) {
    AddText(PageAt(pages, at.page), column.left, at.y, heading, kListHeadingFont);
    const int lineHeight = measure.Height("pP", kListLineFont);
    const int slot = measure.Width(kListNumberSlot, kListLineFont);
    at.y += Nint(1.5 * measure.Height(heading, kListHeadingFont));
    for (const PrintEntry& entry : data.entries) {
        if (entry.type != type) continue;
        if (at.y + lineHeight > bottom && lineHeight < bottom) {
            ++at.page;
            at.y = 0;
        }
        PrintedPage& page = PageAt(pages, at.page);
        AddRightAlignedText(page, measure, column.left + slot, at.y, std::to_string(entry.day) + ": ",
                            kListLineFont);
        const std::string text =
            ShortenToWidth(CleanEntryText(entry.text), column.width - slot, kListLineFont, measure);
        AddText(page, column.left + slot, at.y, text, kListLineFont);
        at.y += lineHeight;
    }
    return at;
}

void AddLists(std::vector<PrintedPage>& pages, const MonthPageMetrics& m, const MonthPrintData& data,
              const CalendarPrintOptions& options, const PageGeometry& geometry, int gridBottom,
              const TextMeasure& measure) {
    const bool holidays = options.holidays && Below(options.holidayPlacement);
    const bool events = options.events && Below(options.eventPlacement);
    if (options.landscape) {
        const ListColumn column{LandscapeListLeft(m), geometry.width - LandscapeListLeft(m)};
        ListCursor at;
        if (holidays) {
            at = AddEntryList(pages, data, 2, "Holidays", column, at, geometry.height, measure);
            at.y += 2 * measure.Height("pP", kListLineFont);
        }
        if (events) AddEntryList(pages, data, 1, "Events", column, at, geometry.height, measure);
        return;
    }
    const ListCursor top{0, gridBottom + m.gap};
    const int half = m.gridWidth / 2;
    if (holidays) AddEntryList(pages, data, 2, "Holidays", {0, half - m.gap}, top, geometry.height, measure);
    if (events) {
        const int left = holidays ? half : 0;
        AddEntryList(pages, data, 1, "Events", {left, geometry.width - left}, top, geometry.height, measure);
    }
}

}  // namespace

MonthPageMetrics ComputeMonthPageMetrics(const PageGeometry& page, bool landscape,
                                         const TextMeasure& measure) {
    MonthPageMetrics m;
    m.base = (landscape ? page.height : page.width) / 7;
    const int cell = Nint(0.9 * m.base);
    m.gap = m.base - cell;
    m.shadow = m.gap / 3;
    m.cell = cell + (m.gap - m.shadow) / 7;
    m.gridWidth = 7 * m.base - (m.gap % 7) - (m.gap / 3);
    m.titleHeight = measure.Height("pP", kMonthTitleFont);
    m.headerHeight = Nint(1.5 * measure.Height("pP", kMonthHeaderFont));
    m.firstRowTop = 2 * m.titleHeight + m.headerHeight + m.gap;
    m.unit = measure.Height("pP", kMonthDayFont) / 2;
    m.numberHeight = measure.Height("99", kMonthDayNumberFont);
    m.entryLineHeight = measure.Height("pP", kMonthEntryFont);
    m.entryWidth = m.cell - Nint(1.7 * m.unit);
    m.moonSize = Nint(1.4 * m.unit);
    return m;
}

int FirstCellDay(int year, int month, bool oldEurope) {
    return 1 - WeekColumn(WeekdayOf(year, month, 1), oldEurope);
}

int MonthRowCount(int year, int month, bool oldEurope) {
    const int length = DaysInMonth(month, year);
    const int first = FirstCellDay(year, month, oldEurope);
    int rows = 1;
    while (rows < kMaxRows && first + 7 * rows <= length) ++rows;
    return rows;
}

int LandscapeListLeft(const MonthPageMetrics& m) { return 7 * m.cell + 7 * m.shadow + 6 * m.gap; }

std::vector<PrintedPage> LayoutMonthPages(const MonthPrintData& data, const CalendarPrintOptions& options,
                                          const PageGeometry& geometry, const TextMeasure& measure) {
    const MonthPageMetrics m = ComputeMonthPageMetrics(geometry, options.landscape, measure);
    std::vector<PrintedPage> pages(1);
    AddTitle(pages[0], m, data, measure);
    AddWeekHeader(pages[0], m, options, measure);
    const int gridBottom = AddDayGrid(pages[0], m, data, options, measure);
    AddLists(pages, m, data, options, geometry, gridBottom, measure);
    return pages;
}

PrintedPage LayoutMonthPage(const MonthPrintData& data, const CalendarPrintOptions& options,
                            const PageGeometry& geometry, const TextMeasure& measure) {
    return LayoutMonthPages(data, options, geometry, measure).front();
}

}  // namespace orvanto
