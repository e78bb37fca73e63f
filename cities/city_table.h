// The generated string table of the cities library.
#pragma once

#include <cstddef>

namespace orvanto::cities {

extern const char* const kCityStrings[];
extern const std::size_t kCityStringCount;

}  // namespace orvanto::cities
