// The "Location" page of the settings dialog without its tree widget: the
// regions and places of the library, the typed-in ("Custom") location, the
// checks of "&OK" and the texts written to section "Location".
#pragma once

#include <optional>
#include <string>

#include "core/ini_file.h"
#include "core/prompt.h"
#include "core/sound.h"
#include "places/city_library.h"
#include "places/feedback.h"

namespace orvanto {

// The controls a failed check puts the focus on.
enum class LocationField {
    Tree,              // TreeView1
    Name,              // Edit2
    LatitudeDegrees,   // Edit3
    LongitudeDegrees,  // Edit4
    LatitudeMinutes,   // Edit5
    LongitudeMinutes,  // Edit6
};

const char* LocationFieldControlName(LocationField field);

using LocationFeedback = Feedback<LocationField>;

inline constexpr const char* kLatitudeNotNumerical = "Latitude value must be numerical.";
inline constexpr const char* kLongitudeNotNumerical = "Longitude value must be numerical.";
inline constexpr const char* kLocationDegreesRange = "Degrees must be between 0 and 179.";
inline constexpr const char* kLocationMinutesRange = "Minutes must be between 0 and 59.";
inline constexpr const char* kMissingCityName = "Missing city name.";
inline constexpr const char* kSelectCityInRegion = "Please select a city within this region.";

// The boxes of the page.
struct LocationBoxes {
    std::string region;  // Edit7
    std::string name;    // Edit2
    std::string latitudeDegrees;
    std::string latitudeMinutes;
    bool south = false;
    std::string longitudeDegrees;
    std::string longitudeMinutes;
    bool west = false;
};

class LocationSelection {
public:
    // Build: the library's places in their regions, in library order.
    LocationSelection();
    explicit LocationSelection(RegionLists regions);

    const RegionLists& Regions() const { return regions_; }

    // Opening the dialog: the stored keys (defaults RegionIndex -1,
    // CityIndex -1, CityName "Not defined", Latitude "0", Longitude "0").
    void Load(const IniFile& settings);

    // Node clicked.
    void ClickRoot();
    void ClickRegion(int region);            // 0..6, or 7 for "Custom"
    void ClickPlace(int region, int place);  // a place node

    // Check and write, step 1 of "&OK": a failure is delivered (sound and
    // message) and returned for its focus, and nothing is written.
    std::optional<LocationFeedback> CheckAndWrite(IniFile& settings, Prompt& prompt, Sound& sound);

    // The checks alone, in order; nothing, when the page may be stored.
    std::optional<LocationFeedback> Check() const;

    int RegionIndex() const { return region_; }
    int PlaceIndex() const { return place_; }
    bool CustomMode() const { return custom_; }
    // The name, region, degree and minute boxes and the hemisphere choices
    // are enabled only in custom mode.
    bool BoxesEnabled() const { return custom_; }
    LocationBoxes& Boxes() { return boxes_; }
    const LocationBoxes& Boxes() const { return boxes_; }

    // What the tree shows after Load: the root and one region expanded.
    bool RootExpanded() const { return rootExpanded_; }
    int ExpandedRegion() const { return expandedRegion_; }

private:
    void EmptyCoordinateBoxes();
    void ShowCoordinates(const std::string& latitude, const std::string& longitude);
    void Write(IniFile& settings) const;

    RegionLists regions_;
    int region_ = -1;
    int place_ = -1;
    bool custom_ = false;
    LocationBoxes boxes_;
    bool rootExpanded_ = false;
    int expandedRegion_ = -1;
};

}  // namespace orvanto
