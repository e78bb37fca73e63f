// TForm1: layout, month painting, navigation, the day buttons' press,
// release and click, the date calculator, the context and tray menus, the
// colour commands, minimize and restore, and closing.
#include "ui/main/main_window.h"

#include <cmath>

#include <QApplication>
#include <QCloseEvent>
#include <QColorDialog>
#include <QElapsedTimer>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <QToolTip>
#include <QWindow>

#include <filesystem>

#include "calendar/day_number.h"
#include "calendar/month_holidays.h"
#include "calendar/pesach.h"
#include "calendar/serial_date.h"
#include "calendar/valid_date.h"
#include "calendar/week_number.h"
#include "calendar/weekday.h"
#include "reminders/month_index.h"
#include "ui/main/date_calculator.h"
#include "ui/main/glyphs.h"
#include "ui/main/month_moon_phases.h"
#include "ui/main/sun_label.h"
#include "ui/main/tray_icons.h"
#include "ui/widgets/bevel_button.h"
#include "ui/widgets/caption_bar.h"
#include "ui/widgets/ext_label.h"
#include "ui/widgets/fonts.h"
#include "ui/widgets/hint_style.h"
#include "ui/widgets/outline_shape.h"
#include "ui/widgets/round_button.h"
#include "ui/widgets/scrolling_text.h"
#include "ui/widgets/theme.h"
#include "ui/widgets/trans_edit.h"

namespace orvanto {

namespace {

constexpr int kClientWidth = 356;
constexpr int kClientHeight = 444;
constexpr int kFirstYear = 1753;
constexpr int kLastYear = 2078;
constexpr const char* kAppTitle = "Orvanto 32";
constexpr std::array<int, 7> kColumnLefts = {16, 64, 112, 160, 208, 256, 304};
constexpr std::array<int, 6> kRowTops = {140, 172, 204, 236, 268, 300};

constexpr std::array<const char*, 12> kMonthNames = {"January", "February", "March",     "April",
                                                     "May",     "June",     "July",      "August",
                                                     "September", "October", "November", "December"};
constexpr std::array<const char*, 12> kMonthCaptions = {"&Jan", "&Feb", "Ma&r", "A&pr", "&May", "J&un",
                                                        "Ju&l", "&Aug", "&Sep", "O&ct", "&Nov", "&Dec"};

// The tool buttons: name, hint, place and glyph.
struct ToolButtonLayout {
    const char* name;
    const char* hint;
    int left;
    int top;
    int width;
    ToolGlyph glyph;
};
constexpr std::array<ToolButtonLayout, 9> kToolButtons = {{
    {"PrevBut", "Previous month", 268, 344, 21, ToolGlyph::Previous},
    {"NextBut", "Next month", 288, 344, 21, ToolGlyph::Next},
    {"TodayBut", "Today", 308, 344, 41, ToolGlyph::Today},
    {"MoonBut", "Astronomical module", 268, 368, 41, ToolGlyph::Moon},
    {"DistBut", "City distance calculator", 308, 368, 41, ToolGlyph::Distance},
    {"SNTPBut", "Clock correction status", 268, 392, 41, ToolGlyph::Clock},
    {"BioBut", "Biorhythm", 308, 392, 41, ToolGlyph::Biorhythm},
    {"EventsBut", "Events", 268, 416, 41, ToolGlyph::Events},
    {"SettingsBut", "Settings", 308, 416, 41, ToolGlyph::Settings},
}};

// The colour commands of "Font &Colors": caption, key and the setting it changes.
struct ColourCommand {
    const char* caption;
    const char* key;
    int ColourSettings::*field;
};
constexpr std::array<ColourCommand, 12> kColourCommands = {{
    {"Titles &Foreground", "TitleColor", &ColourSettings::titleColor},
    {"Titles &Background", "TitleBColor", &ColourSettings::titleBColor},
    {"&Month Buttons", "MonthColor", &ColourSettings::monthColor},
    {"&Today", "TodayColor", &ColourSettings::todayColor},
    {"Today Borde&r", "TodayFColor", &ColourSettings::todayFColor},
    {"&Normal Days", "NormalColor", &ColourSettings::normalColor},
    {"&Sundays", "SundayColor", &ColourSettings::sundayColor},
    {"R&eminders", "EventsColor", &ColourSettings::eventsColor},
    {"Tim&ed Reminders", "TimedEventsColor", &ColourSettings::timedEventsColor},
    {"Mi&xed Reminders", "MixedEventsColor", &ColourSettings::mixedEventsColor},
    {"&Holidays", "HolidayColor", &ColourSettings::holidayColor},
    {"Boo&kmarks", "BookmarkColor", &ColourSettings::bookmarkColor},
}};

// The colours "&Restore Defaults" sets.
ColourSettings DefaultColours(int theme) {
    ColourSettings c;
    c.theme = theme;
    c.titleColor = 0;
    c.titleBColor = 16777215;
    c.todayColor = 16777215;
    c.todayFColor = 0;
    c.normalColor = 0;
    c.sundayColor = 255;
    c.eventsColor = 16711680;
    c.timedEventsColor = 16711935;
    c.mixedEventsColor = 16776960;
    c.holidayColor = 32768;
    c.bookmarkColor = 65535;
    c.monthColor = 0;
    c.blinkOnToday = false;
    return c;
}

DayColors DayColorsFrom(const ColourSettings& c) {
    DayColors d;
    d.normal = c.normalColor;
    d.sunday = c.sundayColor;
    d.today = c.todayColor;
    d.events = c.eventsColor;
    d.timedEvents = c.timedEventsColor;
    d.mixedEvents = c.mixedEventsColor;
    d.holiday = c.holidayColor;
    d.bookmark = c.bookmarkColor;
    return d;
}

std::vector<DayEntry> DayEntriesFrom(const MonthIndex& index) {
    std::vector<DayEntry> entries;
    entries.reserve(index.entries.size());
    for (const MonthIndexEntry& e : index.entries)
        entries.push_back(DayEntry{e.day, e.text, e.type, e.timed, e.stepKind, e.startDate});
    return entries;
}

double ParseDegrees(const std::string& text) {
    try {
        std::size_t used = 0;
        const double value = std::stod(text, &used);
        return std::isfinite(value) ? value : 0.0;
    } catch (const std::exception&) {
        return 0.0;
    }
}

QString HintText(const std::string& hint) {
    QString text = QString::fromStdString(hint);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

}  // namespace

TForm1::TForm1(MainWindowContext context, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint),
      context_(std::move(context)),
      ini_(context_.settingsPath),
      settings_(LoadMainWindowSettings(ini_)),
      services_{*context_.prompt, *context_.sound, *context_.clock, PopupLook{}, {}} {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QString::fromLatin1(kAppTitle));
    setFixedSize(kClientWidth, kClientHeight);
    setFont(PixelFont(FontFace::Tahoma, 13));
    setAutoFillBackground(true);
    themeIndex_ = settings_.colours.theme;

