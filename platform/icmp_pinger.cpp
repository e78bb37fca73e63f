// ICMP echo request and reply (RFC 792) over a Linux ICMP socket.
#include "platform/pinger.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstring>

namespace orvanto {

namespace {

constexpr std::uint8_t kEchoReply = 0;
constexpr std::uint8_t kEchoRequest = 8;
constexpr std::size_t kHeaderSize = 8;
constexpr std::size_t kPayloadSize = 56;

// The Internet checksum of RFC 1071: the ones' complement of the ones'
// complement sum of the 16-bit words.
std::uint16_t InternetChecksum(const std::uint8_t* data, std::size_t size) {
    std::uint32_t sum = 0;
    for (std::size_t i = 0; i + 1 < size; i += 2) sum += (data[i] << 8) | data[i + 1];
    if (size % 2 == 1) sum += data[size - 1] << 8;
    while (sum >> 16) sum = (sum & 0xFFFF) + (sum >> 16);
    return static_cast<std::uint16_t>(~sum);
}

class SocketHandle {
public:
    explicit SocketHandle(int fd) : fd_(fd) {}
    ~SocketHandle() {
        if (fd_ >= 0) ::close(fd_);
    }
    SocketHandle(const SocketHandle&) = delete;
    SocketHandle& operator=(const SocketHandle&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

bool IsRefusal(int error) { return error == EACCES || error == EPERM || error == EPROTONOSUPPORT; }

int OpenIcmpSocket(IcmpPinger::SocketKind kind, bool& raw) {
    if (kind != IcmpPinger::SocketKind::Raw) {
        const int fd = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, IPPROTO_ICMP);
        if (fd >= 0 || kind == IcmpPinger::SocketKind::Datagram || !IsRefusal(errno)) {
            raw = false;
            return fd;
        }
    }
    raw = true;
    return ::socket(AF_INET, SOCK_RAW | SOCK_CLOEXEC, IPPROTO_ICMP);
}

std::array<std::uint8_t, kHeaderSize + kPayloadSize> EchoRequest(std::uint16_t id, std::uint16_t sequence) {
    std::array<std::uint8_t, kHeaderSize + kPayloadSize> packet{};
    packet[0] = kEchoRequest;
    packet[4] = static_cast<std::uint8_t>(id >> 8);
    packet[5] = static_cast<std::uint8_t>(id & 0xFF);
    packet[6] = static_cast<std::uint8_t>(sequence >> 8);
    packet[7] = static_cast<std::uint8_t>(sequence & 0xFF);
    for (std::size_t i = 0; i < kPayloadSize; ++i) packet[kHeaderSize + i] = static_cast<std::uint8_t>(i);
    const std::uint16_t checksum = InternetChecksum(packet.data(), packet.size());
    packet[2] = static_cast<std::uint8_t>(checksum >> 8);
    packet[3] = static_cast<std::uint8_t>(checksum & 0xFF);
    return packet;
}

// Whether a received datagram is the reply to our request. A raw socket sees
// the IP header and every ICMP message of the host; a datagram socket sees
// only the ICMP message, with the identifier set by the kernel.
bool IsOurReply(const std::uint8_t* data, std::size_t size, bool raw, std::uint16_t id,
                std::uint16_t sequence) {
    if (raw) {
        if (size < 20) return false;
        const std::size_t ipHeader = static_cast<std::size_t>(data[0] & 0x0F) * 4;
        if (ipHeader < 20 || size < ipHeader + kHeaderSize) return false;
        data += ipHeader;
        size -= ipHeader;
    }
    if (size < kHeaderSize || data[0] != kEchoReply || data[1] != 0) return false;
    const std::uint16_t replyId = static_cast<std::uint16_t>((data[4] << 8) | data[5]);
    const std::uint16_t replySequence = static_cast<std::uint16_t>((data[6] << 8) | data[7]);
    return replySequence == sequence && (!raw || replyId == id);
}

}  // namespace

std::optional<int> IcmpPinger::Ping(const std::string& host, int timeoutMs) {
    using Clock = std::chrono::steady_clock;
    const auto address = lookup_.Resolve(host);
    if (!address) return std::nullopt;

    bool raw = false;
    const SocketHandle socket(OpenIcmpSocket(kind_, raw));
    if (socket.get() < 0) return std::nullopt;

    sockaddr_in target{};
    target.sin_family = AF_INET;
    target.sin_addr.s_addr = htonl(*address);
    const std::uint16_t id = static_cast<std::uint16_t>(::getpid() & 0xFFFF);
    const std::uint16_t sequence = ++sequence_;
    const auto request = EchoRequest(id, sequence);

    const auto sent = Clock::now();
    const auto deadline = sent + std::chrono::milliseconds(timeoutMs < 0 ? 0 : timeoutMs);
    if (::sendto(socket.get(), request.data(), request.size(), 0, reinterpret_cast<const sockaddr*>(&target),
                 sizeof target) < 0)
        return std::nullopt;

    std::array<std::uint8_t, 1500> buffer{};
    for (auto now = Clock::now(); now < deadline; now = Clock::now()) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - now).count();
        pollfd waiting{socket.get(), POLLIN, 0};
        const int ready = ::poll(&waiting, 1, static_cast<int>(left) + 1);
        if (ready < 0 && errno != EINTR) return std::nullopt;
        if (ready <= 0) continue;
        sockaddr_in from{};
        socklen_t fromSize = sizeof from;
        const ssize_t got = ::recvfrom(socket.get(), buffer.data(), buffer.size(), 0,
                                       reinterpret_cast<sockaddr*>(&from), &fromSize);
        if (got < 0) continue;
        if (from.sin_addr.s_addr != target.sin_addr.s_addr) continue;
        if (!IsOurReply(buffer.data(), static_cast<std::size_t>(got), raw, id, sequence)) continue;
        const auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - sent);
        return static_cast<int>(elapsed.count());
    }
    return std::nullopt;
}

}  // namespace orvanto
