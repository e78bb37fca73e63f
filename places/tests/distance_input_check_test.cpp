// The input checks of Calculate and Add city, in their order, with message,
// sound and focus.
#include "places/distance_input_check.h"

#include <gtest/gtest.h>

#include <string>

namespace orvanto {
namespace {

DistanceSide Valid() { return {"Abbotsford, BC", "49", "2", false, "122", "19", true}; }

struct CheckCase {
    const char* what;
    // Changes to the From side, the To side and the altitude.
    void (*change)(DistanceSide& from, DistanceSide& to, std::string& altitude);
    MessageKind kind;
    const char* text;
    BeepKind beep;
    DistanceField focus;
};

class DistanceCheckTest : public ::testing::TestWithParam<CheckCase> {};

TEST_P(DistanceCheckTest, ReportsTheFirstFailure) {
    const CheckCase& c = GetParam();
    DistanceSide from = Valid();
    DistanceSide to = Valid();
    std::string altitude = "0";
    c.change(from, to, altitude);
    double value = 0;
    const auto failure = CheckCalculateInputs(from, to, altitude, value);
    ASSERT_TRUE(failure) << c.what;
    EXPECT_EQ(failure->kind, c.kind) << c.what;
    EXPECT_EQ(failure->text, c.text) << c.what;
    EXPECT_EQ(failure->beep, c.beep) << c.what;
    EXPECT_EQ(failure->focus, c.focus) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DistanceCheckTest,
    ::testing::Values(
        CheckCase{"empty altitude", [](DistanceSide&, DistanceSide&, std::string& a) { a = ""; },
                  MessageKind::Warning, "Fields cannot be blank.", BeepKind::None, DistanceField::None},
        CheckCase{"blank minutes",
                  [](DistanceSide&, DistanceSide& t, std::string&) { t.longitudeMinutes = "  "; },
                  MessageKind::Warning, "Fields cannot be blank.", BeepKind::None, DistanceField::None},
        // Blank wins over an invalid field met earlier in the order.
        CheckCase{"blank after letters",
                  [](DistanceSide& f, DistanceSide& t, std::string&) {
                      f.latitudeDegrees = "x";
                      t.latitudeMinutes = "";
                  },
                  MessageKind::Warning, "Fields cannot be blank.", BeepKind::None, DistanceField::None},
        CheckCase{"letter in From longitude degrees",
                  [](DistanceSide& f, DistanceSide&, std::string&) { f.longitudeDegrees = "12a"; },
                  MessageKind::Error, "Invalid value.", BeepKind::Simple,
                  DistanceField::FromLongitudeDegrees},
        // Characters of all eight fields are checked before any range.
        CheckCase{"sign in To minutes after a range error in From",
                  [](DistanceSide& f, DistanceSide& t, std::string&) {
                      f.latitudeDegrees = "180";
                      t.latitudeMinutes = "-5";
                  },
                  MessageKind::Error, "Invalid value.", BeepKind::Simple, DistanceField::ToLatitudeMinutes},
        CheckCase{"two numbers in one field",
                  [](DistanceSide& f, DistanceSide&, std::string&) { f.latitudeMinutes = "1 2"; },
                  MessageKind::Error, "Invalid value.", BeepKind::Simple, DistanceField::FromLatitudeMinutes},
        CheckCase{"degrees 180",
                  [](DistanceSide&, DistanceSide& t, std::string&) { t.latitudeDegrees = "180"; },
                  MessageKind::Error, "Value must be between 0 and 179.", BeepKind::Exclamation,
                  DistanceField::ToLatitudeDegrees},
        CheckCase{
            "a long row of digits",
            [](DistanceSide& f, DistanceSide&, std::string&) { f.longitudeDegrees = "99999999999999999999"; },
            MessageKind::Error, "Value must be between 0 and 179.", BeepKind::Exclamation,
            DistanceField::FromLongitudeDegrees},
        CheckCase{"minutes 60",
                  [](DistanceSide& f, DistanceSide&, std::string&) { f.longitudeMinutes = " 60 "; },
                  MessageKind::Error, "Value must be between 0 and 59.", BeepKind::Exclamation,
                  DistanceField::FromLongitudeMinutes},
        CheckCase{"altitude 1e3", [](DistanceSide&, DistanceSide&, std::string& a) { a = "1e3"; },
                  MessageKind::Error, "Invalid value.", BeepKind::Simple, DistanceField::Altitude},
        CheckCase{"altitude 1.2.3", [](DistanceSide&, DistanceSide&, std::string& a) { a = "1.2.3"; },
                  MessageKind::Error, "Invalid value.", BeepKind::Simple, DistanceField::Altitude},
        CheckCase{"altitude -5", [](DistanceSide&, DistanceSide&, std::string& a) { a = "-5"; },
                  MessageKind::Error, "Altitude cannot be negative.", BeepKind::Exclamation,
                  DistanceField::Altitude}));

TEST(DistanceCheckTest, PassesAndReadsTheAltitude) {
    double value = -1;
    EXPECT_FALSE(CheckCalculateInputs(Valid(), Valid(), " 12.5 ", value));
    EXPECT_DOUBLE_EQ(value, 12.5);
    // Add city's checks stop before the altitude is converted.
    EXPECT_FALSE(CheckDistanceFields(Valid(), Valid(), "-5"));
    EXPECT_TRUE(CheckDistanceFields(Valid(), Valid(), "1e3"));
}

TEST(DistanceCheckTest, ControlNames) {
    EXPECT_STREQ(DistanceFieldControlName(DistanceField::FromLatitudeDegrees), "Edit1");
    EXPECT_STREQ(DistanceFieldControlName(DistanceField::ToLongitudeMinutes), "Edit8");
    EXPECT_STREQ(DistanceFieldControlName(DistanceField::Altitude), "Edit9");
    EXPECT_STREQ(DistanceFieldControlName(DistanceField::ToCity), "ComboBox4");
}

}  // namespace
}  // namespace orvanto
