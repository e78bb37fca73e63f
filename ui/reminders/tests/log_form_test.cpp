// The "History File Viewer": opening checks, the text at its end, the find
// sequence and its messages, and the printed pages (laid out, and drawn into
// a PDF read back with pdftotext).
#include <QAction>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextCursor>

#include <cstdlib>
#include <fstream>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "core/scripted_prompt.h"
#include "reminders/history.h"
#include "ui/printing/print_painter.h"
#include "ui/reminders/log_form.h"
#include "ui/tests/ui_test_support.h"

namespace orvanto {
namespace {

using ::testing::ElementsAre;

// Every text is 10 pixels wide per character and 20 high.
class FixedMeasure : public TextMeasure {
public:
    int Width(const std::string& text, const PrintFont&) const override {
        return 10 * static_cast<int>(text.size());
    }
    int Height(const std::string&, const PrintFont&) const override { return 20; }
};

class LogFormTest : public ::testing::Test {
protected:
    LogFormTest() {
        test::Application();
        context_.settingsPath = folder_.Path();
        context_.prompt = &prompt_;
        history_ = folder_.Folder() + "/history.txt";
        std::ofstream(history_, std::ios::binary) << kHistoryHeader << "\r\n"
                                                  << "03/05/2005  14:30   3  Dentist appointment\r\n"
                                                  << "03/06/2005  --:--   0  Gym\r\n"
                                                  << "03/07/2005  --:--   0  DENTIST again\r\n";
    }

    test::SettingsFolder folder_;
    ScriptedPrompt prompt_;
    AppContext context_;
    std::string history_;
};

TEST_F(LogFormTest, OpeningWarnsWithoutAFile) {
    TLogForm::Open(context_, nullptr);
    TLogForm::Open(context_, nullptr, folder_.Folder() + "/missing.txt");
    TLogForm::Open(context_, nullptr, folder_.Folder());
    EXPECT_THAT(prompt_.Texts(), ElementsAre("History file not defined.", "History file not found.",
                                             "History file not found."));
    EXPECT_EQ(prompt_.Log()[0].messageKind, MessageKind::Warning);
}

TEST_F(LogFormTest, TheWholeFileReadOnlyAtItsEnd) {
    TLogForm form(context_, history_);
    form.show();
    EXPECT_EQ(form.windowTitle(), QStringLiteral("History File Viewer"));
    EXPECT_TRUE(form.windowFlags() & Qt::WindowMaximizeButtonHint);
    QPlainTextEdit* text = form.Text();
    EXPECT_TRUE(text->isReadOnly());
    EXPECT_EQ(text->lineWrapMode(), QPlainTextEdit::NoWrap);
    EXPECT_EQ(text->document()->blockCount(), 4);
    EXPECT_EQ(text->document()->firstBlock().text(), QString::fromLatin1(kHistoryHeader));
    EXPECT_EQ(text->textCursor().position(), text->document()->characterCount() - 1)
        << "the caret at the end";
    EXPECT_TRUE(QFontInfo(text->font()).fixedPitch());
    const QStringList items = {QStringLiteral("PrintItem"), QStringLiteral("ExitItem"),
                               QStringLiteral("CopyItem"),  QStringLiteral("SelectAllItem"),
                               QStringLiteral("FontItem"),  QStringLiteral("FindItem")};
    for (const QString& name : items)
        EXPECT_NE(form.findChild<QAction*>(name), nullptr) << name.toStdString();
    EXPECT_EQ(form.findChild<QAction*>(QStringLiteral("FindItem"))->shortcut(), QKeySequence(Qt::Key_F3));
    EXPECT_EQ(form.findChild<QAction*>(QStringLiteral("PrintItem"))->shortcut(),
              QKeySequence(Qt::CTRL | Qt::Key_P));
}

TEST_F(LogFormTest, FindSelectsEachMatchThenSaysThereAreNoMore) {
    TLogForm form(context_, history_);
    FindDialog* dialog = form.OpenFindDialog();
    dialog->Edit()->setText(QStringLiteral("dentist"));
    dialog->findChild<QPushButton*>(QStringLiteral("FindNextButton"))->click();
    EXPECT_EQ(form.Text()->textCursor().selectedText(), QStringLiteral("Dentist"))
        << "upper-cased comparison";
    form.FindNext(QStringLiteral("dentist"), false);
    EXPECT_EQ(form.Text()->textCursor().selectedText(), QStringLiteral("DENTIST"));
    form.FindNext(QStringLiteral("dentist"), false);
    EXPECT_THAT(prompt_.Texts(),
                ElementsAre("There are no further occurences of \"dentist\" in history file."));
    EXPECT_EQ(prompt_.Log()[0].messageKind, MessageKind::Error);

    prompt_.Clear();
    form.OpenFindDialog();
    form.FindNext(QStringLiteral("dentist"), true);
    EXPECT_THAT(prompt_.Texts(), ElementsAre("Could not find \"dentist\" in history file."))
        << "match case: the first search finds nothing";
    prompt_.Clear();
    form.OpenFindDialog();
    form.FindNext(QStringLiteral("Gym"), true);
    EXPECT_EQ(form.Text()->textCursor().selectedText(), QStringLiteral("Gym"));
    EXPECT_TRUE(prompt_.Texts().empty());
}

TEST(LogFormLayout, MarginsLineHeightAndPageBreaks) {
    std::vector<std::string> lines;
    for (int i = 0; i < 25; ++i) lines.push_back("line " + std::to_string(i));
    // A page of 4 inches at 100 dots per inch: lines begin from 100 until 300.
    const PageGeometry page{800, 400, 100};
    const PrintedDocument document = LayoutHistory(lines, PrintFont{}, page, FixedMeasure());
    ASSERT_EQ(document.pages.size(), 3u);
    std::vector<int> ys;
    for (const PrintItem& item : document.pages[0].items) {
        const auto& text = std::get<PrintText>(item);
        EXPECT_EQ(text.x, 75) << "three quarters of an inch";
        ys.push_back(text.y);
    }
    EXPECT_THAT(ys, ElementsAre(100, 120, 140, 160, 180, 200, 220, 240, 260, 280));
    EXPECT_EQ(std::get<PrintText>(document.pages[1].items[0]).text, "line 10");
    EXPECT_EQ(std::get<PrintText>(document.pages[1].items[0]).y, 100);
    EXPECT_EQ(document.pages[2].items.size(), 5u) << "no empty page after the last line";
    EXPECT_EQ(LayoutHistory({}, PrintFont{}, page, FixedMeasure()).pages.size(), 1u);
}

TEST_F(LogFormTest, PrintsInTheViewersFontIntoAPdf) {
    TLogForm form(context_, history_);
    const std::string pdf = folder_.Folder() + "/history.pdf";
    {
        PdfPrinter printer(pdf, PdfOptions{});
        printer.Paint(form.PrintedText(printer.Geometry(), printer.Measure()));
        ASSERT_TRUE(printer.Finish());
    }
    const std::string command = "pdftotext -layout '" + pdf + "' '" + pdf + ".txt'";
    ASSERT_EQ(std::system(command.c_str()), 0);
    std::ifstream in(pdf + ".txt");
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_NE(text.find("-- DATE -- -TIME-"), std::string::npos) << text;
    EXPECT_NE(text.find("DENTIST again"), std::string::npos) << text;
}

}  // namespace
}  // namespace orvanto
