// The moon's shadow drawn over a full-moon picture, row by row: each row of the disc is
// dark from the limb to the terminator, whose offset from the centre line is the row's
// half-width times the cosine of the phase angle (an ellipse seen edge-on).
#include "astronomy/moon_shadow.h"

#include <array>
#include <cmath>

#include "astronomy/angles.h"
#include "astronomy/julian_day.h"
#include "astronomy/moon_illumination.h"

namespace orvanto::astro {

namespace {

constexpr std::array<MoonGeometry, 3> kGeometry = {{
    {64, 64, 28, 31, 28, 41, 29},
    {32, 32, 14, 15, 14, 20, 15},
    {16, 16, 7, 7, 7, 9, 7},
}};

// Half-width of the disc's row y lines below (or above) the centre.
long double RowHalfWidth(int radius, int y) {
    return std::sqrt(static_cast<long double>(radius * radius - y * y));
}

int RoundToInt(long double x) { return static_cast<int>(std::nearbyint(x)); }

}  // namespace

const MoonGeometry& GeometryOf(TMoonSize size) {
    return kGeometry[static_cast<std::size_t>(size) < kGeometry.size() ? size : ms64];
}

double Apollo11Landing() { return SerialFromCalendar(1969, 7, 20) + (20 * 3600 + 17 * 60 + 43) / 86400.0; }

void PaintMoonShadow(Raster& canvas, const MoonGeometry& g, long double phaseAngle, bool markLandingSite) {
    if (markLandingSite) canvas.SetPixel(g.landingSiteX, g.landingSiteY, kRasterRed);
    const long double c = CosDeg(phaseAngle);
    const bool waxing = phaseAngle < 180;
    for (int y = 0; y <= g.radius; ++y) {
        const long double w = RowHalfWidth(g.radius, y);
        const int x1 = RoundToInt(w);
        const int x2 = RoundToInt(w * c);
        // Waxing: dark on the left (the sun lights the right side); waning: on the right.
        const int limb = waxing ? g.centreX - x1 - 1 : g.centreX + x1 + 1;
        const int terminator = waxing ? g.centreX - x2 : g.centreX + x2;
        canvas.Line(terminator, g.centreY + y, limb, g.centreY + y, kRasterBlack);
        canvas.Line(terminator, g.centreY - y, limb, g.centreY - y, kRasterBlack);
    }
}

Raster Rotated(const Raster& source, TRotate rotation) {
    if (rotation == rot_none) return source;
    const int w = source.Width();
    const int h = source.Height();
    Raster turned(w, h);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const RasterColour p = source.Pixel(x, y);
            switch (rotation) {
            case rot_90:
                turned.SetPixel(y, h - 1 - x, p);
                break;
            case rot_180:
                turned.SetPixel(w - 1 - x, h - 1 - y, p);
                break;
            case rot_270:
                turned.SetPixel(w - 1 - y, x, p);
                break;
            case rot_none:
                break;
            }
        }
    }
    return turned;
}

long double MoonImagePhaseAngle(double date) { return NormalizeDegrees(MoonPhaseAngle(date)); }

Raster DrawMoon(const Raster& picture, TMoonSize size, double date, bool showApollo11, TRotate rotation) {
    Raster canvas = picture;
    const bool mark = showApollo11 && Apollo11Landing() < date;
    PaintMoonShadow(canvas, GeometryOf(size), MoonImagePhaseAngle(date), mark);
    return Rotated(canvas, rotation);
}

Raster MoonDiscMask(TMoonSize size) {
    const MoonGeometry& g = GeometryOf(size);
    Raster mask(g.width, g.height, kRasterWhite);
    for (int y = 0; y <= g.radius; ++y) {
        const int x1 = RoundToInt(RowHalfWidth(g.radius, y));
        for (int x = g.centreX - x1; x <= g.centreX + x1; ++x) {
            mask.SetPixel(x, g.centreY + y, kRasterBlack);
            mask.SetPixel(x, g.centreY - y, kRasterBlack);
        }
    }
    return mask;
}

TMoonSize IconMoonSize(int systemIconSize) {
    if (systemIconSize == 16) return ms16;
    if (systemIconSize == 64) return ms64;
    return ms32;
}

MoonIcon BuildMoonIcon(int systemIconSize, const Raster& maskBitmap, const Raster& picture,
                       long double phaseAngle, bool markLandingSite, TRotate rotation) {
    const TMoonSize size = IconMoonSize(systemIconSize);
    // Whatever the copied bitmaps do not cover stays transparent.
    MoonIcon icon{Raster(systemIconSize, systemIconSize, kRasterBlack),
                  Raster(systemIconSize, systemIconSize, kRasterWhite)};
    icon.mask.Draw(0, 0, maskBitmap);
    icon.image.Draw(0, 0, picture);
    PaintMoonShadow(icon.image, GeometryOf(size), phaseAngle, markLandingSite);
    icon.image = Rotated(icon.image, rotation);
    icon.mask = Rotated(icon.mask, rotation);
    return icon;
}

}  // namespace orvanto::astro
