// HostLookup: turns server names into IPv4 addresses and tells the machine's
// own addresses. The SNTP client, the pinger and the connection check use it;
// tests hand in a fake so that no name is ever sent to a name server.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace orvanto {

// "a.b.c.d" for an IPv4 address held as a number (a is the top byte).
std::string DottedFromIPv4(std::uint32_t address);
// The number of a dotted IPv4 address; nothing for any other text.
std::optional<std::uint32_t> IPv4FromDotted(const std::string& text);
// True for the loopback block 127.0.0.0/8.
bool IsLoopbackIPv4(std::uint32_t address);

class HostLookup {
public:
    virtual ~HostLookup() = default;
    // The first IPv4 address of a dotted address or a host name (blocking);
    // nothing when it cannot be resolved.
    virtual std::optional<std::uint32_t> Resolve(const std::string& name) = 0;
    // The machine's own host name.
    virtual std::string LocalHostName() = 0;
    // The machine's own IPv4 addresses as dotted text: those of the network
    // interfaces that are up, other than loopback; just "127.0.0.1" when
    // there is none (a machine without a network).
    virtual std::vector<std::string> OwnAddresses() = 0;
};

// The real lookup: QHostInfo for names, QNetworkInterface for the machine's
// own addresses (so asking for them never needs a name server).
class SystemHostLookup : public HostLookup {
public:
    std::optional<std::uint32_t> Resolve(const std::string& name) override;
    std::string LocalHostName() override;
    std::vector<std::string> OwnAddresses() override;
};

// A lookup that knows only the names it was given. Dotted addresses resolve
// to themselves, as with the real lookup.
class FakeHostLookup : public HostLookup {
public:
    explicit FakeHostLookup(std::vector<std::string> ownAddresses = {"127.0.0.1"},
                            std::string hostName = "testhost")
        : own_(std::move(ownAddresses)), hostName_(std::move(hostName)) {}

    void AddName(const std::string& name, const std::string& dotted) { names_[name] = dotted; }
    void SetOwnAddresses(std::vector<std::string> addresses) { own_ = std::move(addresses); }

    std::optional<std::uint32_t> Resolve(const std::string& name) override {
        resolved_.push_back(name);
        if (const auto dotted = IPv4FromDotted(name)) return dotted;
        const auto found = names_.find(name);
        if (found == names_.end()) return std::nullopt;
        return IPv4FromDotted(found->second);
    }
    std::string LocalHostName() override { return hostName_; }
    std::vector<std::string> OwnAddresses() override { return own_; }

    // Every name asked for, in order.
    const std::vector<std::string>& Resolved() const { return resolved_; }

private:
    std::vector<std::string> own_;
    std::string hostName_;
    std::map<std::string, std::string> names_;
    std::vector<std::string> resolved_;
};

}  // namespace orvanto
