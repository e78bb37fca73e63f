#include "reminders/month_index.h"

#include <algorithm>
#include <limits>

#include "calendar/day_number.h"
#include "calendar/month_length.h"
#include "calendar/valid_date.h"
#include "core/settings_keys.h"
#include "reminders/date_steps.h"
#include "reminders/reminder_order.h"
#include "reminders/reminder_services.h"
#include "reminders/reminder_store.h"
#include "reminders/utf8_text.h"

namespace orvanto {

namespace {

constexpr int kUnlimited = std::numeric_limits<int>::max();

// The month being built and the limits of the record being looked at.
struct MonthFrame {
    int year;
    int month;
    int first;  // DayNumber of the 1st
    int last;   // DayNumber of the last day
};

struct RecordBounds {
    int end;    // no calculated occurrence after this date
    int count;  // no more than this many steps after the stored occurrence
};

RecordBounds BoundsOf(const ReminderRecord& record) {
    static const int kCalendarEnd = DayNumber(kLastCalendarYear, 12, 31);
    const int limit = record.LimitValue();
    if (limit >= 1 && limit <= 99) return {kCalendarEnd, limit};
    if (limit >= 100) return {limit + kStoredDateOffset, kUnlimited};
    return {kCalendarEnd, kUnlimited};
}

class IndexBuilder {
public:
    IndexBuilder(const MonthFrame& frame, const MonthIndexSettings& settings, Prompt& prompt)
        : frame_(frame), settings_(settings), prompt_(prompt) {}

    // False once the index is full (the build stops).
    bool AddRecord(const ReminderRecord& record) {
        const bool timed = record.HasTimeField() && record.HasValidTime();
        entryText_ = record.text;
        if (timed) entryText_ += " " + EntryTimeText(record.hour, record.minute, settings_.timeStyle);
        record_ = &record;
        timed_ = timed;

        if (record.date >= frame_.first && record.date <= frame_.last) {
            if (!Add(record.date, kStepStoredOrYearly, false)) return false;
        }
        if (settings_.showGhost == 0 || !record.Repeats()) return true;

        const RecordBounds bounds = BoundsOf(record);
        if (record.repeatKind == kRepeatEvery) {
            switch (record.unitOrWeekday) {
            case kYears:
                return AddByMonths(record, 12 * record.countOrWhich, bounds, kStepStoredOrYearly);
            case kMonths:
                return AddByMonths(record, record.countOrWhich, bounds, kStepMonthly);
            case kWeeks:
                return AddByDays(record, 7 * record.countOrWhich, bounds, kStepWeekly);
            default:
                return AddByDays(record, record.countOrWhich, bounds, kStepDaily);
            }
        }
        if (record.monthIndex != 0 && record.monthIndex != frame_.month) return true;
        return record.countOrWhich == 0 ? AddEveryWeekday(record, bounds) : AddWeekdayOfMonth(record, bounds);
    }

    MonthIndex Finish() {
        std::stable_sort(index_.entries.begin(), index_.entries.end(),
                         [](const MonthIndexEntry& a, const MonthIndexEntry& b) { return a.day < b.day; });
        return std::move(index_);
    }

private:
    bool Add(int date, std::uint8_t stepKind, bool calculated) {
        if (index_.entries.size() >= kMaxMonthIndexEntries) {
            prompt_.ShowMessage(MessageKind::Warning, kMessageTitle, kTooManyEventsMessage);
            return false;
        }
        MonthIndexEntry entry;
        entry.day = static_cast<std::uint16_t>(date - frame_.first + 1);
        if (calculated && settings_.inBrackets) {
            entry.text = "[" + CutToCharacters(entryText_, kMaxEntryTextCharacters - 2) + "]";
        } else {
            entry.text = CutToCharacters(entryText_, kMaxEntryTextCharacters);
        }
        entry.type = static_cast<std::uint8_t>(record_->type);
        entry.timed = timed_;
        entry.startDate = record_->StartDate();
        entry.stepKind = stepKind;
        index_.entries.push_back(std::move(entry));
        return true;
    }

