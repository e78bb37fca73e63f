#include "cities/cities.h"

#include <cstring>

#include "cities/city_table.h"

extern "C" void GetString(std::int32_t number, unsigned char* buffer) {
    buffer[0] = 0;
    if (number < 0 || static_cast<std::size_t>(number) >= orvanto::cities::kCityStringCount) return;
    const char* text = orvanto::cities::kCityStrings[number];
    const std::size_t length = std::strlen(text);
    const std::size_t kept = length > 255 ? 255 : length;
    buffer[0] = static_cast<unsigned char>(kept);
    std::memcpy(buffer + 1, text, kept);
}
