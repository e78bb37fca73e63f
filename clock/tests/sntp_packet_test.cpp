#include "clock/sntp_packet.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>

namespace orvanto {
namespace {

constexpr double kMsPerDay = 86400000.0;

std::array<std::uint8_t, 8> Timestamp(std::uint32_t seconds, std::uint32_t fraction) {
    return {static_cast<std::uint8_t>(seconds >> 24),  static_cast<std::uint8_t>(seconds >> 16),
            static_cast<std::uint8_t>(seconds >> 8),   static_cast<std::uint8_t>(seconds),
            static_cast<std::uint8_t>(fraction >> 24), static_cast<std::uint8_t>(fraction >> 16),
            static_cast<std::uint8_t>(fraction >> 8),  static_cast<std::uint8_t>(fraction)};
}

TEST(NtpTimestamp, SecondsAndHalfASecondGiveTheSerialDate) {
    const auto bytes = Timestamp(3489660928u, 2147483648u);
    EXPECT_DOUBLE_EQ(NtpTimestampToSerial(bytes.data()), 2.0 + (3489660928.0 + 0.5) / 86400.0);
}

TEST(NtpTimestamp, ErasFollowTheTopBitOfTheSeconds) {
    struct Case {
        std::uint32_t seconds;
        double serial;  // expected, from the calendar
    };
    // 1968-01-20 03:14:08 is 2^31 seconds after 1900; 2036-02-07 06:28:16
    // begins era 1. Serial dates: 24857.134814814... and 49710.269629629...
    const Case cases[] = {
        {0x80000000u, 2.0 + 2147483648.0 / 86400.0},
        {0xFFFFFFFFu, 2.0 + 4294967295.0 / 86400.0},
        {0x00000000u + 1u, 2.0 + 4294967297.0 / 86400.0},
        {0x7FFFFFFFu, 2.0 + (4294967296.0 + 2147483647.0) / 86400.0},
    };
    for (const Case& c : cases) {
        const auto bytes = Timestamp(c.seconds, 0);
        EXPECT_DOUBLE_EQ(NtpTimestampToSerial(bytes.data()), c.serial) << c.seconds;
    }
    // The first second of era 1 follows the last of era 0.
    const auto last = Timestamp(0xFFFFFFFFu, 0);
    const auto first = Timestamp(0, 1u << 8);
    EXPECT_GT(NtpTimestampToSerial(first.data()), NtpTimestampToSerial(last.data()));
    EXPECT_NEAR((NtpTimestampToSerial(first.data()) - NtpTimestampToSerial(last.data())) * 86400.0, 1.0,
                1e-6);
}

TEST(NtpTimestamp, AZeroTimestampIsTheEpochItself) {
    const auto bytes = Timestamp(0, 0);
    EXPECT_DOUBLE_EQ(NtpTimestampToSerial(bytes.data()), 2.0);
}

TEST(NtpTimestamp, TheLastFractionByteIsIgnored) {
    const auto with = Timestamp(3489660928u, 0x800000FFu);
    const auto without = Timestamp(3489660928u, 0x80000000u);
    EXPECT_DOUBLE_EQ(NtpTimestampToSerial(with.data()), NtpTimestampToSerial(without.data()));
}

TEST(NtpFixedPoint, SignAndMagnitude) {
    struct Case {
        std::array<std::uint8_t, 4> bytes;
        double seconds;
    };
    const Case cases[] = {
        {{0x80, 0x01, 0x00, 0x00}, -1.0},
        {{0x00, 0x00, 0x80, 0x00}, 0.5},
        {{0x00, 0x01, 0x00, 0x00}, 1.0},
        {{0x80, 0x00, 0x00, 0x00}, 0.0},
        {{0xFF, 0xFF, 0xFF, 0xFF}, -(2147483647.0 / 65536.0)},
    };
    for (const Case& c : cases) EXPECT_DOUBLE_EQ(NtpFixedPointToSeconds(c.bytes.data()), c.seconds);
}

SntpPacket ValidReply() {
    SntpPacket reply{};
    reply[0] = 0x24;  // leap 0, version 4, mode 4
    reply[1] = 2;
    const auto transmit = Timestamp(3900000000u, 0);
    std::copy(transmit.begin(), transmit.end(), reply.begin() + 40);
    return reply;
}

TEST(SntpValidity, UnsynchronisedOrTimelessRepliesAreInvalid) {
    struct Case {
        const char* what;
        std::function<void(SntpPacket&)> change;
        bool invalid;
    };
    const Case cases[] = {
        {"a good reply", [](SntpPacket&) {}, false},
        {"leap indicator 3", [](SntpPacket& p) { p[0] |= 0xC0; }, true},
        {"leap indicator 1", [](SntpPacket& p) { p[0] |= 0x40; }, false},
        {"stratum 0", [](SntpPacket& p) { p[1] = 0; }, true},
        {"stratum 15", [](SntpPacket& p) { p[1] = 15; }, false},
        {"stratum 16", [](SntpPacket& p) { p[1] = 16; }, true},
        {"stratum 255", [](SntpPacket& p) { p[1] = 255; }, true},
        {"zero transmit time", [](SntpPacket& p) { std::fill(p.begin() + 40, p.end(), 0); }, true},
        // RFC 4330: only a server's reply (mode 4) of versions 1 to 4.
        {"mode 3, a client's request reflected", [](SntpPacket& p) { p[0] = 0x23; }, true},
        {"mode 5, broadcast", [](SntpPacket& p) { p[0] = 0x25; }, true},
        {"mode 0", [](SntpPacket& p) { p[0] = 0x20; }, true},
        {"mode 7", [](SntpPacket& p) { p[0] = 0x27; }, true},
        {"version 0", [](SntpPacket& p) { p[0] = 0x04; }, true},
        {"version 1", [](SntpPacket& p) { p[0] = 0x0C; }, false},
        {"version 3", [](SntpPacket& p) { p[0] = 0x1C; }, false},
        {"version 5", [](SntpPacket& p) { p[0] = 0x2C; }, true},
        {"version 7", [](SntpPacket& p) { p[0] = 0x3C; }, true},
        {"transmit time only in its last byte",
         [](SntpPacket& p) {
             std::fill(p.begin() + 40, p.end(), 0);
             p[47] = 1;
         },
         false},
    };
    for (const Case& c : cases) {
        SntpPacket reply = ValidReply();
        c.change(reply);
        EXPECT_EQ(IsInvalidSntpReply(reply), c.invalid) << c.what;
    }
}

TEST(SntpDecode, TheFieldsOfAReply) {
    SntpPacket reply = ValidReply();
    reply[0] = 0x63;  // leap 1, version 4, mode 3
    reply[1] = 3;
    reply[2] = 0xFA;  // poll -6
    reply[3] = 0xE9;  // precision -23
    const std::uint8_t delay[] = {0x00, 0x00, 0x80, 0x00};
    const std::uint8_t dispersion[] = {0x80, 0x01, 0x00, 0x00};
    std::memcpy(reply.data() + 4, delay, 4);
    std::memcpy(reply.data() + 8, dispersion, 4);
    const auto receive = Timestamp(3489660928u, 2147483648u);
    std::copy(receive.begin(), receive.end(), reply.begin() + 32);

    const SntpReplyFields fields = DecodeSntpReply(reply);
    EXPECT_EQ(fields.leapIndicator, 1);
    EXPECT_EQ(fields.versionNumber, 4);
    EXPECT_EQ(fields.mode, 3);
    EXPECT_EQ(fields.stratum, 3);
    EXPECT_EQ(fields.poll, -6);
    EXPECT_EQ(fields.precision, -23);
    EXPECT_DOUBLE_EQ(fields.rootDelay, 0.5);
    EXPECT_DOUBLE_EQ(fields.rootDispersion, -1.0);
    EXPECT_DOUBLE_EQ(fields.receiveTime, 2.0 + (3489660928.0 + 0.5) / 86400.0);
    EXPECT_DOUBLE_EQ(fields.transmitTime, 2.0 + 3900000000.0 / 86400.0);
}

TEST(SntpRequest, LayoutCounterAndTickInHostOrder) {
    const SntpPacket request = BuildSntpRequest(0x01020304u, 0xA0B0C0D0u);
    EXPECT_EQ(request[0], 0x0B);
    for (std::size_t i = 1; i < 40; ++i) EXPECT_EQ(request[i], 0) << i;
    std::uint32_t counter = 0;
    std::uint32_t tick = 0;
    std::memcpy(&counter, request.data() + 40, 4);
    std::memcpy(&tick, request.data() + 44, 4);
    EXPECT_EQ(counter, 0x01020304u);
    EXPECT_EQ(tick, 0xA0B0C0D0u);

    // A server copies the transmit field into the originate field.
    SntpPacket reply{};
    std::memcpy(reply.data() + 24, request.data() + 40, 8);
    EXPECT_EQ(EchoedCounter(reply), 0x01020304u);
    EXPECT_EQ(EchoedTick(reply), 0xA0B0C0D0u);
}

TEST(SntpRequest, TheCounterWrapsBeforeTheLargestSignedValue) {
    EXPECT_EQ(NextRequestCounter(0), 1u);
    EXPECT_EQ(NextRequestCounter(2147483645u), 2147483646u);
    EXPECT_EQ(NextRequestCounter(2147483646u), 0u);
}

TEST(RoundTrip, ThirtyBitTicks) {
    struct Case {
        std::uint32_t arrival;
        std::uint32_t sent;
        int roundTrip;
    };
    const Case cases[] = {
        {1100, 1000, 100},
        {1000, 1000, 0},
        {0x00000010u, 0xFFFFFFF0u, 32},  // the 32-bit tick wrapped
        {0x40000005u, 0x3FFFFFFBu, 10},  // the 30-bit tick wrapped
        {0x12345678u + 250, 0x12345678u, 250},
    };
    for (const Case& c : cases) EXPECT_EQ(RoundTripMs(c.arrival, c.sent), c.roundTrip) << c.arrival;
}

TEST(NetTime, HalfTheNetworkDelayAfterTheTransmitTime) {
    const double t3 = 46000.5;
    EXPECT_NEAR((EstimatedNetTime(t3, t3, 100) - t3) * kMsPerDay, 50.0, 1e-3);
    // The server held the request 40 ms: the network took 60 of the 100 ms.
    const double t2 = t3 - 40.0 / kMsPerDay;
    EXPECT_NEAR((EstimatedNetTime(t2, t3, 100) - t3) * kMsPerDay, 30.0, 1e-3);
}

}  // namespace
}  // namespace orvanto
