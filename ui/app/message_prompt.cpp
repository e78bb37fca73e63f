#include "ui/app/message_prompt.h"

#include <QApplication>
#include <QMessageBox>
#include <QString>

#include "ui/help/help_window.h"
#include "ui/reminders/remind_form.h"

namespace orvanto {

namespace {

QMessageBox::Icon IconOf(MessageKind kind) {
    switch (kind) {
    case MessageKind::Information:
        return QMessageBox::Information;
    case MessageKind::Warning:
        return QMessageBox::Warning;
    case MessageKind::Error:
        return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

// The window a box or popup belongs to: the dialog running on top (the event
// list, the distance window, ...) while one is open, so that the box comes
// over it and takes the keyboard; otherwise the given window. A box over the
// main window while a dialog blocks it would get no key at all.
QWidget* OwnerOf(QWidget* parent) {
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    return parent;
}

// Runs a box; true when the user chose OK.
bool RunBox(QWidget* parent, MessageKind kind, const std::string& title, const std::string& text,
            QMessageBox::StandardButtons buttons) {
    QMessageBox box(IconOf(kind), QString::fromStdString(title), QString::fromStdString(text), buttons,
                    OwnerOf(parent));
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
    TRemindForm form(request, themeIndex_, OwnerOf(parent_));
    form.exec();
    return form.Answer();
}

}  // namespace orvanto
