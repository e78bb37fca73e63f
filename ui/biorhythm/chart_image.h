// The biorhythm chart between the engine's raster and Qt: the desktop's
// fonts as the chart's lettering, the raster as a QImage, the chart colours
// from the desktop palette, and the chart stretched onto a printed page.
// The window and orvanto-cli draw the chart through these same functions.
#pragma once

#include <QImage>

#include "biorhythm/bio_chart.h"

class QPagedPaintDevice;
class QPrinter;

namespace orvanto {

// Writes the chart's texts in the Tahoma stand-in at the pixel size of the
// point size on a 96 dpi screen, without smoothing, so every text pixel has
// exactly the colour asked for.
class QtChartLettering : public bio::Lettering {
public:
    int TextWidth(const std::string& text, int points) override;
    void DrawText(bio::Raster& raster, int x, int y, const std::string& text, int points,
                  bio::RasterColour colour) override;
};

// The chart's pixel size of a point size at 96 dpi (8 -> 11, 5 -> 7, 10 -> 13).
int ChartPixelSize(int points);

// The raster as a 32-bit image of the same size.
QImage ChartQImage(const bio::Raster& raster);

// Light chart colours on the desktop's tool-tip background, or dark ones with
// text in the desktop's 3-D light colour (needs a GUI application).
bio::ChartColours DesktopChartColours(bool dark);

// One page with the chart's paper copy stretched to `scale` times its pixel
// size at the page's top-left corner; false when the page cannot be painted.
bool PrintChart(QPagedPaintDevice& device, const bio::Raster& chart, const bio::ChartColours& colours,
                int scale);

}  // namespace orvanto
