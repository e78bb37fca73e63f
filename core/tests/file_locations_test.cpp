// The program's file folders: portable beside the program, else the user's
// XDG folders, with named settings files keeping their companions.
#include "core/file_locations.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "core/tests/temp_folder.h"

namespace orvanto {
namespace {

EnvironmentLookup EnvironmentOf(std::map<std::string, std::string> values) {
    return [values](const std::string& name) -> std::optional<std::string> {
        const auto found = values.find(name);
        if (found == values.end()) return std::nullopt;
        return found->second;
    };
}

TEST(FileLocations, UserFoldersFollowTheXdgRules) {
    struct Case {
        std::map<std::string, std::string> environment;
        std::string config;
        std::string data;
    };
    const Case cases[] = {
        {{{"HOME", "/home/ann"}}, "/home/ann/.config/orvanto", "/home/ann/.local/share/orvanto"},
        {{{"HOME", "/home/ann"}, {"XDG_CONFIG_HOME", "/cfg"}, {"XDG_DATA_HOME", "/data"}},
         "/cfg/orvanto",
         "/data/orvanto"},
        // Empty and relative values are ignored, as the base directory rules say.
        {{{"HOME", "/home/ann"}, {"XDG_CONFIG_HOME", ""}, {"XDG_DATA_HOME", "relative/data"}},
         "/home/ann/.config/orvanto",
         "/home/ann/.local/share/orvanto"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(UserConfigFolder(EnvironmentOf(c.environment)), c.config);
        EXPECT_EQ(UserDataFolder(EnvironmentOf(c.environment)), c.data);
    }
}

TEST(FileLocations, AProgramFolderHoldingTheSettingsFileIsPortable) {
    test::TempFolder folder;
    const std::string program = folder.File("orvanto");
    const EnvironmentLookup environment = EnvironmentOf({{"HOME", "/home/ann"}});

    const FileFolders installed = LocateFileFolders(program, environment);
    EXPECT_FALSE(installed.portable);
    EXPECT_EQ(installed.settingsFolder, "/home/ann/.config/orvanto");
    EXPECT_EQ(installed.wallpaperFolder, "/home/ann/.local/share/orvanto");

    test::WriteFileBytes(folder.File("ORVANTO.INI"), "[Settings]\n");
    const FileFolders portable = LocateFileFolders(program, environment);
    EXPECT_TRUE(portable.portable);
    EXPECT_EQ(portable.settingsFolder, folder.Path().string());
    EXPECT_EQ(portable.wallpaperFolder, folder.Path().string());
}

TEST(FileLocations, CompanionsStayBesideANamedSettingsFile) {
    const FileFolders installed{"/home/ann/.config/orvanto", "/home/ann/.local/share/orvanto", false};
    EXPECT_EQ(CompanionFolder("/home/ann/.config/orvanto/ORVANTO.INI"), "/home/ann/.config/orvanto");
    EXPECT_EQ(WallpaperFolder("/home/ann/.config/orvanto/ORVANTO.INI", false, installed),
              "/home/ann/.local/share/orvanto");
    EXPECT_EQ(WallpaperFolder("/srv/team/cal.INI", true, installed), "/srv/team");
    const FileFolders portable{"/opt/orvanto", "/opt/orvanto", true};
    EXPECT_EQ(WallpaperFolder("/opt/orvanto/ORVANTO.INI", false, portable), "/opt/orvanto");
}

TEST(FileLocations, EnsureFolderCreatesParents) {
    test::TempFolder folder;
    const std::string nested = folder.File("a/b/orvanto");
    EXPECT_TRUE(EnsureFolder(nested));
    EXPECT_TRUE(std::filesystem::is_directory(nested));
    EXPECT_TRUE(EnsureFolder(nested));
    test::WriteFileBytes(folder.File("file"), "x");
    EXPECT_FALSE(EnsureFolder(folder.File("file/sub")));
}

}  // namespace
}  // namespace orvanto
