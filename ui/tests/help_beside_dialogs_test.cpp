// Help stays usable while a dialog of the program is open: every dialog is
// modal to the window it was opened from, and the help window belongs to no
// other window. Clicks go through the platform's input path, which drops
// input to windows that a modal window blocks.
#include <QAbstractButton>
#include <QMessageBox>
#include <QPointer>
#include <QTextBrowser>
#include <QTimer>
#include <QWindow>

#include <gtest/gtest.h>

#include <functional>

#include "core/scripted_prompt.h"
#include "ui/app/message_prompt.h"
#include "ui/help/about_box.h"
#include "ui/help/help_window.h"
#include "ui/reminders/add_rem_form.h"
#include "ui/reminders/remind_form.h"
#include "ui/tests/ui_test_support.h"

// The input entry of the platform layer that Qt's own test tools use: a
// mouse event as the window system delivers it.
Q_GUI_EXPORT void qt_handleMouseEvent(QWindow* window, const QPointF& local, const QPointF& global,
                                      Qt::MouseButtons state, Qt::MouseButton button, QEvent::Type type,
                                      Qt::KeyboardModifiers mods, int timestamp);

namespace orvanto {
namespace {

// A click on the widget as the window system would deliver it.
void PlatformClick(QWidget* widget) {
    static int timestamp = 0;
    QWindow* window = widget->window()->windowHandle();
    ASSERT_NE(window, nullptr);
    const QPointF local = widget->mapTo(widget->window(), widget->rect().center());
    const QPointF global = widget->mapToGlobal(widget->rect().center());
    qt_handleMouseEvent(window, local, global, Qt::LeftButton, Qt::LeftButton, QEvent::MouseButtonPress, {},
                        ++timestamp);
    qt_handleMouseEvent(window, local, global, {}, Qt::LeftButton, QEvent::MouseButtonRelease, {},
                        ++timestamp);
}

class HelpBesideDialogsTest : public ::testing::Test {
protected:
    HelpBesideDialogsTest() {
        main_.setObjectName(QStringLiteral("MainStandIn"));
        main_.resize(300, 300);
        main_.show();
    }
    ~HelpBesideDialogsTest() override {
        CloseHelpWindows();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // While the dialog runs: opens help at a topic, clicks "Contents" in it,
    // and gives the page the help window then shows; closes the dialog.
    QString HelpPageAfterClickWhile(QDialog& dialog) {
        QString page;
        QTimer::singleShot(0, &dialog, [&] {
            ShowHelpTopic("AddEvents.htm");
            HelpWindow* help = OpenHelpWindow();
            if (help) {
                PlatformClick(help->findChild<QAbstractButton*>(QStringLiteral("ContentsButton")));
                page = help->Browser()->source().fileName();
            }
            dialog.reject();
        });
        dialog.exec();
        return page;
    }

    QApplication& application_ = test::Application();  // before any widget
    QWidget main_;
    test::SettingsFolder folder_;
    FakeClock clock_{46367.5};
    ScriptedPrompt prompt_;
    test::CountingSound sound_;
};

TEST_F(HelpBesideDialogsTest, TheClickCheckSeesABlockedWindow) {
    // An application-modal dialog blocks the help window: the click is lost.
    QDialog blocking(&main_);
    blocking.setWindowModality(Qt::ApplicationModal);
    EXPECT_EQ(HelpPageAfterClickWhile(blocking), QStringLiteral("AddEvents.htm"));
}

TEST_F(HelpBesideDialogsTest, HelpIsUsableWhileTheAddDialogIsOpen) {
    AddReminderContext context;
    context.settingsPath = folder_.Path();
    context.clock = &clock_;
    context.prompt = &prompt_;
    context.sound = &sound_;
    TAddRemForm form(context, CivilDate{2005, 12, 25}, false, &main_);
    EXPECT_EQ(form.windowModality(), Qt::WindowModal);
    EXPECT_EQ(HelpPageAfterClickWhile(form), QStringLiteral("index.htm"));
}

TEST_F(HelpBesideDialogsTest, HelpIsUsableWhileThePopupAndTheAboutBoxAreOpen) {
    ReminderPopupRequest request;
    request.memoText = "Call Bob";
    TRemindForm popup(request, 0, &main_);
    EXPECT_EQ(popup.windowModality(), Qt::WindowModal);
    EXPECT_EQ(HelpPageAfterClickWhile(popup), QStringLiteral("index.htm"));

    TAboutBox about(0, 1, sound_, &main_);
    EXPECT_EQ(about.windowModality(), Qt::WindowModal);
    EXPECT_EQ(HelpPageAfterClickWhile(about), QStringLiteral("index.htm"));
}

TEST_F(HelpBesideDialogsTest, HelpIsUsableWhileAMessageBoxIsOpen) {
    QString page;
    Qt::WindowModality modality = Qt::NonModal;
    QTimer::singleShot(0, &main_, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        modality = box->windowModality();
        ShowHelpTopic("AddEvents.htm");
        HelpWindow* help = OpenHelpWindow();
        PlatformClick(help->findChild<QAbstractButton*>(QStringLiteral("ContentsButton")));
        page = help->Browser()->source().fileName();
        box->button(QMessageBox::Ok)->click();
    });
    MessagePrompt prompt(&main_);
    prompt.ShowMessage(MessageKind::Warning, "Orvanto", "Invalid Date");
    EXPECT_EQ(modality, Qt::WindowModal);
    EXPECT_EQ(page, QStringLiteral("index.htm"));
}

TEST_F(HelpBesideDialogsTest, AMinimizedHelpWindowComesBackWhenAskedFor) {
    ShowHelpTopic("AddEvents.htm");
    HelpWindow* help = OpenHelpWindow();
    ASSERT_NE(help, nullptr);
    help->showMinimized();
    ASSERT_TRUE(help->isMinimized());
    ShowHelpTopic("Configure.htm");
    EXPECT_EQ(OpenHelpWindow(), help);
    EXPECT_FALSE(help->isMinimized());
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(help->parentWidget(), nullptr);
    EXPECT_EQ(help->Browser()->source().fileName(), QStringLiteral("Configure.htm"));
}

}  // namespace
}  // namespace orvanto
