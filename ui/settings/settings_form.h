// TSettingsForm: the "Settings" dialog, the user's editor for the settings
// file and for the program's logon entry. Six pages; "&OK" checks the
// Location page and writes section "Location" first, then checks the clock
// page, stores the wallpaper state, writes every other key in one pass and
// renews the logon entry.
#pragma once

#include <QTabWidget>

#include <functional>
#include <memory>
#include <string>

#include "ui/app/app_context.h"
#include "ui/settings/clock_page.h"
#include "ui/settings/events_page.h"
#include "ui/settings/general_page.h"
#include "ui/settings/international_page.h"
#include "ui/settings/location_page.h"
#include "ui/settings/settings_page.h"
#include "ui/settings/startup_page.h"
#include "ui/widgets/themed_dialog.h"

namespace orvanto {

inline constexpr const char* kConfigureHelpTopic = "Configure.htm";

// The program's prompt for the dialog: after each message box the dialog
// takes the keyboard back (the box belongs to the main window, to which the
// desktop would otherwise return the focus).
class DialogPrompt : public Prompt {
public:
    DialogPrompt(Prompt* inner, QWidget* dialog) : inner_(inner), dialog_(dialog) {}
    void ShowMessage(MessageKind kind, const std::string& title, const std::string& text) override;
    bool Ask(MessageKind kind, const std::string& title, const std::string& text) override;
    ReminderPopupAnswer Popup(const ReminderPopupRequest& request) override;

private:
    void TakeFocusBack();
    Prompt* inner_;
    QWidget* dialog_;
};

class TSettingsForm : public ThemedDialog {
    Q_OBJECT
public:
    // Shows the dialog modally to the parent's window, with the system's
    // services; returns when it is closed. "&OK" emits
    // context.events->SettingsChanged().
    static void Open(AppContext& context, QWidget* parent);

    // How "View" of the history file shows it (the history viewer); the
    // default shows the file in the help window.
    using HistoryViewer = std::function<void(const std::string& path, QWidget* parent)>;
    static void SetHistoryViewer(HistoryViewer viewer);
    static void ShowFileInHelpWindow(const std::string& path, QWidget* parent);

    TSettingsForm(AppContext& context, SettingsDialogServices services, QWidget* parent = nullptr);
    TSettingsForm(AppContext& context, SettingsDialogServices services, RegionLists regions,
                  QWidget* parent = nullptr);

    void ApplyTheme(int themeIndex) override;
    // "&OK": check, write, close; public for Enter and the tree's double click.
    void PressOk();
    bool Stored() const { return stored_; }

    QTabWidget* Pages() const { return pages_; }
    GeneralPage* General() const { return general_; }
    StartupPage* Startup() const { return startup_; }
    EventsPage* Events() const { return events_; }
    InternationalPage* International() const { return international_; }
    LocationPage* Location() const { return location_; }
    ClockPage* ClockCorrection() const { return clock_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void done(int result) override;

private:
    void Build(RegionLists regions);
    void Load();
    bool CheckLocation(IniFile& settings);
    bool CheckClock();
    void RefuseOnClockPage(QWidget* box, const char* message);
    void WriteWallpaperState(IniFile& settings);
    void WriteKeys(IniFile& settings);
    void WriteKey(IniFile& settings, const KeyValue& value);
    void WriteLogonEntry(const IniFile& settings);
    void CheckLeftBox(QLineEdit* box);

    AppContext& context_;
    SettingsDialogServices services_;
    std::string settingsPath_;
    DialogPrompt prompt_;
    QTabWidget* pages_;
    GeneralPage* general_;
    StartupPage* startup_;
    EventsPage* events_;
    InternationalPage* international_;
    LocationPage* location_;
    ClockPage* clock_;
    BevelButton* ok_;
    BevelButton* cancel_;
    BevelButton* help_;
    bool closing_ = false;
    bool stored_ = false;
    bool locationWritten_ = false;
};

}  // namespace orvanto
