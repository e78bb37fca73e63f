// ThemedDialog: caption bar, fixed size, Enter and Escape.
#include "ui/widgets/themed_dialog.h"

#include <QKeyEvent>

namespace orvanto {

ThemedDialog::ThemedDialog(const QString& title, const QSize& clientSize, QWidget* parent, int captionHeight)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint),
      caption_(new CaptionBar(title, this)),
      default_(new QPushButton(this)),
      cancel_(new QPushButton(this)) {
    setWindowTitle(title);
    setFixedSize(clientSize);
    caption_->setGeometry(0, 0, clientSize.width(), captionHeight);
    caption_->SetTitleMovesWindow(true);
    default_->setObjectName(QStringLiteral("DefaultButton"));
    cancel_->setObjectName(QStringLiteral("CancelButton"));
    default_->hide();
    cancel_->hide();
    default_->setFocusPolicy(Qt::NoFocus);
    cancel_->setFocusPolicy(Qt::NoFocus);
    connect(default_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
    connect(caption_->CloseButton(), &QAbstractButton::clicked, cancel_, &QPushButton::click);
    setAutoFillBackground(true);
}

void ThemedDialog::ApplyTheme(int themeIndex) {
    const Theme& theme = Theme::ByIndex(themeIndex);
    caption_->ApplyTheme(theme);
    QPalette p = palette();
    p.setColor(QPalette::Window, theme.Color(ThemeRole::WindowBackground));
    setPalette(p);
}

void ThemedDialog::keyPressEvent(QKeyEvent* event) {
    if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
            default_->click();
            return;
        }
        if (event->key() == Qt::Key_Escape) {
            cancel_->click();
            return;
        }
    }
    QDialog::keyPressEvent(event);
}

}  // namespace orvanto
