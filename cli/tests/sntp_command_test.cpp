// End-to-end tests of "orvanto-cli sntp": the built program asks a real
// chronyd on 127.0.0.1, a silent port and a fake peer on 127.0.0.1.
#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "cli_run.h"

extern char** environ;

namespace {

using orvanto::test::CliRun;
using orvanto::test::ReadFile;
using orvanto::test::TempFolder;

CliRun RunCli(const TempFolder& dir, const std::vector<std::string>& args) {
    return orvanto::test::RunCli(dir, "sntp", args);
}

// A UDP socket on 127.0.0.1 at a port of the system's choice.
class LoopbackSocket {
public:
    LoopbackSocket() {
        fd_ = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        if (fd_ < 0 || ::bind(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) return;
        socklen_t size = sizeof address;
        ::getsockname(fd_, reinterpret_cast<sockaddr*>(&address), &size);
        port_ = ntohs(address.sin_port);
    }
    ~LoopbackSocket() {
        if (fd_ >= 0) ::close(fd_);
    }
    LoopbackSocket(const LoopbackSocket&) = delete;
    LoopbackSocket& operator=(const LoopbackSocket&) = delete;
    int Fd() const { return fd_; }
    int Port() const { return port_; }

private:
    int fd_ = -1;
    int port_ = 0;
};

// Answers the first request it gets with the bytes the function makes of
// it, on a thread of its own that gives up after a few seconds.
class OneShotPeer {
public:
    using Answer = std::function<std::vector<std::uint8_t>(const std::vector<std::uint8_t>& request)>;
    explicit OneShotPeer(Answer answer) : answer_(std::move(answer)) {
        thread_ = std::thread([this] { Serve(); });
    }
    ~OneShotPeer() { thread_.join(); }
    int Port() const { return socket_.Port(); }

private:
    void Serve() {
        pollfd waiting{socket_.Fd(), POLLIN, 0};
        if (::poll(&waiting, 1, 5000) <= 0) return;
        std::array<std::uint8_t, 1500> buffer{};
        sockaddr_in from{};
        socklen_t size = sizeof from;
        const ssize_t got = ::recvfrom(socket_.Fd(), buffer.data(), buffer.size(), 0,
                                       reinterpret_cast<sockaddr*>(&from), &size);
        if (got <= 0) return;
        const auto reply = answer_(std::vector<std::uint8_t>(buffer.begin(), buffer.begin() + got));
        ::sendto(socket_.Fd(), reply.data(), reply.size(), 0, reinterpret_cast<sockaddr*>(&from), size);
    }

