// The small pictures of the main window, drawn at run time: the four 8 x 8
// moon glyphs and the glyphs of the tool buttons.
#pragma once

#include <QPixmap>

#include "ui/main/month_painting.h"

namespace orvanto {

// An 8 x 8 picture: black disc, yellow disc, yellow half-disc lit on the left
// ("FQUARTER") or on the right ("LQUARTER"); null for no glyph.
QPixmap MoonGlyphPixmap(MoonGlyph glyph);

enum class ToolGlyph { Previous, Next, Today, Moon, Distance, Clock, Biorhythm, Events, Settings };
QPixmap ToolGlyphPixmap(ToolGlyph glyph);

}  // namespace orvanto
