// The "Settings" dialog driven by objectName: every page read from the
// settings file and written back, the control rules, the order and the
// refusals of "&OK", the Location page, the logon entry and the locale.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRadioButton>
#include <QSlider>
#include <QTabWidget>
#include <QTimer>
#include <QTreeWidget>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <clocale>
#include <filesystem>
#include <fstream>

#include "core/scripted_prompt.h"
#include "platform/connection_state.h"
#include "ui/help/help_window.h"
#include "ui/settings/settings_form.h"
#include "ui/tests/ui_test_support.h"

namespace orvanto {
namespace {

namespace fs = std::filesystem;

const RegionLists& Library() {
    static const RegionLists regions = LoadLibraryRegions();
    return regions;
}

// A sound whose file plays only from a given try on.
class TriesSound : public test::CountingSound {
public:
    bool PlayFile(const std::string& path) override {
        files.push_back(path);
        return static_cast<int>(files.size()) >= playsFrom;
    }
    int playsFrom = 1000;
    std::vector<std::string> files;
};

// Counts the SettingsChanged announcements while it lives.
class ChangeCounter {
public:
    explicit ChangeCounter(AppEvents& events)
        : connection_(QObject::connect(&events, &AppEvents::SettingsChanged, [this] { ++count_; })) {}
    ~ChangeCounter() { QObject::disconnect(connection_); }
    int count() const { return count_; }

private:
    int count_ = 0;
    QMetaObject::Connection connection_;
};

// A desktop that shows what it was told.
class FakeDesktop : public DesktopBackground {
public:
    bool Read(WallpaperValues& values) const override {
        values = current;
        return true;
    }
    bool Write(const WallpaperValues& values) override {
        current = values;
        ++writes;
        return true;
    }
    WallpaperValues current;
    int writes = 0;
};

class SettingsFormTest : public testing::Test {
protected:
    SettingsFormTest() {
        test::Application();
        context_.settingsPath = folder_.Path();
        context_.prompt = &prompt_;
        context_.sound = &sound_;
        context_.events = &events_;
        services_.logon = &logon_;
        services_.desktop = &desktop_;
        services_.pinger = &pinger_;
        services_.connected = [this] { return connection_.InternetAvailable(); };
        services_.programPath = "/usr/bin/orvanto";
        services_.positionRange = WallpaperPositionRange{0, 30, 900, 580};
        services_.chooseFile = [this](const FileChoice& choice) {
            choices_.push_back(choice);
            return chosenFile_;
        };
        services_.viewHistory = [this](const std::string& path) { viewed_.push_back(path); };
        services_.wait = [this](int ms) { waits_.push_back(ms); };
    }

    std::unique_ptr<TSettingsForm> Form() {
        return std::make_unique<TSettingsForm>(context_, services_, Library());
    }
    // A place chosen, so that "&OK" can pass the Location page.
    void StoreAbbotsford() {
        IniFile ini = folder_.Ini();
        ini.WriteInteger("Location", "RegionIndex", 0);
        ini.WriteInteger("Location", "CityIndex", 0);
    }
    template <typename T>
    static T* Get(QWidget* form, const char* name) {
        T* child = form->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(child, nullptr) << name;
        return child;
    }
    std::string Key(const char* section, const char* key) {
        return folder_.Ini().ReadString(section, key, "<none>");
    }
    static void ShowActive(QWidget& form) {
        form.show();
        form.activateWindow();
        for (int i = 0; i < 50 && QApplication::activeWindow() != &form; ++i)
            QCoreApplication::processEvents();
    }
    std::vector<std::string> Messages() const {
        std::vector<std::string> texts;
        for (const auto& shown : prompt_.Log()) texts.push_back(shown.text);
        return texts;
    }

    test::SettingsFolder folder_;
    ScriptedPrompt prompt_;
    TriesSound sound_;
    AppEvents events_;
    AppContext context_;
    FakeLogonEntry logon_;
    FakeDesktop desktop_;
    FakePinger pinger_;
    FakeConnectionState connection_{true};
    SettingsDialogServices services_;
    std::optional<QString> chosenFile_;
    std::vector<FileChoice> choices_;
    std::vector<std::string> viewed_;
    std::vector<int> waits_;
};

// ---------------------------------------------------------------- the window

TEST_F(SettingsFormTest, SixPagesTheGeneralPageFirst) {
    auto form = Form();
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Settings"));
    auto* pages = Get<QTabWidget>(form.get(), "PageControl1");
    ASSERT_EQ(pages->count(), 6);
    const char* names[] = {"General", "Startup", "Events", "International", "Location", "Clock correction"};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(pages->tabText(i).toStdString(), names[i]);
    EXPECT_EQ(pages->currentIndex(), 0);
    EXPECT_EQ(Get<QAbstractButton>(form.get(), "OKButton")->text(), QStringLiteral("&OK"));
    EXPECT_EQ(Get<QAbstractButton>(form.get(), "CancelButton2")->text(), QStringLiteral("C&ancel"));
    EXPECT_EQ(Get<QAbstractButton>(form.get(), "HelpButton")->text(), QStringLiteral("&Help"));
    EXPECT_EQ(form->Caption()->CloseButton()->toolTip(), QStringLiteral("Close"));
}

TEST_F(SettingsFormTest, CaptionsAndHintsOfThePages) {
    auto form = Form();
    struct Case {
        const char* name;
        const char* caption;
        const char* hint;
    };
    const Case cases[] = {
        {"SavePosBox", "Sa&ve window position on exit", ""},
        {"MinToTrayBox", "&Minimize to Tray", ""},
        {"QuitAtLogonBox", "Check reminders and quit", ""},
        {"MinimizeAtLogonBox", "Check reminders and minimize", ""},
        {"WallpaperBox", "Generate a calendar wallpaper at startup ", ""},
        {"ShuffleIconBox", "&Move tray icon after program startup",
         "Moves the tray icon near the clock after program startup."},
        {"ShowGhostBox", "Show calculated e&vents", "Grayed displays only future events"},
        {"InBracketsBox", "Enclose calc'ed events in brackets",
         "Brackets allow easy identification of calculated events"},
        {"IgnorePendingBox", "Ignore pending reminders on e&xiting", ""},
        {"DelayResBox", "&Keep Reminder initially checked", ""},
        {"ExpireBox", "Expire the&m after", ""},
        {"IgnoreMissedBox", "Hide missed reminders at st&artup", ""},
        {"OldEuropeBox", "&Week begins on Monday", ""},
        {"EasterRelatedBox", "Show Easter &related holidays",
         "Ash Wednesday,\nPalm Sunday,\nMaundy Thursday,\nGood Friday,\nHoly Saturday,\nEaster Monday"},
        {"ShowMoonBox", "&Show Moon phases", ""},
        {"MoonHintBox", "Display Moo&n hints", ""},
        {"ShowEasterBox", "Show Easter && &Christmas", ""},
        {"ShowThanksBox", "Show Thanks &Giving Day", ""},
        {"ShowPesachBox", "Show &Pesach", ""},
        {"MinorPhasesBox", "Enable additional moon phases in Astronomical Module",
         "Waxing Crescent,\nWaxing Gibbous,\nWaning Gibbous,\nWaning Crescent"},
        {"DSTCorrectionBox", "&Enable DST correction", ""},
        {"AllTimedBox", "&Timed event initially checked", ""},
        {"TimeCorrectionBox", "&Enable system time correction through Internet", ""},
        {"AutoServerBox", "&Select the best time server available", ""},
    };
    for (const Case& c : cases) {
        auto* box = Get<QCheckBox>(form.get(), c.name);
        if (!box) continue;
        EXPECT_EQ(box->text().toStdString(), c.caption) << c.name;
        EXPECT_EQ(box->toolTip().toStdString(), c.hint) << c.name;
    }
    EXPECT_EQ(Get<QGroupBox>(form.get(), "LogonGroup")->title(),
              QStringLiteral(" &What to do at logon  [ORVANTO.INI] "));
    EXPECT_EQ(Get<QGroupBox>(form.get(), "ThemeGroup")->title(), QStringLiteral(" Color &Theme "));
    EXPECT_EQ(Get<QGroupBox>(form.get(), "HistoryFileGroup")->title(),
              QStringLiteral(" &Events history file (leave blank for none) "));
    const char* themes[] = {"Sky", "Desert", "Aquamarine", "Pumpkin", "Chrome", "XP Style"};
    for (int i = 0; i < 6; ++i) {
        const std::string name = "ThemeButton" + std::to_string(i);
        EXPECT_EQ(Get<QRadioButton>(form.get(), name.c_str())->text().toStdString(), themes[i]);
    }
    EXPECT_EQ(Get<QComboBox>(form.get(), "TimeServerBox")->count(), 108);
}

// ---------------------------------------------------------------- every key read and written back

struct KeyCase {
    const char* section;
    const char* key;
    const char* stored;    // written into the file before opening
    const char* control;   // objectName
    const char* shown;     // the control's state: "1"/"0" checked, "2" grayed, or the text / value
    const char* written;   // what "&OK" writes back after the change below
    const char* changeTo;  // a new state ("1"/"0"/"2" or a text), or nullptr for none
};

std::string ControlState(QWidget* widget) {
    if (auto* box = qobject_cast<QCheckBox*>(widget)) {
        return box->checkState() == Qt::PartiallyChecked ? "2" : box->isChecked() ? "1" : "0";
    }
    if (auto* radio = qobject_cast<QRadioButton*>(widget)) return radio->isChecked() ? "1" : "0";
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) return edit->text().toStdString();
    if (auto* slider = qobject_cast<QSlider*>(widget)) return std::to_string(slider->value());
    if (auto* combo = qobject_cast<QComboBox*>(widget)) return combo->currentText().toStdString();
    return "?";
}

void ChangeControl(QWidget* widget, const std::string& to) {
    if (auto* box = qobject_cast<QCheckBox*>(widget)) {
        box->setCheckState(to == "2" ? Qt::PartiallyChecked : to == "1" ? Qt::Checked : Qt::Unchecked);
    } else if (auto* radio = qobject_cast<QRadioButton*>(widget)) {
        radio->setChecked(to == "1");
    } else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        edit->setText(QString::fromStdString(to));
    } else if (auto* slider = qobject_cast<QSlider*>(widget)) {
        slider->setValue(std::stoi(to));
    } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        combo->setCurrentText(QString::fromStdString(to));
    }
}

