// The 48-byte SNTP packet: building the client request and taking a server
// reply apart (RFC 4330, Simple Network Time Protocol version 4; the field
// layout is that of RFC 1305).
#pragma once

#include <array>
#include <cstdint>

namespace orvanto {

constexpr std::size_t kSntpPacketSize = 48;
using SntpPacket = std::array<std::uint8_t, kSntpPacketSize>;

// The request counter after `counter`: one more, and 0 instead of 2147483647.
std::uint32_t NextRequestCounter(std::uint32_t counter);

// The request: byte 0 = 0x0B (leap 0, version 1, mode 3), bytes 1-39 zero,
// the counter in bytes 40-43 and the sending tick in bytes 44-47, both in
// the host's own byte order. A server copies bytes 40-47 into the originate
// field of its reply (bytes 24-31).
SntpPacket BuildSntpRequest(std::uint32_t counter, std::uint32_t tick);

// The request counter and the tick echoed in a reply's originate field.
std::uint32_t EchoedCounter(const SntpPacket& reply);
std::uint32_t EchoedTick(const SntpPacket& reply);

// A 64-bit NTP timestamp (seconds since 1 January 1900 and a binary
// fraction) as a serial date in UTC. The era follows RFC 4330, section 3:
// seconds with the top bit set count from 1 January 1900 (1968 to 2036),
// seconds with it clear from 7 February 2036 06:28:16. All eight bytes zero
// mean "no time" and give the NTP epoch itself, serial date 2. The fraction
// is read from its top 24 bits.
double NtpTimestampToSerial(const std::uint8_t* bytes);

// A 32-bit NTP short value (root delay, root dispersion) in seconds: 16.16
// fixed point in sign and magnitude, negative when the top bit is set.
double NtpFixedPointToSeconds(const std::uint8_t* bytes);

// The fields of a reply, decoded.
struct SntpReplyFields {
    int leapIndicator = 0;
    int versionNumber = 0;
    int mode = 0;
    int stratum = 0;
    int poll = 0;
    int precision = 0;
    double rootDelay = 0.0;
    double rootDispersion = 0.0;
    double referenceTime = 0.0;
    double originateTime = 0.0;
    double receiveTime = 0.0;
    double transmitTime = 0.0;
};

SntpReplyFields DecodeSntpReply(const SntpPacket& reply);

// A reply no client should trust: leap indicator 3 (clock not synchronised),
// stratum 0 (unspecified or a kiss-of-death message) or above 15, a zero
// transmit timestamp, a mode other than 4 (server; a reflected client
// request has mode 3), or a version of 0 or above 4.
bool IsInvalidSntpReply(const SntpPacket& reply);

// Milliseconds between two ticks, both reduced to their low 30 bits, so
// that a tick counter that wraps in between still gives a small value.
int RoundTripMs(std::uint32_t arrivalTick, std::uint32_t sentTick);

// The server's time when the reply arrived: its transmit time T3 plus half
// of the network delay, where the delay is the measured roundtrip minus the
// time the server held the request (T3 - T2). Serial dates in, serial date out.
double EstimatedNetTime(double receiveTime, double transmitTime, int roundTripMs);

}  // namespace orvanto
