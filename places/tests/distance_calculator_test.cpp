// The distance calculator's state from opening to Add city, over the real
// library, a settings file and a personal city file in a temporary folder.
#include "places/distance_calculator.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>

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

class DistanceCalculatorTest : public ::testing::Test {
protected:
    void Settings(const std::string& location) { WriteFileBytes(settingsPath_, "[Location]\r\n" + location); }
    void PersonalFile(const std::string& records) {
        std::string content;
        for (const char* line : kPersonalCityFileHeader) content += std::string(line) + "\r\n";
        WriteFileBytes(folder_.File(kPersonalCityFileName), content + records);
    }
    DistanceCalculator Open() {
        return DistanceCalculator(IniFile(settingsPath_.string()), folder_.Path(), prompt_, sound_);
    }

    TempFolder folder_;
    std::filesystem::path settingsPath_ = folder_.File("ORVANTO.INI");
    ScriptedPrompt prompt_;
    RecordingSound sound_;
};

TEST_F(DistanceCalculatorTest, WithoutAHomeBothSidesStartAtTheFirstPlaceOfNorthAmerica) {
    DistanceCalculator calculator = Open();
    for (const DistanceSideId id : {DistanceSideId::From, DistanceSideId::To}) {
        const CalculatorSide& side = calculator.Side(id);
        EXPECT_EQ(side.region, 0);
        EXPECT_EQ(side.place, 0);
        EXPECT_EQ(side.boxes.city, "Abbotsford, BC");
        EXPECT_EQ(side.boxes.latitudeDegrees, "49");
        EXPECT_EQ(side.boxes.latitudeMinutes, "2");
        EXPECT_FALSE(side.boxes.south);
        EXPECT_EQ(side.boxes.longitudeDegrees, "122");
        EXPECT_EQ(side.boxes.longitudeMinutes, "19");
        EXPECT_TRUE(side.boxes.west);
    }
    EXPECT_EQ(calculator.Units(), DistanceUnits::Metric);
    EXPECT_STREQ(calculator.AltitudeUnitLabel(), "meters");
}

TEST_F(DistanceCalculatorTest, UnitsFollowTheHomeRegion) {
    Settings("RegionIndex=0\r\nCityIndex=0\r\n");
    EXPECT_EQ(Open().Units(), DistanceUnits::English);
    Settings("RegionIndex=3\r\nCityIndex=0\r\n");
    DistanceCalculator europe = Open();
    EXPECT_EQ(europe.Units(), DistanceUnits::Metric);
    EXPECT_EQ(europe.Side(DistanceSideId::From).boxes.city, "Aalborg, Denmark");
}

TEST_F(DistanceCalculatorTest, AbbotsfordToZanesvilleAndTheUnitsSwitch) {
    Settings("RegionIndex=0\r\nCityIndex=0\r\n");
    DistanceCalculator calculator = Open();
    calculator.SelectPlace(DistanceSideId::To, 1564);
    EXPECT_EQ(calculator.Side(DistanceSideId::To).boxes.city, "Zanesville, OH");
    EXPECT_FALSE(calculator.Calculate("0"));
    EXPECT_EQ(calculator.ResultText(), "2,068 miles");
    calculator.SetUnits(DistanceUnits::Metric);
    EXPECT_EQ(calculator.ResultText(), "3,309 km.");
    EXPECT_STREQ(calculator.AltitudeUnitLabel(), "meters");
    calculator.AltitudeChanged();
    EXPECT_EQ(calculator.ResultText(), "");
}

TEST_F(DistanceCalculatorTest, AFailedCheckKeepsTheResultAndBeeps) {
    DistanceCalculator calculator = Open();
    calculator.SelectPlace(DistanceSideId::To, 1564);
    ASSERT_FALSE(calculator.Calculate("0"));
    const auto failure = calculator.Calculate("-5");
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->focus, DistanceField::Altitude);
    EXPECT_EQ(calculator.ResultText(), "3,309 km.");
    EXPECT_THAT(prompt_.Texts(), ElementsAre("Altitude cannot be negative."));
    EXPECT_THAT(sound_.played, ElementsAre("SystemExclamation"));
}

