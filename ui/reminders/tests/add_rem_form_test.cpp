// The "Add Event" dialog driven by objectName: defaults, enabling rules, the
// value it stores and the checks on OK and on leaving a field.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QTextBrowser>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "calendar/day_number.h"
#include "calendar/serial_date.h"
#include "core/scripted_prompt.h"
#include "ui/help/help_window.h"
#include "ui/reminders/add_rem_form.h"
#include "ui/tests/ui_test_support.h"

namespace orvanto {
namespace {

class AddRemFormTest : public testing::Test {
protected:
    AddRemFormTest() { test::Application(); }

    AddReminderContext Context(int dateFormat = 1, bool twelveHour = false) {
        AddReminderContext context;
        context.settingsPath = folder_.Path();
        context.clock = &clock_;
        context.prompt = &prompt_;
        context.sound = &sound_;
        context.dateFormat = dateFormat;
        context.twelveHour = twelveHour;
        return context;
    }
    template <typename T>
    static T* Get(QWidget* form, const char* name) {
        T* child = form->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(child, nullptr) << name;
        return child;
    }
    std::vector<std::string> Stored() { return folder_.Ini().ReadSectionValues("Reminders"); }

    test::SettingsFolder folder_;
    FakeClock clock_{EncodeDate(2005, 12, 20) + EncodeTime(14, 29, 40)};
    ScriptedPrompt prompt_;
    test::CountingSound sound_;
};

TEST_F(AddRemFormTest, DefaultsForTheDay) {
    TAddRemForm form(Context(1), CivilDate{2005, 12, 25}, false);
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Add Event"));
    EXPECT_EQ(Get<QLineEdit>(&form, "FirstDateEdit")->text(), QStringLiteral("12"));
    EXPECT_EQ(Get<QLineEdit>(&form, "SecondDateEdit")->text(), QStringLiteral("25"));
    EXPECT_EQ(Get<QLineEdit>(&form, "YearEdit")->text(), QStringLiteral("2005"));
    EXPECT_EQ(Get<QLabel>(&form, "WeekdayLabel")->text(), QStringLiteral("Sun"));
    EXPECT_EQ(Get<QLineEdit>(&form, "WarningEdit")->text(), QStringLiteral("0"));
    EXPECT_EQ(Get<QComboBox>(&form, "TypeList")->currentText(), QStringLiteral("Reminder"));
    EXPECT_TRUE(Get<QRadioButton>(&form, "NoRepeatBox")->isChecked());
    EXPECT_FALSE(Get<QLineEdit>(&form, "EveryEdit")->isEnabled());
    EXPECT_FALSE(Get<QCheckBox>(&form, "LimitBox")->isEnabled());
    EXPECT_FALSE(Get<QWidget>(&form, "OKButton")->isEnabled()) << "no message yet";
    EXPECT_FALSE(Get<QLineEdit>(&form, "HourEdit")->isEnabled());
    EXPECT_EQ(Get<QDateEdit>(&form, "StartDatePicker")->date(), QDate(2004, 12, 25));
    EXPECT_EQ(Get<QDateEdit>(&form, "LimitDatePicker")->date(), QDate(2005, 12, 31));
    EXPECT_EQ(Get<QDateEdit>(&form, "LimitDatePicker")->displayFormat(), QStringLiteral("M/dd/yyyy"));

    TAddRemForm leap(Context(2), CivilDate{2004, 2, 29}, false);
    EXPECT_EQ(Get<QLineEdit>(&leap, "FirstDateEdit")->text(), QStringLiteral("29"));
    EXPECT_EQ(Get<QDateEdit>(&leap, "StartDatePicker")->date(), QDate(2003, 3, 1));
}

TEST_F(AddRemFormTest, TimedFieldsStartAMinuteAheadAndFollowTheType) {
    TAddRemForm form(Context(1, true), CivilDate{2005, 12, 25}, true);
    EXPECT_TRUE(Get<QCheckBox>(&form, "TimedBox")->isChecked());
    EXPECT_EQ(Get<QLineEdit>(&form, "HourEdit")->text(), QStringLiteral("2"));
    EXPECT_EQ(Get<QLineEdit>(&form, "MinuteEdit")->text(), QStringLiteral("30"));
    EXPECT_EQ(Get<QComboBox>(&form, "AmPmList")->currentText(), QStringLiteral("PM"));
    Get<QComboBox>(&form, "TypeList")->setCurrentIndex(1);
    EXPECT_FALSE(Get<QCheckBox>(&form, "TimedBox")->isChecked());
    EXPECT_FALSE(Get<QCheckBox>(&form, "TimedBox")->isEnabled());
    EXPECT_EQ(Get<QLineEdit>(&form, "HourEdit")->text(), QString());
    EXPECT_FALSE(Get<QLineEdit>(&form, "WarningEdit")->isEnabled());
    Get<QComboBox>(&form, "TypeList")->setCurrentIndex(2);
    EXPECT_FALSE(Get<QRadioButton>(&form, "RepeatEveryBox")->isEnabled());
}

TEST_F(AddRemFormTest, RepeatChoicesSetTheirLists) {
    TAddRemForm form(Context(), CivilDate{2005, 12, 25}, false);
    Get<QRadioButton>(&form, "RepeatEveryBox")->setChecked(true);
    EXPECT_EQ(Get<QLineEdit>(&form, "EveryEdit")->text(), QStringLiteral("1"));
    EXPECT_EQ(Get<QComboBox>(&form, "UnitList")->currentText(), QStringLiteral("years"));
    EXPECT_TRUE(Get<QCheckBox>(&form, "LimitBox")->isEnabled());
    Get<QCheckBox>(&form, "LimitBox")->setChecked(true);
    EXPECT_TRUE(Get<QRadioButton>(&form, "DateLimitBox")->isChecked());
    Get<QRadioButton>(&form, "RepeatOnBox")->setChecked(true);
    EXPECT_FALSE(Get<QLineEdit>(&form, "EveryEdit")->isEnabled());
    EXPECT_EQ(Get<QComboBox>(&form, "WhichList")->currentText(), QStringLiteral("All"));
    EXPECT_EQ(Get<QComboBox>(&form, "WeekdayList")->currentText(), QStringLiteral("Sunday"));
    EXPECT_EQ(Get<QComboBox>(&form, "MonthList")->currentText(), QStringLiteral("Every month"));
    Get<QRadioButton>(&form, "NoRepeatBox")->setChecked(true);
    EXPECT_FALSE(Get<QCheckBox>(&form, "LimitBox")->isEnabled());
}

TEST_F(AddRemFormTest, HolidayEveryYearIsStored) {
    TAddRemForm form(Context(1), CivilDate{2005, 12, 25}, false);
    Get<QComboBox>(&form, "TypeList")->setCurrentIndex(1);
    Get<QRadioButton>(&form, "RepeatEveryBox")->setChecked(true);
    Get<QPlainTextEdit>(&form, "MessageMemo")->setPlainText(QStringLiteral("Christmas"));
    ASSERT_TRUE(Get<QWidget>(&form, "OKButton")->isEnabled());
    Get<QAbstractButton>(&form, "OKButton")->click();
    EXPECT_TRUE(form.Stored());
    EXPECT_THAT(Stored(), testing::ElementsAre(std::to_string(DayNumber(2005, 12, 25)) +
                                               "/0=21010,0,9999,00000000,Christmas"));
}

TEST_F(AddRemFormTest, EnterInTheMessageStoresTheTwelveHourTime) {
    TAddRemForm form(Context(1, true), CivilDate{2005, 12, 25}, true);
    Get<QLineEdit>(&form, "HourEdit")->setText(QStringLiteral("12"));
    Get<QLineEdit>(&form, "MinuteEdit")->setText(QStringLiteral("15"));
    Get<QComboBox>(&form, "AmPmList")->setCurrentIndex(0);
    auto* memo = Get<QPlainTextEdit>(&form, "MessageMemo");
    memo->setPlainText(QStringLiteral("Night call"));
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(memo, &enter);
    EXPECT_TRUE(form.Stored());
    EXPECT_THAT(Stored(), testing::ElementsAre(testing::EndsWith("=10000,0,0015,00000000,Night call")));
}

TEST_F(AddRemFormTest, InvalidDateOnOkWarnsAndStoresNothing) {
    TAddRemForm form(Context(1), CivilDate{2005, 2, 28}, false);
    Get<QLineEdit>(&form, "SecondDateEdit")->setText(QStringLiteral("29"));
    EXPECT_EQ(Get<QLabel>(&form, "WeekdayLabel")->text(), QString());
    Get<QPlainTextEdit>(&form, "MessageMemo")->setPlainText(QStringLiteral("x"));
    Get<QAbstractButton>(&form, "OKButton")->click();
    EXPECT_FALSE(form.Stored());
    EXPECT_TRUE(Stored().empty());
    ASSERT_FALSE(prompt_.Log().empty());
    EXPECT_EQ(prompt_.Log().back().text, "Invalid Date");
    EXPECT_EQ(sound_.beeps, 1);
}

// OK never takes the focus: the field still being typed in is checked by OK.
TEST_F(AddRemFormTest, OkChecksTheFieldStillBeingTypedIn) {
    struct Case {
        const char* field;
        const char* typed;
        const char* message;  // empty: a beep only
        const char* page;
    };
    const Case cases[] = {
        {"EveryEdit", "100", "Value must be between 1 and 99.", "GeneralPage"},
        {"WarningEdit", "", "", "GeneralPage"},
        {"CountEdit", "0", "Value should be between 1 and 99", "AdvancedPage"},
        {"HourEdit", "24", "Invalid Time", nullptr},
    };
    for (const Case& c : cases) {
        prompt_.Clear();
        sound_.beeps = 0;
        TAddRemForm form(Context(1), CivilDate{2005, 12, 25}, true);
        Get<QRadioButton>(&form, "RepeatEveryBox")->setChecked(true);
        Get<QCheckBox>(&form, "LimitBox")->setChecked(true);
        Get<QRadioButton>(&form, "CountLimitBox")->setChecked(true);
        Get<QPlainTextEdit>(&form, "MessageMemo")->setPlainText(QStringLiteral("Feb test"));
        if (c.page) {
            Get<QTabWidget>(&form, "Pages")
                ->setCurrentWidget(Get<QWidget>(
                    &form, std::string(c.page) == "GeneralPage" ? "AdvancedPage" : "GeneralPage"));
        }
        Get<QLineEdit>(&form, c.field)->setText(QString::fromLatin1(c.typed));
        Get<QAbstractButton>(&form, "OKButton")->click();
        EXPECT_FALSE(form.Stored()) << c.field;
        EXPECT_TRUE(Stored().empty()) << c.field;
        EXPECT_EQ(sound_.beeps, 1) << c.field;
        if (*c.message) {
            ASSERT_EQ(prompt_.Texts(), std::vector<std::string>{c.message}) << c.field;
        } else {
            EXPECT_TRUE(prompt_.Log().empty()) << c.field;
        }
        if (c.page) {
            EXPECT_EQ(Get<QTabWidget>(&form, "Pages")->currentWidget()->objectName(),
                      QString::fromLatin1(c.page))
                << c.field;
        }
    }
}

TEST_F(AddRemFormTest, LimitNotAfterTheEventShowsTheAdvancedPage) {
    TAddRemForm form(Context(1), CivilDate{2005, 12, 25}, false);
    Get<QRadioButton>(&form, "RepeatEveryBox")->setChecked(true);
    Get<QCheckBox>(&form, "LimitBox")->setChecked(true);
    Get<QDateEdit>(&form, "LimitDatePicker")->setDate(QDate(2005, 12, 25));
    Get<QPlainTextEdit>(&form, "MessageMemo")->setPlainText(QStringLiteral("x"));
    Get<QAbstractButton>(&form, "OKButton")->click();
    EXPECT_TRUE(Stored().empty());
    EXPECT_EQ(prompt_.Log().back().text, "Limit should be greather than event date.");
    EXPECT_EQ(Get<QTabWidget>(&form, "Pages")->currentWidget()->objectName(), QStringLiteral("AdvancedPage"));
}

TEST_F(AddRemFormTest, LeavingAFieldChecksItUnlessTheFocusGoesToCancel) {
    TAddRemForm form(Context(1), CivilDate{2005, 12, 25}, false);
    form.show();
    form.activateWindow();
    for (int i = 0; i < 50 && QApplication::activeWindow() != &form; ++i) QCoreApplication::processEvents();
    ASSERT_EQ(QApplication::activeWindow(), &form);
    auto* warning = Get<QLineEdit>(&form, "FirstDateEdit");
    auto* cancel = Get<QWidget>(&form, "CancelButton2");
    warning->setFocus();
    warning->setText(QStringLiteral("13"));
    cancel->setFocus();
    QCoreApplication::processEvents();
    EXPECT_TRUE(prompt_.Log().empty());

    warning->setFocus();
    Get<QWidget>(&form, "YearEdit")->setFocus();
    QCoreApplication::processEvents();
    ASSERT_EQ(prompt_.Log().size(), 1u);
    EXPECT_EQ(prompt_.Log()[0].text, "Invalid Date");
    EXPECT_EQ(sound_.beeps, 1);
    EXPECT_EQ(QApplication::focusWidget(), warning);
    form.close();
}

TEST_F(AddRemFormTest, NoControlIsCutOffByItsTabPageOrTheDialog) {
    TAddRemForm form(Context(1, true), CivilDate{2005, 12, 25}, true);
    form.show();
    auto* pages = Get<QTabWidget>(&form, "Pages");
    for (const char* name : {"GeneralPage", "AdvancedPage"}) {
        QWidget* page = Get<QWidget>(&form, name);
        pages->setCurrentWidget(page);
        QCoreApplication::processEvents();
        for (const QWidget* child : page->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            EXPECT_TRUE(page->rect().contains(child->geometry()))
                << name << ": " << child->objectName().toStdString() << " at y " << child->geometry().bottom()
                << " on a page " << page->height() << " high";
        }
    }
    for (const QWidget* child : form.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!child->isVisible()) continue;
        EXPECT_TRUE(form.rect().contains(child->geometry())) << child->objectName().toStdString();
    }
    EXPECT_GE(Get<QWidget>(&form, "OKButton")->geometry().top(), pages->geometry().bottom());
    form.close();
}

TEST_F(AddRemFormTest, ArrowsStopAtTheBoundsAndLettersBeep) {
    TAddRemForm form(Context(1), CivilDate{2078, 12, 31}, false);
    Get<QAbstractButton>(&form, "YearEditUp")->click();
    EXPECT_EQ(Get<QLineEdit>(&form, "YearEdit")->text(), QStringLiteral("2078"));
    Get<QAbstractButton>(&form, "FirstDateEditUp")->click();
    EXPECT_EQ(Get<QLineEdit>(&form, "FirstDateEdit")->text(), QStringLiteral("12"));
    Get<QAbstractButton>(&form, "WarningEditDown")->click();
    EXPECT_EQ(Get<QLineEdit>(&form, "WarningEdit")->text(), QStringLiteral("0"));
    QKeyEvent letter(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
    QApplication::sendEvent(Get<QLineEdit>(&form, "WarningEdit"), &letter);
    EXPECT_EQ(sound_.beeps, 1);
    EXPECT_EQ(Get<QLineEdit>(&form, "WarningEdit")->text(), QStringLiteral("0"));
}

// F1 in the dialog, whichever control has the focus, opens its help topic.
TEST_F(AddRemFormTest, F1OpensTheAddEventsTopic) {
    TAddRemForm form(Context(), CivilDate{2005, 12, 25}, false);
    form.show();
    form.activateWindow();
    for (int i = 0; i < 50 && QApplication::activeWindow() != &form; ++i) QCoreApplication::processEvents();
    ASSERT_EQ(QApplication::activeWindow(), &form);
    auto* message = form.findChild<QWidget*>(QStringLiteral("MessageMemo"));
    ASSERT_NE(message, nullptr);
    message->setFocus();
    QTest::keyClick(message, Qt::Key_F1);
    HelpWindow* help = OpenHelpWindow();
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->Browser()->source(), QUrl(QStringLiteral("qrc:/help/AddEvents.htm")));
    EXPECT_TRUE(form.isVisible());
    CloseHelpWindows();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    form.close();
}

}  // namespace
}  // namespace orvanto
