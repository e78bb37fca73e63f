#include "places/city_library.h"

#include "cities/cities.h"

namespace orvanto {

std::string CityLibraryString(int number) {
    unsigned char buffer[256];
    GetString(number, buffer);
    return std::string(reinterpret_cast<const char*>(buffer + 1), buffer[0]);
}

RegionLists LoadLibraryRegions() {
    RegionLists lists;
    for (const CityRegion& region : kCityRegions) {
        RegionList& list = lists[region.index];
        list.reserve(region.places);
        for (int number = region.firstString; number + 2 <= region.lastString; number += 3) {
            list.push_back(
                {CityLibraryString(number), CityLibraryString(number + 1), CityLibraryString(number + 2)});
        }
    }
    return lists;
}

}  // namespace orvanto
