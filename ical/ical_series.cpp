// Records as iCalendar recurrence segments.
#include "ical/ical_series.h"

#include <libical/ical.h>

#include <algorithm>
#include <optional>

#include "calendar/civil_date.h"
#include "calendar/day_number.h"
#include "calendar/month_length.h"
#include "calendar/valid_date.h"
#include "core/scripted_prompt.h"
#include "reminders/month_index.h"

namespace orvanto {

namespace {

constexpr const char* kWeekdayCodes[7] = {"SU", "MO", "TU", "WE", "TH", "FR", "SA"};
constexpr const char* kUnitFrequencies[4] = {"YEARLY", "MONTHLY", "WEEKLY", "DAILY"};
constexpr int kLastWeekdayOfMonth = 5;
constexpr std::size_t kNoCountLimit = static_cast<std::size_t>(-1);
// A count limit holds at most 99 occurrences.
constexpr std::size_t kMaxCountedOccurrences = 99;

int CalendarEnd() { return DayNumber(kLastCalendarYear, 12, 31); }

// The first day on which the day count runs with the civil calendar again:
// before it lie the extra 29 February days of 1800 and 1900.
int CivilCountStart() { return DayNumber(1900, 3, 1); }

// A day as noon in universal time: libical walks rules through a calendar in
// the process's zone, where a bare date (midnight) can slip to the day before.
icaltimetype NoonOf(int dayNumber) {
    const CivilDate date = DateFromDayNumber(dayNumber);
    icaltimetype value = icaltime_null_time();
    value.year = date.year;
    value.month = date.month;
    value.day = date.day;
    value.hour = 12;
    value.zone = icaltimezone_get_utc_timezone();
    return value;
}

bool CountLimited(const ReminderRecord& record) {
    const int limit = record.LimitValue();
    return limit >= 1 && limit <= 99;
}

// The last day an occurrence may fall on: the limit date, or for a counted
// weekday-of-the-month record the end of the month as many months after its
// own (as the month view bounds it), never after the calendar's end.
int LastAllowedDate(const ReminderRecord& record) {
    const int limit = record.LimitValue();
    int end = CalendarEnd();
    if (limit >= 100) {
        end = std::min(end, limit + kStoredDateOffset);
    } else if (limit >= 1 && record.repeatKind == kRepeatOnWeekday) {
        const CivilDate date = DateFromDayNumber(record.date);
        const int months = date.year * 12 + (date.month - 1) + limit;
        const int year = months / 12;
        const int month = months % 12 + 1;
        if (year <= kLastCalendarYear) end = std::min(end, DayNumber(year, month, DaysInMonth(month, year)));
    }
    return end;
}

// Occurrences the program raises for a counted record: the count itself.
std::size_t MaxOccurrences(const ReminderRecord& record) {
    return CountLimited(record) ? static_cast<std::size_t>(record.LimitValue()) : kNoCountLimit;
}

// Where the calendar's own arithmetic may differ from a civil expansion.
bool NeedsMonthViewExpansion(const ReminderRecord& record) {
    if (record.date < CivilCountStart()) return true;
    if (record.repeatKind != kRepeatEvery) return false;
    const CivilDate date = DateFromDayNumber(record.date);
    if (record.unitOrWeekday == kMonths) return date.day >= 29;
    if (record.unitOrWeekday == kYears) return date.month == 2 && date.day == 29;
    return false;
}

// Steps through a rule's dates from a first date, one at a time.
class RuleWalk {
public:
    RuleWalk(const std::string& rule, int firstDate) {
        const struct icalrecurrencetype recurrence = icalrecurrencetype_from_string(rule.c_str());
        if (recurrence.freq != ICAL_NO_RECURRENCE)
            iterator_ = icalrecur_iterator_new(recurrence, NoonOf(firstDate));
    }
    ~RuleWalk() {
        if (iterator_) icalrecur_iterator_free(iterator_);
    }
    RuleWalk(const RuleWalk&) = delete;
    RuleWalk& operator=(const RuleWalk&) = delete;

