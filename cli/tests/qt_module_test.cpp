// The plain commands start without Qt: the program itself needs none of Qt's
// libraries, and the commands that draw or need Qt's network load the module
// beside it.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "cli_run.h"

namespace {

namespace fs = std::filesystem;
using orvanto::test::CliRun;
using orvanto::test::TempFolder;

// What readelf says of a file (its dynamic section and symbols), with its status.
CliRun ReadElf(const fs::path& file) {
    const std::string command = "readelf -d --dyn-syms " + orvanto::test::Quoted(file.string()) + " 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    std::string out;
    char buffer[4096];
    while (std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe)) out.append(buffer, n);
    const int status = pclose(pipe);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, out, {}};
}

TEST(QtModuleTest, TheProgramNeedsNoQtLibrary) {
    const CliRun run = ReadElf(ORVANTO_CLI);
    ASSERT_EQ(run.status, 0) << run.out;
    EXPECT_THAT(run.out, testing::HasSubstr("libcities.so"));
    EXPECT_THAT(run.out, testing::Not(testing::HasSubstr("libQt")));
}

TEST(QtModuleTest, TheModuleLiesBesideTheProgramAndNeedsQt) {
    const fs::path module = fs::path(ORVANTO_CLI).parent_path() / "libcli-qt.so";
    ASSERT_TRUE(fs::exists(module));
    const CliRun run = ReadElf(module);
    ASSERT_EQ(run.status, 0) << run.out;
    EXPECT_THAT(run.out, testing::HasSubstr("libQt6Gui"));
    EXPECT_THAT(run.out, testing::HasSubstr("orvanto_cli_qt_run"));
}

struct ModuleCase {
    const char* name;
    std::string command;
    std::vector<std::string> args;  // the output file follows
    const char* magic;              // the output file's first bytes
    bool readsSettings = true;
};

// Each drawn output, written through the module from the program's copy.
TEST(QtModuleTest, EveryDrawnOutputComesThroughTheModule) {
    TempFolder folder("orvanto-qt-module");
    ASSERT_FALSE(folder.Path().empty());
    const std::vector<ModuleCase> cases = {
        {"astro", "astro", {"--lat", "40.42", "--lon", "-3.70", "--date", "2026-12-11", "--pdf"}, "%PDF"},
        {"events", "events", {"--from", "2026-12-01", "--to", "2026-12-31", "--pdf"}, "%PDF"},
        {"bio", "bio", {"--birth", "1990-05-17", "--month", "2026-12", "--png"}, "\x89PNG", false},
        {"print", "print", {"month", "--from", "2026-12", "--pdf"}, "%PDF"},
    };
    for (const ModuleCase& c : cases) {
        const fs::path file = folder.Path() / (std::string(c.name) + ".out");
        std::vector<std::string> args = c.args;
        args.push_back(file.string());
        if (c.readsSettings) {
            args.push_back("--settings");
            args.push_back((folder.Path() / "cal.ini").string());
        }
        const CliRun run = orvanto::test::RunCli(folder, c.command, args, std::string(), "TZ=UTC");
        EXPECT_EQ(run.status, 0) << c.name << ": " << run.err;
        EXPECT_EQ(orvanto::test::ReadFile(file).substr(0, 4), c.magic) << c.name;
    }
}

}  // namespace
