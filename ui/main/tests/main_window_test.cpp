// The main window driven through its controls by name: the month grid, the
// navigation bounds, the day press and the date calculator, the theme on a
// button, the tray icon, minimize and restore, the colour commands and the
// close question.
#include "ui/main/main_window.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QCloseEvent>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include <fstream>
#include <sstream>

#include <functional>
#include <memory>

#include "calendar/civil_date.h"
#include "calendar/day_number.h"
#include "calendar/serial_date.h"
#include "core/scripted_prompt.h"
#include "ui/tests/ui_test_support.h"
#include "ui/widgets/bevel_button.h"
#include "ui/widgets/ext_label.h"
#include "ui/widgets/outline_shape.h"
#include "ui/widgets/round_button.h"
#include "ui/widgets/scrolling_text.h"
#include "ui/widgets/theme.h"
#include "ui/widgets/trans_edit.h"

namespace orvanto {
namespace {

using test::Click;

class MainWindowTest : public ::testing::Test {
protected:
    MainWindowTest() { test::Application(); }

    // Settings written before the window is made.
    void Set(const std::string& section, const std::string& key, const std::string& value) {
        IniFile ini = folder_.Ini();
        ini.WriteString(section, key, value);
    }
    void AddReminder(int year, int month, int day, char sequence, const std::string& value) {
        Set("Reminders", std::to_string(DayNumber(year, month, day)) + "/" + sequence, value);
    }

    TForm1& Open(int year, int month, int day, int hour = 10, int minute = 0) {
        clock_.SetLocal(EncodeDate(year, month, day) + EncodeTime(hour, minute, 0));
        context_.settingsPath = folder_.Path();
        context_.clock = &clock_;
        context_.prompt = promptOverride_ ? promptOverride_ : &prompt_;
        context_.sound = &sound_;
        context_.timeZoneBias = [](bool) { return 0; };
        context_.events = &events_;
        MainWindowStart start;
        start.trayAvailable = [this] { return trayAvailable_; };
        start.checkAndMinimize = checkAndMinimize_;
        window_ = std::make_unique<TForm1>(context_, launcher_, start);
        return *window_;
    }

