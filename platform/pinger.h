// Pinger: one ICMP echo to a host, timed in milliseconds.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/host_lookup.h"

namespace orvanto {

class Pinger {
public:
    virtual ~Pinger() = default;
    // The time in milliseconds until the echo reply came back; nothing when
    // the name does not resolve, the echo cannot be sent or no reply came
    // within the limit. Blocks for at most about timeoutMs.
    virtual std::optional<int> Ping(const std::string& host, int timeoutMs) = 0;
};

// ICMP echo over an unprivileged ICMP datagram socket, or over a raw socket
// when the system refuses the datagram kind (net.ipv4.ping_group_range).
class IcmpPinger : public Pinger {
public:
    enum class SocketKind { Automatic, Datagram, Raw };
    explicit IcmpPinger(HostLookup& lookup, SocketKind kind = SocketKind::Automatic)
        : lookup_(lookup), kind_(kind) {}
    std::optional<int> Ping(const std::string& host, int timeoutMs) override;

private:
    HostLookup& lookup_;
    SocketKind kind_;
    unsigned short sequence_ = 0;
};

// A pinger that answers from a table (a name missing from it fails) and
// records every name it was asked for.
class FakePinger : public Pinger {
public:
    void SetTime(const std::string& host, std::optional<int> milliseconds) { times_[host] = milliseconds; }
    std::optional<int> Ping(const std::string& host, int timeoutMs) override {
        asked_.push_back(host);
        limits_.push_back(timeoutMs);
        const auto found = times_.find(host);
        return found == times_.end() ? std::nullopt : found->second;
    }
    const std::vector<std::string>& Asked() const { return asked_; }
    const std::vector<int>& Limits() const { return limits_; }

private:
    std::map<std::string, std::optional<int>> times_;
    std::vector<std::string> asked_;
    std::vector<int> limits_;
};

}  // namespace orvanto
