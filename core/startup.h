// The program's start and end: the start-up state held for the whole run,
// and the steps of start-up and shutdown that are rules rather than windows.
// The main window calls these with its Prompt, so the same steps run under
// the real message boxes and under a test's scripted prompt.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/clock.h"
#include "core/command_line.h"
#include "core/ini_file.h"
#include "core/prompt.h"
#include "core/settings.h"

namespace orvanto {

inline constexpr const char* kApplicationTitle = "Orvanto 32";
inline constexpr const char* kHelpFileName = "Orvanto.chm";

struct StartupState {
    StartupMode mode = StartupMode::Normal;
    bool skipEventLoop = false;
    std::string settingsPath;  // full path of the settings file of this run
    std::string programPath;   // full path of the running program
    // Where the wallpaper bitmap goes: beside a named or portable settings
    // file, else the user's data folder.
    std::string wallpaperFolder;
    // Today as a whole serial date (days since 30 December 1899), taken once;
    // the calendar turns it into a date or a day number.
    int todaySerial = 0;
    bool twelveHourClock = false;
};

// The full path of the running program (from /proc/self/exe); the fallback
// when that cannot be read.
std::string RunningProgramPath(const std::string& fallback);

// Today from the clock's local time: the serial date's day part, truncated
// toward zero as serial dates count days (-1.25 is 29 December 1899 06:00).
int TodaySerial(const Clock& clock);

// Start-up steps C2 and C5: reads the command line, checks it, settles the
// settings path, and takes today and the twelve-hour flag. A bad argument
// shows the error box "Invalid parameter: " + the upper-cased argument and
// gives nothing: the program ends with nothing written.
//
// The check of an explicit settings name is made on the file it resolves to,
// the file the run will use.
std::optional<StartupState> BeginStartup(const std::vector<std::string>& arguments,
                                         const std::string& programPath, const Clock& clock,
                                         bool twelveHourClock, Prompt& prompt);

// Window creation step D3: a missing settings file is written with the
// default content and announced with its path + " has been succesfully
// created." (the path as it is: upper-cased it would name another file). True when the file was created. A file that cannot
// be written raises EIniFileError.
bool CreateMissingSettingsFile(const std::string& settingsPath, Prompt& prompt);

// Window creation step D5: with the default location (the user has not
// chosen a city), the reminder to set one up.
void RemindToSetUpCityIfDefault(const MainWindowSettings& settings, Prompt& prompt);

// Start-up steps C2 and C5 with the window-creation steps D3 to D5 that
// come before any window exists (called once the toolkit has started, which
// set the process locale: the C library's numbers go back to the "." point,
// see KeepCNumericLocale): the command line is read and checked, a
// missing settings file is created and announced, the settings are loaded
// and, for the default location, the reminder to set up the city is shown.
// Nothing when the program must end: a bad argument (its box shown), or a
// settings file that cannot be written (the box "Unable to write to " + path).
struct PreparedStart {
    StartupState state;
    MainWindowSettings settings;
};
std::optional<PreparedStart> PrepareStart(const std::vector<std::string>& arguments,
                                          const std::string& programPath, const Clock& clock,
                                          bool twelveHourClock, Prompt& prompt);

// Shutdown step E1: what a close request does.
enum class CloseDecision { Minimize, Refuse, Close };
// `shownNormally`: the window is neither minimized nor in the tray.
// `pendingCount`: timed reminders of today whose time is still ahead.
CloseDecision DecideClose(StartupMode mode, bool shownNormally, bool ignorePending, int pendingCount,
                          Prompt& prompt);
// The question asked when reminders are still pending on exit.
std::string PendingOnExitText(int pendingCount);

// Shutdown step E2: writes "Top" and "Left". A window whose top edge is at
// the screen height (moved off the screen in check-and-minimize mode) writes
// the top edge it had when it was created instead.
void SaveWindowPosition(IniFile& ini, int top, int left, int screenHeight, int topAtCreation);

}  // namespace orvanto
