// The reminder popup: its boxes and their interplay, the minutes field, the
// description label, and what each answer leaves in the settings file after
// the start-up pass.
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTimer>

#include <QScreen>

#include <cstdlib>
#include <functional>
#include <optional>
#include <string>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "calendar/day_number.h"
#include "calendar/serial_date.h"
#include "core/clock.h"
#include "reminders/startup_pass.h"
#include "ui/app/message_prompt.h"
#include "ui/reminders/remind_form.h"
#include "ui/tests/ui_test_support.h"
#include "ui/widgets/fonts.h"

namespace orvanto {
namespace {

using test::Application;

template <typename T>
T* Child(QWidget* form, const char* name) {
    T* child = form->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(child, nullptr) << name;
    return child;
}

ReminderPopupRequest DueRequest() {
    ReminderPopupRequest request;
    request.captionLabel = "One-time reminder";
    request.memoText = "\nDentist at the corner";
    request.fontSize = 10;
    request.fontBold = true;
    request.keepCaption = "&Keep reminder";
    return request;
}

TEST(RemindForm, ShowsTheRequestTopmost) {
    Application();
    ReminderPopupRequest request = DueRequest();
    request.keepCaption = "&Erase now!";
    request.keepChecked = true;
    TRemindForm form(request);
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Orvanto reminder"));
    EXPECT_TRUE(form.windowFlags() & Qt::WindowStaysOnTopHint);
    auto* memo = Child<QTextEdit>(&form, "Memo");
    EXPECT_TRUE(memo->isReadOnly());
    EXPECT_EQ(memo->toPlainText(), QStringLiteral("\nDentist at the corner"));
    EXPECT_EQ(memo->font().pointSize(), 10);
    EXPECT_TRUE(memo->font().bold());
    EXPECT_EQ(memo->document()->begin().next().blockFormat().alignment() & Qt::AlignHorizontal_Mask,
              Qt::AlignHCenter);
    auto* keep = Child<QCheckBox>(&form, "KeepBox");
    EXPECT_EQ(keep->text(), QStringLiteral("&Erase now!"));
    EXPECT_TRUE(keep->isChecked());
    EXPECT_EQ(Child<QLineEdit>(&form, "MinutesEdit")->text(), QStringLiteral("5"));
    EXPECT_EQ(Child<ExtLabel>(&form, "DescriptionLabel")->Text(), QStringLiteral("One-time reminder"));
    EXPECT_FALSE(Child<QLabel>(&form, "Bell")->pixmap().isNull());
}

TEST(RemindForm, NarrowTextIsMeasuredInTheMemoFontAgainstTwiceTheMemoWidth) {
    Application();
    // Seventy narrow letters fit in two memo lines, forty wide ones do not:
    // counting characters (64) gets both wrong.
    const std::string narrow(70, 'i');
    const std::string wide(40, 'W');
    EXPECT_TRUE(TRemindForm::TextIsNarrow(narrow, 10, true));
    EXPECT_FALSE(TRemindForm::TextIsNarrow(wide + wide, 10, true));
    const QFontMetrics metrics(PointFont(FontFace::Tahoma, 10, true));
    TRemindForm form(DueRequest());
    const int twoWidths = 2 * Child<QTextEdit>(&form, "Memo")->width();
    EXPECT_EQ(TRemindForm::TextIsNarrow(wide, 10, true),
              metrics.horizontalAdvance(QString::fromStdString(wide)) < twoWidths);
    // The program's prompt measures the same way for the reminder engine.
    MessagePrompt prompt;
    EXPECT_EQ(prompt.PopupTextIsNarrow(narrow, 10, true), std::optional<bool>(true));
    EXPECT_EQ(prompt.PopupTextIsNarrow(wide + wide, 8, false), std::optional<bool>(false));
}

TEST(RemindForm, CentredOnTheScreenWhenTheMainWindowIsNotShown) {
    Application();
    QWidget hiddenMain;  // minimized to the tray: not shown
    hiddenMain.setGeometry(0, 5000, 356, 444);
    TRemindForm form(DueRequest(), 0, &hiddenMain);
    form.show();
    QCoreApplication::processEvents();
    const QRect area = form.screen()->availableGeometry();
    EXPECT_LE(std::abs(form.frameGeometry().center().x() - area.center().x()), 1);
    EXPECT_LE(std::abs(form.frameGeometry().center().y() - area.center().y()), 1);
    form.close();
}

TEST(RemindForm, KeepAndWarnAgainClearEachOther) {
    Application();
    TRemindForm form(DueRequest());
    auto* keep = Child<QCheckBox>(&form, "KeepBox");
    auto* warn = Child<QCheckBox>(&form, "WarnAgainBox");
    keep->setChecked(true);
    warn->setChecked(true);
    EXPECT_FALSE(keep->isChecked());
    keep->setChecked(true);
    EXPECT_FALSE(warn->isChecked());
    EXPECT_TRUE(form.Answer().keep);
    EXPECT_EQ(form.Answer().warnAgainMinutes, 0);
}

TEST(RemindForm, MinutesFieldAndArrows) {
    Application();
    TRemindForm form(DueRequest());
    auto* minutes = Child<QLineEdit>(&form, "MinutesEdit");
    auto* warn = Child<QCheckBox>(&form, "WarnAgainBox");
    auto* up = Child<QAbstractButton>(&form, "UpButton");
    auto* down = Child<QAbstractButton>(&form, "DownButton");

    up->click();
    EXPECT_TRUE(warn->isChecked());
    EXPECT_EQ(minutes->text(), QStringLiteral("6"));
    EXPECT_EQ(form.Answer().warnAgainMinutes, 6);

    warn->setChecked(false);
    minutes->setFocus();
    minutes->selectAll();
    for (QChar c : QStringLiteral("999")) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_9, Qt::NoModifier, QString(c));
        QApplication::sendEvent(minutes, &press);
    }
    EXPECT_TRUE(warn->isChecked()) << "typing ticks the warn-again box";
    EXPECT_EQ(minutes->text(), QStringLiteral("999"));
    up->click();
    EXPECT_EQ(minutes->text(), QStringLiteral("999"));

