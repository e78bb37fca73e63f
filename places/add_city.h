// "Add city" of the distance calculator: stores one side's typed-in place in
// the personal city file, after asking for its region.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/prompt.h"
#include "core/sound.h"
#include "places/distance_input_check.h"
#include "places/personal_city_file.h"

namespace orvanto {

// The "Select Region" window: returns the chosen region index 0..6, or
// nothing for Cancel (or its close button). The first region is chosen when
// it opens.
class RegionChooser {
public:
    virtual ~RegionChooser() = default;
    virtual std::optional<int> ChooseRegion() = 0;
};

inline constexpr const char* kCityNameBlank = "City name cannot be blank.";
inline constexpr const char* kInvalidCityName =
    "Invalid city name.\n\nName format should be:\n\ncity, state       for US cities\n"
    "city, country   for non-US cities";
inline constexpr const char* kReplaceCityQuestion =
    "The city already exists in personal database. \nDo you want to replace it?";
inline constexpr const char* kCityAdded = "City successfully added.";

// The radio choices of "Select Region", in region-index order ("&" marks the
// accelerator, "&&" shows one "&").
extern const char* const kRegionChoiceCaptions[7];

enum class AddCityOutcome { Added, Refused, Cancelled };

// Which side's button was pressed, for the focus of a refused name.
enum class DistanceSideId { From, To };

// The checks of the city name: blank, or without a comma, or with a double
// quote (which the record format cannot carry). The first failure, or nothing.
std::optional<DistanceFeedback> CheckCityName(const std::string& name, DistanceSideId side);

// The record line of a side's place in region `region` (0..6): coordinates
// as decimal degrees with seven decimals.
std::string NewRecordLine(const DistanceSide& side, int region);

// The index of the first record line that holds `name` as a substring, both
// in upper case.
std::optional<std::size_t> FindDuplicateRecord(const std::vector<std::string>& recordLines,
                                               const std::string& name);

// Sorts record lines case-insensitively (so by region digit, then name).
void SortRecordLines(std::vector<std::string>& recordLines);

// Runs Add city for `side`, whose input checks have passed: the name checks,
// the duplicate question, the region chooser, the rewrite of
// `folder`/CityData.txt (throws ECityFileError when it fails; `file` is then
// unchanged) and "City successfully added.". A file that could not be read
// is never rewritten: kCannotAddToUnreadableFile, Refused.
AddCityOutcome AddCity(const DistanceSide& side, DistanceSideId sideId, PersonalCityFile& file,
                       const std::filesystem::path& folder, Prompt& prompt, Sound& sound,
                       RegionChooser& chooser);

}  // namespace orvanto
