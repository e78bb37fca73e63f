#include "clock/sntp_client.h"

#include <QHostAddress>
#include <QTimer>
#include <QUdpSocket>

#include <charconv>
#include <vector>

namespace orvanto {

namespace {

constexpr std::uint32_t kLoopback = 0x7F000001;  // 127.0.0.1
// The largest datagram read in full; anything longer is refused anyway.
constexpr qint64 kLargestDatagram = 65536;

// Shared by every client of the process, so that a late reply to an
// abandoned request of any client never matches a newer one.
std::uint32_t requestCounter = 0;

std::optional<quint16> PortNumber(const std::string& text, bool zeroAllowed) {
    unsigned value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc{} || end != text.data() + text.size() || value > 65535)
        return std::nullopt;
    if (value == 0 && !zeroAllowed) return std::nullopt;
    return static_cast<quint16>(value);
}

std::uint16_t ErrorCode(QAbstractSocket::SocketError error) {
    return static_cast<std::uint16_t>(static_cast<int>(error) & 0xFFFF);
}

}  // namespace

TSNTPClient::TSNTPClient(const Clock& clock, HostLookup& lookup, QObject* parent)
    : QObject(parent), clock_(clock), lookup_(lookup) {}

TSNTPClient::~TSNTPClient() = default;

std::uint32_t TSNTPClient::RequestCounter() { return requestCounter; }

void TSNTPClient::CreateSockets() {
    client_ = new QUdpSocket(this);
    listener_ = new QUdpSocket(this);
    timer_ = new QTimer(this);
    timer_->setSingleShot(true);
    for (QUdpSocket* socket : {client_, listener_}) {
        connect(socket, &QUdpSocket::readyRead, this, [this, socket] { ReceiveStep(socket); });
        connect(socket, &QUdpSocket::errorOccurred, this,
                [this](QAbstractSocket::SocketError error) { ErrorStep(ErrorCode(error)); });
    }
    connect(timer_, &QTimer::timeout, this, [this] { TimeoutStep(); });
}

void TSNTPClient::CloseSockets() {
    if (client_) client_->close();
    if (listener_) listener_->close();
}

void TSNTPClient::Query() {
    if (!timer_) {
        CreateSockets();
    } else {
        CloseSockets();
        timer_->stop();
    }
    ++exchange_;
    timedOut_ = false;

    serverIP_ = "0.0.0.0";
    serverAddress_.reset();
    const std::vector<std::string> own = lookup_.OwnAddresses();
    machineAddress_ = own.empty() ? "127.0.0.1" : own.front();

    // A machine without a network resolves nothing; it can still ask a
    // server on 127.0.0.1. Loopback addresses are used as they resolve, so
    // that a server listening on loopback only is reached and nothing goes
    // out on the network.
    if (machineAddress_ != "127.0.0.1") {
        serverAddress_ = lookup_.Resolve(hostAddr_);
        if (serverAddress_) serverIP_ = DottedFromIPv4(*serverAddress_);
    }

    if (!serverAddress_ && hostAddr_ != machineAddress_) {
        waiting_ = false;
        const std::uint64_t exchange = exchange_;
        if (OnResolveError) OnResolveError(*this);
        if (exchange == exchange_) EndExchange();
        return;
    }

    replyReceived_ = false;
    waiting_ = false;
    timer_->start(timeout_);

    if (serverAddress_ || hostAddr_ == "127.0.0.1") {
        Send(serverAddress_ ? serverIP_ : hostAddr_);
    } else {
        timer_->stop();
        EndExchange();
    }
}

