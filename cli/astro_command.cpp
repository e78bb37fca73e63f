// orvanto-cli astro: the astronomical report for a date and a place, as text.
//
//   astro [--settings FILE] [--date YYYY-MM-DD] [--time HH:MM[:SS]] [--lat DEG --lon DEG]
//         [--city NAME] [--zone-hours N] [--date-format 1|2] [--12h] [--minor-phases]
//         [--events] [--pdf FILE]
//
// Location, date format and the minor-phases switch come from the settings file
// (ORVANTO.INI beside the program unless --settings names another; their defaults
// without one) unless given; --lon is east positive like the settings file. The
// date and time are local; without --time the time of day is the clock's. --events
// prints instead the day's events in Universal Time, one "name<TAB>YYYY-MM-DD HH:MM:SS"
// line each ("none" where the event does not occur), and the Earth's heliocentric
// longitude, latitude (degrees) and radius (AU) at 0h, for scripts. --pdf writes the
// printed report (the data window's "&Print") into a PDF file instead of the text.
#include <charconv>
#include <cmath>
#include <cstdio>
#include <functional>
#include <optional>
#include <string>

#include "astronomy/astro_report.h"
#include "astronomy/errors.h"
#include "astronomy/julian_day.h"
#include "astronomy/rise_set.h"
#include "astronomy/seasons.h"
#include "astronomy/twilight.h"
#include "astronomy/vsop87.h"
#include "cli/cli_arguments.h"
#include "cli/commands.h"
#include "cli/drawn_output.h"
#include "cli/qt_module.h"
#include "cli/settings_option.h"
#include "core/clock.h"
#include "core/decimal_number.h"
#include "core/ini_file.h"
#include "core/settings_keys.h"
#include "core/time_format.h"
#include "core/time_zone.h"
#include "places/city_library.h"

namespace orvanto::cli {

namespace {

constexpr const char* kCommand = "astro";

struct AstroOptions {
    std::optional<std::string> settingsPath;
    std::optional<std::string> date, time, city, pdf;
    std::optional<long double> latitude, longitude;
    std::optional<int> zoneHours, dateFormat;
    bool twelveHour = false;
    bool minorPhases = false;
    bool events = false;
};

// A decimal number of the command line or the settings file: "." as the
// point whatever the user's locale.
std::optional<long double> ParseNumber(const std::string& text) {
    const std::optional<double> value = ParseDecimal(text);
    if (!value) return std::nullopt;
    return static_cast<long double>(*value);
}

// HH:MM or HH:MM:SS as a fraction of a day.
std::optional<double> ParseTime(const std::string& text) {
    int h = 0, m = 0, s = 0;
    char tail = 0;
    const int fields = std::sscanf(text.c_str(), "%2d:%2d:%2d%c", &h, &m, &s, &tail);
    if (fields != 2 && fields != 3) return std::nullopt;
    if (h < 0 || h > 23 || m < 0 || m > 59 || s < 0 || s > 59) return std::nullopt;
    return (h * 3600 + m * 60 + s) / 86400.0;
}

std::string Lower(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return text;
}

// The library place named NAME (compared without regard to case); a unique beginning of
// a name is enough.
std::optional<CityEntry> FindCity(const std::string& name, std::string& error) {
    const std::string wanted = Lower(name);
    std::optional<CityEntry> prefixMatch;
    int prefixMatches = 0;
    for (const RegionList& region : LoadLibraryRegions()) {
        for (const CityEntry& city : region) {
            const std::string candidate = Lower(city.name);
            if (candidate == wanted) return city;
            if (candidate.rfind(wanted, 0) == 0) {
                if (!prefixMatch) prefixMatch = city;
                ++prefixMatches;
            }
        }
    }
    if (prefixMatches == 1) return prefixMatch;
    error = prefixMatches == 0 ? "no place named '" + name + "' in the city library"
                               : "'" + name + "' names more than one place; give more of the name";
    return std::nullopt;
}

bool IsValuedOption(const std::string& a) {
    for (const char* name : {"--settings", "--date", "--time", "--city", "--lat", "--lon", "--zone-hours",
                             "--date-format", "--pdf"})
        if (a == name) return true;
    return false;
}

std::optional<std::string> ParseArguments(const Args& args, AstroOptions& o) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool hasValue = i + 1 < args.size();
        const auto value = [&]() -> const std::string& { return args[++i]; };
        if (a == "--12h") {
            o.twelveHour = true;
        } else if (a == "--minor-phases") {
            o.minorPhases = true;
        } else if (a == "--events") {
            o.events = true;
        } else if (!hasValue && IsValuedOption(a)) {
            return a + " needs a value";
        } else if (a == "--settings") {
            o.settingsPath = NamedSettingsFile(value());
            if (!o.settingsPath) return UnusableSettingsFileText(args[i]);
        } else if (a == "--date") {
            o.date = value();
        } else if (a == "--time") {
            o.time = value();
        } else if (a == "--city") {
            o.city = value();
        } else if (a == "--pdf") {
            o.pdf = value();
        } else if (a == "--lat" || a == "--lon") {
            const std::optional<long double> number = ParseNumber(value());
            const long double limit = a == "--lat" ? 90 : 180;
            if (!number || std::fabs(static_cast<double>(*number)) > limit)
                return a + " takes degrees from -" + std::to_string(static_cast<int>(limit)) + " to " +
                       std::to_string(static_cast<int>(limit));
            (a == "--lat" ? o.latitude : o.longitude) = number;
        } else if (a == "--zone-hours") {
            o.zoneHours = ParseInteger(value());
            if (!o.zoneHours || *o.zoneHours < -12 || *o.zoneHours > 14)
                return "--zone-hours takes whole hours from -12 to 14";
        } else if (a == "--date-format") {
            o.dateFormat = ParseInteger(value());
            if (!o.dateFormat || (*o.dateFormat != 1 && *o.dateFormat != 2))
                return "--date-format takes 1 (month first) or 2 (day first)";
        } else {
            return "unexpected argument '" + a + "'";
        }
    }
    if (o.latitude.has_value() != o.longitude.has_value()) return "--lat and --lon go together";
    if (o.city && o.latitude) return "give either --city or --lat and --lon";
    if (o.pdf && o.events) return "give either --events or --pdf";
    return std::nullopt;
}

