// The program's tool-tip delay ("HintPause"), applied to the application's
// style so that every window's hints wait the same time.
#pragma once

namespace orvanto {

// Milliseconds before a hint appears over a control.
void SetHintPause(int milliseconds);
int HintPause();

}  // namespace orvanto
