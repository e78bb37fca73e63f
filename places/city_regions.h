// The seven regions of the city library: their names and the ranges of
// string numbers that hold their places, plus the typed-in region "Custom".
#pragma once

#include <array>
#include <string>

namespace orvanto {

struct CityRegion {
    int index;
    const char* name;
    int firstString;  // the name string of the region's first place
    int lastString;   // the longitude string of its last place
    int places;
};

inline constexpr int kCityRegionCount = 7;
inline constexpr int kCustomRegionIndex = 7;
inline constexpr int kCityStringTotal = 5970;
inline constexpr int kCityPlaceTotal = 1990;

inline constexpr std::array<CityRegion, kCityRegionCount> kCityRegions = {{
    {0, "North America", 1, 4695, 1565},
    {1, "Central America & Caribbean", 4696, 4761, 22},
    {2, "South America", 4762, 4854, 31},
    {3, "Europe", 4855, 5340, 162},
    {4, "Asia & Middle East", 5341, 5655, 105},
    {5, "Africa", 5656, 5778, 41},
    {6, "Oceania", 5779, 5970, 64},
}};

// The eight names of the region choosers, in index order (the seven library
// regions, then "Custom").
inline constexpr std::array<const char*, kCityRegionCount + 1> kRegionNames = {"North America",
                                                                               "Central America & Caribbean",
                                                                               "South America",
                                                                               "Europe",
                                                                               "Asia & Middle East",
                                                                               "Africa",
                                                                               "Oceania",
                                                                               "Custom"};

// The region whose range holds string number `number`, or -1 for none.
int RegionOfString(int number);

// The string number of the name of place `place` (from 0) of region
// `region`, or 0 when there is no such place.
int NameStringOf(int region, int place);

}  // namespace orvanto
