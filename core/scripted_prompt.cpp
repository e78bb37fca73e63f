#include "core/scripted_prompt.h"

namespace orvanto {

void ScriptedPrompt::ShowMessage(MessageKind kind, const std::string& title, const std::string& text) {
    log_.push_back({Shown::Kind::Message, kind, title, text});
}

void ScriptedPrompt::ShowCancelMessage(MessageKind kind, const std::string& title, const std::string& text) {
    log_.push_back({Shown::Kind::Message, kind, title, text, true});
}

bool ScriptedPrompt::Ask(MessageKind kind, const std::string& title, const std::string& text) {
    log_.push_back({Shown::Kind::Question, kind, title, text});
    if (answers_.empty()) return defaultAnswer;
    const bool answer = answers_.front();
    answers_.pop_front();
    return answer;
}

ReminderPopupAnswer ScriptedPrompt::Popup(const ReminderPopupRequest& request) {
    log_.push_back({Shown::Kind::Popup, MessageKind::Information, request.captionLabel, request.memoText});
    popups_.push_back(request);
    if (popupAnswers_.empty()) return ReminderPopupAnswer{request.keepChecked, 0};
    const ReminderPopupAnswer answer = popupAnswers_.front();
    popupAnswers_.pop_front();
    return answer;
}

std::vector<std::string> ScriptedPrompt::Texts() const {
    std::vector<std::string> texts;
    for (const Shown& shown : log_) texts.push_back(shown.text);
    return texts;
}

void ScriptedPrompt::Clear() {
    log_.clear();
    popups_.clear();
}

}  // namespace orvanto
