// TForm1: the main calendar window. A fixed 356 x 444 window with its own
// caption bar: month and year titles with their step buttons, the month view
// (week header, 42 day buttons, sunrise label, information strip), the month
// buttons, the tool buttons; its context menu, tray presence and timers. The
// window lays these out and wires them: painting is the month view's, the
// commands come from the command table and open their windows through the
// window launcher, and the window follows the changes windows announce.
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <QMenu>
#include <QPoint>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QWidget>

#include "calendar/civil_date.h"
#include "core/ini_file.h"
#include "core/settings.h"
#include "reminders/pending_table.h"
#include "reminders/reminder_check.h"
#include "reminders/reminder_services.h"
#include "ui/app/app_context.h"
#include "ui/app/window_launcher.h"
#include "ui/main/day_press.h"
#include "ui/main/month_painting.h"

class QPushButton;

namespace orvanto {

class BevelButton;
class CaptionBar;
struct ColourCommand;
class ExtLabel;
class MainCommands;
class MonthView;
class RoundButton;
class TransEdit;
class TrayPresence;
struct MainCommand;

// How the program starts the window.
struct MainWindowStart {
    bool checkAndMinimize = false;  // "-M"
    bool checkAndQuit = false;      // "-C": the window is never shown
    // Whether the desktop has a notification area; none: ask Qt.
    std::function<bool()> trayAvailable;
};

// Work the program hangs on the window.
struct MainWindowHooks {
    // More work at a change of date (the wallpaper).
    std::function<void()> dateChanged;
    // The colour dialog of the "Font &Colors" commands: the chosen colour, or
    // nothing when cancelled. None: the system colour dialog.
    std::function<std::optional<QColor>(const QColor& current, const QString& title)> chooseColor;
};

class TForm1 : public QWidget {
    Q_OBJECT
public:
    // The context's events must be set; the window keeps the context's theme
    // and date format current.
    TForm1(AppContext& context, WindowLauncher& launcher, MainWindowStart start = {},
           QWidget* parent = nullptr);
    ~TForm1() override;

    void SetHooks(MainWindowHooks hooks) { hooks_ = std::move(hooks); }

    // Repaints the whole view for the month that holds the date.
    void ShowMonth(const CivilDate& date);
    void ApplyTheme(int themeIndex);
    void Minimize();
    void Restore();

    // The pending table for today, rebuilt from the settings file.
    void RebuildPendingTable();
    const PendingTable& Pending() const { return check_->Table(); }
    // The tray hint or task-bar caption from the pending count.
    void ShowPendingText();
    // Moves the window's top edge to the screen height (check-and-minimize start).
    void MoveBelowScreen();
    // The check-and-minimize start: the window starts its reminder check as
    // when it is shown and goes straight to the tray or the task bar.
    void StartMinimized();

    int ShownYear() const;
    int ShownMonth() const;
    // Today from the clock.
    CivilDate Today() const;
    bool InTray() const;
    bool MinimizedToTaskBar() const;
    // Whether "MinToTray" is in force: on, and the desktop has a notification area.
    bool UsesTray() const;
    QString TrayIconName() const;
    QSystemTrayIcon* TrayIconObject() const;
    QMenu* ContextMenu() const { return popupMenu1_; }
    QMenu* TrayMenu() const { return popupMenu2_; }
    const MainWindowSettings& Settings() const { return settings_; }
    const MonthPicture& Picture() const;

    // The one-second tick: the reminder check with the window's work hung on it
    // (tray icon shuffle, date change, pending text, clock text).
    void ReminderTick();

signals:
    // The close went ahead: the program ends.
    void Closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildCaption();
    void BuildTitles();
    void BuildMonthButtons();
    void BuildToolButtons();
    void BuildMenus();
    void PlaceWindow();
    void ApplyTextColours();
    void EnableCommands();
    std::optional<bool> CommandAvailable(const MainCommand& command) const;
    void RunCommand(const MainCommand& command);
    void Announce(int changes);
    ReminderCheckHooks CheckHooks();
    void DateChanged();
    void StartReminderCheck();

    // What the window does when a window announces a change.
    void RemindersChanged();
    void SettingsChanged();

    void StepMonth(int delta);
    void StepYear(int delta);
    void ShowMonthOfYear(int year, int month);
    void YearEditDone();
    bool HandleWindowKey(QKeyEvent* key);
    void MoveSelectedDay(int days);

    void DayMouseDown(int cell, Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    void DayMouseUp(int cell, Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    void DayClicked(int cell);
    void AddReminder(const CivilDate& day, bool timed);

    void ChooseColour(const ColourCommand& command);
    void SetBlink(bool on);
    void RestoreDefaultColours();
    void OpenHistoryViewer();

    AppContext& context_;
    WindowLauncher& launcher_;
    MainWindowStart start_;
    MainWindowHooks hooks_;
    IniFile ini_;
    MainWindowSettings settings_;
    ReminderServices services_;
    std::unique_ptr<ReminderCheck> check_;

    CaptionBar* captionBar_ = nullptr;
    ExtLabel* titleLabel_ = nullptr;
    RoundButton* miniBut_ = nullptr;
    RoundButton* exitBut_ = nullptr;
    TransEdit* monthTitle_ = nullptr;
    TransEdit* yearTitle_ = nullptr;
    std::array<RoundButton*, 4> stepButtons_{};
    std::array<BevelButton*, 12> months_{};
    std::vector<BevelButton*> tools_;
    QPushButton* focusButton_ = nullptr;
    MonthView* monthView_ = nullptr;
    TrayPresence* presence_ = nullptr;

    QMenu* popupMenu1_ = nullptr;
    QMenu* popupMenu2_ = nullptr;
    QMenu* colorsMenu_ = nullptr;
    QAction* blinkAction_ = nullptr;
    std::unique_ptr<MainCommands> commands_;

    QTimer* reminderTimer_ = nullptr;  // the once-a-second reminder check

    DayPress dayPress_;
    int createdTop_ = 0;
    bool colorsChanged_ = false;
    bool firstShow_ = true;
    bool tickRunning_ = false;     // the reminder check's tick is running
    bool pendingRefresh_ = false;  // reminders changed during the tick
};

}  // namespace orvanto
