// The tray icon names and their drawings.
#include "ui/main/tray_icons.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QSet>

#include "ui/tests/ui_test_support.h"

namespace orvanto {
namespace {

TEST(TrayIcons, NamesAreDayAndRdayWithTwoDigits) {
    EXPECT_EQ(TrayIconName(5, false), "DAY05");
    EXPECT_EQ(TrayIconName(5, true), "RDAY05");
    EXPECT_EQ(TrayIconName(31, true), "RDAY31");
    EXPECT_EQ(TrayIconName(0, false), "DAY01") << "never a name outside 01..31";
    EXPECT_EQ(TrayIconName(32, false), "DAY31");
}

TEST(TrayIcons, SixtyTwoDistinctPictures) {
    test::Application();
    QSet<QByteArray> pictures;
    for (bool pending : {false, true}) {
        for (int day = 1; day <= 31; ++day) {
            const QIcon icon = TrayIcon(day, pending);
            ASSERT_FALSE(icon.isNull());
            const QImage image = icon.pixmap(32, 32).toImage();
            pictures.insert(
                QByteArray(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes()));
        }
    }
    EXPECT_EQ(pictures.size(), 62);
}

}  // namespace
}  // namespace orvanto
