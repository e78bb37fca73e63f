#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

#include "clock/offset_text.h"
#include "clock/server_test.h"
#include "clock/time_servers.h"
#include "core/scripted_prompt.h"
#include "core/settings_keys.h"
#include "platform/pinger.h"

namespace orvanto {
namespace {

double Days(double hours, double minutes, double seconds, double ms) {
    return (((hours * 60 + minutes) * 60 + seconds) * 1000 + ms) / 86400000.0;
}

TEST(OffsetText, OnlyTheNonZeroPartsAndAlwaysTheMilliseconds) {
    struct Case {
        double offset;
        const char* text;
    };
    const Case cases[] = {
        {Days(0, 0, 2, 15), "2 sec. 15 ms."},   {Days(1, 0, 0, 250), "1 hs. 250 ms."},
        {-Days(1, 0, 0, 250), "1 hs. 250 ms."}, {0.0, "0 ms."},
        {Days(0, 3, 0, 0), "3 min. 0 ms."},     {Days(2, 59, 59, 999), "2 hs. 59 min. 59 sec. 999 ms."},
        {Days(0, 0, 0, 999.6), "1 sec. 0 ms."}, {Days(25, 0, 1, 0), "25 hs. 1 sec. 0 ms."},
    };
    for (const Case& c : cases) EXPECT_EQ(OffsetText(c.offset), c.text) << c.offset;
}

TEST(ServerRating, Bands) {
    struct Case {
        int ms;
        const char* rating;
    };
    const Case cases[] = {
        {0, "Excellent"}, {299, "Excellent"}, {300, "Very good"}, {599, "Very good"}, {600, "Good"},
        {999, "Good"},    {1000, "Regular"},  {1499, "Regular"},  {1500, "Unusable"}, {2999, "Unusable"},
    };
    for (const Case& c : cases) EXPECT_EQ(ServerRating(c.ms), c.rating) << c.ms;
}

TEST(ServerTest, TheMessagesOfTheTest) {
    struct Case {
        std::string name;
        std::optional<int> ping;
        ScriptedPrompt::Shown shown;
    };
    using K = ScriptedPrompt::Shown::Kind;
    const Case cases[] = {
        {"", 50, {K::Message, MessageKind::Warning, "Orvanto", "Please select a time server first."}},
        {"a.test", std::nullopt, {K::Message, MessageKind::Warning, "Orvanto", "Cannot connect to a.test"}},
        {"a.test",
         42,
         {K::Message, MessageKind::Information, "Orvanto",
          "Server name: a.test\r\n\r\nRoundtrip delay: 42 ms.\r\nRating: Excellent"}},
        {"b.test",
         1500,
         {K::Message, MessageKind::Information, "Orvanto",
          "Server name: b.test\r\n\r\nRoundtrip delay: 1500 ms.\r\nRating: Unusable"}},
    };
    for (const Case& c : cases) {
        FakePinger pinger;
        if (c.ping) pinger.SetTime(c.name, *c.ping);
        ScriptedPrompt prompt;
        std::vector<bool> busy;
        TestTimeServer(c.name, pinger, prompt, [&](bool on) { busy.push_back(on); });
        ASSERT_EQ(prompt.Log().size(), 1u) << c.name;
        EXPECT_EQ(prompt.Log()[0], c.shown) << c.name;
        if (c.name.empty()) {
            EXPECT_TRUE(pinger.Asked().empty());
            EXPECT_TRUE(busy.empty());
        } else {
            EXPECT_EQ(pinger.Asked(), std::vector<std::string>{c.name});
            EXPECT_EQ(pinger.Limits(), std::vector<int>{3000});
            EXPECT_EQ(busy, (std::vector<bool>{true, false}));
        }
    }
}

TEST(TimeServers, HundredAndEightNamesInOrderWithTheDefaultAmongThem) {
    const auto servers = BuiltInTimeServers();
    ASSERT_EQ(servers.size(), 108u);
    EXPECT_TRUE(std::is_sorted(servers.begin(), servers.end()));
    EXPECT_EQ(std::set<std::string_view>(servers.begin(), servers.end()).size(), servers.size());
    EXPECT_NE(std::find(servers.begin(), servers.end(), kDefaultTimeServer), servers.end());
    for (std::string_view name : servers) {
        EXPECT_EQ(name.find(' '), std::string_view::npos) << name;
        EXPECT_NE(name.find('.'), std::string_view::npos) << name;
    }
}

}  // namespace
}  // namespace orvanto
