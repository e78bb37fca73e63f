// TSNTPClient: one SNTP exchange with one time server over UDP, its outcome
// reported through events. No retries, no averaging and no clock setting:
// the correction service sets the clock from the result.
//
// Runs on the event loop of the thread that owns it: the socket
// notifications and the time limit arrive as events on that loop; the name
// resolution in Query blocks it.
#pragma once

#include <QObject>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "clock/sntp_packet.h"
#include "core/clock.h"
#include "platform/host_lookup.h"

class QTimer;
class QUdpSocket;

namespace orvanto {

class TSNTPClient : public QObject {
public:
    using TNotifyEvent = std::function<void(TSNTPClient& sender)>;
    using TDataAvailable = std::function<void(TSNTPClient& sender, std::uint16_t error)>;
    using TDataAvailableExt = std::function<void(TSNTPClient& sender, double netTime, std::uint16_t error)>;
    using TSNTPError = std::function<void(TSNTPClient& sender, std::uint16_t error)>;

    // The clock gives the millisecond tick and the local date-time; the
    // lookup resolves server names and tells the machine's own addresses.
    TSNTPClient(const Clock& clock, HostLookup& lookup, QObject* parent = nullptr);
    ~TSNTPClient() override;

    // Server: a host name or a dotted IPv4 address, and its UDP port.
    const std::string& HostAddr() const { return hostAddr_; }
    void SetHostAddr(std::string hostAddr) { hostAddr_ = std::move(hostAddr); }
    const std::string& HostPort() const { return hostPort_; }
    void SetHostPort(std::string hostPort) { hostPort_ = std::move(hostPort); }
    // The local port of the listening socket ("123"; "0" lets the system
    // choose). A refused bind is reported through OnWinsockError and the
    // exchange goes on on the client socket.
    const std::string& LocalPort() const { return localPort_; }
    void SetLocalPort(std::string localPort) { localPort_ = std::move(localPort); }
    // Reply time limit in milliseconds; a negative value is stored as 0.
    int Timeout() const { return timeout_; }
    void SetTimeout(int milliseconds) { timeout_ = milliseconds < 0 ? 0 : milliseconds; }

    // Events. Error codes are those of QAbstractSocket::SocketError.
    TDataAvailable OnDataAvailable;        // a valid exchange completed
    TDataAvailableExt OnDataAvailableExt;  // the same, with the estimated server time
    TNotifyEvent OnTimeout;                // no reply within the limit
    TSNTPError OnWinsockError;             // a socket reported an error
    TNotifyEvent OnResolveError;           // the server name cannot be turned into an address
    TNotifyEvent OnReceiveError;           // a failure while taking a reply apart
    // Called once whenever an exchange ends, after its event if it had one;
    // also for the endings without an event (a late or a foreign datagram).
    TNotifyEvent OnFinished;

    // Start one exchange with HostAddr:HostPort; a running one is abandoned.
    void Query();

    // Result fields of the last accepted reply (kept until the next one).
    int LeapIndicator() const { return fields_.leapIndicator; }
    int VersionNumber() const { return fields_.versionNumber; }
    int Mode() const { return fields_.mode; }
    int Stratum() const { return fields_.stratum; }
    int Poll() const { return fields_.poll; }
    int Precision() const { return fields_.precision; }
    double RootDelay() const { return fields_.rootDelay; }
    double RootDispersion() const { return fields_.rootDispersion; }
    double ReferenceTime() const { return fields_.referenceTime; }
    // The local date-time at which the request was sent.
    double OriginateTime() const { return fields_.originateTime; }
    double ReceiveTime() const { return fields_.receiveTime; }
    double TransmitTime() const { return fields_.transmitTime; }
    double ServerTime() const { return serverTime_; }
    double NetTime() const { return netTime_; }
    int RoundTrip() const { return roundTrip_; }
    const std::string& ServerIP() const { return serverIP_; }
    bool InvalidReply() const { return invalidReply_; }
    bool TimedOut() const { return timedOut_; }
    const SntpPacket& RawReply() const { return rawReply_; }

    // True from Query until the exchange ends.
    bool Busy() const { return waiting_; }

    // The request counter the last request carried (shared by every client
    // of the process).
    static std::uint32_t RequestCounter();

private:
    void CreateSockets();
    void CloseSockets();
    void Send(const std::string& peer);
    void ReceiveStep(QUdpSocket* socket);
    void TimeoutStep();
    void ErrorStep(std::uint16_t error);
    void EndExchange();
    bool AcceptedSender(std::uint32_t sender) const;

    const Clock& clock_;
    HostLookup& lookup_;

    std::string hostAddr_;
    std::string hostPort_ = "123";
    std::string localPort_ = "123";
    int timeout_ = 500;

    SntpReplyFields fields_;
    double serverTime_ = 0.0;
    double netTime_ = 0.0;
    int roundTrip_ = 0;
    std::string serverIP_ = "0.0.0.0";
    bool invalidReply_ = false;
    bool timedOut_ = false;
    SntpPacket rawReply_{};

    std::uint32_t sentTick_ = 0;
    double sentLocalTime_ = 0.0;
    bool waiting_ = false;
    bool replyReceived_ = false;
    std::optional<std::uint32_t> serverAddress_;
    std::string machineAddress_;
    std::uint64_t exchange_ = 0;

    QUdpSocket* client_ = nullptr;
    QUdpSocket* listener_ = nullptr;
    QTimer* timer_ = nullptr;
};

}  // namespace orvanto
