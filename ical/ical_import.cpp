// Reading iCalendar files into reminder records.
#include "ical/ical_import.h"

#include <libical/ical.h>

#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <map>
#include <memory>
#include <set>
#include <tuple>

#include "calendar/civil_date.h"
#include "calendar/day_number.h"
#include "calendar/valid_date.h"
#include "calendar/weekday.h"
#include "ical/ical_export.h"
#include "ical/ical_series.h"
#include "reminders/reminder_record.h"
#include "reminders/reminder_store.h"

namespace orvanto {

namespace {

constexpr std::size_t kMaxNesting = 8;
constexpr int kMaxAlertDays = 99;
constexpr int kMaxRepeatInterval = 99;
constexpr int kMaxStoredCount = 99;
constexpr const char* kWeekdayCodes[7] = {"SU", "MO", "TU", "WE", "TH", "FR", "SA"};

struct ComponentDeleter {
    void operator()(icalcomponent* component) const { icalcomponent_free(component); }
};
using Component = std::unique_ptr<icalcomponent, ComponentDeleter>;

// ---- The file's shape, checked before libical reads it ----------------------

bool IsNameCharacter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-';
}

std::string Upper(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return text;
}

std::string LineError(std::size_t line, const std::string& what) {
    return "line " + std::to_string(line) + ": " + what;
}

// The name of a content line and whether a ":" (outside quoted parameter
// values) separates it from its value.
bool SplitContentLine(const std::string& line, std::string& name, std::string& value) {
    std::size_t at = 0;
    while (at < line.size() && IsNameCharacter(line[at])) ++at;
    if (at == 0) return false;
    name = Upper(line.substr(0, at));
    bool quoted = false;
    for (; at < line.size(); ++at) {
        if (line[at] == '"') quoted = !quoted;
        if (!quoted && line[at] == ':') {
            value = line.substr(at + 1);
            return true;
        }
    }
    return false;
}

// Longer lines than any calendar writes for a title or a rule: a summary is
// cut to this, other long properties (inline attachments) are left out.
constexpr std::size_t kMaxLogicalLine = 64 * 1024;

// Cuts a text to at most `size` bytes without splitting a UTF-8 character.
std::string CutUtf8(const std::string& text, std::size_t size) {
    if (text.size() <= size) return text;
    while (size > 0 && (static_cast<unsigned char>(text[size]) & 0xC0) == 0x80) --size;
    return text.substr(0, size);
}

// Checks the file's shape and gives its content lines unfolded, one per line,
// for the parser; an over-long line is cut or left out with a note.
std::optional<std::string> CheckShape(const std::string& text, std::string& unfolded,
                                      std::vector<std::string>& notes) {
    if (text.find('\0') != std::string::npos) {
        const std::size_t line =
            1 + static_cast<std::size_t>(
                    std::count(text.begin(), text.begin() + static_cast<long>(text.find('\0')), '\n'));
        return LineError(line, "the file holds binary data, not iCalendar text");
    }
    std::vector<std::string> open;
    bool sawCalendar = false;
    std::string logical;
    std::size_t logicalStart = 0;
    std::size_t lineNumber = 0;

    auto checkLogical = [&]() -> std::optional<std::string> {
        if (logical.empty()) return std::nullopt;
        std::string name;
        std::string value;
        if (!SplitContentLine(logical, name, value))
            return LineError(logicalStart, "expected NAME:VALUE, found \"" + logical.substr(0, 40) + "\"");
        if (logical.size() <= kMaxLogicalLine) {
            unfolded += logical + "\n";
        } else if (name == "SUMMARY" || name == "DESCRIPTION") {
            unfolded += CutUtf8(logical, kMaxLogicalLine) + "\n";
            notes.push_back(
                LineError(logicalStart, name + " cut to " + std::to_string(kMaxLogicalLine) + " bytes"));
        } else {
            notes.push_back(
                LineError(logicalStart, name + " of " + std::to_string(logical.size()) + " bytes left out"));
        }
        if (name == "BEGIN") {
            const std::string kind = Upper(value);
            if (open.empty() && kind != "VCALENDAR")
                return LineError(logicalStart, "the file must begin with BEGIN:VCALENDAR");
            if (open.size() >= kMaxNesting) return LineError(logicalStart, "components nested too deeply");
            open.push_back(kind);
            sawCalendar = true;
        } else if (name == "END") {
            if (open.empty() || open.back() != Upper(value))
                return LineError(logicalStart,
                                 "END:" + value + " does not close " +
                                     (open.empty() ? std::string("any component") : "BEGIN:" + open.back()));
            open.pop_back();
        } else if (open.empty()) {
            return LineError(logicalStart, "content outside BEGIN:VCALENDAR ... END:VCALENDAR");
        }
        return std::nullopt;
    };

    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        ++lineNumber;
        if (!line.empty() && (line[0] == ' ' || line[0] == '\t')) {
            if (logical.empty()) return LineError(lineNumber, "a folded line with nothing to continue");
            logical += line.substr(1);
        } else {
            if (auto error = checkLogical()) return error;
            logical = line;
            logicalStart = lineNumber;
        }
        if (end == text.size()) break;
        start = end + 1;
    }
    if (auto error = checkLogical()) return error;
    if (!open.empty()) return LineError(lineNumber, "the file ends inside BEGIN:" + open.back());
    if (!sawCalendar) return LineError(1, "no BEGIN:VCALENDAR in the file");
    return std::nullopt;
}

