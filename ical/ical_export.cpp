// Writing the iCalendar file with libical.
#include "ical/ical_export.h"

#include <libical/ical.h>
#include <unistd.h>

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>

#include "calendar/civil_date.h"
#include "calendar/day_number.h"
#include "calendar/month_length.h"
#include "ical/ical_series.h"

namespace orvanto {

namespace {

constexpr const char* kProductId = "-//Orvanto//Orvanto 1.0//EN";
constexpr const char* kCategoryNames[4] = {"Reminder", "Reminder", "Holiday", "Bookmark"};

struct ComponentDeleter {
    void operator()(icalcomponent* component) const { icalcomponent_free(component); }
};
using Component = std::unique_ptr<icalcomponent, ComponentDeleter>;

std::string TakeString(char* text) {
    std::string result = text ? text : "";
    std::free(text);
    return result;
}

std::uint64_t Fnv1a(const std::string& text, std::uint64_t seed) {
    std::uint64_t hash = seed;
    for (unsigned char c : text) {
        hash ^= c;
        hash *= 0x100000001b3ull;
    }
    return hash;
}

std::string Hex64(std::uint64_t value) {
    char buffer[17];
    std::snprintf(buffer, sizeof buffer, "%016llx", static_cast<unsigned long long>(value));
    return buffer;
}

std::string StableUid(const std::string& content) {
    return Hex64(Fnv1a(content, 0xcbf29ce484222325ull)) + Hex64(Fnv1a(content, 0x84222325cbf29ce4ull)) +
           "@orvanto";
}

icaltimetype DateOf(int dayNumber) {
    const CivilDate date = DateFromDayNumber(dayNumber);
    icaltimetype value = icaltime_null_date();
    value.year = date.year;
    value.month = date.month;
    value.day = date.day;
    return value;
}

icaltimetype DateTimeOf(int dayNumber, int hour, int minute) {
    icaltimetype value = DateOf(dayNumber);
    value.is_date = 0;
    value.hour = hour;
    value.minute = minute;
    value.second = 0;
    return value;
}

bool TypeWanted(int type, unsigned types) {
    switch (type) {
    case kReminderType:
        return types & kExportReminders;
    case kHolidayType:
        return types & kExportHolidays;
    default:
        return types & kExportBookmarks;
    }
}

icalproperty* XProperty(const char* name, const std::string& value) {
    icalproperty* property = icalproperty_new_x(value.c_str());
    icalproperty_set_x_name(property, name);
    return property;
}

icalcomponent* DisplayAlarm(const std::string& duration, const std::string& text) {
    icalcomponent* alarm = icalcomponent_new_valarm();
    icalcomponent_add_property(alarm, icalproperty_new_action(ICAL_ACTION_DISPLAY));
    struct icaltriggertype trigger;
    trigger.time = icaltime_null_time();
    trigger.duration = icaldurationtype_from_string(duration.c_str());
    icalcomponent_add_property(alarm, icalproperty_new_trigger(trigger));
    icalcomponent_add_property(alarm, icalproperty_new_description(text.c_str()));
    return alarm;
}

// The writer of one file: the calendar, its zone, and the events added.
class CalendarWriter {
public:
    explicit CalendarWriter(const std::string& timeZoneId) : calendar_(icalcomponent_new_vcalendar()) {
        icalcomponent_add_property(calendar_.get(), icalproperty_new_version("2.0"));
        icalcomponent_add_property(calendar_.get(), icalproperty_new_prodid(kProductId));
        icalcomponent_add_property(calendar_.get(), icalproperty_new_calscale("GREGORIAN"));
        if (!timeZoneId.empty()) zone_ = icaltimezone_get_builtin_timezone(timeZoneId.c_str());
        if (zone_) {
            zoneId_ = timeZoneId;
            if (icalcomponent* definition = icaltimezone_get_component(zone_)) {
                // The zone is named as calendars name it ("Europe/Madrid"),
                // without the library's own prefix.
                icalcomponent* copy = icalcomponent_new_clone(definition);
                if (icalproperty* tzid = icalcomponent_get_first_property(copy, ICAL_TZID_PROPERTY))
                    icalproperty_set_tzid(tzid, timeZoneId.c_str());
                icalcomponent_add_component(calendar_.get(), copy);
            }
        }
        stamp_ = icaltime_current_time_with_zone(icaltimezone_get_utc_timezone());
    }

