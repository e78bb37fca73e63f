// Prompt: every message box, confirmation question and reminder popup goes
// through this interface. The program implements it with real windows; tests
// implement it with a script that answers and records every text shown.
#pragma once

#include <optional>
#include <string>

namespace orvanto {

// The program's name: the title of its message boxes and of its windows'
// caption bars. (The application title, with the platform's suffix, is
// kApplicationTitle.)
inline constexpr const char* kProgramName = "Orvanto";
// The title of every message box and question the program shows, from the
// engine rooms and from the windows alike.
inline constexpr const char* kMessageTitle = kProgramName;

enum class MessageKind { Information, Warning, Error };

// What the reminder popup shows, handed over as data by the reminder engine.
struct ReminderPopupRequest {
    std::string captionLabel;  // caption-bar label, with " - LAST TIME" when it applies
    std::string memoText;      // the reminder text shown in the memo
    std::string description;   // the short description line under the memo
    int fontSize = 0;          // memo font size in points
    bool fontBold = false;     // memo font weight
    std::string keepCaption;   // caption of the keep box
    bool keepChecked = false;  // initial state of the keep box
    bool keepEnabled = true;   // whether the keep box can be changed
};

struct ReminderPopupAnswer {
    bool keep = false;         // the keep box was ticked
    int warnAgainMinutes = 0;  // 0: no warn-again copy
};

class Prompt {
public:
    virtual ~Prompt() = default;
    // A message box with an OK button.
    virtual void ShowMessage(MessageKind kind, const std::string& title, const std::string& text) = 0;
    // A message box whose only button is Cancel: a refusal after which the
    // operation does not go on ("There are too many reminders for this day.").
    // A prompt without such a box shows the plain message.
    virtual void ShowCancelMessage(MessageKind kind, const std::string& title, const std::string& text) {
        ShowMessage(kind, title, text);
    }
    // A question with OK and Cancel (or Yes and No); true for OK / Yes.
    virtual bool Ask(MessageKind kind, const std::string& title, const std::string& text) = 0;
    // The reminder popup; returns when the user closes it.
    virtual ReminderPopupAnswer Popup(const ReminderPopupRequest& request) = 0;
    // Whether the text, in the popup memo's font of that size and weight, is
    // narrower than twice the memo's width (the due popup then puts a line
    // break in front of it). Nothing from a prompt that shows no such memo.
    virtual std::optional<bool> PopupTextIsNarrow(const std::string& /*text*/, int /*points*/,
                                                  bool /*bold*/) {
        return std::nullopt;
    }
};

}  // namespace orvanto
