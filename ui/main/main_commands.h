// The commands of the main window as one table: for each its menu item in the
// window's context menu, its caption, its tool button, its place in the tray
// menu, the window it opens and what that window may change. The menus, the
// tool buttons' actions and the enabling of all of them are built from it.
#pragma once

#include <QAction>
#include <QMenu>

#include <functional>
#include <optional>
#include <span>
#include <vector>

#include "ui/app/window_launcher.h"

namespace orvanto {

class BevelButton;

enum class CommandAction {
    OpenWindow,     // the window of `window`
    HistoryViewer,  // the history viewer, once the history file is found
    ColourMenu,     // the "Font &Colors" submenu
    Help,
    Exit,
    Restore,   // tray menu: the window back from the tray
    NewAlarm,  // tray menu: a timed reminder for today
};

// What the window of a command may have changed when it closes.
enum class CommandChange { Nothing, Reminders, Settings };

struct MainCommand {
    CommandAction action;
    AppWindow window;      // for CommandAction::OpenWindow
    const char* menuItem;  // objectName in the context menu; nullptr: not there
    const char* caption;
    const char* trayItem;  // objectName in the tray menu; nullptr: not there
    const char* trayCaption;
    const char* toolButton;  // objectName of its tool button; nullptr: none
    CommandChange changes;
    bool needsClockCorrection;  // enabled only while "TimeCorrection" is on
    bool separatorBefore;       // in the context menu
};

// Every command in menu order (the tray menu keeps the same order).
std::span<const MainCommand> MainCommandTable();

// The menus and tool buttons of the commands, connected to one runner.
class MainCommands {
public:
    using Runner = std::function<void(const MainCommand&)>;
    // Whether a command can run now; nothing leaves its controls as they are.
    using Availability = std::function<std::optional<bool>(const MainCommand&)>;

    // Fills both menus in table order; the colour submenu is put where the
    // table has it. Tool buttons are matched by their objectName.
    MainCommands(QMenu* windowMenu, QMenu* trayMenu, QMenu* colourMenu,
                 const std::vector<BevelButton*>& toolButtons, Runner run);

    // Enables every menu item and tool button by the availability of its command.
    void Enable(const Availability& available);

private:
    struct Controls {
        const MainCommand* command = nullptr;
        QAction* menuAction = nullptr;
        QAction* trayAction = nullptr;
        BevelButton* toolButton = nullptr;
    };
    std::vector<Controls> controls_;
};

}  // namespace orvanto
