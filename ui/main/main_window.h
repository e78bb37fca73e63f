// TForm1: the main calendar window. A fixed 356 x 444 window with its own
// caption bar: month and year titles with their step buttons, the week
// header, 42 day buttons, the sunrise label, the month buttons, the tool
// buttons and the information strip; its context menu, tray icon and timers.
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <QAction>
#include <QMenu>
#include <QPoint>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QWidget>

#include "core/clock.h"
#include "core/ini_file.h"
#include "core/prompt.h"
#include "core/settings.h"
#include "core/sound.h"
#include "reminders/descriptions.h"
#include "reminders/pending_table.h"
#include "reminders/reminder_check.h"
#include "reminders/reminder_services.h"
#include "ui/main/month_painting.h"

class QPushButton;

namespace orvanto {

// The civil date of the calendar engine; only named here, so this header can
// be used beside the start-up header.
struct CivilDate;
class BevelButton;
class CaptionBar;
class ExtLabel;
class OutlineShape;
class RoundButton;
class ScrollingText;
class TransEdit;

// What the window is given by the program's start-up.
struct MainWindowContext {
    std::string settingsPath;
    const Clock* clock = nullptr;
    Prompt* prompt = nullptr;
    Sound* sound = nullptr;
    bool checkAndMinimize = false;
    bool checkAndQuit = false;
    TimeStyle timeStyle;
    // TimeZoneBias in minutes (universal = local + bias) for a "DSTCorrection" value.
    std::function<int(bool dstCorrection)> timeZoneBias;
    // Whether the desktop has a notification area; none: ask Qt.
    std::function<bool()> trayAvailable;
};

// The windows other parts of the program open from the main window. A menu
// item or button whose hook is empty is shown disabled.
struct MainWindowHooks {
    // The add-reminder dialog for a day; timed: "Ti&med Event" ticked.
    std::function<void(const CivilDate& day, bool timed)> addReminder;
    std::function<void()> about;
    // Help at a topic page ("index.htm", "AddEvents.htm", ...).
    std::function<void(const std::string& topic)> help;
    std::function<void()> closeHelpWindows;
    std::function<void()> historyViewer;
    std::function<void()> print;
    std::function<void()> settingsDialog;
    std::function<void()> eventList;
    std::function<void()> astronomy;
    std::function<void()> distances;
    std::function<void()> clockStatus;
    std::function<void()> biorhythm;
    // More work at a change of date (the wallpaper).
    std::function<void()> dateChanged;
    // Clock correction's share of the once-a-second tick.
    std::function<void()> clockCorrectionTick;
    // The colour dialog of the "Font &Colors" commands: the chosen colour, or
    // nothing when cancelled. None: the system colour dialog.
    std::function<std::optional<QColor>(const QColor& current, const QString& title)> chooseColor;
};

class TForm1 : public QWidget {
    Q_OBJECT
public:
    explicit TForm1(MainWindowContext context, QWidget* parent = nullptr);
    ~TForm1() override;

    void SetHooks(MainWindowHooks hooks);

    // Repaints the whole view for the month that holds the date.
    void ShowMonth(const CivilDate& date);
    void ApplyTheme(int themeIndex);
    void Minimize();
    void Restore();

    // The pending table for today, rebuilt from the settings file.
    void RebuildPendingTable();
    const PendingTable& Pending() const { return check_->Table(); }
    ReminderCheck& Check() { return *check_; }
    // The tray hint or task-bar caption from the pending count.
    void ShowPendingText();
    // Moves the window's top edge to the screen height (check-and-minimize start).
    void MoveBelowScreen();
    // The check-and-minimize start: the window starts its reminder check as
    // when it is shown and goes straight to the tray or the task bar.
    void StartMinimized();
    // The settings read again after the settings dialog.
    void ReloadSettings();

    int ShownYear() const { return shownYear_; }
    int ShownMonth() const { return shownMonth_; }
    // Today from the clock.
    CivilDate Today() const;
    bool InTray() const { return inTray_; }
    bool MinimizedToTaskBar() const { return inTaskBar_; }
    // Whether "MinToTray" is in force: on, and the desktop has a notification area.
    bool UsesTray() const;
    QString TrayIconName() const { return trayIconName_; }
    QSystemTrayIcon* TrayIconObject() const { return tray_; }
    QMenu* ContextMenu() const { return popupMenu1_; }
    QMenu* TrayMenu() const { return popupMenu2_; }
    const MainWindowSettings& Settings() const { return settings_; }
    const MonthPicture& Picture() const { return picture_; }