    // The next date, or nothing when the rule has no more.
    std::optional<int> Next() {
        if (!iterator_) return std::nullopt;
        const icaltimetype next = icalrecur_iterator_next(iterator_);
        if (icaltime_is_null_time(next)) return std::nullopt;
        return DayNumber(next.year, next.month, next.day);
    }

private:
    icalrecur_iterator* iterator_ = nullptr;
};

// The longest run of `chain` from `start` that the natural rule, anchored at
// chain[start], walks through; the index of its last date.
std::size_t MatchingRunEnd(const std::string& rule, const std::vector<int>& chain, std::size_t start) {
    RuleWalk walk(rule, chain[start]);
    if (walk.Next() != chain[start]) return start;
    std::size_t end = start;
    while (end + 1 < chain.size() && walk.Next() == chain[end + 1]) ++end;
    return end;
}

std::vector<SeriesSegment> SegmentsOf(const std::string& rule, const std::vector<int>& chain) {
    std::vector<SeriesSegment> segments;
    for (std::size_t start = 0; start < chain.size();) {
        const std::size_t end = MatchingRunEnd(rule, chain, start);
        segments.push_back(SeriesSegment{chain[start], chain[end], end > start ? rule : std::string(), 0});
        start = end + 1;
    }
    return segments;
}

// A record the civil calendar repeats as the month view does: one rule from
// its date (or, where the date itself is not one of the rule's days, the date
// alone and the rule from its first day after it), bounded by the limit.
std::vector<SeriesSegment> NaturalSegments(const ReminderRecord& record, const std::string& rule,
                                           int lastDate) {
    const std::size_t maxOccurrences = MaxOccurrences(record);
    std::vector<int> first;
    {
        RuleWalk walk(rule, record.date);
        while (first.size() < std::min<std::size_t>(maxOccurrences, kMaxCountedOccurrences)) {
            const std::optional<int> next = walk.Next();
            if (!next || *next > lastDate) break;
            first.push_back(*next);
            if (maxOccurrences == kNoCountLimit) break;  // only the first date is needed
        }
    }
    std::vector<SeriesSegment> segments;
    int ruleStart = record.date;
    if (first.empty() || first.front() != record.date) {
        segments.push_back(SeriesSegment{record.date, record.date, "", 0});
        if (first.empty()) return segments;
        ruleStart = first.front();
    }
    if (maxOccurrences == kNoCountLimit) {
        segments.push_back(SeriesSegment{ruleStart, lastDate, rule, 0});
        return segments;
    }
    // A count: the program raises that many alarms, the stored one included.
    std::size_t remaining = maxOccurrences - segments.size();
    std::vector<int> dates;
    for (int date : first) {
        if (date >= ruleStart && dates.size() < remaining) dates.push_back(date);
    }
    if (dates.size() <= 1) {
        if (!dates.empty()) segments.push_back(SeriesSegment{dates.front(), dates.front(), "", 0});
        return segments;
    }
    const bool allCounted = dates.size() == remaining;
    segments.push_back(
        SeriesSegment{dates.front(), dates.back(), rule, allCounted ? static_cast<int>(dates.size()) : 0});
    return segments;
}

}  // namespace

std::string NaturalRule(const ReminderRecord& record) {
    if (record.repeatKind == kRepeatEvery) {
        if (record.unitOrWeekday < kYears || record.unitOrWeekday > kDays || record.countOrWhich < 1)
            return "";
        std::string rule = std::string("FREQ=") + kUnitFrequencies[record.unitOrWeekday];
        if (record.countOrWhich > 1) rule += ";INTERVAL=" + std::to_string(record.countOrWhich);
        return rule;
    }
    if (record.repeatKind == kRepeatOnWeekday) {
        if (record.unitOrWeekday < 0 || record.unitOrWeekday > 6) return "";
        std::string which;
        if (record.countOrWhich >= 1 && record.countOrWhich <= 4) which = std::to_string(record.countOrWhich);
        if (record.countOrWhich == kLastWeekdayOfMonth) which = "-1";
        const std::string byDay = "BYDAY=" + which + kWeekdayCodes[record.unitOrWeekday];
        if (record.monthIndex == 0) return "FREQ=MONTHLY;" + byDay;
        return "FREQ=YEARLY;BYMONTH=" + std::to_string(record.monthIndex) + ";" + byDay;
    }
    return "";
}

std::vector<int> ExpandRule(const std::string& rule, int firstDate, int lastDate, std::size_t limit) {
    std::vector<int> dates;
    RuleWalk walk(rule, firstDate);
    while (dates.size() < limit) {
        const std::optional<int> next = walk.Next();
        if (!next || *next > lastDate) break;
        dates.push_back(*next);
    }
    return dates;
}

std::vector<int> MonthViewOccurrences(const ReminderRecord& record, int lastDate) {
    std::vector<int> dates;
    const ReminderLines lines{FormatReminderLine(record)};
    MonthIndexSettings settings;
    settings.showGhost = 2;
    ScriptedPrompt prompt;
    const CivilDate first = DateFromDayNumber(record.date);
    const CivilDate last = DateFromDayNumber(lastDate);
    for (int year = first.year, month = first.month;
         year < last.year || (year == last.year && month <= last.month);) {
        const int monthStart = DayNumber(year, month, 1);
        for (const MonthIndexEntry& entry : BuildMonthIndex(month, year, lines, settings, prompt).entries) {
            const int date = monthStart + entry.day - 1;
            if (date >= record.date && date <= lastDate) dates.push_back(date);
        }
        if (++month > 12) {
            month = 1;
            ++year;
        }
    }
    std::sort(dates.begin(), dates.end());
    dates.erase(std::unique(dates.begin(), dates.end()), dates.end());
    return dates;
}

std::vector<SeriesSegment> SeriesOf(const ReminderRecord& record) {
    const std::string rule = NaturalRule(record);
    if (rule.empty()) return {SeriesSegment{record.date, record.date, "", 0}};
    const int lastDate = std::max(record.date, LastAllowedDate(record));
    if (!NeedsMonthViewExpansion(record)) return NaturalSegments(record, rule, lastDate);

    std::vector<int> chain = MonthViewOccurrences(record, lastDate);
    // The stored occurrence always counts, as the month view always shows it.
    if (chain.empty() || chain.front() != record.date) chain.insert(chain.begin(), record.date);
    const std::size_t maxOccurrences = MaxOccurrences(record);
    if (chain.size() > maxOccurrences) chain.resize(maxOccurrences);
    std::vector<SeriesSegment> segments = SegmentsOf(rule, chain);
    if (segments.size() == 1 && maxOccurrences != kNoCountLimit && chain.size() == maxOccurrences &&
        !segments.front().rule.empty())
        segments.front().count = static_cast<int>(maxOccurrences);
    return segments;
}

}  // namespace orvanto
