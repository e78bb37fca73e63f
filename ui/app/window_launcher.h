// WindowLauncher: how the program opens its windows. Each window has one
// opener, a function `void Open(AppContext& context, QWidget* parent)`; a
// window without an opener cannot be opened yet and its commands stay
// disabled. The program's openers are listed in one table in
// window_launcher.cpp.
#pragma once

#include <QWidget>

#include <functional>
#include <map>
#include <string>

#include "calendar/civil_date.h"
#include "ui/app/app_context.h"

namespace orvanto {

// The windows opened from the main window's commands.
enum class AppWindow {
    None,  // a command that opens no window
    About,
    HistoryViewer,
    Print,
    Settings,
    EventList,
    Astronomy,
    Distances,
    ClockStatus,
    Biorhythm,
};

using WindowOpener = std::function<void(AppContext& context, QWidget* parent)>;
// The add-reminder dialog for a day; timed ticks "Ti&med Event". True when
// a record was stored.
using AddReminderOpener =
    std::function<bool(AppContext& context, const CivilDate& day, bool timed, QWidget* parent)>;
// Help at a topic page ("index.htm", "AddEvents.htm", ...).
using HelpOpener = std::function<void(const std::string& topic)>;

class WindowLauncher {
public:
    // A launcher that opens nothing (tests add the openers they need).
    explicit WindowLauncher(AppContext& context) : context_(context) {}

    bool CanOpen(AppWindow window) const { return openers_.count(window) != 0; }
    // Opens the window (modal windows return when they close); nothing when
    // the window has no opener.
    void Open(AppWindow window, QWidget* parent);
    void SetOpener(AppWindow window, WindowOpener opener);

    bool CanAddReminder() const { return bool(addReminder_); }
    bool AddReminder(const CivilDate& day, bool timed, QWidget* parent);
    void SetAddReminderOpener(AddReminderOpener opener) { addReminder_ = std::move(opener); }

    bool CanShowHelp() const { return bool(help_); }
    void ShowHelp(const std::string& topic);
    void SetHelpOpener(HelpOpener opener) { help_ = std::move(opener); }

    AppContext& Context() { return context_; }

private:
    AppContext& context_;
    std::map<AppWindow, WindowOpener> openers_;
    AddReminderOpener addReminder_;
    HelpOpener help_;
};

// The launcher of the program: every window that exists, with its opener.
void AddProgramWindows(WindowLauncher& launcher);

// Help topic of the main window.
inline constexpr const char* kMainHelpTopic = "index.htm";

}  // namespace orvanto
