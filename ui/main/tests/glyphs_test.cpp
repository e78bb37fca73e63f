// The drawn pictures at 100 %, 125 %, 150 % and 200 %: the same look as the
// reference pictures of 100 %, symmetric moon discs, and detail in single
// device pixels at 200 % (no pixel doubling).
#include "ui/main/glyphs.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QString>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "ui/help/about_box.h"
#include "ui/reminders/remind_form.h"
#include "ui/tests/ui_test_support.h"
#include "ui/widgets/bevel_button.h"
#include "ui/widgets/drawn_picture.h"

namespace orvanto {
namespace {

struct Picture {
    std::string name;  // also the reference picture's file name
    int size;          // logical width and height
    std::function<QPixmap(qreal)> make;
};

std::vector<Picture> Glyphs() {
    std::vector<Picture> glyphs;
    const std::pair<const char*, MoonGlyph> moons[] = {{"NEWMOON", MoonGlyph::NewMoon},
                                                       {"FULLMOON", MoonGlyph::FullMoon},
                                                       {"FQUARTER", MoonGlyph::FirstQuarterLitLeft},
                                                       {"LQUARTER", MoonGlyph::LastQuarterLitRight}};
    for (const auto& [name, glyph] : moons) {
        glyphs.push_back(
            {name, kMoonGlyphSize, [glyph = glyph](qreal r) { return MoonGlyphPixmap(glyph, r); }});
    }
    const char* tools[] = {"Previous", "Next",      "Today",  "Moon",    "Distance",
                           "Clock",    "Biorhythm", "Events", "Settings"};
    for (int i = 0; i < 9; ++i) {
        const auto glyph = static_cast<ToolGlyph>(i);
        glyphs.push_back({tools[i], kToolGlyphSize, [glyph](qreal r) { return ToolGlyphPixmap(glyph, r); }});
    }
    return glyphs;
}

QImage Argb(const QPixmap& pixmap) { return pixmap.toImage().convertToFormat(QImage::Format_ARGB32); }

// The largest difference of one channel (alpha included) between two
// pictures of the same size, and the mean difference per channel. Colours
// are compared premultiplied: the colour of an all but transparent pixel
// does not count.
struct Difference {
    int largest = 0;
    double mean = 0;
};

Difference Compare(const QImage& first, const QImage& second) {
    const QImage a = first.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage b = second.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    Difference d;
    long total = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            for (int channel : {std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                                std::abs(qBlue(p) - qBlue(q)), std::abs(qAlpha(p) - qAlpha(q))}) {
                d.largest = std::max(d.largest, channel);
                total += channel;
            }
        }
    }
    d.mean = static_cast<double>(total) / (4.0 * a.width() * a.height());
    return d;
}

// The picture drawn at a ratio, brought back to its logical size by
// averaging (premultiplied, so transparent pixels do not darken the edges).
QImage Reduced(const QImage& image, int size) {
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied)
        .scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_ARGB32);
}

const qreal kRatios[] = {1.25, 1.5, 2.0};

TEST(DrawnGlyphs, AtOneHundredPercentTheyMatchTheirReferencePictures) {
    test::Application();
    for (const Picture& glyph : Glyphs()) {
        SCOPED_TRACE(glyph.name);
        const QString path = QStringLiteral(ORVANTO_SOURCE_DIR "/ui/main/tests/glyphs/%1.png")
                                 .arg(QString::fromStdString(glyph.name));
        const QImage reference(path);
        ASSERT_FALSE(reference.isNull()) << path.toStdString();
        const QImage drawn = Argb(glyph.make(1.0));
        ASSERT_EQ(drawn.size(), reference.size());
        // Anti-aliasing may differ by a step between builds of the library.
        EXPECT_LE(Compare(drawn, reference.convertToFormat(QImage::Format_ARGB32)).largest, 2);
    }
}

TEST(DrawnGlyphs, AtEveryRatioTheyAreDrawnInDevicePixelsWithTheSameLook) {
    test::Application();
    for (const Picture& glyph : Glyphs()) {
        const QImage one = Argb(glyph.make(1.0));
        for (qreal ratio : kRatios) {
            SCOPED_TRACE(glyph.name + " at " + std::to_string(ratio));
            const QPixmap pixmap = glyph.make(ratio);
            EXPECT_EQ(pixmap.devicePixelRatio(), ratio);
            const int device = static_cast<int>(std::ceil(glyph.size * ratio));
            EXPECT_EQ(pixmap.size(), QSize(device, device));
            EXPECT_EQ(pixmap.deviceIndependentSize(), QSizeF(device / ratio, device / ratio));
            // Averaged back to 100 % the picture looks like the 100 % one:
            // the differences are anti-aliasing at the edges.
            const Difference d = Compare(Reduced(Argb(pixmap), glyph.size), one);
            EXPECT_LE(d.mean, 14.0);
        }
    }
}

