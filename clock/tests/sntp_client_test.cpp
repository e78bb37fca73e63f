// The SNTP client against a fake peer on loopback: well-formed, malformed,
// hostile, late and missing replies.
#include "clock/sntp_client.h"

#include <gtest/gtest.h>

#include <QTimer>

#include <cstring>
#include <string>
#include <vector>

#include "clock/tests/sntp_test_support.h"
#include "core/clock.h"
#include "platform/host_lookup.h"

namespace orvanto {
namespace {

using test::Bytes;
using test::FakeSntpPeer;
using test::NtpTimestampOf;
using test::ReplyTo;
using test::SpinFor;
using test::SpinUntil;

constexpr double kMsPerDay = 86400000.0;
// 2026-12-11 12:00:00 UTC as a serial date.
constexpr double kNoon = 46367.5;

// What the client reported, in order.
struct EventLog {
    std::vector<std::string> events;
    int finished = 0;
    double netTimeOfExt = 0.0;

    void Attach(TSNTPClient& client) {
        client.OnDataAvailable = [this](TSNTPClient&, std::uint16_t) { events.push_back("DataAvailable"); };
        client.OnDataAvailableExt = [this](TSNTPClient&, double netTime, std::uint16_t) {
            events.push_back("DataAvailableExt");
            netTimeOfExt = netTime;
        };
        client.OnTimeout = [this](TSNTPClient&) { events.push_back("Timeout"); };
        client.OnWinsockError = [this](TSNTPClient&, std::uint16_t) { events.push_back("WinsockError"); };
        client.OnResolveError = [this](TSNTPClient&) { events.push_back("ResolveError"); };
        client.OnReceiveError = [this](TSNTPClient&) { events.push_back("ReceiveError"); };
        client.OnFinished = [this](TSNTPClient&) { ++finished; };
    }
};

class SntpClientTest : public ::testing::Test {
protected:
    SntpClientTest() : clock_(kNoon), lookup_({"192.0.2.10"}), client_(clock_, lookup_) {
        log_.Attach(client_);
        client_.SetHostAddr("127.0.0.1");
        client_.SetHostPort(peer_.PortText());
        client_.SetLocalPort("0");
        client_.SetTimeout(300);
        clock_.SetTick(1000);
    }

    // A good reply whose server held the request `holdMs`, the client's
    // tick moving on by `roundTripMs` before it arrives.
    void AnswerWell(int roundTripMs, int holdMs = 0, double transmit = kNoon) {
        peer_.SetAnswer([=, this](const FakeSntpPeer::Request& request) {
            clock_.SetTick(clock_.TickMs() + static_cast<std::uint32_t>(roundTripMs));
            const double receive = transmit - holdMs / kMsPerDay;
            return Bytes(
                ReplyTo(FakeSntpPeer::Packet(request), NtpTimestampOf(receive), NtpTimestampOf(transmit)));
        });
    }

    bool QueryAndWait(int limitMs = 2000) {
        const int before = log_.finished;
        client_.Query();
        return SpinUntil([&] { return log_.finished > before; }, limitMs);
    }