    minutes->setText(QStringLiteral("0"));
    down->click();
    EXPECT_EQ(minutes->text(), QStringLiteral("0"));

    minutes->clear();
    EXPECT_EQ(form.Answer().warnAgainMinutes, 0);
    emit minutes->editingFinished();
    EXPECT_EQ(minutes->text(), QStringLiteral("0"));
}

TEST(RemindForm, DescriptionShrinksToFitDownToFourPoints) {
    Application();
    ReminderPopupRequest request = DueRequest();
    request.captionLabel = "Short";
    EXPECT_EQ(TRemindForm(request).DescriptionPointSize(), 8);
    request.captionLabel = std::string(60, 'W');
    EXPECT_EQ(TRemindForm(request).DescriptionPointSize(), 4);
    request.captionLabel = "Every 1 month, repeat on day - LAST TIME";
    TRemindForm medium(request);
    EXPECT_LE(medium.DescriptionPointSize(), 8);
    EXPECT_TRUE(Child<ExtLabel>(&medium, "DescriptionLabel")
                    ->TextFits(QString::fromStdString(request.captionLabel)) ||
                medium.DescriptionPointSize() == 4);
}

TEST(RemindForm, EnterAndEscapeCloseWithTheBoxesAsTheyAre) {
    Application();
    for (int key : {Qt::Key_Return, Qt::Key_Escape}) {
        TRemindForm form(DueRequest());
        Child<QCheckBox>(&form, "WarnAgainBox")->setChecked(true);
        form.show();
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(&form, &press);
        EXPECT_FALSE(form.isVisible());
        EXPECT_EQ(form.Answer().warnAgainMinutes, 5);
        EXPECT_FALSE(form.Answer().keep);
    }
}

