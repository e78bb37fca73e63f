#include <gtest/gtest.h>

#include <set>
#include <string>

#include "astronomy/astro_report.h"
#include "astronomy/julian_day.h"
#include "calendar/date_text.h"

namespace orvanto::astro {
namespace {

TEST(ReportTexts, DateAndTimeFormats) {
    EXPECT_EQ(DateText(2026, 3, 7, 1), "03/07/2026");
    EXPECT_EQ(DateText(2026, 3, 7, 2), "07/03/2026");
    EXPECT_EQ(DateText(987, 3, 7, 0), "07/03/0987");
    struct Case {
        int h, m, s;
        bool twelve;
        const char* text;
    };
    for (const Case c : {Case{0, 30, 0, false, "00:30:00"}, Case{23, 5, 9, false, "23:05:09"},
                         Case{0, 30, 0, true, "00:30:00 am"}, Case{11, 59, 59, true, "11:59:59 am"},
                         Case{12, 30, 0, true, "12:30:00 pm"}, Case{13, 5, 0, true, "01:05:00 pm"},
                         Case{23, 0, 0, true, "11:00:00 pm"}}) {
        EXPECT_EQ(LongTimeText(c.h, c.m, c.s, c.twelve), c.text);
    }
    EXPECT_EQ(ShortTimeText(0, 30, true), "00:30 am");
    EXPECT_EQ(ShortTimeText(18, 45, true), "06:45 pm");
    EXPECT_EQ(ShortTimeText(18, 45, false), "18:45");
}

TEST(ReportTexts, CompassSectors) {
    struct Case {
        long double a;
        const char* text;
    };
    for (const Case c : {Case{0, "N"}, Case{22.49L, "N"}, Case{22.5L, "NE"}, Case{90, "E"}, Case{157.5L, "S"},
                         Case{202.4L, "S"}, Case{202.5L, "SW"}, Case{270, "W"}, Case{300, "NW"},
                         Case{337.5L, "N"}, Case{359.99L, "N"}, Case{360, "??"}, Case{-0.01L, "??"}}) {
        EXPECT_EQ(CompassText(c.a), c.text) << static_cast<double>(c.a);
    }
}

TEST(ReportTexts, AnglesRoundMinutesWithoutCarry) {
    EXPECT_EQ(AngleText(-73.9942L, " E", " W"), "73\xC2\xB0 60' W");
    EXPECT_EQ(AngleText(2.35L, " E", " W"), "2\xC2\xB0 21' E");
    EXPECT_EQ(AngleText(51.4667L, " N", " S"), "51\xC2\xB0 28' N");
    EXPECT_EQ(AngleText(-33.9L, " N", " S"), "33\xC2\xB0 54' S");
    EXPECT_EQ(AngleText(0, " E", " W"), "0\xC2\xB0 0' E");
}

TEST(ReportTexts, NumbersWithThousandsSeparators) {
    EXPECT_EQ(NumberText(2461386.08333L, 4), "2,461,386.0833");
    EXPECT_EQ(NumberText(147313882.4L, 0), "147,313,882");
    EXPECT_EQ(NumberText(999.994L, 2), "999.99");
    EXPECT_EQ(NumberText(5.789L, 2), "5.79");
    EXPECT_EQ(NumberText(100000, 0), "100,000");
}

TEST(ReportTexts, MoonAge) {
    EXPECT_EQ(MoonAgeText(3.5L), "3 days 12 hours 00 minutes ");
    EXPECT_EQ(MoonAgeText(0.25L + 1.0L / 1440 * 7), "0 days 06 hours 07 minutes ");
}

TAstroReportInput Greenwich(double date) {
    TAstroReportInput in;
    in.windowDate = date;
    in.universalHours = (date - static_cast<long long>(date)) * 24;
    in.latitude = 51.4667L;
    in.longitude = 0;
    in.cityName = "Greenwich Obs, England";
    return in;
}

TEST(AstroValues, AnOrdinaryDayFillsEveryValue) {
    const TAstroValues v = ComputeAstroValues(Greenwich(EncodeSerialDate(2026, 12, 11) + 14 / 24.0));
    EXPECT_EQ(v.title, "Astronomical Data for Greenwich Obs, England");
    EXPECT_EQ(v.julianDate, "2,461,386.0833");
    EXPECT_EQ(v.seasons[0].caption, "Spring Equinox:");
    EXPECT_EQ(v.seasons[0].thisYear.substr(0, 10), "20/03/2026");
    EXPECT_EQ(v.seasons[3].caption, "Winter Solstice:");
    EXPECT_EQ(v.seasons[3].nextYear.substr(0, 10), "22/12/2027");
    EXPECT_EQ(v.sunRise.size(), 8u);
    EXPECT_EQ(v.daylight.size(), 8u);
    EXPECT_EQ(v.daylight.substr(0, 3), "07:");
    EXPECT_EQ(v.elevation.substr(v.elevation.size() - 4), " deg");
    EXPECT_EQ(v.positionNote, "");
    EXPECT_NE(v.sunDistanceKm.find(" km"), std::string::npos);
    EXPECT_EQ(v.sunDistanceMiles.front(), '(');
    EXPECT_NE(v.moonDistance.find(" km  ("), std::string::npos);
    EXPECT_EQ(v.litFraction.substr(v.litFraction.size() - 2), " %");
    EXPECT_EQ(v.latitudeText, "51\xC2\xB0 28' N");
    EXPECT_EQ(v.dateLine, "Friday, 11 December 2026, 14:00");
    EXPECT_EQ(v.sunSubtends.substr(0, 4), "0.54");
}

TEST(AstroValues, SouthernHemisphereCaptionsAndEmptyCity) {
    TAstroReportInput in = Greenwich(EncodeSerialDate(2026, 4, 1) + 0.5);
    in.latitude = -33.9L;
    in.longitude = 18.4L;
    in.cityName.clear();
    const TAstroValues v = ComputeAstroValues(in);
    EXPECT_EQ(v.title, "Astronomical Data");
    EXPECT_EQ(v.seasons[0].caption, "Autumn Equinox:");
    EXPECT_EQ(v.seasons[0].thisYear.substr(3, 2), "03");
    EXPECT_EQ(v.seasons[1].caption, "Winter Solstice:");
    EXPECT_EQ(v.seasons[2].caption, "Spring Equinox:");
    EXPECT_EQ(v.seasons[3].caption, "Summer Solstice:");
}

TEST(AstroValues, PhasesWithAndWithoutTheIntermediateOnes) {
    const std::set<std::string> principal = {"New Moon,", "First Quarter,", "Full Moon,", "Last Quarter,"};
    std::set<std::string> seenWithMinor;
    for (int day = 0; day < 30; day += 2) {
        TAstroReportInput in = Greenwich(EncodeSerialDate(2026, 5, 1) + day + 0.5);
        const TAstroValues v = ComputeAstroValues(in);
        EXPECT_TRUE(principal.count(v.currentPhaseName)) << v.currentPhaseName;
        EXPECT_TRUE(principal.count(v.nextPhaseName)) << v.nextPhaseName;
        in.minorPhases = true;
        seenWithMinor.insert(ComputeAstroValues(in).currentPhaseName);
    }
    EXPECT_TRUE(seenWithMinor.count("Waxing Crescent,") || seenWithMinor.count("Waning Gibbous,"));
}

TEST(AstroValues, PolarDayReportsNoRiseSetAndGoesOn) {
    TAstroReportInput in = Greenwich(EncodeSerialDate(2026, 6, 24) + 0.5);
    in.latitude = 70;
    in.twelveHour = true;
    const TAstroValues v = ComputeAstroValues(in);
    EXPECT_EQ(v.sunRise, "No rises or sets calculable");
    EXPECT_EQ(v.sunTransit, "No rises or sets calculable");
    EXPECT_EQ(v.sunSet, "No rises or sets calculable");
    EXPECT_EQ(v.daylight, "No rises or sets calculable");
    EXPECT_EQ(v.civilStart, "00:00:00 am");
    EXPECT_EQ(v.astronomicalEnd, "00:00:00 am");
    EXPECT_FALSE(v.moonRise.empty());
    EXPECT_FALSE(v.currentPhaseDate.empty());
    EXPECT_FALSE(v.nextApogee.empty());
    EXPECT_EQ(v.seasons[1].caption, "Summer Solstice:");
}

TEST(AstroValues, ZoneHoursShiftEveryShownTime) {
    TAstroReportInput in = Greenwich(EncodeSerialDate(2026, 3, 10) + 0.5);
    const TAstroValues utc = ComputeAstroValues(in);
    in.zoneHours = 2;
    const TAstroValues east = ComputeAstroValues(in);
    EXPECT_EQ(std::stoi(east.sunRise.substr(0, 2)), std::stoi(utc.sunRise.substr(0, 2)) + 2);
    EXPECT_EQ(east.sunRise.substr(2), utc.sunRise.substr(2));
    EXPECT_EQ(east.daylight, utc.daylight);
}

TEST(AstroReport, PrintedLinesInTheirRows) {
    TAstroReportInput in = Greenwich(EncodeSerialDate(2026, 12, 11) + 0.5);
    in.longitude = -73.9942L;
    const TAstroValues v = ComputeAstroValues(in);
    const std::vector<TReportLine> lines = AstroReportLines(v);
    ASSERT_EQ(lines.size(), 40u);
    EXPECT_EQ(lines.front().text, "Orvanto Astronomical Report");
    EXPECT_EQ(lines.front().pointSize, 14);
    EXPECT_TRUE(lines.front().bold);
    const auto rowText = [&](int row) {
        for (const TReportLine& l : lines)
            if (l.row == row) return l.text;
        return std::string("<none>");
    };
    EXPECT_EQ(rowText(9), "Longitude: 73\xC2\xB0 60' W");
    EXPECT_EQ(rowText(25), "The Sun");
    EXPECT_EQ(rowText(26), "Sun rise: " + v.sunRise);
    EXPECT_EQ(rowText(33), "Next eclipse: " + v.nextSunEclipseDate + ", " + v.nextSunEclipseKind);
    EXPECT_EQ(rowText(45),
              v.seasons[3].caption + "  " + v.seasons[3].thisYear + ", " + v.seasons[3].nextYear);
    const std::string text = AstroReportText(v);
    int newlines = 0;
    for (char c : text) newlines += c == '\n';
    EXPECT_EQ(newlines, 46);
}

}  // namespace
}  // namespace orvanto::astro

