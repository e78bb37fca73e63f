#include "core/startup.h"

#include <cmath>
#include <cstdio>
#include <filesystem>

#include "core/decimal_number.h"
#include "core/file_locations.h"
#include "core/settings_keys.h"

namespace orvanto {

std::string RunningProgramPath(const std::string& fallback) {
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error && !self.empty()) return self.string();
    const std::filesystem::path absolute = std::filesystem::absolute(fallback, error);
    return error ? fallback : absolute.string();
}

int TodaySerial(const Clock& clock) { return static_cast<int>(std::trunc(clock.LocalNow())); }

std::optional<StartupState> BeginStartup(const std::vector<std::string>& arguments,
                                         const std::string& programPath, const Clock& clock,
                                         bool twelveHourClock, Prompt& prompt) {
    const CommandLine line = ParseCommandLine(arguments);
    const auto refuse = [&](const std::string& argument) {
        // Said on the terminal too, for a start from a shell or a script.
        std::fprintf(stderr, "orvanto: %s\n", InvalidParameterText(argument).c_str());
        prompt.ShowMessage(MessageKind::Error, kApplicationTitle, InvalidParameterText(argument));
        return std::optional<StartupState>();
    };
    if (line.unknownSwitch) return refuse(*line.unknownSwitch);

    StartupState state;
    state.mode = line.mode;
    state.skipEventLoop = line.skipEventLoop;
    state.programPath = programPath;
    // An installed program keeps its files in the user's folders: the
    // settings folder is made when the file will lie in it.
    const FileFolders folders = LocateFileFolders(programPath, ProcessEnvironment);
    const bool besideProgram = !line.settingsName || line.settingsName->find('/') == std::string::npos;
    if (besideProgram && !folders.portable) EnsureFolder(folders.settingsFolder);
    const std::optional<std::string> settingsPath =
        ChooseSettingsPath(line.settingsName, FilesAnchor(programPath));
    if (!settingsPath) return refuse(*line.settingsName);
    state.settingsPath = *settingsPath;
    state.wallpaperFolder = WallpaperFolder(state.settingsPath, line.settingsName.has_value(), folders);

    state.todaySerial = TodaySerial(clock);
    state.twelveHourClock = twelveHourClock;
    return state;
}

bool CreateMissingSettingsFile(const std::string& settingsPath, Prompt& prompt) {
    IniFile ini(settingsPath);
    if (ini.Exists()) return false;
    ini.WriteWholeFile(DefaultSettingsContent());
    prompt.ShowMessage(MessageKind::Information, kApplicationTitle,
                       settingsPath + " has been succesfully created.");
    return true;
}

void RemindToSetUpCityIfDefault(const MainWindowSettings& settings, Prompt& prompt) {
    if (!IsDefaultLocation(settings)) return;
    prompt.ShowMessage(MessageKind::Information, kMessageTitle,
                       "Don't forget to set up your city in the Settings window.\n"
                       "Assuming Greenwich Observatory in England.");
}

std::optional<PreparedStart> PrepareStart(const std::vector<std::string>& arguments,
                                          const std::string& programPath, const Clock& clock,
                                          bool twelveHourClock, Prompt& prompt) {
    KeepCNumericLocale();
    std::optional<StartupState> state = BeginStartup(arguments, programPath, clock, twelveHourClock, prompt);
    if (!state) return std::nullopt;
    try {
        CreateMissingSettingsFile(state->settingsPath, prompt);
    } catch (const EIniFileError& error) {
        prompt.ShowMessage(MessageKind::Error, kApplicationTitle, error.what());
        return std::nullopt;
    }
    PreparedStart prepared{std::move(*state), {}};
    prepared.settings = LoadMainWindowSettings(IniFile(prepared.state.settingsPath));
    RemindToSetUpCityIfDefault(prepared.settings, prompt);
    return prepared;
}

std::string PendingOnExitText(int pendingCount) {
    const std::string opening = pendingCount == 1 ? std::string("There is one event ")
                                                  : "There are " + std::to_string(pendingCount) + " events ";
    return opening + "pending.  Do you want to exit anyway?" + "\n\n" +
           "Tip: You can disable this message from the Settings window.";
}

CloseDecision DecideClose(StartupMode mode, bool shownNormally, bool ignorePending, int pendingCount,
                          Prompt& prompt) {
    if (mode == StartupMode::CheckAndMinimize && shownNormally) return CloseDecision::Minimize;
    if (ignorePending || pendingCount <= 0) return CloseDecision::Close;
    return prompt.Ask(MessageKind::Warning, kMessageTitle, PendingOnExitText(pendingCount))
               ? CloseDecision::Close
               : CloseDecision::Refuse;
}

void SaveWindowPosition(IniFile& ini, int top, int left, int screenHeight, int topAtCreation) {
    const std::string section(kSettingsSection);
    ini.WriteInteger(section, "Top", top == screenHeight ? topAtCreation : top);
    ini.WriteInteger(section, "Left", left);
}

}  // namespace orvanto