    LoopbackSocket socket_;
    Answer answer_;
    std::thread thread_;
};

// A reply to a request: stratum 2, the originate field echoed, and the
// current time as receive and transmit time.
std::vector<std::uint8_t> ReplyTo(const std::vector<std::uint8_t>& request, std::uint8_t stratum) {
    std::vector<std::uint8_t> reply(48, 0);
    reply[0] = 0x24;
    reply[1] = stratum;
    if (request.size() == 48) std::memcpy(reply.data() + 24, request.data() + 40, 8);
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    const double seconds = std::chrono::duration<double>(now).count() + 2208988800.0;
    const auto whole = static_cast<std::uint32_t>(seconds);
    const auto fraction = static_cast<std::uint32_t>((seconds - whole) * 4294967296.0);
    for (int at : {32, 40}) {
        for (int i = 0; i < 4; ++i) {
            reply[at + i] = static_cast<std::uint8_t>(whole >> (24 - 8 * i));
            reply[at + 4 + i] = static_cast<std::uint8_t>(fraction >> (24 - 8 * i));
        }
    }
    return reply;
}

std::string FieldOf(const std::string& out, const std::string& name) {
    std::istringstream lines(out);
    for (std::string line; std::getline(lines, line);) {
        if (line.rfind(name + ": ", 0) == 0) return line.substr(name.size() + 2);
    }
    return "(missing)";
}

const std::vector<std::string> kFields = {"LeapIndicator", "VersionNumber", "Mode",         "Stratum",
                                          "Poll",          "Precision",     "RootDelay",    "RootDispersion",
                                          "ReferenceTime", "ReceiveTime",   "TransmitTime", "NetTime",
                                          "RoundTrip",     "ServerIP",      "InvalidReply", "Offset"};

TEST(SntpCommand, BadArgumentsAreUsageErrors) {
    TempFolder dir{"orvanto-sntp"};
    const std::vector<std::vector<std::string>> cases = {
        {},
        {"--port", "123"},
        {"127.0.0.1", "--port", "0"},
        {"127.0.0.1", "--port", "65536"},
        {"127.0.0.1", "--port", "12x"},
        {"127.0.0.1", "--timeout", "-1"},
        {"127.0.0.1", "--timeout"},
        {"127.0.0.1", "127.0.0.2"},
        {"127.0.0.1", "--set-clock"},
    };
    for (const auto& args : cases) {
        const CliRun run = RunCli(dir, args);
        EXPECT_EQ(run.status, 2) << (args.empty() ? "(none)" : args.back());
        EXPECT_NE(run.err.find("orvanto-cli sntp: "), std::string::npos);
    }
}

TEST(SntpCommand, ASilentServerIsATimeout) {
    TempFolder dir{"orvanto-sntp"};
    LoopbackSocket silent;
    ASSERT_NE(silent.Port(), 0);
    const CliRun run =
        RunCli(dir, {"127.0.0.1", "--port", std::to_string(silent.Port()), "--timeout", "200"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "Timeout\n");
}

TEST(SntpCommand, AMalformedReplyEndsWithoutAnswer) {
    TempFolder dir{"orvanto-sntp"};
    OneShotPeer peer([](const std::vector<std::uint8_t>& request) {
        auto reply = ReplyTo(request, 2);
        reply.resize(47);
        return reply;
    });
    const CliRun run = RunCli(dir, {"127.0.0.1", "--port", std::to_string(peer.Port()), "--timeout", "1000"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "NoReply\n");
}

TEST(SntpCommand, AnInvalidReplyIsPrintedAsSuch) {
    TempFolder dir{"orvanto-sntp"};
    OneShotPeer peer([](const std::vector<std::uint8_t>& request) { return ReplyTo(request, 0); });
    const CliRun run = RunCli(dir, {"127.0.0.1", "--port", std::to_string(peer.Port()), "--timeout", "1000"});
    EXPECT_EQ(run.status, 0) << run.out;
    EXPECT_EQ(FieldOf(run.out, "Stratum"), "0");
    EXPECT_EQ(FieldOf(run.out, "InvalidReply"), "true");
}

// chronyd in the foreground on 127.0.0.1 with a private configuration that
// never touches the clock; stopped at the end.
class Chronyd {
public:
    explicit Chronyd(const TempFolder& dir) {
        const char* candidates[] = {"/usr/sbin/chronyd", "/usr/bin/chronyd", "/sbin/chronyd"};
        std::string program;
        for (const char* candidate : candidates) {
            if (::access(candidate, X_OK) == 0) program = candidate;
        }
        if (program.empty()) return;
        {
            LoopbackSocket probe;
            port_ = probe.Port();
        }
        const std::string config = (dir.Path() / "chrony.conf").string();
        std::ofstream(config) << "local stratum 8\nallow 127.0.0.1\nbindaddress 127.0.0.1\nport " << port_
                              << "\ncmdport 0\npidfile " << (dir.Path() / "chronyd.pid").string()
                              << "\ndriftfile " << (dir.Path() / "chrony.drift").string() << "\n";
        const std::string log = (dir.Path() / "chronyd.log").string();
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, log.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                         0600);
        posix_spawn_file_actions_adddup2(&actions, STDOUT_FILENO, STDERR_FILENO);
        std::vector<std::string> args = {program, "-x", "-d", "-f", config};
        std::vector<char*> argv;
        for (std::string& arg : args) argv.push_back(arg.data());
        argv.push_back(nullptr);
        if (posix_spawn(&pid_, program.c_str(), &actions, nullptr, argv.data(), environ) != 0) pid_ = 0;
        posix_spawn_file_actions_destroy(&actions);
    }
    ~Chronyd() {
        if (pid_ <= 0) return;
        ::kill(pid_, SIGTERM);
        for (int i = 0; i < 50; ++i) {
            if (::waitpid(pid_, nullptr, WNOHANG) == pid_) return;
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
        ::kill(pid_, SIGKILL);
        ::waitpid(pid_, nullptr, 0);
    }
    Chronyd(const Chronyd&) = delete;
    Chronyd& operator=(const Chronyd&) = delete;

    bool Started() const { return pid_ > 0; }
    bool Running() const { return pid_ > 0 && ::waitpid(pid_, nullptr, WNOHANG) == 0; }
    int Port() const { return port_; }

private:
    pid_t pid_ = 0;
    int port_ = 0;
};

TEST(SntpCommand, ALocalChronydAnswers) {
    TempFolder dir{"orvanto-sntp"};
    Chronyd server(dir);
    if (!server.Started()) GTEST_SKIP() << "chronyd cannot be started";
    CliRun run;
    for (int attempt = 0; attempt < 20; ++attempt) {
        run = RunCli(dir, {"127.0.0.1", "--port", std::to_string(server.Port())});
        if (run.status == 0 || !server.Running()) break;
    }
    if (!server.Running() && run.status != 0)
        GTEST_SKIP() << "chronyd stopped: " << ReadFile(dir.Path() / "chronyd.log");
    ASSERT_EQ(run.status, 0) << run.out << run.err;

    std::vector<std::string> names;
    std::istringstream lines(run.out);
    for (std::string line; std::getline(lines, line);) names.push_back(line.substr(0, line.find(':')));
    EXPECT_EQ(names, kFields) << run.out;
    EXPECT_EQ(FieldOf(run.out, "Stratum"), "8");
    EXPECT_EQ(FieldOf(run.out, "Mode"), "4");
    EXPECT_EQ(FieldOf(run.out, "InvalidReply"), "false");
    EXPECT_EQ(FieldOf(run.out, "ServerIP"), "127.0.0.1");
    const std::string offset = FieldOf(run.out, "Offset");
    ASSERT_GE(offset.size(), 4u);
    EXPECT_EQ(offset.substr(offset.size() - 3), " ms");
    EXPECT_LT(std::abs(std::stoi(offset)), 10) << offset;
    EXPECT_LT(std::stoi(FieldOf(run.out, "RoundTrip")), 500);
}

}  // namespace
