// Eclipses at the new and full moons: Meeus, Astronomical Algorithms, examples 54.a and
// 54.b, and known eclipses of every kind.
#include "astronomy/eclipses.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "astronomy/delta_t.h"
#include "astronomy/julian_day.h"
#include "astronomy/moon_phases.h"

namespace orvanto::astro {
namespace {

double Serial(int y, int m, int d) {
    return SerialFromCalendar(static_cast<std::uint16_t>(y), static_cast<std::uint16_t>(m),
                              static_cast<std::uint16_t>(d));
}

TEST(EclipseAtPhase, ReproducesMeeusExample54a) {
    // Solar eclipse of 21 May 1993: partial, greatest at JDE 2449129.0979.
    double date = Serial(1993, 5, 15);
    EXPECT_EQ(EclipseAtPhase(date, EclipseType::Solar), ekPartial);
    // The book's instant is dynamical time; the program's is Universal Time.
    EXPECT_NEAR(date, DynamicalToUniversal(JulianDayToSerial(2449129.0979L)), 0.0001);
}

TEST(EclipseAtPhase, ReproducesMeeusExample54b) {
    // Lunar eclipse of 15 June 1973: penumbral only, greatest at JDE 2441849.3687.
    double date = Serial(1973, 6, 10);
    EXPECT_EQ(EclipseAtPhase(date, EclipseType::Lunar), ekPenumbral);
    EXPECT_NEAR(date, DynamicalToUniversal(JulianDayToSerial(2441849.3687L)), 0.0001);
}

TEST(EclipseAtPhase, FarFromANodeGivesNoneAtTheMeanPhase) {
    // The new moon of 17 April 2026 lies far from the nodes: |sin F| > 0.36.
    double date = Serial(2026, 4, 17);
    EXPECT_EQ(EclipseAtPhase(date, EclipseType::Solar), ekNone);
    // The mean new moon, which differs from the true one by the periodic terms.
    const double trueNewMoon = PhaseTime(mpNewMoon, Serial(2026, 4, 17));
    EXPECT_NE(date, trueNewMoon);
    EXPECT_NEAR(date, trueNewMoon, 0.6);
}

struct KnownEclipse {
    int year, month, day;
    EclipseType type;
    TEclipseKind kind;
};

class NextEclipseTest : public ::testing::TestWithParam<KnownEclipse> {};

// Searching from a few weeks before a known eclipse finds it, on its day, with its kind.
TEST_P(NextEclipseTest, FindsTheKnownEclipseWithItsKind) {
    const KnownEclipse e = GetParam();
    const double day = Serial(e.year, e.month, e.day);
    const EclipseFound found = NextEclipse(day - 20, e.type);
    EXPECT_EQ(found.kind, e.kind) << EclipseKindText(found.kind);
    EXPECT_GE(found.date, day - 0.5);
    EXPECT_LT(found.date, day + 1.5);
}

INSTANTIATE_TEST_SUITE_P(KnownEclipses, NextEclipseTest,
                         ::testing::Values(KnownEclipse{2000, 2, 5, EclipseType::Solar, ekPartial},
                                           KnownEclipse{1999, 8, 11, EclipseType::Solar, ekTotal},
                                           KnownEclipse{2017, 8, 21, EclipseType::Solar, ekTotal},
                                           KnownEclipse{2023, 10, 14, EclipseType::Solar, ekAnnular},
                                           KnownEclipse{2013, 11, 3, EclipseType::Solar, ekAnnularTotal},
                                           KnownEclipse{2023, 4, 20, EclipseType::Solar, ekAnnularTotal},
                                           KnownEclipse{2000, 1, 21, EclipseType::Lunar, ekTotal},
                                           KnownEclipse{2006, 9, 7, EclipseType::Lunar, ekPartial},
                                           KnownEclipse{2022, 11, 8, EclipseType::Lunar, ekTotal},
                                           KnownEclipse{2023, 5, 5, EclipseType::Lunar, ekPenumbral},
                                           KnownEclipse{2021, 11, 19, EclipseType::Lunar, ekPartial}));

TEST(NextEclipse, FromNewYear2000FindsFebruarysSolarAndJanuarysLunarEclipse) {
    const double from = Serial(2000, 1, 1);
    const EclipseFound solar = NextEclipse(from, EclipseType::Solar);
    EXPECT_EQ(solar.kind, ekPartial);
    EXPECT_EQ(CalendarFromSerial(solar.date), (CalendarDate{2000, 2, 5}));
    const EclipseFound lunar = NextEclipse(from, EclipseType::Lunar);
    EXPECT_EQ(lunar.kind, ekTotal);
    EXPECT_EQ(CalendarFromSerial(lunar.date), (CalendarDate{2000, 1, 21}));
}

TEST(NextEclipseCandidate, ReplacesTheDateByTheFirstPhaseAtOrAfterIt) {
    double date = Serial(2000, 1, 22);
    NextEclipseCandidate(date, EclipseType::Lunar);
    EXPECT_EQ(CalendarFromSerial(date), (CalendarDate{2000, 2, 19}));
}

// Every eclipse of 1990-2010, lunation by lunation: EclipseAtPhase at the date that
// selects each lunation directly.
std::vector<EclipseFound> EclipsesByLunation(EclipseType type) {
    std::vector<EclipseFound> list;
    for (int k = -130; k <= 140; ++k) {
        double date = kSerial2000 + k * 29.530588853;
        const TEclipseKind kind = EclipseAtPhase(date, type);
        if (kind != ekNone) list.push_back({date, kind});
    }
    return list;
}

// From any date the search finds the first eclipse at or after it: never one already
// past, never stepping over one (as it would when walking on from each full moon's
// instant, or starting four weeks before the date).
TEST(NextEclipse, FindsTheFirstEclipseAtOrAfterAnyDate) {
    for (EclipseType type : {EclipseType::Solar, EclipseType::Lunar}) {
        const std::vector<EclipseFound> all = EclipsesByLunation(type);
        for (double t = Serial(1990, 1, 1); t < Serial(2010, 1, 1); t += 2.9) {
            const EclipseFound found = NextEclipse(t, type);
            const EclipseFound* first = nullptr;
            for (const EclipseFound& e : all) {
                if (e.date >= t) {
                    first = &e;
                    break;
                }
            }
            ASSERT_NE(first, nullptr);
            ASSERT_GE(found.date, t) << t;
            ASSERT_NEAR(found.date, first->date, 1e-6) << t;
            ASSERT_EQ(found.kind, first->kind) << t;
        }
    }
}

TEST(EclipseKindText, GivesTheWindowsWords) {
    const char* texts[] = {"None",           "Partial", "Noncentral", "Circular",
                           "Circular total", "Total",   "Half Shadow"};
    for (int k = 0; k <= 6; ++k) EXPECT_STREQ(EclipseKindText(static_cast<TEclipseKind>(k)), texts[k]);
}

}  // namespace
}  // namespace orvanto::astro
