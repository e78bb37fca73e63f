// orvanto-cli check [--settings FILE] [--today YYYY-MM-DD] [--now HH:MM[:SS]]
//                   [--answer ok|keep|nokeep]:
// the start-up reminder pass in a terminal, for a cron job or a console user.
// Each popup is printed as a block (caption label, memo text, keep box) and
// answered by one line of standard input: empty or "ok" (OK with the keep box
// as shown), "keep", "nokeep" or "warn N" (warn again in N minutes). Nobody
// may have seen a popup that the end of input answers (a cron job, input from
// /dev/null), so it leaves the record untouched. "--answer" answers every
// popup the same way without reading standard input. The settings file
// changes exactly as the program would change it.
#include <cctype>
#include <charconv>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <system_error>

#include "calendar/serial_date.h"
#include "cli/cli_arguments.h"
#include "cli/commands.h"
#include "cli/settings_option.h"
#include "core/clock.h"
#include "core/command_line.h"
#include "core/prompt.h"
#include "core/sound.h"
#include "core/time_format.h"
#include "reminders/date_steps.h"
#include "reminders/reminder_popup.h"
#include "reminders/startup_pass.h"

namespace orvanto::cli {

namespace {

constexpr const char* kCommand = "check";
constexpr int kMaxWarnAgainMinutes = 999;

std::optional<int> ParseNumber(std::string_view text, int low, int high) {
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end || value < low || value > high)
        return std::nullopt;
    return value;
}

// "HH:MM" or "HH:MM:SS" as a fraction of a day.
std::optional<double> ParseTime(const std::string& text) {
    if (text.size() != 5 && text.size() != 8) return std::nullopt;
    if (text[2] != ':' || (text.size() == 8 && text[5] != ':')) return std::nullopt;
    const auto hour = ParseNumber(std::string_view(text).substr(0, 2), 0, 23);
    const auto minute = ParseNumber(std::string_view(text).substr(3, 2), 0, 59);
    const auto second = text.size() == 8 ? ParseNumber(std::string_view(text).substr(6, 2), 0, 59) : 0;
    if (!hour || !minute || !second) return std::nullopt;
    return EncodeTime(*hour, *minute, *second);
}

// A caption without its accelerator marks: "&Keep reminder" reads "Keep reminder".
std::string WithoutAccelerator(const std::string& caption) {
    std::string text;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&' && i + 1 < caption.size()) ++i;
        text += caption[i];
    }
    return text;
}

std::string Trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos) return "";
    const auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

