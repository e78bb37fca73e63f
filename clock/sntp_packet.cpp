#include "clock/sntp_packet.h"

#include <cstring>

namespace orvanto {

namespace {

constexpr std::uint32_t kCounterLimit = 2147483647u;
constexpr double kSecondsPerDay = 86400.0;
// Serial date of 1 January 1900, the NTP epoch.
constexpr double kNtpEpochSerial = 2.0;
// Seconds from the NTP epoch to the start of era 1 (7 February 2036).
constexpr double kEraSeconds = 4294967296.0;
constexpr std::uint32_t kTickMask = 0x3FFFFFFF;
constexpr int kTickModulus = 0x40000000;
constexpr int kServerMode = 4;
constexpr int kLowestVersion = 1;
constexpr int kHighestVersion = 4;

std::uint32_t BigEndian32(const std::uint8_t* bytes) {
    return (static_cast<std::uint32_t>(bytes[0]) << 24) | (static_cast<std::uint32_t>(bytes[1]) << 16) |
           (static_cast<std::uint32_t>(bytes[2]) << 8) | static_cast<std::uint32_t>(bytes[3]);
}

std::uint32_t HostOrder32(const std::uint8_t* bytes) {
    std::uint32_t value = 0;
    std::memcpy(&value, bytes, sizeof value);
    return value;
}

int Signed8(std::uint8_t byte) { return byte < 128 ? byte : byte - 256; }

}  // namespace

std::uint32_t NextRequestCounter(std::uint32_t counter) {
    const std::uint32_t next = counter + 1;
    return next >= kCounterLimit ? 0 : next;
}

SntpPacket BuildSntpRequest(std::uint32_t counter, std::uint32_t tick) {
    SntpPacket request{};
    request[0] = 0x0B;
    std::memcpy(request.data() + 40, &counter, sizeof counter);
    std::memcpy(request.data() + 44, &tick, sizeof tick);
    return request;
}

std::uint32_t EchoedCounter(const SntpPacket& reply) { return HostOrder32(reply.data() + 24); }
std::uint32_t EchoedTick(const SntpPacket& reply) { return HostOrder32(reply.data() + 28); }

double NtpTimestampToSerial(const std::uint8_t* bytes) {
    const std::uint32_t seconds = BigEndian32(bytes);
    const std::uint32_t fraction24 = BigEndian32(bytes + 4) >> 8;
    if (seconds == 0 && BigEndian32(bytes + 4) == 0) return kNtpEpochSerial;
    const double era = (seconds & 0x80000000u) ? 0.0 : kEraSeconds;
    const double total = era + static_cast<double>(seconds) + fraction24 / 16777216.0;
    return kNtpEpochSerial + total / kSecondsPerDay;
}

double NtpFixedPointToSeconds(const std::uint8_t* bytes) {
    const std::uint32_t raw = BigEndian32(bytes);
    const double magnitude = static_cast<double>(raw & 0x7FFFFFFFu) / 65536.0;
    return (raw & 0x80000000u) ? -magnitude : magnitude;
}

SntpReplyFields DecodeSntpReply(const SntpPacket& reply) {
    SntpReplyFields fields;
    fields.leapIndicator = reply[0] >> 6;
    fields.versionNumber = (reply[0] >> 3) & 0x07;
    fields.mode = reply[0] & 0x07;
    fields.stratum = reply[1];
    fields.poll = Signed8(reply[2]);
    fields.precision = Signed8(reply[3]);
    fields.rootDelay = NtpFixedPointToSeconds(reply.data() + 4);
    fields.rootDispersion = NtpFixedPointToSeconds(reply.data() + 8);
    fields.referenceTime = NtpTimestampToSerial(reply.data() + 16);
    fields.originateTime = NtpTimestampToSerial(reply.data() + 24);
    fields.receiveTime = NtpTimestampToSerial(reply.data() + 32);
    fields.transmitTime = NtpTimestampToSerial(reply.data() + 40);
    return fields;
}

bool IsInvalidSntpReply(const SntpPacket& reply) {
    const int leapIndicator = reply[0] >> 6;
    const int version = (reply[0] >> 3) & 0x07;
    const int mode = reply[0] & 0x07;
    const int stratum = reply[1];
    bool transmitZero = true;
    for (std::size_t i = 40; i < 48; ++i) transmitZero = transmitZero && reply[i] == 0;
    return leapIndicator == 3 || stratum == 0 || stratum > 15 || transmitZero || mode != kServerMode ||
           version < kLowestVersion || version > kHighestVersion;
}

int RoundTripMs(std::uint32_t arrivalTick, std::uint32_t sentTick) {
    int difference = static_cast<int>(arrivalTick & kTickMask) - static_cast<int>(sentTick & kTickMask);
    if (difference < 0) difference += kTickModulus;
    return difference;
}

double EstimatedNetTime(double receiveTime, double transmitTime, int roundTripMs) {
    const double roundTripDays = roundTripMs / (kSecondsPerDay * 1000.0);
    return transmitTime + (roundTripDays - (transmitTime - receiveTime)) / 2.0;
}

}  // namespace orvanto
