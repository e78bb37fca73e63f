// TMoon: the stored pictures and masks, the shadow and its turns, the landing-site mark,
// the icon, and drawing again only when the picture changes.
#include <QColor>
#include <QSet>

#include <gtest/gtest.h>

#include "astronomy/julian_day.h"
#include "astronomy/moon_phases.h"
#include "astronomy/moon_shadow.h"
#include "ui/astronomy/moon_image.h"
#include "ui/tests/ui_test_support.h"

namespace orvanto {
namespace {

using astro::TMoonSize;

constexpr TMoonSize kSizes[] = {astro::ms64, astro::ms32, astro::ms16};

int DistinctColours(const QImage& image) {
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) colours.insert(image.pixel(x, y));
    return static_cast<int>(colours.size());
}

// The stored pictures are square at the size, have 16 or 256 colours, one plain colour
// outside the disc, and masks that are black exactly on the disc the shadow is drawn over.
TEST(MoonPictures, SizesColoursBackgroundAndMasksMatchTheDisc) {
    test::Application();
    for (const TMoonSize size : kSizes) {
        const astro::MoonGeometry& g = astro::GeometryOf(size);
        const QImage mask = TMoon::StoredMask(size);
        const astro::Raster disc = astro::MoonDiscMask(size);
        ASSERT_EQ(mask.size(), QSize(g.width, g.height)) << size;
        EXPECT_EQ(RasterFromImage(mask), disc) << size;
        for (const astro::TMoonStyle style : {astro::msClassic, astro::msColor}) {
            const QImage picture = TMoon::StoredPicture(style, size);
            ASSERT_EQ(picture.size(), QSize(g.width, g.height)) << size << " " << style;
            EXPECT_LE(DistinctColours(picture), style == astro::msClassic ? 16 : 256);
            EXPECT_GT(DistinctColours(picture), 2) << "a picture, not a plain disc";
            QSet<QRgb> outside;
            for (int y = 0; y < g.height; ++y)
                for (int x = 0; x < g.width; ++x)
                    if (disc.Pixel(x, y) == astro::kRasterWhite)
                        outside.insert(picture.pixel(x, y));
                    else
                        EXPECT_NE(picture.pixel(x, y), picture.pixel(0, g.height - 1)) << x << "," << y;
            EXPECT_EQ(outside.size(), 1) << "plain background " << size << " " << style;
        }
    }
}

TEST(TMoon, StartsAt64PixelsClassicUnturnedWithTheLandingSite) {
    test::Application();
    TMoon moon;
    EXPECT_EQ(moon.MoonSize(), astro::ms64);
    EXPECT_EQ(moon.size(), QSize(64, 64));
    EXPECT_EQ(moon.Rotation(), astro::rot_none);
    EXPECT_EQ(moon.MoonStyle(), astro::msClassic);
    EXPECT_TRUE(moon.ShowApollo11());
    EXPECT_EQ(moon.DrawCount(), 1);
    for (const TMoonSize size : {astro::ms32, astro::ms16, astro::ms64}) {
        moon.SetMoonSize(size);
        const astro::MoonGeometry& g = astro::GeometryOf(size);
        EXPECT_EQ(moon.size(), QSize(g.width, g.height));
        EXPECT_EQ(moon.Picture().size(), QSize(g.width, g.height));
    }
}

// At first quarter the dark half lies left of the centre column 31; turned by 180 degrees
// (the southern hemisphere) it lies on the right. The landing site is red after 1969.
TEST(TMoon, FirstQuarterDarkOnTheLeftAndTurnedForTheSouth) {
    test::Application();
    TMoon moon;
    const double firstQuarter =
        astro::PhaseOnOrAfter(astro::mpFirstQuarter, astro::EncodeSerialDate(2024, 3, 1));
    moon.SetDate(firstQuarter);
    EXPECT_NEAR(static_cast<double>(moon.PhaseAngle()), 90, 2);
    const QImage north = moon.Picture();
    const QRgb black = qRgb(0, 0, 0);
    EXPECT_EQ(north.pixel(10, 28), black);
    EXPECT_EQ(north.pixel(29, 20), black);
    EXPECT_NE(north.pixel(45, 20), black);
    EXPECT_NE(north.pixel(55, 28), black);
    EXPECT_EQ(north.pixel(41, 29), qRgb(255, 0, 0)) << "landing site";

    moon.SetRotation(astro::rot_180);
    const QImage south = moon.Picture();
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            ASSERT_EQ(south.pixel(63 - x, 63 - y), north.pixel(x, y)) << x << "," << y;
}

TEST(TMoon, NoLandingSiteBeforeTheLandingOrWhenSwitchedOff) {
    test::Application();
    TMoon moon;
    // The full moons on either side of the landing, when the site is lit.
    const double landing = astro::Apollo11Landing();
    moon.SetDate(astro::PhaseOnOrBefore(astro::mpFullMoon, landing));
    EXPECT_NE(moon.Picture().pixel(41, 29), qRgb(255, 0, 0));
    moon.SetDate(astro::PhaseOnOrAfter(astro::mpFullMoon, landing));
    EXPECT_EQ(moon.Picture().pixel(41, 29), qRgb(255, 0, 0));
    moon.SetShowApollo11(false);
    EXPECT_NE(moon.Picture().pixel(41, 29), qRgb(255, 0, 0));
}

// Setting a value the picture already shows draws nothing; a change does.
TEST(TMoon, DrawsAgainOnlyWhenThePictureChanges) {
    test::Application();
    TMoon moon;
    const double date = astro::EncodeSerialDate(2026, 12, 11) + 0.5;
    moon.SetDate(date);
    const int drawn = moon.DrawCount();
    moon.SetDate(date + 1.0 / 86400);
    moon.SetRotation(astro::rot_none);
    moon.SetMoonStyle(astro::msClassic);
    moon.SetShowApollo11(true);
    EXPECT_EQ(moon.DrawCount(), drawn);
    moon.SetDate(date + 3);  // three days later the terminator has moved
    EXPECT_EQ(moon.DrawCount(), drawn + 1);
    moon.SetRotation(astro::rot_90);
    EXPECT_EQ(moon.DrawCount(), drawn + 2);
    moon.SetMoonStyle(astro::msColor);
    EXPECT_EQ(moon.DrawCount(), drawn + 3);
    EXPECT_EQ(moon.Picture().pixel(0, 63), TMoon::StoredPicture(astro::msColor, astro::ms64).pixel(0, 0));
}

// The icon is the drawing at the system icon size, transparent outside the disc.
TEST(TMoon, IconAtTheSystemIconSize) {
    test::Application();
    TMoon moon;
    moon.SetDate(astro::EncodeSerialDate(2026, 12, 11));
    const int size = TMoon::SystemIconSize();
    const QIcon icon = moon.Icon();
    ASSERT_FALSE(icon.isNull());
    const QImage image = icon.pixmap(size, size).toImage().convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(image.size(), QSize(size, size));
    EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
    const astro::MoonGeometry& g = astro::GeometryOf(astro::IconMoonSize(size));
    EXPECT_EQ(qAlpha(image.pixel(g.centreX, g.centreY)), 255);
}

}  // namespace
}  // namespace orvanto