const KeyCase kKeyCases[] = {
    {"Colors", "Theme", "3", "ThemeButton3", "1", "3", nullptr},
    {"Settings", "SavePos", "0", "SavePosBox", "0", "1", "1"},
    {"Settings", "MinToTray", "1", "MinToTrayBox", "1", "0", "0"},
    {"Settings", "SideDays", "2", "HiddenButton", "1", "2", nullptr},
    {"Settings", "HintPause", "7", "HintPauseBar", "7", "12", "12"},
    {"Settings", "WaveFile", "/snd/ding.wav", "WaveFileEdit", "/snd/ding.wav", "/snd/dong.wav",
     "/snd/dong.wav"},
    {"Settings", "ShuffleIcon", "0", "ShuffleIconBox", "0", "1", "1"},
    {"Settings", "ShowGhost", "0", "ShowGhostBox", "0", "2", "2"},
    {"Settings", "InBrackets", "1", "InBracketsBox", "1", "0", "0"},
    {"Settings", "IgnorePending", "1", "IgnorePendingBox", "1", "0", "0"},
    {"Settings", "DelayRes", "0", "DelayResBox", "0", "1", "1"},
    {"Settings", "ExpireAfter", "14", "ExpireEdit", "14", "30", "30"},
    {"Settings", "IgnoreDayColor", "1", "IgnoreDayColorBox", "1", "1", nullptr},
    {"Settings", "IgnoreWeekColor", "0", "IgnoreWeekColorBox", "0", "1", "1"},
    {"Settings", "HistoryFile", "/var/h.log", "HistoryFileEdit", "/var/h.log", "", ""},
    {"Settings", "DateFormat", "1", "DayFirstButton", "0", "2", "1"},
    {"Settings", "OldEurope", "0", "OldEuropeBox", "0", "1", "1"},
    {"Settings", "EasterRelated", "1", "EasterRelatedBox", "1", "0", "0"},
    {"Settings", "ShowMoon", "1", "ShowMoonBox", "1", "1", nullptr},
    {"Settings", "MoonHint", "0", "MoonHintBox", "0", "1", "1"},
    {"Settings", "ShowEaster", "1", "ShowEasterBox", "1", "0", "0"},
    {"Settings", "ShowThanks", "0", "ShowThanksBox", "0", "1", "1"},
    {"Settings", "ShowPesach", "1", "ShowPesachBox", "1", "0", "0"},
    {"Settings", "MinorPhases", "0", "MinorPhasesBox", "0", "1", "1"},
    {"Settings", "DSTCorrection", "1", "DSTCorrectionBox", "1", "0", "0"},
    {"Settings", "AllTimed", "0", "AllTimedBox", "0", "1", "1"},
    {"SNTP", "TimeCorrection", "1", "TimeCorrectionBox", "1", "1", nullptr},
    {"SNTP", "AutoServer", "0", "AutoServerBox", "0", "0", nullptr},
    {"SNTP", "TimeServer", "time.example.org", "TimeServerBox", "time.example.org", "ntp.example.net",
     "ntp.example.net"},
    {"SNTP", "CorrectEvery", "45", "CorrectEveryEdit", "45", "999", "999"},
    {"SNTP", "TimeOut", "20", "TimeOutEdit", "20", "1", "1"},
};

TEST_F(SettingsFormTest, EveryControlShowsItsKeyAndWritesItBack) {
    StoreAbbotsford();
    IniFile ini = folder_.Ini();
    for (const KeyCase& c : kKeyCases) ini.WriteString(c.section, c.key, c.stored);
    auto form = Form();
    for (const KeyCase& c : kKeyCases) {
        QWidget* control = Get<QWidget>(form.get(), c.control);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(ControlState(control), c.shown) << c.key;
    }
    for (const KeyCase& c : kKeyCases) {
        if (c.changeTo) ChangeControl(Get<QWidget>(form.get(), c.control), c.changeTo);
    }
    form->PressOk();
    ASSERT_TRUE(form->Stored()) << testing::PrintToString(Messages());
    for (const KeyCase& c : kKeyCases) EXPECT_EQ(Key(c.section, c.key), c.written) << c.key;
}

TEST_F(SettingsFormTest, ANewFileOpensWithTheDialogsDefaults) {
    StoreAbbotsford();
    auto form = Form();
    EXPECT_TRUE(Get<QRadioButton>(form.get(), "ThemeButton0")->isChecked());
    EXPECT_TRUE(Get<QRadioButton>(form.get(), "MonthFirstButton")->isChecked())
        << "a new file holds DateFormat 1";
    EXPECT_EQ(Get<QCheckBox>(form.get(), "ShowGhostBox")->checkState(), Qt::PartiallyChecked);
    EXPECT_EQ(Get<QLabel>(form.get(), "HintPauseLabel")->text(), QStringLiteral("3 sec."));
    EXPECT_TRUE(Get<QCheckBox>(form.get(), "TimeCorrectionBox")->isChecked()) << "the dialog's default";
    EXPECT_TRUE(Get<QCheckBox>(form.get(), "AutoServerBox")->isChecked());
    EXPECT_EQ(Get<QLineEdit>(form.get(), "CorrectEveryEdit")->text(), QStringLiteral("60"));
    EXPECT_EQ(Get<QLineEdit>(form.get(), "TimeOutEdit")->text(), QStringLiteral("30"));
    EXPECT_FALSE(Get<QCheckBox>(form.get(), "ExpireBox")->isChecked());
    EXPECT_EQ(Get<QLineEdit>(form.get(), "ExpireEdit")->text(), QString());
    form->PressOk();
    EXPECT_EQ(Key("SNTP", "TimeServer"), "")
        << "with automatic selection the stored value goes back unchanged";
    EXPECT_EQ(Key("Settings", "ExpireAfter"), "0");
    EXPECT_EQ(Key("Settings", "Wallpaper"), "0");
    EXPECT_EQ(Key("Settings", "ShowGhost"), "2");
}

