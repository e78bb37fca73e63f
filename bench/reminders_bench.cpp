// Benchmarks of the reminder engine on a settings file whose "Reminders"
// section holds 10,000 records: the month index the month view rebuilds on
// every redraw, the pending table rebuilt once a minute, and a tick of the
// once-a-second check with nothing due.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "calendar/day_number.h"
#include "calendar/serial_date.h"
#include "core/clock.h"
#include "core/ini_file.h"
#include "core/scripted_prompt.h"
#include "core/sound.h"
#include "reminders/month_index.h"
#include "reminders/pending_table.h"
#include "reminders/reminder_check.h"
#include "reminders/reminder_store.h"

namespace {

using namespace orvanto;

constexpr int kRecords = 10'000;

// A mix of the record kinds a long-used calendar holds, spread over 2000 to
// 2030 and none due today: mostly one-time reminders and yearly birthdays,
// some monthly, weekly, every-ten-days and weekday-of-the-month series,
// holidays and bookmarks; about 400 occurrences fall in December 2026.
const char* RecordCode(int i) {
    const int bucket = i % 1000;
    if (bucket < 150) return "11010";  // every year
    if (bucket < 155) return "11011";  // every month
    if (bucket < 157) return "11012";  // every week
    if (bucket < 159) return "11022";  // every two weeks
    if (bucket < 160) return "11103";  // every ten days
    if (bucket < 165) return "12055";  // last Friday of every month
    if (bucket < 175) return "12A11";  // first Monday of October
    if (bucket < 195) return "21010";  // a holiday every year
    if (bucket < 215) return "30000";  // a bookmark
    return "10000";                    // once
}

std::string RecordValue(int i) {
    char value[96];
    const bool timed = i % 3 == 0;
    std::snprintf(value, sizeof value, "%s,%d,%s,%04X%04X,Reminder number %d", RecordCode(i), i % 4,
                  timed ? "2330" : "9999", i % 7 == 0 ? 19679 : 0, i % 11 == 0 ? 5 : 0, i);
    return value;
}

class ReminderFile {
public:
    ReminderFile() {
        std::string pattern = (std::filesystem::temp_directory_path() / "orvanto-bench-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) std::abort();
        folder_ = pattern;
        path_ = (folder_ / "ORVANTO.INI").string();
        std::ofstream out(path_, std::ios::binary);
        out << "[Settings]\nDateFormat=1\nShowGhost=1\nInBrackets=1\n\n[Reminders]\n";
        const int first = DayNumber(2000, 1, 1);
        const int span = DayNumber(2030, 12, 31) - first;
        for (int i = 0; i < kRecords; ++i) {
            int date = first + static_cast<int>((static_cast<long long>(i) * 7919) % span);
            if (date == DayNumber(2026, 12, 11)) ++date;
            out << date << "/0=" << RecordValue(i) << "\n";
        }
    }
    ~ReminderFile() {
        std::error_code error;
        std::filesystem::remove_all(folder_, error);
    }
    const std::string& Path() const { return path_; }

private:
    std::filesystem::path folder_;
    std::string path_;
};

// The same section as the program writes it back: sorted and renumbered.
class WrittenBackFile : public ReminderFile {
public:
    WrittenBackFile() {
        IniFile settings(Path());
        WriteBackReminders(ReadReminderLines(settings), settings);
    }
};

// Argument 0: the section in the order it was generated (as a hand-edited
// file may be); 1: as the program writes it back.
const ReminderFile& File(std::int64_t writtenBack = 0) {
    static const ReminderFile generated;
    static const WrittenBackFile written;
    return writtenBack != 0 ? static_cast<const ReminderFile&>(written) : generated;
}

void BM_BuildMonthIndex(benchmark::State& state) {
    const IniFile settings(File(state.range(0)).Path());
    ScriptedPrompt prompt;
    for (auto _ : state) {
        MonthIndex index = BuildMonthIndex(12, 2026, settings, TimeStyle{}, prompt);
        benchmark::DoNotOptimize(index);
    }
    state.counters["entries"] =
        static_cast<double>(BuildMonthIndex(12, 2026, settings, TimeStyle{}, prompt).Count());
}
BENCHMARK(BM_BuildMonthIndex)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_BuildPendingTable(benchmark::State& state) {
    const IniFile settings(File(state.range(0)).Path());
    const int today = DayNumber(2026, 12, 11);
    for (auto _ : state) {
        PendingTable table = BuildPendingTable(today, 12 * 3'600'000LL, settings);
        benchmark::DoNotOptimize(table);
    }
}
BENCHMARK(BM_BuildPendingTable)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// A tick that finds nothing due: it stays inside one minute and away from
// second 50, where the table is rebuilt from the file.
void BM_QuietReminderCheckTick(benchmark::State& state) {
    FakeClock clock(EncodeDate(2026, 12, 11) + EncodeTime(10, 0, 0));
    ScriptedPrompt prompt;
    SilentSound sound;
    ReminderServices services{prompt, sound, clock};
    ReminderCheck check(File().Path(), services, TimeStyle{});
    const double start = clock.LocalNow();
    int second = 0;
    for (auto _ : state) {
        clock.SetLocal(start + (second % 45) / 86400.0);
        ++second;
        check.Tick();
    }
    state.counters["pending entries"] = check.Table().EntryCount();
}
BENCHMARK(BM_QuietReminderCheckTick)->Unit(benchmark::kMicrosecond);

}  // namespace
