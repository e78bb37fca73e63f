// Reading the city library (libcities.so) through its one export, GetString,
// into the seven region lists the distance calculator and the location page
// work on.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "places/city_regions.h"

namespace orvanto {

// One place: its display name and its coordinate texts, kept together so
// that sorting never separates a name from its coordinates.
struct CityEntry {
    std::string name;
    std::string latitude;   // decimal degrees, north positive
    std::string longitude;  // decimal degrees, east positive
};

using RegionList = std::vector<CityEntry>;
using RegionLists = std::array<RegionList, kCityRegionCount>;

// String number `number` of the library ("" for an unknown number).
std::string CityLibraryString(int number);

// Every place of the library in its region list, in library order (strings
// fetched in ascending number order, three at a time).
RegionLists LoadLibraryRegions();

}  // namespace orvanto