TEST_F(SettingsFormTest, TheKeysAreWrittenSettingsThenColorsThenSntp) {
    StoreAbbotsford();
    IniFile ini = folder_.Ini();
    ini.EraseSection("Colors");
    auto form = Form();
    form->PressOk();
    const std::vector<std::string> colors = folder_.Ini().ReadSection("Colors");
    EXPECT_EQ(colors, std::vector<std::string>{"Theme"});
    std::ifstream in(folder_.Path());
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_LT(text.find("[Settings]"), text.find("[Colors]"));
    EXPECT_LT(text.find("[Colors]"), text.find("[SNTP]"));
}

// ---------------------------------------------------------------- control rules

TEST_F(SettingsFormTest, TheTwoLogonBoxesExcludeEachOtherAndClearingMinimizeWarns) {
    auto form = Form();
    auto* quit = Get<QCheckBox>(form.get(), "QuitAtLogonBox");
    auto* minimize = Get<QCheckBox>(form.get(), "MinimizeAtLogonBox");
    minimize->click();
    EXPECT_TRUE(minimize->isChecked());
    EXPECT_TRUE(prompt_.Log().empty());
    minimize->click();
    ASSERT_EQ(prompt_.Log().size(), 1u);
    EXPECT_EQ(prompt_.Log()[0].messageKind, MessageKind::Warning);
    EXPECT_EQ(
        prompt_.Log()[0].text,
        "If you clear this check box Orvanto will not be able to handle timed events properly, because the "
        "program will be closed after initial event verification.\r\n\r\nUncheck this box ONLY if you don't "
        "want to use alarms.");
    quit->click();
    minimize->click();
    EXPECT_FALSE(quit->isChecked());
    quit->click();
    EXPECT_FALSE(minimize->isChecked());
}

TEST_F(SettingsFormTest, HidingMissedRemindersSwitchesExpiryOff) {
    folder_.Ini().WriteInteger("Settings", "ExpireAfter", 12);
    auto form = Form();
    auto* expire = Get<QCheckBox>(form.get(), "ExpireBox");
    auto* days = Get<QLineEdit>(form.get(), "ExpireEdit");
    auto* up = Get<QAbstractButton>(form.get(), "ExpireEditUp");
    auto* down = Get<QAbstractButton>(form.get(), "ExpireEditDown");
    EXPECT_TRUE(expire->isChecked());
    EXPECT_EQ(days->text(), QStringLiteral("12"));
    EXPECT_TRUE(up->isEnabled());

    Get<QCheckBox>(form.get(), "IgnoreMissedBox")->click();
    EXPECT_FALSE(expire->isChecked());
    EXPECT_FALSE(expire->isEnabled());
    EXPECT_FALSE(days->isEnabled());
    EXPECT_FALSE(up->isEnabled());
    EXPECT_EQ(days->text(), QString());

    Get<QCheckBox>(form.get(), "IgnoreMissedBox")->click();
    EXPECT_TRUE(expire->isEnabled());
    expire->click();
    EXPECT_EQ(days->text(), QStringLiteral("12")) << "the stored number comes back";
    days->setText(QStringLiteral("998"));
    up->click();
    up->click();
    EXPECT_EQ(days->text(), QStringLiteral("999"));
    days->clear();
    down->click();
    EXPECT_EQ(days->text(), QStringLiteral("0")) << "an empty box counts as 0";
    up->click();
    EXPECT_EQ(days->text(), QStringLiteral("1"));
}

TEST_F(SettingsFormTest, ExpiryWithAnEmptyBoxWritesZero) {
    StoreAbbotsford();
    folder_.Ini().WriteInteger("Settings", "ExpireAfter", 12);
    auto form = Form();
    Get<QLineEdit>(form.get(), "ExpireEdit")->clear();
    form->PressOk();
    EXPECT_EQ(Key("Settings", "ExpireAfter"), "0");
}

TEST_F(SettingsFormTest, CalculatedEventsAndBracketsAndMoonHints) {
    auto form = Form();
    auto* ghost = Get<QCheckBox>(form.get(), "ShowGhostBox");
    auto* brackets = Get<QCheckBox>(form.get(), "InBracketsBox");
    ghost->setCheckState(Qt::PartiallyChecked);
    EXPECT_TRUE(brackets->isEnabled()) << "grayed keeps the brackets box";
    ghost->setCheckState(Qt::Unchecked);
    EXPECT_FALSE(brackets->isEnabled());
    ghost->setCheckState(Qt::Checked);
    EXPECT_TRUE(brackets->isEnabled());

    auto* moon = Get<QCheckBox>(form.get(), "ShowMoonBox");
    auto* hints = Get<QCheckBox>(form.get(), "MoonHintBox");
    moon->setChecked(false);
    EXPECT_FALSE(hints->isEnabled());
    moon->setChecked(true);
    EXPECT_TRUE(hints->isEnabled());
}

TEST_F(SettingsFormTest, HintPauseLabelFollowsTheSlider) {
    auto form = Form();
    auto* bar = Get<QSlider>(form.get(), "HintPauseBar");
    EXPECT_EQ(bar->minimum(), 1);
    EXPECT_EQ(bar->maximum(), 20);
    bar->setValue(20);
    EXPECT_EQ(Get<QLabel>(form.get(), "HintPauseLabel")->text(), QStringLiteral("20 sec."));
}

TEST_F(SettingsFormTest, ChoosingAThemeRepaintsTheDialogAtOnce) {
    auto form = Form();
    Get<QRadioButton>(form.get(), "ThemeButton3")->click();
    EXPECT_EQ(form->palette().color(QPalette::Window), Theme::ByIndex(3).Color(ThemeRole::WindowBackground));
    EXPECT_EQ(form->Caption()->GradientColor(0), Theme::ByIndex(3).Color(ThemeRole::Caption1));
    EXPECT_EQ(Get<BevelButton>(form.get(), "OKButton")->Face(), Theme::ByIndex(3).Color(ThemeRole::DayFace));
    EXPECT_EQ(Key("Colors", "Theme"), "0") << "nothing written before OK";
}

TEST_F(SettingsFormTest, SoundFileBrowseAndTest) {
    auto form = Form();
    auto* path = Get<QLineEdit>(form.get(), "WaveFileEdit");
    auto* test = Get<QAbstractButton>(form.get(), "WaveTestButton");
    EXPECT_FALSE(test->isEnabled()) << "an empty box";

    const std::string wave = folder_.Folder() + "/bell.wav";
    std::ofstream(wave) << "RIFF";
    chosenFile_ = QString::fromStdString(wave);
    path->setText(QStringLiteral("/nowhere/old.wav"));
    Get<QAbstractButton>(form.get(), "WaveBrowseButton")->click();
    ASSERT_EQ(choices_.size(), 1u);
    EXPECT_EQ(choices_[0].title, QStringLiteral("Reminder Sound File"));
    EXPECT_EQ(choices_[0].defaultSuffix, QStringLiteral("WAV"));
    EXPECT_EQ(choices_[0].startFolder, QStringLiteral("/nowhere"));
    EXPECT_EQ(path->text().toStdString(), wave);
    EXPECT_TRUE(test->isEnabled());

    sound_.playsFrom = 3;
    test->click();
    EXPECT_EQ(sound_.files.size(), 3u) << "tried until it played";
    EXPECT_EQ(waits_, (std::vector<int>{500, 500, 500}));
    EXPECT_EQ(sound_.beeps, 0);

    sound_.files.clear();
    waits_.clear();
    sound_.playsFrom = 1000;
    test->click();
    EXPECT_EQ(sound_.files.size(), 11u) << "at most 11 tries";
    EXPECT_EQ(sound_.beeps, 1);

    sound_.files.clear();
    path->setText(QStringLiteral("/nowhere/gone.wav"));
    test->click();
    EXPECT_TRUE(sound_.files.empty()) << "a missing file is not played";
}

