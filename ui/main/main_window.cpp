// TForm1: layout of the main window and the wiring of its parts: navigation,
// the day buttons' press, release and click, the keys, the commands of the
// command table, the colour commands, minimize and restore, and the window's
// answers to the changes other windows announce.
#include "ui/main/main_window.h"

#include <QApplication>
#include <QColorDialog>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>

#include <filesystem>

#include "calendar/day_number.h"
#include "calendar/serial_date.h"
#include "calendar/valid_date.h"
#include "core/startup.h"
#include "ui/app/program_services.h"
#include "ui/main/colour_commands.h"
#include "ui/main/glyphs.h"
#include "ui/main/main_commands.h"
#include "ui/main/month_view.h"
#include "ui/main/tray_presence.h"
#include "ui/widgets/bevel_button.h"
#include "ui/widgets/caption_bar.h"
#include "ui/widgets/ext_label.h"
#include "ui/widgets/fonts.h"
#include "ui/widgets/hint_style.h"
#include "ui/widgets/round_button.h"
#include "ui/widgets/theme.h"
#include "ui/widgets/trans_edit.h"
#include "ui/widgets/window_placement.h"

namespace orvanto {

namespace {

constexpr int kClientWidth = 356;
constexpr int kClientHeight = 444;

constexpr std::array<const char*, 12> kMonthNames = {"January",   "February", "March",    "April",
                                                     "May",       "June",     "July",     "August",
                                                     "September", "October",  "November", "December"};
constexpr std::array<const char*, 12> kMonthCaptions = {"&Jan", "&Feb", "Ma&r", "A&pr", "&May", "J&un",
                                                        "Ju&l", "&Aug", "&Sep", "O&ct", "&Nov", "&Dec"};

// The tool buttons: name, hint, place and glyph. What the buttons of windows
// do comes from the command table.
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

// Tool buttons whose caption takes the month buttons' colour.
bool TakesMonthColour(const QString& toolName) {
    return toolName == QLatin1String("TodayBut") || toolName == QLatin1String("EventsBut");
}

}  // namespace

TForm1::TForm1(AppContext& context, WindowLauncher& launcher, MainWindowStart start, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint),
      context_(context),
      launcher_(launcher),
      start_(std::move(start)),
      ini_(context.settingsPath),
      settings_(LoadMainWindowSettings(ini_)),
      services_(ProgramReminderServices(*context.prompt, *context.sound, *context.clock)) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QString::fromLatin1(kApplicationTitle));
    setFixedSize(kClientWidth, kClientHeight);
    setFont(PixelFont(FontFace::Tahoma, 13));
    setAutoFillBackground(true);
    context_.themeIndex = settings_.colours.theme;
    context_.dateFormat = settings_.dateFormat;

    BuildCaption();
    BuildTitles();
    monthView_ = new MonthView(this, context_, settings_);
    connect(monthView_, &MonthView::DayMouseDown, this, &TForm1::DayMouseDown);
    connect(monthView_, &MonthView::DayMouseUp, this, &TForm1::DayMouseUp);
    connect(monthView_, &MonthView::DayClicked, this, &TForm1::DayClicked);
    BuildMonthButtons();
    BuildToolButtons();
    BuildMenus();
    presence_ = new TrayPresence(this, popupMenu2_, *context_.sound, start_.trayAvailable);
    connect(presence_, &TrayPresence::NewAlarmRequested, this, [this] { AddReminder(Today(), true); });
    connect(presence_, &TrayPresence::RestoreRequested, this, &TForm1::Restore);
    EnableCommands();

    reminderTimer_ = new QTimer(this);
    reminderTimer_->setObjectName(QStringLiteral("ReminderTimer"));
    reminderTimer_->setInterval(1000);
    connect(reminderTimer_, &QTimer::timeout, this, &TForm1::ReminderTick);

    connect(context_.events, &AppEvents::RemindersChanged, this, &TForm1::RemindersChanged);
    connect(context_.events, &AppEvents::SettingsChanged, this, &TForm1::SettingsChanged);
    // The window sees every key first, whichever of its controls has the focus.
    qApp->installEventFilter(this);

    SetHintPause(settings_.hintPause * 1000);
    ApplyTheme(settings_.colours.theme);
    ApplyTextColours();
    PlaceWindow();
    check_ =
        std::make_unique<ReminderCheck>(context_.settingsPath, services_, context_.timeStyle, CheckHooks());
    ShowMonth(Today());
}

