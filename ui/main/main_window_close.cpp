// TForm1's close: the question about pending reminders, then the window
// position and the changed colours written to the settings file.
#include <QCloseEvent>

#include "core/startup.h"
#include "ui/main/main_window.h"

namespace orvanto {

void TForm1::closeEvent(QCloseEvent* event) {
    const StartupMode mode = context_.checkAndMinimize ? StartupMode::CheckAndMinimize : StartupMode::Normal;
    const bool shownNormally = isVisible() && !inTray_ && !inTaskBar_;
    switch (DecideClose(mode, shownNormally, settings_.ignorePending, Pending().pendingCount, *context_.prompt)) {
    case CloseDecision::Minimize:
        event->ignore();
        Minimize();
        return;
    case CloseDecision::Refuse:
        event->ignore();
        return;
    case CloseDecision::Close:
        break;
    }
    StopForClose();
    // In the tray or the task bar the window stands off screen or hidden: the
    // position it will come back to is the one to keep.
    const QPoint at = (inTray_ || inTaskBar_) ? restorePosition_ : pos();
    try {
        SaveWindowPosition(ini_, at.y(), at.x(), ScreenHeight(), createdTop_);
        WriteChangedColours();
    } catch (const EIniFileError& error) {
        context_.prompt->ShowMessage(MessageKind::Error, kApplicationTitle, error.what());
    }
    event->accept();
    emit Closed();
}

}  // namespace orvanto
