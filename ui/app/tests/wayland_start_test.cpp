// The built program on a Wayland compositor: weston with its headless
// backend, started in a temporary runtime folder. The client's side of the
// protocol (WAYLAND_DEBUG=client) shows what the program asked the
// compositor. Skipped when weston or Qt's Wayland platform plugin is missing.
#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>

#include <sys/stat.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

#include "test_support/temp_folder.h"

namespace orvanto {
namespace {

namespace fs = std::filesystem;

bool WaylandPluginInstalled() {
    const QDir platforms(QLibraryInfo::path(QLibraryInfo::PluginsPath) + QStringLiteral("/platforms"));
    return !platforms.entryList({QStringLiteral("libqwayland*.so")}, QDir::Files).isEmpty();
}

std::string ReadAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

class WaylandStartTest : public ::testing::Test {
protected:
    void SetUp() override {
        const QString weston = QStandardPaths::findExecutable(QStringLiteral("weston"));
        if (weston.isEmpty() || !WaylandPluginInstalled())
            GTEST_SKIP() << "weston or the Qt Wayland plugin is missing";
        runtime_ = folder_.Path() / "runtime";
        home_ = folder_.Path() / "home";
        fs::create_directories(runtime_);
        fs::create_directories(home_);
        ::chmod(runtime_.c_str(), 0700);
        compositor_.setProgram(weston);
        compositor_.setArguments({QStringLiteral("--backend=headless-backend.so"),
                                  QStringLiteral("--use-pixman"), QStringLiteral("--socket=orvanto-test"),
                                  QStringLiteral("--width=1280"), QStringLiteral("--height=1024"),
                                  QStringLiteral("--idle-time=0")});
        compositor_.setProcessEnvironment(Environment());
        compositor_.setProcessChannelMode(QProcess::MergedChannels);
        compositor_.start();
        // Up to five seconds for the compositor's socket.
        for (int i = 0; i < 50 && !fs::exists(runtime_ / "orvanto-test"); ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
        if (!fs::exists(runtime_ / "orvanto-test")) GTEST_SKIP() << "weston did not start here";
        settings_ = folder_.Path() / "cal.INI";
        std::ofstream(settings_) << "[Settings]\nDateFormat=1\nMinToTray=0\nSavePos=1\nLeft=300\nTop=200\n"
                                    "[Location]\nLatitude=40.42\nLongitude=-3.7\nCity=Madrid\n[Reminders]\n";
    }

    void TearDown() override {
        if (compositor_.state() != QProcess::NotRunning) {
            compositor_.terminate();
            if (!compositor_.waitForFinished(5000)) compositor_.kill();
        }
    }

    QProcessEnvironment Environment() const {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("HOME"), QString::fromStdString(home_.string()));
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"),
                           QString::fromStdString((home_ / ".config").string()));
        environment.insert(QStringLiteral("XDG_DATA_HOME"),
                           QString::fromStdString((home_ / ".local").string()));
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), QString::fromStdString(runtime_.string()));
        environment.remove(QStringLiteral("DISPLAY"));
        return environment;
    }

    // Runs the program for a few seconds and returns its protocol log.
    std::string RunProgram(const QStringList& arguments) {
        QProcessEnvironment environment = Environment();
        environment.insert(QStringLiteral("WAYLAND_DISPLAY"), QStringLiteral("orvanto-test"));
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("wayland"));
        environment.insert(QStringLiteral("WAYLAND_DEBUG"), QStringLiteral("client"));
        QProcess program;
        program.setProgram(QStringLiteral(ORVANTO_BIN_DIR "/orvanto"));
        program.setArguments(arguments);
        program.setProcessEnvironment(environment);
        program.setProcessChannelMode(QProcess::MergedChannels);
        program.setStandardOutputFile(QString::fromStdString((folder_.Path() / "protocol.log").string()));
        program.start();
        EXPECT_TRUE(program.waitForStarted(5000));
        program.waitForFinished(3000);  // it runs until it is ended
        program.terminate();
        if (!program.waitForFinished(5000)) program.kill();
        return ReadAll(folder_.Path() / "protocol.log");
    }

    test::TempFolder folder_{"orvanto-wayland"};
    fs::path runtime_;
    fs::path home_;
    fs::path settings_;
    QProcess compositor_;
};

// "-M": the window is mapped (a buffer attached), then the compositor is asked
// to minimize it, and it stays minimized (its caption keeps the pending text
// instead of going back to "Orvanto 32").
TEST_F(WaylandStartTest, StartMinimizedIconifiesThroughTheCompositor) {
    const std::string log = RunProgram({QStringLiteral("-M"), QString::fromStdString(settings_.string())});
    const auto attached = log.find("wl_surface@");
    const auto minimized = log.find(".set_minimized()");
    ASSERT_NE(minimized, std::string::npos) << log.substr(0, 4000);
    ASSERT_NE(attached, std::string::npos);
    EXPECT_LT(log.find(".attach("), minimized) << "only a mapped window can be minimized";
    EXPECT_EQ(log.find("set_title(\"Orvanto 32\")", minimized), std::string::npos);
    EXPECT_NE(log.find("pending event"), std::string::npos);
}

TEST_F(WaylandStartTest, ANormalStartShowsTheWindow) {
    const std::string log = RunProgram({QString::fromStdString(settings_.string())});
    EXPECT_NE(log.find(".attach("), std::string::npos) << log.substr(0, 4000);
    EXPECT_EQ(log.find(".set_minimized()"), std::string::npos);
}

}  // namespace
}  // namespace orvanto