    FakeSntpPeer peer_;
    FakeClock clock_;
    FakeHostLookup lookup_;
    TSNTPClient client_;
    EventLog log_;
};

TEST_F(SntpClientTest, AGoodReplyIsDecodedAndReported) {
    clock_.SetLocal(kNoon + 1.0 / 24.0);
    AnswerWell(100);
    ASSERT_TRUE(QueryAndWait());

    EXPECT_EQ(log_.events, (std::vector<std::string>{"DataAvailable", "DataAvailableExt"}));
    EXPECT_EQ(client_.RoundTrip(), 100);
    EXPECT_EQ(client_.Stratum(), 2);
    EXPECT_EQ(client_.VersionNumber(), 4);
    EXPECT_EQ(client_.Mode(), 4);
    EXPECT_EQ(client_.Poll(), 6);
    EXPECT_EQ(client_.Precision(), -20);
    EXPECT_FALSE(client_.InvalidReply());
    EXPECT_FALSE(client_.TimedOut());
    EXPECT_EQ(client_.ServerIP(), "127.0.0.1");
    EXPECT_NEAR((client_.ServerTime() - kNoon) * kMsPerDay, 0.0, 0.01);
    EXPECT_DOUBLE_EQ(client_.ServerTime(), client_.TransmitTime());
    // T2 = T3 and a roundtrip of 100 ms: the server's time is T3 + 50 ms.
    EXPECT_NEAR((client_.NetTime() - client_.TransmitTime()) * kMsPerDay, 50.0, 0.01);
    EXPECT_DOUBLE_EQ(log_.netTimeOfExt, client_.NetTime());
    // The originate time is the local date-time of sending.
    EXPECT_DOUBLE_EQ(client_.OriginateTime(), kNoon + 1.0 / 24.0);
    ASSERT_EQ(peer_.Requests().size(), 1u);
    const SntpPacket request = FakeSntpPeer::Packet(peer_.Requests()[0]);
    EXPECT_EQ(request[0], 0x0B);
    std::uint32_t counter = 0;
    std::memcpy(&counter, request.data() + 40, 4);
    EXPECT_EQ(counter, TSNTPClient::RequestCounter());
    EXPECT_EQ(client_.RawReply()[1], 2);
}

TEST_F(SntpClientTest, TheServersHoldingTimeIsTakenOffTheDelay) {
    AnswerWell(100, 40);
    ASSERT_TRUE(QueryAndWait());
    EXPECT_NEAR((client_.NetTime() - client_.TransmitTime()) * kMsPerDay, 30.0, 0.01);
}

TEST_F(SntpClientTest, ATickThatWrapsInTheExchangeGivesASmallRoundTrip) {
    clock_.SetTick(0xFFFFFFF0u);
    peer_.SetAnswer([this](const FakeSntpPeer::Request& request) {
        clock_.SetTick(0x10);
        return Bytes(ReplyTo(FakeSntpPeer::Packet(request), NtpTimestampOf(kNoon), NtpTimestampOf(kNoon)));
    });
    ASSERT_TRUE(QueryAndWait());
    EXPECT_EQ(log_.events.front(), "DataAvailable");
    EXPECT_EQ(client_.RoundTrip(), 32);
}

TEST_F(SntpClientTest, RepliesFailingTheValidityTestAreDeliveredMarkedInvalid) {
    struct Case {
        const char* what;
        std::function<void(SntpPacket&)> change;
    };
    const Case cases[] = {
        {"leap indicator 3", [](SntpPacket& p) { p[0] |= 0xC0; }},
        {"stratum 0", [](SntpPacket& p) { p[1] = 0; }},
        {"stratum 16", [](SntpPacket& p) { p[1] = 16; }},
        {"zero transmit time", [](SntpPacket& p) { std::fill(p.begin() + 40, p.end(), 0); }},
        // A client's request (mode 3) with the originate field echoed, as a
        // reflector or a second client would send it.
        {"mode 3", [](SntpPacket& p) { p[0] = 0x23; }},
        {"version 0", [](SntpPacket& p) { p[0] = 0x04; }},
        {"version 5", [](SntpPacket& p) { p[0] = 0x2C; }},
    };
    for (const Case& c : cases) {
        log_.events.clear();
        peer_.SetAnswer([&](const FakeSntpPeer::Request& request) {
            SntpPacket reply =
                ReplyTo(FakeSntpPeer::Packet(request), NtpTimestampOf(kNoon), NtpTimestampOf(kNoon));
            c.change(reply);
            return Bytes(reply);
        });
        ASSERT_TRUE(QueryAndWait()) << c.what;
        EXPECT_EQ(log_.events, (std::vector<std::string>{"DataAvailable", "DataAvailableExt"})) << c.what;
        EXPECT_TRUE(client_.InvalidReply()) << c.what;
    }
}

// Malformed and hostile answers: each ends the exchange without an event,
// and no time-out follows either.
TEST_F(SntpClientTest, MalformedOrForeignDatagramsEndTheExchangeWithoutAnEvent) {
    struct Case {
        const char* what;
        std::function<std::vector<std::uint8_t>(const SntpPacket& request)> reply;
    };
    auto good = [](const SntpPacket& request) {
        return Bytes(ReplyTo(request, NtpTimestampOf(kNoon), NtpTimestampOf(kNoon)));
    };
    const Case cases[] = {
        {"an empty datagram", [](const SntpPacket&) { return std::vector<std::uint8_t>{}; }},
        {"47 bytes",
         [&](const SntpPacket& request) {
             auto bytes = good(request);
             bytes.pop_back();
             return bytes;
         }},
        {"49 bytes",
         [&](const SntpPacket& request) {
             auto bytes = good(request);
             bytes.push_back(0);
             return bytes;
         }},
        {"a 1400-byte datagram",
         [&](const SntpPacket& request) {
             auto bytes = good(request);
             bytes.resize(1400, 0xFF);
             return bytes;
         }},
        {"another request's counter",
         [&](const SntpPacket& request) {
             auto bytes = good(request);
             bytes[24] ^= 0x01;
             return bytes;
         }},
        {"an originate field of zeros",
         [&](const SntpPacket& request) {
             auto bytes = good(request);
             std::fill(bytes.begin() + 24, bytes.begin() + 32, 0);
             return bytes;
         }},
        {"the request itself, reflected", [](const SntpPacket& request) { return Bytes(request); }},
    };
    for (const Case& c : cases) {
        log_ = EventLog{};
        log_.Attach(client_);
        peer_.SetAnswer(
            [&](const FakeSntpPeer::Request& request) { return c.reply(FakeSntpPeer::Packet(request)); });
        ASSERT_TRUE(QueryAndWait()) << c.what;
        SpinFor(client_.Timeout() + 100);
        EXPECT_TRUE(log_.events.empty())
            << c.what << ": " << (log_.events.empty() ? "" : log_.events.front());
        EXPECT_EQ(log_.finished, 1) << c.what;
        EXPECT_FALSE(client_.Busy()) << c.what;
    }
}

TEST_F(SntpClientTest, AReplyFromAnotherAddressIsDropped) {
    FakeSntpPeer peer("127.0.0.3");
    lookup_.AddName("timeserver.test", "127.0.0.3");
    client_.SetHostAddr("timeserver.test");
    client_.SetHostPort(peer.PortText());
    peer.ReplyFrom("127.0.0.2");
    peer.SetAnswer([](const FakeSntpPeer::Request& request) {
        return Bytes(ReplyTo(FakeSntpPeer::Packet(request), NtpTimestampOf(kNoon), NtpTimestampOf(kNoon)));
    });
    ASSERT_TRUE(QueryAndWait());
    SpinFor(client_.Timeout() + 100);
    EXPECT_EQ(peer.Requests().size(), 1u);
    EXPECT_EQ(client_.ServerIP(), "127.0.0.3");
    EXPECT_TRUE(log_.events.empty());
}

TEST_F(SntpClientTest, AReplyFromTheResolvedAddressOr127001IsTaken) {
    for (const char* from : {"127.0.0.3", "127.0.0.1"}) {
        log_.events.clear();
        FakeSntpPeer peer("127.0.0.3");
        lookup_.AddName("timeserver.test", "127.0.0.3");
        client_.SetHostAddr("timeserver.test");
        client_.SetHostPort(peer.PortText());
        if (std::string(from) != "127.0.0.3") peer.ReplyFrom(from);
        peer.SetAnswer([](const FakeSntpPeer::Request& request) {
            return Bytes(
                ReplyTo(FakeSntpPeer::Packet(request), NtpTimestampOf(kNoon), NtpTimestampOf(kNoon)));
        });
        ASSERT_TRUE(QueryAndWait()) << from;
        EXPECT_EQ(log_.events.front(), "DataAvailable") << from;
    }
}

TEST_F(SntpClientTest, AReplyLaterThanTheTimeoutIsDroppedAsTimedOut) {
    AnswerWell(client_.Timeout() + 1);
    ASSERT_TRUE(QueryAndWait());
    SpinFor(client_.Timeout() + 100);
    EXPECT_TRUE(log_.events.empty());
    EXPECT_TRUE(client_.TimedOut());
}

TEST_F(SntpClientTest, AReplyJustWithinTheTimeoutIsTaken) {
    AnswerWell(client_.Timeout());
    ASSERT_TRUE(QueryAndWait());
    EXPECT_EQ(log_.events.front(), "DataAvailable");
    EXPECT_EQ(client_.RoundTrip(), client_.Timeout());
}

TEST_F(SntpClientTest, NoReplyTimesOut) {
    client_.SetTimeout(150);
    ASSERT_TRUE(QueryAndWait());
    EXPECT_EQ(log_.events, std::vector<std::string>{"Timeout"});
    EXPECT_TRUE(client_.TimedOut());
    EXPECT_EQ(peer_.Requests().size(), 1u);
}

TEST_F(SntpClientTest, EachQueryUsesTheTimeoutSetBeforeIt) {
    client_.SetTimeout(100);
    ASSERT_TRUE(QueryAndWait());
    ASSERT_EQ(log_.events, std::vector<std::string>{"Timeout"});

    // Now a server that takes 400 ms of real time to answer, within 2000 ms.
    log_.events.clear();
    client_.SetTimeout(2000);
    peer_.SetAnswer([this](const FakeSntpPeer::Request& request) {
        const auto bytes =
            Bytes(ReplyTo(FakeSntpPeer::Packet(request), NtpTimestampOf(kNoon), NtpTimestampOf(kNoon)));
        QTimer::singleShot(400, [this, request, bytes] { peer_.SendTo(request, bytes); });
        return std::optional<std::vector<std::uint8_t>>{};
    });
    ASSERT_TRUE(QueryAndWait(3000));
    EXPECT_EQ(log_.events.front(), "DataAvailable");
}

TEST_F(SntpClientTest, ANameThatDoesNotResolveIsAResolveErrorAndNothingIsSent) {
    client_.SetHostAddr("unknown.test");
    ASSERT_TRUE(QueryAndWait());
    EXPECT_EQ(log_.events, std::vector<std::string>{"ResolveError"});
    EXPECT_EQ(client_.ServerIP(), "0.0.0.0");
    SpinFor(50);
    EXPECT_TRUE(peer_.Requests().empty());
}

TEST_F(SntpClientTest, AMachineWithoutANetworkStillAsks127001) {
    lookup_.SetOwnAddresses({"127.0.0.1"});
    AnswerWell(5);
    ASSERT_TRUE(QueryAndWait());
    EXPECT_EQ(log_.events.front(), "DataAvailable");
    EXPECT_EQ(client_.ServerIP(), "0.0.0.0");
    EXPECT_TRUE(lookup_.Resolved().empty());

    log_.events.clear();
    lookup_.AddName("timeserver.test", "127.0.0.1");
    client_.SetHostAddr("timeserver.test");
    ASSERT_TRUE(QueryAndWait());
    EXPECT_EQ(log_.events, std::vector<std::string>{"ResolveError"});
}

TEST_F(SntpClientTest, ARefusedListeningPortIsReportedAndTheExchangeGoesOn) {
    QUdpSocket occupant;
    ASSERT_TRUE(occupant.bind(QHostAddress::AnyIPv4, 0));
    client_.SetLocalPort(std::to_string(occupant.localPort()));
    AnswerWell(10);
    ASSERT_TRUE(QueryAndWait());
    ASSERT_GE(log_.events.size(), 2u);
    EXPECT_EQ(log_.events[0], "WinsockError");
    EXPECT_EQ(log_.events[1], "DataAvailable");
}

TEST_F(SntpClientTest, AReplyToTheListeningSocketIsTaken) {
    const quint16 port = test::FreeLoopbackPort();
    ASSERT_NE(port, 0);
    client_.SetLocalPort(std::to_string(port));
    peer_.ReplyToPort(port);
    AnswerWell(10);
    ASSERT_TRUE(QueryAndWait());
    EXPECT_EQ(log_.events.front(), "DataAvailable");
}

TEST_F(SntpClientTest, ANewQueryAbandonsTheOldExchange) {
    client_.Query();  // the peer stays silent
    ASSERT_TRUE(SpinUntil([&] { return peer_.Requests().size() == 1; }));
    const FakeSntpPeer::Request first = peer_.Requests()[0];
    const std::uint32_t firstCounter = TSNTPClient::RequestCounter();

    client_.Query();
    ASSERT_TRUE(SpinUntil([&] { return peer_.Requests().size() == 2; }));
    EXPECT_EQ(TSNTPClient::RequestCounter(), NextRequestCounter(firstCounter));
    // A late answer to the first request, sent to where the second came from.
    FakeSntpPeer::Request target = peer_.Requests()[1];
    const SntpPacket late =
        ReplyTo(FakeSntpPeer::Packet(first), NtpTimestampOf(kNoon), NtpTimestampOf(kNoon));
    peer_.SendTo(target, Bytes(late));
    ASSERT_TRUE(SpinUntil([&] { return log_.finished > 0; }));
    EXPECT_TRUE(log_.events.empty());
}

TEST_F(SntpClientTest, ANegativeTimeoutIsStoredAsZero) {
    client_.SetTimeout(-5);
    EXPECT_EQ(client_.Timeout(), 0);
}

TEST_F(SntpClientTest, TheDefaultsAreThoseOfTheProtocol) {
    FakeClock clock;
    FakeHostLookup lookup;
    TSNTPClient fresh(clock, lookup);
    EXPECT_EQ(fresh.HostPort(), "123");
    EXPECT_EQ(fresh.LocalPort(), "123");
    EXPECT_EQ(fresh.Timeout(), 500);
    EXPECT_EQ(fresh.ServerIP(), "0.0.0.0");
}

}  // namespace
}  // namespace orvanto