// ---- One event ----------------------------------------------------------

struct LocalMoment {
    int date = 0;  // DayNumber
    bool timed = false;
    int hour = 0;
    int minute = 0;
};

struct EventReader {
    icalcomponent* event;
    std::string summary;
    std::vector<std::string>& notes;

    void Note(const std::string& what) const { notes.push_back(summary + ": " + what); }
};

std::string XPropertyText(icalcomponent* component, const char* name) {
    for (icalproperty* property = icalcomponent_get_first_property(component, ICAL_X_PROPERTY); property;
         property = icalcomponent_get_next_property(component, ICAL_X_PROPERTY)) {
        const char* xName = icalproperty_get_x_name(property);
        if (xName && Upper(xName) == name) {
            const char* value = icalproperty_get_x(property);
            return value ? value : "";
        }
    }
    return "";
}

// One line of text: line breaks and tabs become blanks, blanks at the ends go.
std::string OneLine(std::string text) {
    for (char& c : text)
        if (c == '\n' || c == '\r' || c == '\t') c = ' ';
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return "";
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// A time of the file as local time: a date stays a date; a time in universal
// time or in a zone is converted through the process's zone; a floating time
// is taken as it is.
std::optional<LocalMoment> ToLocal(icaltimetype time) {
    LocalMoment moment;
    if (icaltime_is_null_time(time)) return std::nullopt;
    if (!time.is_date && time.zone) {
        const time_t instant = icaltime_as_timet_with_zone(time, time.zone);
        std::tm local{};
        if (!localtime_r(&instant, &local)) return std::nullopt;
        time.year = local.tm_year + 1900;
        time.month = local.tm_mon + 1;
        time.day = local.tm_mday;
        time.hour = local.tm_hour;
        time.minute = local.tm_min;
    }
    if (!IsValidDate(time.day, time.month, time.year)) return std::nullopt;
    moment.date = DayNumber(time.year, time.month, time.day);
    moment.timed = !time.is_date;
    moment.hour = time.hour;
    moment.minute = time.minute;
    return moment;
}

// DTSTART with its zone: the file's VTIMEZONE, else the zone of that name
// on this system; an unknown zone leaves the time as it is written.
icaltimetype StartOf(icalcomponent* event, const EventReader& reader) {
    icaltimetype start = icalcomponent_get_dtstart(event);
    if (start.is_date || start.zone) return start;
    icalproperty* property = icalcomponent_get_first_property(event, ICAL_DTSTART_PROPERTY);
    icalparameter* tzid =
        property ? icalproperty_get_first_parameter(property, ICAL_TZID_PARAMETER) : nullptr;
    if (!tzid) return start;
    const char* name = icalparameter_get_tzid(tzid);
    if (icaltimezone* zone = name ? icaltimezone_get_builtin_timezone(name) : nullptr) {
        start.zone = zone;
    } else {
        reader.Note(std::string("unknown time zone ") + (name ? name : "") +
                    ": its time is taken as local time");
    }
    return start;
}

std::string DescriptionOf(const LocalMoment& start, const std::string& summary) {
    const CivilDate date = DateFromDayNumber(start.date);
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.year, date.month, date.day);
    return std::string(text) + " " + summary;
}

