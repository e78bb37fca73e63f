// The sunrise label: zone rounding, the twelve-hour form, the N/A text.
#include "ui/main/sun_label.h"

#include <gtest/gtest.h>

#include "calendar/serial_date.h"

namespace orvanto {
namespace {

double At(int hour, int minute) { return EncodeDate(2015, 6, 21) + EncodeTime(hour, minute, 0); }

TEST(SunLabel, ClockTextMovesByTheZoneRoundedToWholeHours) {
    struct Case {
        double universal;
        int bias;
        bool twelveHour;
        const char* text;
    };
    const Case cases[] = {
        {At(4, 43), 0, false, "04:43"},    {At(4, 43), -60, false, "05:43"},
        {At(4, 43), 300, false, "23:43"},   // west of Greenwich: the previous evening's clock
        {At(4, 43), -330, false, "10:43"},  // 5.5 hours round to the even 6
        {At(4, 43), -270, false, "08:43"},  // 4.5 hours round to the even 4
        {At(12, 30), 0, true, "12:30 am"},  // only hours above 12 are marked pm
        {At(13, 5), 0, true, "01:05 pm"},  {At(0, 15), 0, true, "00:15 am"},
        {At(23, 59), 0, true, "11:59 pm"},
    };
    for (const Case& c : cases) EXPECT_EQ(SunClockText(c.universal, c.bias, c.twelveHour), c.text) << c.text;
}

TEST(SunLabel, GreenwichAtMidsummer) {
    const std::string text = SunLabelText(EncodeDate(2015, 6, 21), 51.4667, 0.0, 0, false);
    // Sunrise about 03:43 UT, sunset about 20:21 UT.
    EXPECT_EQ(text.substr(0, 12), "Sunrise: 03:");
    EXPECT_NE(text.find("  \u2022  Sunset: 20:"), std::string::npos) << text;
}

TEST(SunLabel, PolarNightShowsNotAvailable) {
    EXPECT_EQ(SunLabelText(EncodeDate(2015, 12, 21), 78.2, 15.6, -60, false), kSunLabelNotAvailable);
}

}  // namespace
}  // namespace orvanto
