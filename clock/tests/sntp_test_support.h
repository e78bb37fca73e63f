// Test support for the clock correction: an application object for the
// event loop, a bounded wait, a temporary folder and a fake SNTP peer on a
// loopback address that answers each request as the test says.
#pragma once

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QHostAddress>
#include <QUdpSocket>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "clock/sntp_packet.h"

namespace orvanto::test {

// One application object for the whole test program.
inline QCoreApplication& TestApplication() {
    static int argc = 1;
    static char name[] = "clock_tests";
    static char* argv[] = {name, nullptr};
    static QCoreApplication* application =
        QCoreApplication::instance() ? nullptr : new QCoreApplication(argc, argv);
    (void)application;
    return *QCoreApplication::instance();
}

// Let events run until the condition holds or the limit passes; true when
// it holds.
inline bool SpinUntil(const std::function<bool()>& condition, int limitMs = 3000) {
    TestApplication();
    QDeadlineTimer deadline(limitMs);
    while (!condition()) {
        if (deadline.hasExpired()) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return true;
}

// Let events run for this long.
inline void SpinFor(int milliseconds) {
    SpinUntil([] { return false; }, milliseconds);
}

class TempFolder {
public:
    TempFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "orvanto-clock-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
        path_ = pattern;
    }
    ~TempFolder() {
        std::error_code error;
        std::filesystem::remove_all(path_, error);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    std::string File(const std::string& name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

// A UDP port on 127.0.0.1 that was free a moment ago.
inline quint16 FreeLoopbackPort() {
    QUdpSocket probe;
    if (!probe.bind(QHostAddress(QHostAddress::LocalHost), 0)) return 0;
    return probe.localPort();
}

// A well-formed reply to a request: stratum 2, version 4, mode 4, the
// request's transmit field echoed, the given receive and transmit times.
inline SntpPacket ReplyTo(const SntpPacket& request, std::uint64_t receiveTimestamp,
                          std::uint64_t transmitTimestamp) {
    SntpPacket reply{};
    reply[0] = (0 << 6) | (4 << 3) | 4;
    reply[1] = 2;
    reply[2] = 6;
    reply[3] = static_cast<std::uint8_t>(-20);
    std::memcpy(reply.data() + 24, request.data() + 40, 8);
    for (int i = 0; i < 8; ++i) {
        reply[16 + i] = static_cast<std::uint8_t>(receiveTimestamp >> (56 - 8 * i));
        reply[32 + i] = static_cast<std::uint8_t>(receiveTimestamp >> (56 - 8 * i));
        reply[40 + i] = static_cast<std::uint8_t>(transmitTimestamp >> (56 - 8 * i));
    }
    return reply;
}

// The NTP timestamp (era 0) of a serial date in UTC.
inline std::uint64_t NtpTimestampOf(double serial) {
    const double seconds = (serial - 2.0) * 86400.0;
    const double whole = static_cast<double>(static_cast<std::uint64_t>(seconds));
    const auto fraction = static_cast<std::uint64_t>((seconds - whole) * 4294967296.0);
    return (static_cast<std::uint64_t>(whole) << 32) | fraction;
}

// A fake SNTP server bound to a loopback address. For each request the
// answer function gives the bytes to send back (nothing: stay silent); they
// go from `replyFrom` (default: the peer's own socket) to the request's
// sender, or to `replyPort` on 127.0.0.1 when that is set.
class FakeSntpPeer {
public:
    struct Request {
        std::vector<std::uint8_t> bytes;
        QHostAddress from;
        quint16 port = 0;
    };
    using Answer = std::function<std::optional<std::vector<std::uint8_t>>(const Request&)>;

    explicit FakeSntpPeer(const std::string& address = "127.0.0.1") {
        if (!socket_.bind(QHostAddress(QString::fromStdString(address)), 0))
            throw std::runtime_error("cannot bind the fake peer on " + address);
        QObject::connect(&socket_, &QUdpSocket::readyRead, [this] { Serve(); });
    }

    quint16 Port() const { return socket_.localPort(); }
    std::string PortText() const { return std::to_string(Port()); }
    void SetAnswer(Answer answer) { answer_ = std::move(answer); }
    // Send replies from another loopback address.
    void ReplyFrom(const std::string& address) {
        from_ = std::make_unique<QUdpSocket>();
        if (!from_->bind(QHostAddress(QString::fromStdString(address)), 0))
            throw std::runtime_error("cannot bind " + address);
    }
    void ReplyToPort(quint16 port) { replyPort_ = port; }

    const std::vector<Request>& Requests() const { return requests_; }

    // Send bytes to a request's sender now (for late or out-of-turn replies).
    void SendTo(const Request& request, const std::vector<std::uint8_t>& bytes) {
        QUdpSocket& out = from_ ? *from_ : socket_;
        const quint16 port = replyPort_ ? replyPort_ : request.port;
        const QHostAddress to = replyPort_ ? QHostAddress(QHostAddress::LocalHost) : request.from;
        out.writeDatagram(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()), to,
                          port);
    }

    // The request as a packet (zeros when it was not 48 bytes long).
    static SntpPacket Packet(const Request& request) {
        SntpPacket packet{};
        if (request.bytes.size() == packet.size())
            std::copy(request.bytes.begin(), request.bytes.end(), packet.begin());
        return packet;
    }

private:
    void Serve() {
        while (socket_.hasPendingDatagrams()) {
            Request request;
            request.bytes.resize(
                static_cast<std::size_t>(std::max<qint64>(socket_.pendingDatagramSize(), 0)));
            socket_.readDatagram(reinterpret_cast<char*>(request.bytes.data()),
                                 static_cast<qint64>(request.bytes.size()), &request.from, &request.port);
            requests_.push_back(request);
            if (!answer_) continue;
            if (const auto reply = answer_(request)) SendTo(request, *reply);
        }
    }

    bool applicationReady_ = (TestApplication(), true);
    QUdpSocket socket_;
    std::unique_ptr<QUdpSocket> from_;
    quint16 replyPort_ = 0;
    Answer answer_;
    std::vector<Request> requests_;
};

inline std::vector<std::uint8_t> Bytes(const SntpPacket& packet) {
    return std::vector<std::uint8_t>(packet.begin(), packet.end());
}

}  // namespace orvanto::test
