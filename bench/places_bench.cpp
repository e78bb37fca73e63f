// Places: fetching the whole city table through GetString, and building the
// seven sorted region lists as the distance calculator does when it opens,
// with a personal city file of 1,000 records.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "cities/cities.h"
#include "places/city_library.h"
#include "places/personal_city_file.h"
#include "places/sphere_distance.h"

namespace {

class SilentPrompt : public orvanto::Prompt {
public:
    void ShowMessage(orvanto::MessageKind, const std::string&, const std::string&) override {}
    bool Ask(orvanto::MessageKind, const std::string&, const std::string&) override { return false; }
    orvanto::ReminderPopupAnswer Popup(const orvanto::ReminderPopupRequest&) override { return {}; }
};

// A temporary folder holding CityData.txt with `records` places spread over
// the seven regions.
class PersonalFileFolder {
public:
    explicit PersonalFileFolder(int records) {
        std::string pattern = (std::filesystem::temp_directory_path() / "orvanto-bench-XXXXXX").string();
        path_ = mkdtemp(pattern.data());
        std::ofstream out(path_ / orvanto::kPersonalCityFileName, std::ios::binary);
        for (const char* line : orvanto::kPersonalCityFileHeader) out << line << "\r\n";
        for (int i = 0; i < records; ++i) {
            out << '"' << (i % 7 + 1) << "\",\"Place " << (records - i) * 7919 % 100000 << ", Region"
                << "\",\"" << (i % 90) << ".5000000\",\"-" << (i % 180) << ".2500000\"\r\n";
        }
    }
    ~PersonalFileFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    const std::filesystem::path& Path() const { return path_; }

private:
    std::filesystem::path path_;
};

void BM_GetStringAllStrings(benchmark::State& state) {
    unsigned char buffer[256];
    for (auto _ : state) {
        unsigned total = 0;
        for (std::int32_t number = 1; number <= 5970; ++number) {
            GetString(number, buffer);
            total += buffer[0];
        }
        benchmark::DoNotOptimize(total);
    }
    state.SetItemsProcessed(state.iterations() * 5970);
}
BENCHMARK(BM_GetStringAllStrings);

void BM_LibraryRegionLists(benchmark::State& state) {
    for (auto _ : state) {
        orvanto::RegionLists lists = orvanto::LoadLibraryRegions();
        benchmark::DoNotOptimize(lists.data());
    }
}
BENCHMARK(BM_LibraryRegionLists)->Unit(benchmark::kMicrosecond);

void BM_SortedRegionListsWithPersonalFile(benchmark::State& state) {
    const PersonalFileFolder folder(static_cast<int>(state.range(0)));
    SilentPrompt prompt;
    for (auto _ : state) {
        orvanto::RegionLists lists = orvanto::LoadLibraryRegions();
        const orvanto::PersonalCityFile load = orvanto::LoadPersonalCities(folder.Path(), lists, prompt);
        benchmark::DoNotOptimize(load.recordLines.data());
        benchmark::DoNotOptimize(lists.data());
    }
}
BENCHMARK(BM_SortedRegionListsWithPersonalFile)->Arg(0)->Arg(1000)->Unit(benchmark::kMicrosecond);

void BM_SphereDistance(benchmark::State& state) {
    const orvanto::PlaceAngles from{49, 2, false, 122, 19, true};
    const orvanto::PlaceAngles to{39, 56, false, 82, 0, true};
    for (auto _ : state) benchmark::DoNotOptimize(orvanto::SphereDistanceKm(from, to, 0.0));
}
BENCHMARK(BM_SphereDistance);

}  // namespace
