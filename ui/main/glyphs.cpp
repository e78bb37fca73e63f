// Drawing of the moon glyphs and the tool button glyphs.
#include "ui/main/glyphs.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "ui/widgets/drawn_picture.h"

namespace orvanto {

namespace {

const QColor kMoonYellow(255, 255, 0);

QPixmap Blank(int size, qreal devicePixelRatio) { return BlankPicture(QSize(size, size), devicePixelRatio); }

}  // namespace

QPixmap MoonGlyphPixmap(MoonGlyph glyph, qreal devicePixelRatio) {
    if (glyph == MoonGlyph::None) return QPixmap();
    QPixmap image = Blank(kMoonGlyphSize, devicePixelRatio);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    const QRectF disc(0.5, 0.5, 7, 7);
    switch (glyph) {
    case MoonGlyph::NewMoon:
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::black);
        painter.drawEllipse(disc);
        break;
    case MoonGlyph::FullMoon:
        painter.setPen(QPen(QColor(128, 128, 0), 0.6));
        painter.setBrush(kMoonYellow);
        painter.drawEllipse(disc);
        break;
    case MoonGlyph::FirstQuarterLitLeft:
    case MoonGlyph::LastQuarterLitRight: {
        const bool left = glyph == MoonGlyph::FirstQuarterLitLeft;
        painter.setPen(QPen(QColor(128, 128, 0), 0.6));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(disc);
        painter.setPen(Qt::NoPen);
        painter.setBrush(kMoonYellow);
        painter.drawPie(disc, left ? 90 * 16 : -90 * 16, 180 * 16);
        break;
    }
    case MoonGlyph::None:
        break;
    }
    return image;
}

QPixmap ToolGlyphPixmap(ToolGlyph glyph, qreal devicePixelRatio) {
    QPixmap image = Blank(kToolGlyphSize, devicePixelRatio);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    const QPen ink(QColor(20, 20, 60), 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(ink);
    switch (glyph) {
    case ToolGlyph::Previous:
    case ToolGlyph::Next: {
        const bool next = glyph == ToolGlyph::Next;
        const QPointF tri[3] = {
            {next ? 5.0 : 11.0, 3.0}, {next ? 5.0 : 11.0, 13.0}, {next ? 11.0 : 5.0, 8.0}};
        p.setBrush(QColor(20, 60, 160));
        p.drawPolygon(tri, 3);
        break;
    }
    case ToolGlyph::Today:
        p.setBrush(Qt::white);
        p.drawRect(QRectF(2.5, 3.5, 11, 10));
        p.fillRect(QRectF(3, 4, 10, 3), QColor(200, 30, 30));
        p.setBrush(QColor(20, 60, 160));
        p.setPen(Qt::NoPen);
        p.drawRect(QRectF(8, 9, 3, 3));
        break;
    case ToolGlyph::Moon: {
        QPainterPath crescent;
        crescent.addEllipse(QRectF(2, 2, 12, 12));
        QPainterPath bite;
        bite.addEllipse(QRectF(6, 1, 11, 11));
        p.setBrush(QColor(255, 210, 0));
        p.setPen(QPen(QColor(120, 90, 0), 1));
        p.drawPath(crescent.subtracted(bite));
        break;
    }
    case ToolGlyph::Distance:
        p.setBrush(QColor(120, 190, 255));
        p.drawEllipse(QRectF(2, 2, 12, 12));
        p.drawLine(QPointF(2, 8), QPointF(14, 8));
        p.drawEllipse(QRectF(5.5, 2, 5, 12));
        break;
    case ToolGlyph::Clock:
        p.setBrush(Qt::white);
        p.drawEllipse(QRectF(2, 2, 12, 12));
        p.drawLine(QPointF(8, 8), QPointF(8, 4));
        p.drawLine(QPointF(8, 8), QPointF(11, 9.5));
        break;
    case ToolGlyph::Biorhythm: {
        QPainterPath wave;
        wave.moveTo(1, 8);
        for (int x = 1; x <= 15; ++x) wave.lineTo(x, 8 - 5 * std::sin((x - 1) * 3.14159 / 7));
        p.setPen(QPen(QColor(200, 30, 30), 1.5));
        p.drawPath(wave);
        p.setPen(QPen(QColor(20, 60, 160), 1));
        p.drawLine(QPointF(1, 8), QPointF(15, 8));
        break;
    }
    case ToolGlyph::Events:
        p.setBrush(Qt::white);
        p.drawRect(QRectF(3.5, 1.5, 9, 13));
        for (int y : {5, 8, 11}) p.drawLine(QPointF(5.5, y), QPointF(10.5, y));
        break;
    case ToolGlyph::Settings: {
        p.setBrush(QColor(150, 150, 150));
        QPainterPath gear;
        for (int i = 0; i < 8; ++i) {
            const double a = i * 3.14159 / 4;
            gear.addRect(QRectF(8 + 5.5 * std::cos(a) - 1.5, 8 + 5.5 * std::sin(a) - 1.5, 3, 3));
        }
        gear.addEllipse(QRectF(3, 3, 10, 10));
        p.drawPath(gear.simplified());
        p.setBrush(Qt::white);
        p.drawEllipse(QRectF(6, 6, 4, 4));
        break;
    }
    }
    return image;
}

}  // namespace orvanto