std::string UniversalText(double serial) {
    const long long seconds = std::llround(serial * 86400.0);
    const long long day = seconds >= 0 ? seconds / 86400 : (seconds - 86399) / 86400;
    const long long rest = seconds - day * 86400;
    const astro::CalendarDate d = astro::DecodeSerialDate(static_cast<double>(day));
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d %02lld:%02lld:%02lld", d.year, d.month, d.day,
                  rest / 3600, rest / 60 % 60, rest % 60);
    return buffer;
}

// The day's events in Universal Time for scripts that compare them with other ephemerides.
void PrintEvents(double day, long double latitude, long double eastLongitude) {
    const long double west = -eastLongitude;
    const auto line = [](const char* name, const std::function<double()>& event) {
        std::string text;
        try {
            const double when = event();
            text = when == 0 ? "none" : UniversalText(when);
        } catch (const astro::E_NoRiseSet&) {
            text = "none";
        }
        std::printf("%s\t%s\n", name, text.c_str());
    };
    using namespace astro;
    line("sunrise", [&] { return SunriseTime(day, latitude, west); });
    line("suntransit", [&] { return SunTransitTime(day, latitude, west); });
    line("sunset", [&] { return SunsetTime(day, latitude, west); });
    line("moonrise", [&] { return MoonriseTime(day, latitude, west); });
    line("moontransit", [&] { return MoonTransitTime(day, latitude, west); });
    line("moonset", [&] { return MoonsetTime(day, latitude, west); });
    line("civildawn", [&] { return CivilDawn(day, latitude, west); });
    line("civildusk", [&] { return CivilDusk(day, latitude, west); });
    line("nauticaldawn", [&] { return NauticalDawn(day, latitude, west); });
    line("nauticaldusk", [&] { return NauticalDusk(day, latitude, west); });
    line("astronomicaldawn", [&] { return AstronomicalDawn(day, latitude, west); });
    line("astronomicaldusk", [&] { return AstronomicalDusk(day, latitude, west); });
    const auto year = static_cast<std::int16_t>(DecodeSerialDate(day).year);
    line("marchequinox", [&] { return SeasonStart(year, ssSpring); });
    line("junesolstice", [&] { return SeasonStart(year, ssSummer); });
    line("septemberequinox", [&] { return SeasonStart(year, ssAutumn); });
    line("decembersolstice", [&] { return SeasonStart(year, ssWinter); });
    const THeliocentric earth = EarthHeliocentric(day);
    std::printf("earth\t%.10f\t%.10f\t%.12f\n", static_cast<double>(earth.L), static_cast<double>(earth.B),
                static_cast<double>(earth.R));
}

}  // namespace

