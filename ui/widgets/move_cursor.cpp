// Drawing of the "MoveCur" cursor: white arrows outlined in black.
#include "ui/widgets/move_cursor.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace orvanto {

namespace {

QPainterPath FourArrows() {
    // A cross of two bars with an arrow head at each end, on a 21 x 21 grid.
    QPainterPath path;
    const QPointF outline[] = {
        {10.5, 0.5},  {14.5, 4.5},  {11.5, 4.5},  {11.5, 9.5},  {16.5, 9.5},  {16.5, 6.5},
        {20.5, 10.5}, {16.5, 14.5}, {16.5, 11.5}, {11.5, 11.5}, {11.5, 16.5}, {14.5, 16.5},
        {10.5, 20.5}, {6.5, 16.5},  {9.5, 16.5},  {9.5, 11.5},  {4.5, 11.5},  {4.5, 14.5},
        {0.5, 10.5},  {4.5, 6.5},   {4.5, 9.5},   {9.5, 9.5},   {9.5, 4.5},   {6.5, 4.5},
    };
    path.moveTo(outline[0]);
    for (const QPointF& p : outline) path.lineTo(p);
    path.closeSubpath();
    return path;
}

QCursor MakeMoveCursor() {
    QPixmap image(22, 22);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::white);
    painter.drawPath(FourArrows());
    painter.end();
    return QCursor(image, 10, 10);
}

}  // namespace

const QCursor& MoveCursor() {
    static const QCursor cursor = MakeMoveCursor();
    return cursor;
}

}  // namespace orvanto
