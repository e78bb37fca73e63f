// The biorhythm chart between the engine's raster and Qt.
#include "ui/biorhythm/chart_image.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPalette>

#include <cmath>

#include "ui/widgets/fonts.h"

namespace orvanto {

namespace {

constexpr int kScreenDpi = 96;
constexpr int kPointsPerInch = 72;

QFont ChartFont(int points) {
    QFont font = PixelFont(FontFace::Tahoma, ChartPixelSize(points));
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

bio::RasterColour RasterColourOf(const QColor& colour) {
    return static_cast<bio::RasterColour>(colour.rgb() & 0xFFFFFF);
}

}  // namespace

int ChartPixelSize(int points) {
    return static_cast<int>(std::lround(static_cast<double>(points) * kScreenDpi / kPointsPerInch));
}

int QtChartLettering::TextWidth(const std::string& text, int points) {
    return QFontMetrics(ChartFont(points)).horizontalAdvance(QString::fromStdString(text));
}

void QtChartLettering::DrawText(bio::Raster& raster, int x, int y, const std::string& text, int points,
                                bio::RasterColour colour) {
    const QString qtext = QString::fromStdString(text);
    const QFont font = ChartFont(points);
    const QFontMetrics metrics(font);
    const int width = metrics.horizontalAdvance(qtext) + 2;
    const int height = metrics.height();
    if (width <= 2 || height <= 0) return;
    QImage stamp(width, height, QImage::Format_ARGB32);
    stamp.fill(Qt::transparent);
    {
        QPainter painter(&stamp);
        painter.setFont(font);
        painter.setPen(QColor::fromRgb(static_cast<QRgb>(colour)));
        painter.drawText(0, metrics.ascent(), qtext);
    }
    for (int row = 0; row < height; ++row) {
        const auto* line = reinterpret_cast<const QRgb*>(stamp.constScanLine(row));
        for (int column = 0; column < width; ++column) {
            if (qAlpha(line[column]) >= 128) raster.SetPixel(x + column, y + row, colour);
        }
    }
}

QImage ChartQImage(const bio::Raster& raster) {
    QImage image(raster.Width(), raster.Height(), QImage::Format_RGB32);
    for (int y = 0; y < raster.Height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < raster.Width(); ++x) line[x] = 0xFF000000u | raster.Pixel(x, y);
    }
    return image;
}

bio::ChartColours DesktopChartColours(bool dark) {
    const QPalette palette = QGuiApplication::palette();
    if (dark) return bio::DarkChartColours(RasterColourOf(palette.color(QPalette::Light)));
    return bio::LightChartColours(RasterColourOf(palette.color(QPalette::ToolTipBase)));
}

bool PrintChart(QPagedPaintDevice& device, const bio::Raster& chart, const bio::ChartColours& colours,
                int scale) {
    const QImage paper = ChartQImage(bio::PaperCopy(chart, colours));
    QPainter painter;
    if (!painter.begin(&device)) return false;
    // The chart's pixels become scale x scale squares of the page's pixels.
    painter.drawImage(QRect(0, 0, paper.width() * scale, paper.height() * scale), paper);
    return painter.end();
}

}  // namespace orvanto