TEST_F(SettingsFormTest, HistoryFileBrowseAndView) {
    auto form = Form();
    auto* path = Get<QLineEdit>(form.get(), "HistoryFileEdit");
    auto* view = Get<QAbstractButton>(form.get(), "HistoryViewButton");
    EXPECT_FALSE(view->isEnabled());
    chosenFile_ = QStringLiteral("/var/log/events.log");
    Get<QAbstractButton>(form.get(), "HistoryBrowseButton")->click();
    ASSERT_EQ(choices_.size(), 1u);
    EXPECT_EQ(choices_[0].title, QStringLiteral("Event History File"));
    EXPECT_EQ(choices_[0].defaultSuffix, QStringLiteral("LOG"));
    EXPECT_EQ(path->text(), QStringLiteral("/var/log/events.log"));
    EXPECT_TRUE(view->isEnabled());

    path->setText(QString::fromStdString(folder_.Folder() + "/missing.log"));
    view->click();
    EXPECT_EQ(Messages(), std::vector<std::string>{"History file not found."});
    EXPECT_TRUE(viewed_.empty());

    const std::string log = folder_.Folder() + "/events.log";
    std::ofstream(log) << "-- DATE --\n";
    path->setText(QString::fromStdString(log));
    view->click();
    EXPECT_EQ(viewed_, std::vector<std::string>{log});
}

TEST_F(SettingsFormTest, TheDefaultHistoryViewerIsTheHelpWindow) {
    const std::string log = folder_.Folder() + "/events.log";
    std::ofstream(log) << "-- DATE -- -TIME-  AL  -- EVENT --\n12/25/2005 Christmas\n";
    TSettingsForm::ShowFileInHelpWindow(log, nullptr);
    HelpWindow* window = OpenHelpWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_THAT(window->Browser()->toPlainText().toStdString(), testing::HasSubstr("12/25/2005 Christmas"));
    CloseHelpWindows();
}

TEST_F(SettingsFormTest, WallpaperChoices) {
    auto form = Form();
    auto* on = Get<QCheckBox>(form.get(), "WallpaperBox");
    auto* only = Get<QCheckBox>(form.get(), "GenerateOnlyBox");
    auto* centred = Get<QRadioButton>(form.get(), "CenteredButton");
    auto* custom = Get<QRadioButton>(form.get(), "CustomPosButton");
    auto* x = Get<QSlider>(form.get(), "XBar");
    auto* y = Get<QSlider>(form.get(), "YBar");
    EXPECT_FALSE(only->isEnabled());
    EXPECT_FALSE(centred->isEnabled());
    EXPECT_EQ(x->minimum(), 0);
    EXPECT_EQ(x->maximum(), 900);
    EXPECT_EQ(y->minimum(), 30);
    EXPECT_EQ(y->maximum(), 580);

    on->click();
    EXPECT_TRUE(only->isEnabled());
    EXPECT_FALSE(only->isChecked());
    EXPECT_TRUE(centred->isChecked());
    EXPECT_FALSE(custom->isChecked());
    EXPECT_FALSE(x->isEnabled());

    custom->click();
    EXPECT_TRUE(x->isEnabled());
    EXPECT_TRUE(y->isEnabled());
    ASSERT_EQ(prompt_.Log().size(), 1u);
    EXPECT_EQ(prompt_.Log()[0].messageKind, MessageKind::Information);
    EXPECT_EQ(prompt_.Log()[0].text,
              "The custom position for wallpapers may not work in some systems.\n\n"
              "It may fail mostly on desktops that ignore a wallpaper position, as this feature\n"
              "is not fully supported. Under these circumstances the wallpaper\n"
              "will be centered on screen, ignoring this setting.\n");
    x->setValue(100);
    y->setValue(50);
    EXPECT_EQ(Get<QLabel>(form.get(), "XLabel")->text(), QStringLiteral("X = 100"));
    EXPECT_EQ(Get<QLabel>(form.get(), "YLabel")->text(), QStringLiteral("Y = 50"));

    only->click();
    EXPECT_TRUE(centred->isChecked()) << "generate only forces centred";
    EXPECT_FALSE(centred->isEnabled());
    EXPECT_FALSE(custom->isEnabled());
    EXPECT_FALSE(x->isEnabled());
    only->click();
    custom->click();

    on->click();
    EXPECT_FALSE(only->isEnabled());
    EXPECT_FALSE(custom->isEnabled());
}

TEST_F(SettingsFormTest, WallpaperStateWrittenByOk) {
    StoreAbbotsford();
    desktop_.current.path = "/home/ann/beach.jpg";
    desktop_.current.tile = "0";
    desktop_.current.style = "2";
    auto form = Form();
    Get<QCheckBox>(form.get(), "WallpaperBox")->click();
    Get<QRadioButton>(form.get(), "CustomPosButton")->click();
    Get<QSlider>(form.get(), "XBar")->setValue(100);
    Get<QSlider>(form.get(), "YBar")->setValue(50);
    form->PressOk();
    EXPECT_EQ(Key("Settings", "Wallpaper"), "3");
    EXPECT_EQ(Key("Settings", "WPX"), "100");
    EXPECT_EQ(Key("Settings", "WPY"), "50");
    EXPECT_EQ(Key("Settings", "OldWallpaper"), "/home/ann/beach.jpg");
    EXPECT_EQ(Key("Settings", "OldWallpaperStyle"), "2");

    // Reopened: the same choices; centred writes 0, 0.
    desktop_.current.path = "/opt/orvanto/Orvanto.bmp";
    auto again = Form();
    EXPECT_TRUE(Get<QRadioButton>(again.get(), "CustomPosButton")->isChecked());
    EXPECT_EQ(Get<QSlider>(again.get(), "XBar")->value(), 100);
    Get<QRadioButton>(again.get(), "CenteredButton")->click();
    again->PressOk();
    EXPECT_EQ(Key("Settings", "Wallpaper"), "2");
    EXPECT_EQ(Key("Settings", "WPX"), "0");
    EXPECT_EQ(Key("Settings", "OldWallpaper"), "/home/ann/beach.jpg")
        << "the calendar is never the old wallpaper";
}

TEST_F(SettingsFormTest, SwitchingTheWallpaperOffGivesThePreviousOneBack) {
    StoreAbbotsford();
    IniFile ini = folder_.Ini();
    ini.WriteInteger("Settings", "Wallpaper", 2);
    ini.WriteString("Settings", "OldWallpaper", "/home/ann/beach.jpg");
    desktop_.current.path = "/opt/orvanto/orvanto.BMP";
    auto form = Form();
    Get<QCheckBox>(form.get(), "WallpaperBox")->click();
    EXPECT_EQ(desktop_.writes, 0) << "only after OK";
    form->PressOk();
    EXPECT_EQ(Key("Settings", "Wallpaper"), "0");
    EXPECT_EQ(desktop_.current.path, "/home/ann/beach.jpg");

    // Another picture on the desktop: left alone.
    ini.WriteInteger("Settings", "Wallpaper", 2);
    desktop_.current.path = "/home/ann/forest.jpg";
    auto again = Form();
    Get<QCheckBox>(again.get(), "WallpaperBox")->click();
    again->PressOk();
    EXPECT_EQ(desktop_.current.path, "/home/ann/forest.jpg");
}

// ---------------------------------------------------------------- clock page

