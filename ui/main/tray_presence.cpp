#include "ui/main/tray_presence.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMenu>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include "core/sound.h"
#include "ui/main/tray_icons.h"
#include "ui/widgets/window_placement.h"

namespace orvanto {

TrayPresence::TrayPresence(QWidget* window, QMenu* trayMenu, Sound& sound,
                           std::function<bool()> trayAvailable)
    : QObject(window), window_(window), sound_(sound), trayAvailable_(std::move(trayAvailable)) {
    tray_ = new QSystemTrayIcon(this);
    tray_->setObjectName(QStringLiteral("XPTrayIcon1"));
    tray_->setContextMenu(trayMenu);
    connect(tray_, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        if (reason == QSystemTrayIcon::DoubleClick) DoubleClicked();
        if (reason == QSystemTrayIcon::Trigger) Clicked();
    });
    clickTimer_ = new QTimer(this);
    clickTimer_->setSingleShot(true);
    connect(clickTimer_, &QTimer::timeout, this, &TrayPresence::NewAlarmRequested);
}

bool TrayPresence::UsesTray(bool minToTray) const {
    const bool available = trayAvailable_ ? trayAvailable_() : QSystemTrayIcon::isSystemTrayAvailable();
    return minToTray && available;
}

int TrayPresence::ScreenHeight() const {
    QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().height() : 768;
}

void TrayPresence::Minimize(bool minToTray, const PendingHint& hint) {
    const bool placesWindows = PlatformPlacesWindows();
    if (placesWindows && window_->y() != ScreenHeight()) restorePosition_ = window_->pos();
    sound_.PlayEvent("Minimize");
    shuffleTicks_ = 0;
    changingState_ = true;
    if (UsesTray(minToTray)) {
        inTray_ = true;
        ShowPending(minToTray, hint);
        tray_->setVisible(true);
        window_->hide();
    } else {
        inTaskBar_ = true;
        ShowPending(minToTray, hint);
        if (placesWindows) {
            window_->move(window_->x(), ScreenHeight());
            window_->showMinimized();
        } else {
            // Wayland: the compositor iconifies the window (the dock or task
            // list shows it); a window never shown yet is shown first, since
            // only a mapped window can be minimized.
            MinimizeThroughCompositor();
        }
    }
    changingState_ = false;
}

void TrayPresence::MinimizeThroughCompositor() {
    if (window_->isVisible()) {
        deactivatedSinceMinimize_ = !window_->isActiveWindow();
        window_->showMinimized();
        return;
    }
    deactivatedSinceMinimize_ = false;
    window_->show();
    QTimer::singleShot(kFirstMapWait, window_, [this] {
        if (!inTaskBar_) return;
        changingState_ = true;
        deactivatedSinceMinimize_ = !window_->isActiveWindow();
        window_->showMinimized();
        changingState_ = false;
    });
}

// Wayland tells a client neither that its window was minimized nor that it
// came back; it only activates the window again when the user picks it in
// the dock or task list. Activation after the window lost the focus to the
// minimize is that way back.
void TrayPresence::ActivationChanged(bool active) {
    if (!inTaskBar_ || PlatformPlacesWindows()) return;
    if (!active) {
        deactivatedSinceMinimize_ = true;
    } else if (deactivatedSinceMinimize_) {
        deactivatedSinceMinimize_ = false;
        emit RestoreRequested();
    }
}

void TrayPresence::Restore(const QString& caption) {
    sound_.PlayEvent("Maximize");
    changingState_ = true;
    if (inTray_) {
        tray_->hide();
        inTray_ = false;
        window_->show();
    } else {
        window_->setWindowTitle(caption);
        inTaskBar_ = false;
        window_->showNormal();
    }
    if (PlatformPlacesWindows()) window_->move(restorePosition_);
    window_->raise();
    window_->activateWindow();
    changingState_ = false;
}

void TrayPresence::ShowPending(bool minToTray, const PendingHint& hint) {
    if (!Away()) return;
    if (UsesTray(minToTray)) {
        iconName_ = TrayIconName(hint.dayOfMonth, hint.pending);
        tray_->setIcon(TrayIcon(hint.dayOfMonth, hint.pending));
        tray_->setToolTip(hint.text);
    } else {
        window_->setWindowTitle(hint.text);
    }
}

void TrayPresence::ShuffleTick(bool shuffleIcon, bool minToTray) {
    if (!shuffleIcon || shuffleTicks_ >= 60) return;
    if (++shuffleTicks_ == 60 && UsesTray(minToTray) && inTray_) {
        tray_->hide();
        tray_->show();
    }
}

void TrayPresence::Hide() { tray_->hide(); }

void TrayPresence::Clicked() {
    if (doubleClicked_) {
        doubleClicked_ = false;
        return;
    }
    clickTimer_->start(QApplication::doubleClickInterval());
}

// Some desktops report a click after the double click: it is swallowed for a
// moment instead of waiting for it.
void TrayPresence::DoubleClicked() {
    clickTimer_->stop();
    if (doubleClicked_) return;
    doubleClicked_ = true;
    emit RestoreRequested();
    QTimer::singleShot(QApplication::doubleClickInterval(), this, [this] { doubleClicked_ = false; });
}

}  // namespace orvanto
