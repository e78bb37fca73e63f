// The thin painter of printed documents: draws a PrintedDocument on a printer
// (a CUPS queue or print to PDF), a PDF file or an image, and measures text on
// the device a layout is computed for.
#pragma once

#include <QImage>
#include <QPageLayout>
#include <QPageSize>

#include <memory>
#include <string>

#include "ui/printing/printed_page.h"

class QPaintDevice;
class QPainter;
class QPagedPaintDevice;
class QPrinter;

namespace orvanto {

QFont QtFontOf(const PrintFont& font, const QPaintDevice* device);

// Text measures through the fonts of a paint device.
class DeviceTextMeasure : public TextMeasure {
public:
    explicit DeviceTextMeasure(const QPaintDevice* device) : device_(device) {}
    int Width(const std::string& text, const PrintFont& font) const override;
    int Height(const std::string& text, const PrintFont& font) const override;

private:
    const QPaintDevice* device_;
};

// The printable area of a paged device in its own pixels.
PageGeometry GeometryOf(const QPagedPaintDevice& device);

// Draws one page's items with the painter (already begun on its device).
void PaintPage(QPainter& painter, const PrintedPage& page);

// Prints every page of the document as one job on the printer; false when the
// printer could not be started.
bool PrintDocument(const PrintedDocument& document, QPrinter& printer);

// The settings of a PDF file written without a printer dialog.
struct PdfOptions {
    QPageSize::PageSizeId paper = QPageSize::A4;
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    int dotsPerInch = 600;
    // Unprinted border of the sheet in millimetres (as a printer's hardware
    // margins); the layout's geometry is the area inside it.
    double marginMillimetres = 0;
};

// A PDF writer open on the file: a layout is measured on it, then its pages
// are drawn with Paint. Several documents may be painted one after another;
// each starts on a new page.
class PdfPrinter {
public:
    PdfPrinter(const std::string& path, const PdfOptions& options);
    ~PdfPrinter();
    PageGeometry Geometry() const;
    const TextMeasure& Measure() const { return *measure_; }
    void Paint(const PrintedDocument& document);
    // Ends the file; false when it could not be written.
    bool Finish();

private:
    struct State;
    std::unique_ptr<State> state_;
    std::unique_ptr<DeviceTextMeasure> measure_;
};

// The page drawn on a white image of the geometry's size (previews, tests).
QImage RenderPage(const PrintedPage& page, const PageGeometry& geometry);

}  // namespace orvanto
