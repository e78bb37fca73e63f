// Settings-file reads: the month view rereads the file on every repaint, so
// one key from a large file (many reminder records) must stay cheap.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "core/ini_file.h"

namespace {

// A settings file of the default sections followed by a "Reminders" section,
// `lines` lines in all, in a fresh temporary folder.
class LargeSettingsFile {
public:
    explicit LargeSettingsFile(int lines) {
        std::string pattern = (std::filesystem::temp_directory_path() / "orvanto-bench-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) std::abort();
        folder_ = pattern;
        path_ = (folder_ / "ORVANTO.INI").string();
        std::ofstream out(path_);
        out << "[Settings]\nShowMoon=1\nDateFormat=1\nTop=-1\nLeft=-1\n\n[Colors]\nTheme=0\n\n[Reminders]\n";
        for (int i = 10; i < lines; ++i) {
            out << 20260000 + i << "/0=1,0,14:30,,Reminder number " << i << " with a longer text\n";
        }
        out << "\n[Location]\nLatitude=40.4168\n";
    }
    ~LargeSettingsFile() {
        std::error_code error;
        std::filesystem::remove_all(folder_, error);
    }
    const std::string& Path() const { return path_; }

private:
    std::filesystem::path folder_;
    std::string path_;
};

void BM_IniReadKeyNearStart(benchmark::State& state) {
    const LargeSettingsFile file(static_cast<int>(state.range(0)));
    const orvanto::IniFile ini(file.Path());
    for (auto _ : state) benchmark::DoNotOptimize(ini.ReadInteger("Settings", "DateFormat", 2));
}
BENCHMARK(BM_IniReadKeyNearStart)->Arg(10000)->Unit(benchmark::kMicrosecond);

// The worst case: the key is in the last section, after every record.
void BM_IniReadKeyAtEnd(benchmark::State& state) {
    const LargeSettingsFile file(static_cast<int>(state.range(0)));
    const orvanto::IniFile ini(file.Path());
    for (auto _ : state) benchmark::DoNotOptimize(ini.ReadString("Location", "Latitude", "51.4667"));
}
BENCHMARK(BM_IniReadKeyAtEnd)->Arg(10000)->Unit(benchmark::kMicrosecond);

void BM_IniReadWholeRemindersSection(benchmark::State& state) {
    const LargeSettingsFile file(static_cast<int>(state.range(0)));
    const orvanto::IniFile ini(file.Path());
    for (auto _ : state) benchmark::DoNotOptimize(ini.ReadSectionPairs("Reminders"));
}
BENCHMARK(BM_IniReadWholeRemindersSection)->Arg(10000)->Unit(benchmark::kMicrosecond);

void BM_IniWriteKey(benchmark::State& state) {
    const LargeSettingsFile file(static_cast<int>(state.range(0)));
    orvanto::IniFile ini(file.Path());
    int value = 0;
    for (auto _ : state) ini.WriteInteger("Settings", "Top", ++value % 500);
}
BENCHMARK(BM_IniWriteKey)->Arg(10000)->Unit(benchmark::kMicrosecond);

}  // namespace
