// TransEdit: a one-line edit with no frame and a transparent background, so
// the window's background shows through its text.
#pragma once

#include <QLineEdit>

namespace orvanto {

class TransEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TransEdit(QWidget* parent = nullptr);

    void SetTextColor(const QColor& color);
    // An invalid colour keeps the edit transparent.
    void SetBackground(const QColor& color);

signals:
    void MousePressed();
    void FocusLost();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void ApplyPalette();

    QColor text_ = Qt::black;
    QColor background_;
};

}  // namespace orvanto
