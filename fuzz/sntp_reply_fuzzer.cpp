// The SNTP reply decoder and the validity rules over any datagram of 48 bytes
// (shorter ones padded with zeros, longer ones cut, as the client reads them).
#include <algorithm>
#include <cstdint>
#include <cstring>

#include "clock/sntp_packet.h"

using namespace orvanto;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    SntpPacket reply{};
    std::memcpy(reply.data(), data, std::min(size, reply.size()));
    const SntpReplyFields fields = DecodeSntpReply(reply);
    (void)IsInvalidSntpReply(reply);
    (void)EchoedCounter(reply);
    (void)EchoedTick(reply);
    const std::uint32_t sent =
        size >= 4 ? static_cast<std::uint32_t>(data[0]) << 24 | data[1] << 16 | data[2] << 8 | data[3] : 0;
    const int roundTrip = RoundTripMs(sent ^ 0x5A5A5A5Au, sent);
    (void)EstimatedNetTime(fields.receiveTime, fields.transmitTime, roundTrip);
    (void)NextRequestCounter(sent);
    return 0;
}
