// How windows find their place on desktops where the program may not place
// them itself. On Wayland a client cannot move its windows or learn where
// they are; the compositor places a dialog over the window named as its
// transient parent, and the dock shows a minimized window.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

class QWidget;

namespace orvanto {

// Whether the platform lets the program move its windows and read their
// positions: false on Wayland, where positions are meaningless.
bool PlatformPlacesWindows();
bool PlatformPlacesWindows(const QString& platformName);

// Gives every dialog and tool window that opens without a transient parent
// one: the active window of the program, or the main window when it is shown,
// so that the compositor opens it over the calendar, not in a corner.
// Installed on the application.
class TransientParentKeeper : public QObject {
    Q_OBJECT
public:
    explicit TransientParentKeeper(QWidget* mainWindow, QObject* parent = nullptr);

    // Sets the transient parent of a window that has none; true when it did.
    bool Adopt(QWidget* window) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QWidget> mainWindow_;
};

}  // namespace orvanto
