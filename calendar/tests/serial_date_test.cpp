#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <stdexcept>

#include "calendar/day_number.h"
#include "calendar/month_length.h"
#include "calendar/serial_date.h"

namespace orvanto {
namespace {

struct SerialCase {
    CivilDate date;
    double serial;
    int dayOfWeek;  // 1 = Sunday
};

TEST(SerialDateTest, KnownSerials) {
    const SerialCase cases[] = {
        {{1899, 12, 30}, 0, 7},       {{1899, 12, 31}, 1, 1},     {{1900, 1, 1}, 2, 2},
        {{1900, 3, 1}, 61, 5},        {{2000, 1, 1}, 36526, 7},   {{2024, 5, 17}, 45429, 6},
        {{1753, 1, 1}, -53688, 2},    {{2078, 12, 31}, 65380, 7}, {{1, 1, 1}, -693593, 2},
        {{9999, 12, 31}, 2958465, 6}, {{1800, 2, 26}, -36466, 4},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(EncodeDate(c.date), c.serial) << c.date.year;
        EXPECT_EQ(DecodeDate(c.serial), c.date) << c.serial;
        EXPECT_EQ(DayOfWeek(c.serial), c.dayOfWeek) << c.serial;
    }
}

TEST(SerialDateTest, EveryDateOfYearsOneTo9999RoundTrips) {
    double expected = EncodeDate(1, 1, 1);
    for (int year = 1; year <= 9999; ++year) {
        for (int month = 1; month <= 12; ++month) {
            for (int day = 1; day <= DaysInMonth(month, year); ++day) {
                const double serial = EncodeDate(year, month, day);
                ASSERT_EQ(serial, expected) << year << "-" << month << "-" << day;
                ASSERT_EQ(DecodeDate(serial), (CivilDate{year, month, day})) << serial;
                expected += 1;
            }
        }
    }
}

TEST(SerialDateTest, RefusesDatesThatDoNotExist) {
    const CivilDate invalid[] = {{1900, 2, 29}, {2023, 4, 31}, {0, 1, 1},   {10000, 1, 1},
                                 {2023, 0, 1},  {2023, 13, 1}, {2023, 1, 0}};
    for (const auto& d : invalid) {
        double serial = 123;
        EXPECT_FALSE(TryEncodeDate(d.year, d.month, d.day, serial));
        EXPECT_EQ(serial, 123);
        EXPECT_THROW(EncodeDate(d), std::invalid_argument);
    }
}

TEST(SerialDateTest, EveryMinuteAndSomeMillisecondsDecodeExactly) {
    for (double date : {EncodeDate(2024, 5, 17), EncodeDate(1899, 12, 30), EncodeDate(1753, 1, 1),
                        EncodeDate(9999, 12, 31)}) {
        for (int hour = 0; hour < 24; ++hour) {
            for (int minute = 0; minute < 60; ++minute) {
                for (int ms : {0, 1, 500, 999}) {
                    const TimeOfDay time{hour, minute, (hour + minute) % 60, ms};
                    const double serial = CombineDateTime(
                        date, EncodeTime(time.hour, time.minute, time.second, time.millisecond));
                    ASSERT_EQ(DecodeTime(serial), time) << date << " " << hour << ":" << minute;
                    ASSERT_EQ(DecodeDate(serial), DecodeDate(date)) << serial;
                }
            }
        }
    }
}

TEST(SerialDateTest, HalfPastTwoNeverDecodesAsAMillisecondEarlier) {
    const double serial = 45429.0 + 14.5 / 24.0;
    EXPECT_EQ(DecodeTime(serial), (TimeOfDay{14, 30, 0, 0}));
    EXPECT_EQ(DecodeTime(std::nextafter(serial, 0.0)), (TimeOfDay{14, 30, 0, 0}));
}

TEST(SerialDateTest, NegativeSerialsCountTheTimeForwardFromMidnight) {
    EXPECT_EQ(DecodeDate(-1.25), (CivilDate{1899, 12, 29}));
    EXPECT_EQ(DecodeTime(-1.25), (TimeOfDay{6, 0, 0, 0}));
    EXPECT_EQ(CombineDateTime(EncodeDate(1899, 12, 29), EncodeTime(6, 0, 0)), -1.25);
    EXPECT_EQ(DayOfWeek(-1.25), 6);  // a Friday
    EXPECT_EQ(DecodeDate(-0.25), (CivilDate{1899, 12, 30}));
    EXPECT_EQ(DecodeTime(-0.25), (TimeOfDay{6, 0, 0, 0}));
    EXPECT_EQ(DateOf(-1.25), -1.0);
    EXPECT_EQ(TimeOf(-1.25), 0.25);
    EXPECT_EQ(DateOf(45429.75), 45429.0);
    EXPECT_EQ(TimeOf(45429.75), 0.75);
}

TEST(SerialDateTest, RoundingIntoMidnightMovesToTheNextDay) {
    const double almostMidnight = 1.0 - 1e-10;  // 31 December 1899 at 23:59:59.99999
    EXPECT_EQ(DecodeDate(1.0 + almostMidnight), (CivilDate{1900, 1, 1}));
    EXPECT_EQ(DecodeTime(1.0 + almostMidnight), (TimeOfDay{0, 0, 0, 0}));
    EXPECT_EQ(DayOfWeek(1.0 + almostMidnight), 2);
    // 29 December 1899 just before midnight rounds to 30 December 00:00.
    EXPECT_EQ(DecodeDate(-1.0 - almostMidnight), (CivilDate{1899, 12, 30}));
    EXPECT_EQ(DecodeTime(-1.0 - almostMidnight), (TimeOfDay{0, 0, 0, 0}));
}

TEST(SerialDateTest, EncodeTimeChecksItsFields) {
    EXPECT_EQ(EncodeTime(12, 0, 0, 0), 0.5);
    EXPECT_EQ(EncodeTime(0, 0, 0, 0), 0.0);
    EXPECT_THROW(EncodeTime(24, 0, 0, 0), std::invalid_argument);
    EXPECT_THROW(EncodeTime(0, 60, 0, 0), std::invalid_argument);
    EXPECT_THROW(EncodeTime(0, 0, 60, 0), std::invalid_argument);
    EXPECT_THROW(EncodeTime(0, 0, 0, 1000), std::invalid_argument);
    EXPECT_THROW(EncodeTime(-1, 0, 0, 0), std::invalid_argument);
}

TEST(SerialDateTest, DecodingRefusesValuesThatAreNoDate) {
    for (double bad : {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(),
                       1e300, -1e300, EncodeDate(9999, 12, 31) + 1.0, EncodeDate(1, 1, 1) - 1.0}) {
        EXPECT_THROW(DecodeDate(bad), std::invalid_argument) << bad;
        EXPECT_THROW(DecodeTime(bad), std::invalid_argument) << bad;
        EXPECT_THROW(DayOfWeek(bad), std::invalid_argument) << bad;
    }
}

TEST(SerialDateTest, DayNumberConversionsOnTheRealCalendar) {
    EXPECT_EQ(DayNumberFromSerial(EncodeDate(2000, 1, 1) + 0.75), 730563);
    EXPECT_EQ(SerialFromDayNumber(730563), EncodeDate(2000, 1, 1));
    // DayNumber's phantom 29 February 1900 is taken as 1 March.
    EXPECT_EQ(SerialFromDayNumber(694097), EncodeDate(1900, 3, 1));
    EXPECT_EQ(SerialFromDayNumber(694098), EncodeDate(1900, 3, 1));
    EXPECT_EQ(DayNumberFromSerial(EncodeDate(99, 12, 31)), 0);
    for (double serial = EncodeDate(1753, 1, 1); serial <= EncodeDate(2078, 12, 31); serial += 1) {
        ASSERT_EQ(SerialFromDayNumber(DayNumberFromSerial(serial)), serial);
    }
}

}  // namespace
}  // namespace orvanto
