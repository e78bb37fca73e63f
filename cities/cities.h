// The one export of libcities.so.
//
// GetString fills `buffer` (at least 256 bytes) with string number `number`
// of the city table as a length-prefixed string: buffer[0] holds the length
// (0 to 255), the bytes follow. An unknown number gives length 0. Constant
// time, no allocation, no state: safe from any thread.
#pragma once

#include <cstdint>

extern "C" {
__attribute__((visibility("default"))) void GetString(std::int32_t number, unsigned char* buffer);
}
