#include "reminders/startup_pass.h"

#include <cstdlib>

#include "core/ini_file.h"
#include "core/settings_keys.h"
#include "reminders/date_steps.h"
#include "reminders/recurrence.h"
#include "reminders/reminder_order.h"
#include "reminders/reminder_popup.h"
#include "reminders/reminder_store.h"

namespace orvanto {

namespace {

// What the pass reads from section "Settings" for itself.
struct PassSettings {
    int dateFormat = 2;
    bool delayRes = false;
    bool ignoreMissed = false;
    int expireAfter = 0;
    std::string waveFile;
    std::string historyFile;
};

PassSettings ReadPassSettings(const IniFile& settings) {
    PassSettings result;
    result.dateFormat =
        ReadSettingInteger(settings, kSettingsSection, "DateFormat", SettingsReader::StartupPass);
    result.delayRes = ReadSettingBool(settings, kSettingsSection, "DelayRes", SettingsReader::StartupPass);
    result.ignoreMissed =
        ReadSettingBool(settings, kSettingsSection, "IgnoreMissed", SettingsReader::StartupPass);
    result.expireAfter =
        ReadSettingInteger(settings, kSettingsSection, "ExpireAfter", SettingsReader::StartupPass);
    result.waveFile = ReadSettingText(settings, kSettingsSection, "WaveFile", SettingsReader::StartupPass);
    result.historyFile =
        ReadSettingText(settings, kSettingsSection, "HistoryFile", SettingsReader::StartupPass);
    return result;
}

// The sorted lines of "Reminders" without those whose key's date part is 0 or
// negative.
ReminderLines ReadPassLines(const IniFile& settings) {
    ReminderLines lines = ReadReminderLines(settings);
    SortReminderLines(lines);
    std::erase_if(lines, [](const std::string& line) {
        const auto date = KeyDatePart(KeyOf(line));
        return date && *date <= 0;
    });
    return lines;
}

class StartupPass {
public:
    StartupPass(const PassSettings& settings, int today, const TimeStyle& timeStyle,
                ReminderServices& services, ReminderLines& lines)
        : settings_(settings),
          today_(today),
          timeStyle_(timeStyle),
          services_(services),
          lines_(lines),
          reschedule_{settings.historyFile, settings.dateFormat, timeStyle.twelveHour} {}

    bool Run() {
        // The end of the list is read again after every line: occurrences
        // appended on the way are visited too.
        for (std::size_t index = 0; index < lines_.size(); ++index) Visit(index);
        return changed_;
    }

private:
    void Visit(std::size_t index) {
        if (IsMarkedDeleted(lines_[index])) return;
        auto parsed = ParseReminder(lines_[index]);
        if (!parsed) return;
        ReminderRecord& record = *parsed;

        std::string shownText = record.text;
        bool timed = record.HasTimeField();
        if (record.HasInvalidTime()) {
            timed = false;
            shownText += kInvalidTimeRemovedNote;
        }
        const int date = record.date;
        if (today_ < date && today_ >= date - record.alertDays) {
            AdvanceWarning(index, record, shownText);
        } else if (today_ >= date) {
            DueOrPast(index, record, shownText, timed);
        }
    }

    void AdvanceWarning(std::size_t index, const ReminderRecord& record, const std::string& shownText) {
        const std::string memo = AdvanceWarningLine(record.date - today_) + "\n" + shownText + "  " +
                                 AgeText(record.startGroup, record.date);
        ReminderPopupRequest request = PopupRequest(record, false, memo, SmallFontPoints(), false);
        request.keepCaption = AdvanceKeepCaption(record);
        const ReminderPopupAnswer answer = ShowReminderPopup(request, settings_.waveFile, services_);
        if (answer.keep && answer.warnAgainMinutes == 0) {
            Consume(index);
        } else if (!answer.keep && answer.warnAgainMinutes > 0) {
            WarnAgainCopy(lines_, index, answer.warnAgainMinutes, today_, services_);
            changed_ = true;
        }
    }

