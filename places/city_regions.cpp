#include "places/city_regions.h"

namespace orvanto {

int RegionOfString(int number) {
    for (const CityRegion& region : kCityRegions) {
        if (number >= region.firstString && number <= region.lastString) return region.index;
    }
    return -1;
}

int NameStringOf(int region, int place) {
    if (region < 0 || region >= kCityRegionCount) return 0;
    if (place < 0 || place >= kCityRegions[region].places) return 0;
    return kCityRegions[region].firstString + 3 * place;
}

}  // namespace orvanto