std::string TimeField(const LocalMoment& start) {
    if (!start.timed) return std::string(kNoTime);
    char text[8];
    std::snprintf(text, sizeof text, "%02d%02d", start.hour, start.minute);
    return text;
}

int TypeOf(icalcomponent* event) {
    for (icalproperty* property = icalcomponent_get_first_property(event, ICAL_CATEGORIES_PROPERTY); property;
         property = icalcomponent_get_next_property(event, ICAL_CATEGORIES_PROPERTY)) {
        const std::string categories =
            Upper(icalproperty_get_categories(property) ? icalproperty_get_categories(property) : "");
        if (categories.find("BOOKMARK") != std::string::npos) return kBookmarkType;
        if (categories.find("HOLIDAY") != std::string::npos) return kHolidayType;
    }
    return kReminderType;
}

// Alert days from the display alarms that fire whole days before the start.
int AlertDaysOf(const EventReader& reader) {
    int alert = 0;
    for (icalcomponent* alarm = icalcomponent_get_first_component(reader.event, ICAL_VALARM_COMPONENT); alarm;
         alarm = icalcomponent_get_next_component(reader.event, ICAL_VALARM_COMPONENT)) {
        icalproperty* property = icalcomponent_get_first_property(alarm, ICAL_TRIGGER_PROPERTY);
        if (!property) continue;
        const struct icaltriggertype trigger = icalproperty_get_trigger(property);
        if (!icaltime_is_null_time(trigger.time)) {
            reader.Note("an alarm at a fixed time cannot be kept");
            continue;
        }
        const int seconds = icaldurationtype_as_int(trigger.duration);
        if (seconds == 0) continue;  // at the start: every timed reminder rings then
        constexpr int kDay = 24 * 60 * 60;
        if (seconds < 0 && seconds % kDay == 0 && -seconds / kDay <= kMaxAlertDays) {
            alert = std::max(alert, -seconds / kDay);
        } else {
            reader.Note("an alarm " + std::to_string(std::abs(seconds) / 60) +
                        " minutes from the start cannot be kept; the reminder rings at its time");
        }
    }
    return alert;
}

// The record's repeat part as a code, with the limit group; what the format
// cannot hold is reported.
struct RepeatChoice {
    int kind = kNoRepeat;
    int countOrWhich = 0;
    int unitOrWeekday = 0;
    int monthIndex = 0;
    std::string limitGroup = "0000";
};

std::string CodeOf(int type, const RepeatChoice& repeat) {
    if (type == kBookmarkType) return "30000";
    std::string code = std::to_string(type) + std::to_string(repeat.kind);
    if (repeat.kind == kRepeatOnWeekday) {
        code += "0123456789ABC"[repeat.monthIndex];
        code += static_cast<char>('0' + repeat.countOrWhich);
        code += static_cast<char>('0' + repeat.unitOrWeekday);
    } else if (repeat.kind == kRepeatEvery) {
        char digits[4];
        std::snprintf(digits, sizeof digits, "%02d", repeat.countOrWhich);
        code += digits;
        code += static_cast<char>('0' + repeat.unitOrWeekday);
    } else {
        code += "000";
    }
    return code;
}

struct RuleParts {
    struct icalrecurrencetype rule;
    std::vector<std::pair<int, int>> days;  // (weekday 0 Sunday..6, position 0 none, -1 last, 1..)
    std::vector<int> months;
    std::vector<int> monthDays;
    int setPosition = 0;
    bool otherParts = false;
};