    void DueOrPast(std::size_t index, const ReminderRecord& record, const std::string& shownText,
                   bool timed) {
        if (record.type == kHolidayType) {
            // A holiday moves on once its day is over; on the day itself it
            // stays, so that the month view still shows it.
            if (record.date < today_) Consume(index);
            return;
        }
        if (record.type != kReminderType) return;

        const LocalMoment now = LocalNow(services_.clock);
        const bool timeAhead = timed && record.TimeInMinutes() * kMsPerMinute > now.msOfDay;
        if (record.date == today_ && timed && timeAhead) return;  // left for the once-a-second check

        ReminderPopupAnswer answer;  // a skipped popup: keep box clear, no warn-again time
        if (record.date == today_ && !timed) {
            answer = ShowDue(record, shownText);
        } else if (!MissedIsSkipped(record)) {
            answer = ShowMissed(record, shownText, timed);
        }
        if (answer.keep) return;
        if (answer.warnAgainMinutes > 0)
            WarnAgainCopy(lines_, index, answer.warnAgainMinutes, today_, services_);
        Consume(index);
    }

    ReminderPopupAnswer ShowDue(const ReminderRecord& record, const std::string& shownText) {
        const int points = 10;
        const bool bold = services_.look.pixelsPerInch <= 100;
        std::string memo = IsNarrowText(shownText, points, bold, services_) ? "\n" : "";
        memo += shownText + "  " + AgeText(record.startGroup, record.date);
        ReminderPopupRequest request =
            PopupRequest(record, IsLastTime(record.limitGroup, record.date), memo, points, bold);
        request.keepChecked = settings_.delayRes;
        return ShowReminderPopup(request, settings_.waveFile, services_);
    }

    ReminderPopupAnswer ShowMissed(const ReminderRecord& record, const std::string& shownText, bool timed) {
        std::string memo = "Missed reminder on " + ShortDateText(record.date, settings_.dateFormat);
        if (timed) memo += ", " + MissedTimeText(record.hour, record.minute, timeStyle_);
        memo += ":\n" + shownText + "  " + AgeText(record.startGroup, record.date);
        ReminderPopupRequest request =
            PopupRequest(record, IsLastTime(record.limitGroup, record.date), memo, SmallFontPoints(), false);
        request.keepChecked = settings_.delayRes;
        return ShowReminderPopup(request, settings_.waveFile, services_);
    }

    bool MissedIsSkipped(const ReminderRecord& record) const {
        if (settings_.ignoreMissed) return true;
        const int expireAfter = settings_.expireAfter == 0 ? 999 : settings_.expireAfter;
        return std::abs(today_ - record.date) > expireAfter;
    }

    int SmallFontPoints() const { return services_.look.pixelsPerInch > 100 ? 8 : 10; }

    // Reschedule (history line, next occurrence) and mark the line deleted.
    void Consume(std::size_t index) {
        RescheduleReminder(lines_, index, today_, reschedule_, services_, RescheduleRules::kStartupPass);
        DeleteMark(lines_, index);
        changed_ = true;
    }

    const PassSettings& settings_;
    int today_;
    const TimeStyle& timeStyle_;
    ReminderServices& services_;
    ReminderLines& lines_;
    RescheduleSettings reschedule_;
    bool changed_ = false;
};

}  // namespace

void StartupReminderPass(const std::string& settingsPath, int today, const TimeStyle& timeStyle,
                         ReminderServices& services) {
    IniFile settings(settingsPath);
    const PassSettings passSettings = ReadPassSettings(settings);
    ReminderLines lines = ReadPassLines(settings);
    StartupPass pass(passSettings, today, timeStyle, services, lines);
    if (!pass.Run()) return;
    try {
        WriteBackReminders(std::move(lines), settings);
    } catch (const EIniFileError& error) {
        services.prompt.ShowMessage(MessageKind::Error, kMessageTitle, error.what());
    }
}

}  // namespace orvanto
