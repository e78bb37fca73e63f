// TrayPresence: the main window's life outside the desktop: minimized to the
// notification area (a tray icon with the day of the month, marked while
// reminders are pending, and the pending text as its hint) or to the task bar
// (the pending text as the caption); the way back; the tray icon's clicks and
// its move to the end of the notification area sixty ticks after a minimize.
#pragma once

#include <QObject>
#include <QPoint>
#include <QString>
#include <QSystemTrayIcon>

#include <functional>

class QMenu;
class QTimer;
class QWidget;

namespace orvanto {

class Sound;

// What the tray icon or the task-bar caption shows while minimized.
struct PendingHint {
    int dayOfMonth = 1;
    bool pending = false;  // reminders pending today: the marked icon
    QString text;          // the hint, or the task-bar caption
};

class TrayPresence : public QObject {
    Q_OBJECT
public:
    // trayAvailable: whether the desktop has a notification area; none asks Qt.
    TrayPresence(QWidget* window, QMenu* trayMenu, Sound& sound, std::function<bool()> trayAvailable);

    // Whether minimizing goes to the tray: "MinToTray" on and a notification area.
    bool UsesTray(bool minToTray) const;
    bool InTray() const { return inTray_; }
    bool InTaskBar() const { return inTaskBar_; }
    bool Away() const { return inTray_ || inTaskBar_; }

    // To the tray or the task bar; the window's place is kept for the way back.
    void Minimize(bool minToTray, const PendingHint& hint);
    // Back on the desktop at the kept place.
    void Restore(const QString& caption);
    // The kept place: where the window comes back to.
    QPoint RestorePosition() const { return restorePosition_; }
    void SetRestorePosition(const QPoint& at) { restorePosition_ = at; }

    // The tray icon and hint, or the task-bar caption, while minimized.
    void ShowPending(bool minToTray, const PendingHint& hint);
    QString IconName() const { return iconName_; }
    QSystemTrayIcon* Icon() const { return tray_; }

    // Once a tick: the sixtieth tick after start-up or a minimize removes the
    // icon and adds it again, so that it moves to the end of the area.
    void ShuffleTick(bool shuffleIcon, bool minToTray);
    void Hide();

    // A single click waits out the double-click time (then NewAlarmRequested),
    // so that a double click restores the window without also opening the
    // add dialog.
    void Clicked();
    void DoubleClicked();

    // The window gained or lost the focus: on Wayland the way back from the
    // task bar (RestoreRequested).
    void ActivationChanged(bool active);

    // Whether a state change of the window is ours (not the desktop's).
    bool ChangingState() const { return changingState_; }
    int ScreenHeight() const;

signals:
    void NewAlarmRequested();
    void RestoreRequested();

private:
    // Time for the compositor to map a window shown for the first time
    // before it is asked to minimize it.
    static constexpr int kFirstMapWait = 200;
    void MinimizeThroughCompositor();

    QWidget* window_;
    Sound& sound_;
    std::function<bool()> trayAvailable_;
    QSystemTrayIcon* tray_ = nullptr;
    QTimer* clickTimer_ = nullptr;
    QString iconName_;
    QPoint restorePosition_;
    bool inTray_ = false;
    bool inTaskBar_ = false;
    bool changingState_ = false;
    bool doubleClicked_ = false;
    bool deactivatedSinceMinimize_ = false;
    int shuffleTicks_ = 0;
};

}  // namespace orvanto
