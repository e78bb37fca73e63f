// orvanto-cli sntp HOST [--port N] [--timeout MS]: one SNTP exchange with a
// time server. Prints the result fields one "Name: value" a line and the
// offset of this machine's clock; on failure the name of the event that
// ended the exchange, with exit status 1. It never sets the clock.
#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <optional>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "cli/qt_module/drawn_output.h"
#include "clock/sntp_client.h"
#include "core/clock.h"
#include "platform/host_lookup.h"

namespace orvanto::cli::qt_module {

namespace {

constexpr const char* kCommand = "sntp";
constexpr const char* kUsage = "usage: sntp HOST [--port N] [--timeout MS]";

struct SntpArguments {
    std::string host;
    std::string port = "123";
    int timeoutMs = 500;
};

std::optional<long> WholeNumber(const std::string& text) {
    long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc{} || end != text.data() + text.size()) return std::nullopt;
    return value;
}

// The arguments, or an error message.
std::optional<SntpArguments> ParseArguments(const Args& args, std::string& error) {
    SntpArguments parsed;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (arg == "--port" || arg == "--timeout") {
            if (!hasValue) {
                error = arg + " needs a value; " + kUsage;
                return std::nullopt;
            }
            const std::string& text = args[++i];
            const std::optional<long> value = WholeNumber(text);
            if (arg == "--port") {
                if (!value || *value < 1 || *value > 65535) {
                    error = "port must be a number within 1..65535, not '" + text + "'";
                    return std::nullopt;
                }
                parsed.port = std::to_string(*value);
            } else {
                if (!value || *value < 0 || *value > 600000) {
                    error = "timeout must be a number of milliseconds within 0..600000, not '" + text + "'";
                    return std::nullopt;
                }
                parsed.timeoutMs = static_cast<int>(*value);
            }
        } else if (!arg.empty() && arg[0] == '-') {
            error = "unknown option '" + arg + "'; " + kUsage;
            return std::nullopt;
        } else if (parsed.host.empty()) {
            parsed.host = arg;
        } else {
            error = std::string("one host only; ") + kUsage;
            return std::nullopt;
        }
    }
    if (parsed.host.empty()) {
        error = kUsage;
        return std::nullopt;
    }
    return parsed;
}

// "YYYY-MM-DD HH:MM:SS.mmm" of a serial date.
std::string DateTimeText(double serial) {
    const long long ms = std::llround((serial - 25569.0) * 86400000.0);
    const long long seconds = ms >= 0 ? ms / 1000 : (ms - 999) / 1000;
    const std::time_t whole = static_cast<std::time_t>(seconds);
    std::tm parts{};
    gmtime_r(&whole, &parts);
    char text[64];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d.%03lld", parts.tm_year + 1900,
                  parts.tm_mon + 1, parts.tm_mday, parts.tm_hour, parts.tm_min, parts.tm_sec,
                  ms - seconds * 1000);
    return text;
}

void PrintFields(const TSNTPClient& client, double arrivalUtc) {
    std::printf("LeapIndicator: %d\n", client.LeapIndicator());
    std::printf("VersionNumber: %d\n", client.VersionNumber());
    std::printf("Mode: %d\n", client.Mode());
    std::printf("Stratum: %d\n", client.Stratum());
    std::printf("Poll: %d\n", client.Poll());
    std::printf("Precision: %d\n", client.Precision());
    std::printf("RootDelay: %.6f\n", client.RootDelay());
    std::printf("RootDispersion: %.6f\n", client.RootDispersion());
    std::printf("ReferenceTime: %s\n", DateTimeText(client.ReferenceTime()).c_str());
    std::printf("ReceiveTime: %s\n", DateTimeText(client.ReceiveTime()).c_str());
    std::printf("TransmitTime: %s\n", DateTimeText(client.TransmitTime()).c_str());
    std::printf("NetTime: %s\n", DateTimeText(client.NetTime()).c_str());
    std::printf("RoundTrip: %d\n", client.RoundTrip());
    std::printf("ServerIP: %s\n", client.ServerIP().c_str());
    std::printf("InvalidReply: %s\n", client.InvalidReply() ? "true" : "false");
    const long long offsetMs = std::llround((arrivalUtc - client.NetTime()) * 86400000.0);
    std::printf("Offset: %lld ms\n", offsetMs);
}

}  // namespace

int RunSntpCommand(const Args& args) {
    std::string error;
    const std::optional<SntpArguments> parsed = ParseArguments(args, error);
    if (!parsed) return UsageError(kCommand, error);

    int argc = 1;
    char name[] = "orvanto-cli";
    char* argv[] = {name, nullptr};
    QCoreApplication application(argc, argv);

    SystemClock clock;
    SystemHostLookup lookup;
    TSNTPClient client(clock, lookup);
    client.SetHostAddr(parsed->host);
    client.SetHostPort(parsed->port);
    client.SetTimeout(parsed->timeoutMs);

    bool answered = false;
    double arrivalUtc = 0.0;
    std::vector<std::string> events;
    client.OnDataAvailable = [&](TSNTPClient&, std::uint16_t) {
        answered = true;
        arrivalUtc = clock.UtcNow();
    };
    client.OnTimeout = [&](TSNTPClient&) { events.push_back("Timeout"); };
    client.OnResolveError = [&](TSNTPClient&) { events.push_back("ResolveError"); };
    client.OnReceiveError = [&](TSNTPClient&) { events.push_back("ReceiveError"); };
    client.OnWinsockError = [&](TSNTPClient&, std::uint16_t code) {
        events.push_back("WinsockError " + std::to_string(code));
    };

    QEventLoop loop;
    bool finished = false;
    client.OnFinished = [&](TSNTPClient&) {
        finished = true;
        loop.quit();
    };
    // The exchange always ends by its own time limit; this guard only bounds
    // the wait should it not.
    QTimer::singleShot(parsed->timeoutMs + 5000, &loop, &QEventLoop::quit);
    client.Query();
    if (!finished) loop.exec();

    if (answered) {
        for (const std::string& event : events) std::fprintf(stderr, "%s\n", event.c_str());
        PrintFields(client, arrivalUtc);
        return 0;
    }
    // A socket error (the listening port 123 already taken by a time daemon,
    // say) does not end the exchange by itself: it goes to stderr, and the
    // event that ended the exchange to stdout. An exchange that ended without
    // an event: a late reply, or a datagram that did not answer the request.
    std::vector<std::string> ends;
    for (const std::string& event : events) {
        if (event.rfind("WinsockError", 0) == 0)
            std::fprintf(stderr, "%s\n", event.c_str());
        else
            ends.push_back(event);
    }
    if (ends.empty()) ends.push_back(client.TimedOut() ? "Timeout" : "NoReply");
    for (const std::string& event : ends) std::printf("%s\n", event.c_str());
    return 1;
}

}  // namespace orvanto::cli::qt_module
