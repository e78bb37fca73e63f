// Benchmarks of the clock correction's pure steps: taking a reply apart and
// writing the offset text.
#include <benchmark/benchmark.h>

#include "clock/offset_text.h"
#include "clock/sntp_packet.h"

namespace orvanto {
namespace {

SntpPacket SampleReply() {
    SntpPacket reply = BuildSntpRequest(12345, 67890);
    reply[0] = 0x24;
    reply[1] = 2;
    for (std::size_t i = 16; i < 48; ++i) reply[i] = static_cast<std::uint8_t>(0xE0 + i);
    return reply;
}

void BM_DecodeSntpReply(benchmark::State& state) {
    const SntpPacket reply = SampleReply();
    for (auto _ : state) {
        SntpReplyFields fields = DecodeSntpReply(reply);
        bool invalid = IsInvalidSntpReply(reply);
        benchmark::DoNotOptimize(fields);
        benchmark::DoNotOptimize(invalid);
    }
}
BENCHMARK(BM_DecodeSntpReply);

void BM_OffsetText(benchmark::State& state) {
    const double offset = (3723.0 + 0.456) / 86400.0;
    for (auto _ : state) benchmark::DoNotOptimize(OffsetText(offset));
}
BENCHMARK(BM_OffsetText);

}  // namespace
}  // namespace orvanto
