// "BioData.ini": the biorhythm window's own file beside the settings file,
// with its options (section "Options") and favourites (section "Items").
#pragma once

#include <string>

#include "biorhythm/bio_favourites.h"
#include "core/ini_file.h"

namespace orvanto::bio {

inline constexpr std::string_view kBioDataFileName = "BioData.ini";
inline constexpr std::string_view kOptionsSection = "Options";
inline constexpr std::string_view kItemsSection = "Items";

struct BioOptions {
    bool physical = true;
    bool emotional = true;
    bool intellectual = true;
    bool thickLines = true;
    bool darkBackground = false;
    bool dayUnderMouse = false;
    int lastUser = -1;  // position of the selected favourite in the sorted list, -1 none

    friend bool operator==(const BioOptions&, const BioOptions&) = default;
};

// "BioData.ini" in the folder of the settings file.
std::string BioDataPath(const std::string& settingsPath);

// The key of the favourite at a position: "User" and the number with at
// least three digits (User000, User001 ... User999, User1000 ...).
std::string FavouriteKey(int position);

class BioDataFile {
public:
    explicit BioDataFile(std::string path) : ini_(std::move(path)) {}

    const std::string& Path() const { return ini_.FileName(); }

    // Missing or unreadable values give their defaults.
    BioOptions ReadOptions() const;
    // Raises EIniFileError when the file cannot be written.
    void WriteOptions(const BioOptions& options);

    // Every value of "Items", whatever its key, in file order, sorted into
    // the list; values whose date does not read are kept apart in
    // Unreadable().
    FavouriteList ReadFavourites(int dateFormat) const;
    // Section "Items" erased and written again: the entries in list order
    // under User000, User001 ..., then the unreadable values as they were.
    void WriteFavourites(const FavouriteList& favourites);

private:
    IniFile ini_;
};

}  // namespace orvanto::bio
