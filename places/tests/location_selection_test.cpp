// The Location page: choosing a place or typing one in, the checks of
// "&OK" and the texts written to section "Location".
#include "places/location_selection.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "places/tests/places_test_support.h"

namespace orvanto {
namespace {

using test::RecordingSound;
using test::ScriptedPrompt;
using test::TempFolder;
using ::testing::ElementsAre;

class LocationSelectionTest : public ::testing::Test {
protected:
    IniFile Settings() { return IniFile(folder_.File("ORVANTO.INI").string()); }

    void TypeCustom(const char* name, const char* latDeg, const char* latMin, bool south, const char* lonDeg,
                    const char* lonMin, bool west) {
        page_.ClickRegion(kCustomRegionIndex);
        LocationBoxes& boxes = page_.Boxes();
        boxes.name = name;
        boxes.latitudeDegrees = latDeg;
        boxes.latitudeMinutes = latMin;
        boxes.south = south;
        boxes.longitudeDegrees = lonDeg;
        boxes.longitudeMinutes = lonMin;
        boxes.west = west;
    }

    TempFolder folder_;
    LocationSelection page_;
    ScriptedPrompt prompt_;
    RecordingSound sound_;
};

TEST_F(LocationSelectionTest, ChoosingAbbotsfordStoresItsRebuiltCoordinates) {
    page_.ClickPlace(0, 0);
    EXPECT_EQ(page_.Boxes().region, "North America");
    EXPECT_FALSE(page_.BoxesEnabled());
    IniFile settings = Settings();
    EXPECT_FALSE(page_.CheckAndWrite(settings, prompt_, sound_));
    EXPECT_EQ(settings.ReadInteger("Location", "RegionIndex", 99), 0);
    EXPECT_EQ(settings.ReadInteger("Location", "CityIndex", 99), 0);
    EXPECT_EQ(settings.ReadString("Location", "CityName", ""), "Abbotsford, BC");
    EXPECT_EQ(settings.ReadString("Location", "Latitude", ""), "49.03");
    EXPECT_EQ(settings.ReadString("Location", "Longitude", ""), "-122.32");
}

TEST_F(LocationSelectionTest, ACustomPlaceIsStoredAndReadBackTheSame) {
    TypeCustom("Home, Somewhere", "0", "30", true, "51", "5", false);
    IniFile settings = Settings();
    ASSERT_FALSE(page_.CheckAndWrite(settings, prompt_, sound_));
    EXPECT_EQ(settings.ReadInteger("Location", "RegionIndex", 99), 7);
    EXPECT_EQ(settings.ReadInteger("Location", "CityIndex", 99), -1);
    EXPECT_EQ(settings.ReadString("Location", "Latitude", ""), "-0.50");
    EXPECT_EQ(settings.ReadString("Location", "Longitude", ""), "51.08");

    LocationSelection reopened;
    reopened.Load(settings);
    EXPECT_TRUE(reopened.CustomMode());
    EXPECT_TRUE(reopened.RootExpanded());
    EXPECT_EQ(reopened.Boxes().region, "Custom");
    EXPECT_EQ(reopened.Boxes().name, "Home, Somewhere");
    EXPECT_EQ(reopened.Boxes().latitudeDegrees, "0");
    EXPECT_EQ(reopened.Boxes().latitudeMinutes, "30");
    EXPECT_TRUE(reopened.Boxes().south);
    EXPECT_EQ(reopened.Boxes().longitudeDegrees, "51");
    EXPECT_EQ(reopened.Boxes().longitudeMinutes, "5");
    EXPECT_FALSE(reopened.Boxes().west);
}

struct CustomCase {
    const char* name;
    const char* latDeg;
    const char* latMin;
    const char* lonDeg;
    const char* lonMin;
    const char* message;
    BeepKind beep;
    LocationField focus;
};

TEST_F(LocationSelectionTest, TheCustomChecksInTheirOrder) {
    const CustomCase cases[] = {
        {"A, B", "abc", "0", "0", "0", kLatitudeNotNumerical, BeepKind::Simple,
         LocationField::LatitudeDegrees},
        {"A, B", "0", "", "0", "0", kLatitudeNotNumerical, BeepKind::Simple, LocationField::LatitudeMinutes},
        {"A, B", "0", "0", "1.5", "0", kLongitudeNotNumerical, BeepKind::Simple,
         LocationField::LongitudeDegrees},
        {"A, B", "180", "0", "x", "0", kLongitudeNotNumerical, BeepKind::Simple,
         LocationField::LongitudeDegrees},
        {"A, B", "180", "0", "0", "0", kLocationDegreesRange, BeepKind::Exclamation,
         LocationField::LatitudeDegrees},
        {"A, B", "10", "60", "0", "0", kLocationMinutesRange, BeepKind::Exclamation,
         LocationField::LatitudeMinutes},
        {"A, B", "10", "0", "200", "0", kLocationDegreesRange, BeepKind::Exclamation,
         LocationField::LongitudeDegrees},
        {"A, B", "10", "0", "20", "99", kLocationMinutesRange, BeepKind::Exclamation,
         LocationField::LongitudeMinutes},
        {"   ", "10", "0", "20", "0", kMissingCityName, BeepKind::Exclamation, LocationField::Name},
    };
    for (const CustomCase& c : cases) {
        TypeCustom(c.name, c.latDeg, c.latMin, false, c.lonDeg, c.lonMin, true);
        const auto failure = page_.Check();
        ASSERT_TRUE(failure) << c.message;
        EXPECT_EQ(failure->text, c.message);
        EXPECT_EQ(failure->kind, MessageKind::Error);
        EXPECT_EQ(failure->beep, c.beep) << c.message;
        EXPECT_EQ(failure->focus, c.focus) << c.message;
    }
}

TEST_F(LocationSelectionTest, ARegionWithoutAPlaceIsRefusedAndNothingIsWritten) {
    page_.ClickRegion(3);
    EXPECT_EQ(page_.RegionIndex(), 3);
    EXPECT_EQ(page_.PlaceIndex(), -1);
    IniFile settings = Settings();
    const auto failure = page_.CheckAndWrite(settings, prompt_, sound_);
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->focus, LocationField::Tree);
    EXPECT_THAT(prompt_.Texts(), ElementsAre("Please select a city within this region."));
    EXPECT_THAT(sound_.played, ElementsAre("SystemExclamation"));
    EXPECT_FALSE(settings.ValueExists("Location", "RegionIndex"));
}

TEST_F(LocationSelectionTest, OpeningSelectsTheStoredPlaceOrNothing) {
    IniFile settings = Settings();
    settings.WriteInteger("Location", "RegionIndex", 3);
    settings.WriteInteger("Location", "CityIndex", -1);
    page_.Load(settings);
    EXPECT_EQ(page_.ExpandedRegion(), 3);
    EXPECT_EQ(page_.PlaceIndex(), 0);
    EXPECT_EQ(page_.Boxes().name, "Aalborg, Denmark");

    settings.WriteInteger("Location", "CityIndex", 162);
    page_.Load(settings);
    EXPECT_EQ(page_.PlaceIndex(), -1);
    EXPECT_EQ(page_.Boxes().name, "");

    settings.WriteInteger("Location", "RegionIndex", -1);
    page_.Load(settings);
    EXPECT_FALSE(page_.RootExpanded());
    EXPECT_EQ(page_.RegionIndex(), -1);
}

TEST_F(LocationSelectionTest, ChoosingAnotherPlaceLaterStoresTheNewOne) {
    page_.ClickPlace(0, 0);
    page_.ClickRoot();
    page_.ClickPlace(6, 63);
    IniFile settings = Settings();
    ASSERT_FALSE(page_.CheckAndWrite(settings, prompt_, sound_));
    EXPECT_EQ(settings.ReadInteger("Location", "RegionIndex", 99), 6);
    EXPECT_EQ(settings.ReadInteger("Location", "CityIndex", 99), 63);
    EXPECT_EQ(settings.ReadString("Location", "CityName", ""), "Yap Island, Micronesia");
    EXPECT_EQ(settings.ReadString("Location", "Latitude", ""), "9.50");
    EXPECT_EQ(settings.ReadString("Location", "Longitude", ""), "138.08");
}

}  // namespace
}  // namespace orvanto
