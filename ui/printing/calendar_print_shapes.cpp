// Boxes, moon symbols and texts of the printed calendars.
#include "ui/printing/calendar_print_shapes.h"

#include <algorithm>
#include <cmath>

#include "reminders/utf8_text.h"

namespace orvanto {

namespace {

constexpr int kSixteenths = 16;
constexpr double kPi = 3.14159265358979323846;

// Qt measures an ellipse's angles on the circle it is stretched from; the
// symbol's arcs are given by the direction of a point from the centre.
int ParametricAngle16(const PrintRectangle& box, double px, double py) {
    const double a = box.width / 2.0;
    const double b = box.height / 2.0;
    const double dx = px - (box.left + a);
    const double dy = (box.top + b) - py;
    const double t = std::atan2(dy / b, dx / a);
    return static_cast<int>(std::lround(t * 180.0 / kPi * kSixteenths));
}

// The arc of the ellipse in box drawn counter-clockwise from the direction
// of `from` to the direction of `to`.
void AddArc(PrintedPage& page, const PrintRectangle& box, double fromX, double fromY, double toX,
            double toY) {
    const int start = ParametricAngle16(box, fromX, fromY);
    int span = ParametricAngle16(box, toX, toY) - start;
    while (span <= 0) span += 360 * kSixteenths;
    PrintEllipse arc;
    arc.rect = box;
    arc.startAngle16 = start;
    arc.spanAngle16 = span;
    arc.arc = true;
    arc.penWidth = kMoonPenWidth;
    page.items.emplace_back(arc);
}

}  // namespace

int Nint(double value) { return static_cast<int>(std::nearbyint(value)); }

void ShrinkNumberLinesToFit(int needed, int room, int& numberLine, PrintFont& captionFont,
                            PrintFont& numberFont) {
    if (needed <= room || needed <= 0) return;
    const double scale = std::max(0.0, static_cast<double>(room) / needed);
    numberLine = static_cast<int>(numberLine * scale);
    captionFont.pointSize *= scale;
    numberFont.pointSize *= scale;
}

void AddBoxWithShadow(PrintedPage& page, int x, int y, int w, int h, int s, PrintColour colour) {
    page.items.emplace_back(PrintBox{{x, y, w, h}, kBoxPenWidth, colour, true, kPrintWhite});
    if (s <= 0) return;
    page.items.emplace_back(PrintBox{{x + s, y + h, w, s}, 0, colour, true, colour});
    page.items.emplace_back(PrintBox{{x + w, y + s, s, h}, 0, colour, true, colour});
}

void AddMoonSymbol(PrintedPage& page, int phase, int x, int y, int z) {
    const PrintRectangle circle{x, y, z, z};
    const double middle = x + z / 2;
    const double top = y;
    const double bottom = y + z;
    switch (phase) {
    case 0:
        page.items.emplace_back(PrintEllipse{circle, 0, 0, kMoonPenWidth, kPrintBlack, true, kPrintBlack});
        break;
    case 4:
        page.items.emplace_back(PrintEllipse{circle, 0, 0, kMoonPenWidth, kPrintBlack, true, kPrintWhite});
        break;
    case 2: {
        const PrintRectangle inner{x + z / 6, y, z - z / 6, z};
        AddArc(page, circle, middle, top, middle, bottom);
        AddArc(page, inner, middle, top, middle, bottom);
        break;
    }
    case 6: {
        const PrintRectangle inner{x, y, z - z / 6, z};
        AddArc(page, circle, middle, bottom, middle, top);
        AddArc(page, inner, middle, bottom, middle, top);
        break;
    }
    default:
        break;
    }
}

void AddText(PrintedPage& page, int x, int y, const std::string& text, const PrintFont& font,
             PrintColour colour) {
    PrintText item;
    item.x = x;
    item.y = y;
    item.text = text;
    item.font = font;
    item.colour = colour;
    page.items.emplace_back(std::move(item));
}

void AddRightAlignedText(PrintedPage& page, const TextMeasure& measure, int right, int y,
                         const std::string& text, const PrintFont& font, PrintColour colour) {
    AddText(page, right - measure.Width(text, font), y, text, font, colour);
}

void AddCentredText(PrintedPage& page, const TextMeasure& measure, const PrintRectangle& box,
                    const std::string& text, const PrintFont& font, PrintColour colour) {
    const int x = box.left + (box.width - measure.Width(text, font)) / 2;
    const int y = box.top + (box.height - measure.Height(text, font)) / 2;
    AddText(page, x, y, text, font, colour);
}

void AddTextCentredInSlot(PrintedPage& page, const TextMeasure& measure, int left, int width, int y,
                          const std::string& text, const PrintFont& font, PrintColour colour) {
    AddText(page, left + (width - measure.Width(text, font)) / 2, y, text, font, colour);
}

std::string CleanEntryText(const std::string& text) {
    std::string clean = TrimBlanks(text);
    if (!clean.empty() && clean.front() == '[') clean.erase(0, 1);
    if (!clean.empty() && clean.back() == ']') clean.pop_back();
    return TrimBlanks(clean);
}

std::string ShortenToWidth(const std::string& text, int maxWidth, const PrintFont& font,
                           const TextMeasure& measure) {
    std::string shortened = text;
    std::size_t characters = CharacterCount(shortened);
    while (characters > 0 && measure.Width(shortened, font) > maxWidth) {
        shortened = CutToCharacters(shortened, --characters);
    }
    return shortened;
}

const char* MonthName(int month) {
    static const char* const kNames[] = {"January",   "February", "March",    "April",
                                         "May",       "June",     "July",     "August",
                                         "September", "October",  "November", "December"};
    return month >= 1 && month <= 12 ? kNames[month - 1] : "";
}

std::array<std::string, 7> WeekdayCaptions(bool oldEurope) {
    if (oldEurope) return {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};
    return {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
}

int WeekColumn(int weekday, bool oldEurope) { return oldEurope ? (weekday + 6) % 7 : weekday; }

int SundayColumn(bool oldEurope) { return WeekColumn(0, oldEurope); }

}  // namespace orvanto