// Sets the boxes of the popup that comes up, then presses OK; gives up after
// a few seconds so that no test hangs on a popup.
class PopupAnswerer {
public:
    explicit PopupAnswerer(std::function<void(TRemindForm&)> answer) : answer_(std::move(answer)) {
        timer_.setInterval(10);
        QObject::connect(&timer_, &QTimer::timeout, [this] { Tick(); });
        timer_.start();
    }
    int Popups() const { return popups_; }
    std::string LastMemo() const { return lastMemo_; }

private:
    void Tick() {
        if (++ticks_ > 500) timer_.stop();
        auto* form = qobject_cast<TRemindForm*>(QApplication::activeModalWidget());
        if (form == nullptr || !form->isVisible()) return;
        ++popups_;
        lastMemo_ = form->findChild<QTextEdit*>(QStringLiteral("Memo"))->toPlainText().toStdString();
        answer_(*form);
        form->findChild<QAbstractButton*>(QStringLiteral("OKButton"))->click();
    }
    std::function<void(TRemindForm&)> answer_;
    QTimer timer_;
    int ticks_ = 0;
    int popups_ = 0;
    std::string lastMemo_;
};

struct OutcomeCase {
    const char* name;
    const char* value;  // the record, dated yesterday
    bool keep;
    int warnMinutes;                              // 0: warn-again not ticked
    std::vector<std::string> expectedSubstrings;  // in section Reminders afterwards
    std::vector<std::string> absentSubstrings;
};

class RemindFormOutcome : public testing::TestWithParam<OutcomeCase> {};

const int kToday = DayNumber(2015, 2, 10);

std::string Section(IniFile ini) {
    std::string all;
    for (const std::string& line : ini.ReadSectionValues("Reminders")) all += line + "\n";
    return all;
}

TEST_P(RemindFormOutcome, LeavesTheRecordAsAnswered) {
    Application();
    const OutcomeCase& c = GetParam();
    test::SettingsFolder folder;
    IniFile ini = folder.Ini();
    ini.WriteString("Reminders", std::to_string(kToday - 1) + "/0", c.value);

    MessagePrompt prompt;
    SilentSound sound;
    FakeClock clock(SerialFromDayNumber(kToday) + 0.5);
    ReminderServices services{prompt, sound, clock};
    PopupAnswerer answerer([&c](TRemindForm& form) {
        form.findChild<QCheckBox*>(QStringLiteral("KeepBox"))->setChecked(c.keep);
        if (c.warnMinutes > 0) {
            form.findChild<QLineEdit*>(QStringLiteral("MinutesEdit"))
                ->setText(QString::number(c.warnMinutes));
            form.findChild<QCheckBox*>(QStringLiteral("WarnAgainBox"))->setChecked(true);
        }
    });
    StartupReminderPass(folder.Path(), kToday, TimeStyle{}, services);

    EXPECT_EQ(answerer.Popups(), 1);
    EXPECT_THAT(answerer.LastMemo(), testing::StartsWith("Missed reminder on "));
    const std::string section = Section(folder.Ini());
    for (const std::string& s : c.expectedSubstrings) EXPECT_THAT(section, testing::HasSubstr(s)) << section;
    for (const std::string& s : c.absentSubstrings)
        EXPECT_THAT(section, testing::Not(testing::HasSubstr(s))) << section;
}

INSTANTIATE_TEST_SUITE_P(
    Answers, RemindFormOutcome,
    testing::Values(OutcomeCase{"KeptStays",
                                "10000,0,9999,00000000,Dentist",
                                true,
                                0,
                                {std::to_string(kToday - 1) + "/0=10000,0,9999,00000000,Dentist"},
                                {}},
                    OutcomeCase{"OneTimeErased", "10000,0,9999,00000000,Dentist", false, 0, {}, {"Dentist"}},
                    OutcomeCase{"MonthlyMovesOn",
                                "11011,0,9999,00000000,Rent",
                                false,
                                0,
                                {std::to_string(DayNumber(2015, 3, 9)) + "/0=11011,0,9999,00000000,Rent"},
                                {std::to_string(kToday - 1) + "/"}},
                    OutcomeCase{"WarnAgainCopy",
                                "10000,0,9999,00000000,Dentist",
                                false,
                                15,
                                {"Dentist"},
                                {std::to_string(kToday - 1) + "/"}}),
    [](const testing::TestParamInfo<OutcomeCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace orvanto