TForm1::~TForm1() {
    // QWidget's destructor closes the window, which moves the focus and makes
    // the year field emit FocusLost: by then this object is only a QWidget,
    // so no signal of a child may reach a slot of this window any more.
    qApp->removeEventFilter(this);
    for (QObject* child : findChildren<QObject*>()) child->disconnect(this);
}

// ---------------------------------------------------------------- layout

void TForm1::BuildCaption() {
    captionBar_ = new CaptionBar(QString::fromLatin1(kProgramName), this);
    captionBar_->setObjectName(QStringLiteral("CaptionBar"));
    captionBar_->SetManualLayout(true);
    captionBar_->setGeometry(0, 0, 361, 29);
    titleLabel_ = captionBar_->Title();
    titleLabel_->setObjectName(QStringLiteral("ExtLabel2"));
    titleLabel_->setFont(PixelFont(FontFace::Verdana, 20, true));
    titleLabel_->setToolTip(QStringLiteral("About..."));
    titleLabel_->setGeometry(8, 1, 140, 27);
    titleLabel_->SetStyle(ExtLabel::Style::HeavyRaised);
    connect(titleLabel_, &ExtLabel::Pressed, this,
            [this] { titleLabel_->SetStyle(ExtLabel::Style::HeavySunken); });
    connect(titleLabel_, &ExtLabel::Released, this,
            [this] { titleLabel_->SetStyle(ExtLabel::Style::HeavyRaised); });
    connect(titleLabel_, &ExtLabel::Clicked, this, [this] { launcher_.Open(AppWindow::About, this); });

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

void TForm1::BuildMonthButtons() {
    for (int m = 0; m < 12; ++m) {
        auto* button = new BevelButton(this);
        button->setObjectName(QStringLiteral("SpeedButton%1").arg(m + 50));
        button->setGeometry(12 + 40 * (m % 6), m < 6 ? 368 : 392, 41, 25);
        button->setText(QString::fromLatin1(kMonthCaptions[m]));
        button->setCheckable(true);
        button->setAutoExclusive(true);
        connect(button, &QAbstractButton::clicked, this, [this, m] { ShowMonthOfYear(ShownYear(), m + 1); });
        months_[m] = button;
    }
}

void TForm1::BuildToolButtons() {
    for (const ToolButtonLayout& tool : kToolButtons) {
        auto* button = new BevelButton(this);
        button->setObjectName(QString::fromLatin1(tool.name));
        button->setToolTip(QString::fromLatin1(tool.hint));
        button->setGeometry(tool.left, tool.top, tool.width, 25);
        const ToolGlyph glyph = tool.glyph;
        const QSize size(kToolGlyphSize, kToolGlyphSize);
        button->setIcon(DrawnIcon([glyph](qreal ratio) { return ToolGlyphPixmap(glyph, ratio); }, size));
        button->setIconSize(size);
        tools_.push_back(button);
    }
    // The navigation buttons; the others are commands.
    connect(tools_[0], &QAbstractButton::clicked, this, [this] { StepMonth(-1); });
    connect(tools_[1], &QAbstractButton::clicked, this, [this] { StepMonth(1); });
    connect(tools_[2], &QAbstractButton::clicked, this, [this] { ShowMonth(Today()); });
}

void TForm1::BuildMenus() {
    popupMenu1_ = new QMenu(this);
    popupMenu1_->setObjectName(QStringLiteral("PopupMenu1"));
    popupMenu2_ = new QMenu(this);
    popupMenu2_->setObjectName(QStringLiteral("PopupMenu2"));
    colorsMenu_ = new QMenu(popupMenu1_);
    blinkAction_ = FillColourMenu(
        colorsMenu_, settings_.colours.blinkOnToday,
        ColourMenuActions{[this](const ColourCommand& c) { ChooseColour(c); },
                          [this](bool on) { SetBlink(on); }, [this] { RestoreDefaultColours(); }});
    commands_ = std::make_unique<MainCommands>(popupMenu1_, popupMenu2_, colorsMenu_, tools_,
                                               [this](const MainCommand& command) { RunCommand(command); });
    connect(popupMenu1_, &QMenu::aboutToShow, this, &TForm1::EnableCommands);
    connect(popupMenu2_, &QMenu::aboutToShow, this, &TForm1::EnableCommands);
}

void TForm1::PlaceWindow() {
    QScreen* screen = QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    QPoint at((area.width() - kClientWidth) / 2 + area.left(),
              (area.height() - kClientHeight) / 2 + area.top());
    if (settings_.savePos && settings_.left != -1 && settings_.top != -1)
        at = QPoint(settings_.left, settings_.top);
    move(at);
    createdTop_ = at.y();
    presence_->SetRestorePosition(at);
}

void TForm1::MoveBelowScreen() { move(x(), presence_->ScreenHeight()); }

// ---------------------------------------------------------------- state

int TForm1::ShownYear() const { return monthView_->Shown().year; }
int TForm1::ShownMonth() const { return monthView_->Shown().month; }
const MonthPicture& TForm1::Picture() const { return monthView_->Picture(); }
CivilDate TForm1::Today() const { return DecodeDate(context_.clock->LocalNow()); }
bool TForm1::InTray() const { return presence_->InTray(); }
bool TForm1::MinimizedToTaskBar() const { return presence_->InTaskBar(); }
bool TForm1::UsesTray() const { return presence_->UsesTray(settings_.minToTray); }
QString TForm1::TrayIconName() const { return presence_->IconName(); }
QSystemTrayIcon* TForm1::TrayIconObject() const { return presence_->Icon(); }

// ---------------------------------------------------------------- themes and colours

void TForm1::ApplyTheme(int themeIndex) {
    context_.themeIndex = themeIndex;
    const Theme& theme = Theme::ByIndex(themeIndex);
    QPalette p = palette();
    p.setColor(QPalette::Window, theme.Color(ThemeRole::WindowBackground));
    setPalette(p);
    captionBar_->ApplyTheme(theme);
    monthView_->ApplyTheme(theme);
    for (BevelButton* b : months_) b->SetColors(theme.Buttons(ButtonFamily::Header));
    for (BevelButton* b : tools_) b->SetColors(theme.Buttons(ButtonFamily::Tool));
    for (RoundButton* b : stepButtons_) b->SetFace(theme.Color(ThemeRole::RoundFace));
    miniBut_->SetFace(theme.Color(ThemeRole::RoundFace));
    if (ShownMonth() != 0) ShowMonth(monthView_->Shown());
}

void TForm1::ApplyTextColours() {
    const ColourSettings& c = settings_.colours;
    for (TransEdit* title : {monthTitle_, yearTitle_}) {
        title->SetTextColor(ColorFromValue(c.titleColor));
        title->SetBackground(ColorFromValue(c.titleBColor));
    }
    const QColor month = ColorFromValue(c.monthColor);
    for (BevelButton* b : months_) b->SetFontColor(month);
    for (BevelButton* b : tools_)
        if (TakesMonthColour(b->objectName())) b->SetFontColor(month);
    monthView_->ApplyTextColours();
}

void TForm1::ChooseColour(const ColourCommand& command) {
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
    if (command.field == &ColourSettings::todayColor) monthView_->SetTodayColour();
    if (command.repaintsMonth) monthView_->Repaint();
}

void TForm1::SetBlink(bool on) {
    settings_.colours.blinkOnToday = on;
    ini_.WriteBool("Colors", "BlinkOnToday", on);
    monthView_->SetBlink(on);
    monthView_->Repaint();
}

void TForm1::RestoreDefaultColours() {
    blinkAction_->setChecked(false);
    settings_.colours = DefaultColours(settings_.colours.theme);
    ApplyTextColours();
    colorsChanged_ = true;
    monthView_->SetBlink(false);
    monthView_->Repaint();
}

// ---------------------------------------------------------------- painting and navigation

void TForm1::ShowMonth(const CivilDate& date) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    setUpdatesEnabled(false);
    monthTitle_->setText(QString::fromLatin1(kMonthNames[date.month - 1]));
    yearTitle_->setText(QString::number(date.year));
    months_[date.month - 1]->setChecked(true);
    monthView_->Show(date);
    context_.shownDay = date;
    setUpdatesEnabled(true);
    QApplication::restoreOverrideCursor();
}

