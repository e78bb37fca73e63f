#include "ui/app/message_prompt.h"

#include <QMessageBox>
#include <QString>

#include "ui/help/help_window.h"
#include "ui/reminders/remind_form.h"

namespace orvanto {

namespace {

QMessageBox::Icon IconOf(MessageKind kind) {
    switch (kind) {
        case MessageKind::Information: return QMessageBox::Information;
        case MessageKind::Warning: return QMessageBox::Warning;
        case MessageKind::Error: return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

// Runs a box; true when the user chose OK.
bool RunBox(QWidget* parent, MessageKind kind, const std::string& title, const std::string& text,
            QMessageBox::StandardButtons buttons) {
    QMessageBox box(IconOf(kind), QString::fromStdString(title), QString::fromStdString(text), buttons, parent);
    box.setObjectName(QStringLiteral("MessageBox"));
    MakeModalToItsParent(box);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(buttons & QMessageBox::Ok ? QMessageBox::Ok : QMessageBox::Cancel);
    if (buttons & QMessageBox::Cancel) box.setEscapeButton(QMessageBox::Cancel);
    return box.exec() == QMessageBox::Ok;
}

}  // namespace

void MessagePrompt::ShowMessage(MessageKind kind, const std::string& title, const std::string& text) {
    RunBox(parent_, kind, title, text, QMessageBox::Ok);
}

void MessagePrompt::ShowCancelMessage(MessageKind kind, const std::string& title, const std::string& text) {
    RunBox(parent_, kind, title, text, QMessageBox::Cancel);
}

bool MessagePrompt::Ask(MessageKind kind, const std::string& title, const std::string& text) {
    return RunBox(parent_, kind, title, text, QMessageBox::Ok | QMessageBox::Cancel);
}

std::optional<bool> MessagePrompt::PopupTextIsNarrow(const std::string& text, int points, bool bold) {
    return TRemindForm::TextIsNarrow(text, points, bold);
}

ReminderPopupAnswer MessagePrompt::Popup(const ReminderPopupRequest& request) {
    TRemindForm form(request, themeIndex_, parent_);
    form.exec();
    return form.Answer();
}

}  // namespace orvanto
