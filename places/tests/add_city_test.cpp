// Add city: the name checks, the duplicate question, the region chooser, the
// rewrite with its backup and the closing message.
#include "places/add_city.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "places/personal_city_file.h"
#include "places/tests/places_test_support.h"

namespace orvanto {
namespace {

using test::ReadFileBytes;
using test::RecordingSound;
using test::ScriptedPrompt;
using test::ScriptedRegionChooser;
using test::TempFolder;
using test::WriteFileBytes;
using ::testing::ElementsAre;

DistanceSide Kathmandu() { return {"  Kathmandu, Nepal ", "27", "42", false, "85", "19", false}; }

std::string FileRecords(const TempFolder& folder, const char* name = kPersonalCityFileName) {
    const std::vector<std::string> lines = SplitLines(ReadFileBytes(folder.File(name)));
    return lines.size() > 26 ? lines[26] + (lines.size() > 27 ? "|" + lines[27] : "") : "";
}

class AddCityTest : public ::testing::Test {
protected:
    AddCityOutcome Add(const DistanceSide& side, std::optional<int> region) {
        ScriptedRegionChooser chooser(region);
        const AddCityOutcome outcome =
            AddCity(side, DistanceSideId::To, file_, folder_.Path(), prompt_, sound_, chooser);
        choosersOpened_ += chooser.opened;
        return outcome;
    }

