// Benchmarks of the iCalendar transfer on 10,000 records: the export of a
// settings file's section to the text of an .ics file, and the reading of
// that file back into records, with the rules and zones of timed events.
#include <benchmark/benchmark.h>

#include <string>

#include "calendar/day_number.h"
#include "ical/ical_export.h"
#include "ical/ical_import.h"
#include "reminders/reminder_record.h"

namespace {

using namespace orvanto;

constexpr int kRecords = 10'000;

// One-time and yearly records, monthly, weekly and weekday-of-the-month
// series, timed and untimed, over 2000 to 2030.
orvanto::ReminderLines MakeLines() {
    const char* codes[] = {"10000", "11010", "11011", "11012", "12051", "21010", "30000"};
    const char* times[] = {"9999", "0830", "1415"};
    orvanto::ReminderLines lines;
    lines.reserve(kRecords);
    for (int i = 0; i < kRecords; ++i) {
        const int date = DayNumber(2000 + i % 31, 1 + i % 12, 1 + i % 28);
        lines.push_back(std::to_string(date) + "/" + kSequenceCharacters[(i / 372) % 36] + "=" +
                        codes[i % 7] + ",0," + times[i % 3] + ",00000000,Record number " + std::to_string(i));
    }
    return lines;
}

IcsExportOptions Options() {
    IcsExportOptions options;
    options.timeZoneId = "Europe/Madrid";
    return options;
}

void BM_ExportTenThousandRecords(benchmark::State& state) {
    const orvanto::ReminderLines lines = MakeLines();
    const IcsExportOptions options = Options();
    for (auto _ : state) benchmark::DoNotOptimize(ExportReminders(lines, options));
}
BENCHMARK(BM_ExportTenThousandRecords)->Unit(benchmark::kMillisecond);

void BM_ReadTenThousandEvents(benchmark::State& state) {
    const std::string text = ExportReminders(MakeLines(), Options()).text;
    for (auto _ : state) benchmark::DoNotOptimize(ReadIcs(text));
}
BENCHMARK(BM_ReadTenThousandEvents)->Unit(benchmark::kMillisecond);

}  // namespace