TEST_F(SettingsFormTest, ClockPageEnablingRules) {
    auto form = Form();
    auto* correction = Get<QCheckBox>(form.get(), "TimeCorrectionBox");
    auto* automatic = Get<QCheckBox>(form.get(), "AutoServerBox");
    auto* server = Get<QComboBox>(form.get(), "TimeServerBox");
    auto* label = Get<QLabel>(form.get(), "TimeServerLabel");
    auto* test = Get<QAbstractButton>(form.get(), "ServerTestButton");
    auto* minutes = Get<QLineEdit>(form.get(), "CorrectEveryEdit");
    correction->setChecked(true);
    automatic->setChecked(true);
    EXPECT_FALSE(server->isEnabled());
    EXPECT_FALSE(label->isEnabled());
    EXPECT_FALSE(test->isEnabled());
    EXPECT_TRUE(minutes->isEnabled());
    automatic->setChecked(false);
    EXPECT_TRUE(server->isEnabled());
    EXPECT_TRUE(label->isEnabled());
    EXPECT_TRUE(test->isEnabled());

    connection_.SetAvailable(false);
    form->ClockCorrection()->UpdateRules();
    EXPECT_FALSE(test->isEnabled()) << "no connection";
    EXPECT_TRUE(server->isEnabled());
    connection_.SetAvailable(true);
    form->ClockCorrection()->UpdateRules();
    EXPECT_TRUE(test->isEnabled());

    correction->setChecked(false);
    for (QWidget* widget : std::initializer_list<QWidget*>{automatic, server, label, test, minutes,
                                                           Get<QLineEdit>(form.get(), "TimeOutEdit")}) {
        EXPECT_FALSE(widget->isEnabled()) << widget->objectName().toStdString();
    }
}

TEST_F(SettingsFormTest, ServerTestPingsOnlyTheServerInTheBoxWhenPressed) {
    folder_.Ini().WriteInteger("SNTP", "AutoServer", 0);
    auto form = Form();
    EXPECT_TRUE(pinger_.Asked().empty()) << "nothing is pinged on opening";
    auto* server = Get<QComboBox>(form.get(), "TimeServerBox");
    auto* test = Get<QAbstractButton>(form.get(), "ServerTestButton");
    struct Case {
        std::optional<int> ms;
        MessageKind kind;
        std::string text;
    };
    const Case cases[] = {
        {299, MessageKind::Information,
         "Server name: 127.0.0.1\r\n\r\nRoundtrip delay: 299 ms.\r\nRating: Excellent"},
        {300, MessageKind::Information,
         "Server name: 127.0.0.1\r\n\r\nRoundtrip delay: 300 ms.\r\nRating: Very good"},
        {1499, MessageKind::Information,
         "Server name: 127.0.0.1\r\n\r\nRoundtrip delay: 1499 ms.\r\nRating: Regular"},
        {1500, MessageKind::Information,
         "Server name: 127.0.0.1\r\n\r\nRoundtrip delay: 1500 ms.\r\nRating: Unusable"},
        {std::nullopt, MessageKind::Warning, "Cannot connect to 127.0.0.1"},
    };
    server->setCurrentText(QStringLiteral("127.0.0.1"));
    for (const Case& c : cases) {
        prompt_.Clear();
        pinger_.SetTime("127.0.0.1", c.ms);
        test->click();
        ASSERT_EQ(prompt_.Log().size(), 1u);
        EXPECT_EQ(prompt_.Log()[0].messageKind, c.kind);
        EXPECT_EQ(prompt_.Log()[0].text, c.text);
    }
    EXPECT_EQ(pinger_.Asked(), std::vector<std::string>(5, "127.0.0.1"));
    EXPECT_EQ(pinger_.Limits().front(), 3000);

    prompt_.Clear();
    server->setCurrentText(QString());
    test->click();
    EXPECT_EQ(Messages(), std::vector<std::string>{"Please select a time server first."});
    EXPECT_EQ(pinger_.Asked().size(), 5u);
}

struct ClockCase {
    const char* minutes;
    const char* seconds;
    const char* server;
    bool automatic;
    const char* message;  // nullptr: accepted
    const char* focus;
};

const ClockCase kClockCases[] = {
    {"1", "30", "", true, nullptr, nullptr},
    {"999", "999", "", true, nullptr, nullptr},
    {" 5 ", "1", "", true, nullptr, nullptr},
    {"0", "30", "", true, "Correction time must be between 1 and 999 minutes.", "CorrectEveryEdit"},
    {"1000", "30", "", true, "Correction time must be between 1 and 999 minutes.", "CorrectEveryEdit"},
    {"", "30", "", true, "Correction time must be between 1 and 999 minutes.", "CorrectEveryEdit"},
    {"-5", "30", "", true, "Correction time must be between 1 and 999 minutes.", "CorrectEveryEdit"},
    {"6a", "x", "", true, "Correction time must be between 1 and 999 minutes.", "CorrectEveryEdit"},
    {"0", "x", "", true, "Server timeout must be between 1 and 999 seconds.", "TimeOutEdit"},
    {"60", "0", "", true, "Server timeout must be between 1 and 999 seconds.", "TimeOutEdit"},
    {"60", "1000", "", true, "Server timeout must be between 1 and 999 seconds.", "TimeOutEdit"},
    {"60", "30", "  ", false, "Server name cannot be blank when automatic selection is disabled.",
     "TimeServerBox"},
    {"60", "30", "pool.ntp.org", false, nullptr, nullptr},
};

TEST_F(SettingsFormTest, ClockChecksOfOk) {
    StoreAbbotsford();
    for (const ClockCase& c : kClockCases) {
        SCOPED_TRACE(std::string(c.minutes) + " / " + c.seconds);
        prompt_.Clear();
        sound_.beeps = 0;
        auto form = Form();
        ShowActive(*form);
        Get<QCheckBox>(form.get(), "TimeCorrectionBox")->setChecked(true);
        Get<QCheckBox>(form.get(), "AutoServerBox")->setChecked(c.automatic);
        Get<QComboBox>(form.get(), "TimeServerBox")->setCurrentText(QString::fromLatin1(c.server));
        Get<QLineEdit>(form.get(), "CorrectEveryEdit")->setText(QString::fromLatin1(c.minutes));
        Get<QLineEdit>(form.get(), "TimeOutEdit")->setText(QString::fromLatin1(c.seconds));
        form->PressOk();
        if (!c.message) {
            EXPECT_TRUE(form->Stored()) << testing::PrintToString(Messages());
            continue;
        }
        EXPECT_FALSE(form->Stored());
        ASSERT_EQ(prompt_.Log().size(), 1u);
        EXPECT_EQ(prompt_.Log()[0].text, c.message);
        EXPECT_EQ(prompt_.Log()[0].messageKind, MessageKind::Error);
        EXPECT_EQ(sound_.beeps, 1);
        EXPECT_EQ(Get<QTabWidget>(form.get(), "PageControl1")->currentWidget()->objectName(),
                  QStringLiteral("ClockPage"));
        QWidget* focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr);
        const QWidget* expected = Get<QWidget>(form.get(), c.focus);
        EXPECT_TRUE(focus == expected || expected->isAncestorOf(focus)) << focus->objectName().toStdString();
        form->close();
    }
}

TEST_F(SettingsFormTest, WithCorrectionOffTheClockBoxesDoNotBlockOk) {
    StoreAbbotsford();
    folder_.Ini().WriteInteger("SNTP", "CorrectEvery", 15);
    auto form = Form();
    Get<QCheckBox>(form.get(), "TimeCorrectionBox")->setChecked(false);
    Get<QLineEdit>(form.get(), "CorrectEveryEdit")->clear();
    form->PressOk();
    EXPECT_TRUE(form->Stored());
    EXPECT_EQ(Key("SNTP", "TimeCorrection"), "0");
    EXPECT_EQ(Key("SNTP", "CorrectEvery"), "15") << "an empty box keeps the stored value";
}

TEST_F(SettingsFormTest, LeavingAnEmptyMinutesBoxIsRefusedUnlessForCancel) {
    auto form = Form();
    ShowActive(*form);
    ASSERT_EQ(QApplication::activeWindow(), form.get());
    form->Pages()->setCurrentWidget(form->ClockCorrection());
    Get<QCheckBox>(form.get(), "TimeCorrectionBox")->setChecked(true);
    auto* minutes = Get<QLineEdit>(form.get(), "CorrectEveryEdit");
    minutes->setFocus();
    minutes->clear();
    Get<QWidget>(form.get(), "CancelButton2")->setFocus();
    QCoreApplication::processEvents();
    EXPECT_TRUE(prompt_.Log().empty());

    minutes->setFocus();
    form->Pages()->setCurrentWidget(form->General());
    Get<QWidget>(form.get(), "SavePosBox")->setFocus();
    QCoreApplication::processEvents();
    EXPECT_EQ(Messages(), std::vector<std::string>{"Correction time must be between 1 and 999 minutes."});
    EXPECT_EQ(form->Pages()->currentWidget(), form->ClockCorrection());
    EXPECT_EQ(QApplication::focusWidget(), minutes);

    prompt_.Clear();
    minutes->setText(QStringLiteral("60"));
    auto* seconds = Get<QLineEdit>(form.get(), "TimeOutEdit");
    seconds->setFocus();
    seconds->clear();
    minutes->setFocus();
    QCoreApplication::processEvents();
    EXPECT_EQ(Messages(), std::vector<std::string>{"Server timeout must be between 1 and 999 seconds."});
    EXPECT_EQ(QApplication::focusWidget(), seconds);
    form->close();
}

