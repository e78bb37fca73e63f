// Test support for the windows: one QApplication for the test program, a
// settings file in a temporary folder, a sound that counts beeps, and mouse
// presses delivered to real widgets.
#pragma once

#include <QApplication>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QWidget>

#include <ostream>
#include <string>
#include <vector>

#include "core/ini_file.h"
#include "core/settings_keys.h"
#include "core/sound.h"
#include "test_support/recording_sound.h"

namespace orvanto::test {

// The application object all window tests share (offscreen platform).
inline QApplication& Application() {
    static int argc = 1;
    static char name[] = "ui_tests";
    static char* argv[] = {name, nullptr};
    if (auto* app = qobject_cast<QApplication*>(QCoreApplication::instance())) return *app;
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}

// A new settings file with the default content in its own temporary folder.
class SettingsFolder {
public:
    SettingsFolder() : path_(dir_.filePath(QStringLiteral("ORVANTO.INI")).toStdString()) {
        IniFile(path_).WriteWholeFile(DefaultSettingsContent());
    }
    const std::string& Path() const { return path_; }
    IniFile Ini() const { return IniFile(path_); }
    std::string Folder() const { return dir_.path().toStdString(); }

private:
    QTemporaryDir dir_;
    std::string path_;
};

// A sound that counts beeps and records the events played.
using CountingSound = RecordingSound;

inline void Press(QWidget* widget, Qt::MouseButton button, Qt::KeyboardModifiers modifiers) {
    const QPointF at(widget->width() / 2.0, widget->height() / 2.0);
    QMouseEvent event(QEvent::MouseButtonPress, at, widget->mapToGlobal(at), button, button, modifiers);
    QApplication::sendEvent(widget, &event);
}

inline void Release(QWidget* widget, Qt::MouseButton button, Qt::KeyboardModifiers modifiers) {
    const QPointF at(widget->width() / 2.0, widget->height() / 2.0);
    QMouseEvent event(QEvent::MouseButtonRelease, at, widget->mapToGlobal(at), button, Qt::NoButton,
                      modifiers);
    QApplication::sendEvent(widget, &event);
}

// A full click; the queued work of the press and the release runs too.
inline void Click(QWidget* widget, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
                  Qt::MouseButton button = Qt::LeftButton) {
    Press(widget, button, modifiers);
    QCoreApplication::processEvents();
    Release(widget, button, modifiers);
    QCoreApplication::processEvents();
}

}  // namespace orvanto::test

// Readable QString values in test failures (found by argument-dependent lookup).
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }
