// A printed document as data: pages of positioned texts, lines, rectangles,
// ellipses and pies in the device pixels of the paper they are laid out for.
// Layouts (month and year calendars, the event list, the astronomical report,
// the biorhythm chart) compute these without a printer, so tests can read
// them; one painter (print_painter.h) draws them on a printer, a PDF file or
// an image.
#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace orvanto {

// The font faces printed pages ask for (drawn with their Linux stand-ins).
enum class PrintFace { Arial, TimesNewRoman, CourierNew, Tahoma };

struct PrintFont {
    PrintFace face = PrintFace::Arial;
    double pointSize = 10;
    bool bold = false;
    bool italic = false;
    // A font family the user chose (the history viewer's font); when set it
    // is drawn instead of the face.
    std::string family = std::string();
    bool operator==(const PrintFont&) const = default;
};

// 0xRRGGBB.
using PrintColour = std::uint32_t;
inline constexpr PrintColour kPrintBlack = 0x000000;
inline constexpr PrintColour kPrintWhite = 0xFFFFFF;

struct PrintRectangle {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const PrintRectangle&) const = default;
};

// A text whose top-left corner stands at (x, y); with a clip rectangle of
// non-zero size the text is cut to it.
struct PrintText {
    int x = 0;
    int y = 0;
    std::string text;
    PrintFont font;
    PrintColour colour = kPrintBlack;
    PrintRectangle clip;
};

struct PrintLine {
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
    int width = 1;
    PrintColour colour = kPrintBlack;
};

// A rectangle outlined with the pen (width 0: no outline) and filled when
// filled is set.
struct PrintBox {
    PrintRectangle rect;
    int penWidth = 1;
    PrintColour pen = kPrintBlack;
    bool filled = false;
    PrintColour fill = kPrintWhite;
};

// An ellipse inside its rectangle, or a pie of it: angles in sixteenths of a
// degree, counter-clockwise from three o'clock (a span of 0 draws the whole
// ellipse).
struct PrintEllipse {
    PrintRectangle rect;
    int startAngle16 = 0;
    int spanAngle16 = 0;
    int penWidth = 1;
    PrintColour pen = kPrintBlack;
    bool filled = false;
    PrintColour fill = kPrintWhite;
    bool arc = false;  // with a span: only that part of the outline (an arc)
};

using PrintItem = std::variant<PrintText, PrintLine, PrintBox, PrintEllipse>;

struct PrintedPage {
    std::vector<PrintItem> items;
};

// One print job: its title (the spooler's document name) and its pages.
struct PrintedDocument {
    std::string title;
    std::vector<PrintedPage> pages;
};

// The paper a layout is computed for, in device pixels.
struct PageGeometry {
    int width = 0;        // printable width
    int height = 0;       // printable height
    int dotsPerInch = 0;  // device resolution
};

// Text measures on the device the page will be drawn on.
class TextMeasure {
public:
    virtual ~TextMeasure() = default;
    // Advance width of the text in device pixels.
    virtual int Width(const std::string& text, const PrintFont& font) const = 0;
    // Height of the text's line box in device pixels ("pP" gives the line height).
    virtual int Height(const std::string& text, const PrintFont& font) const = 0;
};

}  // namespace orvanto
