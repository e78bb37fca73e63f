// The sunrise label's texts: "Sunrise: 07:42  •  Sunset: 16:01".
#pragma once

#include <string>

namespace orvanto {

// The widest text the label must hold; its font is shrunk until this fits.
inline constexpr const char* kSunLabelSample = "Sunrise: 99:99  \u2022  Sunset: 99:99";
inline constexpr const char* kSunLabelNotAvailable = "Sunrise: N/A  \u2022  Sunset: N/A";

// "HH:MM" of a universal-time serial moved to local time by the zone offset
// rounded to whole hours (halves to the even hour); with the twelve-hour
// clock " am" or " pm" follows and only hours above 12 are reduced.
std::string SunClockText(double universalTime, int biasMinutes, bool twelveHour);

// The label text for a day (a serial date of local midnight) at a place
// (north and east positive). A day without sunrise or sunset shows "N/A" for it.
std::string SunLabelText(double day, double latitude, double eastLongitude, int biasMinutes, bool twelveHour);

}  // namespace orvanto
