// The generated string table of the cities library (cities/city_table.cpp,
// written by tools/gen_city_table.js).
#pragma once

#include <cstddef>

namespace orvanto::cities {

// One string of the table with its length in bytes (at most 255).
struct CityString {
    unsigned char length;
    const char* text;
};

// String number n (1 to kCityStringCount) is kCityStrings[n - 1].
extern const CityString kCityStrings[];
extern const std::size_t kCityStringCount;

}  // namespace orvanto::cities
