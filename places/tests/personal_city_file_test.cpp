// Reading, merging and writing the personal city file CityData.txt.
#include "places/personal_city_file.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <string>
#include <vector>

#include "places/tests/places_test_support.h"

namespace orvanto {
namespace {

using test::ReadFileBytes;
using test::ScriptedPrompt;
using test::TempFolder;
using test::WriteFileBytes;
using ::testing::ElementsAre;

std::string Header() {
    std::string header;
    for (const char* line : kPersonalCityFileHeader) header += std::string(line) + "\r\n";
    return header;
}

TEST(PersonalCityHeaderTest, HasTheTwentySixLinesWithTheQuotedFieldNames) {
    EXPECT_EQ(kPersonalCityFileHeader.size(), 26u);
    EXPECT_STREQ(kPersonalCityFileHeader[0], "; Orvanto Personal City Database");
    EXPECT_STREQ(kPersonalCityFileHeader[5],
                 "; Comma-delimited file with four fields per record: \"region\",\"name\",\"lat\",\"long\"");
    EXPECT_STREQ(kPersonalCityFileHeader[25],
                 "; --- Data begins here ------------------------------------------------");
    // Records carry regions 1 to 7, and the header says so.
    EXPECT_STREQ(kPersonalCityFileHeader[7], ";    region: A number between 1 and 7 with continent ID.");
    EXPECT_STREQ(kPersonalCityFileHeader[8], ";            1=North America - 2=Central America & Caribbean");
    EXPECT_STREQ(kPersonalCityFileHeader[9],
                 ";            3=South America - 4=Europe - 5=Asia & Middle East");
    EXPECT_STREQ(kPersonalCityFileHeader[10], ";            6=Africa        - 7=Oceania");
    // No header line may pass for a record, and every one is a note.
    for (const char* line : kPersonalCityFileHeader) {
        EXPECT_FALSE(LooksLikeRecord(line)) << line;
        EXPECT_TRUE(IsNoteOrBlankLine(line)) << line;
    }
}

struct ParseCase {
    const char* line = "";
    RecordParse outcome = RecordParse::Record;
    int region = 0;
    const char* name = "";
    const char* latitude = "";
    const char* longitude = "";
};

class ParseRecordLineTest : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseRecordLineTest, TakesTheFourFieldsApart) {
    const ParseCase& c = GetParam();
    PersonalCityRecord record;
    ASSERT_EQ(ParseRecordLine(c.line, record), c.outcome) << c.line;
    if (c.outcome != RecordParse::Record) return;
    EXPECT_EQ(record.region, c.region);
    EXPECT_EQ(record.name, c.name);
    EXPECT_EQ(record.latitude, c.latitude);
    EXPECT_EQ(record.longitude, c.longitude);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ParseRecordLineTest,
    ::testing::Values(ParseCase{R"("5","Kathmandu, Nepal","27.7000000","85.3166667")", RecordParse::Record, 4,
                                "Kathmandu, Nepal", "27.7000000", "85.3166667"},
                      ParseCase{R"("1","Springfield, IL, USA","39.8","-89.6")", RecordParse::Record, 0,
                                "Springfield, IL, USA", "39.8", "-89.6"},
                      // A double quote followed by a comma ends the name there.
                      ParseCase{R"("1","Bad "Name", here","1","2","3")", RecordParse::Record, 0, "Bad \"Name",
                                " here", "1"},
                      ParseCase{R"("7","Suva, Fiji","abc","")", RecordParse::Record, 6, "Suva, Fiji", "abc",
                                ""},
                      ParseCase{R"("0","Nowhere, X","1","2")", RecordParse::Ignored},
                      ParseCase{R"("8","Nowhere, X","1","2")", RecordParse::Ignored},
                      ParseCase{R"("","Nowhere, X","1","2")", RecordParse::Ignored},
                      ParseCase{R"("1","Only, three","1")", RecordParse::Corrupted},
                      ParseCase{R"("1",no quotes, at, all)", RecordParse::Corrupted},
                      ParseCase{R"("1")", RecordParse::Corrupted}));

TEST(LooksLikeRecordTest, NeedsQuotesAtTheFirstAndThirdCharacter) {
    EXPECT_TRUE(LooksLikeRecord(R"("1","a")"));
    EXPECT_FALSE(LooksLikeRecord(R"("12","a")"));  // two-character region field
    EXPECT_FALSE(LooksLikeRecord("; comment"));
    EXPECT_FALSE(LooksLikeRecord(""));
    EXPECT_FALSE(LooksLikeRecord("\"1"));
    EXPECT_FALSE(LooksLikeRecord(R"( "1","a")"));
}

TEST(SplitLinesTest, ReadsCrLfLfAndCrAndALastLineWithoutBreak) {
    EXPECT_THAT(SplitLines("a\r\nb\nc\rd"), ElementsAre("a", "b", "c", "d"));
    EXPECT_THAT(SplitLines("a\r\n\r\nb\r\n"), ElementsAre("a", "", "b"));
    EXPECT_TRUE(SplitLines("").empty());
}

TEST(RecordLineTest, QuotesEveryFieldAndWritesTheRegionPlusOne) {
    EXPECT_EQ(RecordLine({4, "Kathmandu, Nepal", "27.7000000", "85.3166667"}),
              R"("5","Kathmandu, Nepal","27.7000000","85.3166667")");
}

class LoadPersonalCitiesTest : public ::testing::Test {
protected:
    PersonalCityFile Load(const std::string& content) {
        WriteFileBytes(folder_.File(kPersonalCityFileName), content);
        return LoadPersonalCities(folder_.Path(), lists_, prompt_);
    }

