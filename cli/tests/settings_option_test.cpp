// Every command that reads the settings file takes --settings by the
// program's own path rule, and refuses a file that neither exists nor can be
// created (status 2) instead of running on the read defaults.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "cli_run.h"

namespace {

namespace fs = std::filesystem;
using orvanto::test::CliRun;
using orvanto::test::TempFolder;

struct CommandCase {
    const char* command;
    std::vector<std::string> args;  // before --settings
};

TEST(SettingsOptionTest, AFileThatCannotBeMadeEndsWithStatusTwo) {
    TempFolder folder("orvanto-settings-option");
    ASSERT_FALSE(folder.Path().empty());
    const std::string unusable = (folder.Path() / "no-such-folder" / "cal.ini").string();
    const std::string output = (folder.Path() / "written").string();
    const std::vector<CommandCase> cases = {
        {"holidays", {"2024"}},
        {"month", {"2024", "12"}},
        {"check", {"--today", "2026-12-11", "--now", "09:00"}},
        {"astro", {"--date", "2026-12-11"}},
        {"astro", {"--date", "2026-12-11", "--pdf", output}},
        {"events", {}},
        {"events", {"--json"}},
        {"events", {"--from", "2026-12-01", "--to", "2026-12-31", "--pdf", output}},
        {"export", {"--ics", output}},
        {"import", {output}},
        {"import", {output, "--dry-run"}},
        {"print", {"month", "--from", "2026-12", "--pdf", output}},
    };
    for (const CommandCase& c : cases) {
        std::vector<std::string> args = c.args;
        args.push_back("--settings");
        args.push_back(unusable);
        const CliRun run = orvanto::test::RunCli(folder, c.command, args, std::string(), "LC_ALL=C TZ=UTC");
        EXPECT_EQ(run.status, 2) << c.command << ": " << run.err;
        EXPECT_EQ(run.out, "") << c.command;
        EXPECT_NE(run.err.find("neither exists nor can be created"), std::string::npos)
            << c.command << ": " << run.err;
        EXPECT_FALSE(fs::exists(folder.Path() / "no-such-folder")) << c.command;
        EXPECT_FALSE(fs::exists(output)) << c.command;
    }
}

}  // namespace
