// The help window: every topic has a page of its own, links between pages.
#include <QFile>
#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <QTextBrowser>

#include <gtest/gtest.h>

#include "ui/help/help_window.h"
#include "ui/tests/ui_test_support.h"

namespace orvanto {
namespace {

TEST(HelpWindow, EveryTopicHasItsOwnPage) {
    test::Application();
    for (const char* topic : {"index.htm", "AddEvents.htm", "ViewAndEdit.htm", "AstroModule.htm",
                              "CityDistance.htm", "Biorhythm.htm", "Configure.htm"}) {
        const QUrl url = HelpTopicUrl(topic);
        EXPECT_EQ(url, QUrl(QStringLiteral("qrc:/help/") + QString::fromLatin1(topic)));
        QFile page(QStringLiteral(":/help/") + QString::fromLatin1(topic));
        ASSERT_TRUE(page.open(QIODevice::ReadOnly)) << topic;
        EXPECT_GT(page.size(), 600) << topic << " is a real page";
    }
}

TEST(HelpWindow, TopicNamesInTheirOtherForms) {
    test::Application();
    EXPECT_EQ(HelpTopicUrl("Orvanto.chm::/AddEvents.htm"), QUrl(QStringLiteral("qrc:/help/AddEvents.htm")));
    EXPECT_EQ(HelpTopicUrl("/Biorhythm.htm"), QUrl(QStringLiteral("qrc:/help/Biorhythm.htm")));
    EXPECT_EQ(HelpTopicUrl(""), QUrl(QStringLiteral("qrc:/help/index.htm")));
    EXPECT_EQ(HelpTopicUrl("NoSuchPage.htm"), QUrl(QStringLiteral("qrc:/help/index.htm")));
    EXPECT_EQ(HelpTopicUrl("../index.htm"), QUrl(QStringLiteral("qrc:/help/index.htm")));
}

TEST(HelpWindow, OneWindowOpensAtTheTopicAndFollowsLinks) {
    test::Application();
    ShowHelpTopic("AddEvents.htm");
    HelpWindow* window = OpenHelpWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->Browser()->source(), QUrl(QStringLiteral("qrc:/help/AddEvents.htm")));
    EXPECT_TRUE(window->Browser()->toPlainText().contains(QStringLiteral("Repeat On")));
    ShowHelpTopic("Configure.htm");
    EXPECT_EQ(OpenHelpWindow(), window);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Orvanto Help - Settings"));
    window->Browser()->setSource(QUrl(QStringLiteral("index.htm")));
    EXPECT_EQ(window->Browser()->source().fileName(), QStringLiteral("index.htm"));
    window->Browser()->backward();
    EXPECT_EQ(window->Browser()->source().fileName(), QStringLiteral("Configure.htm"));
    CloseHelpWindows();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(OpenHelpWindow(), nullptr);
}

// Escape closes the help window wherever the focus is in it, as it closes the
// program's other windows; the window opens wholly on the screen.
TEST(HelpWindow, EscapeClosesItAndItOpensOnTheScreen) {
    test::Application();
    ShowHelpTopic("Configure.htm");
    HelpWindow* window = OpenHelpWindow();
    ASSERT_NE(window, nullptr);
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_TRUE(area.contains(window->geometry())) << window->geometry().x() << "," << window->geometry().y();
    QTest::keyClick(window->Browser(), Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(OpenHelpWindow(), nullptr);
}

}  // namespace
}  // namespace orvanto