    template <typename T = BevelButton>
    T* Find(const QString& name) {
        T* found = window_->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    BevelButton* Day(int cell) { return Find(QStringLiteral("SpeedButton%1").arg(cell + 8)); }
    // The button of a day of the shown month.
    BevelButton* DayButtonOf(int day) {
        const MonthPicture& picture = window_->Picture();
        for (int i = 0; i < 42; ++i)
            if (picture.cells[i].kind == CellKind::InMonth && picture.cells[i].caption == day) return Day(i);
        ADD_FAILURE() << "no cell for day " << day;
        return Day(0);
    }

    // Closes the window as the desktop would; true when it closed.
    bool RequestClose() {
        QCloseEvent event;
        QApplication::sendEvent(window_.get(), &event);
        return event.isAccepted();
    }

    // The add dialog counted instead of opened; true: a record was stored.
    void CountAddDialogs(std::vector<std::pair<CivilDate, bool>>& opened, bool stores = false) {
        launcher_.SetAddReminderOpener(
            [&opened, stores](AppContext&, const CivilDate& day, bool timed, QWidget*) {
                opened.push_back({day, timed});
                return stores;
            });
    }

    test::SettingsFolder folder_;
    AppEvents events_;
    AppContext context_;
    WindowLauncher launcher_{context_};
    FakeClock clock_;
    ScriptedPrompt prompt_;
    Prompt* promptOverride_ = nullptr;
    test::CountingSound sound_;
    bool trayAvailable_ = false;
    bool checkAndMinimize_ = false;
    std::unique_ptr<TForm1> window_;
};

TEST_F(MainWindowTest, LayoutHasEveryElementAtItsPlace) {
    TForm1& w = Open(2015, 2, 10);
    EXPECT_EQ(w.size(), QSize(356, 444));
    const std::vector<std::pair<QString, QRect>> places = {
        {"CaptionBar", {0, 0, 361, 29}},       {"TransEdit1", {8, 40, 181, 43}},
        {"MesUpBut", {192, 40, 21, 21}},       {"MesDownBut", {192, 63, 21, 21}},
        {"TransEdit2", {238, 40, 89, 43}},     {"AnioUpBut", {330, 40, 21, 21}},
        {"AnioDownBut", {330, 63, 21, 21}},    {"SpeedButton1", {16, 100, 41, 25}},
        {"SpeedButton7", {304, 100, 41, 25}},  {"SpeedButton8", {16, 140, 41, 25}},
        {"SpeedButton16", {64, 172, 41, 25}},  {"SpeedButton49", {304, 300, 41, 25}},
        {"ExtLabel1", {11, 344, 241, 18}},     {"SpeedButton50", {12, 368, 41, 25}},
        {"SpeedButton55", {212, 368, 41, 25}}, {"SpeedButton56", {12, 392, 41, 25}},
        {"SpeedButton61", {212, 392, 41, 25}}, {"PrevBut", {268, 344, 21, 25}},
        {"NextBut", {288, 344, 21, 25}},       {"TodayBut", {308, 344, 41, 25}},
        {"MoonBut", {268, 368, 41, 25}},       {"DistBut", {308, 368, 41, 25}},
        {"SNTPBut", {268, 392, 41, 25}},       {"BioBut", {308, 392, 41, 25}},
        {"EventsBut", {268, 416, 41, 25}},     {"SettingsBut", {308, 416, 41, 25}},
        {"Label1", {13, 424, 238, 17}},        {"ScrollButton", {12, 424, 241, 17}},
        {"Scroll1", {13, 424, 238, 17}},
    };
    for (const auto& [name, rect] : places) {
        QWidget* widget = w.findChild<QWidget*>(name);
        ASSERT_NE(widget, nullptr) << name.toStdString();
        EXPECT_EQ(widget->geometry(), rect) << name.toStdString();
    }
    EXPECT_EQ(Find<ExtLabel>("ExtLabel2")->toolTip(), "About...");
    EXPECT_EQ(Find<RoundButton>("ExitBut")->toolTip(), "Close");
    EXPECT_EQ(Find<RoundButton>("MiniBut")->toolTip(), "Minimize");
    EXPECT_EQ(Find("SNTPBut")->toolTip(), "Clock correction status");
    EXPECT_EQ(Find("SpeedButton53")->text(), "A&pr");
    EXPECT_EQ(Find<OutlineShape>("Shape1")->size(), QSize(49, 33));
}

struct GridCase {
    bool oldEurope;
    int sideDays;
    const char* header0;
    int firstDayCell;   // cell holding 1 February
    int neighbourCell;  // a cell of a neighbour month
    const char* neighbourCaption;
};

TEST_F(MainWindowTest, February2015GridInBothWeekStartsAndSideDays) {
    const GridCase cases[] = {
        {false, 1, "Sun", 0, 28, "1"},
        {false, 2, "Sun", 0, 41, "14"},
        {true, 1, "Mon", 6, 0, "26"},
        {true, 2, "Mon", 6, 5, "31"},
    };
    for (const GridCase& c : cases) {
        Set("Settings", "OldEurope", c.oldEurope ? "1" : "0");
        Set("Settings", "SideDays", std::to_string(c.sideDays));
        Open(2015, 2, 10);
        SCOPED_TRACE(testing::Message() << "OldEurope " << c.oldEurope << " SideDays " << c.sideDays);
        EXPECT_EQ(Find<TransEdit>("TransEdit1")->text(), "February");
        EXPECT_EQ(Find<TransEdit>("TransEdit2")->text(), "2015");
        EXPECT_EQ(Find("SpeedButton1")->text(), c.header0);
        EXPECT_TRUE(Find("SpeedButton51")->isChecked()) << "the February button is down";
        BevelButton* first = Day(c.firstDayCell);
        EXPECT_EQ(first->text(), "1");
        EXPECT_TRUE(first->isEnabled());
        EXPECT_EQ(first->FontColor(), ColorFromValue(255)) << "1 February 2015 is a Sunday";
        EXPECT_EQ(Day(c.firstDayCell + 27)->text(), "28");
        BevelButton* neighbour = Day(c.neighbourCell);
        EXPECT_EQ(neighbour->text(), c.neighbourCaption);
        EXPECT_FALSE(neighbour->isEnabled());
        EXPECT_EQ(neighbour->isHidden(), c.sideDays != 1);
        EXPECT_TRUE(neighbour->toolTip().isEmpty());
        if (c.sideDays == 1) {
            EXPECT_EQ(neighbour->Face(), Theme::ByIndex(0).Color(ThemeRole::WindowBackground));
            EXPECT_FALSE(neighbour->HotTrackOn());
        }
        const int sundayHeader = c.oldEurope ? 7 : 1;
        EXPECT_EQ(Find(QStringLiteral("SpeedButton%1").arg(sundayHeader))->FontColor(), ColorFromValue(255));
        EXPECT_EQ(Find("SpeedButton3")->FontColor(), ColorFromValue(0));
    }
}

TEST_F(MainWindowTest, DayWithSeveralEntriesTakesTheMixedColourAndListsThemInItsHint) {
    AddReminder(2015, 2, 17, '0', "10000,0,9999,00000000,Pay rent");
    AddReminder(2015, 2, 17, '1', "10000,0,1430,00000000,Dentist");
    AddReminder(2015, 2, 18, '0', "30000,0,9999,00000000,Page 12");
    Open(2015, 2, 10);
    BevelButton* seventeenth = Day(16);
    EXPECT_EQ(seventeenth->FontColor(), ColorFromValue(16776960)) << "MixedEventsColor";
    EXPECT_THAT(seventeenth->toolTip().toStdString(), testing::HasSubstr("Pay rent"));
    EXPECT_THAT(seventeenth->toolTip().toStdString(), testing::HasSubstr("Dentist (14:30)"));
    EXPECT_EQ(Day(17)->FontColor(), ColorFromValue(65535)) << "BookmarkColor";
}

TEST_F(MainWindowTest, TodayIsFramedAndTheSunriseLabelShowsTimes) {
    TForm1& w = Open(2015, 2, 10);
    auto* frame = Find<OutlineShape>("Shape1");
    EXPECT_FALSE(frame->isHidden());
    EXPECT_EQ(frame->pos(), Day(9)->pos() - QPoint(4, 4));
    EXPECT_EQ(Day(9)->FontColor(), ColorFromValue(16777215)) << "TodayColor of a new file";
    const QString sun = Find<ExtLabel>("ExtLabel1")->Text();
    EXPECT_TRUE(sun.startsWith("Sunrise: 07:")) << sun.toStdString();
    EXPECT_TRUE(sun.contains(QString::fromUtf8("  \u2022  Sunset: 17:"))) << sun.toStdString();

    Click(Find<RoundButton>("MesUpBut"));
    EXPECT_EQ(w.ShownMonth(), 3);
    EXPECT_TRUE(frame->isHidden());
    EXPECT_EQ(Find<ExtLabel>("ExtLabel1")->Text(), QString::fromUtf8("Sunrise: N/A  \u2022  Sunset: N/A"));
}

TEST_F(MainWindowTest, InformationStripShowsHolidaysOrTheClock) {
    Open(2015, 4, 10, 9, 8);
    // Easter 2015 is 5 April; Good Friday 3 April, Holy Saturday 4, Easter Monday 6.
    auto* label = Find<ExtLabel>("Label1");
    auto* scroll = window_->findChild<QWidget*>("Scroll1");
    const bool scrolls = !scroll->isHidden();
    EXPECT_NE(scrolls, !label->isHidden());
    Click(Find("SpeedButton57"));  // August: no holiday
    EXPECT_EQ(label->Text(), "09:08:00");
    EXPECT_FALSE(label->isHidden());
    EXPECT_TRUE(scroll->isHidden());
}

TEST_F(MainWindowTest, LongHolidayTextScrollsAndComesBackAfterADayPress) {
    Open(2015, 4, 10);
    auto* scroll = Find<ScrollingText>("Scroll1");
    auto* label = Find<ExtLabel>("Label1");
    // The Easter feasts come before Easter itself, in the order of the holiday list.
    const QString holidays =
        "2: Maundy Thursday - 3: Good Friday - 4: Holy Saturday - 6: Easter Monday - 5: Easter";
    ASSERT_FALSE(scroll->isHidden());
    EXPECT_TRUE(label->isHidden());
    EXPECT_TRUE(scroll->IsActive());
    EXPECT_EQ(scroll->Text(), holidays + QString(35, ' '));
    test::Press(Day(9), Qt::LeftButton, Qt::NoModifier);
    EXPECT_TRUE(scroll->isHidden());
    EXPECT_FALSE(label->isHidden());
    EXPECT_THAT(label->Text().toStdString(), testing::StartsWith("Week: 15  -  Day: 97/268  (-3)"));
    test::Release(Day(9), Qt::LeftButton, Qt::NoModifier);
    EXPECT_FALSE(scroll->isHidden());
    EXPECT_TRUE(scroll->IsActive());
    EXPECT_EQ(scroll->Text(), holidays + QString(35, ' '));
    EXPECT_TRUE(label->isHidden());
}

TEST_F(MainWindowTest, MonthStepsStopAtTheRangeWithABeep) {
    TForm1& w = Open(2078, 12, 5);
    Click(Find<RoundButton>("MesUpBut"));
    EXPECT_EQ(sound_.beeps, 1);
    EXPECT_EQ(w.ShownYear(), 2078);
    EXPECT_EQ(w.ShownMonth(), 12);
    Click(Find<RoundButton>("AnioUpBut"));
    EXPECT_EQ(sound_.beeps, 1) << "a year step out of range is silent";
    EXPECT_EQ(w.ShownYear(), 2078);
    Click(Find("NextBut"));
    EXPECT_EQ(sound_.beeps, 2);

    Click(Find("SpeedButton50"));  // January 2078
    Click(Find<RoundButton>("MesDownBut"));
    EXPECT_EQ(w.ShownYear(), 2077);
    EXPECT_EQ(w.ShownMonth(), 12);
    Click(Find<RoundButton>("MesUpBut"));
    EXPECT_EQ(w.ShownYear(), 2078);
    EXPECT_EQ(w.ShownMonth(), 1);
}

TEST_F(MainWindowTest, PreviousMonthOfJanuary1753Beeps) {
    TForm1& w = Open(1753, 1, 20);
    Click(Find("PrevBut"));
    EXPECT_EQ(sound_.beeps, 1);
    EXPECT_EQ(w.ShownMonth(), 1);
    Click(Find<RoundButton>("AnioDownBut"));
    EXPECT_EQ(w.ShownYear(), 1753);
    Click(Find<RoundButton>("AnioUpBut"));
    EXPECT_EQ(w.ShownYear(), 1754);
    Click(Find("TodayBut"));
    EXPECT_EQ(w.ShownYear(), 1753);
}

TEST_F(MainWindowTest, TypedYearIsTakenOrPutBack) {
    TForm1& w = Open(2015, 2, 10);
    auto* year = Find<TransEdit>("TransEdit2");
    for (const char* typed : {"abc", "1700", "2079", ""}) {
        year->setText(typed);
        emit year->FocusLost();
        EXPECT_EQ(year->text(), "2015") << typed;
        EXPECT_EQ(w.ShownYear(), 2015);
    }
    year->setText("1999");
    emit year->FocusLost();
    EXPECT_EQ(w.ShownYear(), 1999);
    EXPECT_EQ(w.ShownMonth(), 2);
}

TEST_F(MainWindowTest, DatePressShowsTheDayInformationUntilRelease) {
    Open(2015, 3, 1);
    auto* label = Find<ExtLabel>("Label1");
    auto* sun = Find<ExtLabel>("ExtLabel1");
    const QString before = label->Text();
    test::Press(Day(0), Qt::LeftButton, Qt::NoModifier);
    EXPECT_EQ(label->Text(), "Week: 10  -  Day: 60/305  (+0)");
    EXPECT_TRUE(label->font().bold());
    EXPECT_TRUE(sun->font().bold());
    test::Release(Day(0), Qt::LeftButton, Qt::NoModifier);
    EXPECT_FALSE(label->font().bold());
    EXPECT_FALSE(sun->font().bold());
    EXPECT_TRUE(label->Text().contains(':')) << "the clock again";
}

TEST_F(MainWindowTest, ShiftPressShowsTheIsoWeekAndOpensNoDialog) {
    Open(2021, 1, 4);
    std::vector<std::pair<CivilDate, bool>> opened;
    CountAddDialogs(opened);
    // 1 January 2021, a Friday, is in ISO week 53 of 2020.
    test::Press(Day(5), Qt::LeftButton, Qt::ShiftModifier);
    EXPECT_EQ(Find<ExtLabel>("Label1")->Text(), "Week: 53  -  Day: 1/364  (-3)");
    test::Release(Day(5), Qt::LeftButton, Qt::ShiftModifier);
    QCoreApplication::processEvents();
    EXPECT_TRUE(opened.empty());
    Click(Day(5));
    EXPECT_EQ(opened.size(), 1u);
}

TEST_F(MainWindowTest, PlainClickOpensTheAddDialogForThatDay) {
    Set("Settings", "AllTimed", "1");
    Open(2015, 2, 10);
    std::vector<std::pair<CivilDate, bool>> opened;
    CountAddDialogs(opened);
    Click(Day(20));
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0].first, (CivilDate{2015, 2, 21}));
    EXPECT_TRUE(opened[0].second) << "AllTimed";
}

TEST_F(MainWindowTest, CtrlClicksComputeTheDifferenceAcrossMonths) {
    Set("Settings", "DateFormat", "1");
    TForm1& w = Open(2000, 3, 5);
    std::vector<std::pair<CivilDate, bool>> opened;
    CountAddDialogs(opened);
    // 1 March 2000 is a Wednesday: cell 3.
    Click(Day(3), Qt::ControlModifier);
    ASSERT_EQ(prompt_.Log().size(), 1u);
    EXPECT_EQ(prompt_.Log()[0].title, "Orvanto Math Mode");
    EXPECT_EQ(prompt_.Log()[0].messageKind, MessageKind::Information);
    EXPECT_THAT(prompt_.Log()[0].text, testing::StartsWith("Starting Date: 03/01/2000\n\n"));

    auto* year = Find<TransEdit>("TransEdit2");
    year->setText("2003");
    emit year->FocusLost();
    Click(Find("SpeedButton54"));  // May 2003; 1 May 2003 is a Thursday: 10 May is cell 13
    ASSERT_EQ(w.ShownYear(), 2003);
    ASSERT_EQ(Day(13)->text(), "10");
    Click(Day(13), Qt::ControlModifier);
    ASSERT_EQ(prompt_.Log().size(), 2u);
    EXPECT_EQ(prompt_.Log()[1].title, "Orvanto Date Calculator");
    EXPECT_EQ(prompt_.Log()[1].text,
              "Starting Date: 03/01/2000  -  Ending Date: 05/10/2003\r\n\r\n"
              "Difference: 1165 days (3 years, 2 months, 9 days)");
    EXPECT_TRUE(opened.empty()) << "no add-reminder dialog after either Ctrl+click";

    Click(Day(13), Qt::ControlModifier);
    Click(Day(13), Qt::ControlModifier);
    ASSERT_EQ(prompt_.Log().size(), 4u);
    EXPECT_THAT(prompt_.Log()[3].text, testing::EndsWith("Difference: 0 days (0 years)"));
}

TEST_F(MainWindowTest, ThemeColoursTheButtons) {
    TForm1& w = Open(2015, 2, 10);
    for (int index : {0, 3, 5, 7, -1}) {
        w.ApplyTheme(index);
        const Theme& theme = Theme::ByIndex(index);
        SCOPED_TRACE(index);
        BevelButton* day = Day(9);
        EXPECT_EQ(day->Colors().pressed, theme.Color(ThemeRole::DayPressed));
        EXPECT_EQ(day->Colors().light, theme.Color(ThemeRole::DayLight));
        EXPECT_EQ(day->Colors().shadow, theme.Color(ThemeRole::DayShadow));
        EXPECT_EQ(day->Face(), theme.Color(ThemeRole::DayFace));
        EXPECT_EQ(day->HotTrack(), theme.Color(ThemeRole::DayHotTrack));
        EXPECT_EQ(Find("SpeedButton1")->Colors().face, theme.Color(ThemeRole::HeaderFace));
        EXPECT_EQ(Find("SpeedButton61")->Colors().shadow, theme.Color(ThemeRole::HeaderShadow));
        EXPECT_EQ(Find("EventsBut")->Colors().hotTrack, theme.Color(ThemeRole::ToolHotTrack));
        EXPECT_EQ(Find<RoundButton>("MesUpBut")->Face(), theme.Color(ThemeRole::RoundFace));
        EXPECT_EQ(Find<ExtLabel>("ExtLabel2")->TextColor(), theme.Color(ThemeRole::TitleText));
        EXPECT_EQ(w.palette().color(QPalette::Window), theme.Color(ThemeRole::WindowBackground));
    }
    // Theme 7 is "XP Style": its day face is 10013920.
    w.ApplyTheme(7);
    EXPECT_EQ(Day(9)->Face(), ColorFromValue(10013920));
}

TEST_F(MainWindowTest, TrayIconNameAndHintFollowThePendingReminders) {
    trayAvailable_ = true;
    AddReminder(2026, 1, 5, '0', "10000,0,1430,00000000,Dentist");
    AddReminder(2026, 1, 5, '1', "10000,0,1600,00000000,Call Anna");
    AddReminder(2026, 1, 5, '2', "10000,0,0900,00000000,Already past");
    TForm1& w = Open(2026, 1, 5, 10, 0);
    EXPECT_EQ(w.Pending().pendingCount, 2);
    w.Minimize();
    EXPECT_TRUE(w.InTray());
    EXPECT_TRUE(w.isHidden());
    EXPECT_EQ(w.TrayIconName(), "RDAY05");
    EXPECT_EQ(w.TrayIconObject()->toolTip(), " 01/05/2026 (2 pending events)");
    EXPECT_EQ(w.TrayIconObject()->objectName(), "XPTrayIcon1");

    IniFile ini = folder_.Ini();
    ini.EraseSection("Reminders");
    w.RebuildPendingTable();
    w.ShowPendingText();
    EXPECT_EQ(w.TrayIconName(), "DAY05");
    EXPECT_EQ(w.TrayIconObject()->toolTip(), " 01/05/2026 (No pending events)");

    w.Restore();
    EXPECT_FALSE(w.InTray());
    EXPECT_FALSE(w.isHidden());
}

TEST_F(MainWindowTest, WithoutANotificationAreaMinimizeGoesToTheTaskBar) {
    trayAvailable_ = false;
    TForm1& w = Open(2026, 1, 5);
    w.show();
    w.move(100, 120);
    w.Minimize();
    EXPECT_FALSE(w.InTray());
    EXPECT_TRUE(w.MinimizedToTaskBar());
    EXPECT_EQ(w.windowTitle(), " 01/05/2026 (No pending events)");
    EXPECT_EQ(w.y(), QGuiApplication::primaryScreen()->geometry().height());
    EXPECT_THAT(sound_.events, testing::ElementsAre("Minimize"));
    w.Restore();
    EXPECT_EQ(w.windowTitle(), "Orvanto 32");
    EXPECT_EQ(w.pos(), QPoint(100, 120));
    EXPECT_THAT(sound_.events, testing::ElementsAre("Minimize", "Maximize"));
}

TEST_F(MainWindowTest, TrayDoubleClickRestoresOnceWithoutANewReminder) {
    trayAvailable_ = true;
    TForm1& w = Open(2026, 1, 5);
    std::vector<std::pair<CivilDate, bool>> opened;
    CountAddDialogs(opened);
    w.Minimize();
    emit w.TrayIconObject()->activated(QSystemTrayIcon::Trigger);
    emit w.TrayIconObject()->activated(QSystemTrayIcon::DoubleClick);
    EXPECT_FALSE(w.InTray());
    QElapsedTimer wait;
    wait.start();
    while (wait.elapsed() < QApplication::doubleClickInterval() + 100) QCoreApplication::processEvents();
    EXPECT_TRUE(opened.empty());
}

TEST_F(MainWindowTest, CloseAsksWhileTimedRemindersArePending) {
    AddReminder(2026, 1, 5, '0', "10000,0,1430,00000000,Dentist");
    AddReminder(2026, 1, 5, '1', "10000,0,1600,00000000,Call Anna");
    Open(2026, 1, 5, 10, 0);
    int closed = 0;
    QObject::connect(window_.get(), &TForm1::Closed, [&] { ++closed; });
    prompt_.QueueAnswer(false);
    EXPECT_FALSE(RequestClose());
    EXPECT_EQ(closed, 0);
    ASSERT_EQ(prompt_.Log().size(), 1u);
    EXPECT_EQ(prompt_.Log()[0].kind, ScriptedPrompt::Shown::Kind::Question);
    EXPECT_EQ(prompt_.Log()[0].title, "Orvanto");
    EXPECT_EQ(prompt_.Log()[0].text,
              "There are 2 events pending.  Do you want to exit anyway?\n\n"
              "Tip: You can disable this message from the Settings window.");
    prompt_.QueueAnswer(true);
    EXPECT_TRUE(RequestClose());
    EXPECT_EQ(closed, 1) << "the program ends with the window, not with its last visible window";
}

TEST_F(MainWindowTest, CloseWithIgnorePendingAsksNothingAndSavesThePosition) {
    Set("Settings", "IgnorePending", "1");
    AddReminder(2026, 1, 5, '0', "10000,0,1430,00000000,Dentist");
    TForm1& w = Open(2026, 1, 5, 10, 0);
    w.move(40, 60);
    EXPECT_TRUE(RequestClose());
    EXPECT_TRUE(prompt_.Log().empty());
    IniFile ini = folder_.Ini();
    EXPECT_EQ(ini.ReadInteger("Settings", "Top", 0), 60);
    EXPECT_EQ(ini.ReadInteger("Settings", "Left", 0), 40);
}

TEST_F(MainWindowTest, RestoreDefaultsIsWrittenOnClose) {
    Set("Colors", "TodayColor", "255");
    Set("Colors", "BlinkOnToday", "1");
    TForm1& w = Open(2026, 1, 5);
    QAction* restore = w.ContextMenu()->findChild<QAction*>("RestoreDefaultsItem");
    ASSERT_NE(restore, nullptr);
    restore->trigger();
    IniFile ini = folder_.Ini();
    EXPECT_EQ(ini.ReadInteger("Colors", "TodayColor", 0), 255) << "not written at once";
    EXPECT_TRUE(RequestClose());
    EXPECT_EQ(ini.ReadInteger("Colors", "TodayColor", 0), 16777215);
    EXPECT_EQ(ini.ReadString("Colors", "BlinkOnToday", ""), "0");
}

TEST_F(MainWindowTest, ColourCommandWritesItsKeyAtOnceAndRepaints) {
    TForm1& w = Open(2015, 2, 10);
    MainWindowHooks hooks;
    hooks.chooseColor = [](const QColor&, const QString&) {
        return std::optional<QColor>(QColor(0, 128, 0));
    };
    window_->SetHooks(hooks);
    w.ContextMenu()->findChild<QAction*>("NormalColorItem")->trigger();
    EXPECT_EQ(folder_.Ini().ReadInteger("Colors", "NormalColor", 0), 32768);
    EXPECT_EQ(Day(1)->FontColor(), QColor(0, 128, 0));
}

TEST_F(MainWindowTest, BlinkAlternatesTodaysColour) {
    Set("Colors", "BlinkOnToday", "1");
    Open(2015, 2, 10);
    auto* timer = window_->findChild<QTimer*>("Timer1");
    ASSERT_NE(timer, nullptr);
    EXPECT_TRUE(timer->isActive());
    BevelButton* today = Day(9);
    EXPECT_EQ(today->FontColor(), ColorFromValue(16777215));
    // Waits (at most 3 seconds) for the timer to change the colour.
    auto nextColour = [&] {
        const QColor before = today->FontColor();
        QElapsedTimer wait;
        wait.start();
        while (today->FontColor() == before && wait.elapsed() < 3000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        return today->FontColor();
    };
    EXPECT_EQ(nextColour(), ColorFromValue(0)) << "NormalColor on a Tuesday";
    EXPECT_EQ(nextColour(), ColorFromValue(16777215));
    Click(Find("PrevBut"));
    EXPECT_FALSE(timer->isActive());
}

TEST_F(MainWindowTest, EveryTickIsAnnouncedForWorkOnTheSameBeat) {
    TForm1& w = Open(2015, 2, 10);
    int ticks = 0;
    QObject::connect(&events_, &AppEvents::SecondTick, [&] { ++ticks; });
    w.ReminderTick();
    w.ReminderTick();
    EXPECT_EQ(ticks, 2);
}

TEST_F(MainWindowTest, TickAtMidnightMovesTodayIntoTheNewMonth) {
    TForm1& w = Open(2015, 2, 28, 23, 59);
    clock_.SetLocal(EncodeDate(2015, 2, 28) + EncodeTime(23, 59, 59));
    w.ReminderTick();
    EXPECT_EQ(w.ShownMonth(), 2);
    clock_.SetLocal(EncodeDate(2015, 3, 1) + EncodeTime(0, 0, 0));
    w.ReminderTick();
    EXPECT_EQ(w.ShownMonth(), 3);
    EXPECT_EQ(w.Picture().todayCell, 0) << "1 March 2015 is a Sunday";
    EXPECT_FALSE(Find<OutlineShape>("Shape1")->isHidden());
}

TEST_F(MainWindowTest, TickPopsUpATimedReminderAtItsTimeAndUpdatesThePendingCount) {
    AddReminder(2015, 2, 10, '0', "10000,0,1430,00000000,Dentist");
    TForm1& w = Open(2015, 2, 10, 14, 29);
    EXPECT_EQ(w.Pending().pendingCount, 1);
    clock_.SetLocal(EncodeDate(2015, 2, 10) + EncodeTime(14, 29, 59));
    w.ReminderTick();
    EXPECT_TRUE(prompt_.Popups().empty());
    clock_.SetLocal(EncodeDate(2015, 2, 10) + EncodeTime(14, 30, 0));
    w.ReminderTick();
    ASSERT_EQ(prompt_.Popups().size(), 1u);
    EXPECT_THAT(prompt_.Popups()[0].memoText, testing::HasSubstr("Dentist"));
    EXPECT_EQ(w.Pending().pendingCount, 0);
    EXPECT_FALSE(folder_.Ini().ValueExists("Reminders", std::to_string(DayNumber(2015, 2, 10)) + "/0"))
        << "a one-time reminder is consumed";
}

TEST_F(MainWindowTest, EscapeClosesAndTheTitleOpensTheAboutBox) {
    TForm1& w = Open(2015, 2, 10);
    int about = 0;
    launcher_.SetOpener(AppWindow::About, [&](AppContext&, QWidget*) { ++about; });
    emit w.ContextMenu()->aboutToShow();
    EXPECT_TRUE(w.ContextMenu()->findChild<QAction*>("AboutItem")->isEnabled());
    auto* title = Find<ExtLabel>("ExtLabel2");
    test::Press(title, Qt::LeftButton, Qt::NoModifier);
    EXPECT_EQ(title->GetStyle(), ExtLabel::Style::HeavySunken);
    test::Release(title, Qt::LeftButton, Qt::NoModifier);
    EXPECT_EQ(title->GetStyle(), ExtLabel::Style::HeavyRaised);
    EXPECT_EQ(about, 1);

    w.show();
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(&w, &escape);
    EXPECT_FALSE(w.isVisible());
}

TEST_F(MainWindowTest, CommandsOfMissingWindowsAreDisabled) {
    TForm1& w = Open(2015, 2, 10);
    for (const char* name : {"SettingsItem", "EventsItem", "AstroItem", "DistancesItem", "ClockStatusItem",
                             "BiorhythmItem", "PrintItem", "HistoryItem"}) {
        QAction* action = w.ContextMenu()->findChild<QAction*>(name);
        ASSERT_NE(action, nullptr) << name;
        EXPECT_FALSE(action->isEnabled()) << name;
    }
    for (const char* name : {"MoonBut", "DistBut", "SNTPBut", "BioBut", "EventsBut", "SettingsBut"})
        EXPECT_FALSE(Find(name)->isEnabled()) << name;
    EXPECT_TRUE(Find("TodayBut")->isEnabled());
}

// ---------------------------------------------------------------- the date calculator's boxes

TEST_F(MainWindowTest, CalculatorBoxesOpenOnlyOnceTheDayIsReleased) {
    Set("Settings", "DateFormat", "1");
    Open(2000, 3, 5);
    std::vector<std::pair<CivilDate, bool>> opened;
    CountAddDialogs(opened);
    // A box opened while the day is held takes the release away from it: the
    // day would stay drawn pressed and the second Ctrl+click would be lost.
    test::Press(Day(3), Qt::LeftButton, Qt::ControlModifier);
    QCoreApplication::processEvents();
    EXPECT_TRUE(prompt_.Log().empty()) << "no box while the day is held";
    test::Release(Day(3), Qt::LeftButton, Qt::ControlModifier);
    QCoreApplication::processEvents();
    ASSERT_EQ(prompt_.Log().size(), 1u);
    EXPECT_EQ(prompt_.Log()[0].title, "Orvanto Math Mode");
    EXPECT_FALSE(Day(3)->isDown());

    Click(Day(12), Qt::ControlModifier);  // 10 March 2000
    ASSERT_EQ(prompt_.Log().size(), 2u) << "the second Ctrl+click gives the result at once";
    EXPECT_EQ(prompt_.Log()[1].title, "Orvanto Date Calculator");
    EXPECT_THAT(prompt_.Log()[1].text, testing::HasSubstr("Difference: 9 days"));
    EXPECT_TRUE(opened.empty());

    Click(Day(13));
    ASSERT_EQ(opened.size(), 1u) << "the next plain click opens the add dialog";
    EXPECT_EQ(opened[0].first, (CivilDate{2000, 3, 11}));
}

// ---------------------------------------------------------------- announced changes

TEST_F(MainWindowTest, TrayIconAndHintFollowAReminderAddedFromTheTray) {
    trayAvailable_ = true;
    TForm1& w = Open(2026, 1, 5, 10, 0);
    launcher_.SetAddReminderOpener([this](AppContext&, const CivilDate& day, bool timed, QWidget*) {
        EXPECT_TRUE(timed);
        AddReminder(day.year, day.month, day.day, '0', "10000,0,1430,00000000,Dentist");
        return true;
    });
    w.Minimize();
    ASSERT_EQ(w.TrayIconName(), "DAY05");
    emit w.TrayMenu()->aboutToShow();
    w.TrayMenu()->findChild<QAction*>("TrayNewAlarmItem")->trigger();
    EXPECT_EQ(w.TrayIconName(), "RDAY05");
    EXPECT_EQ(w.TrayIconObject()->toolTip(), " 01/05/2026 (1 pending event)");
}

TEST_F(MainWindowTest, WindowsThatChangeRemindersOrSettingsAreFollowedAtOnce) {
    trayAvailable_ = true;
    TForm1& w = Open(2026, 1, 5, 10, 0);
    launcher_.SetOpener(AppWindow::EventList, [this](AppContext&, QWidget*) {
        AddReminder(2026, 1, 5, '0', "10000,0,1600,00000000,Call Anna");
    });
    launcher_.SetOpener(AppWindow::Settings, [this](AppContext&, QWidget*) {
        Set("Settings", "DateFormat", "2");
        Set("Colors", "Theme", "2");
    });
    w.Minimize();
    emit w.ContextMenu()->aboutToShow();
    w.ContextMenu()->findChild<QAction*>("EventsItem")->trigger();
    EXPECT_EQ(w.TrayIconName(), "RDAY05");
    EXPECT_EQ(w.Pending().pendingCount, 1);
    EXPECT_THAT(DayButtonOf(5)->toolTip().toStdString(), testing::HasSubstr("Call Anna"));

    w.ContextMenu()->findChild<QAction*>("SettingsItem")->trigger();
    EXPECT_EQ(w.Settings().dateFormat, 2);
    EXPECT_EQ(context_.dateFormat, 2);
    EXPECT_EQ(context_.themeIndex, 2);
    EXPECT_EQ(w.TrayIconObject()->toolTip(), " 05/01/2026 (1 pending event)");
}

TEST_F(MainWindowTest, AWindowLeftOpenAnnouncesItsChangesItself) {
    TForm1& w = Open(2026, 1, 5, 10, 0);
    AddReminder(2026, 1, 20, '0', "10000,0,0,00000000,Holiday trip");
    emit events_.RemindersChanged();
    EXPECT_EQ(DayButtonOf(20)->FontColor(), ColorFromValue(16711680)) << "the reminder's colour";
    EXPECT_THAT(DayButtonOf(20)->toolTip().toStdString(), testing::HasSubstr("Holiday trip"));
    EXPECT_EQ(w.ShownMonth(), 1);
}

TEST_F(MainWindowTest, AChangeAnnouncedWhileAPopupIsOpenIsTakenWhenTheTickEnds) {
    // A popup that, while it is open, lets another window add a reminder.
    class ChangingPrompt : public ScriptedPrompt {
    public:
        std::function<void()> whileOpen;
        ReminderPopupAnswer Popup(const ReminderPopupRequest& request) override {
            if (whileOpen) whileOpen();
            return ScriptedPrompt::Popup(request);
        }
    };
    ChangingPrompt prompt;
    promptOverride_ = &prompt;
    trayAvailable_ = true;
    AddReminder(2015, 2, 10, '0', "10000,0,1430,00000000,Dentist");
    TForm1& w = Open(2015, 2, 10, 14, 29);
    w.Minimize();
    prompt.whileOpen = [&] {
        AddReminder(2015, 2, 10, '1', "10000,0,1600,00000000,Call Anna");
        emit events_.RemindersChanged();
    };
    clock_.SetLocal(EncodeDate(2015, 2, 10) + EncodeTime(14, 30, 0));
    w.ReminderTick();
    ASSERT_EQ(prompt.Popups().size(), 1u);
    EXPECT_EQ(w.Pending().pendingCount, 1) << "the reminder at 16:00";
    EXPECT_EQ(w.TrayIconName(), "RDAY10");
    EXPECT_EQ(w.TrayIconObject()->toolTip(), " 02/10/2015 (1 pending event)");
}

// ---------------------------------------------------------------- the command table

// The menus as their items' names, "-" for a separator.
std::vector<std::string> ItemNames(QMenu* menu) {
    std::vector<std::string> names;
    for (QAction* action : menu->actions()) {
        if (action->isSeparator())
            names.push_back("-");
        else if (action->menu())
            names.push_back(action->menu()->objectName().toStdString());
        else
            names.push_back(action->objectName().toStdString());
    }
    return names;
}

TEST_F(MainWindowTest, MenusFollowTheCommandTable) {
    TForm1& w = Open(2015, 2, 10);
    EXPECT_THAT(ItemNames(w.ContextMenu()),
                testing::ElementsAre("HistoryItem", "PrintItem", "ColorsMenu", "-", "SettingsItem",
                                     "EventsItem", "AstroItem", "DistancesItem", "ClockStatusItem",
                                     "BiorhythmItem", "-", "HelpItem", "AboutItem", "-", "ExitItem"));
    EXPECT_THAT(ItemNames(w.TrayMenu()),
                testing::ElementsAre("TrayRestoreItem", "TrayEventsItem", "TrayClockStatusItem",
                                     "TrayHelpItem", "TrayAboutItem", "TrayNewAlarmItem", "TrayExitItem"));
    EXPECT_EQ(w.ContextMenu()->findChild<QAction*>("ClockStatusItem")->text(), "Cloc&k correction status");
    EXPECT_EQ(w.TrayMenu()->findChild<QAction*>("TrayClockStatusItem")->text(), "&Clock correction status");
}

TEST_F(MainWindowTest, APluggedWindowIsOpenedFromItsItemButtonAndTrayItem) {
    int opened = 0;
    launcher_.SetOpener(AppWindow::EventList, [&](AppContext& context, QWidget* parent) {
        EXPECT_EQ(&context, &context_);
        EXPECT_EQ(parent, window_.get());
        ++opened;
    });
    int announced = 0;
    QObject::connect(&events_, &AppEvents::RemindersChanged, [&] { ++announced; });
    TForm1& w = Open(2015, 2, 10);
    EXPECT_TRUE(Find("EventsBut")->isEnabled());
    emit w.ContextMenu()->aboutToShow();
    EXPECT_TRUE(w.ContextMenu()->findChild<QAction*>("EventsItem")->isEnabled());
    EXPECT_TRUE(w.TrayMenu()->findChild<QAction*>("TrayEventsItem")->isEnabled());
    EXPECT_FALSE(w.ContextMenu()->findChild<QAction*>("AstroItem")->isEnabled());

    Click(Find("EventsBut"));
    w.ContextMenu()->findChild<QAction*>("EventsItem")->trigger();
    w.TrayMenu()->findChild<QAction*>("TrayEventsItem")->trigger();
    EXPECT_EQ(opened, 3);
    EXPECT_EQ(announced, 3) << "the event list may change the reminders";
}

TEST_F(MainWindowTest, ClockStatusNeedsClockCorrectionOn) {
    launcher_.SetOpener(AppWindow::ClockStatus, [](AppContext&, QWidget*) {});
    Set("SNTP", "TimeCorrection", "0");
    TForm1& w = Open(2015, 2, 10);
    emit w.ContextMenu()->aboutToShow();
    EXPECT_FALSE(w.ContextMenu()->findChild<QAction*>("ClockStatusItem")->isEnabled());
    EXPECT_FALSE(Find("SNTPBut")->isEnabled());
    Set("SNTP", "TimeCorrection", "1");
    emit w.ContextMenu()->aboutToShow();
    EXPECT_TRUE(w.ContextMenu()->findChild<QAction*>("ClockStatusItem")->isEnabled());
    EXPECT_TRUE(Find("SNTPBut")->isEnabled());
}

// ---------------------------------------------------------------- keys

class MainWindowKeysTest : public MainWindowTest {
protected:
    TForm1& OpenShown(int year, int month, int day) {
        TForm1& w = Open(year, month, day);
        w.show();
        QApplication::setActiveWindow(&w);
        return w;
    }
};

TEST_F(MainWindowKeysTest, F1OpensHelpWhicheverControlHasTheFocus) {
    std::vector<std::string> topics;
    launcher_.SetHelpOpener([&](const std::string& topic) { topics.push_back(topic); });
    OpenShown(2015, 2, 10);
    auto* year = Find<TransEdit>("TransEdit2");
    year->setFocus();
    ASSERT_TRUE(year->hasFocus());
    QTest::keyClick(year, Qt::Key_F1);
    EXPECT_EQ(topics, std::vector<std::string>{"index.htm"});
    QTest::keyClick(Find<QPushButton>("FocusButton"), Qt::Key_F1);
    EXPECT_EQ(topics.size(), 2u);
}

TEST_F(MainWindowKeysTest, PageUpAndPageDownStepMonthsEvenWhileTheYearIsTyped) {
    TForm1& w = OpenShown(2015, 2, 10);
    QTest::keyClick(&w, Qt::Key_PageDown);
    EXPECT_EQ(w.ShownMonth(), 3);
    auto* year = Find<TransEdit>("TransEdit2");
    year->setFocus();
    QTest::keyClick(year, Qt::Key_PageUp);
    QTest::keyClick(year, Qt::Key_PageUp);
    EXPECT_EQ(w.ShownMonth(), 1);
    EXPECT_EQ(w.ShownYear(), 2015);
}

TEST_F(MainWindowKeysTest, ArrowKeysMoveTheSelectedDayAcrossMonthsAndEnterAddsToIt) {
    TForm1& w = OpenShown(2015, 2, 10);
    std::vector<std::pair<CivilDate, bool>> opened;
    CountAddDialogs(opened);
    QTest::keyClick(&w, Qt::Key_Right);
    EXPECT_TRUE(DayButtonOf(10)->hasFocus()) << "the first arrow selects today";
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    EXPECT_TRUE(DayButtonOf(11)->hasFocus());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    EXPECT_EQ(w.ShownMonth(), 3) << "three weeks after 11 February is 4 March";
    EXPECT_TRUE(DayButtonOf(4)->hasFocus());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0].first, (CivilDate{2015, 3, 4}));

