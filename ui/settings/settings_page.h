// SettingsPage: one page of the settings dialog. A page loads its controls
// from the settings file, and names the keys and values it would write; the
// dialog writes them all in one pass. Also the small kit the pages build
// their controls with, and the services the dialog is given.
#pragma once

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QWidget>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/ini_file.h"
#include "core/settings_keys.h"
#include "platform/autostart_entry.h"
#include "platform/desktop_background.h"
#include "platform/pinger.h"
#include "ui/main/wallpaper.h"
#include "ui/widgets/bevel_button.h"

namespace orvanto {

// One key and the text the dialog writes for it.
struct KeyValue {
    std::string section;
    std::string key;
    std::string value;
};

// What a file dialog is asked for.
struct FileChoice {
    QString title;
    QString filter;  // Qt form: "Wave sound (*.wav *.WAV)"
    QString defaultSuffix;
    QString startFolder;
};

// The operating-system services and hooks of the dialog; the program passes
// the real ones, tests pass fakes.
struct SettingsDialogServices {
    LogonEntry* logon = nullptr;
    DesktopBackground* desktop = nullptr;
    Pinger* pinger = nullptr;
    // The clock correction's connection check: the system reports an
    // Internet connection and the machine has an address other than 127.0.0.1.
    std::function<bool()> connected;
    // The program file the logon entry starts.
    std::string programPath;
    // The range of the custom wallpaper position.
    WallpaperPositionRange positionRange;
    // A file dialog: the chosen path, or nothing when cancelled.
    std::function<std::optional<QString>(const FileChoice&)> chooseFile;
    // Shows the history file (the history viewer).
    std::function<void(const std::string& path)> viewHistory;
    // Waits between the tries of playing the sound file, letting events run.
    std::function<void(int ms)> wait;
};

class SettingsPage : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;
    virtual void Load(const IniFile& settings) = 0;
    // The keys of the page and their values as the controls stand.
    virtual void Save(std::vector<KeyValue>& values) const = 0;
};

// The read of a key by the settings dialog, with its defaults.
bool DialogBool(const IniFile& settings, std::string_view section, std::string_view key);
int DialogInteger(const IniFile& settings, std::string_view section, std::string_view key);
std::string DialogText(const IniFile& settings, std::string_view section, std::string_view key);

// A check box whose key is a boolean of a section.
struct BoolBinding {
    const char* objectName;
    const char* caption;
    const char* hint;  // nullptr: none
    const char* section;
    const char* key;
    QRect at;
};

// Builders of the pages' controls at fixed places.
QCheckBox* MakeCheck(QWidget* parent, const char* objectName, const QString& caption, const QRect& at,
                     const char* hint = nullptr);
QRadioButton* MakeRadio(QWidget* parent, const char* objectName, const QString& caption, const QRect& at);
QLabel* MakeCaption(QWidget* parent, const QString& text, const QRect& at, QWidget* buddy = nullptr,
                    const char* objectName = nullptr);
BevelButton* MakeButton(QWidget* parent, const char* objectName, const QString& caption, const QRect& at);
QGroupBox* MakeGroup(QWidget* parent, const char* objectName, const QString& title, const QRect& at);

// The check boxes of a table: built, loaded, saved.
std::vector<QCheckBox*> MakeChecks(QWidget* parent, const std::vector<BoolBinding>& bindings);
void LoadChecks(const std::vector<BoolBinding>& bindings, const std::vector<QCheckBox*>& boxes,
                const IniFile& settings);
void SaveChecks(const std::vector<BoolBinding>& bindings, const std::vector<QCheckBox*>& boxes,
                std::vector<KeyValue>& values);

std::string BoolText(bool value);
std::string IntText(int value);

}  // namespace orvanto
