// The "Events" window driven by objectName: opening, sorting and saving,
// editing a record in the panel, each commit check, deleting, finding and
// the save question on closing.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableView>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "calendar/day_number.h"
#include "calendar/serial_date.h"
#include "core/scripted_prompt.h"
#include "ui/reminders/event_list_form.h"
#include "ui/tests/ui_test_support.h"

namespace orvanto {
namespace {

using ::testing::ElementsAre;

const int k5March2005 = DayNumber(2005, 3, 5);
const int k10March2005 = DayNumber(2005, 3, 10);
const int k20March2005 = DayNumber(2005, 3, 20);

std::string At(int date, char sequence, const std::string& value) {
    return std::to_string(date) + "/" + sequence + "=" + value;
}

class EventListFormTest : public ::testing::Test {
protected:
    EventListFormTest() {
        test::Application();
        context_.settingsPath = folder_.Path();
        context_.clock = &clock_;
        context_.prompt = &prompt_;
        context_.sound = &sound_;
        context_.events = &events_;
        folder_.Ini().WriteInteger("Settings", "DateFormat", 1);
    }

    void WriteReminders(const std::vector<std::string>& lines) {
        std::vector<std::pair<std::string, std::string>> pairs;
        for (const std::string& line : lines) {
            const auto equals = line.find('=');
            pairs.emplace_back(line.substr(0, equals), line.substr(equals + 1));
        }
        folder_.Ini().ReplaceSection("Reminders", pairs);
    }
    std::vector<std::string> Stored() const {
        std::vector<std::string> lines;
        for (const auto& [key, value] : folder_.Ini().ReadSectionPairs("Reminders"))
            lines.push_back(key + "=" + value);
        return lines;
    }
    template <typename T>
    static T* Get(QWidget* form, const char* name) {
        T* child = form->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(child, nullptr) << name;
        return child;
    }
    static QString Cell(TEditRem& form, int row, int column) {
        QTableView* table = Get<QTableView>(&form, "StringGrid1");
        return table->model()->index(row, column).data().toString();
    }
    static std::vector<std::string> Messages(const TEditRem& form) {
        std::vector<std::string> texts;
        for (const EventListEntry& entry : form.Entries()) texts.push_back(entry.record.text);
        return texts;
    }
    static void SetField(TEditRem& form, const char* name, const QString& text) {
        Get<QLineEdit>(&form, name)->setText(text);
    }

