#include "platform/time_service_probe.h"

#include <QProcess>
#include <QStandardPaths>

#include <array>
#include <filesystem>
#include <fstream>
#include <utility>

namespace orvanto {

namespace {

struct TimeDaemon {
    const char* commandName;  // as /proc/<pid>/comm holds it (at most 15 characters)
    const char* shownName;
};

constexpr std::array<TimeDaemon, 3> kTimeDaemons = {{
    {"chronyd", "chronyd"},
    {"systemd-timesyn", "systemd-timesyncd"},
    {"ntpd", "ntpd"},
}};

constexpr int kTimedatectlLimitMs = 2000;

bool IsProcessFolderName(const std::string& name) {
    return !name.empty() && name.find_first_not_of("0123456789") == std::string::npos;
}

std::string CommandNameOf(const std::filesystem::path& processFolder) {
    std::ifstream in(processFolder / "comm");
    std::string name;
    std::getline(in, name);
    return name;
}

}  // namespace

SystemTimeServiceProbe::SystemTimeServiceProbe(std::string processFolder, SynchronisedQuery ntpSynchronised)
    : processFolder_(std::move(processFolder)), ntpSynchronised_(std::move(ntpSynchronised)) {}

std::optional<std::string> SystemTimeServiceProbe::ClockKeeper() {
    if (auto daemon = RunningTimeDaemon(processFolder_)) return daemon;
    if (ntpSynchronised_ && ntpSynchronised_()) return std::string(kSystemNtpSynchronisation);
    return std::nullopt;
}

std::optional<std::string> SystemTimeServiceProbe::RunningTimeDaemon(const std::string& processFolder) {
    std::error_code error;
    std::filesystem::directory_iterator entries(processFolder, error);
    if (error) return std::nullopt;
    std::optional<std::size_t> best;
    for (const auto& entry : entries) {
        if (!IsProcessFolderName(entry.path().filename().string())) continue;
        const std::string name = CommandNameOf(entry.path());
        for (std::size_t i = 0; i < kTimeDaemons.size(); ++i) {
            if (name == kTimeDaemons[i].commandName && (!best || i < *best)) best = i;
        }
    }
    if (!best) return std::nullopt;
    return std::string(kTimeDaemons[*best].shownName);
}

bool SystemTimeServiceProbe::TimedatectlReportsSynchronisation() {
    const QString program = QStandardPaths::findExecutable(QStringLiteral("timedatectl"));
    if (program.isEmpty()) return false;
    QProcess process;
    process.start(program, {QStringLiteral("show"), QStringLiteral("--property=NTPSynchronized"),
                            QStringLiteral("--value")});
    if (!process.waitForFinished(kTimedatectlLimitMs)) {
        process.kill();
        process.waitForFinished(kTimedatectlLimitMs);
        return false;
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) return false;
    return process.readAllStandardOutput().trimmed() == "yes";
}

}  // namespace orvanto
