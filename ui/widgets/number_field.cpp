#include "ui/widgets/number_field.h"

namespace orvanto {

namespace {

RoundButton* MakeArrow(RoundButton::Symbol symbol, const QString& name, const QRect& at, QWidget* parent) {
    auto* button = new RoundButton(symbol, parent);
    button->setObjectName(name);
    button->setGeometry(at);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

}  // namespace

NumberField::NumberField(const char* name, const QRect& area, QSize button, int digits, int low, int high,
                         QWidget* parent)
    : low(low), high(high) {
    const QString editName = QString::fromLatin1(name);
    edit = new QLineEdit(parent);
    edit->setObjectName(editName);
    edit->setMaxLength(digits);
    edit->setGeometry(area);
    const QPoint upAt(area.right() + 2, area.top());
    up =
        MakeArrow(RoundButton::Symbol::ArrowUp, editName + QStringLiteral("Up"), QRect(upAt, button), parent);
    down = MakeArrow(RoundButton::Symbol::ArrowDown, editName + QStringLiteral("Down"),
                     QRect(upAt + QPoint(0, button.height()), button), parent);
}

void NumberField::SetEnabled(bool on) const {
    edit->setEnabled(on);
    up->setEnabled(on);
    down->setEnabled(on);
}

void NumberField::SetButtonFace(const QColor& face) const {
    up->SetFace(face);
    down->SetFace(face);
}

}  // namespace orvanto