TEST_F(DistanceCalculatorTest, AHomeCityIsFoundAgainAfterTheMerge) {
    // "Adams, MA" is not in the library, so take the library's third place
    // and add two personal places that sort before it.
    Settings("RegionIndex=0\r\nCityIndex=2\r\n");
    DistanceCalculator plain = Open();
    const std::string home = plain.Side(DistanceSideId::From).boxes.city;
    PersonalFile("\"1\",\"AAA, TX\",\"1\",\"1\"\r\n\"1\",\"AAB, TX\",\"1\",\"1\"\r\n");
    DistanceCalculator merged = Open();
    EXPECT_EQ(merged.Side(DistanceSideId::From).place, 4);
    EXPECT_EQ(merged.Side(DistanceSideId::From).boxes.city, home);
    EXPECT_EQ(merged.Regions()[0][0].name, "AAA, TX");
}

TEST_F(DistanceCalculatorTest, ACustomHomeShowsItsNameAndSplitCoordinates) {
    Settings("RegionIndex=7\r\nCityIndex=-1\r\nCityName=  \r\nLatitude=-33.50\r\nLongitude=151.25\r\n");
    DistanceCalculator calculator = Open();
    const CalculatorSide& from = calculator.Side(DistanceSideId::From);
    EXPECT_TRUE(from.Custom());
    EXPECT_EQ(from.boxes.city, "Not defined");
    EXPECT_EQ(from.boxes.latitudeDegrees, "33");
    EXPECT_EQ(from.boxes.latitudeMinutes, "30");
    EXPECT_TRUE(from.boxes.south);
    EXPECT_EQ(from.boxes.longitudeDegrees, "151");
    EXPECT_EQ(from.boxes.longitudeMinutes, "15");
    EXPECT_FALSE(from.boxes.west);
    EXPECT_EQ(calculator.Units(), DistanceUnits::Metric);
}

TEST_F(DistanceCalculatorTest, AHomePlaceOutsideTheListLeavesNoSelection) {
    Settings("RegionIndex=1\r\nCityIndex=22\r\n");
    DistanceCalculator calculator = Open();
    EXPECT_EQ(calculator.Side(DistanceSideId::From).region, 1);
    EXPECT_EQ(calculator.Side(DistanceSideId::From).place, -1);
}

TEST_F(DistanceCalculatorTest, TheCustomRegionStartsAtZeroNorthWest) {
    DistanceCalculator calculator = Open();
    calculator.SelectRegion(DistanceSideId::To, kCustomRegionIndex);
    const CalculatorSide& to = calculator.Side(DistanceSideId::To);
    EXPECT_TRUE(to.Custom());
    EXPECT_EQ(to.boxes.city, "");
    EXPECT_EQ(to.boxes.latitudeDegrees, "0");
    EXPECT_EQ(to.boxes.longitudeMinutes, "0");
    EXPECT_FALSE(to.boxes.south);
    EXPECT_TRUE(to.boxes.west);
}

TEST_F(DistanceCalculatorTest, AddCityStoresTheTypedPlaceForTheNextOpening) {
    DistanceCalculator calculator = Open();
    calculator.SelectRegion(DistanceSideId::To, kCustomRegionIndex);
    DistanceSide& boxes = calculator.Boxes(DistanceSideId::To);
    boxes = {"Kathmandu, Nepal", "27", "42", false, "85", "19", false};
    ScriptedRegionChooser chooser(4);
    EXPECT_EQ(calculator.AddCity(DistanceSideId::To, "0", chooser), AddCityOutcome::Added);
    EXPECT_THAT(calculator.PersonalRecords(),
                ElementsAre(R"("5","Kathmandu, Nepal","27.7000000","85.3166667")"));
    // The open window lists it at once, and so does the next opening; the
    // library place shown on the From side stays selected.
    ASSERT_EQ(calculator.Regions()[4].size(), 106u);
    const RegionList& asia = calculator.Regions()[4];
    EXPECT_TRUE(std::any_of(asia.begin(), asia.end(),
                            [](const CityEntry& e) { return e.name == "Kathmandu, Nepal"; }));
    EXPECT_EQ(calculator.Side(DistanceSideId::From).place, 0);
    EXPECT_TRUE(calculator.Side(DistanceSideId::To).Custom());
    DistanceCalculator reopened = Open();
    EXPECT_EQ(reopened.Regions()[4].size(), 106u);
}