    BuildCaption();
    BuildTitles();
    BuildGrid();
    BuildMonthButtons();
    BuildToolButtons();
    BuildInformationStrip();
    BuildMenus();
    BuildTray();
    UpdateHookedCommands();

    blinkTimer_ = new QTimer(this);
    reminderTimer_ = new QTimer(this);
    trayClickTimer_ = new QTimer(this);
    blinkTimer_->setObjectName(QStringLiteral("Timer1"));
    blinkTimer_->setInterval(1000);
    connect(blinkTimer_, &QTimer::timeout, this, &TForm1::BlinkTick);
    reminderTimer_->setObjectName(QStringLiteral("ReminderTimer"));
    reminderTimer_->setInterval(1000);
    connect(reminderTimer_, &QTimer::timeout, this, &TForm1::ReminderTick);
    trayClickTimer_->setSingleShot(true);
    connect(trayClickTimer_, &QTimer::timeout, this, [this] { AddReminder(Today(), true); });

    SetHintPause(settings_.hintPause * 1000);

    ApplyTheme(themeIndex_);
    ApplyTextColours();
    FitSunLabelFont();
    PlaceWindow();
    services_.look.pixelsPerInch = logicalDpiY();
    services_.wait = [](int ms) {
        QElapsedTimer wait;
        wait.start();
        while (wait.elapsed() < ms) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    };
    check_ = std::make_unique<ReminderCheck>(context_.settingsPath, services_, context_.timeStyle, CheckHooks());
    ShowMonth(Today());
}

TForm1::~TForm1() {
    if (!context_.checkAndQuit && hooks_.closeHelpWindows) hooks_.closeHelpWindows();
}

void TForm1::SetHooks(MainWindowHooks hooks) {
    hooks_ = std::move(hooks);
    UpdateHookedCommands();
}

// ---------------------------------------------------------------- layout

void TForm1::BuildCaption() {
    captionBar_ = new CaptionBar(QStringLiteral("Orvanto"), this);
    captionBar_->setObjectName(QStringLiteral("CaptionBar"));
    captionBar_->SetManualLayout(true);
    captionBar_->setGeometry(0, 0, 361, 29);
    titleLabel_ = captionBar_->Title();
    titleLabel_->setObjectName(QStringLiteral("ExtLabel2"));
    titleLabel_->setFont(PixelFont(FontFace::Verdana, 20, true));
    titleLabel_->setToolTip(QStringLiteral("About..."));
    titleLabel_->setGeometry(8, 1, 140, 27);
    titleLabel_->SetStyle(ExtLabel::Style::HeavyRaised);
    connect(titleLabel_, &ExtLabel::Pressed, this, [this] { titleLabel_->SetStyle(ExtLabel::Style::HeavySunken); });
    connect(titleLabel_, &ExtLabel::Released, this, [this] { titleLabel_->SetStyle(ExtLabel::Style::HeavyRaised); });
    connect(titleLabel_, &ExtLabel::Clicked, this, [this] {
        if (hooks_.about) RunWindowCommand(hooks_.about, false);
    });

    exitBut_ = captionBar_->CloseButton();
    exitBut_->setGeometry(330, 4, 21, 21);
    connect(exitBut_, &QAbstractButton::clicked, this, &QWidget::close);
    miniBut_ = new RoundButton(RoundButton::Symbol::Minimize, captionBar_);
    miniBut_->setObjectName(QStringLiteral("MiniBut"));
    miniBut_->setToolTip(QStringLiteral("Minimize"));
    miniBut_->setGeometry(306, 4, 21, 21);
    connect(miniBut_, &QAbstractButton::clicked, this, &TForm1::Minimize);
}

void TForm1::BuildTitles() {
    const QFont titleFont = PixelFont(FontFace::TimesNewRoman, 30, true);
    monthTitle_ = new TransEdit(this);
    monthTitle_->setObjectName(QStringLiteral("TransEdit1"));
    monthTitle_->setGeometry(8, 40, 181, 43);
    monthTitle_->setFont(titleFont);
    monthTitle_->setReadOnly(true);
    monthTitle_->setFocusPolicy(Qt::NoFocus);
    monthTitle_->setContextMenuPolicy(Qt::NoContextMenu);
    monthTitle_->setAlignment(Qt::AlignCenter);

    yearTitle_ = new TransEdit(this);
    yearTitle_->setObjectName(QStringLiteral("TransEdit2"));
    yearTitle_->setGeometry(238, 40, 89, 43);
    yearTitle_->setFont(titleFont);
    yearTitle_->setMaxLength(4);
    yearTitle_->setContextMenuPolicy(Qt::NoContextMenu);
    yearTitle_->setAlignment(Qt::AlignCenter);
    yearTitle_->installEventFilter(this);
    connect(yearTitle_, &TransEdit::FocusLost, this, &TForm1::YearEditDone);

    focusButton_ = new QPushButton(this);
    focusButton_->setObjectName(QStringLiteral("FocusButton"));
    focusButton_->setGeometry(0, 0, 0, 0);
    focusButton_->setFocusPolicy(Qt::StrongFocus);
    connect(focusButton_, &QPushButton::clicked, this, &QWidget::close);
    connect(monthTitle_, &TransEdit::MousePressed, this, [this] { focusButton_->setFocus(); });

    struct StepSpec {
        const char* name;
        const char* hint;
        int left;
        int top;
        RoundButton::Symbol symbol;
        void (TForm1::*step)(int);
        int delta;
    };
    const std::array<StepSpec, 4> steps = {{
        {"MesUpBut", "Next month", 192, 40, RoundButton::Symbol::ArrowUp, &TForm1::StepMonth, 1},
        {"MesDownBut", "Previous month", 192, 63, RoundButton::Symbol::ArrowDown, &TForm1::StepMonth, -1},
        {"AnioUpBut", "Next year", 330, 40, RoundButton::Symbol::ArrowUp, &TForm1::StepYear, 1},
        {"AnioDownBut", "Previous year", 330, 63, RoundButton::Symbol::ArrowDown, &TForm1::StepYear, -1},
    }};
    for (std::size_t i = 0; i < steps.size(); ++i) {
        auto* button = new RoundButton(steps[i].symbol, this);
        button->setObjectName(QString::fromLatin1(steps[i].name));
        button->setToolTip(QString::fromLatin1(steps[i].hint));
        button->setGeometry(steps[i].left, steps[i].top, 21, 21);
        const auto step = steps[i].step;
        const int delta = steps[i].delta;
        connect(button, &QAbstractButton::clicked, this, [this, step, delta] { (this->*step)(delta); });
        stepButtons_[i] = button;
    }
}

void TForm1::BuildGrid() {
    QFont bold = font();
    bold.setBold(true);
    for (int c = 0; c < 7; ++c) {
        auto* button = new BevelButton(this);
        button->setObjectName(QStringLiteral("SpeedButton%1").arg(c + 1));
        button->setGeometry(kColumnLefts[c], 100, 41, 25);
        button->setFont(bold);
        header_[c] = button;
    }
    todayFrame_ = new OutlineShape(this);
    todayFrame_->setObjectName(QStringLiteral("Shape1"));
    todayFrame_->resize(49, 33);
    todayFrame_->hide();
    for (int i = 0; i < 42; ++i) {
        auto* button = new BevelButton(this);
        button->setObjectName(QStringLiteral("SpeedButton%1").arg(i + 8));
        button->setGeometry(kColumnLefts[i % 7], kRowTops[i / 7], 41, 25);
        button->setFont(bold);
        connect(button, &BevelButton::MouseDown, this,
                [this, i](Qt::MouseButton b, Qt::KeyboardModifiers m) { DayMouseDown(i, b, m); });
        connect(button, &BevelButton::MouseUp, this,
                [this, i](Qt::MouseButton b, Qt::KeyboardModifiers m) { DayMouseUp(i, b, m); });
        connect(button, &QAbstractButton::clicked, this, [this, i] { DayClicked(i); });
        days_[i] = button;
    }
}

void TForm1::BuildMonthButtons() {
    for (int m = 0; m < 12; ++m) {
        auto* button = new BevelButton(this);
        button->setObjectName(QStringLiteral("SpeedButton%1").arg(m + 50));
        button->setGeometry(12 + 40 * (m % 6), m < 6 ? 368 : 392, 41, 25);
        button->setText(QString::fromLatin1(kMonthCaptions[m]));
        button->setCheckable(true);
        button->setAutoExclusive(true);
        button->setProperty("tag", m + 1);
        connect(button, &QAbstractButton::clicked, this, [this, m] { ShowMonthOfYear(shownYear_, m + 1); });
        months_[m] = button;
    }
}

void TForm1::BuildToolButtons() {
    for (const ToolButtonLayout& tool : kToolButtons) {
        auto* button = new BevelButton(this);
        button->setObjectName(QString::fromLatin1(tool.name));
        button->setToolTip(QString::fromLatin1(tool.hint));
        button->setGeometry(tool.left, tool.top, tool.width, 25);
        const QPixmap glyph = ToolGlyphPixmap(tool.glyph);
        button->setIcon(QIcon(glyph));
        button->setIconSize(glyph.size());
        tools_.push_back(button);
    }
    auto tool = [this](const char* name) {
        for (BevelButton* b : tools_)
            if (b->objectName() == QLatin1String(name)) return b;
        return static_cast<BevelButton*>(nullptr);
    };
    connect(tool("PrevBut"), &QAbstractButton::clicked, this, [this] { StepMonth(-1); });
    connect(tool("NextBut"), &QAbstractButton::clicked, this, [this] { StepMonth(1); });
    connect(tool("TodayBut"), &QAbstractButton::clicked, this, [this] { ShowMonth(Today()); });
    connect(tool("MoonBut"), &QAbstractButton::clicked, this, [this] { RunWindowCommand(hooks_.astronomy, false); });
    connect(tool("DistBut"), &QAbstractButton::clicked, this, [this] { RunWindowCommand(hooks_.distances, false); });
    connect(tool("SNTPBut"), &QAbstractButton::clicked, this, [this] { RunWindowCommand(hooks_.clockStatus, false); });
    connect(tool("BioBut"), &QAbstractButton::clicked, this, [this] { RunWindowCommand(hooks_.biorhythm, false); });
    connect(tool("EventsBut"), &QAbstractButton::clicked, this, [this] { RunWindowCommand(hooks_.eventList, true); });
    connect(tool("SettingsBut"), &QAbstractButton::clicked, this, [this] {
        RunWindowCommand(hooks_.settingsDialog, true);
    });
    sntpBut_ = tool("SNTPBut");
}

void TForm1::BuildInformationStrip() {
    sunLabel_ = new ExtLabel(QString(), this);
    sunLabel_->setObjectName(QStringLiteral("ExtLabel1"));
    sunLabel_->setGeometry(11, 344, 241, 18);
    sunLabel_->SetAlignment(Qt::AlignCenter);
    sunLabel_->SetBackground(QToolTip::palette().color(QPalette::ToolTipBase));

    scrollButton_ = new BevelButton(this);
    scrollButton_->setObjectName(QStringLiteral("ScrollButton"));
    scrollButton_->setGeometry(12, 424, 241, 17);
    scrollButton_->setEnabled(false);

    infoLabel_ = new ExtLabel(QString(), this);
    infoLabel_->setObjectName(QStringLiteral("Label1"));
    infoLabel_->setGeometry(13, 424, 238, 17);
    infoLabel_->SetAlignment(Qt::AlignCenter);
    infoLabel_->setAttribute(Qt::WA_TransparentForMouseEvents, true);

    scroll_ = new ScrollingText(this);
    scroll_->setObjectName(QStringLiteral("Scroll1"));
    scroll_->setGeometry(13, 424, 238, 17);
    scroll_->hide();
}

void TForm1::BuildMenus() {
    popupMenu1_ = new QMenu(this);
    popupMenu1_->setObjectName(QStringLiteral("PopupMenu1"));
    historyAction_ = popupMenu1_->addAction(QStringLiteral("&History file viewer"), this, &TForm1::OpenHistoryViewer);
    historyAction_->setObjectName(QStringLiteral("HistoryItem"));
    popupMenu1_->addAction(QStringLiteral("&Print"), this, [this] { RunWindowCommand(hooks_.print, false); })
        ->setObjectName(QStringLiteral("PrintItem"));

    colorsMenu_ = popupMenu1_->addMenu(QStringLiteral("Font &Colors"));
    colorsMenu_->setObjectName(QStringLiteral("ColorsMenu"));
    for (const ColourCommand& command : kColourCommands) {
        const QString key = QString::fromLatin1(command.key);
        QAction* action = colorsMenu_->addAction(QString::fromLatin1(command.caption), this,
                                                 [this, key] { ChooseColour(key); });
        action->setObjectName(key + QStringLiteral("Item"));
    }
    colorsMenu_->addSeparator();
    blinkAction_ = colorsMenu_->addAction(QStringLiteral("&Blink on Today"), this, &TForm1::ToggleBlink);
    blinkAction_->setObjectName(QStringLiteral("BlinkItem"));
    blinkAction_->setCheckable(true);
    blinkAction_->setChecked(settings_.colours.blinkOnToday);
    colorsMenu_->addAction(QStringLiteral("&Restore Defaults"), this, &TForm1::RestoreDefaultColours)
        ->setObjectName(QStringLiteral("RestoreDefaultsItem"));

    popupMenu1_->addSeparator();
    auto add = [this](QMenu* menu, const char* caption, const char* name, std::function<void()> MainWindowHooks::*hook,
                      bool changesReminders) {
        QAction* action = menu->addAction(QString::fromLatin1(caption), this, [this, hook, changesReminders] {
            RunWindowCommand(hooks_.*hook, changesReminders);
        });
        action->setObjectName(QString::fromLatin1(name));
        action->setProperty("hooked", true);
        return action;
    };
    add(popupMenu1_, "&Settings", "SettingsItem", &MainWindowHooks::settingsDialog, true);
    add(popupMenu1_, "&Events", "EventsItem", &MainWindowHooks::eventList, true);
    add(popupMenu1_, "Astro &Module", "AstroItem", &MainWindowHooks::astronomy, false);
    add(popupMenu1_, "&Distances", "DistancesItem", &MainWindowHooks::distances, false);
    clockStatusAction_ = add(popupMenu1_, "Cloc&k correction status", "ClockStatusItem", &MainWindowHooks::clockStatus, false);
    add(popupMenu1_, "&Biorhythm", "BiorhythmItem", &MainWindowHooks::biorhythm, false);
    popupMenu1_->addSeparator();
    popupMenu1_->addAction(QStringLiteral("&Help"), this, [this] {
        if (hooks_.help) hooks_.help("index.htm");
    })->setObjectName(QStringLiteral("HelpItem"));
    add(popupMenu1_, "&About", "AboutItem", &MainWindowHooks::about, false);
    popupMenu1_->addSeparator();
    popupMenu1_->addAction(QStringLiteral("E&xit"), this, &QWidget::close)->setObjectName(QStringLiteral("ExitItem"));
    connect(popupMenu1_, &QMenu::aboutToShow, this, &TForm1::UpdateHookedCommands);

    popupMenu2_ = new QMenu(this);
    popupMenu2_->setObjectName(QStringLiteral("PopupMenu2"));
    popupMenu2_->addAction(QStringLiteral("&Restore"), this, &TForm1::TrayDoubleClicked)
        ->setObjectName(QStringLiteral("TrayRestoreItem"));
    add(popupMenu2_, "&Events", "TrayEventsItem", &MainWindowHooks::eventList, true);
    trayClockStatusAction_ =
        add(popupMenu2_, "&Clock correction status", "TrayClockStatusItem", &MainWindowHooks::clockStatus, false);
    popupMenu2_->addAction(QStringLiteral("&Help"), this, [this] {
        if (hooks_.help) hooks_.help("index.htm");
    })->setObjectName(QStringLiteral("TrayHelpItem"));
    add(popupMenu2_, "&About", "TrayAboutItem", &MainWindowHooks::about, false);
    popupMenu2_->addAction(QStringLiteral("Add &new alarm"), this, [this] {
        AddReminder(Today(), true);
    })->setObjectName(QStringLiteral("TrayNewAlarmItem"));
    popupMenu2_->addAction(QStringLiteral("E&xit"), this, &QWidget::close)->setObjectName(QStringLiteral("TrayExitItem"));
    connect(popupMenu2_, &QMenu::aboutToShow, this, &TForm1::UpdateHookedCommands);
}

void TForm1::BuildTray() {
    tray_ = new QSystemTrayIcon(this);
    tray_->setObjectName(QStringLiteral("XPTrayIcon1"));
    tray_->setContextMenu(popupMenu2_);
    connect(tray_, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        if (reason == QSystemTrayIcon::DoubleClick) TrayDoubleClicked();
        if (reason == QSystemTrayIcon::Trigger) TrayClicked();
    });
}

