// orvanto-cli export and import end to end: a settings file exported, the
// file imported into another settings file, a dry run, a malformed file.
#include <gtest/gtest.h>

#include "cli/tests/cli_run.h"

namespace orvanto::test {
namespace {

constexpr const char* kSettings =
    "[Settings]\nShowGhost=2\n\n[Reminders]\n"
    "732669/0=11010,3,1430,4CDF0000,Anna's birthday\n"
    "740404/0=10000,0,9999,00000000,Dentist, then lunch\n"
    "740418/0=21010,0,9999,00000000,Christmas at home\n";

void WriteText(const std::filesystem::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

TEST(IcsCommands, ExportThenImportIntoAnotherSettingsFile) {
    TempFolder folder("orvanto-ics");
    WriteText(folder.Path() / "cal.INI", kSettings);
    WriteText(folder.Path() / "empty.INI", "[Reminders]\n");
    const std::string ics = (folder.Path() / "out.ics").string();

    const CliRun exported =
        RunCli(folder.Path(), "export", {"--ics", ics, "--settings", (folder.Path() / "cal.INI").string()},
               std::nullopt, "TZ=Europe/Madrid");
    ASSERT_EQ(exported.status, 0) << exported.err;
    EXPECT_EQ(exported.out, "Exported 3 records as 3 events to " + ics + "\n");
    const std::string text = ReadFile(ics);
    EXPECT_NE(text.find("DTSTART;TZID=Europe/Madrid:20051007T143000"), std::string::npos);

    const std::string empty = (folder.Path() / "empty.INI").string();
    const CliRun dry = RunCli(folder.Path(), "import", {ics, "--settings", empty, "--dry-run"}, std::nullopt,
                              "TZ=Europe/Madrid");
    ASSERT_EQ(dry.status, 0) << dry.err;
    EXPECT_NE(dry.out.find("Would add: 2005-10-07 Anna's birthday"), std::string::npos) << dry.out;
    EXPECT_EQ(ReadFile(empty), "[Reminders]\n");

    const CliRun imported =
        RunCli(folder.Path(), "import", {ics, "--settings", empty}, std::nullopt, "TZ=Europe/Madrid");
    ASSERT_EQ(imported.status, 0) << imported.err;
    EXPECT_NE(imported.out.find("Imported 3 of 3 events"), std::string::npos) << imported.out;
    const std::string result = ReadFile(empty);
    EXPECT_NE(result.find("732669/0=11010,3,1430,4CDF0000,Anna's birthday"), std::string::npos) << result;
    EXPECT_NE(result.find("740404/0=10000,0,9999,00000000,Dentist, then lunch"), std::string::npos) << result;
}

TEST(IcsCommands, AMalformedFileChangesNothing) {
    TempFolder folder("orvanto-ics");
    WriteText(folder.Path() / "cal.INI", kSettings);
    WriteText(folder.Path() / "bad.ics", "BEGIN:VCALENDAR\nBEGIN:VEVENT\nSUMMARY:x\n");
    const CliRun run =
        RunCli(folder.Path(), "import",
               {(folder.Path() / "bad.ics").string(), "--settings", (folder.Path() / "cal.INI").string()});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("line 4: the file ends inside BEGIN:VEVENT"), std::string::npos) << run.err;
    EXPECT_EQ(ReadFile(folder.Path() / "cal.INI"), kSettings);
}

TEST(IcsCommands, BadArguments) {
    TempFolder folder("orvanto-ics");
    EXPECT_EQ(RunCli(folder.Path(), "export", {}).status, 2);
    EXPECT_EQ(RunCli(folder.Path(), "export", {"--ics", "x.ics", "--type", "tasks"}).status, 2);
    EXPECT_EQ(RunCli(folder.Path(), "export", {"--ics", "x.ics", "--from", "1700-01-01"}).status, 2);
    EXPECT_EQ(RunCli(folder.Path(), "import", {}).status, 2);
    EXPECT_EQ(RunCli(folder.Path(), "import", {(folder.Path() / "missing.ics").string()}).status, 1);
}

}  // namespace
}  // namespace orvanto::test
