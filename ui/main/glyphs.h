// The small pictures of the main window, drawn at run time: the four 8 x 8
// moon glyphs and the glyphs of the tool buttons. They are vector drawings,
// drawn at the device pixel ratio of the screen (a 2.0 ratio gives a 16 x 16
// moon glyph with detail in every device pixel), the same at 1.0 as always.
#pragma once

#include <QPixmap>

#include "ui/main/month_painting.h"

namespace orvanto {

// An 8 x 8 picture: black disc, yellow disc, yellow half-disc lit on the left
// ("FQUARTER") or on the right ("LQUARTER"); null for no glyph.
inline constexpr int kMoonGlyphSize = 8;
QPixmap MoonGlyphPixmap(MoonGlyph glyph, qreal devicePixelRatio = 1.0);

enum class ToolGlyph { Previous, Next, Today, Moon, Distance, Clock, Biorhythm, Events, Settings };
inline constexpr int kToolGlyphSize = 16;
QPixmap ToolGlyphPixmap(ToolGlyph glyph, qreal devicePixelRatio = 1.0);

}  // namespace orvanto
