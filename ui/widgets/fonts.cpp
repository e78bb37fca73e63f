// Font faces and their Linux stand-ins.
#include "ui/widgets/fonts.h"

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
    font.setPointSize(pointSize);
    font.setBold(bold);
    return font;
}

}  // namespace orvanto
