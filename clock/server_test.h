// The time server test of the settings dialog: one ICMP echo to the server
// and a rating of its roundtrip time.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "core/prompt.h"
#include "platform/pinger.h"

namespace orvanto {

// The limit of every ping of the clock correction, in milliseconds.
inline constexpr int kPingLimitMs = 3000;

// "Excellent" below 300 ms, "Very good" below 600, "Good" below 1000,
// "Regular" below 1500, "Unusable" from 1500 on.
std::string_view ServerRating(int pingMs);

struct ServerTestMessage {
    MessageKind kind = MessageKind::Information;
    std::string text;
};

// The message for a server name and its ping time (none when the ping failed).
ServerTestMessage ServerTestResult(const std::string& name, std::optional<int> pingMs);

// The whole test: an empty name only asks for a server; otherwise the name
// is pinged (with the busy cursor on) and the outcome shown.
void TestTimeServer(const std::string& name, Pinger& pinger, Prompt& prompt,
                    const std::function<void(bool busy)>& busyCursor = {});

}  // namespace orvanto