// Enables each command exactly when the window behind it exists, and the
// clock status only while clock correction is on.
void TForm1::UpdateHookedCommands() {
    auto enable = [this](const QString& name, bool on) {
        for (QMenu* menu : {popupMenu1_, popupMenu2_})
            for (QAction* action : menu->findChildren<QAction*>(name)) action->setEnabled(on);
    };
    const bool clockOn = ini_.ReadBool("SNTP", "TimeCorrection", false);
    enable(QStringLiteral("SettingsItem"), bool(hooks_.settingsDialog));
    enable(QStringLiteral("EventsItem"), bool(hooks_.eventList));
    enable(QStringLiteral("TrayEventsItem"), bool(hooks_.eventList));
    enable(QStringLiteral("AstroItem"), bool(hooks_.astronomy));
    enable(QStringLiteral("DistancesItem"), bool(hooks_.distances));
    enable(QStringLiteral("ClockStatusItem"), bool(hooks_.clockStatus) && clockOn);
    enable(QStringLiteral("TrayClockStatusItem"), bool(hooks_.clockStatus) && clockOn);
    enable(QStringLiteral("BiorhythmItem"), bool(hooks_.biorhythm));
    enable(QStringLiteral("AboutItem"), bool(hooks_.about));
    enable(QStringLiteral("TrayAboutItem"), bool(hooks_.about));
    enable(QStringLiteral("PrintItem"), bool(hooks_.print));
    enable(QStringLiteral("HelpItem"), bool(hooks_.help));
    enable(QStringLiteral("TrayHelpItem"), bool(hooks_.help));
    enable(QStringLiteral("TrayNewAlarmItem"), bool(hooks_.addReminder));

    if (!hooks_.historyViewer) {
        historyAction_->setEnabled(false);
    } else if (!settings_.historyFile.empty()) {
        std::error_code error;
        historyAction_->setEnabled(std::filesystem::is_regular_file(settings_.historyFile, error));
    }

    auto tool = [this](const char* name, bool on) {
        for (BevelButton* b : tools_)
            if (b->objectName() == QLatin1String(name)) b->setEnabled(on);
    };
    tool("MoonBut", bool(hooks_.astronomy));
    tool("DistBut", bool(hooks_.distances));
    tool("SNTPBut", bool(hooks_.clockStatus) && clockOn);
    tool("BioBut", bool(hooks_.biorhythm));
    tool("EventsBut", bool(hooks_.eventList));
    tool("SettingsBut", bool(hooks_.settingsDialog));
}

