// OutlineShape painting.
#include "ui/widgets/outline_shape.h"

#include <QPainter>

namespace orvanto {

OutlineShape::OutlineShape(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents, true);
}

void OutlineShape::SetColor(const QColor& color) {
    color_ = color;
    update();
}

void OutlineShape::SetPenWidth(int width) {
    penWidth_ = width;
    update();
}

void OutlineShape::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(Qt::NoPen);
    painter.setBrush(color_);
    const int w = penWidth_;
    painter.drawRect(0, 0, width(), w);
    painter.drawRect(0, height() - w, width(), w);
    painter.drawRect(0, 0, w, height());
    painter.drawRect(width() - w, 0, w, height());
}

}  // namespace orvanto
