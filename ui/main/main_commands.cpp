#include "ui/main/main_commands.h"

#include "ui/widgets/bevel_button.h"

namespace orvanto {

namespace {

using A = CommandAction;
using W = AppWindow;
using C = CommandChange;

// clang-format off
constexpr MainCommand kCommands[] = {
    // action         window           menu item            caption                        tray item              tray caption                 tool button    changes       clock  separator
    {A::HistoryViewer, W::HistoryViewer, "HistoryItem",      "&History file viewer",        nullptr,               nullptr,                     nullptr,       C::Nothing,   false, false},
    {A::OpenWindow,   W::Print,         "PrintItem",         "&Print",                      nullptr,               nullptr,                     nullptr,       C::Nothing,   false, false},
    {A::ColourMenu,   W::None,          "ColorsMenu",        "Font &Colors",                nullptr,               nullptr,                     nullptr,       C::Nothing,   false, false},
    {A::OpenWindow,   W::Settings,      "SettingsItem",      "&Settings",                   nullptr,               nullptr,                     "SettingsBut", C::Settings,  false, true},
    {A::Restore,      W::None,          nullptr,             nullptr,                       "TrayRestoreItem",     "&Restore",                  nullptr,       C::Nothing,   false, false},
    {A::OpenWindow,   W::EventList,     "EventsItem",        "&Events",                     "TrayEventsItem",      "&Events",                   "EventsBut",   C::Reminders, false, false},
    {A::OpenWindow,   W::Astronomy,     "AstroItem",         "Astro &Module",               nullptr,               nullptr,                     "MoonBut",     C::Nothing,   false, false},
    {A::OpenWindow,   W::Distances,     "DistancesItem",     "&Distances",                  nullptr,               nullptr,                     "DistBut",     C::Nothing,   false, false},
    {A::OpenWindow,   W::ClockStatus,   "ClockStatusItem",   "Cloc&k correction status",    "TrayClockStatusItem", "&Clock correction status",  "SNTPBut",     C::Nothing,   true,  false},
    {A::OpenWindow,   W::Biorhythm,     "BiorhythmItem",     "&Biorhythm",                  nullptr,               nullptr,                     "BioBut",      C::Nothing,   false, false},
    {A::Help,         W::None,          "HelpItem",          "&Help",                       "TrayHelpItem",        "&Help",                     nullptr,       C::Nothing,   false, true},
    {A::OpenWindow,   W::About,         "AboutItem",         "&About",                      "TrayAboutItem",       "&About",                    nullptr,       C::Nothing,   false, false},
    {A::NewAlarm,     W::None,          nullptr,             nullptr,                       "TrayNewAlarmItem",    "Add &new alarm",            nullptr,       C::Reminders, false, false},
    {A::Exit,         W::None,          "ExitItem",          "E&xit",                       "TrayExitItem",        "E&xit",                     nullptr,       C::Nothing,   false, true},
};
// clang-format on

}  // namespace

std::span<const MainCommand> MainCommandTable() { return kCommands; }

MainCommands::MainCommands(QMenu* windowMenu, QMenu* trayMenu, QMenu* colourMenu,
                           const std::vector<BevelButton*>& toolButtons, Runner run) {
    for (const MainCommand& command : MainCommandTable()) {
        Controls controls;
        controls.command = &command;
        auto trigger = [run, &command] { run(command); };
        if (command.menuItem) {
            if (command.separatorBefore) windowMenu->addSeparator();
            if (command.action == CommandAction::ColourMenu) {
                colourMenu->setTitle(QString::fromLatin1(command.caption));
                colourMenu->setObjectName(QString::fromLatin1(command.menuItem));
                windowMenu->addMenu(colourMenu);
            } else {
                controls.menuAction = windowMenu->addAction(QString::fromLatin1(command.caption), trigger);
                controls.menuAction->setObjectName(QString::fromLatin1(command.menuItem));
            }
        }
        if (command.trayItem) {
            controls.trayAction = trayMenu->addAction(QString::fromLatin1(command.trayCaption), trigger);
            controls.trayAction->setObjectName(QString::fromLatin1(command.trayItem));
        }
        if (command.toolButton) {
            for (BevelButton* button : toolButtons) {
                if (button->objectName() != QLatin1String(command.toolButton)) continue;
                controls.toolButton = button;
                QObject::connect(button, &QAbstractButton::clicked, button, trigger);
            }
        }
        controls_.push_back(controls);
    }
}

void MainCommands::Enable(const Availability& available) {
    for (const Controls& controls : controls_) {
        if (controls.command->action == CommandAction::ColourMenu) continue;
        const std::optional<bool> available_now = available(*controls.command);
        if (!available_now) continue;
        const bool on = *available_now;
        if (controls.menuAction) controls.menuAction->setEnabled(on);
        if (controls.trayAction) controls.trayAction->setEnabled(on);
        if (controls.toolButton) controls.toolButton->setEnabled(on);
    }
}

}  // namespace orvanto
