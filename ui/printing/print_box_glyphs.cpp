// A sheet of paper with a folded corner, and on it a month grid, twelve
// little months or nine little cards.
#include "ui/printing/print_box_glyphs.h"

#include <QPainter>
#include <QPainterPath>

namespace orvanto {

namespace {

const QColor kPaper(255, 255, 255);
const QColor kInk(40, 40, 40);
const QColor kTitle(200, 30, 30);
const QColor kGrid(110, 110, 110);

// The sheet: 24 x 30 in the middle of the 32 x 32 picture, top right corner
// folded. Returns the area to draw on.
QRectF DrawSheet(QPainter& painter) {
    const QRectF sheet(4.5, 1.5, 23, 29);
    constexpr qreal fold = 6;
    QPainterPath outline;
    outline.moveTo(sheet.topLeft());
    outline.lineTo(sheet.right() - fold, sheet.top());
    outline.lineTo(sheet.right(), sheet.top() + fold);
    outline.lineTo(sheet.bottomRight());
    outline.lineTo(sheet.bottomLeft());
    outline.closeSubpath();
    painter.setPen(QPen(kInk, 1));
    painter.setBrush(kPaper);
    painter.drawPath(outline);
    painter.setBrush(QColor(220, 220, 220));
    QPainterPath corner;
    corner.moveTo(sheet.right() - fold, sheet.top());
    corner.lineTo(sheet.right() - fold, sheet.top() + fold);
    corner.lineTo(sheet.right(), sheet.top() + fold);
    painter.drawPath(corner);
    return sheet.adjusted(3, 3, -3, -3);
}

void DrawMonth(QPainter& painter, const QRectF& area) {
    painter.fillRect(QRectF(area.left(), area.top() + 1, area.width() - 5, 3), kTitle);
    const qreal top = area.top() + 7;
    const qreal cell = area.width() / 5;
    painter.setPen(QPen(kGrid, 1));
    painter.setBrush(Qt::NoBrush);
    for (int row = 0; row < 5; ++row) {
        for (int column = 0; column < 5; ++column) {
            painter.drawRect(
                QRectF(area.left() + column * cell, top + row * (cell - 0.5), cell - 1, cell - 1.5));
        }
    }
}

void DrawYear(QPainter& painter, const QRectF& area) {
    painter.fillRect(QRectF(area.left() + 4, area.top(), area.width() - 8, 2), kTitle);
    const qreal width = area.width() / 3;
    const qreal height = (area.height() - 4) / 4;
    for (int i = 0; i < 12; ++i) {
        const QRectF box(area.left() + (i % 3) * width, area.top() + 4 + (i / 3) * height, width - 1.5,
                         height - 1.5);
        painter.fillRect(box, kGrid);
        painter.fillRect(box.adjusted(0.5, 0.5, -0.5, -box.height() * 0.7), kTitle);
    }
}

void DrawCards(QPainter& painter, const QRectF& area) {
    const qreal width = area.width() / 3;
    const qreal height = area.height() / 3;
    painter.setPen(QPen(kInk, 1));
    for (int i = 0; i < 9; ++i) {
        const QRectF card(area.left() + (i % 3) * width, area.top() + (i / 3) * height, width - 1.5,
                          height - 1.5);
        painter.fillRect(card, kGrid);
        painter.fillRect(QRectF(card.left(), card.top(), card.width(), 1.5), kTitle);
    }
}

}  // namespace

QPixmap LayoutGlyphPixmap(CalendarLayout layout, qreal devicePixelRatio) {
    QPixmap pixmap(QSize(kLayoutGlyphSize, kLayoutGlyphSize) * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF area = DrawSheet(painter);
    switch (layout) {
    case CalendarLayout::Month:
        DrawMonth(painter, area);
        break;
    case CalendarLayout::Year:
        DrawYear(painter, area);
        break;
    case CalendarLayout::Card:
        DrawCards(painter, area);
        break;
    }
    return pixmap;
}

}  // namespace orvanto
