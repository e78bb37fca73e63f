// Benchmarks of the calendar arithmetic the month view and the reminder engine
// call on every repaint and every month index build.
#include <benchmark/benchmark.h>

#include "calendar/day_number.h"
#include "calendar/elapsed_text.h"
#include "calendar/month_holidays.h"
#include "calendar/serial_date.h"
#include "calendar/week_number.h"

namespace {

using namespace orvanto;

// The holidays of all twelve months of one year, all switches on.
void BM_MonthHolidaysOfAYear(benchmark::State& state) {
    const HolidaySwitches all{true, true, true, true};
    int year = 1753;
    for (auto _ : state) {
        for (int month = 1; month <= 12; ++month) {
            benchmark::DoNotOptimize(MonthHolidays(year, month, all));
        }
        year = year == 2078 ? 1753 : year + 1;
    }
}
BENCHMARK(BM_MonthHolidaysOfAYear);

void BM_DayNumberRoundTrip(benchmark::State& state) {
    int n = DayNumber(1753, 1, 1);
    const int last = DayNumber(2078, 12, 31);
    for (auto _ : state) {
        const CivilDate date = DateFromDayNumber(n);
        benchmark::DoNotOptimize(DayNumber(date));
        n = n == last ? DayNumber(1753, 1, 1) : n + 1;
    }
}
BENCHMARK(BM_DayNumberRoundTrip);

void BM_SerialDateDecode(benchmark::State& state) {
    const double first = EncodeDate(2024, 5, 17) + EncodeTime(14, 30, 0);
    const double last = EncodeDate(2078, 12, 31);
    double serial = first;
    for (auto _ : state) {
        benchmark::DoNotOptimize(DecodeDate(serial));
        benchmark::DoNotOptimize(DecodeTime(serial));
        serial = serial > last ? first : serial + 0.37;
    }
}
BENCHMARK(BM_SerialDateDecode);

void BM_IsoWeekNumber(benchmark::State& state) {
    double serial = EncodeDate(2000, 1, 1);
    for (auto _ : state) {
        benchmark::DoNotOptimize(IsoWeekNumber(serial));
        serial = serial > EncodeDate(2070, 1, 1) ? EncodeDate(2000, 1, 1) : serial + 1;
    }
}
BENCHMARK(BM_IsoWeekNumber);

void BM_ElapsedText(benchmark::State& state) {
    const int from = DayNumber(1960, 7, 4);
    int to = DayNumber(2000, 1, 1);
    for (auto _ : state) {
        benchmark::DoNotOptimize(ElapsedText(from, to));
        to = to > DayNumber(2070, 1, 1) ? DayNumber(2000, 1, 1) : to + 1;
    }
}
BENCHMARK(BM_ElapsedText);

}  // namespace
