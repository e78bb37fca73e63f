// The time service probe over a process folder made for the test, and the
// fake the clock tests use.
#include "platform/time_service_probe.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace orvanto {
namespace {

class ProcessFolder {
public:
    ProcessFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "orvanto-proc-XXXXXX").string();
        path_ = ::mkdtemp(pattern.data());
    }
    ~ProcessFolder() {
        std::error_code error;
        std::filesystem::remove_all(path_, error);
    }
    void Add(const std::string& folder, const std::string& commandName) {
        std::filesystem::create_directories(path_ / folder);
        std::ofstream(path_ / folder / "comm") << commandName << "\n";
    }
    std::string Path() const { return path_.string(); }

private:
    std::filesystem::path path_;
};

TEST(SystemTimeServiceProbe, FindsATimeDaemonAmongTheProcesses) {
    struct Case {
        std::vector<std::pair<std::string, std::string>> processes;
        std::optional<std::string> keeper;
    };
    const Case cases[] = {
        {{{"1", "systemd"}, {"77", "bash"}}, std::nullopt},
        {{{"1", "systemd"}, {"412", "chronyd"}}, "chronyd"},
        {{{"388", "systemd-timesyn"}}, "systemd-timesyncd"},
        {{{"900", "ntpd"}}, "ntpd"},
        // A name that only begins like a daemon's is another program.
        {{{"5", "ntpdate"}, {"6", "chronyc"}}, std::nullopt},
        // Folders that are no process are not read.
        {{{"self", "chronyd"}, {"sys", "ntpd"}}, std::nullopt},
        // Several: the first of the table is named.
        {{{"10", "ntpd"}, {"11", "chronyd"}}, "chronyd"},
    };
    for (const Case& c : cases) {
        ProcessFolder folder;
        for (const auto& [pid, name] : c.processes) folder.Add(pid, name);
        SystemTimeServiceProbe probe(folder.Path(), [] { return false; });
        EXPECT_EQ(probe.ClockKeeper(), c.keeper) << (c.processes.empty() ? "" : c.processes.back().second);
    }
}

TEST(SystemTimeServiceProbe, TheSystemsSynchronisationCountsWhenNoDaemonRuns) {
    ProcessFolder folder;
    folder.Add("1", "systemd");
    int asked = 0;
    SystemTimeServiceProbe synchronised(folder.Path(), [&] {
        ++asked;
        return true;
    });
    EXPECT_EQ(synchronised.ClockKeeper(), std::string(kSystemNtpSynchronisation));
    EXPECT_EQ(asked, 1);

    folder.Add("2", "chronyd");
    EXPECT_EQ(synchronised.ClockKeeper(), std::string("chronyd"));
    EXPECT_EQ(asked, 1) << "a running daemon answers without asking the system";
}

TEST(SystemTimeServiceProbe, AMissingProcessFolderFindsNoDaemon) {
    EXPECT_EQ(SystemTimeServiceProbe::RunningTimeDaemon("/nonexistent/orvanto-proc"), std::nullopt);
}

// The real query runs (or finds no program) and answers in bounded time.
TEST(SystemTimeServiceProbe, TheRealSynchronisationQueryAnswers) {
    const bool answer = SystemTimeServiceProbe::TimedatectlReportsSynchronisation();
    SUCCEED() << "timedatectl reports NTP synchronisation: " << (answer ? "yes" : "no");
}

TEST(FakeTimeServiceProbe, AnswersAsToldAndCounts) {
    FakeTimeServiceProbe probe;
    EXPECT_EQ(probe.ClockKeeper(), std::nullopt);
    probe.SetKeeper("chronyd");
    EXPECT_EQ(probe.ClockKeeper(), std::string("chronyd"));
    EXPECT_EQ(probe.Asked(), 2);
}

}  // namespace
}  // namespace orvanto
