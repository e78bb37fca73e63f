// TMoon: the moon as it looks on a date, a stored full-moon picture with the dark part
// painted over it (astronomy/moon_shadow), in three sizes and two styles, turned for the
// southern hemisphere, with the Apollo 11 landing site marked after the landing, and the
// icon of the same drawing.
#pragma once

#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QPixmap>

#include <vector>

#include "astronomy/moon_shadow.h"
#include "astronomy/raster.h"

namespace orvanto {

class TMoon : public QLabel {
    Q_OBJECT
public:
    // Size ms64, the current date and time, no rotation, the landing site shown, the
    // classic style.
    explicit TMoon(QWidget* parent = nullptr);

    // The control takes the size's width and height and draws again.
    void SetMoonSize(astro::TMoonSize size);
    astro::TMoonSize MoonSize() const { return size_; }

    // A serial date; the picture is drawn again only when the drawing changes (a second
    // of the moon's motion rarely moves the terminator by a pixel).
    void SetDate(double date);
    double Date() const { return date_; }

    // Both redraw only when the value changes.
    void SetRotation(astro::TRotate rotation);
    astro::TRotate Rotation() const { return rotation_; }
    void SetMoonStyle(astro::TMoonStyle style);
    astro::TMoonStyle MoonStyle() const { return style_; }

    void SetShowApollo11(bool show);
    bool ShowApollo11() const { return showApollo11_; }

    // The current drawing.
    QImage Picture() const { return picture_; }
    // The icon of the drawing at the system's icon size, built anew at each call.
    QIcon Icon() const;
    // The phase angle of Date, degrees [0, 360): waxing below 180.
    long double PhaseAngle() const { return phaseAngle_; }
    // How many times the picture has been drawn (each size, date, turn or style change
    // that alters it).
    int DrawCount() const { return drawCount_; }

    // The stored pictures: the full moon of a style and size, and the disc mask of a size
    // (white outside the disc, black on it).
    static QImage StoredPicture(astro::TMoonStyle style, astro::TMoonSize size);
    static QImage StoredMask(astro::TMoonSize size);
    // The icon geometry's system size.
    static int SystemIconSize();

private:
    // What the drawing depends on: the terminator column of every row, the dark side and
    // the landing-site mark.
    std::vector<int> DrawingKey() const;
    void Redraw();

    astro::TMoonSize size_ = astro::ms64;
    astro::TRotate rotation_ = astro::rot_none;
    astro::TMoonStyle style_ = astro::msClassic;
    bool showApollo11_ = true;
    double date_ = 0;
    long double phaseAngle_ = 0;
    std::vector<int> drawnKey_;
    QImage picture_;
    int drawCount_ = 0;
};

// Between the Qt image and the engine's raster (0xRRGGBB pixels).
astro::Raster RasterFromImage(const QImage& image);
QImage ImageFromRaster(const astro::Raster& raster);

}  // namespace orvanto
