// OutlineShape: a rectangle outline in one colour, transparent inside and
// to the mouse (the today frame around a day button).
#pragma once

#include <QColor>
#include <QWidget>

namespace orvanto {

class OutlineShape : public QWidget {
    Q_OBJECT
public:
    explicit OutlineShape(QWidget* parent = nullptr);

    void SetColor(const QColor& color);
    QColor Color() const { return color_; }
    void SetPenWidth(int width);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor color_ = Qt::black;
    int penWidth_ = 2;
};

}  // namespace orvanto
