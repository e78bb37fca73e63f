#include "places/distance_calculator.h"

#include <utility>

#include "places/coordinate_text.h"
#include "places/decimal_text.h"
#include "places/personal_city_file.h"

namespace orvanto {

namespace {

constexpr const char* kLocationSection = "Location";

bool SameNameIgnoringCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c; };
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

bool IsLibraryRegion(int region) { return region >= 0 && region < kCityRegionCount; }

// "RegionIndex" when section "Location" has none.
constexpr int kNoHomeRegion = -2;

int FindByName(const RegionList& list, const std::string& name) {
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (list[i].name == name) return static_cast<int>(i);
    }
    return -1;
}

}  // namespace

HomeLocation ReadHomeLocation(const IniFile& settings) {
    HomeLocation home;
    home.regionIndex = settings.ReadInteger(kLocationSection, "RegionIndex", -2);
    home.cityIndex = settings.ReadInteger(kLocationSection, "CityIndex", -2);
    home.cityName = settings.ReadString(kLocationSection, "CityName", "Not defined");
    home.latitude = settings.ReadString(kLocationSection, "Latitude", "0");
    home.longitude = settings.ReadString(kLocationSection, "Longitude", "0");
    return home;
}

int FindHomeCityAgain(const RegionLists& library, const RegionLists& merged, int regionIndex, int cityIndex) {
    if (!IsLibraryRegion(regionIndex) || cityIndex < 0) return cityIndex;
    const RegionList& before = library[regionIndex];
    if (static_cast<std::size_t>(cityIndex) >= before.size()) return cityIndex;
    const std::string& name = before[cityIndex].name;
    const RegionList& after = merged[regionIndex];
    for (std::size_t i = 0; i < after.size(); ++i) {
        if (SameNameIgnoringCase(after[i].name, name)) return static_cast<int>(i);
    }
    return cityIndex;
}

DistanceCalculator::DistanceCalculator(const IniFile& settings, std::filesystem::path programFolder,
                                       Prompt& prompt, Sound& sound)
    : folder_(std::move(programFolder)), prompt_(prompt), sound_(sound) {
    const HomeLocation home = ReadHomeLocation(settings);
    library_ = LoadLibraryRegions();
    regions_ = library_;
    file_ = LoadPersonalCities(folder_, regions_, prompt_);
    const int cityIndex = file_.fileExisted
                              ? FindHomeCityAgain(library_, regions_, home.regionIndex, home.cityIndex)
                              : home.cityIndex;

    if (home.regionIndex == kCustomRegionIndex) {
        SelectRegion(DistanceSideId::From, kCustomRegionIndex);
        const std::string name = TrimBlanks(home.cityName);
        from_.boxes.city = name.empty() ? "Not defined" : home.cityName;
        ShowCoordinates(from_, home.latitude, home.longitude);
    } else if (IsLibraryRegion(home.regionIndex)) {
        SelectRegion(DistanceSideId::From, home.regionIndex);
        SelectPlace(DistanceSideId::From, cityIndex);
    } else if (home.regionIndex == kNoHomeRegion) {
        SelectRegion(DistanceSideId::From, 0);
    } else {
        // A value outside the region list: nothing is selected.
        ClearSide(from_);
    }
    units_ = home.regionIndex == 0 ? DistanceUnits::English : DistanceUnits::Metric;
    SelectRegion(DistanceSideId::To, 0);
}

const CalculatorSide& DistanceCalculator::Side(DistanceSideId side) const {
    return side == DistanceSideId::From ? from_ : to_;
}

CalculatorSide& DistanceCalculator::MutableSide(DistanceSideId side) {
    return side == DistanceSideId::From ? from_ : to_;
}

DistanceSide& DistanceCalculator::Boxes(DistanceSideId side) { return MutableSide(side).boxes; }

void DistanceCalculator::ClearSide(CalculatorSide& side) {
    side.region = -1;
    side.place = -1;
    side.boxes = DistanceSide{};
}

