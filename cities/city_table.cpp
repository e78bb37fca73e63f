// Placeholder until the generated table lands.
#include "cities/city_table.h"

namespace orvanto::cities {

const char* const kCityStrings[] = {""};
const std::size_t kCityStringCount = 0;

}  // namespace orvanto::cities
