// The personal city file over any bytes: read and merged into the region
// lists of the library, then written back and read again.
#include <cstdint>
#include <string>

#include "core/scripted_prompt.h"
#include "fuzz/fuzz_support.h"
#include "places/city_library.h"
#include "places/personal_city_file.h"

using namespace orvanto;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const RegionLists library = LoadLibraryRegions();
    const auto folder = fuzz::ScratchFolder() / "cities";
    std::filesystem::create_directories(folder);
    fuzz::WriteBytes(folder / "CityData.txt", fuzz::AsText(data, size));

    RegionLists lists = library;
    ScriptedPrompt prompt;
    const PersonalCityLoad load = LoadPersonalCities(folder, lists, prompt);
    try {
        WritePersonalCityFile(folder, load.recordLines);
    } catch (const std::exception&) {
        return 0;
    }
    RegionLists again = library;
    (void)LoadPersonalCities(folder, again, prompt);
    return 0;
}