    void AddRecord(const ReminderRecord& record) {
        const std::string uid = RecordUid(record);
        const std::vector<SeriesSegment> segments = SeriesOf(record);
        for (std::size_t i = 0; i < segments.size(); ++i) {
            icalcomponent* event = NewEvent(
                i == 0 ? uid : uid.substr(0, uid.find('@')) + "-" + std::to_string(i + 1) + "@orvanto",
                record.text, kCategoryNames[std::min(record.type, 3)]);
            AddStart(event, record, segments[i]);
            if (!segments[i].rule.empty()) AddRule(event, record, segments[i]);
            AddAlarms(event, record);
            if (i == 0) {
                icalcomponent_add_property(event, XProperty(kRecordProperty, RecordFields(record)));
            } else {
                icalcomponent_add_property(event, XProperty(kContinuationProperty, uid));
                icalcomponent_add_property(event, icalproperty_new_relatedto(uid.c_str()));
            }
            icalcomponent_add_component(calendar_.get(), event);
            ++events_;
        }
    }

    void AddCalculatedHoliday(int year, int month, const Holiday& holiday) {
        const int date = DayNumber(year, month, holiday.day);
        icalcomponent* event = NewEvent(StableUid("holiday|" + std::to_string(date) + "|" + holiday.name),
                                        holiday.name, "Holiday");
        icalcomponent_add_property(event, icalproperty_new_dtstart(DateOf(date)));
        icalcomponent_add_property(event, XProperty(kCalculatedHolidayProperty, "TRUE"));
        icalcomponent_add_component(calendar_.get(), event);
        ++events_;
    }

    std::string Text() const { return TakeString(icalcomponent_as_ical_string_r(calendar_.get())); }
    int Events() const { return events_; }

private:
    icalcomponent* NewEvent(const std::string& uid, const std::string& summary, const char* category) {
        icalcomponent* event = icalcomponent_new_vevent();
        icalcomponent_add_property(event, icalproperty_new_uid(uid.c_str()));
        icalcomponent_add_property(event, icalproperty_new_dtstamp(stamp_));
        icalcomponent_add_property(event, icalproperty_new_summary(summary.c_str()));
        icalcomponent_add_property(event, icalproperty_new_categories(category));
        return event;
    }

    static bool Timed(const ReminderRecord& record) { return record.HasTimeField() && record.HasValidTime(); }

    // A timed record starts at its local time in the user's zone.
    icaltimetype StartOf(const ReminderRecord& record, int date) const {
        if (!Timed(record)) return DateOf(date);
        icaltimetype start = DateTimeOf(date, record.hour, record.minute);
        if (zone_) start.zone = zone_;
        return start;
    }

    void AddStart(icalcomponent* event, const ReminderRecord& record, const SeriesSegment& segment) const {
        icalproperty* start = icalproperty_new_dtstart(StartOf(record, segment.firstDate));
        if (Timed(record) && zone_)
            icalproperty_add_parameter(start, icalparameter_new_tzid(zoneId_.c_str()));
        icalcomponent_add_property(event, start);
    }

    // UNTIL takes the type of DTSTART: a date, or for a zoned time the
    // universal time of the last occurrence.
    std::string UntilOf(const ReminderRecord& record, int lastDate) const {
        icaltimetype until = StartOf(record, lastDate);
        if (!until.is_date && zone_) until = icaltime_convert_to_zone(until, icaltimezone_get_utc_timezone());
        return TakeString(icaltime_as_ical_string_r(until));
    }

