// Drawing printed documents with QPainter.
#include "ui/printing/print_painter.h"

#include <QFile>
#include <QFontMetrics>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>

#include "ui/widgets/fonts.h"

namespace orvanto {

namespace {

FontFace FaceOf(PrintFace face) {
    switch (face) {
    case PrintFace::Arial:
        return FontFace::Arial;
    case PrintFace::TimesNewRoman:
        return FontFace::TimesNewRoman;
    case PrintFace::CourierNew:
        return FontFace::CourierNew;
    case PrintFace::Tahoma:
        return FontFace::Tahoma;
    }
    return FontFace::Arial;
}

QColor ColourOf(PrintColour colour) { return QColor::fromRgb(static_cast<QRgb>(colour)); }

QRect RectOf(const PrintRectangle& rect) { return QRect(rect.left, rect.top, rect.width, rect.height); }

QPen PenOf(int width, PrintColour colour) {
    if (width <= 0) return QPen(Qt::NoPen);
    QPen pen(ColourOf(colour));
    pen.setWidth(width);
    return pen;
}

QBrush BrushOf(bool filled, PrintColour fill) {
    return filled ? QBrush(ColourOf(fill)) : QBrush(Qt::NoBrush);
}

struct ItemPainter {
    QPainter& painter;

    void operator()(const PrintText& text) const {
        painter.save();
        painter.setFont(QtFontOf(text.font, painter.device()));
        painter.setPen(ColourOf(text.colour));
        if (text.clip.width > 0 && text.clip.height > 0) painter.setClipRect(RectOf(text.clip));
        const QFontMetrics metrics(painter.font(), painter.device());
        painter.drawText(QPoint(text.x, text.y + metrics.ascent()), QString::fromStdString(text.text));
        painter.restore();
    }
    void operator()(const PrintLine& line) const {
        painter.setPen(PenOf(line.width, line.colour));
        painter.drawLine(line.x1, line.y1, line.x2, line.y2);
    }
    void operator()(const PrintBox& box) const {
        painter.setPen(PenOf(box.penWidth, box.pen));
        painter.setBrush(BrushOf(box.filled, box.fill));
        painter.drawRect(RectOf(box.rect));
    }
    void operator()(const PrintEllipse& ellipse) const {
        painter.setPen(PenOf(ellipse.penWidth, ellipse.pen));
        painter.setBrush(BrushOf(ellipse.filled, ellipse.fill));
        if (ellipse.spanAngle16 == 0)
            painter.drawEllipse(RectOf(ellipse.rect));
        else if (ellipse.arc)
            painter.drawArc(RectOf(ellipse.rect), ellipse.startAngle16, ellipse.spanAngle16);
        else
            painter.drawPie(RectOf(ellipse.rect), ellipse.startAngle16, ellipse.spanAngle16);
    }
};

}  // namespace

QFont QtFontOf(const PrintFont& font, const QPaintDevice* device) {
    QFont qfont(font.family.empty() ? FontFamilyFor(FaceOf(font.face)) : QString::fromStdString(font.family));
    qfont.setPointSizeF(font.pointSize);
    qfont.setBold(font.bold);
    qfont.setItalic(font.italic);
    // Sizes and widths are in the device's own pixels.
    return device ? QFont(qfont, device) : qfont;
}

int DeviceTextMeasure::Width(const std::string& text, const PrintFont& font) const {
    const QFontMetrics metrics(QtFontOf(font, device_), device_);
    return metrics.horizontalAdvance(QString::fromStdString(text));
}

int DeviceTextMeasure::Height(const std::string& text, const PrintFont& font) const {
    const QFontMetrics metrics(QtFontOf(font, device_), device_);
    return metrics.boundingRect(QString::fromStdString(text)).height() > 0 ? metrics.height() : 0;
}

PageGeometry GeometryOf(const QPagedPaintDevice& device) {
    return PageGeometry{device.width(), device.height(), device.logicalDpiY()};
}

void PaintPage(QPainter& painter, const PrintedPage& page) {
    const ItemPainter draw{painter};
    for (const PrintItem& item : page.items) std::visit(draw, item);
}

bool PrintDocument(const PrintedDocument& document, QPrinter& printer) {
    printer.setDocName(QString::fromStdString(document.title));
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    for (std::size_t i = 0; i < document.pages.size(); ++i) {
        if (i > 0) printer.newPage();
        PaintPage(painter, document.pages[i]);
    }
    return painter.end();
}

struct PdfPrinter::State {
    QPdfWriter writer;
    QPainter painter;
    QString path;
    bool pageStarted = false;
    explicit State(const QString& file) : writer(file), path(file) {}
};

PdfPrinter::PdfPrinter(const std::string& path, const PdfOptions& options)
    : state_(std::make_unique<State>(QString::fromStdString(path))) {
    state_->writer.setResolution(options.dotsPerInch);
    const double margin = options.marginMillimetres;
    state_->writer.setPageLayout(QPageLayout(QPageSize(options.paper), options.orientation,
                                             QMarginsF(margin, margin, margin, margin),
                                             QPageLayout::Millimeter));
    measure_ = std::make_unique<DeviceTextMeasure>(&state_->writer);
}

PdfPrinter::~PdfPrinter() {
    if (state_->painter.isActive()) state_->painter.end();
}

PageGeometry PdfPrinter::Geometry() const { return GeometryOf(state_->writer); }

void PdfPrinter::Paint(const PrintedDocument& document) {
    if (!state_->painter.isActive()) {
        state_->writer.setTitle(QString::fromStdString(document.title));
        if (!state_->painter.begin(&state_->writer)) return;
    }
    for (const PrintedPage& page : document.pages) {
        if (state_->pageStarted) state_->writer.newPage();
        PaintPage(state_->painter, page);
        state_->pageStarted = true;
    }
}

bool PdfPrinter::Finish() {
    if (!state_->painter.isActive()) {
        // A document without pages still makes a valid (empty) file.
        if (!state_->painter.begin(&state_->writer)) return false;
    }
    return state_->painter.end() && QFile(state_->path).size() > 0;
}

QImage RenderPage(const PrintedPage& page, const PageGeometry& geometry) {
    QImage image(geometry.width, geometry.height, QImage::Format_RGB32);
    image.fill(Qt::white);
    if (geometry.dotsPerInch > 0) {
        const int dotsPerMetre = static_cast<int>(geometry.dotsPerInch / 0.0254 + 0.5);
        image.setDotsPerMeterX(dotsPerMetre);
        image.setDotsPerMeterY(dotsPerMetre);
    }
    QPainter painter(&image);
    PaintPage(painter, page);
    return image;
}

}  // namespace orvanto
