// TPrintBox driven offscreen by the names of its controls: the settings it
// opens with, the enabling rules, the range label, the corrections of the
// boxes, and "&Print" into a PDF file.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QFocusEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QRadioButton>
#include <QTemporaryDir>

#include <cstdio>
#include <memory>
#include <string>

#include "calendar/serial_date.h"
#include "core/clock.h"
#include "core/scripted_prompt.h"
#include "ui/printing/print_box.h"
#include "ui/printing/print_box_rules.h"
#include "ui/tests/ui_test_support.h"

namespace orvanto {
namespace {

std::string Capture(const std::string& command) {
    std::string out;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return out;
    char buffer[4096];
    while (std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe)) out.append(buffer, n);
    pclose(pipe);
    return out;
}

class PrintBoxTest : public ::testing::Test {
protected:
    PrintBoxTest() {
        test::Application();
        context_.settingsPath = settings_.Path();
        context_.clock = &clock_;
        context_.prompt = &prompt_;
        context_.sound = &sound_;
        context_.timeZoneBias = [](bool) { return 0; };
    }

    std::unique_ptr<TPrintBox> OpenBox(int month = 2, int year = 2015) {
        auto box = std::make_unique<TPrintBox>(context_, month, year);
        return box;
    }

    template <typename T>
    static T* Find(const TPrintBox& box, const char* name) {
        T* widget = box.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    static void Leave(QWidget* widget) {
        QFocusEvent event(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(widget, &event);
    }

    test::SettingsFolder settings_;
    FakeClock clock_{EncodeDate(2015, 2, 16) + 0.5};
    ScriptedPrompt prompt_;
    test::CountingSound sound_;
    AppContext context_;
};

TEST_F(PrintBoxTest, OpensWithTheDefaultsOfANewFile) {
    auto box = OpenBox(2, 2015);
    EXPECT_EQ(box->size(), QSize(400, 329));
    EXPECT_EQ(box->windowTitle(), QStringLiteral("Print  [Default Printer]"));
    EXPECT_EQ(TPrintBox::CaptionText(nullptr), QStringLiteral("Print  [Default Printer]"));
    EXPECT_TRUE(Find<BevelButton>(*box, "MonthBut")->isChecked());
    for (const char* name : {"MoonBox", "HolyBox", "EventBox"})
        EXPECT_TRUE(Find<QCheckBox>(*box, name)->isChecked());
    EXPECT_FALSE(Find<QCheckBox>(*box, "ColorBox")->isChecked());
    EXPECT_TRUE(Find<QRadioButton>(*box, "HolyInside")->isChecked());
    EXPECT_TRUE(Find<QRadioButton>(*box, "EventInside")->isChecked());
    EXPECT_EQ(Find<QComboBox>(*box, "MonthList")->currentText(), QStringLiteral("February"));
    EXPECT_EQ(Find<QLineEdit>(*box, "YearEdit")->text(), QStringLiteral("2015"));
    EXPECT_EQ(Find<QLineEdit>(*box, "CountEdit")->text(), QStringLiteral("1"));
    EXPECT_EQ(Find<QLabel>(*box, "CountLabel")->text(), QStringLiteral("Month"));
    EXPECT_EQ(Find<QGroupBox>(*box, "OptionsGroup")->title(), QStringLiteral(" Print Options "));
    EXPECT_EQ(Find<QGroupBox>(*box, "StartGroup")->title(), QStringLiteral(" Start &From "));
    EXPECT_EQ(Find<QGroupBox>(*box, "RangeGroup")->title(), QStringLiteral(" Ra&nge "));
    EXPECT_EQ(Find<BevelButton>(*box, "PrintBut")->text(), QStringLiteral("&Print"));
    EXPECT_EQ(Find<BevelButton>(*box, "CancelBut")->text(), QStringLiteral("&Cancel"));
    EXPECT_EQ(Find<BevelButton>(*box, "SetupBut")->text(), QStringLiteral("Printer &Setup"));
    // The layout buttons answer Alt+M, Alt+Y and Alt+A and carry their pictures.
    const struct {
        const char* name;
        const char* keys;
    } layouts[] = {{"MonthBut", "Alt+M"}, {"YearBut", "Alt+Y"}, {"CardBut", "Alt+A"}};
    for (const auto& layout : layouts) {
        const auto* button = Find<BevelButton>(*box, layout.name);
        EXPECT_EQ(button->shortcut(), QKeySequence(QString::fromLatin1(layout.keys)));
        EXPECT_TRUE(button->HasGlyph());
    }
    // Every control lies inside the window.
    for (const QWidget* child : box->findChildren<QWidget*>()) {
        if (!child->isVisibleTo(box.get()) || child->parentWidget() != box.get()) continue;
        EXPECT_TRUE(QRect(QPoint(0, 0), box->size()).contains(child->geometry()))
            << child->objectName().toStdString();
    }
}

TEST_F(PrintBoxTest, OpensWithTheSavedChoices) {
    IniFile ini = settings_.Ini();
    ini.WriteInteger("Print", "LastType", 1);
    ini.WriteBool("Print", "PrintMoon", false);
    ini.WriteBool("Print", "PrintHoly", false);
    auto box = OpenBox();
    EXPECT_TRUE(Find<BevelButton>(*box, "YearBut")->isChecked());
    EXPECT_FALSE(Find<QCheckBox>(*box, "MoonBox")->isChecked());
    EXPECT_FALSE(Find<QCheckBox>(*box, "HolyBox")->isChecked());
    EXPECT_TRUE(Find<QCheckBox>(*box, "EventBox")->isChecked());
    EXPECT_FALSE(Find<QComboBox>(*box, "MonthList")->isEnabled());
    EXPECT_EQ(Find<QLabel>(*box, "CountLabel")->text(), QStringLiteral("Year"));

    ini.WriteInteger("Print", "LastType", 7);
    auto card = OpenBox();
    EXPECT_TRUE(Find<BevelButton>(*card, "CardBut")->isChecked());
}

TEST_F(PrintBoxTest, LayoutsAndOptionsEnableTheirControls) {
    auto box = OpenBox();
    auto* holy = Find<QCheckBox>(*box, "HolyBox");
    auto* holyPlacement = Find<QWidget>(*box, "HolyPlacement");
    auto* eventPlacement = Find<QWidget>(*box, "EventPlacement");
    auto* monthList = Find<QComboBox>(*box, "MonthList");
    auto* moon = Find<QCheckBox>(*box, "MoonBox");

    Find<BevelButton>(*box, "YearBut")->click();
    EXPECT_FALSE(monthList->isEnabled());
    EXPECT_TRUE(moon->isEnabled());
    EXPECT_FALSE(holyPlacement->isEnabled());
    EXPECT_FALSE(eventPlacement->isEnabled());

    Find<BevelButton>(*box, "CardBut")->click();
    EXPECT_FALSE(monthList->isEnabled());
    for (const char* name : {"MoonBox", "HolyBox", "EventBox"})
        EXPECT_FALSE(Find<QCheckBox>(*box, name)->isEnabled());
    EXPECT_TRUE(Find<QCheckBox>(*box, "ColorBox")->isEnabled());
    EXPECT_FALSE(Find<BevelButton>(*box, "MonthBut")->isChecked());

    Find<BevelButton>(*box, "MonthBut")->click();
    EXPECT_TRUE(monthList->isEnabled());
    EXPECT_TRUE(holyPlacement->isEnabled());
    holy->setChecked(false);
    EXPECT_FALSE(holyPlacement->isEnabled());
    EXPECT_TRUE(eventPlacement->isEnabled());
    Find<QRadioButton>(*box, "HolyBoth")->setChecked(true);
    holy->setChecked(true);
    EXPECT_TRUE(Find<QRadioButton>(*box, "HolyBoth")->isChecked());
}

TEST_F(PrintBoxTest, TheRangeLabelFollowsLayoutAndCount) {
    auto box = OpenBox();
    auto* count = Find<QLineEdit>(*box, "CountEdit");
    auto* label = Find<QLabel>(*box, "CountLabel");
    count->setText(QStringLiteral("2"));
    EXPECT_EQ(label->text(), QStringLiteral("Months"));
    Find<BevelButton>(*box, "CardBut")->click();
    EXPECT_EQ(label->text(), QStringLiteral("Years"));
    count->setText(QStringLiteral("1"));
    EXPECT_EQ(label->text(), QStringLiteral("Year"));
    Find<RoundButton>(*box, "CountUp")->click();
    EXPECT_EQ(count->text(), QStringLiteral("2"));
    for (int i = 0; i < 20; ++i) Find<RoundButton>(*box, "CountUp")->click();
    EXPECT_EQ(count->text(), QStringLiteral("12"));
    EXPECT_EQ(RangeLabel(CalendarLayout::Month, 12), "Months");
}

TEST_F(PrintBoxTest, LeavingTheBoxesCorrectsThem) {
    auto box = OpenBox(2, 2015);
    auto* year = Find<QLineEdit>(*box, "YearEdit");
    auto* count = Find<QLineEdit>(*box, "CountEdit");
    const struct {
        const char* typed;
        const char* year;
        const char* count;
    } cases[] = {{"abc", "2015", "1"},  {"1752", "2015", "1"}, {"2079", "2015", "1"}, {"", "2015", "1"},
                 {"1753", "1753", "1"}, {"2078", "2078", "1"}, {"12", "2015", "12"},  {"13", "2015", "1"},
                 {"0", "2015", "1"},    {"7", "2015", "7"}};
    for (const auto& c : cases) {
        year->setText(QString::fromLatin1(c.typed));
        Leave(year);
        EXPECT_EQ(year->text(), QString::fromLatin1(c.year)) << c.typed;
        count->setText(QString::fromLatin1(c.typed));
        Leave(count);
        EXPECT_EQ(count->text(), QString::fromLatin1(c.count)) << c.typed;
    }
    // "&Print" applies the corrections too, even when the focus never left.
    year->setText(QStringLiteral("99999"));
    count->setText(QStringLiteral("x"));
    const CalendarPrintRequest request = box->Request();
    EXPECT_EQ(request.year, 2015);
    EXPECT_EQ(request.count, 1);
    EXPECT_EQ(sound_.beeps, 0);
}

TEST_F(PrintBoxTest, EnterInTheBoxesMovesOnAndArrowsStep) {
    auto box = OpenBox();
    box->show();
    QApplication::setActiveWindow(box.get());
    QCoreApplication::processEvents();
    EXPECT_EQ(QApplication::focusWidget(), Find<QCheckBox>(*box, "MoonBox"));  // the focus on opening
    auto* year = Find<QLineEdit>(*box, "YearEdit");
    year->setFocus();
    QCoreApplication::processEvents();
    QKeyEvent up(QEvent::KeyPress, Qt::Key_Up, Qt::NoModifier);
    QApplication::sendEvent(year, &up);
    EXPECT_EQ(year->text(), QStringLiteral("2016"));
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(year, &enter);
    QCoreApplication::processEvents();
    EXPECT_TRUE(box->isVisible());  // Enter in the box does not print
    EXPECT_NE(QApplication::focusWidget(), year);
    box->hide();
}

TEST_F(PrintBoxTest, EscapeClosesWithoutWriting) {
    auto box = OpenBox();
    Find<BevelButton>(*box, "CardBut")->click();
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(box.get(), &escape);
    EXPECT_EQ(box->result(), QDialog::Rejected);
    EXPECT_FALSE(settings_.Ini().SectionExists("Print"));
}

TEST_F(PrintBoxTest, PrintWritesTheChoicesAndEveryJobIntoThePdf) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("months.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    auto box = OpenBox(11, 2000);
    box->UsePrinter(&printer);
    EXPECT_EQ(box->windowTitle(), QStringLiteral("Print  [Print to File (PDF)]"));
    Find<QLineEdit>(*box, "CountEdit")->setText(QStringLiteral("3"));
    Find<QCheckBox>(*box, "MoonBox")->setChecked(false);
    Find<BevelButton>(*box, "PrintBut")->click();
    EXPECT_EQ(box->result(), QDialog::Accepted);
    EXPECT_TRUE(prompt_.Log().empty());

    const IniFile ini = settings_.Ini();
    EXPECT_EQ(ini.ReadInteger("Print", "LastType", -1), 0);
    EXPECT_EQ(ini.ReadString("Print", "PrintMoon", ""), "0");
    EXPECT_EQ(ini.ReadString("Print", "PrintHoly", ""), "1");
    EXPECT_EQ(ini.ReadString("Print", "PrintEvent", ""), "1");

    const std::string quoted = "'" + path.toStdString() + "'";
    const std::string info = Capture("pdfinfo " + quoted + " 2>/dev/null");
    EXPECT_NE(info.find("Pages:           3"), std::string::npos) << info;
    const std::string text = Capture("pdftotext " + quoted + " - 2>/dev/null");
    for (const char* title : {"November 2000", "December 2000", "January 2001"}) {
        EXPECT_NE(text.find(title), std::string::npos) << title;
    }
}

TEST_F(PrintBoxTest, YearPagesStopAt2078) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("years.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    auto box = OpenBox(1, 2077);
    box->UsePrinter(&printer);
    Find<BevelButton>(*box, "YearBut")->click();
    Find<QLineEdit>(*box, "CountEdit")->setText(QStringLiteral("5"));
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(box.get(), &enter);  // Enter prints
    EXPECT_EQ(box->result(), QDialog::Accepted);
    EXPECT_EQ(settings_.Ini().ReadInteger("Print", "LastType", -1), 1);
    const std::string info = Capture("pdfinfo '" + path.toStdString() + "' 2>/dev/null");
    EXPECT_NE(info.find("Pages:           2"), std::string::npos) << info;
    EXPECT_NE(info.find("Orvanto Year Print"), std::string::npos) << info;
}

TEST_F(PrintBoxTest, AfterTheNoPrinterRefusalAFileChosenInSetupPrints) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("later.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);  // no file to write yet
    auto box = OpenBox(11, 2000);
    box->UsePrinter(&printer);
    box->show();
    Find<BevelButton>(*box, "PrintBut")->click();
    ASSERT_EQ(prompt_.Log().size(), 1u);
    // What the printer dialog of "Printer &Setup" does when a file is chosen.
    printer.setOutputFileName(path);
    EXPECT_EQ(printer.outputFileName(), path);
    Find<BevelButton>(*box, "PrintBut")->click();
    EXPECT_EQ(box->result(), QDialog::Accepted);
    EXPECT_EQ(prompt_.Log().size(), 1u);
    EXPECT_TRUE(QFileInfo::exists(path));
}

TEST_F(PrintBoxTest, APrinterThatCannotStartIsReportedAndTheDialogStays) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);  // no file to write: no printer
    auto box = OpenBox();
    box->UsePrinter(&printer);
    box->show();
    Find<BevelButton>(*box, "PrintBut")->click();
    EXPECT_TRUE(box->isVisible());
    ASSERT_EQ(prompt_.Log().size(), 1u);
    EXPECT_EQ(prompt_.Log()[0].messageKind, MessageKind::Error);
    EXPECT_EQ(prompt_.Log()[0].text,
              "No printer is available. Use Printer Setup to choose a printer or to print to a PDF file.");
    box->hide();
}

TEST(PrintBoxRulesTest, EnablingTable) {
    EXPECT_EQ(EnablingFor(CalendarLayout::Month, true, true), (PrintBoxEnabling{true, true, true, true}));
    EXPECT_EQ(EnablingFor(CalendarLayout::Month, false, true), (PrintBoxEnabling{true, true, false, true}));
    EXPECT_EQ(EnablingFor(CalendarLayout::Year, true, true), (PrintBoxEnabling{false, true, false, false}));
    EXPECT_EQ(EnablingFor(CalendarLayout::Card, true, true), (PrintBoxEnabling{false, false, false, false}));
    EXPECT_EQ(LayoutFromLastType(0), CalendarLayout::Month);
    EXPECT_EQ(LayoutFromLastType(1), CalendarLayout::Year);
    EXPECT_EQ(LayoutFromLastType(2), CalendarLayout::Card);
    EXPECT_EQ(LayoutFromLastType(-3), CalendarLayout::Card);
    EXPECT_EQ(CorrectedYear(" 1999 ", 2000), 1999);
    EXPECT_EQ(CorrectedYear("19 99", 2000), 2000);
    EXPECT_EQ(CorrectedCount("+3"), 1);
}

}  // namespace
}  // namespace orvanto