    static RegionLists SampleLists() {
        RegionLists lists;
        lists[0] = {
            {"Adams, MA", "42.6", "-73.1"}, {"Ada, MN", "47.3", "-96.5"}, {"Zion, IL", "42.4", "-87.8"}};
        lists[3] = {{"Stuttgart, Germany", "48.8", "9.2"}, {"St. Nazaire, France", "47.3", "-2.2"}};
        return lists;
    }

    TempFolder folder_;
    RegionLists lists_ = SampleLists();
    ScriptedPrompt prompt_;
};

TEST_F(LoadPersonalCitiesTest, NoFileMergesNothingAndKeepsTheLibraryOrder) {
    const PersonalCityFile load = LoadPersonalCities(folder_.Path(), lists_, prompt_);
    EXPECT_FALSE(load.fileExisted);
    EXPECT_TRUE(load.readable);
    EXPECT_EQ(load.keptLines.size(), 26u) << "a new file gets the header";
    EXPECT_EQ(lists_[0][0].name, "Adams, MA");
    EXPECT_TRUE(prompt_.shown.empty());
}

TEST_F(LoadPersonalCitiesTest, OnlyTheHeaderStillSortsByUpperCaseName) {
    const PersonalCityFile load = Load(Header());
    EXPECT_TRUE(load.fileExisted);
    EXPECT_TRUE(load.recordLines.empty());
    EXPECT_EQ(lists_[0][0].name, "Ada, MN");
    EXPECT_EQ(lists_[0][1].name, "Adams, MA");
    EXPECT_EQ(lists_[3][0].name, "St. Nazaire, France");
    EXPECT_TRUE(prompt_.shown.empty());
}

TEST_F(LoadPersonalCitiesTest, MergesRecordsIntoTheirRegionsAndDropsTheRest) {
    const PersonalCityFile load = Load(Header() +
                                       "\"1\",\"aardvark, TX\",\"30.5\",\"-97.1\"\r\n"
                                       "\"0\",\"Zero, X\",\"1\",\"1\"\r\n"
                                       "\"8\",\"Eight, X\",\"1\",\"1\"\r\n"
                                       "\"12\",\"Twelve, X\",\"1\",\"1\"\r\n"
                                       "\r\n"
                                       "x\r\n"
                                       "\"4\",\"Berlin, Germany\",\"52.5\",\"13.4\"");  // no final break
    EXPECT_THAT(load.recordLines, ElementsAre("\"1\",\"aardvark, TX\",\"30.5\",\"-97.1\"",
                                              "\"4\",\"Berlin, Germany\",\"52.5\",\"13.4\""));
    ASSERT_EQ(lists_[0].size(), 4u);
    EXPECT_EQ(lists_[0][0].name, "aardvark, TX");  // upper-cased for the comparison only
    EXPECT_EQ(lists_[0][0].latitude, "30.5");
    EXPECT_EQ(lists_[0][0].longitude, "-97.1");
    ASSERT_EQ(lists_[3].size(), 3u);
    EXPECT_EQ(lists_[3][0].name, "Berlin, Germany");
    // Lines of unknown regions and of no form are kept and reported once.
    EXPECT_THAT(prompt_.Texts(), ElementsAre(kPersonalFileLinesNotUnderstood));
    EXPECT_EQ(prompt_.shown[0].kind, MessageKind::Warning);
    ASSERT_EQ(load.keptLines.size(), 26u + 5u);
    EXPECT_THAT(std::vector<std::string>(load.keptLines.begin() + 26, load.keptLines.end()),
                ElementsAre("\"0\",\"Zero, X\",\"1\",\"1\"", "\"8\",\"Eight, X\",\"1\",\"1\"",
                            "\"12\",\"Twelve, X\",\"1\",\"1\"", "", "x"));
}

TEST_F(LoadPersonalCitiesTest, AnEmptyFileGetsTheHeaderOfANewFile) {
    const PersonalCityFile load = Load("");
    EXPECT_TRUE(load.fileExisted);
    EXPECT_EQ(load.keptLines.size(), 26u);
    EXPECT_TRUE(prompt_.shown.empty());
}

TEST_F(LoadPersonalCitiesTest, NotesAndBlankLinesAreNoReason) {
    const PersonalCityFile load = Load(Header() + "\r\n   \r\n  ; a note of my own\r\n;\r\n");
    EXPECT_TRUE(prompt_.shown.empty());
    EXPECT_EQ(load.keptLines.size(), 30u);
}

TEST_F(LoadPersonalCitiesTest, ACorruptedRecordWarnsOnceAndTheOthersAreMerged) {
    const PersonalCityFile load = Load(Header() +
                                       "\"1\",\"Before, TX\",\"30\",\"-97\"\r\n"
                                       "\"1\",\"Broken, TX\",\"30\"\r\n"
                                       "\"1\",no quotes or commas\r\n"
                                       "\"1\",\"After, TX\",\"31\",\"-98\"\r\n");
    ASSERT_EQ(prompt_.shown.size(), 1u);
    EXPECT_EQ(prompt_.shown[0].kind, MessageKind::Warning);
    EXPECT_EQ(prompt_.shown[0].text,
              "Personal database file seems to be corrupted.\n\nLook at the Help file for suggestions.");
    EXPECT_EQ(lists_[0].size(), 5u);
    EXPECT_EQ(lists_[0][0].name, "Ada, MN");
    EXPECT_EQ(lists_[0][2].name, "After, TX");
    EXPECT_EQ(lists_[0][3].name, "Before, TX");
    // The broken lines stay in memory, so the next rewrite keeps them.
    EXPECT_EQ(load.recordLines.size(), 2u);
    EXPECT_THAT(std::vector<std::string>(load.keptLines.begin() + 26, load.keptLines.end()),
                ElementsAre("\"1\",\"Broken, TX\",\"30\"", "\"1\",no quotes or commas"));
}

TEST_F(LoadPersonalCitiesTest, AFileThatCannotBeReadWarnsAndStillSorts) {
    std::filesystem::create_directory(folder_.File(kPersonalCityFileName));
    const PersonalCityFile load = LoadPersonalCities(folder_.Path(), lists_, prompt_);
    EXPECT_TRUE(load.fileExisted);
    EXPECT_FALSE(load.readable);
    EXPECT_THAT(prompt_.Texts(), ElementsAre("Could not load personal database file."));
    EXPECT_EQ(prompt_.shown[0].kind, MessageKind::Warning);
    EXPECT_EQ(lists_[0][0].name, "Ada, MN");
}

// A FIFO or a device in place of the file: an ordinary open would wait for
// a writer (or read forever); it is reported instead, at once.
TEST_F(LoadPersonalCitiesTest, AFileThatIsNoRegularFileIsReportedWithoutBlocking) {
    const std::string path = folder_.File(kPersonalCityFileName);
    ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
    PersonalCityFile load = LoadPersonalCities(folder_.Path(), lists_, prompt_);
    EXPECT_FALSE(load.readable);
    EXPECT_THAT(prompt_.Texts(), ElementsAre("Could not load personal database file."));

    std::filesystem::remove(path);
    std::filesystem::create_symlink("/dev/zero", path);
    prompt_.shown.clear();
    load = LoadPersonalCities(folder_.Path(), lists_, prompt_);
    EXPECT_FALSE(load.readable);
    EXPECT_THAT(prompt_.Texts(), ElementsAre("Could not load personal database file."));

    std::filesystem::remove(path);
    std::filesystem::create_symlink(folder_.File("nowhere"), path);
    prompt_.shown.clear();
    load = LoadPersonalCities(folder_.Path(), lists_, prompt_);
    EXPECT_TRUE(load.fileExisted) << "a dangling link is a file that cannot be read";
    EXPECT_FALSE(load.readable);
}

TEST_F(LoadPersonalCitiesTest, BinaryContentNeverCrashes) {
    std::string binary;
    for (int i = 0; i < 70000; ++i) binary += static_cast<char>((i * 7919) % 256);
    binary += std::string("\0\"1\"\0", 5);
    Load(binary);
    // Whatever it holds, every merged place has a name list entry in step.
    for (const RegionList& list : lists_) {
        for (const CityEntry& entry : list) EXPECT_LE(entry.name.size(), 255u);
    }
}

TEST_F(LoadPersonalCitiesTest, OnlyTheFirst255CharactersOfALineCount) {
    const std::string longName(300, 'x');
    const std::string fits = "\"1\",\"" + std::string(200, 'y') + ", TX\",\"1\",\"2\"";
    Load(Header() + "\"1\",\"" + longName + ", TX\",\"1\",\"2\"\r\n" + fits + "\r\n");
    EXPECT_THAT(prompt_.Texts(), ElementsAre(kPersonalFileCorrupted));
    ASSERT_EQ(lists_[0].size(), 4u);
}

TEST_F(LoadPersonalCitiesTest, AHugeFileIsReadWhole) {
    std::string content = Header();
    const std::string record = "\"7\",\"Suva, Fiji\",\"-18.1\",\"178.4\"\r\n";
    while (content.size() < 8'000'000) content += record;
    content += std::string(1'000'000, 'z');  // one endless line without a break
    Load(content);
    EXPECT_GT(lists_[6].size(), 200'000u);
    // The endless line is no record: kept, and reported once.
    EXPECT_THAT(prompt_.Texts(), ElementsAre(kPersonalFileLinesNotUnderstood));
}

PersonalCityFile NewFile(std::vector<std::string> records) {
    PersonalCityFile file;
    file.recordLines = std::move(records);
    return file;
}

TEST(WritePersonalCityFileTest, WritesTheHeaderAndRecordsAndKeepsTheOldFileAsBackup) {
    TempFolder folder;
    WritePersonalCityFile(folder.Path(), NewFile({"\"1\",\"A, TX\",\"1.0000000\",\"2.0000000\""}));
    EXPECT_EQ(ReadFileBytes(folder.File(kPersonalCityFileName)),
              Header() + "\"1\",\"A, TX\",\"1.0000000\",\"2.0000000\"\r\n");
    EXPECT_FALSE(std::filesystem::exists(folder.File(kPersonalCityBackupName)));

    const std::string first = ReadFileBytes(folder.File(kPersonalCityFileName));
    WritePersonalCityFile(folder.Path(), NewFile({}));
    EXPECT_EQ(ReadFileBytes(folder.File(kPersonalCityBackupName)), first);
    EXPECT_EQ(ReadFileBytes(folder.File(kPersonalCityFileName)), Header());
}

TEST(WritePersonalCityFileTest, AFailedWriteLeavesTheOldFileInPlace) {
    TempFolder folder;
    WriteFileBytes(folder.File(kPersonalCityFileName), "old content");
    // The temporary file cannot be created where a folder of its name stands.
    std::filesystem::create_directory(folder.File("CityData.txt.new"));
    EXPECT_THROW(WritePersonalCityFile(folder.Path(), NewFile({"\"1\",\"A, TX\",\"1\",\"2\""})),
                 ECityFileError);
    EXPECT_EQ(ReadFileBytes(folder.File(kPersonalCityFileName)), "old content");
}

// A write that fails (here: the disk is full) reports the failure's own
// text, not the outcome of removing the half-written file afterwards.
TEST(WritePersonalCityFileTest, AFailedWriteReportsItsRealCause) {
    TempFolder folder;
    WriteFileBytes(folder.File(kPersonalCityFileName), "old content");
    std::filesystem::create_symlink("/dev/full", folder.File("CityData.txt.new"));
    try {
        WritePersonalCityFile(folder.Path(), NewFile({"\"1\",\"A, TX\",\"1\",\"2\""}));
        FAIL() << "the write to a full disk succeeded";
    } catch (const ECityFileError& error) {
        const std::string text = error.what();
        EXPECT_NE(text.find("No space left on device"), std::string::npos) << text;
        EXPECT_EQ(text.find("Success"), std::string::npos) << text;
    }
    EXPECT_EQ(ReadFileBytes(folder.File(kPersonalCityFileName)), "old content");
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(folder.File("CityData.txt.new"))));
}

TEST(WritePersonalCityFileTest, KeptLinesComeFirstAsTheyWere) {
    TempFolder folder;
    PersonalCityFile file;
    file.keptLines = {"; old header, regions 0 to 6", "\"0\",\"Mine, TX\",\"1\",\"2\""};
    file.recordLines = {"\"1\",\"A, TX\",\"1\",\"2\""};
    WritePersonalCityFile(folder.Path(), file);
    EXPECT_EQ(
        ReadFileBytes(folder.File(kPersonalCityFileName)),
        "; old header, regions 0 to 6\r\n\"0\",\"Mine, TX\",\"1\",\"2\"\r\n\"1\",\"A, TX\",\"1\",\"2\"\r\n");
}

}  // namespace
}  // namespace orvanto