    void AddRule(icalcomponent* event, const ReminderRecord& record, const SeriesSegment& segment) const {
        const std::string bound = segment.count > 0 ? "COUNT=" + std::to_string(segment.count)
                                                    : "UNTIL=" + UntilOf(record, segment.lastDate);
        const std::string rule = segment.rule + ";" + bound;
        icalcomponent_add_property(event,
                                   icalproperty_new_rrule(icalrecurrencetype_from_string(rule.c_str())));
    }

    static void AddAlarms(icalcomponent* event, const ReminderRecord& record) {
        if (record.type == kReminderType && Timed(record))
            icalcomponent_add_component(event, DisplayAlarm("PT0S", record.text));
        if (record.alertDays > 0)
            icalcomponent_add_component(
                event, DisplayAlarm("-P" + std::to_string(record.alertDays) + "D", record.text));
    }

    // code, alert days, time field, start and limit: the value without its text.
    static std::string RecordFields(const ReminderRecord& record) {
        return record.code + "," + std::to_string(record.alertDays) + "," + record.timeField + "," +
               record.StartAndLimit();
    }

    Component calendar_;
    icaltimezone* zone_ = nullptr;
    std::string zoneId_;
    icaltimetype stamp_{};
    int events_ = 0;
};

std::string FirstLineOf(const std::string& path) {
    std::ifstream in(path);
    std::string line;
    std::getline(in, line);
    while (!line.empty() && (line.back() == ' ' || line.back() == '\r')) line.pop_back();
    return line;
}

bool IsZoneName(const std::string& name) {
    return !name.empty() && name.find("..") == std::string::npos && name[0] != '/' &&
           icaltimezone_get_builtin_timezone(name.c_str()) != nullptr;
}

}  // namespace

std::string RecordUid(const ReminderRecord& record) {
    return StableUid(std::to_string(record.date) + "|" + record.code + "|" +
                     std::to_string(record.alertDays) + "|" + record.timeField + "|" +
                     record.StartAndLimit() + "|" + record.text);
}

std::string LocalTimeZoneId() {
    if (const char* tz = std::getenv("TZ")) {
        std::string name = tz;
        if (!name.empty() && name[0] == ':') name.erase(0, 1);
        if (IsZoneName(name)) return name;
    }
    const std::string fromFile = FirstLineOf("/etc/timezone");
    if (IsZoneName(fromFile)) return fromFile;
    std::array<char, 512> target{};
    const ssize_t length = ::readlink("/etc/localtime", target.data(), target.size() - 1);
    if (length > 0) {
        const std::string link(target.data(), static_cast<std::size_t>(length));
        const std::size_t at = link.find("zoneinfo/");
        if (at != std::string::npos && IsZoneName(link.substr(at + 9))) return link.substr(at + 9);
    }
    return "";
}

IcsExport ExportReminders(const ReminderLines& lines, const IcsExportOptions& options) {
    CalendarWriter writer(options.timeZoneId);
    IcsExport result;
    for (const std::string& line : lines) {
        const std::optional<ReminderRecord> record = ParseReminder(line);
        if (!record || record->date < options.fromDate || record->date > options.toDate) continue;
        if (!TypeWanted(record->type, options.types)) continue;
        writer.AddRecord(*record);
        ++result.records;
    }
    if (options.withCalculatedHolidays) {
        for (int year = options.fromYear; year <= options.toYear; ++year)
            for (int month = 1; month <= 12; ++month)
                for (const Holiday& holiday : MonthHolidays(year, month, options.holidaySwitches)) {
                    const int date = DayNumber(year, month, holiday.day);
                    if (date >= options.fromDate && date <= options.toDate)
                        writer.AddCalculatedHoliday(year, month, holiday);
                }
    }
    result.text = writer.Text();
    result.events = writer.Events();
    return result;
}

}  // namespace orvanto
