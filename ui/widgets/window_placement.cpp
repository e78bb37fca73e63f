// Window placement on desktops that do not let clients place windows.
#include "ui/widgets/window_placement.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

namespace orvanto {

bool PlatformPlacesWindows(const QString& platformName) {
    return !platformName.startsWith(QStringLiteral("wayland"), Qt::CaseInsensitive);
}

bool PlatformPlacesWindows() { return PlatformPlacesWindows(QGuiApplication::platformName()); }

TransientParentKeeper::TransientParentKeeper(QWidget* mainWindow, QObject* parent)
    : QObject(parent), mainWindow_(mainWindow) {}

bool TransientParentKeeper::Adopt(QWidget* window) const {
    if (!window || !window->isWindow() || window == mainWindow_) return false;
    // Dialogs of every window type (the history viewer is a dialog with a
    // full window frame) and tool windows; the help window, an ordinary
    // window, stays on its own.
    const Qt::WindowType type = window->windowType();
    if (!qobject_cast<QDialog*>(window) && type != Qt::Dialog && type != Qt::Tool && type != Qt::Sheet)
        return false;
    QWindow* handle = window->windowHandle();
    if (!handle || handle->transientParent()) return false;
    QWidget* owner = QApplication::activeWindow();
    if (!owner || owner == window || !owner->isVisible()) owner = mainWindow_;
    if (!owner || owner == window || !owner->isVisible() || !owner->windowHandle()) return false;
    handle->setTransientParent(owner->windowHandle());
    return true;
}

bool TransientParentKeeper::eventFilter(QObject* watched, QEvent* event) {
    // The show event comes before the platform window is mapped: the parent is
    // named in time for the compositor to place the window.
    if (event->type() == QEvent::Show && watched->isWidgetType()) Adopt(static_cast<QWidget*>(watched));
    return QObject::eventFilter(watched, event);
}

}  // namespace orvanto