RuleParts PartsOf(const struct icalrecurrencetype& rule) {
    RuleParts parts{rule, {}, {}, {}, 0, false};
    for (int i = 0; i < ICAL_BY_DAY_SIZE && rule.by_day[i] != ICAL_RECURRENCE_ARRAY_MAX; ++i)
        parts.days.emplace_back(static_cast<int>(icalrecurrencetype_day_day_of_week(rule.by_day[i])) - 1,
                                icalrecurrencetype_day_position(rule.by_day[i]));
    for (int i = 0; i < ICAL_BY_MONTH_SIZE && rule.by_month[i] != ICAL_RECURRENCE_ARRAY_MAX; ++i)
        parts.months.push_back(rule.by_month[i]);
    for (int i = 0; i < ICAL_BY_MONTHDAY_SIZE && rule.by_month_day[i] != ICAL_RECURRENCE_ARRAY_MAX; ++i)
        parts.monthDays.push_back(rule.by_month_day[i]);
    if (rule.by_set_pos[0] != ICAL_RECURRENCE_ARRAY_MAX) {
        parts.setPosition = rule.by_set_pos[0];
        if (rule.by_set_pos[1] != ICAL_RECURRENCE_ARRAY_MAX) parts.otherParts = true;
    }
    parts.otherParts =
        parts.otherParts || rule.by_second[0] != ICAL_RECURRENCE_ARRAY_MAX ||
        rule.by_minute[0] != ICAL_RECURRENCE_ARRAY_MAX || rule.by_hour[0] != ICAL_RECURRENCE_ARRAY_MAX ||
        rule.by_year_day[0] != ICAL_RECURRENCE_ARRAY_MAX || rule.by_week_no[0] != ICAL_RECURRENCE_ARRAY_MAX;
    return parts;
}

// Which weekday of the month a position names: 1..4, or 5 for the last.
std::optional<int> WhichOf(int position) {
    if (position >= 1 && position <= 4) return position;
    if (position == -1) return 5;
    return std::nullopt;
}

// The repeat of one start date and rule, or nothing when the rule cannot be
// held (the caller reports it and imports the first date alone).
std::optional<RepeatChoice> RepeatOf(const RuleParts& parts, const LocalMoment& start, int weekdayOverride) {
    const CivilDate date = DateFromDayNumber(start.date);
    const int weekday = weekdayOverride >= 0 ? weekdayOverride : WeekdayOf(date.year, date.month, date.day);
    const auto& rule = parts.rule;
    if (parts.otherParts || rule.interval < 1 || rule.interval > kMaxRepeatInterval) return std::nullopt;
    RepeatChoice choice;

    const bool dayMatchesStart =
        parts.monthDays.empty() || (parts.monthDays.size() == 1 && parts.monthDays[0] == date.day);
    const bool monthMatchesStart =
        parts.months.empty() || (parts.months.size() == 1 && parts.months[0] == date.month);
    const bool plainDays =
        parts.days.empty() || (rule.freq == ICAL_WEEKLY_RECURRENCE && parts.days.size() == 1 &&
                               parts.days[0].first == weekday && parts.days[0].second == 0);
    if (plainDays && dayMatchesStart && monthMatchesStart && parts.setPosition == 0) {
        choice.kind = kRepeatEvery;
        choice.countOrWhich = rule.interval;
        switch (rule.freq) {
        case ICAL_YEARLY_RECURRENCE:
            choice.unitOrWeekday = kYears;
            break;
        case ICAL_MONTHLY_RECURRENCE:
            choice.unitOrWeekday = kMonths;
            break;
        case ICAL_WEEKLY_RECURRENCE:
            choice.unitOrWeekday = kWeeks;
            break;
        case ICAL_DAILY_RECURRENCE:
            choice.unitOrWeekday = kDays;
            break;
        default:
            return std::nullopt;
        }
        return choice;
    }

    // One weekday of the month (every month, or one month a year).
    if (parts.days.size() != 1 || !parts.monthDays.empty() || rule.interval != 1) return std::nullopt;
    const auto [dayWeekday, position] = parts.days[0];
    int monthIndex = 0;
    if (rule.freq == ICAL_YEARLY_RECURRENCE) {
        if (parts.months.size() != 1) return std::nullopt;
        monthIndex = parts.months[0];
    } else if (rule.freq != ICAL_MONTHLY_RECURRENCE || !parts.months.empty()) {
        return std::nullopt;
    }
    const int which = position != 0 ? position : parts.setPosition;
    choice.kind = kRepeatOnWeekday;
    choice.unitOrWeekday = dayWeekday;
    choice.monthIndex = monthIndex;
    if (which == 0) {
        choice.countOrWhich = 0;  // every such weekday of the month
    } else if (const auto whichIndex = WhichOf(which)) {
        choice.countOrWhich = *whichIndex;
    } else {
        return std::nullopt;
    }
    return choice;
}

