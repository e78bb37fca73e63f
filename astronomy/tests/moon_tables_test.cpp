// The compiled-in moon tables against the rows the published series are known by.
#include "astronomy/moon_tables.h"

#include <gtest/gtest.h>

namespace orvanto::astro {
namespace {

TEST(MoonTables, LongitudeDistanceTableHasTheBooksRows) {
    ASSERT_EQ(kMoonLongitudeDistanceTerms.size(), 60u);
    struct Row {
        int d, m, mp, f, l, r;
    };
    const Row telling[] = {
        {0, 0, 1, 0, 6288774, -20905355},
        {2, 0, -1, 0, 1274027, -3699111},
        {2, 0, 0, 0, 658314, -2955968},
    };
    for (std::size_t i = 0; i < std::size(telling); ++i) {
        const auto& t = kMoonLongitudeDistanceTerms[i];
        EXPECT_EQ(t.sigmaL, telling[i].l) << i;
        EXPECT_EQ(t.d, telling[i].d) << i;
        EXPECT_EQ(t.m, telling[i].m) << i;
        EXPECT_EQ(t.mPrime, telling[i].mp) << i;
        EXPECT_EQ(t.f, telling[i].f) << i;
        EXPECT_EQ(t.sigmaR, telling[i].r) << i;
    }
    const auto& last = kMoonLongitudeDistanceTerms.back();
    EXPECT_EQ(last.d, 2);
    EXPECT_EQ(last.m, 0);
    EXPECT_EQ(last.mPrime, -1);
    EXPECT_EQ(last.f, -2);
    EXPECT_EQ(last.sigmaL, 0);
    EXPECT_EQ(last.sigmaR, 8752);
}

TEST(MoonTables, LatitudeTableHasTheBooksRows) {
    ASSERT_EQ(kMoonLatitudeTerms.size(), 60u);
    struct Row {
        int d, m, mp, f, b;
    };
    const Row telling[] = {{0, 0, 0, 1, 5128122}, {0, 0, 1, 1, 280602}, {0, 0, 1, -1, 277693}};
    for (std::size_t i = 0; i < std::size(telling); ++i) {
        const auto& t = kMoonLatitudeTerms[i];
        EXPECT_EQ(t.d, telling[i].d) << i;
        EXPECT_EQ(t.m, telling[i].m) << i;
        EXPECT_EQ(t.mPrime, telling[i].mp) << i;
        EXPECT_EQ(t.f, telling[i].f) << i;
        EXPECT_EQ(t.sigmaB, telling[i].b) << i;
    }
    const auto& last = kMoonLatitudeTerms.back();
    EXPECT_EQ(last.d, 2);
    EXPECT_EQ(last.m, -2);
    EXPECT_EQ(last.mPrime, 0);
    EXPECT_EQ(last.f, 1);
    EXPECT_EQ(last.sigmaB, 107);
}

TEST(MoonTables, PhaseCorrectionListsBeginAndEndAsPublished) {
    struct Case {
        const std::array<PhaseCorrectionTerm, 25>* terms;
        long double first, second, last;
        int lastMPrime, lastM;
    };
    const Case cases[] = {
        {&kNewMoonCorrections, -0.40720L, 0.17241L, 0.00002L, 4, 0},
        {&kFullMoonCorrections, -0.40614L, 0.17302L, 0.00002L, 4, 0},
        {&kQuarterCorrections, -0.62801L, 0.17172L, -0.00002L, 3, 1},
    };
    for (const Case& c : cases) {
        const auto& t = *c.terms;
        EXPECT_EQ(t[0].coefficient, c.first);
        EXPECT_EQ(t[0].mPrime, 1);
        EXPECT_EQ(t[1].coefficient, c.second);
        EXPECT_EQ(t[1].m, 1);
        EXPECT_EQ(t[1].ePower, 1);
        EXPECT_EQ(t[24].coefficient, c.last);
        EXPECT_EQ(t[24].mPrime, c.lastMPrime);
        EXPECT_EQ(t[24].m, c.lastM);
    }
    // The quarters' third term is -0.01183 E sin(M' + M); the sun's 2M terms carry E^2.
    EXPECT_EQ(kQuarterCorrections[2].coefficient, -0.01183L);
    EXPECT_EQ(kQuarterCorrections[2].ePower, 1);
    EXPECT_EQ(kNewMoonCorrections[6].m, 2);
    EXPECT_EQ(kNewMoonCorrections[6].ePower, 2);
    // sin Omega is the fifteenth new-moon term.
    EXPECT_EQ(kNewMoonCorrections[14].omega, 1);
    EXPECT_EQ(kNewMoonCorrections[14].coefficient, -0.00017L);
}

TEST(MoonTables, PerigeeAndApogeeTablesHaveTheBooksRows) {
    ASSERT_EQ(kPerigeeTerms.size(), 60u);
    ASSERT_EQ(kApogeeTerms.size(), 32u);
    struct Row {
        std::size_t index;
        int d, f, m, a, b;
    };
    const Row perigee[] = {{0, 2, 0, 0, -16769, 0},
                           {1, 4, 0, 0, 4589, 0},
                           {4, 2, 0, -1, -773, 19},
                           {5, 0, 0, 1, 502, -13},
                           {59, 1, 0, -1, -4, 0}};
    for (const Row& r : perigee) {
        const auto& t = kPerigeeTerms[r.index];
        EXPECT_EQ((std::array<int, 5>{t.d, t.f, t.m, t.a, t.b}),
                  (std::array<int, 5>{r.d, r.f, r.m, r.a, r.b}))
            << "perigee row " << r.index;
    }
    const Row apogee[] = {{0, 2, 0, 0, 4392, 0},
                          {1, 4, 0, 0, 684, 0},
                          {2, 0, 0, 1, 456, -11},
                          {3, 2, 0, -1, 426, -11},
                          {31, 1, 0, -1, -3, 0}};
    for (const Row& r : apogee) {
        const auto& t = kApogeeTerms[r.index];
        EXPECT_EQ((std::array<int, 5>{t.d, t.f, t.m, t.a, t.b}),
                  (std::array<int, 5>{r.d, r.f, r.m, r.a, r.b}))
            << "apogee row " << r.index;
    }
}

}  // namespace
}  // namespace orvanto::astro
