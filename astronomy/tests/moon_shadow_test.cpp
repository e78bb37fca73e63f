// The moon image's drawing: shadow rows, the landing-site mark, the turns and the icon.
#include "astronomy/moon_shadow.h"

#include <gtest/gtest.h>

#include <string>

#include "astronomy/julian_day.h"
#include "astronomy/moon_illumination.h"
#include "astronomy/moon_phases.h"

namespace orvanto::astro {
namespace {

constexpr RasterColour kGrey = 0x808080;

// A plain "full moon" picture: grey everywhere, so every black pixel is shadow.
Raster Picture(TMoonSize size) {
    const MoonGeometry& g = GeometryOf(size);
    return Raster(g.width, g.height, kGrey);
}

// The shadow of a row as a text: '#' dark, '.' lit, over columns [from, to].
std::string Row(const Raster& r, int y, int from, int to) {
    std::string text;
    for (int x = from; x <= to; ++x) text += r.Pixel(x, y) == kRasterBlack ? '#' : '.';
    return text;
}

int DarkCount(const Raster& r, int y) {
    int n = 0;
    for (int x = 0; x < r.Width(); ++x) n += r.Pixel(x, y) == kRasterBlack;
    return n;
}

TEST(MoonGeometry, HasTheThreeSizes) {
    struct Case {
        TMoonSize size;
        MoonGeometry g;
    };
    for (const Case& c : {Case{ms64, {64, 64, 28, 31, 28, 41, 29}}, Case{ms32, {32, 32, 14, 15, 14, 20, 15}},
                          Case{ms16, {16, 16, 7, 7, 7, 9, 7}}}) {
        const MoonGeometry& g = GeometryOf(c.size);
        EXPECT_EQ(g.height, c.g.height);
        EXPECT_EQ(g.width, c.g.width);
        EXPECT_EQ(g.centreY, c.g.centreY);
        EXPECT_EQ(g.centreX, c.g.centreX);
        EXPECT_EQ(g.radius, c.g.radius);
        EXPECT_EQ(g.landingSiteX, c.g.landingSiteX);
        EXPECT_EQ(g.landingSiteY, c.g.landingSiteY);
    }
}

TEST(PaintMoonShadow, FirstQuarterIsDarkFromTheCentreColumnToTheLeftLimb) {
    Raster r = Picture(ms64);
    PaintMoonShadow(r, GeometryOf(ms64), 90, false);
    // Centre row: half-width 28, dark from column 3 to 31.
    EXPECT_EQ(Row(r, 28, 2, 33), "." + std::string(29, '#') + "..");
    for (int y = 0; y <= 56; ++y) {
        EXPECT_EQ(r.Pixel(31, y), kRasterBlack) << y;
        EXPECT_EQ(r.Pixel(32, y), kGrey) << y;
    }
    // Top and bottom rows of the disc: just the centre column.
    EXPECT_EQ(Row(r, 0, 29, 33), "..#..");
    EXPECT_EQ(Row(r, 56, 29, 33), "..#..");
    EXPECT_EQ(DarkCount(r, 57), 0);
}

TEST(PaintMoonShadow, NewMoonIsDarkFromLimbToLimbAndFullMoonOnlyAtTheLeftLimb) {
    Raster dark = Picture(ms64);
    PaintMoonShadow(dark, GeometryOf(ms64), 180, false);
    EXPECT_EQ(Row(dark, 28, 2, 60), "." + std::string(57, '#') + ".");
    Raster full = Picture(ms64);
    PaintMoonShadow(full, GeometryOf(ms64), 0, false);
    for (int y = 0; y <= 56; ++y) EXPECT_EQ(DarkCount(full, y), 1) << y;
    EXPECT_EQ(full.Pixel(3, 28), kRasterBlack);
}

TEST(PaintMoonShadow, WaningMoonIsDarkOnTheRight) {
    Raster r = Picture(ms32);
    PaintMoonShadow(r, GeometryOf(ms32), 270, false);  // last quarter
    EXPECT_EQ(Row(r, 14, 0, 31), std::string(15, '.') + std::string(15, '#') + "..");
}

TEST(PaintMoonShadow, MarksTheLandingSiteBeforePaintingTheShadow) {
    Raster waxing = Picture(ms64);
    PaintMoonShadow(waxing, GeometryOf(ms64), 90, true);
    EXPECT_EQ(waxing.Pixel(41, 29), kRasterRed);
    Raster waning = Picture(ms64);
    PaintMoonShadow(waning, GeometryOf(ms64), 270, true);
    EXPECT_EQ(waning.Pixel(41, 29), kRasterBlack);  // the site lies in the dark half
}

TEST(DrawMoon, ShowsTheLandingSiteOnlyAfterTheLanding) {
    const double landing = Apollo11Landing();
    EXPECT_EQ(CalendarFromSerial(landing), (CalendarDate{1969, 7, 20}));
    EXPECT_NEAR(landing - SerialFromCalendar(1969, 7, 20), (20 * 3600 + 17 * 60 + 43) / 86400.0, 1e-9);
    // At the full moons around the landing the site is in sunlight.
    const double fullBefore = PhaseOnOrBefore(mpFullMoon, landing);
    const double fullAfter = PhaseOnOrAfter(mpFullMoon, landing);
    const Raster before = DrawMoon(Picture(ms64), ms64, fullBefore, true, rot_none);
    const Raster after = DrawMoon(Picture(ms64), ms64, fullAfter, true, rot_none);
    const Raster hidden = DrawMoon(Picture(ms64), ms64, fullAfter, false, rot_none);
    EXPECT_EQ(before.Pixel(41, 29), kGrey);
    EXPECT_EQ(after.Pixel(41, 29), kRasterRed);
    EXPECT_EQ(hidden.Pixel(41, 29), kGrey);
    // On the day itself the site lay on the terminator, in the shadow's first column.
    const Raster thatDay = DrawMoon(Picture(ms64), ms64, landing + 1.0 / 86400, true, rot_none);
    EXPECT_EQ(thatDay.Pixel(41, 29), kRasterBlack);
    EXPECT_EQ(thatDay.Pixel(42, 29), kGrey);
}

TEST(DrawMoon, ShadowFollowsThePhaseOfTheDate) {
    const double firstQuarter = PhaseOnOrAfter(mpFirstQuarter, SerialFromCalendar(2024, 1, 1));
    const Raster north = DrawMoon(Picture(ms64), ms64, firstQuarter, false, rot_none);
    EXPECT_EQ(north.Pixel(10, 28), kRasterBlack);
    EXPECT_EQ(north.Pixel(50, 28), kGrey);
    // Seen from the southern hemisphere the dark half is on the right.
    const Raster south = DrawMoon(Picture(ms64), ms64, firstQuarter, false, rot_180);
    EXPECT_EQ(south.Pixel(63 - 10, 63 - 28), kRasterBlack);
    EXPECT_EQ(south.Pixel(63 - 50, 63 - 28), kGrey);
    EXPECT_NEAR(MoonImagePhaseAngle(firstQuarter), 90.0L, 1.5L);
}

TEST(Rotated, MovesEachPixelAsTheTurnSays) {
    Raster r(4, 4, kRasterBlack);
    r.SetPixel(1, 0, kRasterRed);  // (x, y) = (1, 0)
    struct Case {
        TRotate rotation;
        int x, y;
    };
    for (const Case& c :
         {Case{rot_none, 1, 0}, Case{rot_90, 0, 2}, Case{rot_180, 2, 3}, Case{rot_270, 3, 1}}) {
        const Raster t = Rotated(r, c.rotation);
        EXPECT_EQ(t.Pixel(c.x, c.y), kRasterRed) << c.rotation;
        int red = 0;
        for (RasterColour p : t.Pixels()) red += p == kRasterRed;
        EXPECT_EQ(red, 1) << c.rotation;
    }
    // Four quarter-turns give the picture back.
    Raster turned = r;
    for (int i = 0; i < 4; ++i) turned = Rotated(turned, rot_90);
    EXPECT_EQ(turned, r);
}

TEST(Raster, LineLeavesItsEndPointUnpainted) {
    Raster r(8, 3, kGrey);
    r.Line(1, 1, 5, 1, kRasterBlack);
    EXPECT_EQ(Row(r, 1, 0, 7), ".####...");
    r.Line(6, 0, 3, 0, kRasterBlack);
    EXPECT_EQ(Row(r, 0, 0, 7), "....###.");
    r.Line(2, 2, 2, 2, kRasterBlack);
    EXPECT_EQ(Row(r, 2, 0, 7), "........");
    r.Line(-3, 2, 3, 2, kRasterBlack);  // clipped at the edge
    EXPECT_EQ(Row(r, 2, 0, 7), "###.....");
}

TEST(MoonDiscMask, IsOpaqueExactlyWhereTheShadowCanReach) {
    for (TMoonSize size : {ms64, ms32, ms16}) {
        const Raster mask = MoonDiscMask(size);
        Raster dark = Picture(size);
        PaintMoonShadow(dark, GeometryOf(size), 180, false);
        for (int y = 0; y < mask.Height(); ++y)
            for (int x = 0; x < mask.Width(); ++x)
                ASSERT_EQ(mask.Pixel(x, y) == kRasterBlack, dark.Pixel(x, y) == kRasterBlack)
                    << size << " " << x << "," << y;
    }
}

TEST(BuildMoonIcon, UsesTheGeometryOfTheSystemIconSize) {
    EXPECT_EQ(IconMoonSize(16), ms16);
    EXPECT_EQ(IconMoonSize(32), ms32);
    EXPECT_EQ(IconMoonSize(48), ms32);
    EXPECT_EQ(IconMoonSize(64), ms64);

    const MoonIcon icon = BuildMoonIcon(48, MoonDiscMask(ms32), Picture(ms32), 90, false, rot_none);
    ASSERT_EQ(icon.image.Width(), 48);
    ASSERT_EQ(icon.mask.Height(), 48);
    EXPECT_EQ(icon.mask.Pixel(15, 14), kRasterBlack);  // the disc is opaque
    EXPECT_EQ(icon.mask.Pixel(0, 0), kRasterWhite);
    EXPECT_EQ(icon.mask.Pixel(40, 40), kRasterWhite);  // beyond the 32-pixel mask
    EXPECT_EQ(icon.image.Pixel(5, 14), kRasterBlack);  // shadow on the left
    EXPECT_EQ(icon.image.Pixel(25, 14), kGrey);

    const MoonIcon south = BuildMoonIcon(32, MoonDiscMask(ms32), Picture(ms32), 90, false, rot_180);
    EXPECT_EQ(south.image.Pixel(31 - 5, 31 - 14), kRasterBlack);
    EXPECT_EQ(south.mask, Rotated(MoonDiscMask(ms32), rot_180));
}

}  // namespace
}  // namespace orvanto::astro
