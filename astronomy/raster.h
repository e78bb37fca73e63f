// A small raster canvas: a width x height grid of 24-bit colours with the three operations
// the moon's drawing needs (pixel, line, rectangle copy) and quarter-turns.
#pragma once

#include <cstdint>
#include <vector>

namespace orvanto::astro {

// 0xRRGGBB.
using RasterColour = std::uint32_t;
inline constexpr RasterColour kRasterBlack = 0x000000;
inline constexpr RasterColour kRasterWhite = 0xFFFFFF;
inline constexpr RasterColour kRasterRed = 0xFF0000;

class Raster {
public:
    Raster() = default;
    Raster(int width, int height, RasterColour fill = kRasterBlack);

    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

    // Pixels outside the canvas read as black and are not written.
    RasterColour Pixel(int x, int y) const;
    void SetPixel(int x, int y, RasterColour colour);

    // A straight line from (x0, y0) towards (x1, y1); the end point itself is not painted.
    void Line(int x0, int y0, int x1, int y1, RasterColour colour);

    // Copies `source` into this canvas with its top-left corner at (x, y), clipped.
    void Draw(int x, int y, const Raster& source);

    const std::vector<RasterColour>& Pixels() const { return pixels_; }
    friend bool operator==(const Raster&, const Raster&) = default;

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<RasterColour> pixels_;
};

}  // namespace orvanto::astro
