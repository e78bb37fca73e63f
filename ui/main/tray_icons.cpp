// Tray icon drawing: a white leaf with a red binding, the day number in bold,
// and for pending reminders a small bell-coloured disc in the corner.
#include "ui/main/tray_icons.h"

#include <QFont>
#include <QHash>
#include <QPainter>
#include <QPixmap>

#include "ui/widgets/fonts.h"

namespace orvanto {

namespace {

QPixmap DrawLeaf(int day, bool pending, int size) {
    QPixmap image(size, size);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    const qreal s = size / 32.0;
    const QRectF leaf(1.5 * s, 2.5 * s, 29 * s, 28 * s);
    painter.setPen(QPen(QColor(60, 60, 60), 1.0 * s));
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(leaf, 3 * s, 3 * s);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(200, 30, 30));
    painter.drawRect(QRectF(leaf.left() + 0.5 * s, leaf.top() + 0.5 * s, leaf.width() - 1 * s, 7 * s));

    QFont font = PixelFont(FontFace::Arial, static_cast<int>(18 * s), true);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QRectF(leaf.left(), leaf.top() + 7 * s, leaf.width(), leaf.height() - 7 * s),
                     Qt::AlignCenter, QString::number(day));
    if (pending) {
        painter.setPen(QPen(Qt::white, 1.0 * s));
        painter.setBrush(QColor(255, 160, 0));
        painter.drawEllipse(QRectF(20 * s, 0, 12 * s, 12 * s));
    }
    return image;
}

}  // namespace

QString TrayIconName(int day, bool pending) {
    const int d = qBound(1, day, 31);
    return QStringLiteral("%1DAY%2")
        .arg(pending ? QStringLiteral("R") : QString())
        .arg(d, 2, 10, QLatin1Char('0'));
}

QIcon TrayIcon(int day, bool pending) {
    static QHash<QString, QIcon> drawn;
    const QString name = TrayIconName(day, pending);
    auto found = drawn.find(name);
    if (found != drawn.end()) return *found;
    const int d = qBound(1, day, 31);
    QIcon icon;
    for (int size : {16, 22, 24, 32, 48, 64}) icon.addPixmap(DrawLeaf(d, pending, size));
    drawn.insert(name, icon);
    return icon;
}

}  // namespace orvanto
