// ICMP echo to 127.0.0.1 only.
#include "platform/pinger.h"

#include <gtest/gtest.h>

#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>

namespace orvanto {
namespace {

bool CanOpen(int type) {
    const int fd = ::socket(AF_INET, type, IPPROTO_ICMP);
    if (fd < 0) return false;
    ::close(fd);
    return true;
}

TEST(IcmpPinger, LoopbackAnswersQuickly) {
    if (!CanOpen(SOCK_DGRAM) && !CanOpen(SOCK_RAW)) GTEST_SKIP() << "no ICMP socket may be opened here";
    FakeHostLookup lookup;
    IcmpPinger pinger(lookup);
    const std::optional<int> ms = pinger.Ping("127.0.0.1", 3000);
    ASSERT_TRUE(ms);
    EXPECT_GE(*ms, 0);
    EXPECT_LT(*ms, 3000);
}

TEST(IcmpPinger, EachSocketKindWhereThisMachineAllowsIt) {
    struct Case {
        IcmpPinger::SocketKind kind;
        int type;
    };
    const Case cases[] = {{IcmpPinger::SocketKind::Datagram, SOCK_DGRAM},
                          {IcmpPinger::SocketKind::Raw, SOCK_RAW}};
    for (const Case& c : cases) {
        FakeHostLookup lookup;
        IcmpPinger pinger(lookup, c.kind);
        const std::optional<int> first = pinger.Ping("127.0.0.1", 3000);
        if (!CanOpen(c.type)) {
            EXPECT_FALSE(first) << c.type;  // refused: a failed ping, not a crash
            continue;
        }
        ASSERT_TRUE(first) << c.type;
        // The sequence moves on: a second echo is matched to its own reply.
        EXPECT_TRUE(pinger.Ping("127.0.0.1", 3000)) << c.type;
    }
}

TEST(IcmpPinger, ANameThatDoesNotResolveFailsAtOnce) {
    FakeHostLookup lookup;
    IcmpPinger pinger(lookup);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(pinger.Ping("unknown.test", 3000), std::nullopt);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(500));
    EXPECT_EQ(lookup.Resolved(), std::vector<std::string>{"unknown.test"});
}

TEST(FakePinger, AnswersFromItsTable) {
    FakePinger pinger;
    pinger.SetTime("a.test", 120);
    EXPECT_EQ(pinger.Ping("a.test", 3000), 120);
    EXPECT_EQ(pinger.Ping("b.test", 3000), std::nullopt);
    EXPECT_EQ(pinger.Asked(), (std::vector<std::string>{"a.test", "b.test"}));
}

}  // namespace
}  // namespace orvanto