void TForm1::PlaceWindow() {
    QScreen* screen = QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    QPoint at((area.width() - kClientWidth) / 2 + area.left(), (area.height() - kClientHeight) / 2 + area.top());
    if (settings_.savePos && settings_.left != -1 && settings_.top != -1) at = QPoint(settings_.left, settings_.top);
    move(at);
    createdTop_ = at.y();
    restorePosition_ = at;
}

void TForm1::MoveBelowScreen() { move(x(), ScreenHeight()); }

int TForm1::ScreenHeight() const {
    QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().height() : 768;
}

// ---------------------------------------------------------------- themes and colours

void TForm1::ApplyTheme(int themeIndex) {
    themeIndex_ = themeIndex;
    const Theme& theme = Theme::ByIndex(themeIndex);
    QPalette p = palette();
    p.setColor(QPalette::Window, theme.Color(ThemeRole::WindowBackground));
    setPalette(p);
    captionBar_->ApplyTheme(theme);
    for (BevelButton* b : days_) b->SetColors(theme.Buttons(ButtonFamily::Day));
    scrollButton_->SetColors(theme.Buttons(ButtonFamily::Day));
    for (BevelButton* b : header_) b->SetColors(theme.Buttons(ButtonFamily::Header));
    for (BevelButton* b : months_) b->SetColors(theme.Buttons(ButtonFamily::Header));
    for (BevelButton* b : tools_) b->SetColors(theme.Buttons(ButtonFamily::Tool));
    for (RoundButton* b : stepButtons_) b->SetFace(theme.Color(ThemeRole::RoundFace));
    miniBut_->SetFace(theme.Color(ThemeRole::RoundFace));
    if (shownMonth_ != 0) ShowMonth(CivilDate{shownYear_, shownMonth_, shownDay_});
}