    // A calculated occurrence: in the month, not on the stored date, not
    // after the end; before the stored date only with "ShowGhost" 1.
    bool AddCalculated(const ReminderRecord& record, int date, int end, std::uint8_t stepKind) {
        if (date < frame_.first || date > frame_.last || date == record.date || date > end) return true;
        if (date < record.date && settings_.showGhost != 1) return true;
        return Add(date, stepKind, true);
    }

    // Every N years (as 12 N months) or N months.
    bool AddByMonths(const ReminderRecord& record, int stepMonths, const RecordBounds& bounds,
                     std::uint8_t stepKind) {
        if (record.date < frame_.last) {
            int steps = 0;
            const int date = WalkMonthsForward(record.date, stepMonths, steps);
            if (date <= 0 || steps > bounds.count) return true;
            return AddCalculated(record, date, bounds.end, stepKind);
        }
        if (settings_.showGhost != 1) return true;
        const int date = WalkMonthsBackward(record.date, stepMonths);
        if (date <= 0) return true;
        return AddCalculated(record, date, std::numeric_limits<int>::max(), stepKind);
    }

    // Steps from the date until it is at or after the 1st of the month. Once
    // the day of the month can no longer roll, the remaining steps are taken
    // at once.
    int WalkMonthsForward(int date, int stepMonths, int& steps) const {
        const int target = frame_.year * 12 + frame_.month - 1;
        while (date > 0 && date < frame_.first) {
            const CivilDate d = DateFromDayNumber(date);
            if (DayCannotRoll(d, stepMonths)) {
                const int from = d.year * 12 + d.month - 1;
                const int k = (target - from + stepMonths - 1) / stepMonths;
                steps += k;
                const int to = from + k * stepMonths;
                return DayNumber(to / 12, to % 12 + 1, d.day);
            }
            const int next = StepMonths(date, stepMonths);
            ++steps;
            if (next <= date) return 0;
            date = next;
        }
        return date;
    }

    int WalkMonthsBackward(int date, int stepMonths) const {
        const int target = frame_.year * 12 + frame_.month - 1;
        while (date > frame_.last) {
            const CivilDate d = DateFromDayNumber(date);
            if (DayCannotRoll(d, stepMonths)) {
                const int from = d.year * 12 + d.month - 1;
                const int k = (from - target + stepMonths - 1) / stepMonths;
                const int to = from - k * stepMonths;
                if (to < 100 * 12) return 0;
                return DayNumber(to / 12, to % 12 + 1, d.day);
            }
            const int previous = StepMonths(date, -stepMonths);
            if (previous <= 0 || previous >= date) return 0;
            date = previous;
        }
        return date;
    }

    // Days up to the 28th exist in every month; a step of whole years keeps
    // the month, so only 29 February can roll.
    static bool DayCannotRoll(const CivilDate& d, int stepMonths) {
        if (d.day <= 28) return true;
        return stepMonths % 12 == 0 && d.month != 2;
    }

    // Every N weeks or N days: steps of a fixed number of days.
    bool AddByDays(const ReminderRecord& record, int stepDays, const RecordBounds& bounds,
                   std::uint8_t stepKind) {
        const int stored = record.date;
        if (stored < frame_.last) {
            long long k = stored >= frame_.first ? 1 : (frame_.first - stored + stepDays - 1) / stepDays;
            for (; k <= bounds.count; ++k) {
                const long long date = stored + k * stepDays;
                if (date > frame_.last || date > bounds.end) break;
                if (!AddCalculated(record, static_cast<int>(date), bounds.end, stepKind)) return false;
            }
        }
        // With "ShowGhost" 1 the occurrences before the stored date are shown
        // too, also when the stored date lies inside the month.
        if (settings_.showGhost == 1 && stored > frame_.first) {
            long long k = stored <= frame_.last ? 1 : (stored - frame_.last + stepDays - 1) / stepDays;
            for (;; ++k) {
                const long long date = stored - k * stepDays;
                if (date < frame_.first) break;
                if (!AddCalculated(record, static_cast<int>(date), std::numeric_limits<int>::max(),
                                   stepKind)) {
                    return false;
                }
            }
        }
        return true;
    }

