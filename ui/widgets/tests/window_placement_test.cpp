// Window placement helpers: which platforms place windows, and transient
// parents for dialogs and tool windows opened without one.
#include "ui/widgets/window_placement.h"

#include <gtest/gtest.h>

#include <QDialog>
#include <QMessageBox>
#include <QWidget>
#include <QWindow>

#include "ui/tests/ui_test_support.h"

namespace orvanto {
namespace {

TEST(WindowPlacement, OnlyWaylandKeepsWindowsFromPlacingThemselves) {
    struct Case {
        const char* platform;
        bool places;
    };
    for (const Case& c : {Case{"xcb", true}, Case{"offscreen", true}, Case{"wayland", false},
                          Case{"wayland-egl", false}, Case{"Wayland", false}}) {
        EXPECT_EQ(PlatformPlacesWindows(QString::fromLatin1(c.platform)), c.places) << c.platform;
    }
}

TEST(WindowPlacement, ADialogWithoutParentOpensOverTheShownMainWindow) {
    test::Application();
    QWidget main;
    main.resize(200, 200);
    TransientParentKeeper keeper(&main);
    qApp->installEventFilter(&keeper);
    main.show();

    QDialog dialog;
    dialog.show();
    ASSERT_NE(dialog.windowHandle(), nullptr);
    EXPECT_EQ(dialog.windowHandle()->transientParent(), main.windowHandle());
    dialog.hide();

    QWidget tool(nullptr, Qt::Tool);
    tool.show();
    EXPECT_EQ(tool.windowHandle()->transientParent(), main.windowHandle());
    tool.hide();

    QDialog framed(nullptr, Qt::Window | Qt::WindowTitleHint);
    framed.show();
    EXPECT_EQ(framed.windowHandle()->transientParent(), main.windowHandle()) << "a dialog with a full frame";
    framed.hide();

    QMessageBox box(QMessageBox::Information, QStringLiteral("Orvanto"), QStringLiteral("Text"));
    box.show();
    EXPECT_EQ(box.windowHandle()->transientParent(), main.windowHandle());
    box.hide();

    // An ordinary window (the help window) stays on its own.
    QWidget window;
    window.show();
    EXPECT_EQ(window.windowHandle()->transientParent(), nullptr);
    window.hide();
    qApp->removeEventFilter(&keeper);
}

TEST(WindowPlacement, ADialogWithItsOwnParentOrAHiddenMainWindowIsLeftAlone) {
    test::Application();
    QWidget main;
    TransientParentKeeper keeper(&main);
    QWidget other;
    other.show();
    QDialog child(&other);
    child.show();
    EXPECT_FALSE(keeper.Adopt(&child)) << "Qt named its parent window already";
    EXPECT_EQ(child.windowHandle()->transientParent(), other.windowHandle());
    child.hide();

    QDialog lonely;
    lonely.show();
    if (QApplication::activeWindow() != &other) {
        // The main window is not shown (in the tray): nothing to open over.
        EXPECT_FALSE(keeper.Adopt(&lonely));
    }
    lonely.hide();
    other.hide();
}

}  // namespace
}  // namespace orvanto
