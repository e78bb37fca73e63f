// "BioData.ini": options, favourites, key numbering and hostile files.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>

#include "biorhythm/bio_data_file.h"
#include "core/tests/temp_folder.h"

namespace orvanto::bio {
namespace {

using test::TempFolder;
using test::WriteFileBytes;

std::string FileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(BioDataFile, PathBesideTheSettingsFile) {
    EXPECT_EQ(BioDataPath("/home/ann/.config/orvanto/ORVANTO.INI"), "/home/ann/.config/orvanto/BioData.ini");
    EXPECT_EQ(BioDataPath("/data/v1.2/cal.INI"), "/data/v1.2/BioData.ini");
}

TEST(BioDataFile, KeysGrowPastThreeDigits) {
    EXPECT_EQ(FavouriteKey(0), "User000");
    EXPECT_EQ(FavouriteKey(7), "User007");
    EXPECT_EQ(FavouriteKey(999), "User999");
    EXPECT_EQ(FavouriteKey(1000), "User1000");
    EXPECT_EQ(FavouriteKey(12345), "User12345");
}

TEST(BioDataFile, MissingFileGivesTheDefaults) {
    TempFolder folder;
    const BioDataFile file(folder.File("BioData.ini"));
    EXPECT_EQ(file.ReadOptions(), BioOptions{});
    const FavouriteList favourites = file.ReadFavourites(1);
    EXPECT_EQ(favourites.Count(), 0);
    EXPECT_TRUE(favourites.Unreadable().empty());
    EXPECT_FALSE(std::filesystem::exists(folder.File("BioData.ini")));
}

TEST(BioDataFile, OptionsRoundTripAndKeepOtherKeys) {
    TempFolder folder;
    const std::string path = folder.File("BioData.ini");
    WriteFileBytes(path, "[Options]\nPhysical=0\nMyNote=keep me\n[Items]\nUser000=Ann <5/07/1980>\n");
    BioDataFile file(path);
    BioOptions options;
    options.physical = true;
    options.emotional = false;
    options.intellectual = true;
    options.thickLines = false;
    options.darkBackground = true;
    options.dayUnderMouse = true;
    options.lastUser = 4;
    file.WriteOptions(options);
    EXPECT_EQ(file.ReadOptions(), options);
    EXPECT_EQ(FileText(path),
              "[Options]\nPhysical=1\nEmotional=0\nIntellectual=1\nThickLines=0\nDarkBackground=1\n"
              "DayUnderMouse=1\nLastUser=4\nMyNote=keep me\n[Items]\nUser000=Ann <5/07/1980>\n");
}

TEST(BioDataFile, OptionsReadWithTheirDefaults) {
    TempFolder folder;
    const std::string path = folder.File("BioData.ini");
    WriteFileBytes(path, "[Options]\nPhysical=no\nEmotional=0\nDarkBackground=0x1\nLastUser=two\n");
    BioOptions expected;
    expected.emotional = false;
    expected.darkBackground = true;
    EXPECT_EQ(BioDataFile(path).ReadOptions(), expected);
}

TEST(BioDataFile, FavouritesAreWrittenInListOrder) {
    TempFolder folder;
    const std::string path = folder.File("BioData.ini");
    BioDataFile file(path);
    FavouriteList list(1);
    list.Add({"bob", {1971, 2, 3}});
    list.Add({"Ann", {1980, 5, 7}});
    file.WriteFavourites(list);
    EXPECT_EQ(FileText(path), "[Items]\nUser000=Ann <5/07/1980>\nUser001=bob <2/03/1971>\n");
    const FavouriteList back = file.ReadFavourites(1);
    EXPECT_EQ(back.Entries(), list.Entries());
}

TEST(BioDataFile, ReadingTakesEveryValueWhateverItsKey) {
    TempFolder folder;
    const std::string path = folder.File("BioData.ini");
    WriteFileBytes(
        path, "[Items]\r\nUser005=Zed <1/01/1990>\r\nfoo=ann <1/01/1991>\r\nUser005=Bob <1/01/1992>\r\n");
    const FavouriteList list = BioDataFile(path).ReadFavourites(2);
    EXPECT_EQ(list.Entries(),
              (std::vector<std::string>{"ann <1/01/1991>", "Bob <1/01/1992>", "Zed <1/01/1990>"}));
}

TEST(BioDataFile, TheThousandAndFirstFavouriteKeepsItsOwnKey) {
    TempFolder folder;
    const std::string path = folder.File("BioData.ini");
    BioDataFile file(path);
    FavouriteList list(2);
    for (int i = 0; i < 1001; ++i) {
        const std::string number = std::to_string(10000 + i);
        ASSERT_GE(list.Add({"Person " + number, {1950 + i % 50, 1 + i % 12, 1 + i % 28}}), 0);
    }
    file.WriteFavourites(list);
    const IniFile ini(path);
    const std::vector<std::string> keys = ini.ReadSection("Items");
    ASSERT_EQ(keys.size(), 1001u);
    EXPECT_EQ(keys[999], "User999");
    EXPECT_EQ(keys[1000], "User1000");
    EXPECT_EQ(ini.ReadString("Items", "User1000", ""), list.EntryAt(1000));
    EXPECT_EQ(ini.ReadString("Items", "User000", ""), list.EntryAt(0));
    EXPECT_EQ(file.ReadFavourites(2).Count(), 1001);
}

TEST(BioDataFile, UnreadableEntriesAreSkippedAndKeptInTheFile) {
    TempFolder folder;
    const std::string path = folder.File("BioData.ini");
    WriteFileBytes(path,
                   "[Items]\nUser000=Ann <5/27/1980>\nUser001=Bob <1980-05-07>\nUser002=no date here\n"
                   "User003=Cy <7/05/1980>\n");
    BioDataFile file(path);
    // Day first: "5/27/1980" has no month 27.
    FavouriteList list = file.ReadFavourites(2);
    EXPECT_EQ(list.Entries(), (std::vector<std::string>{"Bob <7/05/1980>", "Cy <7/05/1980>"}));
    EXPECT_EQ(list.Unreadable(), (std::vector<std::string>{"Ann <5/27/1980>", "no date here"}));

    list.Add({"Dee", {1990, 1, 2}});
    file.WriteFavourites(list);
    EXPECT_EQ(FileText(path),
              "[Items]\nUser000=Bob <7/05/1980>\nUser001=Cy <7/05/1980>\nUser002=Dee <2/01/1990>\n"
              "User003=Ann <5/27/1980>\nUser004=no date here\n");
    // Read month first, the same file gives back the entry that was skipped.
    EXPECT_EQ(file.ReadFavourites(1).Find("Ann <5/27/1980>"), 0);
}

TEST(BioDataFile, HostileFiles) {
    TempFolder folder;
    const std::string path = folder.File("BioData.ini");

    // Binary noise with NUL bytes.
    std::mt19937 random(16);
    std::string noise(65536, '\0');
    for (char& c : noise) c = static_cast<char>(random() & 0xFF);
    WriteFileBytes(path, noise);
    {
        BioDataFile file(path);
        EXPECT_NO_THROW(file.ReadOptions());
        EXPECT_NO_THROW(file.ReadFavourites(1));
        EXPECT_NO_THROW(file.WriteOptions(BioOptions{}));
        EXPECT_EQ(file.ReadOptions(), BioOptions{});
    }

    // A line of one megabyte between two good entries.
    WriteFileBytes(path, "[Items]\nUser000=Ann <5/07/1980>\nUser001=" + std::string(1 << 20, 'x') +
                             " <5/07/1980>\nUser002=Bob <6/07/1980>\n");
    {
        const FavouriteList list = BioDataFile(path).ReadFavourites(1);
        EXPECT_EQ(list.Entries(), (std::vector<std::string>{"Ann <5/07/1980>", "Bob <6/07/1980>"}));
        EXPECT_EQ(list.Unreadable().size(), 1u);
    }

    // A file that is a folder cannot be written: the failure is raised.
    std::filesystem::remove(path);
    std::filesystem::create_directory(path);
    BioDataFile folderFile(path);
    EXPECT_EQ(folderFile.ReadFavourites(1).Count(), 0);
    EXPECT_THROW(folderFile.WriteOptions(BioOptions{}), EIniFileError);
}

}  // namespace
}  // namespace orvanto::bio