// ---------------------------------------------------------------- Location page

TEST_F(SettingsFormTest, TheTreeHoldsTheWorldTheRegionsAndThePlaces) {
    auto form = Form();
    auto* tree = Get<QTreeWidget>(form.get(), "TreeView1");
    ASSERT_EQ(tree->topLevelItemCount(), 1);
    QTreeWidgetItem* world = tree->topLevelItem(0);
    EXPECT_EQ(world->text(0), QStringLiteral("World"));
    ASSERT_EQ(world->childCount(), 8);
    const char* regions[] = {"North America",
                             "Central America & Caribbean",
                             "South America",
                             "Europe",
                             "Asia & Middle East",
                             "Africa",
                             "Oceania",
                             "Custom"};
    int places = 0;
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(world->child(i)->text(0).toStdString(), regions[i]);
        places += world->child(i)->childCount();
    }
    EXPECT_EQ(places, 1990);
    EXPECT_EQ(world->child(7)->childCount(), 0);
    EXPECT_EQ(world->child(0)->child(0)->text(0), QStringLiteral("Abbotsford, BC"));
    EXPECT_FALSE(world->isExpanded()) << "nothing stored: collapsed";
    EXPECT_EQ(tree->currentItem(), nullptr);
    EXPECT_FALSE(world->icon(0).isNull());
    EXPECT_FALSE(world->child(0)->child(0)->icon(0).isNull());
}

TEST_F(SettingsFormTest, AbbotsfordIsStoredWithFullStops) {
    auto form = Form();
    LocationPage* page = form->Location();
    QTreeWidgetItem* abbotsford = page->PlaceItem(0, 0);
    page->Tree()->setCurrentItem(abbotsford);
    EXPECT_EQ(Get<QLineEdit>(form.get(), "Edit7")->text(), QStringLiteral("North America"));
    EXPECT_EQ(Get<QLineEdit>(form.get(), "Edit2")->text(), QStringLiteral("Abbotsford, BC"));
    EXPECT_EQ(Get<QLineEdit>(form.get(), "Edit3")->text(), QStringLiteral("49"));
    EXPECT_EQ(Get<QLineEdit>(form.get(), "Edit5")->text(), QStringLiteral("2"));
    EXPECT_EQ(Get<QLineEdit>(form.get(), "Edit4")->text(), QStringLiteral("122"));
    EXPECT_EQ(Get<QLineEdit>(form.get(), "Edit6")->text(), QStringLiteral("19"));
    EXPECT_TRUE(Get<QRadioButton>(form.get(), "NorthButton")->isChecked());
    EXPECT_TRUE(Get<QRadioButton>(form.get(), "WestButton")->isChecked());
    EXPECT_FALSE(Get<QLineEdit>(form.get(), "Edit2")->isEnabled()) << "a library place is not edited";
    form->PressOk();
    EXPECT_TRUE(form->Stored());
    EXPECT_EQ(Key("Location", "RegionIndex"), "0");
    EXPECT_EQ(Key("Location", "CityIndex"), "0");
    EXPECT_EQ(Key("Location", "CityName"), "Abbotsford, BC");
    EXPECT_EQ(Key("Location", "Latitude"), "49.03");
    EXPECT_EQ(Key("Location", "Longitude"), "-122.32");

    // Reopened: the root and the region expanded, the place selected.
    auto again = Form();
    EXPECT_TRUE(again->Location()->RootItem()->isExpanded());
    EXPECT_TRUE(again->Location()->RegionItem(0)->isExpanded());
    EXPECT_FALSE(again->Location()->RegionItem(1)->isExpanded());
    EXPECT_EQ(again->Location()->Tree()->currentItem(), again->Location()->PlaceItem(0, 0));
}

TEST_F(SettingsFormTest, ACustomPlaceIsTypedInAndComesBack) {
    auto form = Form();
    LocationPage* page = form->Location();
    page->Tree()->setCurrentItem(page->RegionItem(7));
    auto* name = Get<QLineEdit>(form.get(), "Edit2");
    EXPECT_TRUE(name->isEnabled());
    EXPECT_EQ(Get<QLineEdit>(form.get(), "Edit7")->text(), QStringLiteral("Custom"));
    EXPECT_TRUE(Get<QRadioButton>(form.get(), "NorthButton")->isChecked());
    EXPECT_TRUE(Get<QRadioButton>(form.get(), "WestButton")->isChecked());
    name->setText(QStringLiteral("Cabin"));
    Get<QLineEdit>(form.get(), "Edit3")->setText(QStringLiteral("33"));
    Get<QLineEdit>(form.get(), "Edit5")->setText(QStringLiteral("55"));
    Get<QRadioButton>(form.get(), "SouthButton")->setChecked(true);
    Get<QLineEdit>(form.get(), "Edit4")->setText(QStringLiteral("18"));
    Get<QLineEdit>(form.get(), "Edit6")->setText(QStringLiteral("25"));
    Get<QRadioButton>(form.get(), "EastButton")->setChecked(true);
    form->PressOk();
    EXPECT_EQ(Key("Location", "RegionIndex"), "7");
    EXPECT_EQ(Key("Location", "CityIndex"), "-1");
    EXPECT_EQ(Key("Location", "CityName"), "Cabin");
    EXPECT_EQ(Key("Location", "Latitude"), "-33.92");
    EXPECT_EQ(Key("Location", "Longitude"), "18.42");

    auto again = Form();
    EXPECT_EQ(again->Location()->Tree()->currentItem(), again->Location()->RegionItem(7));
    EXPECT_EQ(Get<QLineEdit>(again.get(), "Edit2")->text(), QStringLiteral("Cabin"));
    EXPECT_EQ(Get<QLineEdit>(again.get(), "Edit3")->text(), QStringLiteral("33"));
    EXPECT_EQ(Get<QLineEdit>(again.get(), "Edit5")->text(), QStringLiteral("55"));
    EXPECT_TRUE(Get<QRadioButton>(again.get(), "SouthButton")->isChecked());
    EXPECT_EQ(Get<QLineEdit>(again.get(), "Edit4")->text(), QStringLiteral("18"));
    EXPECT_EQ(Get<QLineEdit>(again.get(), "Edit6")->text(), QStringLiteral("25"));
    EXPECT_TRUE(Get<QRadioButton>(again.get(), "EastButton")->isChecked());
    EXPECT_TRUE(Get<QLineEdit>(again.get(), "Edit2")->isEnabled());
}

struct LocationRefusal {
    const char* name;
    const char* latDegrees;
    const char* latMinutes;
    const char* lonDegrees;
    const char* lonMinutes;
    const char* message;
    const char* focus;
};

const LocationRefusal kRefusals[] = {
    {"Cabin", "abc", "0", "0", "0", "Latitude value must be numerical.", "Edit3"},
    {"Cabin", "10", "", "0", "0", "Latitude value must be numerical.", "Edit5"},
    {"Cabin", "10", "0", "1.5", "0", "Longitude value must be numerical.", "Edit4"},
    {"Cabin", "10", "0", "0", "x", "Longitude value must be numerical.", "Edit6"},
    {"Cabin", "180", "0", "0", "0", "Degrees must be between 0 and 179.", "Edit3"},
    {"Cabin", "10", "60", "0", "0", "Minutes must be between 0 and 59.", "Edit5"},
    {"Cabin", "10", "0", "200", "0", "Degrees must be between 0 and 179.", "Edit4"},
    {"Cabin", "10", "0", "0", "99", "Minutes must be between 0 and 59.", "Edit6"},
    {"  ", "10", "0", "0", "0", "Missing city name.", "Edit2"},
};

