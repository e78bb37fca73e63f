#include "platform/connection_state.h"

#include <QCoreApplication>
#include <QHostAddress>
#include <QNetworkInformation>
#include <QNetworkInterface>

namespace orvanto {

namespace {

// The reachability backend needs a running application object; it is loaded
// once and kept for the rest of the run.
QNetworkInformation* ReachabilityBackend() {
    if (!QCoreApplication::instance()) return nullptr;
    if (!QNetworkInformation::instance())
        QNetworkInformation::loadBackendByFeatures(QNetworkInformation::Feature::Reachability);
    return QNetworkInformation::instance();
}

bool IsUsableAddress(const QHostAddress& address) {
    if (address.isNull() || address.isLoopback()) return false;
    return !address.isLinkLocal();
}

}  // namespace

bool SystemConnectionState::InterfaceOtherThanLoopbackIsUp() {
    for (const QNetworkInterface& interface : QNetworkInterface::allInterfaces()) {
        const auto flags = interface.flags();
        if (flags.testFlag(QNetworkInterface::IsLoopBack)) continue;
        if (!flags.testFlag(QNetworkInterface::IsUp) || !flags.testFlag(QNetworkInterface::IsRunning))
            continue;
        for (const QNetworkAddressEntry& entry : interface.addressEntries()) {
            if (IsUsableAddress(entry.ip())) return true;
        }
    }
    return false;
}

bool SystemConnectionState::InternetAvailable() {
    if (QNetworkInformation* backend = ReachabilityBackend()) {
        switch (backend->reachability()) {
        case QNetworkInformation::Reachability::Online:
            return true;
        case QNetworkInformation::Reachability::Disconnected:
        case QNetworkInformation::Reachability::Local:
        case QNetworkInformation::Reachability::Site:
            return false;
        case QNetworkInformation::Reachability::Unknown:
            break;
        }
    }
    return InterfaceOtherThanLoopbackIsUp();
}

}  // namespace orvanto
