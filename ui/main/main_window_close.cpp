// TForm1's close: the question about pending reminders, then the window
// position and the changed colours written to the settings file.
#include <QCloseEvent>

#include "core/startup.h"
#include "ui/main/colour_commands.h"
#include "ui/main/main_window.h"
#include "ui/main/month_view.h"
#include "ui/main/tray_presence.h"
#include "ui/widgets/window_placement.h"

namespace orvanto {

void TForm1::closeEvent(QCloseEvent* event) {
    const StartupMode mode = start_.checkAndMinimize ? StartupMode::CheckAndMinimize : StartupMode::Normal;
    const bool shownNormally = isVisible() && !presence_->Away();
    switch (
        DecideClose(mode, shownNormally, settings_.ignorePending, Pending().pendingCount, *context_.prompt)) {
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
    presence_->Hide();
    monthView_->StopScrolling();
    monthView_->SetBlink(false);
    reminderTimer_->stop();
    // In the tray or the task bar the window stands off screen or hidden: the
    // position it will come back to is the one to keep.
    const QPoint at = presence_->Away() ? presence_->RestorePosition() : pos();
    try {
        // On Wayland the program cannot learn where its window is: the
        // position in the file is left as it was.
        if (PlatformPlacesWindows())
            SaveWindowPosition(ini_, at.y(), at.x(), presence_->ScreenHeight(), createdTop_);
        if (colorsChanged_) WriteColours(ini_, settings_.colours);
    } catch (const EIniFileError& error) {
        context_.prompt->ShowMessage(MessageKind::Error, kApplicationTitle, error.what());
    }
    event->accept();
    emit Closed();
}

}  // namespace orvanto