TEST_F(SettingsFormTest, RefusalsOfACustomPlace) {
    for (const LocationRefusal& c : kRefusals) {
        SCOPED_TRACE(c.message);
        prompt_.Clear();
        auto form = Form();
        ShowActive(*form);
        LocationPage* page = form->Location();
        page->Tree()->setCurrentItem(page->RegionItem(7));
        Get<QLineEdit>(form.get(), "Edit2")->setText(QString::fromLatin1(c.name));
        Get<QLineEdit>(form.get(), "Edit3")->setText(QString::fromLatin1(c.latDegrees));
        Get<QLineEdit>(form.get(), "Edit5")->setText(QString::fromLatin1(c.latMinutes));
        Get<QLineEdit>(form.get(), "Edit4")->setText(QString::fromLatin1(c.lonDegrees));
        Get<QLineEdit>(form.get(), "Edit6")->setText(QString::fromLatin1(c.lonMinutes));
        form->Pages()->setCurrentWidget(form->General());
        form->PressOk();
        EXPECT_FALSE(form->Stored());
        ASSERT_EQ(prompt_.Log().size(), 1u);
        EXPECT_EQ(prompt_.Log()[0].text, c.message);
        EXPECT_EQ(prompt_.Log()[0].messageKind, MessageKind::Error);
        EXPECT_EQ(form->Pages()->currentWidget(), form->Location());
        EXPECT_EQ(QApplication::focusWidget(), Get<QWidget>(form.get(), c.focus));
        EXPECT_EQ(Key("Location", "RegionIndex"), "<none>") << "nothing written";
        form->close();
    }
}

TEST_F(SettingsFormTest, ARegionWithoutAPlaceOrNothingChosenIsRefused) {
    auto form = Form();
    ShowActive(*form);
    form->PressOk();
    EXPECT_EQ(Messages(), std::vector<std::string>{"Please select a city within this region."});
    EXPECT_EQ(form->Pages()->currentWidget(), form->Location());
    EXPECT_EQ(QApplication::focusWidget(), form->Location()->Tree());
    EXPECT_EQ(sound_.events, std::vector<std::string>{"SystemExclamation"});

    prompt_.Clear();
    form->Location()->Tree()->setCurrentItem(form->Location()->RegionItem(3));
    EXPECT_EQ(Get<QLineEdit>(form.get(), "Edit7")->text(), QStringLiteral("Europe"));
    form->PressOk();
    EXPECT_EQ(Messages(), std::vector<std::string>{"Please select a city within this region."});
    EXPECT_FALSE(form->Stored());
    form->close();
}

TEST_F(SettingsFormTest, LeavingThePageAndComingBackStoresTheNewPlace) {
    StoreAbbotsford();
    auto form = Form();
    form->Pages()->setCurrentWidget(form->Location());
    form->Pages()->setCurrentWidget(form->ClockCorrection());
    form->Pages()->setCurrentWidget(form->Location());
    QTreeWidgetItem* place = form->Location()->PlaceItem(3, 5);
    form->Location()->Tree()->setCurrentItem(place);
    form->PressOk();
    EXPECT_EQ(Key("Location", "RegionIndex"), "3");
    EXPECT_EQ(Key("Location", "CityIndex"), "5");
    EXPECT_EQ(Key("Location", "CityName"), place->text(0).toStdString());
}

TEST_F(SettingsFormTest, ADoubleClickOnAPlaceIsOk) {
    auto form = Form();
    ChangeCounter changed(events_);
    QTreeWidgetItem* region = form->Location()->RegionItem(0);
    emit form->Location()->Tree()->itemDoubleClicked(region, 0);
    EXPECT_FALSE(form->Stored()) << "a region opens or closes";
    EXPECT_TRUE(prompt_.Log().empty());
    QTreeWidgetItem* place = form->Location()->PlaceItem(0, 0);
    form->Location()->Tree()->setCurrentItem(place);
    emit form->Location()->Tree()->itemDoubleClicked(place, 0);
    EXPECT_TRUE(form->Stored());
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(Key("Location", "CityName"), "Abbotsford, BC");
}

TEST_F(SettingsFormTest, LocationIsWrittenBeforeTheClockChecks) {
    auto form = Form();
    form->Location()->Tree()->setCurrentItem(form->Location()->PlaceItem(0, 0));
    Get<QCheckBox>(form.get(), "TimeCorrectionBox")->setChecked(true);
    Get<QLineEdit>(form.get(), "TimeOutEdit")->setText(QStringLiteral("0"));
    Get<QCheckBox>(form.get(), "SavePosBox")->setChecked(true);
    form->PressOk();
    EXPECT_FALSE(form->Stored());
    EXPECT_EQ(Key("Location", "CityName"), "Abbotsford, BC");
    EXPECT_EQ(Key("Settings", "SavePos"), "0") << "the other keys wait";

    // Cancel keeps what was written, and tells the main window.
    ChangeCounter changed(events_);
    Get<QAbstractButton>(form.get(), "CancelButton2")->click();
    EXPECT_EQ(Key("Location", "CityName"), "Abbotsford, BC");
    EXPECT_EQ(changed.count(), 1);
}

TEST_F(SettingsFormTest, NumbersAreWrittenWithAFullStopWhateverTheLocale) {
    const QLocale before;
    const std::string cBefore = std::setlocale(LC_ALL, nullptr);
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    std::setlocale(LC_ALL, "de_DE.UTF-8");  // where the system has it
    {
        auto form = Form();
        form->Location()->Tree()->setCurrentItem(form->Location()->RegionItem(7));
        Get<QLineEdit>(form.get(), "Edit2")->setText(QStringLiteral("Haus"));
        Get<QLineEdit>(form.get(), "Edit3")->setText(QStringLiteral("40"));
        Get<QLineEdit>(form.get(), "Edit5")->setText(QStringLiteral("25"));
        Get<QRadioButton>(form.get(), "NorthButton")->setChecked(true);
        Get<QLineEdit>(form.get(), "Edit4")->setText(QStringLiteral("3"));
        Get<QLineEdit>(form.get(), "Edit6")->setText(QStringLiteral("42"));
        Get<QSlider>(form.get(), "HintPauseBar")->setValue(12);
        form->PressOk();
    }
    std::setlocale(LC_ALL, cBefore.c_str());
    QLocale::setDefault(before);
    EXPECT_EQ(Key("Location", "Latitude"), "40.42");
    EXPECT_EQ(Key("Location", "Longitude"), "-3.70");
    EXPECT_EQ(Key("Settings", "HintPause"), "12");
}

// ---------------------------------------------------------------- closing

TEST_F(SettingsFormTest, CancelEscapeAndTheCloseButtonWriteNothing) {
    StoreAbbotsford();
    const std::string before = [&] {
        std::ifstream in(folder_.Path());
        return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    }();
    ChangeCounter changed(events_);
    const std::function<void(TSettingsForm&)> closers[] = {
        [](TSettingsForm& form) { Get<QAbstractButton>(&form, "CancelButton2")->click(); },
        [](TSettingsForm& form) {
            QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
            QApplication::sendEvent(&form, &escape);
        },
        [](TSettingsForm& form) { form.Caption()->CloseButton()->click(); },
    };
    for (const auto& close : closers) {
        auto form = Form();
        ShowActive(*form);
        Get<QCheckBox>(form.get(), "SavePosBox")->setChecked(true);
        Get<QCheckBox>(form.get(), "MinimizeAtLogonBox")->setChecked(true);
        close(*form);
        EXPECT_FALSE(form->isVisible());
        EXPECT_EQ(form->result(), QDialog::Rejected);
    }
    std::ifstream in(folder_.Path());
    EXPECT_EQ(std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>()), before);
    EXPECT_TRUE(logon_.user.empty());
    EXPECT_EQ(changed.count(), 0);
}