    auto* year = Find<TransEdit>("TransEdit2");
    year->setFocus();
    year->selectAll();
    QTest::keyClicks(year, "20");
    QTest::keyClick(year, Qt::Key_Left);
    EXPECT_TRUE(year->hasFocus()) << "the arrows move the cursor while a year is typed";
    EXPECT_EQ(year->cursorPosition(), 1);
    QTest::keyClicks(year, "1");
    QTest::keyClick(year, Qt::Key_Return);
    EXPECT_EQ(w.ShownYear(), 2015) << "201 is no year of the calendar";
    EXPECT_EQ(w.ShownMonth(), 3);
}

TEST_F(MainWindowKeysTest, ArrowsStopAtTheEndOfTheCalendarWithABeep) {
    TForm1& w = OpenShown(2078, 12, 31);
    QTest::keyClick(&w, Qt::Key_Right);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    EXPECT_EQ(sound_.beeps, 1);
    EXPECT_EQ(w.ShownYear(), 2078);
}

TEST(MainHelpPage, PromisesOnlyWhatTheWindowDoes) {
    std::ifstream in(std::string(ORVANTO_SOURCE_DIR) + "/resources/help/index.htm");
    std::stringstream page;
    page << in.rdbuf();
    const std::string text = page.str();
    EXPECT_THAT(text, testing::HasSubstr("Page Up"));
    EXPECT_THAT(text, testing::HasSubstr("arrow keys"));
    EXPECT_THAT(text, testing::HasSubstr("F1"));
    EXPECT_THAT(text, testing::Not(testing::HasSubstr("turns red"))) << "the icon is marked, not turned red";
}

