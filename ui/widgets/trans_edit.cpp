// TransEdit colours and focus signals.
#include "ui/widgets/trans_edit.h"

#include <QMouseEvent>

namespace orvanto {

TransEdit::TransEdit(QWidget* parent) : QLineEdit(parent) {
    setFrame(false);
    setAutoFillBackground(false);
    setAttribute(Qt::WA_TranslucentBackground, true);
    setTextMargins(0, 0, 0, 0);
    ApplyPalette();
}

void TransEdit::SetTextColor(const QColor& color) {
    text_ = color;
    ApplyPalette();
}

void TransEdit::SetBackground(const QColor& color) {
    background_ = color;
    ApplyPalette();
}

void TransEdit::ApplyPalette() {
    QPalette p = palette();
    p.setColor(QPalette::Text, text_);
    p.setColor(QPalette::Base, background_.isValid() ? background_ : QColor(Qt::transparent));
    p.setColor(QPalette::Window, QColor(Qt::transparent));
    setPalette(p);
}

void TransEdit::mousePressEvent(QMouseEvent* event) {
    emit MousePressed();
    if (focusPolicy() != Qt::NoFocus) QLineEdit::mousePressEvent(event);
}

void TransEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    emit FocusLost();
}

}  // namespace orvanto
