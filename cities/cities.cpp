#include "cities/cities.h"

#include <cstring>

#include "cities/city_table.h"

extern "C" void GetString(std::int32_t number, unsigned char* buffer) {
    if (buffer == nullptr) return;
    buffer[0] = 0;
    if (number < 1 || static_cast<std::size_t>(number) > orvanto::cities::kCityStringCount) return;
    const orvanto::cities::CityString& entry = orvanto::cities::kCityStrings[number - 1];
    buffer[0] = entry.length;
    std::memcpy(buffer + 1, entry.text, entry.length);
}