    test::SettingsFolder folder_;
    FakeClock clock_{EncodeDate(2005, 3, 8) + EncodeTime(9, 0, 0)};
    ScriptedPrompt prompt_;
    test::CountingSound sound_;
    AppEvents events_;
    AppContext context_;
};

TEST_F(EventListFormTest, AnEmptySectionOpensWithNothingToPrintOrDelete) {
    TEditRem form(context_);
    EXPECT_EQ(form.Caption()->Title()->Text(), QStringLiteral("Events [0]"));
    EXPECT_EQ(form.size(), QSize(527, 486));
    EXPECT_FALSE(Get<QWidget>(&form, "PrintListButton")->isEnabled());
    EXPECT_FALSE(Get<QWidget>(&form, "DeleteButton")->isEnabled());
    EXPECT_TRUE(Get<QWidget>(&form, "FindButton")->isEnabled());
    EXPECT_FALSE(Get<QWidget>(&form, "MaskEdit1")->isEnabled()) << "no record open";
    EXPECT_FALSE(Get<QWidget>(&form, "Memo1")->isEnabled());
    EXPECT_EQ(form.SelectedRow(), std::nullopt);
}

TEST_F(EventListFormTest, OpensOnTheFirstRecordFromTodayWithItsCells) {
    WriteReminders({At(k5March2005, '0', "10000,0,9999,00000000,Past"),
                    At(k10March2005, '0', "11012,3,1430,4CDF0005,Gym"),
                    At(k20March2005, '0', "21010,0,9999,00000000,Spring")});
    TEditRem form(context_);
    EXPECT_EQ(form.Caption()->Title()->Text(), QStringLiteral("Events [3]"));
    EXPECT_EQ(form.SelectedRow(), 1u);
    const QStringList expected = {QStringLiteral("002 "),       QStringLiteral("03/10/2005"),
                                  QStringLiteral("14:30"),      QStringLiteral(" 3"),
                                  QStringLiteral("Gym"),        QStringLiteral("Reminder every 1 week"),
                                  QStringLiteral("03/15/1970"), QStringLiteral("05 times")};
    for (int column = 0; column < kEventColumnCount; ++column)
        EXPECT_EQ(Cell(form, 1, column), expected[column]);
    QTableView* table = Get<QTableView>(&form, "StringGrid1");
    EXPECT_EQ(table->horizontalHeader()->toolTip(),
              QStringLiteral("Click on any column header to sort the table.\nTitle will become boldface."));
    EXPECT_EQ(table->toolTip(), QString()) << "the hint belongs to the header row only";
    const int rowHeight = table->verticalHeader()->defaultSectionSize();
    EXPECT_EQ(rowHeight, QFontMetrics(table->font()).height() + 3);
    EXPECT_EQ((table->height() - 4 - table->horizontalScrollBar()->height()) % rowHeight, 0) << "whole rows";
    EXPECT_LE(table->height(), 124);
    const QFontMetrics metrics(table->font());
    EXPECT_GE(table->columnWidth(kMessageColumn), metrics.horizontalAdvance(QStringLiteral("Spring")) + 5);
}

TEST_F(EventListFormTest, SortingTwiceThenSavingRenumbersEachDay) {
    WriteReminders({At(k5March2005, '0', "10000,0,9999,00000000,beta"),
                    At(k5March2005, '1', "10000,0,9999,00000000,alpha"),
                    At(k5March2005, '2', "10000,0,9999,00000000,gamma"),
                    At(k10March2005, '0', "10000,0,9999,00000000,delta")});
    TEditRem form(context_);
    int changed = 0;
    QObject::connect(&events_, &AppEvents::RemindersChanged, [&changed] { ++changed; });
    QTableView* table = Get<QTableView>(&form, "StringGrid1");
    form.ClickHeader(kMessageColumn);
    EXPECT_THAT(Messages(form), ElementsAre("alpha", "beta", "delta", "gamma"));
    EXPECT_TRUE(
        table->model()->headerData(kMessageColumn, Qt::Horizontal, Qt::FontRole).value<QFont>().bold());
    form.ClickHeader(kMessageColumn);
    EXPECT_THAT(Messages(form), ElementsAre("gamma", "delta", "beta", "alpha"));
    EXPECT_FALSE(form.SortAscending());
    form.ClickHeader(kDateColumn);
    EXPECT_TRUE(form.SortAscending());
    EXPECT_FALSE(table->model()->headerData(kMessageColumn, Qt::Horizontal, Qt::FontRole).isValid())
        << "only the sorted column is bold";
    EXPECT_EQ(Cell(form, 0, kMessageColumn), QStringLiteral("gamma")) << "equal dates keep their order";
    EXPECT_EQ(Cell(form, 0, kNumberColumn), QStringLiteral("003 ")) << "numbers stay with their records";

    form.PressOk();
    EXPECT_TRUE(form.Saved());
    EXPECT_EQ(changed, 1);
    EXPECT_THAT(Stored(), ElementsAre(At(k5March2005, '0', "10000,0,9999,00000000,alpha"),
                                      At(k5March2005, '1', "10000,0,9999,00000000,beta"),
                                      At(k5March2005, '2', "10000,0,9999,00000000,gamma"),
                                      At(k10March2005, '0', "10000,0,9999,00000000,delta")));
}

TEST_F(EventListFormTest, AHeaderClickWithAModifierOrTheRightButtonDoesNotSort) {
    WriteReminders(
        {At(k5March2005, '0', "10000,0,9999,00000000,b"), At(k10March2005, '0', "10000,0,9999,00000000,a")});
    TEditRem form(context_);
    form.show();
    QWidget* header = Get<QTableView>(&form, "StringGrid1")->horizontalHeader()->viewport();
    const int x =
        Get<QTableView>(&form, "StringGrid1")->horizontalHeader()->sectionViewportPosition(kMessageColumn) +
        10;
    const auto click = [header, x](Qt::MouseButton button, Qt::KeyboardModifiers modifiers) {
        const QPointF at(x, 5);
        QMouseEvent press(QEvent::MouseButtonPress, at, header->mapToGlobal(at), button, button, modifiers);
        QApplication::sendEvent(header, &press);
        QMouseEvent release(QEvent::MouseButtonRelease, at, header->mapToGlobal(at), button, Qt::NoButton,
                            modifiers);
        QApplication::sendEvent(header, &release);
    };
    click(Qt::LeftButton, Qt::ShiftModifier);
    click(Qt::RightButton, Qt::NoModifier);
    EXPECT_EQ(form.SortColumn(), -1);
    click(Qt::LeftButton, Qt::NoModifier);
    EXPECT_EQ(form.SortColumn(), kMessageColumn);
    EXPECT_THAT(Messages(form), ElementsAre("a", "b"));
}

TEST_F(EventListFormTest, EditingADateMovesTheRowAndKeepsItSelected) {
    WriteReminders({At(k5March2005, '0', "10000,0,9999,00000000,moves"),
                    At(k10March2005, '0', "10000,0,9999,00000000,tenth"),
                    At(DayNumber(2005, 3, 15), '0', "10000,0,9999,00000000,fifteenth")});
    TEditRem form(context_);
    form.DoubleClickRow(0);
    EXPECT_EQ(form.OpenRow(), 0u);
    EXPECT_EQ(Get<QLineEdit>(&form, "MaskEdit1")->text(), QStringLiteral("03")) << "month first";
    EXPECT_EQ(Get<QLineEdit>(&form, "MaskEdit2")->text(), QStringLiteral("05"));
    EXPECT_EQ(Get<QLabel>(&form, "Label2")->text(), QStringLiteral("Sat"));
    SetField(form, "MaskEdit2", QStringLiteral("20"));
    EXPECT_EQ(Get<QLabel>(&form, "Label2")->text(), QStringLiteral("Sun"));
    SetField(form, "MaskEdit2", QStringLiteral("32"));
    EXPECT_EQ(Get<QLabel>(&form, "Label2")->text(), QString());
    SetField(form, "MaskEdit2", QStringLiteral("20"));
    form.ClickRow(1);
    EXPECT_EQ(form.OpenRow(), std::nullopt) << "a click commits and empties the panel";
    EXPECT_FALSE(Get<QWidget>(&form, "MaskEdit1")->isEnabled());
    EXPECT_THAT(Messages(form), ElementsAre("tenth", "fifteenth", "moves"));
    EXPECT_EQ(form.SelectedRow(), 2u);
    EXPECT_EQ(Cell(form, 2, kDateColumn), QStringLiteral("03/20/2005"));
    EXPECT_TRUE(form.Changed());
    EXPECT_TRUE(Stored().front().find("moves") != std::string::npos) << "nothing written before saving";
}

TEST_F(EventListFormTest, ThePanelFollowsTheTypeAndRepeatRules) {
    WriteReminders({At(k10March2005, '0', "12B45,3,1430,4CDF0007,Anna")});
    TEditRem form(context_);
    form.DoubleClickRow(0);
    EXPECT_TRUE(Get<QRadioButton>(&form, "RadioButton3")->isChecked());
    EXPECT_EQ(Get<QComboBox>(&form, "ComboBox3")->currentText(), QStringLiteral("4th"));
    EXPECT_EQ(Get<QComboBox>(&form, "ComboBox4")->currentText(), QStringLiteral("Friday"));
    EXPECT_EQ(Get<QComboBox>(&form, "ComboBox6")->currentText(), QStringLiteral("November"));
    EXPECT_TRUE(Get<QCheckBox>(&form, "CheckBox3")->isChecked());
    EXPECT_TRUE(Get<QRadioButton>(&form, "RadioButton5")->isChecked());
    EXPECT_EQ(Get<QLineEdit>(&form, "MaskEdit8")->text(), QStringLiteral("07"));
    EXPECT_TRUE(Get<QLineEdit>(&form, "MaskEdit8")->isEnabled());
    EXPECT_FALSE(Get<QDateEdit>(&form, "DateTimePicker2")->isEnabled());
    EXPECT_EQ(Get<QDateEdit>(&form, "DateTimePicker2")->date(), QDate(2005, 12, 31));
    EXPECT_EQ(Get<QDateEdit>(&form, "DateTimePicker1")->date(), QDate(1970, 3, 15));
    EXPECT_EQ(Get<QDateEdit>(&form, "DateTimePicker1")->displayFormat(), QStringLiteral("M/dd/yyyy"));
    EXPECT_TRUE(Get<QLineEdit>(&form, "MaskEdit6")->isEnabled());
    EXPECT_FALSE(Get<QComboBox>(&form, "ComboBox5")->isEnabled()) << "no AM/PM on a 24-hour clock";

    Get<QComboBox>(&form, "ComboBox1")->setCurrentIndex(1);  // holiday
    EXPECT_FALSE(Get<QLineEdit>(&form, "MaskEdit4")->isEnabled());
    EXPECT_FALSE(Get<QCheckBox>(&form, "CheckBox2")->isEnabled());
    EXPECT_TRUE(Get<QRadioButton>(&form, "RadioButton2")->isEnabled());
    Get<QComboBox>(&form, "ComboBox1")->setCurrentIndex(2);  // bookmark
    EXPECT_FALSE(Get<QRadioButton>(&form, "RadioButton2")->isEnabled());
    EXPECT_FALSE(Get<QCheckBox>(&form, "CheckBox3")->isEnabled());
    Get<QComboBox>(&form, "ComboBox1")->setCurrentIndex(0);
    Get<QRadioButton>(&form, "RadioButton2")->setChecked(true);
    EXPECT_EQ(Get<QLineEdit>(&form, "MaskEdit5")->text(), QStringLiteral("1"));
    EXPECT_EQ(Get<QComboBox>(&form, "ComboBox2")->currentText(), QStringLiteral("years"));
    Get<QRadioButton>(&form, "RadioButton1")->setChecked(true);
    EXPECT_EQ(Get<QLineEdit>(&form, "MaskEdit5")->text(), QString());
    EXPECT_FALSE(Get<QCheckBox>(&form, "CheckBox3")->isEnabled());
    Get<QCheckBox>(&form, "CheckBox1")->setChecked(false);
    EXPECT_FALSE(Get<QLineEdit>(&form, "MaskEdit6")->isEnabled());

    Get<QAbstractButton>(&form, "MaskEdit4Up")->click();
    EXPECT_EQ(Get<QLineEdit>(&form, "MaskEdit4")->text(), QStringLiteral("04"));
    SetField(form, "MaskEdit3", QStringLiteral("2078"));
    Get<QAbstractButton>(&form, "MaskEdit3Up")->click();
    EXPECT_EQ(Get<QLineEdit>(&form, "MaskEdit3")->text(), QStringLiteral("2078"))
        << "spins stop at their bounds";
}

struct CommitCase {
    const char* name;
    void (*change)(TEditRem&);
    const char* message;  // empty: a beep only
    const char* focus;
    int page;  // -1: unchanged
};

void Set(TEditRem& form, const char* name, const char* text) {
    form.findChild<QLineEdit*>(QString::fromLatin1(name))->setText(QString::fromLatin1(text));
}
void Advanced(TEditRem& form, bool dateLimit) {
    form.findChild<QCheckBox*>(QStringLiteral("CheckBox3"))->setChecked(true);
    form.findChild<QRadioButton*>(dateLimit ? QStringLiteral("RadioButton4") : QStringLiteral("RadioButton5"))
        ->setChecked(true);
}

TEST_F(EventListFormTest, EachCommitCheckKeepsTheRecordOpen) {
    const CommitCase cases[] = {
        {"29 February 2005",
         [](TEditRem& f) {
             Set(f, "MaskEdit1", "02");
             Set(f, "MaskEdit2", "29");
         },
         "Invalid Date", "MaskEdit1", -1},
        {"hour 24", [](TEditRem& f) { Set(f, "MaskEdit6", "24"); }, "", "MaskEdit6", -1},
        {"minute 60", [](TEditRem& f) { Set(f, "MaskEdit7", "60"); }, "", "MaskEdit7", -1},
        {"start 1900",
         [](TEditRem& f) {
             f.findChild<QCheckBox*>(QStringLiteral("CheckBox2"))->setChecked(true);
             f.findChild<QDateEdit*>(QStringLiteral("DateTimePicker1"))->setDate(QDate(1900, 6, 1));
         },
         "Start date out of range.", "DateTimePicker1", 1},
        {"limit on the event date",
         [](TEditRem& f) {
             Advanced(f, true);
             f.findChild<QDateEdit*>(QStringLiteral("DateTimePicker2"))->setDate(QDate(2005, 3, 10));
         },
         "Limit should be greather than event date.", "DateTimePicker2", 1},
        {"limit in 2100",
         [](TEditRem& f) {
             Advanced(f, true);
             f.findChild<QDateEdit*>(QStringLiteral("DateTimePicker2"))->setDate(QDate(2100, 1, 1));
         },
         "Limit date out of range.", "DateTimePicker2", 1},
        {"count 0",
         [](TEditRem& f) {
             Advanced(f, false);
             Set(f, "MaskEdit8", "0");
         },
         "Limit out of range.", "MaskEdit8", 1},
        {"empty count",
         [](TEditRem& f) {
             Advanced(f, false);
             Set(f, "MaskEdit8", "");
         },
         "Limit out of range.", "MaskEdit8", 1},
    };
    WriteReminders({At(k10March2005, '0', "11012,0,1430,00000000,Gym"),
                    At(k20March2005, '0', "10000,0,9999,00000000,x")});
    for (const CommitCase& c : cases) {
        TEditRem form(context_);
        form.show();
        form.DoubleClickRow(0);
        c.change(form);
        prompt_.Clear();
        sound_.beeps = 0;
        form.ClickRow(1);
        EXPECT_EQ(form.OpenRow(), 0u) << c.name;
        if (*c.message) {
            EXPECT_THAT(prompt_.Texts(), ElementsAre(c.message)) << c.name;
            EXPECT_EQ(prompt_.Log().front().messageKind, MessageKind::Warning) << c.name;
        } else {
            EXPECT_TRUE(prompt_.Texts().empty()) << c.name;
            EXPECT_EQ(sound_.beeps, 1) << c.name;
        }
        EXPECT_EQ(form.focusWidget(), form.findChild<QWidget*>(QString::fromLatin1(c.focus))) << c.name;
        if (c.page >= 0) {
            EXPECT_EQ(form.findChild<QTabWidget*>(QStringLiteral("PageControl1"))->currentIndex(), c.page);
        }
        EXPECT_FALSE(form.Changed()) << c.name;
        form.DoubleClickRow(1);
        EXPECT_EQ(form.OpenRow(), 0u) << c.name << ": a failed commit opens no other record";
        prompt_.Clear();
        form.PressOk();
        EXPECT_FALSE(form.Saved()) << c.name << ": nothing is saved after a failed commit";
        form.hide();
    }
    EXPECT_EQ(Stored().front(), At(k10March2005, '0', "11012,0,1430,00000000,Gym"));
}

TEST_F(EventListFormTest, DeletingThenClosingAsksToSave) {
    WriteReminders({At(k10March2005, '0', "10000,0,9999,00000000,first"),
                    At(k20March2005, '0', "10000,0,9999,00000000,second")});
    const std::vector<std::string> before = Stored();
    {
        TEditRem form(context_);
        form.show();
        form.SelectRow(0);
        prompt_.QueueAnswer(false);
        form.PressDelete();
        EXPECT_EQ(form.Entries().size(), 2u) << "Cancel keeps the record";
        prompt_.QueueAnswer(true);
        form.PressDelete();
        EXPECT_THAT(prompt_.Texts(), ElementsAre("Delete \"first\"?", "Delete \"first\"?"));
        EXPECT_THAT(Messages(form), ElementsAre("second"));
        EXPECT_EQ(form.SelectedRow(), 0u);
        EXPECT_EQ(form.Caption()->Title()->Text(), QStringLiteral("Events [1]"));
        prompt_.Clear();
        prompt_.QueueAnswer(false);
        form.Caption()->CloseButton()->click();
        EXPECT_THAT(prompt_.Texts(), ElementsAre("    Save changes to disk?    "));
        EXPECT_FALSE(form.isVisible());
    }
    EXPECT_EQ(Stored(), before) << "No leaves the file untouched";
    {
        TEditRem form(context_);
        form.show();
        form.SelectRow(1);
        prompt_.QueueAnswer(true);
        form.PressDelete();
        prompt_.Clear();
        prompt_.QueueAnswer(true);
        form.reject();  // Escape
        EXPECT_THAT(prompt_.Texts(), ElementsAre("    Save changes to disk?    "));
        EXPECT_TRUE(form.Saved());
    }
    EXPECT_THAT(Stored(), ElementsAre(At(k10March2005, '0', "10000,0,9999,00000000,first")));
}

TEST_F(EventListFormTest, DeleteWithoutASelectionAsksForOne) {
    WriteReminders({At(k10March2005, '0', "10000,0,9999,00000000,first")});
    TEditRem form(context_);
    Get<QTableView>(&form, "StringGrid1")->clearSelection();
    form.PressDelete();
    ASSERT_EQ(prompt_.Log().size(), 1u);
    EXPECT_EQ(prompt_.Log()[0].text, "Please select an event first.");
    EXPECT_EQ(prompt_.Log()[0].messageKind, MessageKind::Information);
    EXPECT_THAT(sound_.events, ElementsAre("SystemExclamation"));
}

TEST_F(EventListFormTest, FindStopsAfterTheLastMatch) {
    WriteReminders({At(k5March2005, '0', "10000,0,9999,00000000,Dentist"),
                    At(k10March2005, '0', "10000,0,9999,00000000,Gym"),
                    At(k20March2005, '0', "10000,0,9999,00000000,dentist again")});
    TEditRem form(context_);
    FindDialog* dialog = form.OpenFindDialog();
    ASSERT_NE(dialog, nullptr);
    dialog->Edit()->setText(QStringLiteral("dentist"));
    dialog->findChild<QPushButton*>(QStringLiteral("FindNextButton"))->click();
    EXPECT_EQ(form.SelectedRow(), 0u);
    form.FindNext(QStringLiteral("dentist"), false);
    EXPECT_EQ(form.SelectedRow(), 2u) << "the last row";
    form.FindNext(QStringLiteral("dentist"), false);
    EXPECT_THAT(prompt_.Texts(), ElementsAre("Search string \"dentist\" not found."));
    EXPECT_EQ(prompt_.Log()[0].title, "Orvanto");
    EXPECT_EQ(form.SelectedRow(), 2u) << "no wrap to the top";
    form.FindNext(QStringLiteral("dentist"), true);
    EXPECT_EQ(prompt_.Texts().size(), 2u) << "still no wrap, whatever the case option";
    form.OpenFindDialog();
    form.FindNext(QStringLiteral("dentist"), true);
    EXPECT_EQ(form.SelectedRow(), 2u) << "opening the dialog starts from the top; match case skips row 0";
    form.FindNext(QStringLiteral("gym"), false);
    EXPECT_EQ(form.SelectedRow(), 1u) << "a new text starts at the top";
}

TEST_F(EventListFormTest, MouseClicksOnTheTableOpenAndCommit) {
    WriteReminders({At(k10March2005, '0', "10000,0,9999,00000000,first"),
                    At(k20March2005, '0', "10000,0,9999,00000000,second")});
    TEditRem form(context_);
    form.show();
    QTableView* table = Get<QTableView>(&form, "StringGrid1");
    QWidget* viewport = table->viewport();
    const QPoint at = table->visualRect(table->model()->index(0, kMessageColumn)).center();
    const auto send = [viewport, at](QEvent::Type type, Qt::MouseButtons buttons) {
        QMouseEvent event(type, QPointF(at), viewport->mapToGlobal(QPointF(at)), Qt::LeftButton, buttons,
                          Qt::NoModifier);
        QApplication::sendEvent(viewport, &event);
    };
    send(QEvent::MouseButtonPress, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, Qt::NoButton);
    send(QEvent::MouseButtonDblClick, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, Qt::NoButton);
    EXPECT_EQ(form.OpenRow(), 0u) << "the release after a double click keeps the record open";
    EXPECT_EQ(Get<QPlainTextEdit>(&form, "Memo1")->toPlainText(), QStringLiteral("first"));
    Get<QPlainTextEdit>(&form, "Memo1")->setPlainText(QStringLiteral("first, changed"));
    send(QEvent::MouseButtonPress, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, Qt::NoButton);
    EXPECT_EQ(form.OpenRow(), std::nullopt);
    EXPECT_EQ(Cell(form, 0, kMessageColumn), QStringLiteral("first, changed"));
    form.PressOk();
    EXPECT_EQ(Stored().front(), At(k10March2005, '0', "10000,0,9999,00000000,first, changed"));
}

TEST_F(EventListFormTest, TwelveHourTimesAndACancelledCloseKeepTheFile) {
    context_.timeStyle.twelveHour = true;
    WriteReminders({At(k10March2005, '0', "10000,0,0015,00000000,night")});
    const std::vector<std::string> before = Stored();
    TEditRem form(context_);
    EXPECT_EQ(Cell(form, 0, kTimeColumn), QStringLiteral("12:15a"));
    form.DoubleClickRow(0);
    EXPECT_EQ(Get<QLineEdit>(&form, "MaskEdit6")->text(), QStringLiteral("12"));
    EXPECT_EQ(Get<QComboBox>(&form, "ComboBox5")->currentText(), QStringLiteral("AM"));
    Get<QComboBox>(&form, "ComboBox5")->setCurrentIndex(1);
    SetField(form, "MaskEdit6", QStringLiteral("03"));
    form.DoubleClickRow(0);
    EXPECT_EQ(Cell(form, 0, kTimeColumn), QStringLiteral("03:15p"));
    prompt_.Clear();
    prompt_.QueueAnswer(false);
    Get<QAbstractButton>(&form, "CancelButton2")->click();
    EXPECT_THAT(prompt_.Texts(), ElementsAre("    Save changes to disk?    "));
    EXPECT_EQ(Stored(), before);
}

TEST_F(EventListFormTest, AnyOtherCloseCommitsFirstAndEnterIsOk) {
    WriteReminders({At(k10March2005, '0', "10000,0,9999,00000000,first")});
    {
        TEditRem form(context_);
        form.show();
        form.DoubleClickRow(0);
        SetField(form, "MaskEdit2", QStringLiteral("31"));
        SetField(form, "MaskEdit1", QStringLiteral("02"));
        EXPECT_FALSE(form.close()) << "an invalid record keeps the window open";
        EXPECT_THAT(prompt_.Texts(), ElementsAre("Invalid Date"));
        EXPECT_TRUE(form.isVisible());
        SetField(form, "MaskEdit1", QStringLiteral("03"));
        prompt_.Clear();
        prompt_.QueueAnswer(true);
        EXPECT_TRUE(form.close());
        EXPECT_THAT(prompt_.Texts(), ElementsAre("    Save changes to disk?    "));
    }
    EXPECT_THAT(Stored(), ElementsAre(At(DayNumber(2005, 3, 31), '0', "10000,0,9999,00000000,first")));
    {
        TEditRem form(context_);
        form.show();
        form.DoubleClickRow(0);
        Get<QPlainTextEdit>(&form, "Memo1")->setPlainText(QStringLiteral("by Enter"));
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(&form, &enter);
        EXPECT_TRUE(form.Saved());
        EXPECT_FALSE(form.isVisible());
    }
    EXPECT_THAT(Stored(), ElementsAre(At(DayNumber(2005, 3, 31), '0', "10000,0,9999,00000000,by Enter")));
}

}  // namespace
}  // namespace orvanto
