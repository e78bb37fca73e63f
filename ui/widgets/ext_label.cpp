// ExtLabel painting and its press, release and click signals.
#include "ui/widgets/ext_label.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

namespace orvanto {

ExtLabel::ExtLabel(const QString& text, QWidget* parent) : QWidget(parent), text_(text) {}

void ExtLabel::SetText(const QString& text) {
    text_ = text;
    update();
}

void ExtLabel::SetStyle(Style style) {
    style_ = style;
    update();
}

void ExtLabel::SetColors(const QColor& dark, const QColor& light, const QColor& text) {
    dark_ = dark;
    light_ = light;
    textColor_ = text;
    update();
}

void ExtLabel::SetBackground(const QColor& background) {
    background_ = background;
    update();
}

void ExtLabel::SetAlignment(Qt::Alignment alignment) {
    alignment_ = alignment;
    update();
}

bool ExtLabel::TextFits(const QString& text) const {
    return QFontMetrics(font()).horizontalAdvance(text) <= width();
}

void ExtLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (background_.isValid()) painter.fillRect(rect(), background_);
    painter.setFont(font());
    const QRect area = rect();
    const int depth = (style_ == Style::HeavyRaised || style_ == Style::HeavySunken) ? 2 : 1;
    const bool raised = style_ == Style::Raised || style_ == Style::HeavyRaised;
    const bool sunken = style_ == Style::Sunken || style_ == Style::HeavySunken;
    const int flags = static_cast<int>(alignment_) | Qt::TextSingleLine;
    if (raised || sunken) {
        const QColor upper = raised ? light_ : dark_;
        const QColor lower = raised ? dark_ : light_;
        painter.setPen(lower);
        for (int d = 1; d <= depth; ++d) painter.drawText(area.translated(d, d), flags, text_);
        painter.setPen(upper);
        painter.drawText(area.translated(-1, -1), flags, text_);
    }
    painter.setPen(textColor_);
    painter.drawText(area, flags, text_);
}

void ExtLabel::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    pressed_ = true;
    emit Pressed();
}

void ExtLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !pressed_) {
        event->ignore();
        return;
    }
    pressed_ = false;
    emit Released();
    if (rect().contains(event->position().toPoint())) emit Clicked();
}

}  // namespace orvanto
