#include "places/location_selection.h"

#include <utility>

#include "places/city_regions.h"
#include "places/coordinate_text.h"
#include "places/decimal_text.h"

namespace orvanto {

namespace {

constexpr const char* kLocationSection = "Location";

LocationFeedback Failure(const char* text, BeepKind beep, LocationField focus) {
    return {MessageKind::Error, text, beep, focus};
}

}  // namespace

const char* LocationFieldControlName(LocationField field) {
    switch (field) {
    case LocationField::Tree:
        return "TreeView1";
    case LocationField::Name:
        return "Edit2";
    case LocationField::LatitudeDegrees:
        return "Edit3";
    case LocationField::LongitudeDegrees:
        return "Edit4";
    case LocationField::LatitudeMinutes:
        return "Edit5";
    case LocationField::LongitudeMinutes:
        return "Edit6";
    }
    return "";
}

LocationSelection::LocationSelection() : LocationSelection(LoadLibraryRegions()) {}

LocationSelection::LocationSelection(RegionLists regions) : regions_(std::move(regions)) {}

void LocationSelection::Load(const IniFile& settings) {
    const int region = settings.ReadInteger(kLocationSection, "RegionIndex", -1);
    const int city = settings.ReadInteger(kLocationSection, "CityIndex", -1);
    region_ = -1;
    place_ = -1;
    custom_ = false;
    boxes_ = LocationBoxes{};
    rootExpanded_ = false;
    expandedRegion_ = -1;

    if (region == kCustomRegionIndex) {
        ClickRegion(kCustomRegionIndex);
        const std::string name = settings.ReadString(kLocationSection, "CityName", "Not defined");
        boxes_.name = TrimBlanks(name).empty() ? "Not defined" : name;
        ShowCoordinates(settings.ReadString(kLocationSection, "Latitude", "0"),
                        settings.ReadString(kLocationSection, "Longitude", "0"));
        rootExpanded_ = true;
    } else if (region >= 0 && region < kCityRegionCount) {
        rootExpanded_ = true;
        expandedRegion_ = region;
        const int place = city == -1 ? 0 : city;
        if (place >= 0 && static_cast<std::size_t>(place) < regions_[region].size()) {
            ClickPlace(region, place);
        }
    }
}

void LocationSelection::ClickRoot() {
    custom_ = false;
    region_ = -1;
    place_ = -1;
    boxes_.region.clear();
    boxes_.name.clear();
    EmptyCoordinateBoxes();
}

void LocationSelection::ClickRegion(int region) {
    if (region < 0 || region > kCustomRegionIndex) return;
    boxes_.name.clear();
    EmptyCoordinateBoxes();
    custom_ = region == kCustomRegionIndex;
    if (custom_) {
        boxes_.south = false;
        boxes_.west = true;
    }
    region_ = region;
    place_ = -1;
    boxes_.region = kRegionNames[region];
}

void LocationSelection::ClickPlace(int region, int place) {
    if (region < 0 || region >= kCityRegionCount) return;
    const RegionList& list = regions_[region];
    if (place < 0 || static_cast<std::size_t>(place) >= list.size()) return;
    custom_ = false;
    region_ = region;
    place_ = place;
    boxes_.region = kRegionNames[region];
    boxes_.name = list[place].name;
    ShowCoordinates(list[place].latitude, list[place].longitude);
}

std::optional<LocationFeedback> LocationSelection::Check() const {
    if (!custom_) {
        if (TrimBlanks(boxes_.name).empty()) {
            return Failure(kSelectCityInRegion, BeepKind::Exclamation, LocationField::Tree);
        }
        return std::nullopt;
    }
    struct Box {
        const std::string* text;
        LocationField field;
        const char* notNumerical;
        bool degrees;
    };
    const Box boxes[] = {
        {&boxes_.latitudeDegrees, LocationField::LatitudeDegrees, kLatitudeNotNumerical, true},
        {&boxes_.latitudeMinutes, LocationField::LatitudeMinutes, kLatitudeNotNumerical, false},
        {&boxes_.longitudeDegrees, LocationField::LongitudeDegrees, kLongitudeNotNumerical, true},
        {&boxes_.longitudeMinutes, LocationField::LongitudeMinutes, kLongitudeNotNumerical, false},
    };
    for (const Box& box : boxes) {
        // An empty box holds no number either.
        if (!HasOnlyDigitsAndBlanks(*box.text) || !ParseWholeNumber(*box.text)) {
            return Failure(box.notNumerical, BeepKind::Simple, box.field);
        }
    }
    for (const Box& box : boxes) {
        const int value = *ParseWholeNumber(*box.text);
        if (box.degrees && value > 179) {
            return Failure(kLocationDegreesRange, BeepKind::Exclamation, box.field);
        }
        if (!box.degrees && value > 59) {
            return Failure(kLocationMinutesRange, BeepKind::Exclamation, box.field);
        }
    }
    if (TrimBlanks(boxes_.name).empty()) {
        return Failure(kMissingCityName, BeepKind::Exclamation, LocationField::Name);
    }
    return std::nullopt;
}

std::optional<LocationFeedback> LocationSelection::CheckAndWrite(IniFile& settings, Prompt& prompt,
                                                                 Sound& sound) {
    if (auto failure = Check()) {
        Deliver(*failure, prompt, sound);
        return failure;
    }
    Write(settings);
    return std::nullopt;
}

void LocationSelection::Write(IniFile& settings) const {
    const int latitudeMinutes = *ParseWholeNumber(boxes_.latitudeMinutes);
    const int longitudeMinutes = *ParseWholeNumber(boxes_.longitudeMinutes);
    settings.WriteInteger(kLocationSection, "RegionIndex", custom_ ? kCustomRegionIndex : region_);
    settings.WriteInteger(kLocationSection, "CityIndex", custom_ ? -1 : place_);
    settings.WriteString(kLocationSection, "CityName", boxes_.name);
    settings.WriteString(kLocationSection, "Latitude",
                         LocationCoordinateText(boxes_.latitudeDegrees, latitudeMinutes, boxes_.south));
    settings.WriteString(kLocationSection, "Longitude",
                         LocationCoordinateText(boxes_.longitudeDegrees, longitudeMinutes, boxes_.west));
}

void LocationSelection::EmptyCoordinateBoxes() {
    boxes_.latitudeDegrees.clear();
    boxes_.latitudeMinutes.clear();
    boxes_.longitudeDegrees.clear();
    boxes_.longitudeMinutes.clear();
}

void LocationSelection::ShowCoordinates(const std::string& latitude, const std::string& longitude) {
    const DegreesMinutes lat = SplitCoordinateText(latitude);
    const DegreesMinutes lon = SplitCoordinateText(longitude);
    boxes_.latitudeDegrees = std::to_string(lat.degrees);
    boxes_.latitudeMinutes = std::to_string(lat.minutes);
    boxes_.south = lat.negative;
    boxes_.longitudeDegrees = std::to_string(lon.degrees);
    boxes_.longitudeMinutes = std::to_string(lon.minutes);
    boxes_.west = lon.negative;
}

}  // namespace orvanto
