// ChartView: the chart's image and the mouse over it.
#include "ui/biorhythm/chart_view.h"

#include <QMouseEvent>
#include <QPainter>

namespace orvanto {

ChartView::ChartView(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ChartView::SetImage(const QImage& image) {
    image_ = image;
    update();
}

void ChartView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(QRect(QPoint(0, 0), image_.size()), image_);
    if (image_.width() < width() || image_.height() < height()) {
        painter.fillRect(QRect(image_.width(), 0, width() - image_.width(), height()), palette().window());
        painter.fillRect(QRect(0, image_.height(), image_.width(), height() - image_.height()),
                         palette().window());
    }
}

void ChartView::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    emit MouseMoved(at.x(), at.y());
}

void ChartView::leaveEvent(QEvent*) { emit MouseLeft(); }

}  // namespace orvanto
