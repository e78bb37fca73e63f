// The program's tool-tip delay ("HintPause"), applied to the application's
// style so that every window's hints wait the same time. The same style keeps
// indicators and spacings at their 96 dpi pixel size when high-DPI scaling is
// off and the font resolution is higher.
#pragma once

#include <QtGlobal>

namespace orvanto {

// Milliseconds before a hint appears over a control.
void SetHintPause(int milliseconds);
int HintPause();

// The factor applied to the style's resolution-dependent metrics at a logical
// resolution: 96 / dpi above 96 dpi (scaling off), 1 otherwise.
qreal StyleMetricFactor(int logicalDpi);

}  // namespace orvanto
