// Splitting decimal degrees into the boxes and the texts of section
// "Location".
#include "places/coordinate_text.h"

#include <gtest/gtest.h>

#include "places/decimal_text.h"

namespace orvanto {
namespace {

TEST(SplitCoordinateTest, DegreesMinutesAndHemisphere) {
    const struct {
        const char* text;
        int degrees, minutes;
        bool negative;
    } cases[] = {
        {"49.0300", 49, 2, false},  {"-122.3200", 122, 19, true},
        {"39.9383", 39, 56, false}, {"-82.0083", 82, 0, true},
        {"-0.5", 0, 30, true},      {"0", 0, 0, false},
        {"59.9999", 59, 59, false},  // 60 minutes are limited to 59
        {"10.125", 10, 8, false},    // 7.5 minutes round half to even
        {"10.375", 10, 22, false},   // 22.5 minutes round half to even
        {"abc", 0, 0, false},       {"", 0, 0, false},
        {"12abc", 0, 0, false},     {"1e300", 2000000000, 0, false},
    };
    for (const auto& c : cases) {
        const DegreesMinutes split = SplitCoordinateText(c.text);
        EXPECT_EQ(split.degrees, c.degrees) << c.text;
        EXPECT_EQ(split.minutes, c.minutes) << c.text;
        EXPECT_EQ(split.negative, c.negative) << c.text;
    }
}

TEST(LocationCoordinateTextTest, HundredthsOfADegreeInTwoDigits) {
    EXPECT_EQ(LocationCoordinateText("51", 30, false), "51.50");
    EXPECT_EQ(LocationCoordinateText("51", 5, false), "51.08");
    EXPECT_EQ(LocationCoordinateText("0", 30, true), "-0.50");
    EXPECT_EQ(LocationCoordinateText(" 122 ", 19, true), "-122.32");
    EXPECT_EQ(LocationCoordinateText("49", 2, false), "49.03");
    EXPECT_EQ(LocationCoordinateText("1", 59, false), "1.98");
}

TEST(DecimalTextTest, ConversionsOfTheBoxes) {
    EXPECT_EQ(ParseDecimal(" -12.5 "), -12.5);
    EXPECT_EQ(ParseDecimal("+3"), 3.0);
    EXPECT_EQ(ParseDecimal(".5"), 0.5);
    EXPECT_FALSE(ParseDecimal("inf"));
    EXPECT_FALSE(ParseDecimal("nan"));
    EXPECT_FALSE(ParseDecimal("-"));
    EXPECT_FALSE(ParseDecimal("1,5"));
    EXPECT_EQ(ParseWholeNumber(" 42 "), 42);
    EXPECT_FALSE(ParseWholeNumber(""));
    EXPECT_FALSE(ParseWholeNumber("4 2"));
    EXPECT_EQ(FixedText(-0.5, 7), "-0.5000000");
    EXPECT_EQ(FixedText(-0.0, 7), "0.0000000");
    EXPECT_EQ(FixedText(85.3166666667, 7), "85.3166667");
}

}  // namespace
}  // namespace orvanto
