// orvanto-cli distance FROM TO [--metric|--english] [--altitude N]: the
// distance calculator's result for two places. A place is a name of the city
// library ("Abbotsford, BC") or decimal degrees "lat,lon" for a typed-in
// place; it is taken in whole degrees and minutes, as the calculator shows it.
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "places/city_library.h"
#include "places/coordinate_text.h"
#include "places/decimal_text.h"
#include "places/distance_input_check.h"
#include "places/sphere_distance.h"

namespace orvanto::cli {

namespace {

constexpr const char* kUsage = "usage: distance FROM TO [--metric|--english] [--altitude N]";

std::string LowerCase(std::string text) {
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return text;
}

DistanceSide SideOf(const std::string& name, double latitude, double longitude) {
    const DegreesMinutes lat = SplitDecimalDegrees(latitude);
    const DegreesMinutes lon = SplitDecimalDegrees(longitude);
    return {name,         std::to_string(lat.degrees), std::to_string(lat.minutes),
            lat.negative, std::to_string(lon.degrees), std::to_string(lon.minutes),
            lon.negative};
}

// "lat,lon" in decimal degrees, when the text is that.
std::optional<DistanceSide> TypedInPlace(const std::string& text, std::string& error) {
    const std::size_t comma = text.find(',');
    if (comma == std::string::npos || text.find(',', comma + 1) != std::string::npos) return std::nullopt;
    const std::optional<double> latitude = ParseDecimal(text.substr(0, comma));
    const std::optional<double> longitude = ParseDecimal(text.substr(comma + 1));
    if (!latitude || !longitude) return std::nullopt;
    if (*latitude < -90.0 || *latitude > 90.0 || *longitude < -180.0 || *longitude > 180.0) {
        error = "'" + text + "': latitude must be within -90..90 and longitude within -180..180";
        return std::nullopt;
    }
    return SideOf(text, *latitude, *longitude);
}

// A library place by its name: the exact name first, else ignoring case.
std::optional<DistanceSide> LibraryPlace(const RegionLists& regions, const std::string& name) {
    for (const bool ignoreCase : {false, true}) {
        for (const RegionList& list : regions) {
            for (const CityEntry& entry : list) {
                const bool same = ignoreCase ? LowerCase(entry.name) == LowerCase(name) : entry.name == name;
                if (same)
                    return SideOf(entry.name, DecimalOrZero(entry.latitude), DecimalOrZero(entry.longitude));
            }
        }
    }
    return std::nullopt;
}

}  // namespace

int RunDistanceCommand(const Args& args) {
    std::vector<std::string> places;
    DistanceUnits units = DistanceUnits::Metric;
    std::string altitude = "0";
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--metric") {
            units = DistanceUnits::Metric;
        } else if (arg == "--english") {
            units = DistanceUnits::English;
        } else if (arg == "--altitude") {
            if (i + 1 >= args.size()) return UsageError("distance", "--altitude needs a value");
            altitude = args[++i];
        } else if (arg.rfind("--altitude=", 0) == 0) {
            altitude = arg.substr(11);
        } else if (arg.rfind("--", 0) == 0) {
            return UsageError("distance", "unknown option '" + arg + "' (" + kUsage + ")");
        } else {
            places.push_back(arg);
        }
    }
    if (places.size() != 2) return UsageError("distance", kUsage);

    const RegionLists regions = LoadLibraryRegions();
    DistanceSide sides[2];
    for (int i = 0; i < 2; ++i) {
        std::string error;
        std::optional<DistanceSide> side = TypedInPlace(places[i], error);
        if (!error.empty()) return UsageError("distance", error);
        if (!side) side = LibraryPlace(regions, places[i]);
        if (!side) return UsageError("distance", "unknown place '" + places[i] + "'");
        sides[i] = *side;
    }

    double altitudeValue = 0.0;
    if (auto failure = CheckCalculateInputs(sides[0], sides[1], altitude, altitudeValue)) {
        return UsageError("distance", failure->text);
    }
    const double km =
        SphereDistanceKm(AnglesOf(sides[0]), AnglesOf(sides[1]), HeightKm(altitudeValue, units));
    std::printf("%s\n", DistanceText(km, units).c_str());
    return 0;
}

}  // namespace orvanto::cli