std::string Lower(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

const char* KindWord(MessageKind kind) {
    switch (kind) {
    case MessageKind::Warning:
        return "Warning";
    case MessageKind::Error:
        return "Error";
    default:
        return "Information";
    }
}

// One answer for every popup, chosen with "--answer".
enum class FixedAnswer { None, Ok, Keep, NoKeep };

std::optional<FixedAnswer> ParseFixedAnswer(const std::string& text) {
    if (text == "ok") return FixedAnswer::Ok;
    if (text == "keep") return FixedAnswer::Keep;
    if (text == "nokeep") return FixedAnswer::NoKeep;
    return std::nullopt;
}

// The answer that leaves the popup's record as it is. The box "Keep reminder"
// keeps a due or missed record when ticked; the box of an advance warning
// ("Reschedule now!", "Erase now!") consumes the record when ticked, so it
// stays unticked. A box that cannot be changed keeps its state.
ReminderPopupAnswer UntouchedAnswer(const ReminderPopupRequest& request) {
    if (!request.keepEnabled) return {request.keepChecked, 0};
    return {request.keepCaption == kKeepReminderCaption, 0};
}

// The prompt of a terminal: messages and popups on standard output, answers
// from standard input or the one answer of "--answer".
class TerminalPrompt : public Prompt {
public:
    explicit TerminalPrompt(FixedAnswer fixed) : fixed_(fixed) {}

    void ShowMessage(MessageKind kind, const std::string&, const std::string& text) override {
        std::cout << KindWord(kind) << ": " << text << "\n\n" << std::flush;
    }

    bool Ask(MessageKind kind, const std::string& title, const std::string& text) override {
        ShowMessage(kind, title, text);
        std::cout << "Answer: ok or cancel\n" << std::flush;
        std::string line;
        if (!std::getline(std::cin, line)) return true;
        const std::string answer = Lower(Trimmed(line));
        return answer.empty() || answer == "ok" || answer == "yes" || answer == "y";
    }

    ReminderPopupAnswer Popup(const ReminderPopupRequest& request) override {
        std::string memo = request.memoText;
        while (!memo.empty() && memo.front() == '\n') memo.erase(0, 1);
        std::cout << "Orvanto reminder: " << request.captionLabel << "\n"
                  << memo << "\n"
                  << (request.keepChecked ? "[x] " : "[ ] ") << WithoutAccelerator(request.keepCaption)
                  << (request.keepEnabled ? "" : " (disabled)") << "\n"
                  << "Answer: ok, keep, nokeep or warn N\n"
                  << std::flush;
        if (fixed_ != FixedAnswer::None) {
            const ReminderPopupAnswer answer = Fixed(request);
            std::cout << "Answered: " << FixedWord() << "\n\n" << std::flush;
            return answer;
        }
        for (;;) {
            std::string line;
            if (!std::getline(std::cin, line)) {
                std::cout << "End of input: the reminder stays as it is\n\n" << std::flush;
                return UntouchedAnswer(request);
            }
            if (const auto answer = ReadAnswer(Lower(Trimmed(line)), request)) {
                std::cout << "\n" << std::flush;
                return *answer;
            }
            std::fprintf(stderr, "orvanto-cli check: answer ok, keep, nokeep or warn N (0 to 999)\n");
        }
    }

private:
    // "--answer ok": OK with the box as shown; "keep": the record stays as it
    // is; "nokeep": the box unticked.
    ReminderPopupAnswer Fixed(const ReminderPopupRequest& request) const {
        switch (fixed_) {
        case FixedAnswer::Keep:
            return UntouchedAnswer(request);
        case FixedAnswer::NoKeep:
            return {!request.keepEnabled && request.keepChecked, 0};
        default:
            return {request.keepChecked, 0};
        }
    }

    const char* FixedWord() const {
        switch (fixed_) {
        case FixedAnswer::Keep:
            return "keep";
        case FixedAnswer::NoKeep:
            return "nokeep";
        default:
            return "ok";
        }
    }

    static std::optional<ReminderPopupAnswer> ReadAnswer(const std::string& answer,
                                                         const ReminderPopupRequest& request) {
        const bool canChangeKeep = request.keepEnabled;
        if (answer.empty() || answer == "ok") return ReminderPopupAnswer{request.keepChecked, 0};
        if (answer == "keep") return ReminderPopupAnswer{canChangeKeep || request.keepChecked, 0};
        if (answer == "nokeep") return ReminderPopupAnswer{!canChangeKeep && request.keepChecked, 0};
        if (answer.rfind("warn", 0) == 0) {
            const auto minutes = ParseNumber(Trimmed(answer.substr(4)), 0, kMaxWarnAgainMinutes);
            if (!minutes) return std::nullopt;
            // Ticking "Warn again in" clears the keep box.
            return ReminderPopupAnswer{false, *minutes};
        }
        return std::nullopt;
    }

    FixedAnswer fixed_ = FixedAnswer::None;
};

}  // namespace

int RunCheckCommand(const Args& args) {
    std::optional<std::string> settingsPath;
    std::optional<double> date;
    std::optional<double> time;
    FixedAnswer fixedAnswer = FixedAnswer::None;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg != "--settings" && arg != "--today" && arg != "--now" && arg != "--answer") {
            return UsageError(kCommand, "unexpected argument '" + arg + "'");
        }
        if (i + 1 >= args.size()) return UsageError(kCommand, arg + " needs a value");
        const std::string& value = args[++i];
        if (arg == "--settings") {
            settingsPath = NamedSettingsFile(value);
            if (!settingsPath) return UsageError(kCommand, UnusableSettingsFileText(value));
        } else if (arg == "--today") {
            date = ParseIsoDateSerial(value);
            if (!date)
                return UsageError(kCommand,
                                  "--today must be a date YYYY-MM-DD from 1753 to 2078, not '" + value + "'");
        } else if (arg == "--answer") {
            const auto answer = ParseFixedAnswer(value);
            if (!answer)
                return UsageError(kCommand, "--answer must be ok, keep or nokeep, not '" + value + "'");
            fixedAnswer = *answer;
        } else {
            time = ParseTime(value);
            if (!time)
                return UsageError(kCommand, "--now must be a time HH:MM or HH:MM:SS, not '" + value + "'");
        }
    }

    const SystemClock systemClock;
    const double now = systemClock.LocalNow();
    FakeClock clock(CombineDateTime(date ? *date : DateOf(now), time ? *time : TimeOf(now)));
    TerminalPrompt prompt(fixedAnswer);
    SilentSound sound;
    ReminderServices services{prompt, sound, clock};
    TimeStyle timeStyle;
    timeStyle.twelveHour = SystemTwelveHourClock();
    StartupReminderPass(SettingsPathOrDefault(settingsPath), LocalNow(clock).today, timeStyle, services);
    return 0;
}

}  // namespace orvanto::cli
