// orvanto-cli cities [--region N]: the places of the city library, one line
// each: region, position within the region, name, latitude and longitude
// texts, separated by tabs, in library order.
#include <cstdio>
#include <optional>

#include "cli/commands.h"
#include "places/city_library.h"
#include "places/decimal_text.h"

namespace orvanto::cli {

int RunCitiesCommand(const Args& args) {
    std::optional<int> onlyRegion;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--region" && i + 1 < args.size()) {
            const std::optional<int> region = ParseWholeNumber(args[++i]);
            if (!region || *region < 0 || *region >= kCityRegionCount) {
                return UsageError("cities", "--region takes a region index from 0 to 6");
            }
            onlyRegion = region;
        } else {
            return UsageError("cities", "unexpected argument '" + args[i] + "' (usage: cities [--region N])");
        }
    }
    const RegionLists regions = LoadLibraryRegions();
    for (int region = 0; region < kCityRegionCount; ++region) {
        if (onlyRegion && *onlyRegion != region) continue;
        const RegionList& list = regions[region];
        for (std::size_t index = 0; index < list.size(); ++index) {
            std::printf("%d\t%zu\t%s\t%s\t%s\n", region, index, list[index].name.c_str(),
                        list[index].latitude.c_str(), list[index].longitude.c_str());
        }
    }
    return 0;
}

}  // namespace orvanto::cli