void DistanceCalculator::SelectRegion(DistanceSideId sideId, int region) {
    CalculatorSide& side = MutableSide(sideId);
    if (region == kCustomRegionIndex) {
        side.region = region;
        side.place = -1;
        side.boxes = DistanceSide{"", "0", "0", false, "0", "0", true};
        return;
    }
    if (!IsLibraryRegion(region)) return;
    side.region = region;
    SelectPlace(sideId, 0);
}

void DistanceCalculator::SelectPlace(DistanceSideId sideId, int place) {
    CalculatorSide& side = MutableSide(sideId);
    if (!IsLibraryRegion(side.region)) return;
    const RegionList& list = regions_[side.region];
    if (place < 0 || static_cast<std::size_t>(place) >= list.size()) {
        side.place = -1;
        side.boxes.city.clear();
        return;
    }
    resultText_.clear();
    side.place = place;
    side.boxes.city = list[place].name;
    ShowCoordinates(side, list[place].latitude, list[place].longitude);
}

void DistanceCalculator::ShowCoordinates(CalculatorSide& side, const std::string& latitude,
                                         const std::string& longitude) {
    const DegreesMinutes lat = SplitCoordinateText(latitude);
    const DegreesMinutes lon = SplitCoordinateText(longitude);
    side.boxes.latitudeDegrees = std::to_string(lat.degrees);
    side.boxes.latitudeMinutes = std::to_string(lat.minutes);
    side.boxes.south = lat.negative;
    side.boxes.longitudeDegrees = std::to_string(lon.degrees);
    side.boxes.longitudeMinutes = std::to_string(lon.minutes);
    side.boxes.west = lon.negative;
}

std::optional<DistanceFeedback> DistanceCalculator::Calculate(const std::string& altitude) {
    double altitudeValue = 0.0;
    if (auto failure = CheckCalculateInputs(from_.boxes, to_.boxes, altitude, altitudeValue)) {
        Deliver(*failure, prompt_, sound_);
        return failure;
    }
    lastKm_ = SphereDistanceKm(AnglesOf(from_.boxes), AnglesOf(to_.boxes), HeightKm(altitudeValue, units_));
    ShowLastResult();
    return std::nullopt;
}

AddCityOutcome DistanceCalculator::AddCity(DistanceSideId side, const std::string& altitude,
                                           RegionChooser& chooser, std::optional<DistanceFeedback>* failure) {
    // The button is enabled only for a typed-in place.
    if (!Side(side).Custom()) return AddCityOutcome::Cancelled;
    if (auto checked = CheckDistanceFields(from_.boxes, to_.boxes, altitude)) {
        Deliver(*checked, prompt_, sound_);
        if (failure) *failure = checked;
        return AddCityOutcome::Refused;
    }
    if (failure) *failure = CheckCityName(Side(side).boxes.city, side);
    const AddCityOutcome outcome =
        orvanto::AddCity(Side(side).boxes, side, file_, folder_, prompt_, sound_, chooser);
    if (outcome == AddCityOutcome::Added) RebuildRegionLists();
    return outcome;
}

void DistanceCalculator::RebuildRegionLists() {
    regions_ = library_;
    for (const std::string& line : file_.recordLines) MergeRecordLine(line, regions_);
    SortRegionLists(regions_);
    for (CalculatorSide* side : {&from_, &to_}) {
        if (!IsLibraryRegion(side->region) || side->place < 0) continue;
        side->place = FindByName(regions_[side->region], side->boxes.city);
    }
}

void DistanceCalculator::SetUnits(DistanceUnits units) {
    units_ = units;
    resultText_.clear();
    if (lastKm_ != 0.0) ShowLastResult();
}

const char* DistanceCalculator::AltitudeUnitLabel() const {
    return units_ == DistanceUnits::English ? "feet" : "meters";
}

void DistanceCalculator::ShowLastResult() { resultText_ = DistanceText(lastKm_, units_); }

}  // namespace orvanto
