// A small raster canvas with pixel, line and rectangle-copy operations.
#include "astronomy/raster.h"

#include <cstdlib>

namespace orvanto::astro {

Raster::Raster(int width, int height, RasterColour fill)
    : width_(width > 0 ? width : 0),
      height_(height > 0 ? height : 0),
      pixels_(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), fill) {}

RasterColour Raster::Pixel(int x, int y) const {
    if (!Contains(x, y)) return kRasterBlack;
    return pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
                   static_cast<std::size_t>(x)];
}

void Raster::SetPixel(int x, int y, RasterColour colour) {
    if (!Contains(x, y)) return;
    pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x)] =
        colour;
}

// Bresenham's line, stopping one step short of the end point.
void Raster::Line(int x0, int y0, int x1, int y1, RasterColour colour) {
    const int dx = std::abs(x1 - x0);
    const int dy = -std::abs(y1 - y0);
    const int sx = x0 < x1 ? 1 : -1;
    const int sy = y0 < y1 ? 1 : -1;
    int error = dx + dy;
    int x = x0;
    int y = y0;
    while (x != x1 || y != y1) {
        SetPixel(x, y, colour);
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            x += sx;
        }
        if (twice <= dx) {
            error += dx;
            y += sy;
        }
    }
}

void Raster::Draw(int x, int y, const Raster& source) {
    for (int sy = 0; sy < source.Height(); ++sy)
        for (int sx = 0; sx < source.Width(); ++sx)
            if (Contains(x + sx, y + sy)) SetPixel(x + sx, y + sy, source.Pixel(sx, sy));
}

}  // namespace orvanto::astro