// COUNT and UNTIL as the record's limit group.
void ApplyLimit(const EventReader& reader, const RuleParts& parts, const LocalMoment& start,
                const std::string& rule, RepeatChoice& choice) {
    const auto& recurrence = parts.rule;
    if (recurrence.count > 0) {
        if (recurrence.count == 1) {
            choice = RepeatChoice{};
            return;
        }
        if (recurrence.count <= kMaxStoredCount) {
            choice.limitGroup = HexGroup(recurrence.count);
            return;
        }
        // More occurrences than a count can hold: the date of the last one.
        const std::vector<int> dates = ExpandRule(rule, start.date, DayNumber(kLastCalendarYear, 12, 31),
                                                  static_cast<std::size_t>(recurrence.count));
        if (!dates.empty() && static_cast<int>(dates.size()) == recurrence.count &&
            dates.back() - kStoredDateOffset >= 100 && dates.back() - kStoredDateOffset <= 0xFFFF) {
            choice.limitGroup = HexGroup(dates.back() - kStoredDateOffset);
            reader.Note("a count of " + std::to_string(recurrence.count) + " became a limit date");
        }
        return;
    }
    if (!icaltime_is_null_time(recurrence.until)) {
        const std::optional<LocalMoment> until = ToLocal(recurrence.until);
        if (!until) return;
        const int stored = until->date - kStoredDateOffset;
        if (until->date >= DayNumber(kLastCalendarYear, 12, 31)) return;
        if (stored >= 100 && stored <= 0xFFFF) {
            choice.limitGroup = HexGroup(stored);
        } else {
            reader.Note("its end date cannot be stored: imported without an end");
        }
    }
}

std::string ValueOf(int type, const RepeatChoice& repeat, int alert, const LocalMoment& start,
                    const std::string& startGroup, const std::string& text) {
    const bool repeats = repeat.kind != kNoRepeat && type != kBookmarkType;
    const std::string limit = repeats ? repeat.limitGroup : "0000";
    return CodeOf(type, repeats ? repeat : RepeatChoice{}) + "," + std::to_string(alert) + "," +
           TimeField(start) + "," + startGroup + limit + "," + text;
}

// The record an event exported by this program carries in X-ORVANTO-RECORD.
std::optional<ImportedRecord> RecordFromOwnFields(const std::string& fields, const LocalMoment& start,
                                                  const std::string& text) {
    const std::optional<ReminderRecord> record =
        ParseReminder(std::to_string(start.date) + "/0=" + fields + "," + text);
    if (!record || record->text != text) return std::nullopt;
    return ImportedRecord{start.date, fields + "," + text, DescriptionOf(start, text)};
}