void TForm1::ShowMonthOfYear(int year, int month) { ShowMonth(CivilDate{year, month, 1}); }

void TForm1::StepMonth(int delta) {
    const int year = ShownYear();
    const int month = ShownMonth() + delta;
    if (month >= 1 && month <= 12) {
        ShowMonthOfYear(year, month);
    } else if (month == 0 && year > kFirstCalendarYear) {
        ShowMonthOfYear(year - 1, 12);
    } else if (month == 13 && year < kLastCalendarYear) {
        ShowMonthOfYear(year + 1, 1);
    } else {
        context_.sound->Beep();
    }
}

void TForm1::StepYear(int delta) {
    const int year = ShownYear() + delta;
    if (year >= kFirstCalendarYear && year <= kLastCalendarYear) ShowMonthOfYear(year, ShownMonth());
}

void TForm1::YearEditDone() {
    bool ok = false;
    const int year = yearTitle_->text().trimmed().toInt(&ok, 10);
    if (!ok || year < kFirstCalendarYear || year > kLastCalendarYear) {
        yearTitle_->setText(QString::number(ShownYear()));
        return;
    }
    if (year != ShownYear()) ShowMonthOfYear(year, ShownMonth());
}

// ---------------------------------------------------------------- keys

// Keys of the whole window, whichever control has the focus: F1 (on release)
// help, Esc closes, Page Up and Page Down step months, the arrow keys move
// the selected day (not while the year is typed), Enter in the year title
// ends the edit, Enter on a selected day opens the add dialog for it.
bool TForm1::HandleWindowKey(QKeyEvent* key) {
    // Once a year is being typed, the arrow keys move the cursor in it.
    const bool typingYear = yearTitle_->hasFocus() && yearTitle_->isModified();
    if (key->type() == QEvent::KeyRelease) {
        if (key->key() != Qt::Key_F1) return false;
        launcher_.ShowHelp(kMainHelpTopic);
        return true;
    }
    switch (key->key()) {
    case Qt::Key_F1:
        return true;
    case Qt::Key_Escape:
        close();
        return true;
    case Qt::Key_PageUp:
        StepMonth(-1);
        return true;
    case Qt::Key_PageDown:
        StepMonth(1);
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (typingYear) {
            focusButton_->setFocus();
            return true;
        }
        for (int cell = 0; cell < 42; ++cell) {
            if (!monthView_->Day(cell)->hasFocus()) continue;
            AddReminder(monthView_->DayOfCell(cell), settings_.allTimed);
            return true;
        }
        return false;
    case Qt::Key_Left:
        if (typingYear) return false;
        MoveSelectedDay(-1);
        return true;
    case Qt::Key_Right:
        if (typingYear) return false;
        MoveSelectedDay(1);
        return true;
    case Qt::Key_Up:
        if (typingYear) return false;
        MoveSelectedDay(-7);
        return true;
    case Qt::Key_Down:
        if (typingYear) return false;
        MoveSelectedDay(7);
        return true;
    default:
        return false;
    }
}

