// orvanto: the calendar program. Start-up sequence: read the command line and
// settle the settings file (a bad argument ends the program after its box),
// create a missing settings file, load the settings, create the main window,
// run the start-up reminder pass, then the event loop unless "-C" was given.
#include <QApplication>
#include <QLocale>
#include <QTimer>

#include <cstdio>

#include <memory>
#include <string>
#include <vector>

#include "core/clock.h"
#include "core/file_locations.h"
#include "core/program_info.h"
#include "core/startup.h"
#include "core/time_format.h"
#include "core/time_zone.h"
#include "platform/desktop_background.h"
#include "platform/desktop_sound.h"
#include "reminders/date_steps.h"
#include "reminders/startup_pass.h"
#include "ui/app/app_context.h"
#include "ui/app/message_prompt.h"
#include "ui/app/program_services.h"
#include "ui/app/window_launcher.h"
#include "ui/clock/clock_correction_service.h"
#include "ui/clock/sntp_status_form.h"
#include "ui/help/help_window.h"
#include "ui/main/main_window.h"
#include "ui/main/wallpaper.h"
#include "ui/widgets/window_placement.h"

namespace {

using namespace orvanto;

// The twelve-hour flag with the locale's morning and afternoon designators.
TimeStyle TimeStyleOf(const StartupState& state) {
    TimeStyle timeStyle;
    timeStyle.twelveHour = state.twelveHourClock;
    timeStyle.amDesignator = QLocale().amText().toStdString();
    timeStyle.pmDesignator = QLocale().pmText().toStdString();
    return timeStyle;
}

// The pass over the reminders that fell due while the program was not running.
void RunStartupReminderPass(const StartupState& state, AppContext& context) {
    ReminderServices services = ProgramReminderServices(*context.prompt, *context.sound, *context.clock);
    StartupReminderPass(state.settingsPath, LocalMomentOf(state.todaySerial).today, context.timeStyle,
                        services);
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    // "--help" and "--version" answer on the terminal, before any window or
    // display is needed.
    switch (FindInfoRequest(arguments)) {
    case InfoRequest::Help:
        std::fputs(ProgramHelpText().c_str(), stdout);
        return 0;
    case InfoRequest::Version:
        std::fputs(ProgramVersionText("orvanto", ORVANTO_VERSION).c_str(), stdout);
        return 0;
    case InfoRequest::None:
        break;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(kApplicationTitle));

    MessagePrompt prompt;
    SystemClock clock;
    const std::optional<PreparedStart> start =
        PrepareStart(arguments, RunningProgramPath(argv[0]), clock, SystemTwelveHourClock(), prompt);
    if (!start) return 1;

    DesktopSound sound([] { QApplication::beep(); });
    AppEvents events;
    AppContext context;
    context.settingsPath = start->state.settingsPath;
    context.clock = &clock;
    context.prompt = &prompt;
    context.sound = &sound;
    context.timeStyle = TimeStyleOf(start->state);
    context.timeZoneBias = [](bool dstCorrection) {
        return TimeZoneBias(SystemTimeZoneFacts(), dstCorrection);
    };
    context.events = &events;
    WindowLauncher launcher(context);
    AddProgramWindows(launcher);
    // Clock correction runs in the calendar when "TimeCorrection" is on; its
    // status window reads the running service.
    ClockCorrectionService clockService(context);
    launcher.SetOpener(AppWindow::ClockStatus, [&clockService](AppContext& app, QWidget* parent) {
        TSNTPStatusForm::Open(app, parent, clockService);
    });

    MainWindowStart windowStart;
    windowStart.checkAndMinimize = start->state.mode == StartupMode::CheckAndMinimize;
    windowStart.checkAndQuit = start->state.skipEventLoop;
    TForm1 window(context, launcher, windowStart);
    // Dialogs and tool windows open over the calendar, also those made
    // without a parent (message boxes, the reminder popup of the start).
    TransientParentKeeper transientParents(&window);
    app.installEventFilter(&transientParents);
    prompt.SetParent(&window);
    prompt.SetThemeIndex(context.themeIndex);
    // The window has read the new settings first: its boxes take the new theme.
    QObject::connect(&events, &AppEvents::SettingsChanged, &window, [&prompt, &context, &clockService] {
        prompt.SetThemeIndex(context.themeIndex);
        clockService.SettingsChanged();
    });
    QObject::connect(&events, &AppEvents::SecondTick, &clockService, &ClockCorrectionService::Tick);
    // A corrected clock may have moved the date.
    QObject::connect(&clockService, &ClockCorrectionService::TimeChanged, &window,
                     [&window] { window.ShowMonth(window.Today()); });

    // The wallpaper is the window's picture, made again at each change of date.
    const std::string wallpaperFolder = start->state.wallpaperFolder;
    const std::unique_ptr<DesktopBackground> desktop = MakeDesktopBackground();
    MainWindowHooks hooks;
    hooks.dateChanged = [&window, wallpaperFolder, &desktop, &prompt] {
        const MainWindowSettings& settings = window.Settings();
        if (settings.wallpaper != 0) EnsureFolder(wallpaperFolder);
        GenerateWallpaper(window, WallpaperOptions{settings.wallpaper, settings.wpx, settings.wpy},
                          wallpaperFolder, *desktop, &prompt);
    };
    window.SetHooks(hooks);
    // The window hides in the tray: the program ends when the window closes,
    // not when the last visible window (a reminder popup, a message box) does.
    QApplication::setQuitOnLastWindowClosed(false);
    QObject::connect(&window, &TForm1::Closed, &app, &QCoreApplication::quit);
    if (windowStart.checkAndMinimize) window.MoveBelowScreen();

    RunStartupReminderPass(start->state, context);
    // The pass may have moved or erased records: the pending table and the
    // month are made again from the file.
    window.RebuildPendingTable();
    window.ShowMonth(window.Today());
    window.ShowPendingText();
    if (start->state.skipEventLoop) return 0;
    clockService.Start(start->state.skipEventLoop);

    if (windowStart.checkAndMinimize)
        window.StartMinimized();
    else
        window.show();
    // The wallpaper is made once the window has painted.
    QTimer::singleShot(0, &window, hooks.dateChanged);
    const int status = app.exec();
    CloseHelpWindows();
    return status;
}
