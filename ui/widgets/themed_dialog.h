// ThemedDialog: the base of the program's dialogs. It has no system caption
// but a CaptionBar in the current theme, a fixed client size, and hidden
// default and cancel buttons through which Enter and Escape act.
#pragma once

#include <QDialog>
#include <QPushButton>

#include "ui/widgets/caption_bar.h"

namespace orvanto {

class ThemedDialog : public QDialog {
    Q_OBJECT
public:
    ThemedDialog(const QString& title, const QSize& clientSize, QWidget* parent = nullptr,
                 int captionHeight = 24);

    CaptionBar* Caption() const { return caption_; }
    // Enter clicks the default button (by default it accepts the dialog);
    // Escape clicks the cancel button (by default it rejects it).
    QPushButton* DefaultButton() const { return default_; }
    QPushButton* CancelButton() const { return cancel_; }

    // Caption bar from theme colours 1..3 and 19..21, background from 0.
    virtual void ApplyTheme(int themeIndex);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    CaptionBar* caption_;
    QPushButton* default_;
    QPushButton* cancel_;
};

}  // namespace orvanto
