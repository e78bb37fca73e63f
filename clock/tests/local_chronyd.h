// A private chronyd for tests: in the foreground on 127.0.0.1 at a free
// high port, serving this machine's time at stratum 8 with a configuration
// that never touches the clock (-x, no command port, its own pid and drift
// files in a temporary folder). It is stopped when the object goes.
#pragma once

#include <QProcess>
#include <QStandardPaths>

#include <fstream>
#include <string>

#include "clock/tests/sntp_test_support.h"

namespace orvanto::test {

class LocalChronyd {
public:
    LocalChronyd() {
        TestApplication();
        const QString program = QStandardPaths::findExecutable("chronyd", {"/usr/sbin", "/usr/bin", "/sbin"});
        if (program.isEmpty()) {
            problem_ = "chronyd is not installed";
            return;
        }
        port_ = FreeLoopbackPort();
        const std::string config = folder_.File("chrony.conf");
        std::ofstream(config) << "local stratum 8\n"
                              << "allow 127.0.0.1\n"
                              << "bindaddress 127.0.0.1\n"
                              << "port " << port_ << "\n"
                              << "cmdport 0\n"
                              << "pidfile " << folder_.File("chronyd.pid") << "\n"
                              << "driftfile " << folder_.File("chrony.drift") << "\n";
        process_.setProcessChannelMode(QProcess::MergedChannels);
        process_.start(program, {"-x", "-d", "-f", QString::fromStdString(config)});
        if (!process_.waitForStarted(5000)) problem_ = "chronyd cannot be started";
    }
    ~LocalChronyd() {
        if (process_.state() == QProcess::NotRunning) return;
        process_.terminate();
        if (!process_.waitForFinished(5000)) {
            process_.kill();
            process_.waitForFinished(2000);
        }
    }
    LocalChronyd(const LocalChronyd&) = delete;
    LocalChronyd& operator=(const LocalChronyd&) = delete;

    const std::string& Problem() const { return problem_; }
    bool Running() const { return process_.state() == QProcess::Running; }
    std::string Port() const { return std::to_string(port_); }
    std::string Output() { return process_.readAll().toStdString(); }

private:
    TempFolder folder_;
    QProcess process_;
    quint16 port_ = 0;
    std::string problem_;
};

}  // namespace orvanto::test
