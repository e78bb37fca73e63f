// The moon as it looks on a date: the dark part painted line by line over a picture of
// the full moon from the phase angle, the Apollo 11 landing site, the quarter-turns for
// observers in the southern hemisphere, and the icon of the same drawing.
#pragma once

#include "astronomy/raster.h"

namespace orvanto::astro {

enum TMoonSize : int { ms64 = 0, ms32 = 1, ms16 = 2 };
enum TRotate : int { rot_none = 0, rot_90 = 1, rot_180 = 2, rot_270 = 3 };
enum TMoonStyle : int { msClassic = 0, msColor = 1 };

// Pixel geometry of a moon picture: the disc's centre and radius, the landing site.
struct MoonGeometry {
    int height, width;
    int centreY, centreX;
    int radius;
    int landingSiteX, landingSiteY;
};

const MoonGeometry& GeometryOf(TMoonSize size);

// 20 July 1969 20:17:43, serial date.
double Apollo11Landing();

// Paints the shadow of a moon with the given phase angle (degrees, [0, 360): waxing below
// 180) on the canvas, and first, when `markLandingSite` is set, the landing site in red.
void PaintMoonShadow(Raster& canvas, const MoonGeometry& geometry, long double phaseAngle,
                     bool markLandingSite);

// The canvas turned by the rotation (square canvases; pixels turned outside are dropped).
Raster Rotated(const Raster& source, TRotate rotation);

// NormalizeDegrees(MoonPhaseAngle(date)): waxing in [0, 180], waning in (180, 360).
long double MoonImagePhaseAngle(double date);

// The whole drawing: the shadow of `date` on `picture` (the stored full-moon picture of
// the size), the landing site when `showApollo11` is set and the date is after the
// landing, then the turn.
Raster DrawMoon(const Raster& picture, TMoonSize size, double date, bool showApollo11, TRotate rotation);

// A monochrome mask of a moon picture: white (transparent) outside the disc, black
// (opaque) on it, row by row over the same columns the shadow reaches.
Raster MoonDiscMask(TMoonSize size);

// The icon geometry for the system's icon size: 16 uses ms16, 64 uses ms64, others ms32.
TMoonSize IconMoonSize(int systemIconSize);

struct MoonIcon {
    Raster image;  // the picture with its shadow
    Raster mask;   // white where the icon is transparent, black where it is opaque
};

// Both bitmaps of the system's icon size, the mask and picture of IconMoonSize copied to
// their top-left corner (the rest transparent), the shadow painted, both turned.
MoonIcon BuildMoonIcon(int systemIconSize, const Raster& maskBitmap, const Raster& picture,
                       long double phaseAngle, bool markLandingSite, TRotate rotation);

}  // namespace orvanto::astro