TEST_F(SettingsFormTest, EnterIsOkAndF1OpensTheHelpTopic) {
    StoreAbbotsford();
    ChangeCounter changed(events_);
    auto form = Form();
    ShowActive(*form);
    QKeyEvent f1(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
    QApplication::sendEvent(form.get(), &f1);
    HelpWindow* help = OpenHelpWindow();
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->Browser()->source(), QUrl(QStringLiteral("qrc:/help/Configure.htm")));
    CloseHelpWindows();
    QCoreApplication::processEvents();

    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(form.get(), &enter);
    EXPECT_TRUE(form->Stored());
    EXPECT_EQ(form->result(), QDialog::Accepted);
    EXPECT_EQ(changed.count(), 1);
}

// ---------------------------------------------------------------- logon entry

TEST_F(SettingsFormTest, LogonEntryReadWrittenAndRemoved) {
    StoreAbbotsford();
    const std::string name = AutostartEntryName(folder_.Path());
    logon_.user[name] = "/usr/bin/orvanto /m " + folder_.Path();
    logon_.machine[name] = "/usr/bin/orvanto /M " + folder_.Path();
    {
        auto form = Form();
        EXPECT_TRUE(logon_.machine.empty()) << "the machine-wide entry goes on opening";
        EXPECT_TRUE(Get<QCheckBox>(form.get(), "MinimizeAtLogonBox")->isChecked());
        EXPECT_FALSE(Get<QCheckBox>(form.get(), "QuitAtLogonBox")->isChecked());
        Get<QCheckBox>(form.get(), "QuitAtLogonBox")->click();
        form->PressOk();
    }
    EXPECT_EQ(logon_.user[name], "/usr/bin/orvanto /C " + folder_.Path());
    {
        auto form = Form();
        EXPECT_TRUE(Get<QCheckBox>(form.get(), "QuitAtLogonBox")->isChecked());
        Get<QCheckBox>(form.get(), "QuitAtLogonBox")->click();
        form->PressOk();
    }
    EXPECT_TRUE(logon_.user.empty()) << "neither box: no entry";
    EXPECT_EQ(logon_.calls.back(), "remove " + name);
}

TEST_F(SettingsFormTest, LogonEntryInATemporaryConfigFolderWithABlankInThePath) {
    QTemporaryDir home;
    const fs::path settingsFolder = fs::path(home.path().toStdString()) / "my calendars";
    fs::create_directories(settingsFolder);
    const std::string settings = (settingsFolder / "ORVANTO.INI").string();
    IniFile(settings).WriteWholeFile(DefaultSettingsContent());
    IniFile(settings).WriteInteger("Location", "RegionIndex", 0);
    const fs::path user = fs::path(home.path().toStdString()) / "config" / "autostart";
    const fs::path machine = fs::path(home.path().toStdString()) / "etc-xdg-autostart";
    fs::create_directories(machine);
    const fs::path entryName = "Orvanto@ORVANTO.INI.desktop";
    std::ofstream(machine / entryName) << "[Desktop Entry]\nExec=orvanto /M x\n";

    XdgLogonEntry logon({user.string(), machine.string()});
    services_.logon = &logon;
    context_.settingsPath = settings;
    {
        auto form = Form();
        EXPECT_FALSE(fs::exists(machine / entryName));
        Get<QCheckBox>(form.get(), "MinimizeAtLogonBox")->click();
        form->PressOk();
        ASSERT_TRUE(form->Stored()) << testing::PrintToString(Messages());
    }
    std::ifstream in(user / entryName);
    const std::string content((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(content, "[Desktop Entry]\nType=Application\nName=Orvanto\nExec=/usr/bin/orvanto /M \"" +
                           settings + "\"\n");
    {
        auto form = Form();
        EXPECT_TRUE(Get<QCheckBox>(form.get(), "MinimizeAtLogonBox")->isChecked());
        Get<QCheckBox>(form.get(), "MinimizeAtLogonBox")->click();
        form->PressOk();
    }
    EXPECT_FALSE(fs::exists(user / entryName));
}

TEST_F(SettingsFormTest, AFailedLogonWriteIsReportedAndTheDialogStays) {
    StoreAbbotsford();
    QTemporaryDir dir;
    const fs::path blocked = fs::path(dir.path().toStdString()) / "autostart";
    std::ofstream(blocked) << "a file where the folder should be";
    XdgLogonEntry logon({blocked.string(), "/nonexistent"});
    services_.logon = &logon;
    auto form = Form();
    Get<QCheckBox>(form.get(), "QuitAtLogonBox")->click();
    form->PressOk();
    EXPECT_FALSE(form->Stored());
    ASSERT_EQ(prompt_.Log().size(), 1u);
    EXPECT_EQ(prompt_.Log()[0].messageKind, MessageKind::Error);
    EXPECT_THAT(prompt_.Log()[0].text, testing::StartsWith("Unable to write to "));
}

}  // namespace
}  // namespace orvanto

namespace orvanto {
namespace {

TEST(LogonGroupCaption, ALongSettingsNameIsShortenedInTheMiddle) {
    test::Application();
    const QFontMetrics metrics(QApplication::font());
    const std::string path = "/home/ann/" + std::string(200, 'k') + "-end.INI";
    const QString caption = LogonGroupCaption(path, metrics, 300);
    EXPECT_LE(metrics.horizontalAdvance(caption), 300);
    EXPECT_TRUE(caption.startsWith(QStringLiteral(" &What to do at logon  [KKK")));
    EXPECT_TRUE(caption.endsWith(QStringLiteral("-END.INI] ")));
    EXPECT_EQ(LogonGroupCaption("/x/cal.ini", metrics, 300),
              QStringLiteral(" &What to do at logon  [CAL.INI] "));
}

// The history viewer that "View" opens belongs to the dialog, not to the main
// window the dialog blocks: it opens over the dialog and takes the focus.
TEST_F(SettingsFormTest, ViewOpensTheHistoryViewerOverTheDialog) {
    // The dialog's own services read the autostart folder and the desktop:
    // both point into a temporary folder.
    QTemporaryDir home;
    const QByteArray oldConfig = qgetenv("XDG_CONFIG_HOME");
    const QByteArray oldBackend = qgetenv("GSETTINGS_BACKEND");
    qputenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral("config")).toUtf8());
    qputenv("GSETTINGS_BACKEND", "memory");
    const std::string history = folder_.Path() + ".log";
    std::ofstream(history) << "12/01/2026 10:00 Dentist\n";
    QWidget main;
    main.show();
    QString viewerOwner;
    std::string viewed;
    TSettingsForm::SetHistoryViewer([&](const std::string& path, QWidget* parent) {
        viewed = path;
        viewerOwner = parent ? parent->window()->objectName() : QStringLiteral("<none>");
    });
    QString formName;
    // Looks for the running dialog a bounded number of times.
    QTimer poll;
    int polls = 0;
    QObject::connect(&poll, &QTimer::timeout, &main, [&] {
        QDialog* form = nullptr;
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (widget->objectName() == QStringLiteral("TSettingsForm") && widget->isVisible())
                form = qobject_cast<QDialog*>(widget);
        }
        if (!form) {
            if (++polls > 200) poll.stop();
            return;
        }
        poll.stop();
        formName = form->objectName();
        Get<QLineEdit>(form, "HistoryFileEdit")->setText(QString::fromStdString(history));
        Get<QAbstractButton>(form, "HistoryViewButton")->click();
        form->reject();
    });
    poll.start(10);
    TSettingsForm::Open(context_, &main);
    TSettingsForm::SetHistoryViewer(nullptr);
    qputenv("XDG_CONFIG_HOME", oldConfig);
    if (oldBackend.isNull())
        qunsetenv("GSETTINGS_BACKEND");
    else
        qputenv("GSETTINGS_BACKEND", oldBackend);
    EXPECT_EQ(formName, QStringLiteral("TSettingsForm"));
    EXPECT_EQ(viewed, history);
    EXPECT_EQ(viewerOwner, QStringLiteral("TSettingsForm"));
}

}  // namespace
}  // namespace orvanto