// The selected day is the day button with the keyboard focus; without one the
// first step starts from today in today's month, else from the 1st.
void TForm1::MoveSelectedDay(int days) {
    std::optional<CivilDate> selected;
    for (int cell = 0; cell < 42; ++cell)
        if (monthView_->Day(cell)->hasFocus()) selected = monthView_->DayOfCell(cell);
    CivilDate target;
    if (selected) {
        target = DateFromDayNumber(DayNumber(*selected) + days);
    } else {
        const CivilDate today = Today();
        const bool todayShown = today.year == ShownYear() && today.month == ShownMonth();
        target = todayShown ? today : CivilDate{ShownYear(), ShownMonth(), 1};
    }
    if (!IsValidDate(target.day, target.month, target.year)) {
        context_.sound->Beep();
        return;
    }
    if (target.year != ShownYear() || target.month != ShownMonth())
        ShowMonthOfYear(target.year, target.month);
    const int cell = monthView_->CellOfDay(target.day);
    if (cell >= 0) monthView_->Day(cell)->setFocus(Qt::OtherFocusReason);
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != this) return QWidget::eventFilter(watched, event);
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease)
        return HandleWindowKey(static_cast<QKeyEvent*>(event));
    // A disabled control (a dimmed neighbour day, the strip, a tool button of
    // a window that is not there) swallows the right click: the menu opens
    // anywhere on the window all the same.
    if (event->type() == QEvent::ContextMenu && !widget->isEnabled()) {
        contextMenuEvent(static_cast<QContextMenuEvent*>(event));
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

// ---------------------------------------------------------------- day buttons

void TForm1::DayMouseDown(int cell, Qt::MouseButton button, Qt::KeyboardModifiers modifiers) {
    const CivilDate day = monthView_->DayOfCell(cell);
    const DayModifiers held{modifiers.testFlag(Qt::ShiftModifier), modifiers.testFlag(Qt::ControlModifier),
                            modifiers.testFlag(Qt::AltModifier)};
    const DayInformation shown =
        dayPress_.Press(day, button == Qt::LeftButton ? DayButton::Left : DayButton::Other, held);
    if (shown != DayInformation::None) monthView_->ShowDayInformation(day, shown == DayInformation::IsoWeek);
}

void TForm1::DayMouseUp(int cell, Qt::MouseButton button, Qt::KeyboardModifiers) {
    if (button == Qt::LeftButton && monthView_->InformationShown()) monthView_->RestoreInformation();
    const std::optional<CalculatorBox> box = dayPress_.Release(
        monthView_->DayOfCell(cell), button == Qt::LeftButton ? DayButton::Left : DayButton::Other,
        settings_.dateFormat);
    // The box opens once the button is up, so it never keeps the day pressed.
    if (box)
        QTimer::singleShot(0, this, [this, box] {
            context_.prompt->ShowMessage(MessageKind::Information, box->title, box->text);
        });
}

void TForm1::DayClicked(int cell) {
    if (dayPress_.ClickOpensAddDialog()) AddReminder(monthView_->DayOfCell(cell), settings_.allTimed);
}

void TForm1::AddReminder(const CivilDate& day, bool timed) {
    if (launcher_.AddReminder(day, timed, this)) emit context_.events->RemindersChanged();
}

// ---------------------------------------------------------------- commands

std::optional<bool> TForm1::CommandAvailable(const MainCommand& command) const {
    switch (command.action) {
    case CommandAction::OpenWindow:
        return launcher_.CanOpen(command.window) &&
               (!command.needsClockCorrection || ini_.ReadBool("SNTP", "TimeCorrection", false));
    case CommandAction::HistoryViewer: {
        if (!launcher_.CanOpen(AppWindow::HistoryViewer)) return false;
        // With no history file named the item is left as it was.
        if (settings_.historyFile.empty()) return std::nullopt;
        std::error_code error;
        return std::filesystem::is_regular_file(settings_.historyFile, error);
    }
    case CommandAction::Help:
        return launcher_.CanShowHelp();
    case CommandAction::NewAlarm:
        return launcher_.CanAddReminder();
    case CommandAction::ColourMenu:
    case CommandAction::Exit:
    case CommandAction::Restore:
        return true;
    }
    return true;
}

void TForm1::EnableCommands() {
    commands_->Enable([this](const MainCommand& command) { return CommandAvailable(command); });
}

void TForm1::RunCommand(const MainCommand& command) {
    switch (command.action) {
    case CommandAction::OpenWindow:
        launcher_.Open(command.window, this);
        if (command.changes == CommandChange::Reminders) emit context_.events->RemindersChanged();
        if (command.changes == CommandChange::Settings) emit context_.events->SettingsChanged();
        return;
    case CommandAction::HistoryViewer:
        OpenHistoryViewer();
        return;
    case CommandAction::Help:
        launcher_.ShowHelp(kMainHelpTopic);
        return;
    case CommandAction::Exit:
        close();
        return;
    case CommandAction::Restore:
        Restore();
        return;
    case CommandAction::NewAlarm:
        AddReminder(Today(), true);
        return;
    case CommandAction::ColourMenu:
        return;
    }
}

void TForm1::OpenHistoryViewer() {
    if (settings_.historyFile.empty()) {
        context_.prompt->ShowMessage(MessageKind::Warning, kApplicationTitle, "History file not defined.");
        return;
    }
    std::error_code error;
    if (!std::filesystem::is_regular_file(settings_.historyFile, error)) {
        context_.prompt->ShowMessage(MessageKind::Warning, kApplicationTitle, "History file not found.");
        return;
    }
    launcher_.Open(AppWindow::HistoryViewer, this);
}

// ---------------------------------------------------------------- announced changes

// Records were added, changed or erased: the month, the pending table, the
// check's own table and the tray icon and hint follow at once.
void TForm1::RemindersChanged() {
    ShowMonthOfYear(ShownYear(), ShownMonth());
    check_->RequestRebuild();
    // While a tick walks the pending table (its popup may be open) the table
    // is rebuilt once the tick is over.
    if (tickRunning_) {
        pendingRefresh_ = true;
        return;
    }
    RebuildPendingTable();
    ShowPendingText();
}

// The settings were changed: read again and applied.
void TForm1::SettingsChanged() {
    settings_ = ReloadSettingsAfterDialog(ini_, settings_);
    context_.dateFormat = settings_.dateFormat;
    SetHintPause(settings_.hintPause * 1000);
    ApplyTheme(settings_.colours.theme);
    ApplyTextColours();
    EnableCommands();
    ShowMonthOfYear(ShownYear(), ShownMonth());
    ShowPendingText();
}

// ---------------------------------------------------------------- reminders and the tick

void TForm1::RebuildPendingTable() { check_->RebuildPendingTable(); }

void TForm1::ShowPendingText() {
    const CivilDate today = Today();
    const std::string text = PendingText(DayNumber(today), Pending().pendingCount, settings_.dateFormat);
    presence_->ShowPending(settings_.minToTray,
                           PendingHint{today.day, Pending().pendingCount > 0, QString::fromStdString(text)});
}

ReminderCheckHooks TForm1::CheckHooks() {
    ReminderCheckHooks hooks;
    hooks.trayShuffle = [this] { presence_->ShuffleTick(settings_.shuffleIcon, settings_.minToTray); };
    hooks.clockCorrection = [this] { emit context_.events->SecondTick(); };
    hooks.dateChanged = [this](int) { DateChanged(); };
    hooks.pendingChanged = [this](const PendingTable&) { ShowPendingText(); };
    hooks.remindersChanged = [this] { emit context_.events->RemindersChanged(); };
    hooks.clockLabel = [this] { monthView_->RefreshClockText(); };
    return hooks;
}

void TForm1::ReminderTick() {
    reminderTimer_->stop();
    tickRunning_ = true;
    check_->Tick();
    tickRunning_ = false;
    if (pendingRefresh_) {
        pendingRefresh_ = false;
        RebuildPendingTable();
        ShowPendingText();
    }
    reminderTimer_->start();
}

void TForm1::DateChanged() {
    ShowMonth(Today());
    if (hooks_.dateChanged) hooks_.dateChanged();
}

// ---------------------------------------------------------------- minimize and restore

void TForm1::Minimize() {
    monthView_->StopScrolling();
    const CivilDate today = Today();
    const std::string text = PendingText(DayNumber(today), Pending().pendingCount, settings_.dateFormat);
    presence_->Minimize(settings_.minToTray,
                        PendingHint{today.day, Pending().pendingCount > 0, QString::fromStdString(text)});
}

void TForm1::Restore() {
    ShowMonth(Today());
    presence_->Restore(QString::fromLatin1(kApplicationTitle));
}

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
    if (!PlatformPlacesWindows()) {
        // Wayland reports no minimized state: a state change never means the
        // window came back, its activation does.
        if (event->type() == QEvent::ActivationChange) presence_->ActivationChanged(isActiveWindow());
        if (event->type() == QEvent::WindowStateChange && !(windowState() & Qt::WindowMinimized)) return;
    }
    if (event->type() != QEvent::WindowStateChange || presence_->ChangingState()) return;
    // The desktop's own minimize and restore (task bar, window menu) take the
    // same way as the window's buttons.
    if ((windowState() & Qt::WindowMinimized) && !presence_->Away())
        QTimer::singleShot(0, this, &TForm1::Minimize);
    else if (!(windowState() & Qt::WindowMinimized) && presence_->InTaskBar())
        QTimer::singleShot(0, this, &TForm1::Restore);
}

void TForm1::contextMenuEvent(QContextMenuEvent* event) {
    EnableCommands();
    popupMenu1_->popup(event->globalPos());
}

}  // namespace orvanto
