// The one export of libcities.so.
//
// GetString fills `buffer` (256 bytes) with string number `number` of the
// city table as a length-prefixed string: buffer[0] holds the length (0 to
// 255), the bytes follow, with no terminating zero. The table numbers its
// strings from 1 to 5970, three per place: the display name, the latitude and
// the longitude as decimal-degree texts. An unknown number (0, negative,
// above 5970) gives length 0. Constant time, no allocation, no state: safe
// from any thread.
#pragma once

#include <cstdint>

extern "C" {
__attribute__((visibility("default"))) void GetString(std::int32_t number, unsigned char* buffer);
}
