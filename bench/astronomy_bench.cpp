// Benchmarks of the astronomy engine: the sun's position, the seasons, rise and set,
// the moon, the phases and the whole astronomical report the data window refreshes.
#include <benchmark/benchmark.h>

#include "astronomy/astro_report.h"
#include "astronomy/julian_day.h"
#include "astronomy/moon_phases.h"
#include "astronomy/moon_position.h"
#include "astronomy/rise_set.h"
#include "astronomy/seasons.h"
#include "astronomy/solar_position.h"
#include "astronomy/twilight.h"

namespace {

using namespace orvanto::astro;

const double kDate = EncodeSerialDate(2026, 12, 11) + 14.0 / 24;

void BM_SolarPosition(benchmark::State& state) {
    double t = kDate;
    for (auto _ : state) {
        benchmark::DoNotOptimize(SolarPosition(t));
        t += 0.001;
    }
}
BENCHMARK(BM_SolarPosition);

void BM_LunarPosition(benchmark::State& state) {
    double t = kDate;
    for (auto _ : state) {
        benchmark::DoNotOptimize(LunarPosition(t));
        t += 0.001;
    }
}
BENCHMARK(BM_LunarPosition);

void BM_SeasonStart(benchmark::State& state) {
    int season = 0;
    std::int16_t year = 1753;
    for (auto _ : state) {
        benchmark::DoNotOptimize(SeasonStart(year, season));
        season = (season + 1) % 4;
        year = static_cast<std::int16_t>(year == 2078 ? 1753 : year + 1);
    }
}
BENCHMARK(BM_SeasonStart)->Unit(benchmark::kMicrosecond);

// Each iteration another day, so no position is reused from the one before.
void BM_SunriseTime(benchmark::State& state) {
    double day = kDate;
    for (auto _ : state) {
        benchmark::DoNotOptimize(SunriseTime(day, 51.4667L, 0));
        day += 3;
    }
}
BENCHMARK(BM_SunriseTime)->Unit(benchmark::kMicrosecond);

void BM_MoonriseTime(benchmark::State& state) {
    double day = kDate;
    for (auto _ : state) {
        benchmark::DoNotOptimize(MoonriseTime(day, 51.4667L, 0));
        day += 3;
    }
}
BENCHMARK(BM_MoonriseTime)->Unit(benchmark::kMicrosecond);

void BM_CivilDawn(benchmark::State& state) {
    double day = kDate;
    for (auto _ : state) {
        benchmark::DoNotOptimize(CivilDawn(day, 51.4667L, 0));
        day += 3;
    }
}
BENCHMARK(BM_CivilDawn)->Unit(benchmark::kMicrosecond);

void BM_PhaseOnOrAfter(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(PhaseOnOrAfter(mpFullMoon, kDate));
}
BENCHMARK(BM_PhaseOnOrAfter)->Unit(benchmark::kMicrosecond);

TAstroReportInput ReportInput(bool minorPhases) {
    TAstroReportInput in;
    in.windowDate = kDate;
    in.universalHours = 14;
    in.latitude = 51.4667L;
    in.cityName = "Greenwich Obs, England";
    in.minorPhases = minorPhases;
    return in;
}

// The whole report computed afresh (the first refresh of the window, a new date): each
// iteration takes another date and year, so nothing computed before is reused.
// Argument: with the intermediate phases.
void BM_WholeAstroReport(benchmark::State& state) {
    TAstroReportInput in = ReportInput(state.range(0) != 0);
    for (auto _ : state) {
        benchmark::DoNotOptimize(ComputeAstroValues(in));
        in.windowDate += 366.37;
    }
}
BENCHMARK(BM_WholeAstroReport)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// What the window recomputes at each one-second tick: the same day and place one second
// later (the seasons and the sun's day events kept).
void BM_AstroReportTick(benchmark::State& state) {
    TAstroReportInput in = ReportInput(state.range(0) != 0);
    TAstroReport report;
    report.Compute(in);
    for (auto _ : state) {
        in.windowDate += 1.0 / 86400;
        benchmark::DoNotOptimize(report.Compute(in));
    }
}
BENCHMARK(BM_AstroReportTick)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
