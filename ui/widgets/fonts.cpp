// Font faces and their Linux stand-ins.
#include "ui/widgets/fonts.h"

#include <QGuiApplication>
#include <QScreen>

namespace orvanto {

QString FontFamilyFor(FontFace face) {
    switch (face) {
    case FontFace::Tahoma:
    case FontFace::Verdana:
        return QStringLiteral("DejaVu Sans");
    case FontFace::Arial:
        return QStringLiteral("Liberation Sans");
    case FontFace::TimesNewRoman:
        return QStringLiteral("Liberation Serif");
    case FontFace::CourierNew:
        return QStringLiteral("Liberation Mono");
    }
    return QStringLiteral("DejaVu Sans");
}

QFont PixelFont(FontFace face, int pixelSize, bool bold) {
    QFont font(FontFamilyFor(face));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

QFont PointFont(FontFace face, int pointSize, bool bold) {
    QFont font(FontFamilyFor(face));
    // Points as they are at 96 dpi: with high-DPI scaling off and a higher
    // font resolution (Xft.dpi 192) the text keeps the size the fixed
    // layouts were made for; with scaling on the resolution is 96 already.
    const QScreen* screen = QGuiApplication::primaryScreen();
    const qreal dpi = screen ? screen->logicalDotsPerInchY() : 96.0;
    if (dpi > 96.0)
        font.setPointSizeF(pointSize * 96.0 / dpi);
    else
        font.setPointSize(pointSize);
    font.setBold(bold);
    return font;
}

}  // namespace orvanto
