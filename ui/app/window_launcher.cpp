// The program's windows and their openers. A new window is plugged in by one
// line in kWindowOpeners below (and the include of its header): its commands
// in the main window's menus, tool buttons and tray menu are enabled from
// then on.
#include "ui/app/window_launcher.h"

#include <utility>

#include "calendar/serial_date.h"
#include "core/settings.h"
#include "ui/astronomy/moon_form.h"
#include "ui/biorhythm/bio_form.h"
#include "ui/help/about_box.h"
#include "ui/help/help_window.h"
#include "ui/places/distance_form.h"
#include "ui/printing/print_box.h"
#include "ui/reminders/add_rem_form.h"
#include "ui/reminders/event_list_form.h"
#include "ui/reminders/log_form.h"
#include "ui/settings/settings_form.h"

namespace orvanto {

namespace {

void OpenAbout(AppContext& context, QWidget* parent) {
    OpenAboutBox(context.themeIndex, context.dateFormat, *context.sound, parent);
}

bool OpenAddReminderDialog(AppContext& context, const CivilDate& day, bool timed, QWidget* parent) {
    const MainWindowSettings settings = LoadMainWindowSettings(IniFile(context.settingsPath));
    AddReminderContext add;
    add.settingsPath = context.settingsPath;
    add.clock = context.clock;
    add.prompt = context.prompt;
    add.sound = context.sound;
    add.dateFormat = context.dateFormat;
    add.twelveHour = context.timeStyle.twelveHour;
    add.allTimed = settings.allTimed;
    add.themeIndex = context.themeIndex;
    return OpenAddReminder(add, day, timed, parent);
}

bool IsShowingToday(const AppContext& context) {
    const CivilDate today = DecodeDate(context.clock->LocalNow());
    return context.shownDay.year == today.year && context.shownDay.month == today.month;
}

// The astronomical data of the day the calendar shows, or of today (and the
// clock's time) while the calendar shows this month.
void OpenAstronomy(AppContext& context, QWidget* parent) {
    TMoonForm::Open(context, parent,
                    IsShowingToday(context) ? std::nullopt : std::optional<CivilDate>(context.shownDay));
}

// Printing starts at the month the calendar shows.
void OpenPrint(AppContext& context, QWidget* parent) {
    if (context.shownDay.year == 0)
        TPrintBox::Open(context, parent);
    else
        TPrintBox::Open(context, parent, context.shownDay.month, context.shownDay.year);
}

void OpenHistoryViewer(AppContext& context, QWidget* parent) { TLogForm::Open(context, parent); }

struct WindowEntry {
    AppWindow window;
    void (*open)(AppContext& context, QWidget* parent);
};

// One line per window: the window and its `Open` function.
const WindowEntry kWindowOpeners[] = {
    {AppWindow::About, &OpenAbout},          {AppWindow::Settings, &TSettingsForm::Open},
    {AppWindow::EventList, &TEditRem::Open}, {AppWindow::HistoryViewer, &OpenHistoryViewer},
    {AppWindow::Astronomy, &OpenAstronomy},  {AppWindow::Distances, &TDist1::Open},
    {AppWindow::Biorhythm, &TBioForm::Open}, {AppWindow::Print, &OpenPrint},
};

}  // namespace

void WindowLauncher::Open(AppWindow window, QWidget* parent) {
    const auto found = openers_.find(window);
    if (found != openers_.end()) found->second(context_, parent);
}

void WindowLauncher::SetOpener(AppWindow window, WindowOpener opener) {
    if (opener)
        openers_[window] = std::move(opener);
    else
        openers_.erase(window);
}

bool WindowLauncher::AddReminder(const CivilDate& day, bool timed, QWidget* parent) {
    return addReminder_ && addReminder_(context_, day, timed, parent);
}

void WindowLauncher::ShowHelp(const std::string& topic) {
    if (help_) help_(topic);
}

void AddProgramWindows(WindowLauncher& launcher) {
    for (const WindowEntry& entry : kWindowOpeners) launcher.SetOpener(entry.window, entry.open);
    // The settings dialog's "View" shows the history file in its viewer.
    TSettingsForm::SetHistoryViewer([&launcher](const std::string& path, QWidget* parent) {
        TLogForm::Open(launcher.Context(), parent, path);
    });
    launcher.SetAddReminderOpener(&OpenAddReminderDialog);
    launcher.SetHelpOpener([](const std::string& topic) { ShowHelpTopic(topic); });
}

}  // namespace orvanto
