// orvanto: the calendar program. Start-up sequence: read the command line and
// settle the settings file (a bad argument ends the program after its box),
// create a missing settings file, load the settings, create the main window,
// run the start-up reminder pass, then the event loop unless "-C" was given.
#include <QApplication>
#include <QGuiApplication>
#include <QLocale>
#include <QScreen>
#include <QTimer>

#include <chrono>
#include <filesystem>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "calendar/civil_date.h"
#include "core/clock.h"
#include "core/ini_file.h"
#include "core/startup.h"
#include "core/time_format.h"
#include "core/time_zone.h"
#include "platform/desktop_background.h"
#include "platform/desktop_sound.h"
#include "reminders/date_steps.h"
#include "reminders/startup_pass.h"
#include "ui/help/about_box.h"
#include "ui/reminders/add_rem_form.h"
#include "ui/help/help_window.h"
#include "ui/main/main_window.h"
#include "ui/app/message_prompt.h"
#include "ui/main/wallpaper.h"

namespace {

using namespace orvanto;

// Start-up step C6: the pass over the reminders that fell due while the
// program was not running. The reminder engine's pass is called from here.
void RunStartupReminderPass(const StartupState& state, Prompt& prompt, Sound& sound, const Clock& clock,
                            const TimeStyle& timeStyle) {
    // --- start-up reminder pass of the reminder engine ---
    ReminderServices services{prompt, sound, clock};
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        services.look.pixelsPerInch = static_cast<int>(screen->logicalDotsPerInch());
    }
    // Between attempts to play the sound file; the event loop is not running yet.
    services.wait = [](int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); };
    StartupReminderPass(state.settingsPath, LocalMomentOf(state.todaySerial).today, timeStyle, services);
    // --- end of the start-up reminder pass ---
}

// The twelve-hour flag with the locale's morning and afternoon designators.
TimeStyle TimeStyleOf(const StartupState& state) {
    TimeStyle timeStyle;
    timeStyle.twelveHour = state.twelveHourClock;
    timeStyle.amDesignator = QLocale().amText().toStdString();
    timeStyle.pmDesignator = QLocale().pmText().toStdString();
    return timeStyle;
}

// The windows the calendar opens, and the wallpaper made at the first paint
// and at each change of date.
MainWindowHooks WindowHooks(TForm1& window, const MainWindowContext& context, const std::string& programFolder,
                            DesktopBackground& desktop) {
    MainWindowHooks hooks;
    hooks.addReminder = [&window, context](const CivilDate& day, bool timed) {
        AddReminderContext add;
        add.settingsPath = context.settingsPath;
        add.clock = context.clock;
        add.prompt = context.prompt;
        add.sound = context.sound;
        add.dateFormat = window.Settings().dateFormat;
        add.twelveHour = context.timeStyle.twelveHour;
        add.allTimed = window.Settings().allTimed;
        add.themeIndex = window.Settings().colours.theme;
        OpenAddReminder(add, day, timed, &window);
    };
    hooks.about = [&window, context] {
        OpenAboutBox(window.Settings().colours.theme, window.Settings().dateFormat, *context.sound, &window);
    };
    hooks.help = [](const std::string& topic) { ShowHelpTopic(topic); };
    hooks.closeHelpWindows = [] { CloseHelpWindows(); };
    hooks.dateChanged = [&window, programFolder, &desktop] {
        const MainWindowSettings& settings = window.Settings();
        GenerateWallpaper(window, WallpaperOptions{settings.wallpaper, settings.wpx, settings.wpy}, programFolder,
                          desktop);
    };
    return hooks;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(kApplicationTitle));

    MessagePrompt prompt;
    SystemClock clock;
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    const std::optional<PreparedStart> start =
        PrepareStart(arguments, RunningProgramPath(argv[0]), clock, SystemTwelveHourClock(), prompt);
    if (!start) return 1;

    DesktopSound sound([] { QApplication::beep(); });
    const TimeStyle timeStyle = TimeStyleOf(start->state);
    const bool minimized = start->state.mode == StartupMode::CheckAndMinimize;

    MainWindowContext context;
    context.settingsPath = start->state.settingsPath;
    context.clock = &clock;
    context.prompt = &prompt;
    context.sound = &sound;
    context.checkAndMinimize = minimized;
    context.checkAndQuit = start->state.skipEventLoop;
    context.timeStyle = timeStyle;
    context.timeZoneBias = [](bool dstCorrection) { return TimeZoneBias(SystemTimeZoneFacts(), dstCorrection); };
    TForm1 window(context);
    prompt.SetParent(&window);
    prompt.SetThemeIndex(window.Settings().colours.theme);
    const std::string programFolder = std::filesystem::path(start->state.programPath).parent_path().string();
    const std::unique_ptr<DesktopBackground> desktop = MakeDesktopBackground();
    const MainWindowHooks hooks = WindowHooks(window, context, programFolder, *desktop);
    window.SetHooks(hooks);
    // The window hides in the tray: the program ends when the window closes,
    // not when the last visible window (a reminder popup, a message box) does.
    QApplication::setQuitOnLastWindowClosed(false);
    QObject::connect(&window, &TForm1::Closed, &app, &QCoreApplication::quit);
    if (minimized) window.MoveBelowScreen();

    RunStartupReminderPass(start->state, prompt, sound, clock, timeStyle);
    // The pass may have moved or erased records: the pending table and the
    // month are made again from the file.
    window.RebuildPendingTable();
    window.ShowMonth(window.Today());
    window.ShowPendingText();
    if (start->state.skipEventLoop) return 0;

    if (minimized)
        window.StartMinimized();
    else
        window.show();
    // The wallpaper is the window's picture: made once the window has painted.
    QTimer::singleShot(0, &window, hooks.dateChanged);
    return app.exec();
}