void TForm1::ApplyTextColours() {
    const ColourSettings& c = settings_.colours;
    for (TransEdit* title : {monthTitle_, yearTitle_}) {
        title->SetTextColor(ColorFromValue(c.titleColor));
        title->SetBackground(ColorFromValue(c.titleBColor));
    }
    const QColor month = ColorFromValue(c.monthColor);
    for (BevelButton* b : months_) b->SetFontColor(month);
    infoLabel_->SetColors(QColor(), QColor(), month);
    scroll_->SetTextColor(month);
    for (BevelButton* b : tools_)
        if (b->objectName() == QLatin1String("TodayBut") || b->objectName() == QLatin1String("EventsBut"))
            b->SetFontColor(month);
    todayFrame_->SetColor(ColorFromValue(c.todayFColor));
}

// The label's font starts at 8 points and shrinks until the widest text fits.
void TForm1::FitSunLabelFont() {
    QFont f = PointFont(FontFace::Arial, 8);
    const QString sample = QString::fromUtf8(kSunLabelSample);
    while (f.pointSize() > 4 && QFontMetrics(f).horizontalAdvance(sample) > sunLabel_->width())
        f.setPointSize(f.pointSize() - 1);
    sunLabel_->setFont(f);
}

void TForm1::ChooseColour(const QString& key) {
    for (const ColourCommand& command : kColourCommands) {
        if (key != QLatin1String(command.key)) continue;
        int& value = settings_.colours.*command.field;
        const QColor current = ColorFromValue(value);
        std::optional<QColor> chosen;
        if (hooks_.chooseColor) {
            chosen = hooks_.chooseColor(current, QString::fromLatin1(command.caption).remove(QLatin1Char('&')));
        } else {
            const QColor picked = QColorDialog::getColor(current, this);
            if (picked.isValid()) chosen = picked;
        }
        if (!chosen) return;
        value = ValueFromColor(*chosen);
        colorsChanged_ = true;
        ini_.WriteInteger("Colors", command.key, value);
        ApplyTextColours();
        if (key == QLatin1String("TodayColor") && todayButton_)
            todayButton_->SetFontColor(ColorFromValue(value));
        const bool repaint = key != QLatin1String("TitleColor") && key != QLatin1String("TitleBColor") &&
                             key != QLatin1String("MonthColor") && key != QLatin1String("TodayColor") &&
                             key != QLatin1String("TodayFColor");
        if (repaint) ShowMonth(CivilDate{shownYear_, shownMonth_, shownDay_});
        return;
    }
}

void TForm1::ToggleBlink() {
    settings_.colours.blinkOnToday = blinkAction_->isChecked();
    ini_.WriteBool("Colors", "BlinkOnToday", settings_.colours.blinkOnToday);
    ShowMonth(CivilDate{shownYear_, shownMonth_, shownDay_});
}

void TForm1::RestoreDefaultColours() {
    blinkAction_->setChecked(false);
    settings_.colours = DefaultColours(settings_.colours.theme);
    ApplyTextColours();
    colorsChanged_ = true;
    ShowMonth(CivilDate{shownYear_, shownMonth_, shownDay_});
}

// ---------------------------------------------------------------- month painting

CivilDate TForm1::Today() const { return DecodeDate(context_.clock->LocalNow()); }

int TForm1::TimeZoneBiasMinutes() const {
    return context_.timeZoneBias ? context_.timeZoneBias(settings_.dstCorrection) : 0;
}

