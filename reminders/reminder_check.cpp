#include "reminders/reminder_check.h"

#include "core/settings_keys.h"
#include "reminders/date_steps.h"
#include "reminders/recurrence.h"
#include "reminders/reminder_popup.h"
#include "reminders/reminder_store.h"
#include "reminders/utf8_text.h"

namespace orvanto {

namespace {

constexpr int kRebuildSecond = 50;
constexpr std::size_t kMaxPendingTextCharacters = 128;

// The record an entry of the pending table stands for.
std::optional<ReminderRecord> RecordOf(const PendingEntry& entry) {
    return ParseReminder(std::to_string(entry.date) + "/" + entry.sequence + "=" + entry.code + "," +
                         std::to_string(entry.alertDays) + "," + entry.timeField + "," + entry.startLimit +
                         "," + entry.text);
}

void Call(const std::function<void()>& hook) {
    if (hook) hook();
}

// Sets the flag for the lifetime of the guard.
class RunningGuard {
public:
    explicit RunningGuard(bool& flag) : flag_(flag) { flag_ = true; }
    ~RunningGuard() { flag_ = false; }
    RunningGuard(const RunningGuard&) = delete;
    RunningGuard& operator=(const RunningGuard&) = delete;

private:
    bool& flag_;
};

}  // namespace

ReminderCheck::ReminderCheck(std::string settingsPath, ReminderServices& services, TimeStyle timeStyle,
                             ReminderCheckHooks hooks)
    : settingsPath_(std::move(settingsPath)),
      services_(services),
      timeStyle_(std::move(timeStyle)),
      hooks_(std::move(hooks)) {
    delayRes_ =
        ReadSettingBool(IniFile(settingsPath_), kSettingsSection, "DelayRes", SettingsReader::MainWindow);
    knownDate_ = LocalNow(services_.clock).today;
    RebuildPendingTable();
}

void ReminderCheck::RebuildPendingTable() {
    const LocalMoment now = LocalNow(services_.clock);
    table_ = BuildPendingTable(now.today, now.msOfDay, IniFile(settingsPath_));
    rebuildRequested_ = false;
}

void ReminderCheck::Tick() {
    if (running_) return;
    RunningGuard guard(running_);

    Call(hooks_.trayShuffle);
    Call(hooks_.clockCorrection);

    const LocalMoment now = LocalNow(services_.clock);
    bool dateChangeTick = false;
    if (now.today != knownDate_) {
        knownDate_ = now.today;
        if (hooks_.dateChanged) hooks_.dateChanged(knownDate_);
        RebuildPendingTable();
        if (hooks_.pendingChanged) hooks_.pendingChanged(table_);
        dateChangeTick = true;
    }

    const long long minute = static_cast<long long>(now.today) * 1440 + now.msOfDay / kMsPerMinute;
    if ((now.Second() == kRebuildSecond && minute != lastMinuteRebuilt_) || rebuildRequested_) {
        if (now.Second() == kRebuildSecond) lastMinuteRebuilt_ = minute;
        const int pendingBefore = table_.pendingCount;
        RebuildPendingTable();
        if (table_.pendingCount != pendingBefore && hooks_.pendingChanged) hooks_.pendingChanged(table_);
    }

    changed_ = false;
    lines_.reset();
    for (std::size_t i = 0; i < table_.entries.size(); ++i) CheckEntry(i, dateChangeTick);

    if (changed_) WriteBack();
    Call(hooks_.keepTaskbarHidden);
    if (changed_) {
        RebuildPendingTable();
        Call(hooks_.remindersChanged);
        if (hooks_.pendingChanged) hooks_.pendingChanged(table_);
    }
    lines_.reset();
    Call(hooks_.clockLabel);
}

void ReminderCheck::CheckEntry(std::size_t entryIndex, bool dateChangeTick) {
    const LocalMoment now = LocalNow(services_.clock);
    PendingEntry& entry = table_.entries[entryIndex];
    const int today = knownDate_;
    const bool datedToday = entry.date == today;
    const bool due = datedToday && ((entry.active && !entry.fired && now.msOfDay >= entry.timeMs) ||
                                    (!entry.active && dateChangeTick));
    const bool warning = !datedToday && dateChangeTick && !entry.fired;
    if (!due && !warning) return;

    entry.timeMs = kFiredTimeMs;
    entry.fired = true;
    const PendingEntry fired = entry;  // the table may be read by hooks while the popup is open
    const auto record = RecordOf(fired);
    if (!record) return;

    IniFile settings(settingsPath_);
    const std::string waveFile =
        ReadSettingText(settings, kSettingsSection, "WaveFile", SettingsReader::MainWindow);
    ReminderPopupRequest request;
    if (due) {
        const int points = 10;
        const bool bold = services_.look.pixelsPerInch <= 100;
        std::string memo = IsNarrowText(record->text, points, bold, services_) ? "\n" : "";
        memo += record->text + "  " + AgeText(record->startGroup, today);
        request = PopupRequest(*record, IsLastTime(record->limitGroup, today), memo, points, bold);
        request.keepChecked = delayRes_;
    } else {
        const int dateFormat =
            ReadSettingInteger(settings, kSettingsSection, "DateFormat", SettingsReader::MainWindow);
        const bool advance = record->date > today;
        const std::string firstLine =
            advance ? AdvanceWarningLine(record->date - today)
                    : "Missed reminder on " + ShortDateText(record->date, dateFormat) + ":";
        const std::string memo =
            firstLine + "\n" + record->text + "  " + AgeText(record->startGroup, record->date);
        request = PopupRequest(*record, false, memo, advance ? 10 : 8, false);
        if (advance) request.keepCaption = AdvanceKeepCaption(*record);
    }
    const ReminderPopupAnswer answer = ShowReminderPopup(request, waveFile, services_);

    Outcome outcome = Outcome::kNothing;
    if (due || record->date < today) {
        if (!answer.keep)
            outcome = answer.warnAgainMinutes > 0 ? Outcome::kWarnAgainAndConsume : Outcome::kConsume;
    } else if (answer.keep && answer.warnAgainMinutes == 0) {
        outcome = Outcome::kConsume;
    } else if (!answer.keep && answer.warnAgainMinutes > 0) {
        outcome = Outcome::kWarnAgainOnly;
    }
    Act(fired, outcome, answer.warnAgainMinutes, today);
}

void ReminderCheck::Act(const PendingEntry& entry, Outcome outcome, int warnAgainMinutes, int today) {
    if (outcome == Outcome::kNothing) return;
    const auto index = FindLine(entry);
    if (!index) return;  // changed meanwhile: nothing left to reschedule
    ReminderLines& lines = Lines();
    if (outcome == Outcome::kWarnAgainAndConsume || outcome == Outcome::kWarnAgainOnly) {
        WarnAgainCopy(lines, *index, warnAgainMinutes, today, services_);
    }
    if (outcome != Outcome::kWarnAgainOnly) {
        IniFile settings(settingsPath_);
        const RescheduleSettings reschedule{
            ReadSettingText(settings, kSettingsSection, "HistoryFile", SettingsReader::MainWindow),
            ReadSettingInteger(settings, kSettingsSection, "DateFormat", SettingsReader::MainWindow),
            timeStyle_.twelveHour};
        RescheduleReminder(lines, *index, today, reschedule, services_, RescheduleRules::kReminderCheck);
        DeleteMark(lines, *index);
    }
    changed_ = true;
}

// The line of an entry: a line not marked deleted, of the entry's date, whose
// text is the entry's text; the line under the entry's own key first, so that
// two records of one day with similar texts are never mistaken for each other.
std::optional<std::size_t> ReminderCheck::FindLine(const PendingEntry& entry) {
    const ReminderLines& lines = Lines();
    std::optional<std::size_t> sameText;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (IsMarkedDeleted(lines[i])) continue;
        const auto record = ParseReminder(lines[i]);
        if (!record || record->date != entry.date) continue;
        if (CutToCharacters(record->text, kMaxPendingTextCharacters) != entry.text) continue;
        if (record->sequence == entry.sequence) return i;
        if (!sameText) sameText = i;
    }
    return sameText;
}

ReminderLines& ReminderCheck::Lines() {
    if (!lines_) lines_ = ReadReminderLines(IniFile(settingsPath_));
    return *lines_;
}

void ReminderCheck::WriteBack() {
    IniFile settings(settingsPath_);
    try {
        WriteBackReminders(Lines(), settings);
    } catch (const EIniFileError& error) {
        services_.prompt.ShowMessage(MessageKind::Error, kMessageTitle, error.what());
    }
}

}  // namespace orvanto
