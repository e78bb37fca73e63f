// BevelButton painting and mouse handling.
#include "ui/widgets/bevel_button.h"

#include <QMouseEvent>
#include <QPainter>

namespace orvanto {

BevelButton::BevelButton(QWidget* parent) : QAbstractButton(parent) {
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_Hover, true);
    SetColors(Theme::ByIndex(0).Buttons(ButtonFamily::Day));
}

void BevelButton::SetColors(const ButtonColors& colors) {
    colors_ = colors;
    face_ = colors.face;
    hotTrack_ = colors.hotTrack;
    update();
}

void BevelButton::SetFace(const QColor& face) {
    face_ = face;
    update();
}

void BevelButton::SetHotTrack(bool on, const QColor& color) {
    hotTrackOn_ = on;
    if (color.isValid()) hotTrack_ = color;
    update();
}

void BevelButton::SetFontColor(const QColor& color) {
    fontColor_ = color;
    update();
}

void BevelButton::SetGlyph(const QPixmap& glyph, const QString& name) {
    glyph_ = glyph;
    makeGlyph_ = nullptr;
    glyphName_ = glyph.isNull() ? QString() : name;
    update();
}

void BevelButton::SetGlyph(PictureMaker make, const QString& name) {
    SetGlyph(make ? make(devicePixelRatioF()) : QPixmap(), name);
    if (!glyph_.isNull()) makeGlyph_ = std::move(make);
}

void BevelButton::SetFlat(bool flat) {
    flat_ = flat;
    update();
}

void DrawBevel(QPainter& painter, const QRect& rect, const QColor& light, const QColor& shadow, bool sunken) {
    const QColor topLeft = sunken ? shadow : light;
    const QColor bottomRight = sunken ? light : shadow;
    painter.setPen(topLeft);
    painter.drawLine(rect.topLeft(), rect.topRight());
    painter.drawLine(rect.topLeft(), rect.bottomLeft());
    painter.setPen(bottomRight);
    painter.drawLine(rect.bottomLeft(), rect.bottomRight());
    painter.drawLine(rect.topRight(), rect.bottomRight());
}

void BevelButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const bool sunken = isDown() || isChecked();
    const bool hot = hovered_ && isEnabled() && hotTrackOn_;
    QColor face = face_;
    if (sunken && isEnabled())
        face = colors_.pressed;
    else if (hot)
        face = hotTrack_;
    painter.fillRect(rect(), face);

    if (!flat_ || hot || sunken) DrawBevel(painter, rect(), colors_.light, colors_.shadow, sunken);

    const int shift = sunken ? 1 : 0;
    const qreal ratio = devicePixelRatioF();
    if (makeGlyph_ && !qFuzzyCompare(glyph_.devicePixelRatio(), ratio)) glyph_ = makeGlyph_(ratio);
    // On a whole device pixel, so that the glyph is copied, not resampled.
    if (!glyph_.isNull()) painter.drawPixmap(DeviceAligned(QPointF(3 + shift, 3 + shift), ratio), glyph_);
    if (!icon().isNull()) {
        const QSize size = iconSize();
        const QPoint at((width() - size.width()) / 2 + shift, (height() - size.height()) / 2 + shift);
        icon().paint(&painter, QRect(at, size), Qt::AlignCenter,
                     isEnabled() ? QIcon::Normal : QIcon::Disabled);
    }
    if (!text().isEmpty()) {
        painter.setFont(font());
        painter.setPen(isEnabled() ? fontColor_ : QColor(128, 128, 128));
        painter.drawText(rect().translated(shift, shift), Qt::AlignCenter | Qt::TextShowMnemonic, text());
    }
    // The button chosen with the keyboard: a dotted frame inside the bevel.
    if (hasFocus()) {
        QPen pen(fontColor_, 1, Qt::DotLine);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect().adjusted(3, 3, -4, -4));
    }
}

void BevelButton::enterEvent(QEnterEvent* event) {
    hovered_ = true;
    update();
    QAbstractButton::enterEvent(event);
}

void BevelButton::leaveEvent(QEvent* event) {
    hovered_ = false;
    update();
    QAbstractButton::leaveEvent(event);
}

void BevelButton::mousePressEvent(QMouseEvent* event) {
    emit MouseDown(event->button(), event->modifiers());
    QAbstractButton::mousePressEvent(event);
}

void BevelButton::mouseReleaseEvent(QMouseEvent* event) {
    emit MouseUp(event->button(), event->modifiers());
    QAbstractButton::mouseReleaseEvent(event);
}

}  // namespace orvanto
