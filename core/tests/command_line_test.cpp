#include "core/command_line.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "core/tests/temp_folder.h"

namespace orvanto {
namespace {

struct ParseCase {
    std::vector<std::string> arguments;
    StartupMode mode;
    bool skipEventLoop;
    std::optional<std::string> settingsName;
    std::optional<std::string> unknownSwitch;
};

class ParseCommandLineTest : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseCommandLineTest, ReadsSwitchesAndName) {
    const ParseCase& c = GetParam();
    const CommandLine line = ParseCommandLine(c.arguments);
    EXPECT_EQ(line.mode, c.mode);
    EXPECT_EQ(line.skipEventLoop, c.skipEventLoop);
    EXPECT_EQ(line.settingsName, c.settingsName);
    EXPECT_EQ(line.unknownSwitch, c.unknownSwitch);
}

const auto N = StartupMode::Normal;
const auto Q = StartupMode::CheckAndQuit;
const auto M = StartupMode::CheckAndMinimize;
const std::optional<std::string> kNoName;

INSTANTIATE_TEST_SUITE_P(
    Cases, ParseCommandLineTest,
    ::testing::Values(
        ParseCase{{}, N, false, kNoName, kNoName}, ParseCase{{"-C"}, Q, true, kNoName, kNoName},
        ParseCase{{"/c"}, Q, true, kNoName, kNoName}, ParseCase{{"-m"}, M, false, kNoName, kNoName},
        ParseCase{{"/M", "cal.ini"}, M, false, "cal.ini", kNoName},
        ParseCase{{"cal.ini", "/C"}, Q, true, "cal.ini", kNoName},
        // Both switches: the last one decides the window, -C always skips the loop.
        ParseCase{{"-C", "-M"}, M, true, kNoName, kNoName},
        ParseCase{{"-M", "/C"}, Q, true, kNoName, kNoName},
        // Several names: the last one wins; a name keeps its case.
        ParseCase{{"first.ini", "Second.Ini"}, N, false, "Second.Ini", kNoName},
        ParseCase{{"/home/ann/My.cal.txt"}, N, false, "/home/ann/My.cal.txt", kNoName},
        ParseCase{{"-C", "./-odd"}, Q, true, "./-odd", kNoName},
        // Unknown switches: the first one is reported.
        ParseCase{{"/X"}, N, false, kNoName, "/X"}, ParseCase{{"-q", "/z"}, N, false, kNoName, "-q"},
        ParseCase{{"-CM"}, N, false, kNoName, "-CM"}, ParseCase{{"-"}, N, false, kNoName, "-"}));

TEST(CommandLineTest, InvalidParameterTextIsUpperCased) {
    EXPECT_EQ(InvalidParameterText("/x"), "Invalid parameter: /X");
    EXPECT_EQ(InvalidParameterText("/home/ann/caf\xC3\xA9.ini"),
              "Invalid parameter: /HOME/ANN/CAF\xC3\xA9.INI");
}

struct PathCase {
    std::optional<std::string> name;
    std::string expected;
};

class ResolveSettingsPathTest : public ::testing::TestWithParam<PathCase> {};

TEST_P(ResolveSettingsPathTest, FollowsTheExtensionAndFolderRules) {
    EXPECT_EQ(ResolveSettingsPath(GetParam().name, "/opt/orvanto/bin/orvanto"), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, ResolveSettingsPathTest,
                         ::testing::Values(PathCase{std::nullopt, "/opt/orvanto/bin/ORVANTO.INI"},
                                           PathCase{"myfile.txt", "/opt/orvanto/bin/myfile.INI"},
                                           PathCase{"myfile", "/opt/orvanto/bin/myfile.INI"},
                                           PathCase{"  myfile  ", "/opt/orvanto/bin/myfile.INI"},
                                           PathCase{"my.cal.txt", "/opt/orvanto/bin/my.INI"},
                                           PathCase{"/data/my.cal.txt", "/data/my.INI"},
                                           // A folder with dots: the cut happens in the file name only.
                                           PathCase{"/data/v1.2/cal.txt", "/data/v1.2/cal.INI"},
                                           PathCase{"/data/v1.2/cal", "/data/v1.2/cal.INI"},
                                           PathCase{"/home/Ann/Cal.ini", "/home/Ann/Cal.INI"}));

TEST(ResolveSettingsPathTest, RelativeFolderIsTakenFromTheCurrentFolder) {
    const std::string expected = (std::filesystem::current_path() / "sub/cal.INI").string();
    EXPECT_EQ(ResolveSettingsPath("sub/cal.txt", "/opt/orvanto/bin/orvanto"), expected);
}

TEST(ResolveSettingsPathTest, AnExistingFileWhoseExtensionDiffersOnlyInCaseIsTheOneMeant) {
    const test::TempFolder folder;
    const std::string program = folder.File("orvanto");
    // Nothing there: the built name.
    EXPECT_EQ(ResolveSettingsPath("cal.txt", program), folder.File("cal.INI"));
    test::WriteFileBytes(folder.File("cal.Ini"), "");
    EXPECT_EQ(ResolveSettingsPath("cal.txt", program), folder.File("cal.Ini"));
    test::WriteFileBytes(folder.File("cal.ini"), "");
    EXPECT_EQ(ResolveSettingsPath("cal.ini", program), folder.File("cal.ini"));
    test::WriteFileBytes(folder.File("cal.INI"), "");
    EXPECT_EQ(ResolveSettingsPath("cal.ini", program), folder.File("cal.INI"));
    // Only the extension's case: another name is another file.
    test::WriteFileBytes(folder.File("Other.ini"), "");
    EXPECT_EQ(ResolveSettingsPath("other", program), folder.File("other.INI"));
    EXPECT_EQ(ResolveSettingsPath(std::nullopt, program), folder.File("ORVANTO.INI"));
    test::WriteFileBytes(folder.File("ORVANTO.ini"), "");
    EXPECT_EQ(ResolveSettingsPath(std::nullopt, program), folder.File("ORVANTO.ini"));
}

TEST(ChooseSettingsPathTest, ANamedFileMustExistOrBeCreatable) {
    const test::TempFolder folder;
    const std::string program = folder.File("orvanto");
    EXPECT_EQ(ChooseSettingsPath(std::nullopt, program), folder.File("ORVANTO.INI"));
    EXPECT_EQ(ChooseSettingsPath(folder.File("new.ini"), program), folder.File("new.INI"));
    EXPECT_FALSE(std::filesystem::exists(folder.File("new.INI")));
    EXPECT_EQ(ChooseSettingsPath(folder.File("no-such-folder/x.ini"), program), std::nullopt);
}

TEST(SettingsFileUsableTest, ExistingOrCreatableFileOnly) {
    const test::TempFolder folder;
    const std::string existing = folder.File("there.INI");
    test::WriteFileBytes(existing, "[Settings]\n");
    EXPECT_TRUE(SettingsFileUsable(existing));
    EXPECT_EQ(test::ReadFileBytes(existing), "[Settings]\n");

    const std::string creatable = folder.File("new.INI");
    EXPECT_TRUE(SettingsFileUsable(creatable));
    EXPECT_FALSE(std::filesystem::exists(creatable)) << "the trial file is deleted again";

    EXPECT_FALSE(SettingsFileUsable(folder.File("no-such-folder/x.INI")));
    EXPECT_FALSE(SettingsFileUsable(folder.Path().string()));  // a folder is no settings file
}

}  // namespace
}  // namespace orvanto