double TForm1::Latitude() const { return ParseDegrees(settings_.latitude); }
double TForm1::Longitude() const { return ParseDegrees(settings_.longitude); }

void TForm1::ShowMonth(const CivilDate& date) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    setUpdatesEnabled(false);

    monthTitle_->setText(QString::fromLatin1(kMonthNames[date.month - 1]));
    monthTitle_->SetTag(date.month);
    yearTitle_->setText(QString::number(date.year));
    yearTitle_->SetTag(date.year);

    scroll_->Stop();
    scroll_->SetText(QString());
    scroll_->hide();
    infoLabel_->SetText(QString());
    infoLabel_->hide();

    shownYear_ = date.year;
    shownMonth_ = date.month;
    shownDay_ = date.day;

    const std::vector<MoonPhaseMark> phases = MonthMoonPhases(date.year, date.month, TimeZoneBiasMinutes());
    MonthIndex index = BuildMonthIndex(date.month, date.year, ini_, context_.timeStyle, *context_.prompt);
    months_[date.month - 1]->setChecked(true);
    HolidaySwitches switches;
    switches.easterRelated = settings_.easterRelated;
    switches.showEaster = settings_.showEaster;
    switches.showPesach = settings_.showPesach;
    switches.showThanks = settings_.showThanks;
    AppendMonthHolidays(index, MonthHolidays(date.year, date.month, switches));
    entries_ = DayEntriesFrom(index);

    MonthViewOptions options;
    options.oldEurope = settings_.oldEurope;
    options.sideDays = settings_.sideDays;
    options.showMoon = settings_.showMoon;
    options.moonHint = settings_.moonHint;
    options.latitude = Latitude();
    options.ignoreWeekColor = settings_.ignoreWeekColor;
    options.ignoreDayColor = settings_.ignoreDayColor;
    options.twelveHour = context_.timeStyle.twelveHour;
    options.amDesignator = context_.timeStyle.amDesignator;
    options.pmDesignator = context_.timeStyle.pmDesignator;
    picture_ = PaintMonth(date.year, date.month, Today(), entries_, phases, DayColorsFrom(settings_.colours), options);

    for (int i = 0; i < 42; ++i) ApplyCell(days_[i], picture_.cells[i]);
    todayButton_ = nullptr;
    if (picture_.todayCell >= 0) {
        todayButton_ = days_[picture_.todayCell];
        todayFrame_->move(todayButton_->x() - 4, todayButton_->y() - 4);
        todayFrame_->SetColor(ColorFromValue(settings_.colours.todayFColor));
        todayFrame_->show();
        todayFrame_->lower();
        if (blinkAction_->isChecked())
            blinkTimer_->start();
        else
            blinkTimer_->stop();
    } else {
        todayFrame_->hide();
        blinkTimer_->stop();
    }
    for (int c = 0; c < 7; ++c) {
        header_[c]->setText(QString::fromLatin1(picture_.header[c].c_str()));
        header_[c]->SetFontColor(ColorFromValue(c == picture_.sundayColumn ? settings_.colours.sundayColor
                                                                           : settings_.colours.normalColor));
    }

    SetSunLabel();
    SetInformationStrip(InformationStripText(entries_));

    setUpdatesEnabled(true);
    QApplication::restoreOverrideCursor();
}

void TForm1::ApplyCell(BevelButton* button, const DayCell& cell) {
    const Theme& theme = Theme::ByIndex(themeIndex_);
    button->setText(QString::number(cell.caption));
    switch (cell.kind) {
    case CellKind::Hidden:
        button->setEnabled(false);
        button->hide();
        button->setToolTip(QString());
        button->SetGlyph(QPixmap());
        return;
    case CellKind::Dimmed:
        button->setEnabled(false);
        button->show();
        button->SetFace(theme.Color(ThemeRole::WindowBackground));
        button->SetHotTrack(false);
        button->setToolTip(QString());
        button->SetGlyph(QPixmap());
        return;
    case CellKind::InMonth:
        button->setEnabled(true);
        button->show();
        button->SetFace(theme.Color(ThemeRole::DayFace));
        button->SetHotTrack(true, theme.Color(ThemeRole::DayHotTrack));
        button->SetFontColor(ColorFromValue(cell.color));
        button->setToolTip(HintText(cell.hint));
        button->SetGlyph(MoonGlyphPixmap(cell.glyph), QString::fromLatin1(MoonGlyphName(cell.glyph)));
        return;
    }
}

void TForm1::SetSunLabel() {
    const CivilDate today = Today();
    if (today.year != shownYear_ || today.month != shownMonth_) {
        sunLabel_->SetText(QString::fromUtf8(kSunLabelNotAvailable));
        return;
    }
    sunLabel_->SetText(QString::fromStdString(SunLabelText(EncodeDate(today), Latitude(), Longitude(),
                                                           TimeZoneBiasMinutes(), context_.timeStyle.twelveHour)));
}

void TForm1::SetInformationStrip(const std::string& holidays) {
    QString text = QString::fromStdString(holidays);
    stripShowsClock_ = text.isEmpty();
    if (stripShowsClock_)
        text = QString::fromStdString(ClockText());
    if (QFontMetrics(font()).horizontalAdvance(text) > infoLabel_->width() - 4) {
        infoLabel_->hide();
        scroll_->setFont(font());
        scroll_->SetText(text + QString(35, QLatin1Char(' ')));
        scroll_->show();
        scroll_->Start();
    } else {
        infoLabel_->SetText(text);
        infoLabel_->show();
        scroll_->Stop();
        scroll_->SetText(QString());
        scroll_->hide();
    }
}

void TForm1::BlinkTick() {
    if (!todayButton_) return;
    const QColor today = ColorFromValue(settings_.colours.todayColor);
    if (todayButton_->FontColor() == today) {
        const bool sunday = WeekdayOf(shownYear_, shownMonth_, todayButton_->text().toInt()) == 0;
        todayButton_->SetFontColor(
            ColorFromValue(sunday ? settings_.colours.sundayColor : settings_.colours.normalColor));
    } else {
        todayButton_->SetFontColor(today);
    }
}

// ---------------------------------------------------------------- navigation

void TForm1::ShowMonthOfYear(int year, int month) { ShowMonth(CivilDate{year, month, 1}); }

