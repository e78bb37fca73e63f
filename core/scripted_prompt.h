// ScriptedPrompt: a Prompt for tests and for runs without a screen. It
// records every message, question and popup it is shown, and answers from
// queues filled beforehand (a default answer once a queue is empty).
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "core/prompt.h"

namespace orvanto {

class ScriptedPrompt : public Prompt {
public:
    struct Shown {
        enum class Kind { Message, Question, Popup } kind;
        MessageKind messageKind;
        std::string title;
        std::string text;
        // The button of a message box: Cancel for ShowCancelMessage.
        bool cancelButton = false;
        bool operator==(const Shown&) const = default;
    };

    void ShowMessage(MessageKind kind, const std::string& title, const std::string& text) override;
    void ShowCancelMessage(MessageKind kind, const std::string& title, const std::string& text) override;
    bool Ask(MessageKind kind, const std::string& title, const std::string& text) override;
    ReminderPopupAnswer Popup(const ReminderPopupRequest& request) override;

    // Answers of the next questions, in order; then `defaultAnswer`.
    void QueueAnswer(bool answer) { answers_.push_back(answer); }
    void QueuePopupAnswer(const ReminderPopupAnswer& answer) { popupAnswers_.push_back(answer); }
    bool defaultAnswer = true;

    const std::vector<Shown>& Log() const { return log_; }
    const std::vector<ReminderPopupRequest>& Popups() const { return popups_; }
    // The texts shown, in order (messages, questions and popup memo texts).
    std::vector<std::string> Texts() const;
    void Clear();

private:
    std::vector<Shown> log_;
    std::vector<ReminderPopupRequest> popups_;
    std::deque<bool> answers_;
    std::deque<ReminderPopupAnswer> popupAnswers_;
};

}  // namespace orvanto
