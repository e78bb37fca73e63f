// The once-a-second reminder check: at a timed reminder's time it sounds the
// alarm and shows the popup; when the date changes it shows the day's untimed
// reminders, the advance warnings and the reminders missed on earlier days.
// It works from the pending table, rebuilt from the settings file at every
// date change, once a minute (at second 50) and after every change. A tick
// with nothing due reads only the clock: no file is touched.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "core/ini_file.h"
#include "reminders/descriptions.h"
#include "reminders/pending_table.h"
#include "reminders/reminder_record.h"
#include "reminders/reminder_services.h"

namespace orvanto {

// Where the main window hangs its own once-a-second work. Every hook may be
// left empty.
struct ReminderCheckHooks {
    std::function<void()> trayShuffle;                        // at the start of every tick
    std::function<void()> clockCorrection;                    // at the start of every tick
    std::function<void(int today)> dateChanged;               // repaint, wallpaper, tray icon
    std::function<void(const PendingTable&)> pendingChanged;  // pending text, tray icon and hint
    std::function<void()> remindersChanged;                   // redraw the displayed month
    std::function<void()> keepTaskbarHidden;                  // while minimized to the tray
    std::function<void()> clockLabel;                         // at the end of every tick
};

class ReminderCheck {
public:
    // Reads "DelayRes" (which takes effect at the next start only), takes the
    // clock's date as the date the window knows, and builds the pending table.
    ReminderCheck(std::string settingsPath, ReminderServices& services, TimeStyle timeStyle,
                  ReminderCheckHooks hooks = {});

    // One run of the check; called once a second by the window's timer. A
    // call made while a popup of an earlier call is open returns at once.
    void Tick();

    // The next tick rebuilds the pending table (after a change elsewhere).
    void RequestRebuild() { rebuildRequested_ = true; }
    // Rebuilds the pending table now, for the clock's date and time.
    void RebuildPendingTable();

    const PendingTable& Table() const { return table_; }
    int KnownDate() const { return knownDate_; }
    ReminderCheckHooks& Hooks() { return hooks_; }

private:
    enum class Outcome { kNothing, kConsume, kWarnAgainAndConsume, kWarnAgainOnly };

    void CheckEntry(std::size_t entryIndex, bool dateChangeTick);
    void Act(const PendingEntry& entry, Outcome outcome, int warnAgainMinutes, int today);
    std::optional<std::size_t> FindLine(const PendingEntry& entry);
    ReminderLines& Lines();
    void WriteBack();

    std::string settingsPath_;
    ReminderServices& services_;
    TimeStyle timeStyle_;
    ReminderCheckHooks hooks_;
    bool delayRes_ = false;
    int knownDate_ = 0;
    PendingTable table_;
    bool rebuildRequested_ = false;
    long long lastMinuteRebuilt_ = -1;
    bool running_ = false;
    // The section's lines while a tick acts on records; read on first need.
    std::optional<ReminderLines> lines_;
    bool changed_ = false;
};

}  // namespace orvanto
