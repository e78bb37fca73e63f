// Placed labels and buttons.
#include "ui/widgets/placed_controls.h"

#include <QLabel>

#include "ui/widgets/bevel_button.h"

namespace orvanto {

QLabel* MakeLabel(const QString& text, const QRect& at, QWidget* parent, QWidget* buddy) {
    auto* label = new QLabel(text, parent);
    label->setGeometry(at);
    if (buddy) label->setBuddy(buddy);
    return label;
}

BevelButton* MakeButton(const char* name, const QString& caption, const QRect& at, QWidget* parent) {
    auto* button = new BevelButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setText(caption);
    button->setGeometry(at);
    return button;
}

}  // namespace orvanto
