// orvanto: the calendar program. Start-up sequence: read the command line and
// settle the settings file (a bad argument ends the program after its box),
// create a missing settings file, load the settings, create the main window,
// run the start-up reminder pass, then the event loop unless "-C" was given.
#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLocale>
#include <QScreen>
#include <QWidget>

#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "core/clock.h"
#include "core/ini_file.h"
#include "core/startup.h"
#include "core/time_format.h"
#include "platform/desktop_sound.h"
#include "reminders/date_steps.h"
#include "reminders/startup_pass.h"
#include "ui/message_prompt.h"

namespace {

using namespace orvanto;

constexpr int kClientWidth = 356;
constexpr int kClientHeight = 444;

int ScreenHeight() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().height() : 0;
}

// The main window as far as start-up and shutdown go: its size, title, place,
// and the position it writes when it closes.
class MainWindow : public QWidget {
public:
    MainWindow(const PreparedStart& start, Prompt& prompt) : ini_(start.state.settingsPath), prompt_(prompt) {
        setObjectName(QStringLiteral("Form1"));
        setWindowTitle(QString::fromLatin1(kApplicationTitle));
        setFixedSize(kClientWidth, kClientHeight);
        Place(start.settings);
        topAtCreation_ = y();
    }

    // Check-and-minimize start: the top edge goes to the screen height, off
    // the bottom of the screen; the saved "Top" stays the created one.
    void MoveBelowScreen() { move(x(), ScreenHeight()); }

protected:
    void closeEvent(QCloseEvent* event) override {
        try {
            SaveWindowPosition(ini_, y(), x(), ScreenHeight(), topAtCreation_);
        } catch (const EIniFileError& error) {
            prompt_.ShowMessage(MessageKind::Error, kApplicationTitle, error.what());
        }
        event->accept();
    }

private:
    void Place(const MainWindowSettings& settings) {
        if (settings.savePos && settings.top != -1 && settings.left != -1) {
            move(settings.left, settings.top);
            return;
        }
        if (const QScreen* screen = QGuiApplication::primaryScreen()) {
            const QRect area = screen->availableGeometry();
            move(area.center() - QPoint(kClientWidth / 2, kClientHeight / 2));
        }
    }

    IniFile ini_;
    Prompt& prompt_;
    int topAtCreation_ = 0;
};

// Start-up step C6: the pass over the reminders that fell due while the
// program was not running. The reminder engine's pass is called from here.
void RunStartupReminderPass(const StartupState& state, Prompt& prompt) {
    // --- start-up reminder pass of the reminder engine ---
    SystemClock clock;
    DesktopSound sound([] { QApplication::beep(); });
    ReminderServices services{prompt, sound, clock};
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        services.look.pixelsPerInch = static_cast<int>(screen->logicalDotsPerInch());
    }
    // Between attempts to play the sound file; the event loop is not running yet.
    services.wait = [](int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); };
    TimeStyle timeStyle;
    timeStyle.twelveHour = state.twelveHourClock;
    timeStyle.amDesignator = QLocale().amText().toStdString();
    timeStyle.pmDesignator = QLocale().pmText().toStdString();
    StartupReminderPass(state.settingsPath, LocalMomentOf(state.todaySerial).today, timeStyle, services);
    // --- end of the start-up reminder pass ---
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

    MainWindow window(*start, prompt);
    const bool minimized = start->state.mode == StartupMode::CheckAndMinimize;
    if (minimized) window.MoveBelowScreen();

    RunStartupReminderPass(start->state, prompt);
    if (start->state.skipEventLoop) return 0;

    if (minimized) window.showMinimized();
    else window.show();
    return app.exec();
}
