// The astronomical report: what is computed for which label, the time conventions and
// the value texts, shared by the data window, the printed report and the command line.
#include "astronomy/astro_report.h"

#include <cmath>
#include <cstdio>
#include <functional>

#include "astronomy/eclipses.h"
#include "astronomy/errors.h"
#include "astronomy/julian_day.h"
#include "astronomy/moon_illumination.h"
#include "astronomy/moon_phases.h"
#include "astronomy/moon_position.h"
#include "astronomy/perigee_apogee.h"
#include "astronomy/rise_set.h"
#include "astronomy/seasons.h"
#include "astronomy/solar_position.h"
#include "astronomy/sun_horizontal.h"
#include "astronomy/twilight.h"
#include "calendar/date_text.h"
#include "calendar/twelve_hour.h"

namespace orvanto::astro {

namespace {

constexpr long long kMillisecondsPerDay = 86400000;

std::string Format(const char* format, auto... values) {
    char buffer[128];
    std::snprintf(buffer, sizeof buffer, format, values...);
    return buffer;
}

// A serial date split into its calendar date and time of day, rounded to the millisecond.
struct DateTimeParts {
    CalendarDate date;
    int hours = 0, minutes = 0, seconds = 0;
};

DateTimeParts SplitSerial(double serial) {
    const SerialDateTime t = DecodeSerialDateTime(serial);
    return {t.date, t.hour, t.minute, t.second};
}

class ReportBuilder {
public:
    explicit ReportBuilder(const TAstroReportInput& input) : in_(input) {}

    double ToLocal(double x) const { return x == 0 ? 0 : x + in_.zoneHours / 24.0; }
    double ToUniversal(double x) const { return x - in_.zoneHours / 24.0; }

    std::string Date(double serial) const {
        const DateTimeParts p = SplitSerial(serial);
        return DateText(p.date.year, p.date.month, p.date.day, in_.dateFormat);
    }
    std::string LongTime(double serial) const {
        const DateTimeParts p = SplitSerial(serial);
        return LongTimeText(p.hours, p.minutes, p.seconds, in_.twelveHour);
    }
    std::string ShortTime(double serial) const {
        const DateTimeParts p = SplitSerial(serial);
        return ShortTimeText(p.hours, p.minutes, in_.twelveHour);
    }
    std::string DateAndLongTime(double serial, const char* separator) const {
        return Date(serial) + separator + LongTime(serial);
    }

    // The local time text of a rise, transit or set, or the no-rise-set text.
    std::string EventTime(const std::function<double()>& event) const {
        try {
            return LongTime(ToLocal(event()));
        } catch (const E_NoRiseSet& e) {
            return e.what();
        }
    }

