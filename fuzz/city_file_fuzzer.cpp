// The personal city file over any bytes: read and merged into the region
// lists of the library, then written back and read again. The rewrite loses
// no line: the file read back holds as many kept and record lines as before.
#include <cstdint>
#include <cstdlib>
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
    fuzz::WriteBytes(folder / kPersonalCityFileName, fuzz::AsText(data, size));

    RegionLists lists = library;
    ScriptedPrompt prompt;
    const PersonalCityFile file = LoadPersonalCities(folder, lists, prompt);
    if (!file.readable) return 0;
    try {
        WritePersonalCityFile(folder, file);
    } catch (const ECityFileError&) {
        return 0;
    }
    RegionLists again = library;
    const PersonalCityFile reread = LoadPersonalCities(folder, again, prompt);
    if (reread.keptLines.size() + reread.recordLines.size() !=
        file.keptLines.size() + file.recordLines.size())
        std::abort();
    return 0;
}
