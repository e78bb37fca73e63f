// The about box: version line, logo by theme, the asterisk sound.
#include <QLabel>

#include <gtest/gtest.h>

#include "ui/help/about_box.h"
#include "ui/tests/ui_test_support.h"

namespace orvanto {
namespace {

TEST(AboutBox, VersionLineReadsTheLastDotAsBuildAndTheDateInTheSettingsOrder) {
    const ReleaseDate july4{4, 7, 2001};
    EXPECT_EQ(VersionLine("1.2.3.456", july4, 1), QStringLiteral("Version 1.2.3 build 456  (7/4/2001)"));
    EXPECT_EQ(VersionLine("1.2.3.456", july4, 2), QStringLiteral("Version 1.2.3 build 456  (4/7/2001)"));
    EXPECT_EQ(VersionLine("", july4, 1), QStringLiteral("Version"));
    EXPECT_EQ(BuildVersionText("7"), "7");
}

TEST(AboutBox, ShowsThisBuildsVersionAndPlaysTheAsterisk) {
    test::Application();
    test::CountingSound sound;
    TAboutBox box(0, 1, sound);
    EXPECT_EQ(box.windowTitle(), QStringLiteral("About"));
    EXPECT_EQ(box.size(), QSize(350, 413));
    auto* version = box.findChild<QLabel*>(QStringLiteral("Version"));
    ASSERT_NE(version, nullptr);
    const ReleaseDate date = BuildReleaseDate();
    EXPECT_EQ(version->text(), QStringLiteral("Version %1  (%2/%3/%4)")
                                   .arg(QString::fromStdString(BuildVersionText(ORVANTO_VERSION)))
                                   .arg(date.month)
                                   .arg(date.day)
                                   .arg(date.year));
    EXPECT_EQ(version->geometry(), QRect(18, 160, 313, 16));
    auto* image = box.findChild<QLabel*>(QStringLiteral("Image1"));
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->pixmap().size(), QSize(315, 106));
    EXPECT_EQ(image->geometry().topLeft(), QPoint(17, 44));
    EXPECT_TRUE(sound.events.empty());
    box.show();
    ASSERT_EQ(sound.events.size(), 1u);
    EXPECT_EQ(sound.events[0], "SystemAsterisk");
    box.close();
}

TEST(AboutBox, LogoColouringFollowsTheTheme) {
    test::Application();
    struct Case {
        int theme;
        LogoColoring coloring;
        const char* name;
    };
    for (const Case& c :
         {Case{0, LogoColoring::Blue, "LOGOBLUE"}, Case{1, LogoColoring::Sepia, "LOGOSEPIA"},
          Case{2, LogoColoring::Blue, "LOGOBLUE"}, Case{3, LogoColoring::Sepia, "LOGOSEPIA"},
          Case{4, LogoColoring::Steel, "LOGOSTEEL"}, Case{5, LogoColoring::Sepia, "LOGOSEPIA"},
          Case{9, LogoColoring::Sepia, "LOGOSEPIA"}}) {
        SilentSound sound;
        TAboutBox box(c.theme, 2, sound);
        EXPECT_EQ(box.Coloring(), c.coloring) << c.theme;
        EXPECT_EQ(LogoName(box.Coloring()), QString::fromLatin1(c.name));
    }
    // The three colourings are different pictures.
    const QImage blue = LogoPicture(LogoColoring::Blue).toImage();
    EXPECT_NE(blue, LogoPicture(LogoColoring::Sepia).toImage());
    EXPECT_NE(blue, LogoPicture(LogoColoring::Steel).toImage());
}

}  // namespace
}  // namespace orvanto
