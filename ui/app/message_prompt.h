// MessagePrompt: the program's message boxes and questions as real windows
// (QMessageBox): information, warning and error icons, an OK button (a Cancel
// button for refusals), OK and Cancel for questions.
#pragma once

#include "core/prompt.h"

class QWidget;

namespace orvanto {

class MessagePrompt : public Prompt {
public:
    explicit MessagePrompt(QWidget* parent = nullptr) : parent_(parent) {}

    void SetParent(QWidget* parent) { parent_ = parent; }

    void ShowMessage(MessageKind kind, const std::string& title, const std::string& text) override;
    void ShowCancelMessage(MessageKind kind, const std::string& title, const std::string& text) override;
    bool Ask(MessageKind kind, const std::string& title, const std::string& text) override;
    // The reminder popup window (TRemindForm) in the current theme.
    ReminderPopupAnswer Popup(const ReminderPopupRequest& request) override;
    // Measured in the popup memo's font against twice the memo's width.
    std::optional<bool> PopupTextIsNarrow(const std::string& text, int points, bool bold) override;

    // The colour theme of the reminder popup ("Theme").
    void SetThemeIndex(int themeIndex) { themeIndex_ = themeIndex; }

private:
    QWidget* parent_;
    int themeIndex_ = 0;
};

}  // namespace orvanto
