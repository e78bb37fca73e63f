// The month picture: grid values, neighbour days, colour rules in index order,
// hints with age texts, moon glyphs and the today mark.
#include "ui/main/month_painting.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "calendar/civil_date.h"
#include "calendar/day_number.h"
#include "calendar/elapsed_text.h"
#include "calendar/month_length.h"
#include "calendar/serial_date.h"
#include "calendar/twelve_hour.h"
#include "calendar/weekday.h"

namespace orvanto {

namespace {

constexpr std::array<const char*, 7> kSundayFirst = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
constexpr std::array<const char*, 7> kMondayFirst = {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};

std::string Trim(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return std::string();
    const auto last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

// Display column 1..7 of a weekday (0 = Sunday).
int DisplayColumn(int weekday, bool oldEurope) {
    if (!oldEurope) return weekday + 1;
    return weekday == 0 ? 7 : weekday;
}

MoonGlyph GlyphFor(int phase, double latitude) {
    const bool north = latitude >= 0.0;
    switch (phase) {
    case 0:
        return MoonGlyph::NewMoon;
    case 4:
        return MoonGlyph::FullMoon;
    case 2:
        return north ? MoonGlyph::LastQuarterLitRight : MoonGlyph::FirstQuarterLitLeft;
    case 6:
        return north ? MoonGlyph::FirstQuarterLitLeft : MoonGlyph::LastQuarterLitRight;
    default:
        return MoonGlyph::None;
    }
}

// The colour a day's number takes after one entry, by the entry's type.
int ColourAfterEntry(int current, const MonthIndexEntry& entry, const DayColors& c,
                     const MonthViewOptions& o) {
    switch (entry.type) {
    case 2:
        return (current == c.normal || current == c.sunday) ? c.holiday : current;
    case 3:
        return (current == c.normal || current == c.sunday || current == c.holiday) ? c.bookmark : current;
    case 1:
        if (entry.stepKind == 2 && o.ignoreWeekColor) return current;
        if (entry.stepKind == 3 && o.ignoreDayColor) return current;
        if (current == c.mixedEvents) return current;
        if (entry.timed) return current == c.events ? c.mixedEvents : c.timedEvents;
        return current == c.timedEvents ? c.mixedEvents : c.events;
    default:
        return current;
    }
}

// The entry's hint line: its trimmed text and, with a start date, the age
// text before a closing "]" or at the end.
std::string HintLine(const MonthIndexEntry& entry, int dayNumber) {
    std::string line = Trim(entry.text);
    if (entry.startDate == 0) return line;
    const std::string age = " " + ElapsedText(entry.startDate, dayNumber);
    if (!line.empty() && line.back() == ']') return line.insert(line.size() - 1, age);
    return line + age;
}

void AddHintLine(std::string& hint, const std::string& line) {
    if (hint.empty())
        hint = line;
    else
        hint += "\r\n" + line;
}

DayCell NeighbourCell(int value, int length, int previousLength, int sideDays) {
    DayCell cell;
    cell.value = value;
    cell.caption = value <= 0 ? previousLength + value : value - length;
    cell.kind = sideDays == 1 ? CellKind::Dimmed : CellKind::Hidden;
    return cell;
}

}  // namespace

const char* MoonGlyphName(MoonGlyph glyph) {
    switch (glyph) {
    case MoonGlyph::NewMoon:
        return "NEWMOON";
    case MoonGlyph::FullMoon:
        return "FULLMOON";
    case MoonGlyph::FirstQuarterLitLeft:
        return "FQUARTER";
    case MoonGlyph::LastQuarterLitRight:
        return "LQUARTER";
    case MoonGlyph::None:
        break;
    }
    return "";
}

const char* PrincipalPhaseName(int phase) {
    switch (phase) {
    case 0:
        return "New Moon";
    case 2:
        return "First Quarter";
    case 4:
        return "Full Moon";
    case 6:
        return "Last Quarter";
    default:
        return "";
    }
}

std::string LongTimeText(double timeOfDay, bool twelveHour, const std::string& am, const std::string& pm) {
    const TimeOfDay t = DecodeTime(timeOfDay);
    char buffer[32];
    if (!twelveHour) {
        std::snprintf(buffer, sizeof buffer, "%02d:%02d:%02d", t.hour, t.minute, t.second);
    } else {
        const TwelveHourTime twelve = ToTwelveHour(t.hour, NoonRule::Dial);
        std::snprintf(buffer, sizeof buffer, "%d:%02d:%02d %s", twelve.hour, t.minute, t.second,
                      (twelve.afternoon ? pm : am).c_str());
    }
    return buffer;
}

MonthPicture PaintMonth(int year, int month, const CivilDate& today,
                        const std::vector<MonthIndexEntry>& entries, const std::vector<MoonPhaseMark>& phases,
                        const DayColors& colors, const MonthViewOptions& options) {
    MonthPicture picture;
    const auto& names = options.oldEurope ? kMondayFirst : kSundayFirst;
    for (int i = 0; i < 7; ++i) picture.header[i] = names[i];
    picture.sundayColumn = options.oldEurope ? 6 : 0;

    const int length = DaysInMonth(month, year);
    const int previousLength = month == 1 ? DaysInMonth(12, year - 1) : DaysInMonth(month - 1, year);
    const int first = 2 - DisplayColumn(WeekdayOf(year, month, 1), options.oldEurope);
    const std::size_t phaseCount = std::min<std::size_t>(phases.size(), 6);

    for (int i = 0; i < 42; ++i) {
        const int v = first + i;
        if (v <= 0 || v > length) {
            picture.cells[i] = NeighbourCell(v, length, previousLength, options.sideDays);
            continue;
        }
        DayCell cell;
        cell.value = v;
        cell.caption = v;
        cell.kind = CellKind::InMonth;
        cell.color = WeekdayOf(year, month, v) == 0 ? colors.sunday : colors.normal;

        for (std::size_t p = 0; p < phaseCount; ++p) {
            if (phases[p].day != v || !options.showMoon) continue;
            if (options.moonHint == 1)
                cell.hint = std::string(PrincipalPhaseName(phases[p].phase)) + " at " +
                            LongTimeText(phases[p].timeOfDay, options.twelveHour, options.amDesignator,
                                         options.pmDesignator);
            cell.glyph = GlyphFor(phases[p].phase, options.latitude);
            break;
        }

        const int dayNumber = DayNumber(year, month, v);
        for (const MonthIndexEntry& entry : entries) {
            if (entry.day != v) continue;
            cell.color = ColourAfterEntry(cell.color, entry, colors, options);
            AddHintLine(cell.hint, HintLine(entry, dayNumber));
        }

        if (v == today.day && month == today.month && year == today.year) {
            cell.today = true;
            cell.color = colors.today;
            picture.todayCell = i;
        }
        picture.cells[i] = cell;
    }
    return picture;
}

std::string InformationStripText(const std::vector<MonthIndexEntry>& entries) {
    std::string text;
    for (const MonthIndexEntry& entry : entries) {
        if (entry.type != 2) continue;
        std::string name = Trim(entry.text);
        if (!name.empty() && name.front() == '[') name.erase(0, 1);
        if (!name.empty() && name.back() == ']') name.pop_back();
        text += std::to_string(entry.day) + ": " + name + " - ";
    }
    if (text.size() >= 3 && text.compare(text.size() - 3, 3, " - ") == 0) text.resize(text.size() - 3);
    return text;
}

}  // namespace orvanto