void TForm1::StepMonth(int delta) {
    const int month = shownMonth_ + delta;
    if (month >= 1 && month <= 12) {
        ShowMonthOfYear(shownYear_, month);
    } else if (month == 0 && shownYear_ > kFirstYear) {
        ShowMonthOfYear(shownYear_ - 1, 12);
    } else if (month == 13 && shownYear_ < kLastYear) {
        ShowMonthOfYear(shownYear_ + 1, 1);
    } else {
        context_.sound->Beep();
        monthTitle_->SetTag(shownMonth_);
    }
}

void TForm1::StepYear(int delta) {
    const int year = shownYear_ + delta;
    if (year >= kFirstYear && year <= kLastYear) ShowMonthOfYear(year, shownMonth_);
}

void TForm1::YearEditDone() {
    bool ok = false;
    const int year = yearTitle_->text().trimmed().toInt(&ok, 10);
    if (!ok || year < kFirstYear || year > kLastYear) {
        yearTitle_->setText(QString::number(shownYear_));
        return;
    }
    if (year != shownYear_) ShowMonthOfYear(year, shownMonth_);
}

// ---------------------------------------------------------------- day buttons

CivilDate TForm1::ShownDay(int cell) const {
    return CivilDate{shownYear_, shownMonth_, days_[cell]->text().toInt()};
}

void TForm1::DayMouseDown(int cell, Qt::MouseButton button, Qt::KeyboardModifiers modifiers) {
    const CivilDate day = ShownDay(cell);
    if (modifiers & Qt::ShiftModifier) shiftOrAlt_ = true;
    if (modifiers & Qt::ControlModifier) {
        ctrl_ = true;
        if (!calculatorStarted_) {
            calculatorStart_ = DayNumber(day);
            calculatorStarted_ = true;
            calculatorJustStarted_ = true;
            // The box opens once the press is over, so the button does not stay down.
            QTimer::singleShot(0, this, [this, day] {
                context_.prompt->ShowMessage(MessageKind::Information, "Orvanto Math Mode",
                                             CalculatorStartText(day, settings_.dateFormat));
            });
        }
        return;
    }
    if (modifiers & (Qt::AltModifier | Qt::ShiftModifier)) {
        shiftOrAlt_ = true;
        ShowDayInformation(day, true);
        return;
    }
    if (button == Qt::LeftButton) ShowDayInformation(day, false);
}

void TForm1::ShowDayInformation(const CivilDate& day, bool iso) {
    const int week = iso ? IsoWeekNumber(EncodeDate(day)) : SimpleWeekNumber(day.year, day.month, day.day, settings_.oldEurope);
    QFont boldSun = sunLabel_->font();
    boldSun.setBold(true);
    sunLabel_->setFont(boldSun);
    sunLabel_->SetText(QString::fromStdString(SunLabelText(EncodeDate(day), Latitude(), Longitude(),
                                                           TimeZoneBiasMinutes(), context_.timeStyle.twelveHour)));
    if (scroll_->IsActive()) {
        savedInformation_ = scroll_->Text() + QLatin1Char('@');
        scroll_->Stop();
        scroll_->hide();
    } else {
        savedInformation_ = infoLabel_->Text();
    }
    QFont bold = font();
    bold.setBold(true);
    infoLabel_->setFont(bold);
    infoLabel_->SetText(QString::fromStdString(DayInformationText(week, day, Today())));
    infoLabel_->show();
}

void TForm1::RestoreInformation() {
    infoLabel_->setFont(font());
    const QString saved = *savedInformation_;
    if (saved.endsWith(QLatin1Char('@'))) {
        infoLabel_->hide();
        scroll_->SetText(saved.left(saved.size() - 1));
        scroll_->show();
        scroll_->Start();
    } else {
        infoLabel_->SetText(saved);
        infoLabel_->show();
    }
    savedInformation_.reset();
    RefreshClockText();
    QFont sun = sunLabel_->font();
    sun.setBold(false);
    sunLabel_->setFont(sun);
    SetSunLabel();
}

void TForm1::DayMouseUp(int cell, Qt::MouseButton button, Qt::KeyboardModifiers) {
    if (button == Qt::LeftButton && savedInformation_) RestoreInformation();
    suppressClick_ = ctrl_ || shiftOrAlt_;
    if (ctrl_ && calculatorStarted_ && !calculatorJustStarted_) {
        const CivilDate start = DateFromDayNumber(calculatorStart_);
        const CivilDate end = ShownDay(cell);
        calculatorStarted_ = false;
        QTimer::singleShot(0, this, [this, start, end] {
            context_.prompt->ShowMessage(MessageKind::Information, "Orvanto Date Calculator",
                                         CalculatorResultText(start, end, settings_.dateFormat));
        });
    }
    calculatorJustStarted_ = false;
    ctrl_ = false;
}

void TForm1::DayClicked(int cell) {
    if (suppressClick_) {
        suppressClick_ = false;
        shiftOrAlt_ = false;
        return;
    }
    AddReminder(ShownDay(cell), settings_.allTimed);
}

void TForm1::AddReminder(const CivilDate& day, bool timed) {
    if (!hooks_.addReminder) return;
    hooks_.addReminder(day, timed);
    // The dialog may have stored a record: the month, the pending table and
    // the check's own table are made again from the file.
    ShowMonthOfYear(shownYear_, shownMonth_);
    RebuildPendingTable();
    check_->RequestRebuild();
}

// ---------------------------------------------------------------- commands

void TForm1::RunWindowCommand(const std::function<void()>& command, bool changesReminders) {
    if (!command) return;
    command();
    if (!changesReminders) return;
    ReloadSettings();
    RebuildPendingTable();
    check_->RequestRebuild();
    ShowMonthOfYear(shownYear_, shownMonth_);
}

void TForm1::OpenHistoryViewer() {
    if (settings_.historyFile.empty()) {
        context_.prompt->ShowMessage(MessageKind::Warning, kAppTitle, "History file not defined.");
        return;
    }
    std::error_code error;
    if (!std::filesystem::is_regular_file(settings_.historyFile, error)) {
        context_.prompt->ShowMessage(MessageKind::Warning, kAppTitle, "History file not found.");
        return;
    }
    if (hooks_.historyViewer) hooks_.historyViewer();
}

void TForm1::ReloadSettings() {
    settings_ = ReloadSettingsAfterDialog(ini_, settings_);
    SetHintPause(settings_.hintPause * 1000);
    ApplyTheme(settings_.colours.theme);
    UpdateHookedCommands();
}