namespace orvanto::astro {
namespace {

void ExpectSameValues(const TAstroValues& a, const TAstroValues& b) {
    EXPECT_EQ(AstroReportText(a), AstroReportText(b));
    EXPECT_EQ(a.sunDistanceMiles, b.sunDistanceMiles);
    EXPECT_EQ(a.currentPhaseDate, b.currentPhaseDate);
    EXPECT_EQ(a.nextPhaseDate, b.nextPhaseDate);
    EXPECT_EQ(a.sunSubtends, b.sunSubtends);
    EXPECT_EQ(a.moonSubtends, b.moonSubtends);
    EXPECT_EQ(a.positionNote, b.positionNote);
}

TEST(TAstroReport, KeptValuesFollowTheYearTheDayAndThePlace) {
    TAstroReport report;
    TAstroReportInput in = Greenwich(EncodeSerialDate(2026, 12, 31) + 23.0 / 24);
    ExpectSameValues(report.Compute(in), ComputeAstroValues(in));
    in.windowDate += 2.0 / 24;  // into the next year and day
    ExpectSameValues(report.Compute(in), ComputeAstroValues(in));
    in.latitude = -33.9L;
    in.longitude = 151.2L;
    ExpectSameValues(report.Compute(in), ComputeAstroValues(in));
    in.windowDate += 1.0 / 86400;
    ExpectSameValues(report.Compute(in), ComputeAstroValues(in));
    in.latitude = 70;
    in.windowDate = EncodeSerialDate(2027, 6, 24) + 0.5;
    ExpectSameValues(report.Compute(in), ComputeAstroValues(in));
}

TEST(TAstroReport, KeptPhasesAcrossTicksAndAPhaseInstant) {
    TAstroReport report;
    TAstroReportInput in = Greenwich(EncodeSerialDate(2026, 5, 1) + 0.5);
    in.minorPhases = true;
    ExpectSameValues(report.Compute(in), ComputeAstroValues(in));
    for (int tick = 0; tick < 3; ++tick) {
        in.windowDate += 1.0 / 86400;
        ExpectSameValues(report.Compute(in), ComputeAstroValues(in));
    }
    // Step over several phases, then switch the intermediate phases off.
    for (int day = 0; day < 12; day += 3) {
        in.windowDate += 3;
        ExpectSameValues(report.Compute(in), ComputeAstroValues(in));
    }
    in.minorPhases = false;
    ExpectSameValues(report.Compute(in), ComputeAstroValues(in));
    in.zoneHours = 5;
    ExpectSameValues(report.Compute(in), ComputeAstroValues(in));
}

}  // namespace
}  // namespace orvanto::astro