    const TAstroReportInput& in_;
};

std::string DaylightText(const TSunDay& sun) {
    if (!sun.rise || !sun.set) return kNoRiseSetText;
    const double rise = *sun.rise;
    const double set = *sun.set;
    double length = set - rise;
    if (set < rise) length = (86399999.0 / kMillisecondsPerDay) - rise + set;
    const DateTimeParts p = SplitSerial(length);
    return Format("%2.2d:%2.2d:%2.2d", p.hours, p.minutes, p.seconds);
}

std::optional<double> EventOrNone(const std::function<double()>& event) {
    try {
        return event();
    } catch (const E_NoRiseSet&) {
        return std::nullopt;
    }
}

TSeasonInstants ComputeSeasons(int year) {
    static constexpr TSeason kOrder[4] = {ssSpring, ssSummer, ssAutumn, ssWinter};
    TSeasonInstants s;
    s.year = year;
    for (int i = 0; i < 4; ++i) {
        s.thisYear[i] = SeasonStart(static_cast<std::int16_t>(year), kOrder[i]);
        s.nextYear[i] = SeasonStart(static_cast<std::int16_t>(year + 1), kOrder[i]);
    }
    return s;
}

TSunDay ComputeSunDay(double t, long double phi, long double west) {
    TSunDay d;
    d.day = std::floor(t);
    d.latitude = phi;
    d.westLongitude = west;
    d.rise = EventOrNone([&] { return SunriseTime(t, phi, west); });
    d.transit = EventOrNone([&] { return SunTransitTime(t, phi, west); });
    d.set = EventOrNone([&] { return SunsetTime(t, phi, west); });
    d.twilight[0] = CivilDawn(t, phi, west);
    d.twilight[1] = CivilDusk(t, phi, west);
    d.twilight[2] = NauticalDawn(t, phi, west);
    d.twilight[3] = NauticalDusk(t, phi, west);
    d.twilight[4] = AstronomicalDawn(t, phi, west);
    d.twilight[5] = AstronomicalDusk(t, phi, west);
    return d;
}

TPhaseSpan ComputePhaseSpan(double u, bool minorPhases);

TAstroValues ComputeValues(const TAstroReportInput& in, const TSeasonInstants& seasons, const TSunDay& sun,
                           const TPhaseSpan& phases);

}  // namespace

std::string MoonAgeText(long double age) {
    const long double days = std::trunc(age);
    const DateTimeParts p = SplitSerial(static_cast<double>(age - days));
    return Format("%d", static_cast<int>(days)) + " days " + Format("%2.2d", p.hours) + " hours " +
           Format("%2.2d", p.minutes) + " minutes ";
}

namespace {

struct PhaseChoice {
    TMoonPhase phase = mpNewMoon;
    double when = 0;
};

// The phase whose latest (or earliest) occurrence lies nearest the instant, over the
// principal phases and, when asked, the intermediate ones.
PhaseChoice NearestPhase(double u, bool minorPhases, bool before) {
    const auto at = [&](TMoonPhase p) { return before ? PhaseOnOrBefore(p, u) : PhaseOnOrAfter(p, u); };
    PhaseChoice kept{mpNewMoon, at(mpNewMoon)};
    constexpr TMoonPhase kOrder[] = {mpWaxingCrescent, mpFirstQuarter, mpWaxingGibbous, mpFullMoon,
                                     mpWaningGibbous,  mpLastQuarter,  mpWaningCrescent};
    for (const TMoonPhase phase : kOrder) {
        const bool minor = phase % 2 == 1;
        if (minor && !minorPhases) continue;
        const double when = at(phase);
        const bool better =
            before ? (phase == mpWaxingCrescent ? when >= kept.when : when > kept.when) : when < kept.when;
        if (better) kept = {phase, when};
    }
    return kept;
}

std::string SubtendsText(long double arcseconds) {
    return Format("%6.4f", static_cast<double>(arcseconds / 3600.0L));
}

std::string Trim(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : text.substr(first);
}

std::string LongDateLine(double serial, const ReportBuilder& builder, int dateFormat) {
    static const char* const kWeekdays[] = {"Saturday",  "Sunday",   "Monday", "Tuesday",
                                            "Wednesday", "Thursday", "Friday"};
    static const char* const kMonths[] = {"January",   "February", "March",    "April",
                                          "May",       "June",     "July",     "August",
                                          "September", "October",  "November", "December"};
    const DateTimeParts p = SplitSerial(serial);
    // Serial 0 (30 December 1899) was a Saturday.
    const long long day = static_cast<long long>(std::floor(serial));
    const char* weekday = kWeekdays[((day % 7) + 7) % 7];
    const char* month = kMonths[p.date.month - 1];
    const std::string date = MonthFirst(dateFormat)
                                 ? Format("%s, %s %d, %d", weekday, month, p.date.day, p.date.year)
                                 : Format("%s, %d %s %d", weekday, p.date.day, month, p.date.year);
    return date + ", " + builder.ShortTime(serial);
}

}  // namespace

// With the twelve-hour flag the hours 12 to 23 are "pm" (12 stays 12, 13 becomes 01) and
// 00 to 11 "am": the report's noon rule keeps midnight at 00.
std::string LongTimeText(int hours, int minutes, int seconds, bool twelveHour) {
    if (!twelveHour) return Format("%2.2d:%2.2d:%2.2d", hours, minutes, seconds);
    const TwelveHourTime shown = ToTwelveHour(hours, NoonRule::ZeroMidnight);
    return Format("%2.2d:%2.2d:%2.2d", shown.hour, minutes, seconds) + (shown.afternoon ? " pm" : " am");
}

std::string ShortTimeText(int hours, int minutes, bool twelveHour) {
    if (!twelveHour) return Format("%2.2d:%2.2d", hours, minutes);
    const TwelveHourTime shown = ToTwelveHour(hours, NoonRule::ZeroMidnight);
    return Format("%2.2d:%2.2d", shown.hour, minutes) + (shown.afternoon ? " pm" : " am");
}

std::string CompassText(long double a) {
    struct Sector {
        long double from, to;
        const char* name;
    };
    static constexpr Sector kSectors[] = {
        {337.5L, 360, "N"},     {0, 22.5L, "N"},        {22.5L, 67.5L, "NE"},
        {67.5L, 112.5L, "E"},   {112.5L, 157.5L, "SE"}, {157.5L, 202.5L, "S"},
        {202.5L, 247.5L, "SW"}, {247.5L, 292.5L, "W"},  {292.5L, 337.5L, "NW"},
    };
    for (const Sector& s : kSectors)
        if (a >= s.from && a < s.to) return s.name;
    return "??";
}

// Whole degrees, then the minutes rounded (ties to even) without carrying into the degrees.
std::string AngleText(long double value, const std::string& positive, const std::string& negative) {
    const long double magnitude = std::fabs(value);
    const long double degrees = std::trunc(magnitude);
    const long double minutes = std::nearbyint((magnitude - degrees) * 60);
    return Format("%d", static_cast<int>(degrees)) + "\xC2\xB0 " + Format("%d", static_cast<int>(minutes)) +
           "'" + (value >= 0 ? positive : negative);
}

std::string NumberText(long double value, int decimals) {
    std::string digits = Format("%.*f", decimals, static_cast<double>(value));
    std::string sign;
    if (!digits.empty() && digits[0] == '-') {
        sign = "-";
        digits.erase(0, 1);
    }
    const auto point = digits.find('.');
    std::string whole = digits.substr(0, point);
    const std::string fraction = point == std::string::npos ? "" : digits.substr(point);
    for (int i = static_cast<int>(whole.size()) - 3; i > 0; i -= 3) whole.insert(i, ",");
    return Trim(sign + whole + fraction);
}

TAstroValues ComputeAstroValues(const TAstroReportInput& in) { return TAstroReport().Compute(in); }

TAstroValues TAstroReport::Compute(const TAstroReportInput& in) {
    const double t = in.windowDate;
    const int year = SplitSerial(t).date.year;
    if (!seasons_ || seasons_->year != year) seasons_ = ComputeSeasons(year);
    const long double west = -in.longitude;
    if (!sunDay_ || sunDay_->day != std::floor(t) || sunDay_->latitude != in.latitude ||
        sunDay_->westLongitude != west)
        sunDay_ = ComputeSunDay(t, in.latitude, west);
    const double u = t - in.zoneHours / 24.0;
    if (!phases_ || phases_->minorPhases != in.minorPhases || !(phases_->current < u) || !(u < phases_->next))
        phases_ = ComputePhaseSpan(u, in.minorPhases);
    return ComputeValues(in, *seasons_, *sunDay_, *phases_);
}

namespace {

TPhaseSpan ComputePhaseSpan(double u, bool minorPhases) {
    const PhaseChoice current = NearestPhase(u, minorPhases, true);
    const PhaseChoice next = NearestPhase(u, minorPhases, false);
    return {minorPhases, current.phase, next.phase, current.when, next.when};
}

TAstroValues ComputeValues(const TAstroReportInput& in, const TSeasonInstants& seasons, const TSunDay& sun,
                           const TPhaseSpan& phases) {
    const ReportBuilder b(in);
    const double t = in.windowDate;
    const long double phi = in.latitude;
    const long double west = -in.longitude;
    TAstroValues v;

    v.title = in.cityName.empty() ? "Astronomical Data" : "Astronomical Data for " + in.cityName;
    v.julianDate = NumberText(SerialToJulianDay(t), 4);

    const long double sunKm = SunDistanceAU(t) * kAstronomicalUnitKm;
    v.sunDistanceKm = NumberText(sunKm, 0) + " km";
    v.sunDistanceMiles = "(" + NumberText(sunKm * 0.625L, 0) + " miles)";
    const long double moonKm = MoonDistance(t);
    v.moonDistance = NumberText(moonKm, 2) + " km  (" + NumberText(moonKm * 0.625L, 2) + " miles)";
    v.moonAge = MoonAgeText(MoonAge(t));
    v.litFraction = NumberText(MoonLitFraction(t) * 100, 2) + " %";
    v.lunation = Format("%d", static_cast<int>(LunationNumber(t)));

    // Seasons of this year and the next; in the southern hemisphere the same instants carry
    // the opposite season's names.
    static constexpr const char* kNorth[4] = {
        "Spring Equinox:", "Summer Solstice:", "Autumn Equinox:", "Winter Solstice:"};
    static constexpr const char* kSouth[4] = {
        "Autumn Equinox:", "Winter Solstice:", "Spring Equinox:", "Summer Solstice:"};
    for (int i = 0; i < 4; ++i) {
        v.seasons[i].caption = phi >= 0 ? kNorth[i] : kSouth[i];
        v.seasons[i].thisYear = b.DateAndLongTime(b.ToLocal(seasons.thisYear[i]), ", ");
        v.seasons[i].nextYear = b.DateAndLongTime(b.ToLocal(seasons.nextYear[i]), ", ");
    }

    const auto sunEvent = [&](const std::optional<double>& when) {
        return when ? b.LongTime(b.ToLocal(*when)) : std::string(kNoRiseSetText);
    };
    v.sunRise = sunEvent(sun.rise);
    v.sunTransit = sunEvent(sun.transit);
    v.sunSet = sunEvent(sun.set);
    v.daylight = DaylightText(sun);

    std::string* const twilightTexts[6] = {&v.civilStart,  &v.civilEnd,          &v.nauticalStart,
                                           &v.nauticalEnd, &v.astronomicalStart, &v.astronomicalEnd};
    for (int i = 0; i < 6; ++i) *twilightTexts[i] = b.LongTime(b.ToLocal(sun.twilight[i]));

    v.moonRise = b.EventTime([&] { return MoonriseTime(t, phi, west); });
    v.moonTransit = b.EventTime([&] { return MoonTransitTime(t, phi, west); });
    v.moonSet = b.EventTime([&] { return MoonsetTime(t, phi, west); });

    const auto phaseDate = [&](double when) {
        return b.Date(b.ToLocal(when)) + ",  " + b.ShortTime(b.ToLocal(when));
    };
    v.currentPhaseName = std::string(MoonPhaseName(static_cast<TMoonPhase>(phases.currentPhase))) + ",";
    v.currentPhaseDate = phaseDate(phases.current);
    v.nextPhaseName = std::string(MoonPhaseName(static_cast<TMoonPhase>(phases.nextPhase))) + ",";
    v.nextPhaseDate = phaseDate(phases.next);

    const EclipseFound sunEclipse = NextEclipse(t, EclipseType::Solar);
    v.nextSunEclipseDate = b.DateAndLongTime(b.ToLocal(sunEclipse.date), ",  ");
    v.nextSunEclipseKind = EclipseKindText(sunEclipse.kind);
    const EclipseFound moonEclipse = NextEclipse(t, EclipseType::Lunar);
    v.nextMoonEclipse =
        b.DateAndLongTime(b.ToLocal(moonEclipse.date), ",  ") + ",  " + EclipseKindText(moonEclipse.kind);

    v.sunSubtends = SubtendsText(SunDiameter(t));
    v.moonSubtends = SubtendsText(MoonDiameter(t));

    v.nextPerigee = b.DateAndLongTime(b.ToLocal(NextPerigee(t)), ",  ");
    v.nextApogee = b.DateAndLongTime(b.ToLocal(NextApogee(t)), ",  ");

    const THorizontal now = SunHorizontalNow(t, in.universalHours, phi, west);
    v.elevation = Format("%0.2f", static_cast<double>(now.Elevation)) + " deg";
    v.azimuth = Format("%0.2f", static_cast<double>(now.Azimuth)) + "  (" + CompassText(now.Azimuth) + ")";
    v.positionNote = now.Elevation >= 0 ? "" : "(not visible)";

    v.latitudeText = AngleText(in.latitude, " N", " S");
    v.longitudeText = AngleText(in.longitude, " E", " W");
    v.dateLine = LongDateLine(t, b, in.dateFormat);
    return v;
}

}  // namespace

std::vector<TReportLine> AstroReportLines(const TAstroValues& v) {
    std::vector<TReportLine> lines = {
        {0, "Orvanto Astronomical Report", true, 14},
        {3, "Date", true, 10},
        {4, v.dateLine},
        {5, "Julian Date: " + v.julianDate},
        {7, "Location", true, 10},
        {8, "Latitude: " + v.latitudeText},
        {9, "Longitude: " + v.longitudeText},
        {11, "The Moon", true, 10},
        {12, "Current phase: " + v.currentPhaseName},
        {13, "Moon rise: " + v.moonRise},
        {14, "Moon transit: " + v.moonTransit},
        {15, "Moon set: " + v.moonSet},
        {16, "Lit fraction: " + v.litFraction},
        {17, "Age of Moon: " + v.moonAge},
        {18, "Lunation: " + v.lunation},
        {19, "Next phase: " + v.nextPhaseName},
        {20, "Distance: " + v.moonDistance},
        {21, "Next eclipse: " + v.nextMoonEclipse},
        {22, "Next perigee: " + v.nextPerigee},
        {23, "Next apogee: " + v.nextApogee},
        {25, "The Sun", true, 10},
        {26, "Sun rise: " + v.sunRise},
        {27, "Sun transit: " + v.sunTransit},
        {28, "Sun set: " + v.sunSet},
        {29, "Daylight: " + v.daylight},
        {30, "Distance: " + v.sunDistanceKm},
        {31, "Elevation: " + v.elevation},
        {32, "Azimuth: " + v.azimuth},
        {33, "Next eclipse: " + v.nextSunEclipseDate + ", " + v.nextSunEclipseKind},
        {34, "Civil twilight start: " + v.civilStart},
        {35, "Civil twilight end: " + v.civilEnd},
        {36, "Nautical twilight start: " + v.nauticalStart},
        {37, "Nautical twilight end: " + v.nauticalEnd},
        {38, "Astronomical twilight start: " + v.astronomicalStart},
        {39, "Astronomical twilight end: " + v.astronomicalEnd},
        {41, "The Seasons", true, 10},
    };
    for (int i = 0; i < 4; ++i) {
        const TSeasonRow& s = v.seasons[i];
        lines.push_back({42 + i, s.caption + "  " + s.thisYear + ", " + s.nextYear});
    }
    return lines;
}

std::string AstroReportText(const TAstroValues& values) {
    std::string text;
    int row = 0;
    for (const TReportLine& line : AstroReportLines(values)) {
        for (; row < line.row; ++row) text += "\n";
        text += line.text + "\n";
        row = line.row + 1;
    }
    return text;
}

}  // namespace orvanto::astro
