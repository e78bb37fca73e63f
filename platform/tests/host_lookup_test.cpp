#include "platform/host_lookup.h"

#include <gtest/gtest.h>

namespace orvanto {
namespace {

TEST(DottedAddress, BothWays) {
    struct Case {
        const char* text;
        std::optional<std::uint32_t> address;
    };
    const Case cases[] = {
        {"127.0.0.1", 0x7F000001u},
        {"0.0.0.0", 0u},
        {"255.255.255.255", 0xFFFFFFFFu},
        {"192.0.2.10", 0xC000020Au},
        {"256.0.0.1", std::nullopt},
        {"1.2.3", std::nullopt},
        {"1.2.3.4.5", std::nullopt},
        {"1..3.4", std::nullopt},
        {"1.2.3.4 ", std::nullopt},
        {"-1.2.3.4", std::nullopt},
        {"0001.2.3.4", std::nullopt},
        {"pool.ntp.org", std::nullopt},
        {"", std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IPv4FromDotted(c.text), c.address) << c.text;
        if (c.address) {
            EXPECT_EQ(DottedFromIPv4(*c.address), c.text);
        }
    }
}

TEST(DottedAddress, LoopbackIsTheWholeBlock) {
    EXPECT_TRUE(IsLoopbackIPv4(0x7F000001u));
    EXPECT_TRUE(IsLoopbackIPv4(0x7FFFFFFEu));
    EXPECT_FALSE(IsLoopbackIPv4(0x80000001u));
}

TEST(SystemHostLookup, DottedAddressesNeedNoNameServer) {
    SystemHostLookup lookup;
    EXPECT_EQ(lookup.Resolve("127.0.0.1"), 0x7F000001u);
    EXPECT_EQ(lookup.Resolve(""), std::nullopt);
}

TEST(SystemHostLookup, OwnAddressesAreNeverEmptyAndHoldLoopbackOnlyAlone) {
    SystemHostLookup lookup;
    const std::vector<std::string> own = lookup.OwnAddresses();
    ASSERT_FALSE(own.empty());
    if (own.size() > 1 || own.front() != "127.0.0.1") {
        for (const std::string& address : own) {
            const auto number = IPv4FromDotted(address);
            ASSERT_TRUE(number) << address;
            EXPECT_FALSE(IsLoopbackIPv4(*number)) << address;
        }
    }
    EXPECT_FALSE(lookup.LocalHostName().empty());
}

}  // namespace
}  // namespace orvanto