int RunAstroCommand(const Args& args) { return RunAstroCommand(args, nullptr); }

int RunAstroCommand(const Args& args, AstroPdfWriter writePdf) {
    AstroOptions o;
    if (const std::optional<std::string> error = ParseArguments(args, o)) return UsageError(kCommand, *error);
    if (o.pdf && !writePdf) return RunInQtModule(kCommand, args);

    const IniFile ini(SettingsPathOrDefault(o.settingsPath));
    const auto text = [&](std::string_view section, std::string_view key) {
        return ReadSettingText(ini, section, key, SettingsReader::AstronomicalWindow);
    };
    const auto integer = [&](std::string_view key) {
        return ReadSettingInteger(ini, kSettingsSection, key, SettingsReader::AstronomicalWindow);
    };
    const auto boolean = [&](std::string_view key) {
        return ReadSettingBool(ini, kSettingsSection, key, SettingsReader::AstronomicalWindow);
    };

    astro::TAstroReportInput in;
    in.cityName = text(kLocationSection, "CityName");
    in.latitude = ParseNumber(text(kLocationSection, "Latitude")).value_or(0);
    in.longitude = ParseNumber(text(kLocationSection, "Longitude")).value_or(0);
    if (o.city) {
        std::string error;
        const std::optional<CityEntry> city = FindCity(*o.city, error);
        if (!city) return UsageError(kCommand, error);
        in.cityName = city->name;
        in.latitude = ParseNumber(city->latitude).value_or(0);
        in.longitude = ParseNumber(city->longitude).value_or(0);
    } else if (o.latitude) {
        in.cityName.clear();
        in.latitude = *o.latitude;
        in.longitude = *o.longitude;
    }
    in.dateFormat = o.dateFormat.value_or(integer("DateFormat"));
    in.minorPhases = o.minorPhases || boolean("MinorPhases");
    in.twelveHour = o.twelveHour || SystemTwelveHourClock();
    in.zoneHours = o.zoneHours.value_or(
        -TimeZoneBiasHours(TimeZoneBias(SystemTimeZoneFacts(), boolean("DSTCorrection"))));

    const SystemClock clock;
    const double localNow = clock.LocalNow();
    double day = std::floor(localNow);
    if (o.date) {
        const std::optional<double> parsed = ParseIsoDateSerial(*o.date);
        if (!parsed) return UsageError(kCommand, "--date takes a date YYYY-MM-DD of 1753 to 2078");
        day = *parsed;
    }
    if (o.events) {
        PrintEvents(day, in.latitude, in.longitude);
        return 0;
    }
    double timeOfDay = localNow - std::floor(localNow);
    double universalHours = (clock.UtcNow() - std::floor(clock.UtcNow())) * 24;
    if (o.time) {
        const std::optional<double> parsed = ParseTime(*o.time);
        if (!parsed) return UsageError(kCommand, "--time takes a time HH:MM or HH:MM:SS");
        timeOfDay = *parsed;
        const double universal = day + timeOfDay - in.zoneHours / 24.0;
        universalHours = (universal - std::floor(universal)) * 24;
    }
    in.windowDate = day + timeOfDay;
    in.universalHours = universalHours;

    const astro::TAstroValues values = astro::ComputeAstroValues(in);
    if (o.pdf) return writePdf(values, *o.pdf);
    std::fputs(astro::AstroReportText(values).c_str(), stdout);
    return 0;
}

}  // namespace orvanto::cli
