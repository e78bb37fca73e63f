// "BioData.ini" over any bytes: the options and the favourites read in both
// date formats, then written back and read again. Nothing is lost on the way:
// every value of "Items" comes back, as a favourite or kept as it was.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "biorhythm/bio_data_file.h"
#include "core/ini_file.h"
#include "fuzz/fuzz_support.h"

using namespace orvanto;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string path = (fuzz::ScratchFolder() / "BioData.ini").string();
    fuzz::WriteBytes(path, fuzz::AsText(data, size));

    bio::BioDataFile file(path);
    const bio::BioOptions options = file.ReadOptions();
    for (int dateFormat : {1, 2}) {
        const bio::FavouriteList favourites = file.ReadFavourites(dateFormat);
        for (int position = 0; position < favourites.Count(); ++position) {
            (void)bio::FavouriteEntry(favourites.At(position), dateFormat);
            (void)favourites.Find(favourites.EntryAt(position));
        }
    }

    const bio::FavouriteList favourites = file.ReadFavourites(2);
    try {
        file.WriteFavourites(favourites);
        file.WriteOptions(options);
    } catch (const EIniFileError&) {
        return 0;
    }
    if (!(file.ReadOptions() == options)) std::abort();
    const bio::FavouriteList again = file.ReadFavourites(2);
    if (again.Count() + again.Unreadable().size() != favourites.Count() + favourites.Unreadable().size())
        std::abort();
    return 0;
}
