// MessagePrompt: the program's message boxes and questions as real windows
// (QMessageBox): information, warning and error icons, an OK button, OK and
// Cancel for questions.
#pragma once

#include "core/prompt.h"

class QWidget;

namespace orvanto {

class MessagePrompt : public Prompt {
public:
    explicit MessagePrompt(QWidget* parent = nullptr) : parent_(parent) {}

    void SetParent(QWidget* parent) { parent_ = parent; }

    void ShowMessage(MessageKind kind, const std::string& title, const std::string& text) override;
    bool Ask(MessageKind kind, const std::string& title, const std::string& text) override;
    // Until the reminder popup window exists: a plain box with the reminder's
    // text; the answer keeps the keep box's initial state and asks for no
    // warn-again copy.
    ReminderPopupAnswer Popup(const ReminderPopupRequest& request) override;

private:
    QWidget* parent_;
};

}  // namespace orvanto