    // Weekday W number which (1..4) or the last of the month.
    bool AddWeekdayOfMonth(const ReminderRecord& record, const RecordBounds& bounds) {
        int end = bounds.end;
        if (bounds.count != kUnlimited) {
            const CivilDate stored = DateFromDayNumber(record.date);
            const int index = stored.year * 12 + stored.month - 1 + bounds.count;
            const int year = index / 12;
            const int month = index % 12 + 1;
            end = DayNumber(year, month, DaysInMonth(month, year));
        }
        const int date = WeekdayOfMonth(frame_.year, frame_.month, record.unitOrWeekday, record.countOrWhich);
        return AddCalculated(record, date, end, kStepStoredOrYearly);
    }

    // Every weekday W of the month.
    bool AddEveryWeekday(const ReminderRecord& record, const RecordBounds& bounds) {
        int end = bounds.end;
        if (bounds.count != kUnlimited) end = record.date + 7 * bounds.count;
        int date = frame_.first + (record.unitOrWeekday - WeekdayOfDayNumber(frame_.first) + 7) % 7;
        for (; date <= frame_.last; date += 7) {
            if (!AddCalculated(record, date, end, kStepWeekly)) return false;
        }
        return true;
    }

    MonthFrame frame_;
    const MonthIndexSettings& settings_;
    Prompt& prompt_;
    MonthIndex index_;
    const ReminderRecord* record_ = nullptr;
    std::string entryText_;
    bool timed_ = false;
};

}  // namespace

MonthIndexSettings ReadMonthIndexSettings(const IniFile& settings, const TimeStyle& timeStyle) {
    MonthIndexSettings result;
    result.showGhost =
        ReadSettingInteger(settings, kSettingsSection, "ShowGhost", SettingsReader::MainWindow);
    result.inBrackets = ReadSettingBool(settings, kSettingsSection, "InBrackets", SettingsReader::MainWindow);
    result.timeStyle = timeStyle;
    return result;
}

MonthIndex BuildMonthIndex(int month, int year, const IniFile& settings, const TimeStyle& timeStyle,
                           Prompt& prompt) {
    return BuildMonthIndex(month, year, ReadReminderLines(settings),
                           ReadMonthIndexSettings(settings, timeStyle), prompt);
}

MonthIndex BuildMonthIndex(int month, int year, ReminderLines lines, const MonthIndexSettings& settings,
                           Prompt& prompt) {
    const MonthFrame frame{year, month, DayNumber(year, month, 1),
                           DayNumber(year, month, DaysInMonth(month, year))};
    IndexBuilder builder(frame, settings, prompt);
    if (frame.first <= 0) return builder.Finish();
    SortReminderLines(lines);
    for (const std::string& line : lines) {
        const auto record = ParseReminder(line);
        if (!record) continue;
        if (!builder.AddRecord(*record)) break;
    }
    return builder.Finish();
}

void AppendMonthHolidays(MonthIndex& index, const std::vector<Holiday>& holidays) {
    for (const Holiday& holiday : holidays) {
        MonthIndexEntry entry;
        entry.day = static_cast<std::uint16_t>(holiday.day);
        entry.text = CutToCharacters(holiday.name, kMaxEntryTextCharacters);
        entry.type = kHolidayType;
        index.entries.push_back(std::move(entry));
    }
}

HolidaySwitches ReadHolidaySwitches(const IniFile& settings) {
    const auto read = [&settings](std::string_view key) {
        return ReadSettingBool(settings, kSettingsSection, key, SettingsReader::MainWindow);
    };
    HolidaySwitches switches;
    switches.easterRelated = read("EasterRelated");
    switches.showEaster = read("ShowEaster");
    switches.showPesach = read("ShowPesach");
    switches.showThanks = read("ShowThanks");
    return switches;
}

MonthIndex BuildMonthViewIndex(int month, int year, const IniFile& settings, const TimeStyle& timeStyle,
                               Prompt& prompt) {
    MonthIndex index = BuildMonthIndex(month, year, settings, timeStyle, prompt);
    AppendMonthHolidays(index, MonthHolidays(year, month, ReadHolidaySwitches(settings)));
    return index;
}

}  // namespace orvanto
