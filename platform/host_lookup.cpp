#include "platform/host_lookup.h"

#include <QHostAddress>
#include <QHostInfo>
#include <QNetworkInterface>

#include <charconv>

namespace orvanto {

std::string DottedFromIPv4(std::uint32_t address) {
    return std::to_string(address >> 24) + "." + std::to_string((address >> 16) & 0xFF) + "." +
           std::to_string((address >> 8) & 0xFF) + "." + std::to_string(address & 0xFF);
}

std::optional<std::uint32_t> IPv4FromDotted(const std::string& text) {
    std::uint32_t result = 0;
    const char* at = text.data();
    const char* const end = text.data() + text.size();
    for (int part = 0; part < 4; ++part) {
        if (part > 0) {
            if (at == end || *at != '.') return std::nullopt;
            ++at;
        }
        if (at == end || *at < '0' || *at > '9') return std::nullopt;
        unsigned value = 0;
        const auto [next, error] = std::from_chars(at, end, value);
        if (error != std::errc{} || value > 255 || next - at > 3) return std::nullopt;
        at = next;
        result = (result << 8) | value;
    }
    if (at != end) return std::nullopt;
    return result;
}

bool IsLoopbackIPv4(std::uint32_t address) { return (address >> 24) == 127; }

std::optional<std::uint32_t> SystemHostLookup::Resolve(const std::string& name) {
    if (const auto dotted = IPv4FromDotted(name)) return dotted;
    if (name.empty()) return std::nullopt;
    const QHostInfo info = QHostInfo::fromName(QString::fromStdString(name));
    if (info.error() != QHostInfo::NoError) return std::nullopt;
    for (const QHostAddress& address : info.addresses()) {
        if (address.protocol() == QAbstractSocket::IPv4Protocol) return address.toIPv4Address();
    }
    return std::nullopt;
}

std::string SystemHostLookup::LocalHostName() { return QHostInfo::localHostName().toStdString(); }

std::vector<std::string> SystemHostLookup::OwnAddresses() {
    std::vector<std::string> result;
    for (const QNetworkInterface& interface : QNetworkInterface::allInterfaces()) {
        const auto flags = interface.flags();
        if (!flags.testFlag(QNetworkInterface::IsUp) || flags.testFlag(QNetworkInterface::IsLoopBack))
            continue;
        for (const QNetworkAddressEntry& entry : interface.addressEntries()) {
            const QHostAddress& address = entry.ip();
            if (address.protocol() != QAbstractSocket::IPv4Protocol || address.isLoopback()) continue;
            result.push_back(address.toString().toStdString());
        }
    }
    if (result.empty()) result.push_back("127.0.0.1");
    return result;
}

}  // namespace orvanto