// ---------------------------------------------------------------- the menu anywhere on the window

class MainWindowMenuTest : public MainWindowTest {
protected:
    // A right press delivered through the window, as the desktop delivers it.
    bool MenuOpensOnRightClickAt(TForm1& w, QWidget* target) {
        w.ContextMenu()->hide();
        const QPoint at = target->mapTo(&w, target->rect().center());
        QTest::mousePress(w.windowHandle(), Qt::RightButton, Qt::NoModifier, at);
        QCoreApplication::processEvents();
        const bool shown = w.ContextMenu()->isVisible();
        QTest::mouseRelease(w.windowHandle(), Qt::RightButton, Qt::NoModifier, at);
        w.ContextMenu()->hide();
        return shown;
    }
};

TEST_F(MainWindowMenuTest, RightClickAnywhereOpensTheMenu) {
    TForm1& w = Open(2015, 1, 10);
    w.show();
    QApplication::setActiveWindow(&w);
    ASSERT_EQ(w.Picture().cells[0].kind, CellKind::Dimmed) << "a day of December before 1 January 2015";
    for (const char* name : {"Label1", "ScrollButton", "SpeedButton8", "SpeedButton20", "MoonBut", "TodayBut",
                             "SpeedButton1", "SpeedButton50", "ExtLabel1"}) {
        QWidget* target = w.findChild<QWidget*>(name);
        ASSERT_NE(target, nullptr) << name;
        EXPECT_TRUE(MenuOpensOnRightClickAt(w, target)) << name;
    }
}

}  // namespace
}  // namespace orvanto
