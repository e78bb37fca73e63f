// Benchmarks of the moon: position, phase searches, eclipse and perigee searches, and the
// drawing of the moon image.
#include <benchmark/benchmark.h>

#include "astronomy/eclipses.h"
#include "astronomy/julian_day.h"
#include "astronomy/moon_illumination.h"
#include "astronomy/moon_phases.h"
#include "astronomy/moon_position.h"
#include "astronomy/moon_shadow.h"
#include "astronomy/perigee_apogee.h"

namespace {

using namespace orvanto::astro;

const double kStart = SerialFromCalendar(2026, 12, 11) + 0.5;

void BM_MoonLunarPosition(benchmark::State& state) {
    double t = kStart;
    for (auto _ : state) {
        benchmark::DoNotOptimize(LunarPosition(t));
        t += 0.37;
    }
}
BENCHMARK(BM_MoonLunarPosition);

void BM_MoonPhaseOnOrAfterPrincipal(benchmark::State& state) {
    double t = kStart;
    for (auto _ : state) {
        benchmark::DoNotOptimize(PhaseOnOrAfter(mpFullMoon, t));
        t += 3.1;
    }
}
BENCHMARK(BM_MoonPhaseOnOrAfterPrincipal);

void BM_MoonPhaseOnOrAfterIntermediate(benchmark::State& state) {
    double t = kStart;
    for (auto _ : state) {
        benchmark::DoNotOptimize(PhaseOnOrAfter(mpWaxingGibbous, t));
        t += 3.1;
    }
}
BENCHMARK(BM_MoonPhaseOnOrAfterIntermediate)->Unit(benchmark::kMicrosecond);

// The current and the next phase as the data window finds them, with the minor phases.
void BM_MoonCurrentAndNextPhaseWithMinorPhases(benchmark::State& state) {
    double t = kStart;
    for (auto _ : state) {
        for (int p = 0; p < 8; ++p) {
            benchmark::DoNotOptimize(PhaseOnOrBefore(static_cast<TMoonPhase>(p), t));
            benchmark::DoNotOptimize(PhaseOnOrAfter(static_cast<TMoonPhase>(p), t));
        }
        t += 1.3;
    }
}
BENCHMARK(BM_MoonCurrentAndNextPhaseWithMinorPhases)->Unit(benchmark::kMillisecond);

void BM_MoonPhaseAngle(benchmark::State& state) {
    double t = kStart;
    for (auto _ : state) {
        benchmark::DoNotOptimize(MoonPhaseAngle(t));
        t += 0.37;
    }
}
BENCHMARK(BM_MoonPhaseAngle)->Unit(benchmark::kMicrosecond);

void BM_MoonNextEclipses(benchmark::State& state) {
    double t = kStart;
    for (auto _ : state) {
        benchmark::DoNotOptimize(NextEclipse(t, EclipseType::Solar));
        benchmark::DoNotOptimize(NextEclipse(t, EclipseType::Lunar));
        t += 11.3;
    }
}
BENCHMARK(BM_MoonNextEclipses);

void BM_MoonNextPerigeeAndApogee(benchmark::State& state) {
    double t = kStart;
    for (auto _ : state) {
        benchmark::DoNotOptimize(NextPerigee(t));
        benchmark::DoNotOptimize(NextApogee(t));
        t += 5.3;
    }
}
BENCHMARK(BM_MoonNextPerigeeAndApogee);

void BM_MoonDrawImage64(benchmark::State& state) {
    const Raster picture(64, 64, 0x808080);
    double t = kStart;
    for (auto _ : state) {
        benchmark::DoNotOptimize(DrawMoon(picture, ms64, t, true, rot_180));
        t += 0.37;
    }
}
BENCHMARK(BM_MoonDrawImage64)->Unit(benchmark::kMicrosecond);

}  // namespace