// At 200 % a glyph is not its 100 % picture with every pixel doubled: some
// 2 x 2 block of device pixels holds different pixels (a curved edge, a thin
// line), while a doubled picture has uniform blocks only.
TEST(DrawnGlyphs, AtTwoHundredPercentSingleDevicePixelsCarryDetail) {
    test::Application();
    for (const Picture& glyph : Glyphs()) {
        SCOPED_TRACE(glyph.name);
        const QImage two = Argb(glyph.make(2.0));
        int detailedBlocks = 0;
        for (int y = 0; y + 1 < two.height(); y += 2) {
            for (int x = 0; x + 1 < two.width(); x += 2) {
                const QImage block = two.copy(x, y, 2, 2);
                const QImage uniform = two.copy(x, y, 1, 1).scaled(2, 2);
                if (Compare(block, uniform).largest > 24) ++detailedBlocks;
            }
        }
        EXPECT_GE(detailedBlocks, 2);
        const QImage doubled = Argb(glyph.make(1.0)).scaled(two.size());
        EXPECT_GT(Compare(two, doubled).mean, 1.0);
    }
}

// The moon discs stay round at 125 % and 150 %: the picture is its own mirror
// image left to right and top to bottom (the half discs top to bottom, and
// each the mirror image of the other).
TEST(DrawnGlyphs, MoonDiscsAreSymmetricAtFractionalRatios) {
    test::Application();
    for (qreal ratio : {1.0, 1.25, 1.5, 2.0}) {
        SCOPED_TRACE(ratio);
        const QImage fresh = Argb(MoonGlyphPixmap(MoonGlyph::NewMoon, ratio));
        const QImage full = Argb(MoonGlyphPixmap(MoonGlyph::FullMoon, ratio));
        const QImage left = Argb(MoonGlyphPixmap(MoonGlyph::FirstQuarterLitLeft, ratio));
        const QImage right = Argb(MoonGlyphPixmap(MoonGlyph::LastQuarterLitRight, ratio));
        for (const QImage& disc : {fresh, full}) {
            EXPECT_LE(Compare(disc, disc.mirrored(true, false)).largest, 12);
            EXPECT_LE(Compare(disc, disc.mirrored(false, true)).largest, 12);
        }
        EXPECT_LE(Compare(left, left.mirrored(false, true)).largest, 12);
        EXPECT_LE(Compare(left, right.mirrored(true, false)).largest, 40);
    }
}

// The about box logo and the popup's bell: drawn at the ratio, the same look.
TEST(DrawnGlyphs, LogoAndBellAreDrawnAtTheRatio) {
    test::Application();
    const std::vector<Picture> pictures = {
        {"bell", 32, [](qreal r) { return BellPicture(r); }},
        {"logo", 0, [](qreal r) { return LogoPicture(LogoColoring::Blue, r); }},
    };
    for (const Picture& picture : pictures) {
        const QImage one = Argb(picture.make(1.0));
        for (qreal ratio : kRatios) {
            SCOPED_TRACE(picture.name + " at " + std::to_string(ratio));
            const QPixmap pixmap = picture.make(ratio);
            EXPECT_EQ(pixmap.devicePixelRatio(), ratio);
            EXPECT_EQ(pixmap.width(), static_cast<int>(std::ceil(one.width() * ratio)));
            const QImage reduced = Argb(pixmap)
                                       .convertToFormat(QImage::Format_ARGB32_Premultiplied)
                                       .scaled(one.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                                       .convertToFormat(QImage::Format_ARGB32);
            EXPECT_LE(Compare(reduced, one).mean, 10.0);
        }
    }
}

// An icon over a drawn picture paints the picture of the device's ratio, on
// whole device pixels.
TEST(DrawnGlyphs, DrawnIconPaintsAtTheRatioOfItsDevice) {
    test::Application();
    const QIcon icon = DrawnIcon([](qreal r) { return ToolGlyphPixmap(ToolGlyph::Clock, r); }, QSize(16, 16));
    for (qreal ratio : {1.0, 1.5, 2.0}) {
        SCOPED_TRACE(ratio);
        QPixmap target = BlankPicture(QSize(20, 20), ratio);
        {
            QPainter painter(&target);
            icon.paint(&painter, QRect(2, 2, 16, 16));
        }
        const QImage expected = Argb(ToolGlyphPixmap(ToolGlyph::Clock, ratio));
        const int at = static_cast<int>(std::round(2 * ratio));
        EXPECT_LE(Compare(Argb(target).copy(at, at, expected.width(), expected.height()), expected).largest,
                  2);
        EXPECT_EQ(icon.pixmap(QSize(16, 16), ratio).devicePixelRatio(), ratio);
    }
}

TEST(DrawnGlyphs, BevelButtonDrawsItsGlyphAgainForANewRatio) {
    test::Application();
    BevelButton button;
    int calls = 0;
    button.SetGlyph(PictureMaker([&calls](qreal r) {
                        ++calls;
                        return MoonGlyphPixmap(MoonGlyph::FullMoon, r);
                    }),
                    QStringLiteral("FULLMOON"));
    EXPECT_TRUE(button.HasGlyph());
    EXPECT_EQ(button.GlyphName(), QStringLiteral("FULLMOON"));
    EXPECT_EQ(calls, 1);
    button.resize(41, 25);
    button.grab();
    EXPECT_EQ(calls, 1) << "the same ratio draws nothing again";
    button.SetGlyph(QPixmap());
    EXPECT_FALSE(button.HasGlyph());
}

}  // namespace
}  // namespace orvanto
