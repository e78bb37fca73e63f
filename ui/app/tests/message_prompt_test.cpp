// The message boxes of the program, shown for real (offscreen) and answered
// by a timer that reads each box and presses one of its buttons.
#include "ui/app/message_prompt.h"

#include <gtest/gtest.h>

#include <QDialog>
#include <QMessageBox>
#include <QTimer>

#include <string>
#include <vector>

#include "ui/tests/box_answerer.h"

namespace orvanto {
namespace {

using test::BoxAnswerer;

TEST(MessagePromptTest, MessageBoxHasTheKindsIconTitleTextAndOk) {
    BoxAnswerer answerer;
    MessagePrompt prompt;
    prompt.ShowMessage(MessageKind::Error, "Orvanto 32", "Invalid parameter: /X");
    prompt.ShowMessage(MessageKind::Information, "Orvanto", "line one\nline two");
    prompt.ShowMessage(MessageKind::Warning, "Orvanto", "<b>not markup</b>");
    ASSERT_EQ(answerer.Seen().size(), 3u);
    EXPECT_EQ(answerer.Seen()[0].icon, QMessageBox::Critical);
    EXPECT_EQ(answerer.Seen()[0].title, "Orvanto 32");
    EXPECT_EQ(answerer.Seen()[0].text, "Invalid parameter: /X");
    EXPECT_EQ(answerer.Seen()[0].buttons, std::vector<QMessageBox::StandardButton>{QMessageBox::Ok});
    EXPECT_EQ(answerer.Seen()[1].icon, QMessageBox::Information);
    EXPECT_EQ(answerer.Seen()[1].text, "line one\nline two");
    EXPECT_EQ(answerer.Seen()[2].icon, QMessageBox::Warning);
    EXPECT_EQ(answerer.Seen()[2].text, "<b>not markup</b>");
}

TEST(MessagePromptTest, RefusalBoxHasOnlyACancelButton) {
    BoxAnswerer answerer({QMessageBox::Cancel});
    MessagePrompt prompt;
    prompt.ShowCancelMessage(MessageKind::Error, "Orvanto reminder",
                             "There are too many reminders for this day.");
    ASSERT_EQ(answerer.Seen().size(), 1u);
    EXPECT_EQ(answerer.Seen()[0].icon, QMessageBox::Critical);
    EXPECT_EQ(answerer.Seen()[0].buttons, std::vector<QMessageBox::StandardButton>{QMessageBox::Cancel});
}

TEST(MessagePromptTest, QuestionIsTrueForOkAndFalseForCancel) {
    BoxAnswerer answerer({QMessageBox::Ok, QMessageBox::Cancel});
    MessagePrompt prompt;
    EXPECT_TRUE(prompt.Ask(MessageKind::Warning, "Orvanto", "Exit?"));
    EXPECT_FALSE(prompt.Ask(MessageKind::Warning, "Orvanto", "Exit?"));
    ASSERT_EQ(answerer.Seen().size(), 2u);
    EXPECT_EQ(answerer.Seen()[0].buttons.size(), 2u);
}

// A box asked for while a dialog runs over the main window belongs to that
// dialog: it comes over it and gets the keys (over the blocked main window it
// would get none).
TEST(MessagePromptTest, ABoxWhileADialogRunsBelongsToTheDialog) {
    test::Application();
    QWidget main;
    main.setObjectName(QStringLiteral("MainStandIn"));
    main.show();
    MessagePrompt prompt(&main);
    QDialog dialog(&main);
    dialog.setObjectName(QStringLiteral("RunningDialog"));
    dialog.setWindowModality(Qt::WindowModal);
    // Reads the owner of the box that comes up and closes it; gives up after
    // a few seconds, so the test cannot hang on a box.
    QString owner;
    QTimer probe;
    probe.setInterval(10);
    int ticks = 0;
    QObject::connect(&probe, &QTimer::timeout, &main, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            owner =
                box->parentWidget() ? box->parentWidget()->window()->objectName() : QStringLiteral("<none>");
            box->accept();
        }
        if (!owner.isEmpty() || ++ticks > 300) probe.stop();
    });
    QTimer::singleShot(0, &dialog, [&] {
        probe.start();
        prompt.ShowMessage(MessageKind::Warning, "Orvanto", "Invalid Date");
        dialog.reject();
    });
    dialog.exec();
    EXPECT_EQ(owner, QStringLiteral("RunningDialog"));
    // Without a dialog the box belongs to the main window.
    owner.clear();
    ticks = 0;
    probe.start();
    prompt.ShowMessage(MessageKind::Warning, "Orvanto", "Invalid Date");
    EXPECT_EQ(owner, QStringLiteral("MainStandIn"));
}

}  // namespace
}  // namespace orvanto
