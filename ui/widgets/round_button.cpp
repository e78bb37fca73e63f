// RoundButton painting: a disc lit from the top left, sunk while pressed.
#include "ui/widgets/round_button.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace orvanto {

namespace {

// The close button keeps its own look whatever the theme.
const QColor kCloseFace(214, 64, 48);

}  // namespace

RoundButton::RoundButton(Symbol symbol, QWidget* parent)
    : QAbstractButton(parent),
      symbol_(symbol),
      face_(symbol == Symbol::Close ? kCloseFace : QColor(64, 128, 255)) {
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_Hover, true);
}

void RoundButton::SetFace(const QColor& face) {
    face_ = face;
    update();
}

void RoundButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, true);
    const QRectF disc = QRectF(rect()).adjusted(1, 1, -1, -1);
    const bool sunken = isDown();
    QColor face = face_;
    if (hovered_ && isEnabled()) face = face.lighter(115);

    QRadialGradient shade(disc.center() + (sunken ? QPointF(2, 2) : QPointF(-3, -3)), disc.width() * 0.75);
    shade.setColorAt(0.0, face.lighter(160));
    shade.setColorAt(0.6, face);
    shade.setColorAt(1.0, face.darker(160));
    painter.setPen(QPen(face.darker(220), 1));
    painter.setBrush(shade);
    painter.drawEllipse(disc);

    const QPointF c = disc.center() + (sunken ? QPointF(1, 1) : QPointF(0, 0));
    const qreal s = disc.width() / 5.0;
    const QColor ink = isEnabled() ? QColor(Qt::white) : QColor(200, 200, 200);
    painter.setPen(QPen(ink, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(ink);
    switch (symbol_) {
    case Symbol::ArrowUp: {
        const QPointF tri[3] = {c + QPointF(-s, s * 0.6), c + QPointF(s, s * 0.6), c + QPointF(0, -s * 0.8)};
        painter.setPen(QPen(ink, 1));
        painter.drawPolygon(tri, 3);
        break;
    }
    case Symbol::ArrowDown: {
        const QPointF tri[3] = {c + QPointF(-s, -s * 0.6), c + QPointF(s, -s * 0.6), c + QPointF(0, s * 0.8)};
        painter.setPen(QPen(ink, 1));
        painter.drawPolygon(tri, 3);
        break;
    }
    case Symbol::Minimize:
        painter.drawLine(c + QPointF(-s, s * 0.5), c + QPointF(s, s * 0.5));
        break;
    case Symbol::Close:
        painter.drawLine(c + QPointF(-s * 0.8, -s * 0.8), c + QPointF(s * 0.8, s * 0.8));
        painter.drawLine(c + QPointF(-s * 0.8, s * 0.8), c + QPointF(s * 0.8, -s * 0.8));
        break;
    case Symbol::None:
        break;
    }
}

void RoundButton::enterEvent(QEnterEvent* event) {
    hovered_ = true;
    update();
    QAbstractButton::enterEvent(event);
}

void RoundButton::leaveEvent(QEvent* event) {
    hovered_ = false;
    update();
    QAbstractButton::leaveEvent(event);
}

}  // namespace orvanto