// ---------------------------------------------------------------- reminders and the tick

void TForm1::RebuildPendingTable() { check_->RebuildPendingTable(); }

std::string TForm1::StatusText() const {
    return PendingText(DayNumber(Today()), Pending().pendingCount, settings_.dateFormat);
}

bool TForm1::UsesTray() const {
    const bool available =
        context_.trayAvailable ? context_.trayAvailable() : QSystemTrayIcon::isSystemTrayAvailable();
    return settings_.minToTray && available;
}

void TForm1::ShowPendingText() {
    if (!inTray_ && !inTaskBar_) return;
    if (UsesTray()) {
        trayIconName_ = orvanto::TrayIconName(Today().day, Pending().pendingCount > 0);
        tray_->setIcon(TrayIcon(Today().day, Pending().pendingCount > 0));
        tray_->setToolTip(QString::fromStdString(StatusText()));
    } else {
        setWindowTitle(QString::fromStdString(StatusText()));
    }
}

ReminderCheckHooks TForm1::CheckHooks() {
    ReminderCheckHooks hooks;
    hooks.trayShuffle = [this] { ShuffleTrayIcon(); };
    hooks.clockCorrection = [this] {
        if (hooks_.clockCorrectionTick) hooks_.clockCorrectionTick();
    };
    hooks.dateChanged = [this](int) { DateChanged(); };
    hooks.pendingChanged = [this](const PendingTable&) { ShowPendingText(); };
    hooks.remindersChanged = [this] { ShowMonth(CivilDate{shownYear_, shownMonth_, shownDay_}); };
    hooks.clockLabel = [this] { RefreshClockText(); };
    return hooks;
}

void TForm1::ReminderTick() {
    reminderTimer_->stop();
    check_->Tick();
    reminderTimer_->start();
}

// Sixty ticks after start-up or a minimize the tray icon is removed and added
// again, so that it moves to the end of the notification area.
void TForm1::ShuffleTrayIcon() {
    if (!settings_.shuffleIcon || shuffleTicks_ >= 60) return;
    if (++shuffleTicks_ == 60 && UsesTray() && inTray_) {
        tray_->hide();
        tray_->show();
    }
}

void TForm1::DateChanged() {
    ShowMonth(Today());
    if (hooks_.dateChanged) hooks_.dateChanged();
}

std::string TForm1::ClockText() const {
    const TimeStyle& style = context_.timeStyle;
    return LongTimeText(TimeOf(context_.clock->LocalNow()), style.twelveHour, style.amDesignator, style.pmDesignator);
}

void TForm1::RefreshClockText() {
    if (stripShowsClock_ && !savedInformation_)
        infoLabel_->SetText(
            QString::fromStdString(ClockText()));
}

// ---------------------------------------------------------------- minimize, restore, tray

void TForm1::Minimize() {
    if (y() != ScreenHeight()) restorePosition_ = pos();
    context_.sound->PlayEvent("Minimize");
    shuffleTicks_ = 0;
    scroll_->Stop();
    scroll_->hide();
    changingState_ = true;
    if (UsesTray()) {
        inTray_ = true;
        ShowPendingText();
        tray_->setVisible(true);
        hide();
    } else {
        inTaskBar_ = true;
        ShowPendingText();
        move(x(), ScreenHeight());
        showMinimized();
    }
    changingState_ = false;
}

void TForm1::Restore() {
    ShowMonth(Today());
    context_.sound->PlayEvent("Maximize");
    changingState_ = true;
    if (inTray_) {
        tray_->hide();
        inTray_ = false;
        show();
    } else {
        setWindowTitle(QString::fromLatin1(kAppTitle));
        inTaskBar_ = false;
        showNormal();
    }
    move(restorePosition_);
    raise();
    activateWindow();
    changingState_ = false;
}

void TForm1::TrayClicked() {
    if (doubleClickFlag_) {
        doubleClickFlag_ = false;
        return;
    }
    // A single click waits out the double-click time so that a double click
    // restores the window without also opening the add-reminder dialog.
    trayClickTimer_->start(QApplication::doubleClickInterval());
}

void TForm1::TrayDoubleClicked() {
    trayClickTimer_->stop();
    if (doubleClickFlag_) {
        doubleClickFlag_ = false;
        return;
    }
    doubleClickFlag_ = true;
    QElapsedTimer wait;
    wait.start();
    while (wait.elapsed() < 50) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    Restore();
    doubleClickFlag_ = false;
}

// ---------------------------------------------------------------- window events

void TForm1::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    StartReminderCheck();
}

// The reminder check runs from the first time the window is shown.
void TForm1::StartReminderCheck() {
    if (!firstShow_) return;
    firstShow_ = false;
    reminderTimer_->start();
}

void TForm1::StartMinimized() {
    StartReminderCheck();
    Minimize();
}

void TForm1::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange || changingState_) return;
    // The desktop's own minimize and restore (task bar, window menu) take the
    // same way as the window's buttons.
    if ((windowState() & Qt::WindowMinimized) && !inTaskBar_ && !inTray_)
        QTimer::singleShot(0, this, &TForm1::Minimize);
    else if (!(windowState() & Qt::WindowMinimized) && inTaskBar_)
        QTimer::singleShot(0, this, &TForm1::Restore);
}

void TForm1::WriteChangedColours() {
    if (!colorsChanged_) return;
    ini_.WriteBool("Colors", "BlinkOnToday", blinkAction_->isChecked());
    for (const ColourCommand& command : kColourCommands)
        ini_.WriteInteger("Colors", command.key, settings_.colours.*command.field);
}

void TForm1::StopForClose() {
    tray_->hide();
    scroll_->Stop();
    scroll_->hide();
    reminderTimer_->stop();
    blinkTimer_->stop();
}

void TForm1::contextMenuEvent(QContextMenuEvent* event) {
    UpdateHookedCommands();
    popupMenu1_->popup(event->globalPos());
}

void TForm1::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void TForm1::keyReleaseEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1 && hooks_.help) {
        hooks_.help("index.htm");
        return;
    }
    QWidget::keyReleaseEvent(event);
}

// The year title: Enter ends the edit (the focus goes to the invisible
// button), Escape closes the window.
bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    if (watched == yearTitle_ && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            focusButton_->setFocus();
            return true;
        }
        if (key->key() == Qt::Key_Escape) {
            close();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace orvanto
