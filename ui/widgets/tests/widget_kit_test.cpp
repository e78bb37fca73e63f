// The widget kit: the theme table, bevelled buttons painted in theme colours,
// the caption bar's drag, the dialog base's Enter and Escape, and the number
// field's arrows.
#include <gtest/gtest.h>

#include <QImage>
#include <QKeyEvent>

#include "ui/tests/ui_test_support.h"
#include "ui/widgets/bevel_button.h"
#include "ui/widgets/caption_bar.h"
#include "ui/widgets/move_cursor.h"
#include "ui/widgets/number_field.h"
#include "ui/widgets/scrolling_text.h"
#include "ui/widgets/theme.h"
#include "ui/widgets/themed_dialog.h"

namespace orvanto {
namespace {

TEST(Theme, ColourValuesHaveRedInTheLowByte) {
    EXPECT_EQ(ColorFromValue(255), QColor(255, 0, 0));
    EXPECT_EQ(ColorFromValue(16711680), QColor(0, 0, 255));
    EXPECT_EQ(ColorFromValue(32768), QColor(0, 128, 0));
    EXPECT_EQ(ValueFromColor(QColor(0x12, 0x34, 0x56)), 0x563412);
}

TEST(Theme, IndicesOutsideZeroToFourAreXpStyle) {
    EXPECT_EQ(Theme::Names(),
              (std::vector<std::string>{"Sky", "Desert", "Aquamarine", "Pumpkin", "Chrome", "XP Style"}));
    for (int index : {5, 7, -1, 1000}) EXPECT_EQ(Theme::ByIndex(index).Name(), "XP Style") << index;
    EXPECT_EQ(Theme::ByIndex(4).Name(), "Chrome");
}

TEST(Theme, SpotValuesOfTheTable) {
    struct Spot {
        int theme;
        ThemeRole role;
        int value;
    };
    const Spot spots[] = {
        {0, ThemeRole::WindowBackground, 16244675},
        {0, ThemeRole::RoundFace, 16744512},
        {1, ThemeRole::Caption1, 9817538},
        {1, ThemeRole::TitleText, 5891803},
        {2, ThemeRole::HeaderHotTrack, 16776960},
        {3, ThemeRole::Caption3, 30182},
        {3, ThemeRole::HeaderPressed, 14609391},
        {4, ThemeRole::ToolFace, 10013920},
        {4, ThemeRole::ToolShadow, 128},
        {5, ThemeRole::DayPressed, 2152936},
        {5, ThemeRole::DayLight, 11206655},
        {5, ThemeRole::Caption1, 14963712},
    };
    for (const Spot& s : spots) EXPECT_EQ(Theme::ByIndex(s.theme).Value(s.role), s.value) << s.theme;
    const ButtonColors tool = Theme::ByIndex(4).Buttons(ButtonFamily::Tool);
    EXPECT_EQ(tool.face, ColorFromValue(10013920));
    EXPECT_EQ(tool.pressed, ColorFromValue(2990299));
    EXPECT_EQ(tool.hotTrack, ColorFromValue(6338275));
    EXPECT_EQ(tool.light, ColorFromValue(11206655));
    EXPECT_EQ(tool.shadow, ColorFromValue(128));
}

TEST(BevelButton, PaintsFaceAndEdgesInTheThemeColours) {
    test::Application();
    BevelButton button;
    button.resize(41, 25);
    const ButtonColors colors = Theme::ByIndex(3).Buttons(ButtonFamily::Header);
    button.SetColors(colors);
    QImage image = button.grab().toImage();
    EXPECT_EQ(QColor(image.pixel(20, 12)), colors.face);
    EXPECT_EQ(QColor(image.pixel(0, 12)), colors.light);
    EXPECT_EQ(QColor(image.pixel(20, 0)), colors.light);
    EXPECT_EQ(QColor(image.pixel(40, 12)), colors.shadow);
    EXPECT_EQ(QColor(image.pixel(20, 24)), colors.shadow);

    button.setCheckable(true);
    button.setChecked(true);
    image = button.grab().toImage();
    EXPECT_EQ(QColor(image.pixel(20, 12)), colors.pressed);
    EXPECT_EQ(QColor(image.pixel(0, 12)), colors.shadow) << "a pressed button is sunken";
}

TEST(CaptionBar, PressAndMoveDragTheWindowWithTheMoveCursor) {
    test::Application();
    QWidget window;
    window.resize(200, 100);
    window.move(50, 60);
    CaptionBar bar(QStringLiteral("Title"), &window);
    bar.setGeometry(0, 0, 200, 24);
    window.show();
    const QPointF at(100, 10);
    QMouseEvent press(QEvent::MouseButtonPress, at, bar.mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(&bar, &press);
    ASSERT_TRUE(bar.Dragger()->Dragging());
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QGuiApplication::overrideCursor()->pixmap().cacheKey(), MoveCursor().pixmap().cacheKey());
    const QPointF to(130, 30);
    QMouseEvent move(QEvent::MouseMove, to, bar.mapToGlobal(at) + QPointF(30, 20), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&bar, &move);
    EXPECT_EQ(window.frameGeometry().topLeft(), QPoint(80, 80));
    QMouseEvent release(QEvent::MouseButtonRelease, to, bar.mapToGlobal(to), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(&bar, &release);
    EXPECT_FALSE(bar.Dragger()->Dragging());
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(bar.CloseButton()->toolTip(), "Close");
}

TEST(ThemedDialog, EnterAndEscapeActThroughTheHiddenButtons) {
    test::Application();
    for (int key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
        ThemedDialog dialog(QStringLiteral("Add Event"), QSize(300, 200));
        dialog.ApplyTheme(2);
        EXPECT_TRUE(dialog.DefaultButton()->isHidden());
        EXPECT_TRUE(dialog.CancelButton()->isHidden());
        EXPECT_EQ(dialog.Caption()->GradientColor(0), Theme::ByIndex(2).Color(ThemeRole::Caption1));
        EXPECT_EQ(dialog.size(), QSize(300, 200));
        int result = -1;
        QObject::connect(&dialog, &QDialog::finished, [&](int r) { result = r; });
        dialog.show();
        QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(&dialog, &event);
        EXPECT_EQ(result, key == Qt::Key_Escape ? QDialog::Rejected : QDialog::Accepted) << key;
    }
}

TEST(ThemedDialog, CloseButtonCancels) {
    test::Application();
    ThemedDialog dialog(QStringLiteral("About"), QSize(200, 100));
    int result = -1;
    QObject::connect(&dialog, &QDialog::finished, [&](int r) { result = r; });
    dialog.show();
    dialog.Caption()->CloseButton()->click();
    EXPECT_EQ(result, QDialog::Rejected);
}

TEST(NumberField, ArrowsStackAtTheRightOfTheBoxAndFollowItsState) {
    test::Application();
    QWidget parent;
    const NumberField field("YearEdit", QRect(142, 34, 40, 20), QSize(12, 10), 4, 1753, 2078, &parent);
    EXPECT_EQ(field.edit->objectName(), QStringLiteral("YearEdit"));
    EXPECT_EQ(field.edit->maxLength(), 4);
    EXPECT_EQ(field.edit->geometry(), QRect(142, 34, 40, 20));
    EXPECT_EQ(field.up->objectName(), QStringLiteral("YearEditUp"));
    EXPECT_EQ(field.up->geometry(), QRect(183, 34, 12, 10));
    EXPECT_EQ(field.down->objectName(), QStringLiteral("YearEditDown"));
    EXPECT_EQ(field.down->geometry(), QRect(183, 44, 12, 10));
    EXPECT_EQ(field.up->focusPolicy(), Qt::NoFocus);
    EXPECT_EQ(field.down->focusPolicy(), Qt::NoFocus);
    EXPECT_EQ(field.low, 1753);
    EXPECT_EQ(field.high, 2078);
    field.SetEnabled(false);
    EXPECT_FALSE(field.edit->isEnabled());
    EXPECT_FALSE(field.up->isEnabled());
    EXPECT_FALSE(field.down->isEnabled());
    field.SetButtonFace(QColor(1, 2, 3));
    EXPECT_EQ(field.up->Face(), QColor(1, 2, 3));
    EXPECT_EQ(field.down->Face(), QColor(1, 2, 3));
}

TEST(ScrollingText, RunsAndStops) {
    test::Application();
    ScrollingText strip;
    strip.resize(100, 17);
    strip.SetText(QStringLiteral("A long text that does not fit the strip"));
    strip.Start();
    EXPECT_TRUE(strip.IsActive());
    strip.Stop();
    EXPECT_FALSE(strip.IsActive());
}

}  // namespace
}  // namespace orvanto