    // The one-second tick: the reminder check with the window's work hung on it
    // (tray icon shuffle, date change, pending text, clock text).
    void ReminderTick();
    // The tray icon's single and double click.
    void TrayClicked();
    void TrayDoubleClicked();

signals:
    // The close went ahead: the program ends.
    void Closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildCaption();
    void BuildTitles();
    void BuildGrid();
    void BuildMonthButtons();
    void BuildToolButtons();
    void BuildInformationStrip();
    void BuildMenus();
    void BuildTray();
    void PlaceWindow();
    void ApplyTextColours();
    void FitSunLabelFont();
    void UpdateHookedCommands();
    ReminderCheckHooks CheckHooks();
    void ShuffleTrayIcon();
    void DateChanged();
    void RefreshClockText();
    std::string ClockText() const;
    void StartReminderCheck();

    void ApplyCell(BevelButton* button, const DayCell& cell);
    // The add-reminder dialog for a day, then the month and the pending
    // table made again.
    void AddReminder(const CivilDate& day, bool timed);
    void SetSunLabel();
    void SetInformationStrip(const std::string& text);
    void BlinkTick();

    void StepMonth(int delta);
    void StepYear(int delta);
    void ShowMonthOfYear(int year, int month);
    void YearEditDone();

    void DayMouseDown(int cell, Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    void DayMouseUp(int cell, Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    void DayClicked(int cell);
    void ShowDayInformation(const CivilDate& day, bool iso);
    void RestoreInformation();

    void ChooseColour(const QString& key);
    void ToggleBlink();
    void RestoreDefaultColours();
    void OpenHistoryViewer();
    void RunWindowCommand(const std::function<void()>& command, bool changesReminders);

    void WriteChangedColours();
    void StopForClose();

    int TimeZoneBiasMinutes() const;
    double Latitude() const;
    double Longitude() const;
    CivilDate ShownDay(int cell) const;
    int ScreenHeight() const;
    std::string StatusText() const;

    MainWindowContext context_;
    MainWindowHooks hooks_;
    IniFile ini_;
    MainWindowSettings settings_;
    int themeIndex_ = 0;
    ReminderServices services_;
    std::unique_ptr<ReminderCheck> check_;

    CaptionBar* captionBar_ = nullptr;
    ExtLabel* titleLabel_ = nullptr;
    RoundButton* miniBut_ = nullptr;
    RoundButton* exitBut_ = nullptr;
    TransEdit* monthTitle_ = nullptr;
    TransEdit* yearTitle_ = nullptr;
    std::array<RoundButton*, 4> stepButtons_{};
    std::array<BevelButton*, 7> header_{};
    std::array<BevelButton*, 42> days_{};
    std::array<BevelButton*, 12> months_{};
    std::vector<BevelButton*> tools_;
    BevelButton* sntpBut_ = nullptr;
    OutlineShape* todayFrame_ = nullptr;
    ExtLabel* sunLabel_ = nullptr;
    BevelButton* scrollButton_ = nullptr;
    ExtLabel* infoLabel_ = nullptr;
    ScrollingText* scroll_ = nullptr;
    QPushButton* focusButton_ = nullptr;

    QMenu* popupMenu1_ = nullptr;
    QMenu* popupMenu2_ = nullptr;
    QMenu* colorsMenu_ = nullptr;
    QAction* blinkAction_ = nullptr;
    QAction* historyAction_ = nullptr;
    QAction* clockStatusAction_ = nullptr;
    QAction* trayClockStatusAction_ = nullptr;
    QSystemTrayIcon* tray_ = nullptr;
    QString trayIconName_;

    QTimer* blinkTimer_ = nullptr;     // Timer1: the blink of today's number
    QTimer* reminderTimer_ = nullptr;  // the once-a-second reminder check
    QTimer* trayClickTimer_ = nullptr; // a single tray click waiting out a double click

    // Month painting state.
    int shownYear_ = 0;
    int shownMonth_ = 0;
    int shownDay_ = 0;
    std::vector<DayEntry> entries_;
    MonthPicture picture_;
    BevelButton* todayButton_ = nullptr;
    bool stripShowsClock_ = false;

    // Click state of the day buttons.
    bool shiftOrAlt_ = false;
    bool ctrl_ = false;
    bool suppressClick_ = false;
    bool calculatorStarted_ = false;
    bool calculatorJustStarted_ = false;  // the start press has not been released yet
    int calculatorStart_ = 0;  // DayNumber of the first Ctrl+click
    std::optional<QString> savedInformation_;

    // Window state.
    QPoint restorePosition_;
    int createdTop_ = 0;
    bool colorsChanged_ = false;
    bool doubleClickFlag_ = false;
    bool inTray_ = false;
    bool inTaskBar_ = false;
    bool firstShow_ = true;
    bool changingState_ = false;
    int shuffleTicks_ = 0;
};

}  // namespace orvanto
