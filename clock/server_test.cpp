#include "clock/server_test.h"

#include <array>

#include "clock/clock_status_texts.h"

namespace orvanto {

namespace {

struct RatingBand {
    int belowMs;
    std::string_view rating;
};

constexpr std::array<RatingBand, 4> kRatingBands = {{
    {300, "Excellent"},
    {600, "Very good"},
    {1000, "Good"},
    {1500, "Regular"},
}};
constexpr std::string_view kWorstRating = "Unusable";

}  // namespace

std::string_view ServerRating(int pingMs) {
    for (const RatingBand& band : kRatingBands) {
        if (pingMs < band.belowMs) return band.rating;
    }
    return kWorstRating;
}

ServerTestMessage ServerTestResult(const std::string& name, std::optional<int> pingMs) {
    using namespace clock_texts;
    if (!pingMs) return {MessageKind::Warning, std::string(kCannotConnectTo) + name};
    std::string text = std::string(kServerNamePrefix) + name + "\r\n\r\n";
    text +=
        std::string(kRoundtripPrefix) + std::to_string(*pingMs) + std::string(kMillisecondsSuffix) + "\r\n";
    text += std::string(kRatingPrefix) + std::string(ServerRating(*pingMs));
    return {MessageKind::Information, text};
}

void TestTimeServer(const std::string& name, Pinger& pinger, Prompt& prompt,
                    const std::function<void(bool busy)>& busyCursor) {
    using namespace clock_texts;
    if (name.empty()) {
        prompt.ShowMessage(MessageKind::Warning, std::string(kMessageTitle), std::string(kSelectServerFirst));
        return;
    }
    if (busyCursor) busyCursor(true);
    const std::optional<int> pingMs = pinger.Ping(name, kPingLimitMs);
    const ServerTestMessage message = ServerTestResult(name, pingMs);
    prompt.ShowMessage(message.kind, std::string(kMessageTitle), message.text);
    if (busyCursor) busyCursor(false);
}

}  // namespace orvanto
