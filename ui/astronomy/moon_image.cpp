// TMoon: the moon picture control.
#include "ui/astronomy/moon_image.h"

#include <QApplication>
#include <QBitmap>
#include <QDateTime>
#include <QStyle>

#include <cmath>

#include "astronomy/angles.h"

// The pictures are compiled into the program's static library; their resource table is
// registered by name (Q_INIT_RESOURCE works outside any namespace only).
static void RegisterMoonPictures() { Q_INIT_RESOURCE(resources); }

namespace orvanto {

namespace {

void EnsureMoonPictures() {
    static const bool registered = (RegisterMoonPictures(), true);
    (void)registered;
}

const char* SizeName(astro::TMoonSize size) {
    switch (size) {
    case astro::ms32:
        return "SMALL";
    case astro::ms16:
        return "TINY";
    case astro::ms64:
        break;
    }
    return "LARGE";
}

QImage LoadPicture(const QString& name) {
    EnsureMoonPictures();
    return QImage(QStringLiteral(":/moon/%1.png").arg(name)).convertToFormat(QImage::Format_RGB32);
}

// The serial date of the local time now.
double SerialNow() {
    const QDateTime now = QDateTime::currentDateTime();
    const qint64 days = QDate(1899, 12, 30).daysTo(now.date());
    return static_cast<double>(days) + now.time().msecsSinceStartOfDay() / 86400000.0;
}

}  // namespace

astro::Raster RasterFromImage(const QImage& image) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    astro::Raster raster(rgb.width(), rgb.height());
    for (int y = 0; y < rgb.height(); ++y)
        for (int x = 0; x < rgb.width(); ++x) raster.SetPixel(x, y, rgb.pixel(x, y) & 0xFFFFFFu);
    return raster;
}

QImage ImageFromRaster(const astro::Raster& raster) {
    QImage image(raster.Width(), raster.Height(), QImage::Format_RGB32);
    for (int y = 0; y < raster.Height(); ++y)
        for (int x = 0; x < raster.Width(); ++x) image.setPixel(x, y, 0xFF000000u | raster.Pixel(x, y));
    return image;
}

QImage TMoon::StoredPicture(astro::TMoonStyle style, astro::TMoonSize size) {
    const QString prefix = style == astro::msColor ? QStringLiteral("MOON_COLOR_") : QStringLiteral("MOON_");
    return LoadPicture(prefix + QLatin1String(SizeName(size)));
}

QImage TMoon::StoredMask(astro::TMoonSize size) {
    return LoadPicture(QStringLiteral("MOON_BW_") + QLatin1String(SizeName(size)));
}

int TMoon::SystemIconSize() { return QApplication::style()->pixelMetric(QStyle::PM_LargeIconSize); }

TMoon::TMoon(QWidget* parent) : QLabel(parent) {
    setObjectName(QStringLiteral("Moon1"));
    date_ = SerialNow();
    phaseAngle_ = astro::MoonImagePhaseAngle(date_);
    SetMoonSize(astro::ms64);
}

void TMoon::SetMoonSize(astro::TMoonSize size) {
    size_ = size;
    const astro::MoonGeometry& g = astro::GeometryOf(size);
    setFixedSize(g.width, g.height);
    drawnKey_.clear();
    Redraw();
}

void TMoon::SetDate(double date) {
    date_ = date;
    phaseAngle_ = astro::MoonImagePhaseAngle(date);
    if (DrawingKey() != drawnKey_) Redraw();
}

void TMoon::SetRotation(astro::TRotate rotation) {
    if (rotation == rotation_) return;
    rotation_ = rotation;
    drawnKey_.clear();
    Redraw();
}

void TMoon::SetMoonStyle(astro::TMoonStyle style) {
    if (style == style_) return;
    style_ = style;
    drawnKey_.clear();
    Redraw();
}

void TMoon::SetShowApollo11(bool show) {
    if (show == showApollo11_) return;
    showApollo11_ = show;
    if (DrawingKey() != drawnKey_) Redraw();
}

// The shadow's rows end at the terminator round(w cos i) from the centre line on the dark
// side; the same numbers, the side and the mark give the same picture.
std::vector<int> TMoon::DrawingKey() const {
    const astro::MoonGeometry& g = astro::GeometryOf(size_);
    const long double c = astro::CosDeg(phaseAngle_);
    std::vector<int> key;
    key.reserve(static_cast<std::size_t>(g.radius) + 3);
    key.push_back(phaseAngle_ < 180 ? 1 : 0);
    key.push_back(showApollo11_ && astro::Apollo11Landing() < date_ ? 1 : 0);
    for (int y = 0; y <= g.radius; ++y) {
        const long double w = std::sqrt(static_cast<long double>(g.radius * g.radius - y * y));
        key.push_back(static_cast<int>(std::nearbyint(w * c)));
    }
    return key;
}

void TMoon::Redraw() {
    const astro::Raster stored = RasterFromImage(StoredPicture(style_, size_));
    picture_ = ImageFromRaster(astro::DrawMoon(stored, size_, date_, showApollo11_, rotation_));
    drawnKey_ = DrawingKey();
    ++drawCount_;
    setPixmap(QPixmap::fromImage(picture_));
}

QIcon TMoon::Icon() const {
    const int iconSize = SystemIconSize();
    const astro::TMoonSize size = astro::IconMoonSize(iconSize);
    const bool mark = showApollo11_ && astro::Apollo11Landing() < date_;
    const astro::MoonIcon icon =
        astro::BuildMoonIcon(iconSize, RasterFromImage(StoredMask(size)),
                             RasterFromImage(StoredPicture(style_, size)), phaseAngle_, mark, rotation_);
    // The mask is white where the icon is transparent.
    QImage image = ImageFromRaster(icon.image).convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (icon.mask.Pixel(x, y) == astro::kRasterWhite) image.setPixel(x, y, 0u);
    return QIcon(QPixmap::fromImage(image));
}

}  // namespace orvanto
