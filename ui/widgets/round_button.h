// RoundButton: a circular button with a shaded face and a small symbol
// (arrows for the step buttons, a bar for minimize, a cross for close).
#pragma once

#include <QAbstractButton>
#include <QColor>

namespace orvanto {

class RoundButton : public QAbstractButton {
    Q_OBJECT
public:
    enum class Symbol { None, ArrowUp, ArrowDown, Minimize, Close };

    explicit RoundButton(Symbol symbol, QWidget* parent = nullptr);

    void SetFace(const QColor& face);
    QColor Face() const { return face_; }
    Symbol GetSymbol() const { return symbol_; }

    QSize sizeHint() const override { return QSize(21, 21); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    Symbol symbol_;
    QColor face_;
    bool hovered_ = false;
};

}  // namespace orvanto