void TSNTPClient::Send(const std::string& peer) {
    const std::uint64_t exchange = exchange_;
    waiting_ = true;

    const auto listenPort = PortNumber(localPort_, true);
    if (!listenPort || !listener_->bind(QHostAddress::AnyIPv4, *listenPort)) {
        if (!listenPort) ErrorStep(ErrorCode(QAbstractSocket::SocketAddressNotAvailableError));
        if (exchange != exchange_) return;  // an error handler started a new exchange
    }
    if (!client_->bind(QHostAddress::AnyIPv4, 0)) {
        if (exchange != exchange_) return;
    }

    requestCounter = NextRequestCounter(requestCounter);
    sentTick_ = clock_.TickMs();
    sentLocalTime_ = clock_.LocalNow();
    const SntpPacket request = BuildSntpRequest(requestCounter, sentTick_);

    const auto port = PortNumber(hostPort_, false);
    if (!port) {
        ErrorStep(ErrorCode(QAbstractSocket::SocketAddressNotAvailableError));
        return;
    }
    client_->writeDatagram(reinterpret_cast<const char*>(request.data()), static_cast<qint64>(request.size()),
                           QHostAddress(QString::fromStdString(peer)), *port);
}

bool TSNTPClient::AcceptedSender(std::uint32_t sender) const {
    return sender == kLoopback || (serverAddress_ && sender == *serverAddress_);
}

void TSNTPClient::ReceiveStep(QUdpSocket* socket) {
    const std::uint32_t arrivalTick = clock_.TickMs();
    if (socket->state() != QAbstractSocket::BoundState || !socket->hasPendingDatagrams()) return;

    timer_->stop();
    replyReceived_ = true;

    const qint64 pending = socket->pendingDatagramSize();
    std::vector<char> buffer(static_cast<std::size_t>(pending < 0 ? 0 : std::min(pending, kLargestDatagram)) +
                             1);
    QHostAddress sender;
    const qint64 got = socket->readDatagram(buffer.data(), static_cast<qint64>(buffer.size()), &sender);
    if (got < 0) {
        CloseSockets();
        waiting_ = false;
        const std::uint64_t exchange = exchange_;
        if (OnReceiveError) OnReceiveError(*this);
        if (exchange == exchange_) EndExchange();
        return;
    }

    SntpPacket reply{};
    bool ok = false;
    const std::uint32_t senderAddress = sender.toIPv4Address(&ok);
    if (got == static_cast<qint64>(kSntpPacketSize))
        std::copy(buffer.begin(), buffer.begin() + kSntpPacketSize, reply.begin());
    if (got != static_cast<qint64>(kSntpPacketSize) || EchoedCounter(reply) != requestCounter || !ok ||
        !AcceptedSender(senderAddress)) {
        // Not the answer to our request: the exchange ends without an event.
        CloseSockets();
        waiting_ = false;
        EndExchange();
        return;
    }

    rawReply_ = reply;
    fields_ = DecodeSntpReply(reply);
    CloseSockets();
    waiting_ = false;
    roundTrip_ = RoundTripMs(arrivalTick, EchoedTick(reply));
    if (roundTrip_ > timeout_) {
        timedOut_ = true;
        EndExchange();
        return;
    }

    serverTime_ = fields_.transmitTime;
    netTime_ = EstimatedNetTime(fields_.receiveTime, fields_.transmitTime, roundTrip_);
    invalidReply_ = IsInvalidSntpReply(reply);
    fields_.originateTime = sentLocalTime_;
    const std::uint64_t exchange = exchange_;
    if (OnDataAvailable) OnDataAvailable(*this, 0);
    if (exchange == exchange_ && OnDataAvailableExt) OnDataAvailableExt(*this, netTime_, 0);
    if (exchange == exchange_) EndExchange();
}

void TSNTPClient::TimeoutStep() {
    if (replyReceived_) return;
    timedOut_ = true;
    timer_->stop();
    CloseSockets();
    waiting_ = false;
    const std::uint64_t exchange = exchange_;
    if (OnTimeout) OnTimeout(*this);
    if (exchange == exchange_) EndExchange();
}

void TSNTPClient::ErrorStep(std::uint16_t error) {
    if (OnWinsockError) OnWinsockError(*this, error);
}

void TSNTPClient::EndExchange() {
    if (OnFinished) OnFinished(*this);
}

}  // namespace orvanto
