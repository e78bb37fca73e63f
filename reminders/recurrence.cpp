#include "reminders/recurrence.h"

#include <cstdio>
#include <cstdlib>

#include "calendar/day_number.h"
#include "calendar/elapsed_text.h"
#include "reminders/date_steps.h"
#include "reminders/history.h"
#include "reminders/reminder_store.h"

namespace orvanto {

namespace {

// No walk goes on past this many steps: a record always reaches its next
// occurrence long before (the calendar ends in 9999).
constexpr int kMaxSteps = 4'000'000;

int HexOf(const std::string& group) { return static_cast<int>(std::strtol(group.c_str(), nullptr, 16)); }

// Steps of years or months from the consumed date until date - alert days
// reaches today; 0 when the calendar runs out.
int NextByYearsOrMonths(const ReminderRecord& record, int alertDays, int today) {
    int date = record.date;
    for (int step = 0; step < kMaxSteps; ++step) {
        const int next = record.unitOrWeekday == kYears ? StepYears(date, record.countOrWhich)
                                                        : StepMonths(date, record.countOrWhich);
        if (next <= date) return 0;
        date = next;
        if (date - alertDays >= today) return date;
    }
    return 0;
}

// The first date C + k * days (k >= 1) with date - alert days >= today.
int NextByDays(int consumed, int days, int alertDays, int today) {
    const long long needed = static_cast<long long>(today) + alertDays - consumed;
    long long steps = needed <= 0 ? 1 : (needed + days - 1) / days;
    if (steps < 1) steps = 1;
    return static_cast<int>(consumed + steps * days);
}

struct WeekdayAcceptance {
    int monthIndex;  // 0: any month
    int alertDays;
    int today;
    bool laterToday;  // a timed occurrence later today counts
    std::int64_t nowMs;
    std::int64_t timeMs;

    bool Accepts(int date) const {
        if (monthIndex != 0 && MonthOf(date) != monthIndex) return false;
        if (date - alertDays > today) return true;
        return laterToday && date - alertDays == today && nowMs < timeMs;
    }
};

int NextOnWeekday(const ReminderRecord& record, const WeekdayAcceptance& accept) {
    const int weekday = record.unitOrWeekday;
    if (record.countOrWhich == 0) {
        for (int date = record.date + 1, step = 0; step < kMaxSteps; ++date, ++step) {
            if (WeekdayOfDayNumber(date) == weekday && accept.Accepts(date)) return date;
        }
        return 0;
    }
    const CivilDate consumed = DateFromDayNumber(record.date);
    int year = consumed.year;
    int month = consumed.month;
    while (year <= 9999) {
        if (accept.monthIndex == 0 || accept.monthIndex == month) {
            const int date = WeekdayOfMonth(year, month, weekday, record.countOrWhich);
            if (accept.Accepts(date)) return date;
        }
        if (++month > 12) {
            month = 1;
            ++year;
        }
    }
    return 0;
}

std::string InvalidTimeMessage(const ReminderRecord& record) {
    return "An invalid time has been found while rescheduling \"" + record.afterTimeField +
           "\". The event time has been cleared.";
}

}  // namespace

std::optional<NextOccurrence> NextOccurrenceOf(const ReminderRecord& record, const std::string& timeField,
                                               int today, std::int64_t nowMs, RescheduleRules rules) {
    NextOccurrence next;
    next.alertDays = record.type >= kHolidayType ? 0 : record.alertDays;
    next.timeField = timeField;
    next.limitGroup = record.limitGroup;

    const int limit = record.LimitValue();
    if (limit != 0) {
        if (IsLastTime(record.limitGroup, record.date)) return std::nullopt;
        if (limit <= 99) next.limitGroup = HexGroup(limit - 1);
    }

    switch (record.repeatKind) {
    case kRepeatEvery:
        if (record.unitOrWeekday == kYears || record.unitOrWeekday == kMonths) {
            next.date = NextByYearsOrMonths(record, next.alertDays, today);
        } else {
            const int days = record.countOrWhich * (record.unitOrWeekday == kWeeks ? 7 : 1);
            next.date = NextByDays(record.date, days, next.alertDays, today);
        }
        break;
    case kRepeatOnWeekday: {
        const bool timed = timeField.size() == 4 && timeField.substr(0, 2) != "99";
        const std::int64_t timeMs = timed ? (std::atoi(timeField.substr(0, 2).c_str()) * 60 +
                                             std::atoi(timeField.substr(2, 2).c_str())) *
                                                kMsPerMinute
                                          : 0;
        const WeekdayAcceptance accept{record.monthIndex,
                                       next.alertDays,
                                       today,
                                       rules == RescheduleRules::kStartupPass && timed,
                                       nowMs,
                                       timeMs};
        next.date = NextOnWeekday(record, accept);
        break;
    }
    default:
        return std::nullopt;
    }
    if (next.date <= 0) return std::nullopt;
    return next;
}

bool RescheduleReminder(ReminderLines& lines, std::size_t index, int today,
                        const RescheduleSettings& settings, ReminderServices& services,
                        RescheduleRules rules) {
    if (index >= lines.size()) return false;
    const auto record = ParseReminder(lines[index]);
    if (!record) return false;

    AppendHistory(settings.historyFile, LongDescription(*record, settings.dateFormat, settings.twelveHour));

    std::string timeField = record->timeField;
    if (rules == RescheduleRules::kStartupPass && record->hour != 99 && !record->HasValidTime()) {
        timeField = std::string(kNoTime);
        if (record->Repeats()) {
            services.prompt.ShowMessage(MessageKind::Warning, kMessageTitle, InvalidTimeMessage(*record));
        }
    }

    const LocalMoment now = LocalNow(services.clock);
    const auto next = NextOccurrenceOf(*record, timeField, today, now.msOfDay, rules);
    if (!next) return true;
    AppendReminder(next->date, record->code, next->alertDays, next->timeField,
                   record->startGroup + next->limitGroup, record->text, lines, services);
    return true;
}

bool WarnAgainCopy(ReminderLines& lines, std::size_t index, int minutes, int today,
                   ReminderServices& services) {
    if (index >= lines.size()) return false;
    const auto record = ParseReminder(lines[index]);
    if (!record) return false;

    std::string prefix;
    if (record->date > today) {
        const int days = record->date - today;
        prefix = "Just " + std::to_string(days) + (days == 1 ? " day for " : " days for ");
    } else if (record->date < today) {
        const int days = today - record->date;
        prefix = std::to_string(days) + (days == 1 ? " day from " : " days from ");
    }

    const LocalMoment now = LocalNow(services.clock);
    std::int64_t due = now.msOfDay + static_cast<std::int64_t>(minutes) * kMsPerMinute;
    int date = now.today;
    while (due >= kMsPerDay) {
        due -= kMsPerDay;
        ++date;
    }
    const int dueMinutes = static_cast<int>(due / kMsPerMinute);
    char timeField[32];
    std::snprintf(timeField, sizeof timeField, "%02d%02d", dueMinutes / 60, dueMinutes % 60);
    return AppendReminder(date, "10000", 0, timeField, record->StartAndLimit(), prefix + record->text, lines,
                          services);
}

std::string AgeText(const std::string& startGroup, int referenceDate) {
    const int group = HexOf(startGroup);
    if (group == 0) return "";
    return ElapsedText(group + kStoredDateOffset, referenceDate);
}

bool IsLastTime(const std::string& limitGroup, int occurrenceDate) {
    const int limit = HexOf(limitGroup);
    if (limit == 1) return true;
    return limit >= 100 && limit + kStoredDateOffset <= occurrenceDate;
}

}  // namespace orvanto
