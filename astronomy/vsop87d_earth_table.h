// The Earth's VSOP87D series as compiled-in data (generated into vsop87d_earth_table.cpp).
#pragma once

#include <cstddef>

namespace orvanto::astro::vsop87d_earth {

struct Row {
    long double a;  // amplitude x 1e8
    long double b;  // phase, radians
    long double c;  // frequency, radians per Julian millennium
};

struct Series {
    const Row* rows;
    std::size_t count;
};

// Indexed by power of tau, 0 ... 5; a power without terms has count 0.
extern const Series kLongitude[6];
extern const Series kLatitude[6];
extern const Series kRadius[6];

}  // namespace orvanto::astro::vsop87d_earth
