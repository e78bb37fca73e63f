// Commands that draw (PDF pages, PNG charts) need Qt's fonts and painting but
// no display: they start a GUI application on the offscreen platform.
#pragma once

namespace orvanto::cli::qt_module {

// Creates the application object once, on the offscreen platform unless
// QT_QPA_PLATFORM names another.
void EnsureDrawingApplication();

}  // namespace orvanto::cli::qt_module
