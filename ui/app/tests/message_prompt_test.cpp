// The message boxes of the program, shown for real (offscreen) and answered
// by a timer that reads each box and presses one of its buttons.
#include "ui/app/message_prompt.h"

#include <gtest/gtest.h>

#include <QMessageBox>

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
    prompt.ShowCancelMessage(MessageKind::Error, "Orvanto reminder", "There are too many reminders for this day.");
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

}  // namespace
}  // namespace orvanto
