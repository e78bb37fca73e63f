// The distance calculator without its window: the region lists of both
// sides, the home location as the From side, the checks, the distance and
// its units, and Add city. The window shows this state and forwards the
// user's actions to it.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/ini_file.h"
#include "core/prompt.h"
#include "core/sound.h"
#include "places/add_city.h"
#include "places/city_library.h"
#include "places/distance_input_check.h"
#include "places/sphere_distance.h"

namespace orvanto {

// The home location as section "Location" of the settings file holds it,
// with the calculator's defaults for missing keys.
struct HomeLocation {
    int regionIndex = -2;
    int cityIndex = -2;
    std::string cityName = "Not defined";
    std::string latitude = "0";
    std::string longitude = "0";
};

HomeLocation ReadHomeLocation(const IniFile& settings);

// The position of the home city after the personal file was merged and the
// lists sorted: the name that stood at `cityIndex` of the library list of
// `regionIndex` is looked up again (first match, case-insensitive). Returns
// `cityIndex` unchanged when there is nothing to look up.
int FindHomeCityAgain(const RegionLists& library, const RegionLists& merged, int regionIndex, int cityIndex);

// One side of the calculator.
struct CalculatorSide {
    int region = 0;      // 0..6 a library region, 7 "Custom", -1 none selected
    int place = -1;      // the selected place of the region list, -1 for none
    DistanceSide boxes;  // the texts of the city box and the coordinate fields

    bool Custom() const { return region == kCustomRegionIndex; }
};

class DistanceCalculator {
public:
    // Creation: the library's places, the personal city file of
    // `programFolder` merged in, the From side at the home location, the To
    // side at the first place of "North America", the units by the home
    // region.
    DistanceCalculator(const IniFile& settings, std::filesystem::path programFolder, Prompt& prompt,
                       Sound& sound);

    const RegionLists& Regions() const { return regions_; }
    const std::vector<std::string>& PersonalRecords() const { return file_.recordLines; }
    const PersonalCityFile& PersonalFile() const { return file_; }

    const CalculatorSide& Side(DistanceSideId side) const;
    // The boxes of a side, for the window to write what the user typed.
    DistanceSide& Boxes(DistanceSideId side);

    // Region changed: a library region selects its first place; "Custom"
    // empties the city box and sets the fields to "0", "N" and "W".
    void SelectRegion(DistanceSideId side, int region);
    // Place selected: clears the result and shows the place's coordinates in
    // degrees and minutes. An index outside the list leaves no selection.
    void SelectPlace(DistanceSideId side, int place);

    // Calculate: the checks, then the distance. A failure is delivered
    // (sound and message) and returned for its focus; the result stays.
    std::optional<DistanceFeedback> Calculate(const std::string& altitude);

    // Add city of one side (enabled only for "Custom"): the checks of both
    // sides, then the personal file. Throws ECityFileError when writing fails.
    // An added place is in the region lists at once; a library place shown
    // on either side stays selected.
    AddCityOutcome AddCity(DistanceSideId side, const std::string& altitude, RegionChooser& chooser,
                           std::optional<DistanceFeedback>* failure = nullptr);

    DistanceUnits Units() const { return units_; }
    // Units changed: the result is shown again in the new unit.
    void SetUnits(DistanceUnits units);
    // "feet" or "meters".
    const char* AltitudeUnitLabel() const;

    // Altitude text changed: the result label is cleared.
    void AltitudeChanged() { resultText_.clear(); }

    double LastResultKm() const { return lastKm_; }
    const std::string& ResultText() const { return resultText_; }

private:
    CalculatorSide& MutableSide(DistanceSideId side);
    // No region and no place: empty boxes (a home region outside the lists).
    void ClearSide(CalculatorSide& side);
    // The library lists with the personal records merged, sorted; each
    // side's place found again by its name.
    void RebuildRegionLists();
    void ShowCoordinates(CalculatorSide& side, const std::string& latitude, const std::string& longitude);
    void ShowLastResult();

    std::filesystem::path folder_;
    Prompt& prompt_;
    Sound& sound_;
    RegionLists library_;
    RegionLists regions_;
    PersonalCityFile file_;
    CalculatorSide from_;
    CalculatorSide to_;
    DistanceUnits units_ = DistanceUnits::Metric;
    double lastKm_ = 0.0;
    std::string resultText_;
};

}  // namespace orvanto
