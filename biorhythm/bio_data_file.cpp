// "BioData.ini": options and favourites of the biorhythm window.
#include "biorhythm/bio_data_file.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <utility>
#include <vector>

namespace orvanto::bio {

namespace {

const std::string kOptions(kOptionsSection);
const std::string kItems(kItemsSection);

constexpr int kKeyDigits = 3;

bool SameKey(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

}  // namespace

std::string BioDataPath(const std::string& settingsPath) {
    const std::filesystem::path folder = std::filesystem::path(settingsPath).parent_path();
    return (folder / std::string(kBioDataFileName)).string();
}

std::string FavouriteKey(int position) {
    std::string number = std::to_string(position);
    if (static_cast<int>(number.size()) < kKeyDigits) number.insert(0, kKeyDigits - number.size(), '0');
    return "User" + number;
}

BioOptions BioDataFile::ReadOptions() const {
    const BioOptions defaults;
    BioOptions options;
    options.physical = ini_.ReadBool(kOptions, "Physical", defaults.physical);
    options.emotional = ini_.ReadBool(kOptions, "Emotional", defaults.emotional);
    options.intellectual = ini_.ReadBool(kOptions, "Intellectual", defaults.intellectual);
    options.thickLines = ini_.ReadBool(kOptions, "ThickLines", defaults.thickLines);
    options.darkBackground = ini_.ReadBool(kOptions, "DarkBackground", defaults.darkBackground);
    options.dayUnderMouse = ini_.ReadBool(kOptions, "DayUnderMouse", defaults.dayUnderMouse);
    options.lastUser = ini_.ReadInteger(kOptions, "LastUser", defaults.lastUser);
    return options;
}

void BioDataFile::WriteOptions(const BioOptions& options) {
    // One rewrite of the file for the whole section; keys the program does
    // not know stay in it.
    std::vector<std::pair<std::string, std::string>> pairs = {
        {"Physical", options.physical ? "1" : "0"},
        {"Emotional", options.emotional ? "1" : "0"},
        {"Intellectual", options.intellectual ? "1" : "0"},
        {"ThickLines", options.thickLines ? "1" : "0"},
        {"DarkBackground", options.darkBackground ? "1" : "0"},
        {"DayUnderMouse", options.dayUnderMouse ? "1" : "0"},
        {"LastUser", std::to_string(options.lastUser)},
    };
    const std::size_t known = pairs.size();
    for (auto& stored : ini_.ReadSectionPairs(kOptions)) {
        const bool ours = std::any_of(pairs.begin(), pairs.begin() + static_cast<std::ptrdiff_t>(known),
                                      [&](const auto& pair) { return SameKey(pair.first, stored.first); });
        if (!ours) pairs.push_back(std::move(stored));
    }
    ini_.ReplaceSection(kOptions, pairs);
}

FavouriteList BioDataFile::ReadFavourites(int dateFormat) const {
    FavouriteList favourites(dateFormat);
    for (auto& [key, value] : ini_.ReadSectionPairs(kItems)) {
        if (const std::optional<Favourite> favourite = ReadFavourite(value, dateFormat)) {
            favourites.Insert(*favourite);
        } else {
            favourites.KeepUnreadable(std::move(value));
        }
    }
    return favourites;
}

void BioDataFile::WriteFavourites(const FavouriteList& favourites) {
    std::vector<std::pair<std::string, std::string>> pairs;
    pairs.reserve(favourites.Entries().size() + favourites.Unreadable().size());
    for (const std::string& entry : favourites.Entries()) {
        pairs.emplace_back(FavouriteKey(static_cast<int>(pairs.size())), entry);
    }
    for (const std::string& value : favourites.Unreadable()) {
        pairs.emplace_back(FavouriteKey(static_cast<int>(pairs.size())), value);
    }
    ini_.ReplaceSection(kItems, pairs);
}

}  // namespace orvanto::bio
