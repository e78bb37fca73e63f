// ConnectionState: whether the operating system reports an Internet
// connection as available.
#pragma once

namespace orvanto {

class ConnectionState {
public:
    virtual ~ConnectionState() = default;
    // Any failure of the system query answers false.
    virtual bool InternetAvailable() = 0;
};

// QNetworkInformation's reachability where a backend reports one; otherwise
// "an interface other than loopback is up with an address".
class SystemConnectionState : public ConnectionState {
public:
    bool InternetAvailable() override;
    // The fallback rule on its own.
    static bool InterfaceOtherThanLoopbackIsUp();
};

class FakeConnectionState : public ConnectionState {
public:
    explicit FakeConnectionState(bool available = true) : available_(available) {}
    bool InternetAvailable() override {
        ++queries_;
        return available_;
    }
    void SetAvailable(bool available) { available_ = available; }
    int Queries() const { return queries_; }

private:
    bool available_;
    int queries_ = 0;
};

}  // namespace orvanto