TEST_F(DistanceCalculatorTest, AHomePlaceBeforeTheAddedOneIsFoundAgain) {
    Settings("RegionIndex=0\r\nCityIndex=1\r\n");
    DistanceCalculator calculator = Open();
    const std::string home = calculator.Side(DistanceSideId::From).boxes.city;
    calculator.SelectRegion(DistanceSideId::To, kCustomRegionIndex);
    calculator.Boxes(DistanceSideId::To) = {"AAAA Town, TX", "30", "0", false, "97", "0", true};
    ScriptedRegionChooser chooser(0);
    ASSERT_EQ(calculator.AddCity(DistanceSideId::To, "0", chooser), AddCityOutcome::Added);
    EXPECT_EQ(calculator.Regions()[0][0].name, "AAAA Town, TX");
    EXPECT_EQ(calculator.Side(DistanceSideId::From).place, 2);
    EXPECT_EQ(calculator.Regions()[0][2].name, home);
}

// "RegionIndex" -2 (absent) opens at North America's first place; 0..7 at
// the home; any other value selects nothing on the From side.
TEST_F(DistanceCalculatorTest, AHomeRegionOutsideTheListSelectsNothing) {
    for (const char* value : {"-1", "-3", "8", "99"}) {
        Settings(std::string("RegionIndex=") + value + "\r\nCityIndex=0\r\n");
        DistanceCalculator calculator = Open();
        const CalculatorSide& from = calculator.Side(DistanceSideId::From);
        EXPECT_EQ(from.region, -1) << value;
        EXPECT_EQ(from.place, -1) << value;
        EXPECT_EQ(from.boxes.city, "") << value;
        EXPECT_EQ(from.boxes.latitudeDegrees, "") << value;
        EXPECT_FALSE(from.Custom()) << value;
        EXPECT_EQ(calculator.Units(), DistanceUnits::Metric) << value;
        // Nothing to measure from yet; no crash either.
        calculator.SelectPlace(DistanceSideId::From, 3);
        EXPECT_EQ(calculator.Side(DistanceSideId::From).place, -1);
        const auto failure = calculator.Calculate("0");
        ASSERT_TRUE(failure) << value;
        EXPECT_EQ(failure->text, kFieldsCannotBeBlank);
        calculator.SelectRegion(DistanceSideId::From, 2);
        EXPECT_EQ(calculator.Side(DistanceSideId::From).place, 0) << "a region chosen later works";
    }
}

TEST_F(DistanceCalculatorTest, AddCityDoesNothingForALibraryPlace) {
    DistanceCalculator calculator = Open();
    ScriptedRegionChooser chooser(0);
    EXPECT_EQ(calculator.AddCity(DistanceSideId::From, "0", chooser), AddCityOutcome::Cancelled);
    EXPECT_EQ(chooser.opened, 0);
    EXPECT_TRUE(prompt_.shown.empty());
}

TEST_F(DistanceCalculatorTest, AddCityChecksBothSidesFirst) {
    DistanceCalculator calculator = Open();
    calculator.SelectRegion(DistanceSideId::To, kCustomRegionIndex);
    calculator.Boxes(DistanceSideId::To) = {"Kathmandu, Nepal", "27", "42", false, "85", "19", false};
    calculator.Boxes(DistanceSideId::From).latitudeMinutes = "61";
    ScriptedRegionChooser chooser(4);
    std::optional<DistanceFeedback> failure;
    EXPECT_EQ(calculator.AddCity(DistanceSideId::To, "0", chooser, &failure), AddCityOutcome::Refused);
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->focus, DistanceField::FromLatitudeMinutes);
    EXPECT_EQ(chooser.opened, 0);
    EXPECT_FALSE(std::filesystem::exists(folder_.File(kPersonalCityFileName)));
}

}  // namespace
}  // namespace orvanto
