// The program's fonts by the names its windows ask for, mapped to the
// metric-compatible families of a Linux desktop.
#pragma once

#include <QFont>

namespace orvanto {

enum class FontFace { Tahoma, Verdana, Arial, TimesNewRoman, CourierNew };

// The family standing in for a face: DejaVu Sans for Tahoma and Verdana,
// Liberation Sans, Serif and Mono for Arial, Times New Roman and Courier New.
QString FontFamilyFor(FontFace face);

// A font of the face at a pixel height.
QFont PixelFont(FontFace face, int pixelSize, bool bold = false);
// A font of the face at a point size, taken at 96 dpi (the same pixels on a
// screen of a higher font resolution with scaling off).
QFont PointFont(FontFace face, int pointSize, bool bold = false);

}  // namespace orvanto