void ReadEvent(icalcomponent* event, IcsReading& reading) {
    std::string summary = OneLine(icalcomponent_get_summary(event) ? icalcomponent_get_summary(event) : "");
    if (summary.empty())
        summary = OneLine(icalcomponent_get_description(event) ? icalcomponent_get_description(event) : "");
    if (summary.empty()) summary = "(no title)";
    EventReader reader{event, summary, reading.notes};

    if (!XPropertyText(event, kContinuationProperty).empty()) return;  // rebuilt from its main event
    if (!XPropertyText(event, kCalculatedHolidayProperty).empty()) {
        reader.Note("a holiday the calendar computes itself: not stored");
        return;
    }
    const std::optional<LocalMoment> start = ToLocal(StartOf(event, reader));
    if (!start) {
        reader.Note("no start date from 1753 to 2078: not imported");
        return;
    }
    if (icalcomponent_get_first_property(event, ICAL_RECURRENCEID_PROPERTY))
        reader.Note("a changed occurrence of a series: imported as an event of its own");

    const std::string ownFields = XPropertyText(event, kRecordProperty);
    if (!ownFields.empty()) {
        if (auto record = RecordFromOwnFields(ownFields, *start, summary)) {
            reading.records.push_back(*record);
            return;
        }
    }

    const int type = TypeOf(event);
    const int alert = AlertDaysOf(reader);
    icalproperty* ruleProperty = icalcomponent_get_first_property(event, ICAL_RRULE_PROPERTY);
    std::vector<RepeatChoice> repeats{RepeatChoice{}};
    std::vector<LocalMoment> starts{*start};
    if (ruleProperty) {
        const struct icalrecurrencetype rule = icalproperty_get_rrule(ruleProperty);
        const RuleParts parts = PartsOf(rule);
        const std::string ruleText = icalproperty_get_value_as_string(ruleProperty);
        if (icalcomponent_get_next_property(event, ICAL_RRULE_PROPERTY))
            reader.Note("only its first RRULE is kept");
        if (rule.freq == ICAL_SECONDLY_RECURRENCE || rule.freq == ICAL_MINUTELY_RECURRENCE ||
            rule.freq == ICAL_HOURLY_RECURRENCE) {
            reader.Note("it repeats more often than daily: imported as one event on its first date");
        } else if (rule.freq == ICAL_WEEKLY_RECURRENCE && parts.days.size() > 1 && !parts.otherParts &&
                   parts.monthDays.empty() && parts.months.empty() &&
                   std::all_of(parts.days.begin(), parts.days.end(),
                               [](auto day) { return day.second == 0; })) {
            // Several weekdays: one weekly record for each, from its first day.
            repeats.clear();
            starts.clear();
            const CivilDate date = DateFromDayNumber(start->date);
            const int startWeekday = WeekdayOf(date.year, date.month, date.day);
            // A count is shared by the weekdays: each record gets its share.
            std::map<int, int> perWeekday;
            if (rule.count > 0) {
                for (int date : ExpandRule(ruleText, start->date, DayNumber(kLastCalendarYear, 12, 31),
                                           static_cast<std::size_t>(rule.count))) {
                    const CivilDate civil = DateFromDayNumber(date);
                    ++perWeekday[WeekdayOf(civil.year, civil.month, civil.day)];
                }
            }
            for (const auto& [weekday, position] : parts.days) {
                LocalMoment first = *start;
                first.date += (weekday - startWeekday + 7) % 7;
                RuleParts single = parts;
                single.days = {{weekday, 0}};
                if (rule.count > 0) single.rule.count = perWeekday[weekday];
                if (rule.count > 0 && single.rule.count == 0) continue;
                if (auto repeat = RepeatOf(single, first, weekday)) {
                    const std::string singleRule = "FREQ=WEEKLY;INTERVAL=" + std::to_string(rule.interval) +
                                                   ";BYDAY=" + kWeekdayCodes[weekday];
                    ApplyLimit(reader, single, first, singleRule, *repeat);
                    repeats.push_back(*repeat);
                    starts.push_back(first);
                }
            }
            reader.Note("a weekly rule on " + std::to_string(parts.days.size()) +
                        " weekdays became one record per weekday");
        } else if (auto repeat = RepeatOf(parts, *start, -1)) {
            ApplyLimit(reader, parts, *start, ruleText, *repeat);
            repeats = {*repeat};
        } else {
            reader.Note("its rule " + ruleText + " cannot be kept: imported as one event on its first date");
        }
        if (type == kBookmarkType && repeats.front().kind != kNoRepeat)
            reader.Note("a bookmark does not repeat: imported on its first date");
    }
    if (icalcomponent_get_first_property(event, ICAL_EXDATE_PROPERTY))
        reader.Note("its exceptions (EXDATE) cannot be kept: the series is imported whole");

    for (std::size_t i = 0; i < repeats.size(); ++i)
        reading.records.push_back(ImportedRecord{starts[i].date,
                                                 ValueOf(type, repeats[i], alert, starts[i], "0000", summary),
                                                 DescriptionOf(starts[i], summary)});

    // Extra dates become events of their own.
    for (icalproperty* extra = icalcomponent_get_first_property(event, ICAL_RDATE_PROPERTY); extra;
         extra = icalcomponent_get_next_property(event, ICAL_RDATE_PROPERTY)) {
        const struct icaldatetimeperiodtype period = icalproperty_get_rdate(extra);
        const std::optional<LocalMoment> moment = ToLocal(period.time);
        if (!moment) continue;
        reading.records.push_back(
            ImportedRecord{moment->date, ValueOf(type, RepeatChoice{}, alert, *moment, "0000", summary),
                           DescriptionOf(*moment, summary)});
        reader.Note("an extra date (RDATE) became an event of its own");
    }
}

