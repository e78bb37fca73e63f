// The "MoveCur" cursor shown while a window is dragged by its caption bar:
// a four-headed arrow, drawn at run time.
#pragma once

#include <QCursor>

namespace orvanto {

const QCursor& MoveCursor();

}  // namespace orvanto
