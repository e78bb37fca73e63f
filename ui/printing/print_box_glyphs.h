// The pictures of the print dialog's layout buttons, drawn at run time: a
// month sheet, a year sheet and a sheet of cards.
#pragma once

#include <QPixmap>

#include "ui/printing/calendar_print_options.h"

namespace orvanto {

inline constexpr int kLayoutGlyphSize = 32;

QPixmap LayoutGlyphPixmap(CalendarLayout layout, qreal devicePixelRatio = 1.0);

}  // namespace orvanto