void ReadComponent(icalcomponent* component, IcsReading& reading) {
    if (icalcomponent_isa(component) == ICAL_VEVENT_COMPONENT) {
        ReadEvent(component, reading);
        return;
    }
    for (icalcomponent* child = icalcomponent_get_first_component(component, ICAL_ANY_COMPONENT); child;
         child = icalcomponent_get_next_component(component, ICAL_ANY_COMPONENT))
        ReadComponent(child, reading);
}

// (date, time field, text) of a value: two records with the same are the same event.
using EventIdentity = std::tuple<int, std::string, std::string>;

std::optional<EventIdentity> IdentityOf(int date, const std::string& value) {
    const std::optional<ReminderRecord> record = ParseReminder(std::to_string(date) + "/0=" + value);
    if (!record) return std::nullopt;
    return EventIdentity{record->date, record->timeField, record->text};
}

}  // namespace

IcsReading ReadIcs(const std::string& text) {
    IcsReading reading;
    std::string unfolded;
    if (auto error = CheckShape(text, unfolded, reading.notes)) {
        reading.error = *error;
        reading.notes.clear();
        return reading;
    }
    Component root(icalparser_parse_string(unfolded.c_str()));
    if (!root) {
        reading.error = "line 1: the file could not be read as iCalendar";
        return reading;
    }
    ReadComponent(root.get(), reading);
    return reading;
}

IcsImportOutcome AddImportedLines(ReminderLines& lines, const std::vector<ImportedRecord>& records) {
    IcsImportOutcome outcome;
    std::set<EventIdentity> present;
    std::map<int, std::set<char>> usedKeys;
    for (const std::string& line : lines) {
        if (const auto key = ParseReminderKey(KeyOf(line))) usedKeys[key->date].insert(key->sequence);
        if (const auto record = ParseReminder(line))
            present.insert({record->date, record->timeField, record->text});
    }
    for (const ImportedRecord& record : records) {
        const std::optional<EventIdentity> identity = IdentityOf(record.date, record.value);
        if (!identity) {
            outcome.notes.push_back(record.description + ": not a record the calendar can hold");
            continue;
        }
        const CivilDate date = DateFromDayNumber(record.date);
        if (!IsValidDate(date.day, date.month, date.year)) {
            outcome.notes.push_back(record.description + ": outside the years 1753 to 2078: not imported");
            continue;
        }
        if (!present.insert(*identity).second) {
            outcome.notes.push_back(record.description + ": already present: not added again");
            continue;
        }
        std::set<char>& used = usedKeys[record.date];
        const auto free = std::find_if(kSequenceCharacters.begin(), kSequenceCharacters.end(),
                                       [&](char c) { return !used.count(c); });
        if (free == kSequenceCharacters.end()) {
            outcome.notes.push_back(record.description + ": " + kTooManyRemindersMessage);
            continue;
        }
        used.insert(*free);
        lines.push_back(std::to_string(record.date) + "/" + *free + "=" + record.value);
        outcome.added.push_back(record);
    }
    return outcome;
}

IcsImportOutcome AddImportedRecords(IniFile& settings, const std::vector<ImportedRecord>& records,
                                    bool dryRun) {
    ReminderLines lines;
    for (const auto& [key, value] : settings.ReadSectionPairs("Reminders"))
        lines.push_back(key + "=" + value);
    IcsImportOutcome outcome = AddImportedLines(lines, records);
    if (dryRun || outcome.added.empty()) return outcome;
    std::vector<std::pair<std::string, std::string>> pairs;
    for (const std::string& line : lines)
        pairs.emplace_back(std::string(KeyOf(line)), std::string(ValueOf(line)));
    settings.ReplaceSection("Reminders", pairs);
    return outcome;
}

}  // namespace orvanto
