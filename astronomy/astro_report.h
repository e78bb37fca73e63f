// The astronomical report: every value text the astronomical data window shows for one
// date and place, and the printed report's lines built from them.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace orvanto::astro {

struct TAstroReportInput {
    double windowDate = 0;      // local serial date: the chosen day + the local time of day
    double universalHours = 0;  // the clock's time of day in Universal Time, hours
    long double latitude = 0;   // degrees, north positive
    long double longitude = 0;  // degrees, EAST positive (as the settings file keeps it)
    int zoneHours = 0;          // e: local time = Universal Time + e hours
    int dateFormat = 2;         // 1 month/day/year, otherwise day/month/year
    bool twelveHour = false;
    bool minorPhases = false;
    std::string cityName;
};

struct TSeasonRow {
    std::string caption;   // "Spring Equinox:" ...
    std::string thisYear;  // date and time text
    std::string nextYear;
};

// The window's value texts, by label.
struct TAstroValues {
    std::string title;  // "Astronomical Data for " + city, or "Astronomical Data"
    std::string julianDate;
    std::string sunDistanceKm, sunDistanceMiles;
    std::string moonDistance;
    std::string moonAge;
    std::string litFraction;
    std::string lunation;
    TSeasonRow seasons[4];
    std::string sunRise, sunTransit, sunSet, daylight;
    std::string civilStart, civilEnd, nauticalStart, nauticalEnd, astronomicalStart, astronomicalEnd;
    std::string moonRise, moonTransit, moonSet;
    std::string currentPhaseName, currentPhaseDate;
    std::string nextPhaseName, nextPhaseDate;
    std::string nextSunEclipseDate, nextSunEclipseKind;
    std::string nextMoonEclipse;
    std::string sunSubtends, moonSubtends;
    std::string nextPerigee, nextApogee;
    std::string elevation, azimuth, positionNote;
    std::string latitudeText, longitudeText;
    std::string dateLine;  // the window date as a long date and short time
};

// Everything computed afresh.
TAstroValues ComputeAstroValues(const TAstroReportInput& input);

// The instants of the seasons of a year and the next (spring, summer, autumn, winter),
// Universal Time.
struct TSeasonInstants {
    int year = 0;
    double thisYear[4] = {};
    double nextYear[4] = {};
};

// The sun's events of one day and place, Universal Time; none where E_NoRiseSet.
struct TSunDay {
    double day = 0;
    long double latitude = 0, westLongitude = 0;
    std::optional<double> rise, transit, set;
    double twilight[6] = {};  // civil, nautical, astronomical: dawn then dusk; 0 when none
};

// The latest phase at or before an instant and the earliest at or after it (Universal
// Time); both stay the same while the instant lies strictly between them.
struct TPhaseSpan {
    bool minorPhases = false;
    int currentPhase = 0, nextPhase = 0;  // TMoonPhase
    double current = 0, next = 0;
};

// The values of the data window, refreshed once a second: the seasons depend only on the
// year, the sun's rise, transit, set and twilights only on the day and the place, and the
// current and next phase only change when a phase is reached, so they are computed again
// only when those change. The results equal ComputeAstroValues.
class TAstroReport {
public:
    TAstroValues Compute(const TAstroReportInput& input);

private:
    std::optional<TSeasonInstants> seasons_;
    std::optional<TSunDay> sunDay_;
    std::optional<TPhaseSpan> phases_;
};

struct TReportLine {
    int row = 0;  // y in multiples of the line height
    std::string text;
    bool bold = false;
    int pointSize = 10;
};

// The printed report: "Orvanto Astronomical Report" and its sections, row by row.
std::vector<TReportLine> AstroReportLines(const TAstroValues& values);

// The printed report as plain text, one line per row (empty rows kept).
std::string AstroReportText(const TAstroValues& values);

// Text formats of the window and the report.
std::string LongTimeText(int hours, int minutes, int seconds, bool twelveHour);
std::string ShortTimeText(int hours, int minutes, bool twelveHour);
std::string CompassText(long double azimuth);
std::string AngleText(long double value, const std::string& positive, const std::string& negative);
// Whole days + " days " + hours + " hours " + minutes + " minutes " of a moon age in days.
std::string MoonAgeText(long double days);
// "%20.<decimals>n": thousands separators, the leading blanks trimmed.
std::string NumberText(long double value, int decimals);

}  // namespace orvanto::astro
