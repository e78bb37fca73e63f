// ScrollingText: the text is drawn twice, end to end, so the strip never
// shows a gap while it wraps around.
#include "ui/widgets/scrolling_text.h"

#include <QFontMetrics>
#include <QPainter>

namespace orvanto {

ScrollingText::ScrollingText(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents, true);
    timer_.setInterval(30);
    connect(&timer_, &QTimer::timeout, this, &ScrollingText::Step);
}

void ScrollingText::SetText(const QString& text) {
    text_ = text;
    offset_ = 0;
    update();
}

void ScrollingText::SetTextColor(const QColor& color) {
    textColor_ = color;
    update();
}

void ScrollingText::Start() {
    offset_ = 0;
    timer_.start();
}

void ScrollingText::Stop() { timer_.stop(); }

void ScrollingText::Step() {
    const int width = QFontMetrics(font()).horizontalAdvance(text_);
    if (width <= 0) return;
    offset_ = (offset_ + 1) % width;
    update();
}

void ScrollingText::paintEvent(QPaintEvent*) {
    if (text_.isEmpty()) return;
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(textColor_);
    const int width = QFontMetrics(font()).horizontalAdvance(text_);
    const QRect line(-offset_, 0, width, height());
    painter.drawText(line, Qt::AlignLeft | Qt::AlignVCenter, text_);
    painter.drawText(line.translated(width, 0), Qt::AlignLeft | Qt::AlignVCenter, text_);
}

}  // namespace orvanto