    TempFolder folder_;
    PersonalCityFile file_;
    ScriptedPrompt prompt_;
    RecordingSound sound_;
    int choosersOpened_ = 0;
};

TEST_F(AddCityTest, WritesTheRecordWithSevenDecimalsAndSaysSo) {
    EXPECT_EQ(Add(Kathmandu(), 4), AddCityOutcome::Added);
    EXPECT_THAT(file_.recordLines, ElementsAre(R"("5","Kathmandu, Nepal","27.7000000","85.3166667")"));
    EXPECT_EQ(FileRecords(folder_), R"("5","Kathmandu, Nepal","27.7000000","85.3166667")");
    EXPECT_THAT(prompt_.Texts(), ElementsAre("City successfully added."));
    EXPECT_EQ(prompt_.shown[0].kind, MessageKind::Information);
    EXPECT_THAT(sound_.played, ElementsAre("SystemAsterisk"));
}

TEST_F(AddCityTest, HalfADegreeSouthIsWrittenNegative) {
    Add({"Equator, Somewhere", "0", "30", true, "0", "30", true}, 0);
    EXPECT_THAT(file_.recordLines, ElementsAre(R"("1","Equator, Somewhere","-0.5000000","-0.5000000")"));
}

TEST_F(AddCityTest, RefusesBlankNamesAndNamesWithoutComma) {
    const struct {
        const char* name;
        const char* message;
    } cases[] = {
        {"", kCityNameBlank},
        {"   ", kCityNameBlank},
        {"Kathmandu", kInvalidCityName},
        {"Bad \"quote\", X", kInvalidCityName},
    };
    for (const auto& c : cases) {
        prompt_.shown.clear();
        sound_.played.clear();
        DistanceSide side = Kathmandu();
        side.city = c.name;
        EXPECT_EQ(Add(side, 0), AddCityOutcome::Refused) << c.name;
        EXPECT_THAT(prompt_.Texts(), ElementsAre(c.message)) << c.name;
        EXPECT_EQ(prompt_.shown[0].kind, MessageKind::Error);
        EXPECT_THAT(sound_.played, ElementsAre("SystemExclamation"));
    }
    EXPECT_EQ(choosersOpened_, 0);
    EXPECT_FALSE(std::filesystem::exists(folder_.File(kPersonalCityFileName)));
    const auto failure = CheckCityName("Kathmandu", DistanceSideId::From);
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->focus, DistanceField::FromCity);
    EXPECT_EQ(failure->text,
              "Invalid city name.\n\nName format should be:\n\ncity, state       for US cities\n"
              "city, country   for non-US cities");
}

TEST_F(AddCityTest, ASubstringMatchAsksToReplaceAndReplaces) {
    file_.recordLines = {R"("4","New York, England","53.0000000","-1.0000000")",
                         R"("4","Leeds, England","53.8000000","-1.5000000")"};
    prompt_.answers = {true};
    EXPECT_EQ(Add({"York, England", "53", "57", false, "1", "5", true}, 3), AddCityOutcome::Added);
    ASSERT_GE(prompt_.shown.size(), 1u);
    EXPECT_TRUE(prompt_.shown[0].question);
    EXPECT_EQ(prompt_.shown[0].title, "Orvanto");
    EXPECT_EQ(prompt_.shown[0].text,
              "The city already exists in personal database. \nDo you want to replace it?");
    EXPECT_THAT(file_.recordLines, ElementsAre(R"("4","Leeds, England","53.8000000","-1.5000000")",
                                               R"("4","York, England","53.9500000","-1.0833333")"));
}

TEST_F(AddCityTest, CancelOfTheQuestionOrTheChooserChangesNothing) {
    const std::vector<std::string> before = {R"("4","New York, England","53.0000000","-1.0000000")"};
    file_.recordLines = before;
    prompt_.answers = {false};
    EXPECT_EQ(Add({"York, England", "53", "57", false, "1", "5", true}, 3), AddCityOutcome::Cancelled);
    EXPECT_EQ(choosersOpened_, 0);

    prompt_.answers = {true};
    EXPECT_EQ(Add({"York, England", "53", "57", false, "1", "5", true}, std::nullopt),
              AddCityOutcome::Cancelled);
    EXPECT_EQ(file_.recordLines, before);
    EXPECT_FALSE(std::filesystem::exists(folder_.File(kPersonalCityFileName)));
}

TEST_F(AddCityTest, AfterTwoAdditionsTheBackupHoldsTheFileBeforeTheSecond) {
    Add(Kathmandu(), 4);
    const std::string afterFirst = ReadFileBytes(folder_.File(kPersonalCityFileName));
    Add({"Aarhus, Denmark", "56", "9", false, "10", "13", false}, 3);
    EXPECT_EQ(ReadFileBytes(folder_.File(kPersonalCityBackupName)), afterFirst);
    // Sorted by region digit first, then by name.
    EXPECT_EQ(FileRecords(folder_), R"("4","Aarhus, Denmark","56.1500000","10.2166667"|)"
                                    R"("5","Kathmandu, Nepal","27.7000000","85.3166667")");
}

TEST_F(AddCityTest, RecordLinesSortIgnoringCase) {
    std::vector<std::string> lines = {R"("2","b, X","0","0")", R"("1","Z, X","0","0")",
                                      R"("2","A, X","0","0")"};
    SortRecordLines(lines);
    EXPECT_THAT(lines,
                ElementsAre(R"("1","Z, X","0","0")", R"("2","A, X","0","0")", R"("2","b, X","0","0")"));
}

TEST_F(AddCityTest, AFailedRewriteKeepsRecordsAndFile) {
    file_.recordLines = {R"("1","Old, TX","1.0000000","2.0000000")"};
    WriteFileBytes(folder_.File(kPersonalCityFileName), "old");
    std::filesystem::create_directory(folder_.File("CityData.txt.new"));
    EXPECT_THROW(Add(Kathmandu(), 4), ECityFileError);
    EXPECT_THAT(file_.recordLines, ElementsAre(R"("1","Old, TX","1.0000000","2.0000000")"));
    EXPECT_EQ(ReadFileBytes(folder_.File(kPersonalCityFileName)), "old");
    EXPECT_TRUE(prompt_.shown.empty());
}

// A place a user added by hand with region "0" (as the old header told
// them), a note of their own and a line of no form all survive "Add city";
// the file's own header is left as it is.
TEST_F(AddCityTest, LinesNotTakenAtLoadingSurviveTheNextAddition) {
    const std::string original =
        "; my own header, regions 0 to 6\r\n"
        "\"0\",\"Zero Town, TX\",\"30.0000000\",\"-97.0000000\"\r\n"
        "\"9\",\"Nine, X\",\"1\",\"1\"\r\n"
        "note without a semicolon\r\n"
        "\"1\",\"Kept, TX\",\"1\",\"1\"\r\n";
    WriteFileBytes(folder_.File(kPersonalCityFileName), original);
    RegionLists lists;
    ScriptedPrompt loadPrompt;
    file_ = LoadPersonalCities(folder_.Path(), lists, loadPrompt);
    EXPECT_THAT(loadPrompt.Texts(), ElementsAre(kPersonalFileLinesNotUnderstood));
    ASSERT_EQ(Add(Kathmandu(), 4), AddCityOutcome::Added);
    EXPECT_EQ(ReadFileBytes(folder_.File(kPersonalCityFileName)),
              "; my own header, regions 0 to 6\r\n"
              "\"0\",\"Zero Town, TX\",\"30.0000000\",\"-97.0000000\"\r\n"
              "\"9\",\"Nine, X\",\"1\",\"1\"\r\n"
              "note without a semicolon\r\n"
              "\"1\",\"Kept, TX\",\"1\",\"1\"\r\n"
              "\"5\",\"Kathmandu, Nepal\",\"27.7000000\",\"85.3166667\"\r\n");
    EXPECT_EQ(ReadFileBytes(folder_.File(kPersonalCityBackupName)), original);
}

TEST_F(AddCityTest, AFileThatCouldNotBeReadIsNeverRewritten) {
    file_.fileExisted = true;
    file_.readable = false;
    file_.keptLines.clear();
    EXPECT_EQ(Add(Kathmandu(), 4), AddCityOutcome::Refused);
    EXPECT_THAT(prompt_.Texts(), ElementsAre(kCannotAddToUnreadableFile));
    EXPECT_EQ(prompt_.shown[0].kind, MessageKind::Error);
    EXPECT_EQ(choosersOpened_, 0);
    EXPECT_FALSE(std::filesystem::exists(folder_.File(kPersonalCityFileName)));
}

}  // namespace
}  // namespace orvanto
