#include "places/add_city.h"

#include <algorithm>

#include "places/coordinate_text.h"
#include "places/decimal_text.h"

namespace orvanto {

const char* const kRegionChoiceCaptions[7] = {
    "&North America", "&Central America && Caribbean", "&South America",
    "E&urope",        "Asia && &Middle East",          "A&frica",
    "Oc&eania"};

namespace {

std::string UpperCase(std::string text) {
    for (char& c : text) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return text;
}

char LowerCase(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool CaseInsensitiveLess(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return static_cast<unsigned char>(LowerCase(x)) < static_cast<unsigned char>(LowerCase(y));
    });
}

}  // namespace

std::optional<DistanceFeedback> CheckCityName(const std::string& name, DistanceSideId side) {
    const DistanceField focus =
        side == DistanceSideId::From ? DistanceField::FromCity : DistanceField::ToCity;
    if (TrimBlanks(name).empty()) {
        return DistanceFeedback{MessageKind::Error, kCityNameBlank, BeepKind::Exclamation, focus};
    }
    if (name.find(',') == std::string::npos || name.find('"') != std::string::npos) {
        return DistanceFeedback{MessageKind::Error, kInvalidCityName, BeepKind::Exclamation, focus};
    }
    return std::nullopt;
}

std::string NewRecordLine(const DistanceSide& side, int region) {
    const PlaceAngles angles = AnglesOf(side);
    const double latitude = DecimalDegrees(angles.latitudeDegrees, angles.latitudeMinutes, angles.south);
    const double longitude = DecimalDegrees(angles.longitudeDegrees, angles.longitudeMinutes, angles.west);
    return RecordLine({region, TrimBlanks(side.city), FixedText(latitude, 7), FixedText(longitude, 7)});
}

std::optional<std::size_t> FindDuplicateRecord(const std::vector<std::string>& recordLines,
                                               const std::string& name) {
    const std::string wanted = UpperCase(name);
    for (std::size_t i = 0; i < recordLines.size(); ++i) {
        if (UpperCase(recordLines[i]).find(wanted) != std::string::npos) return i;
    }
    return std::nullopt;
}

void SortRecordLines(std::vector<std::string>& recordLines) {
    std::stable_sort(recordLines.begin(), recordLines.end(), CaseInsensitiveLess);
}

AddCityOutcome AddCity(const DistanceSide& side, DistanceSideId sideId, PersonalCityFile& file,
                       const std::filesystem::path& folder, Prompt& prompt, Sound& sound,
                       RegionChooser& chooser) {
    if (auto failure = CheckCityName(side.city, sideId)) {
        Deliver(*failure, prompt, sound);
        return AddCityOutcome::Refused;
    }
    if (!file.readable) {
        PlayBeep(sound, BeepKind::Exclamation);
        prompt.ShowMessage(MessageKind::Error, kMessageTitle, kCannotAddToUnreadableFile);
        return AddCityOutcome::Refused;
    }
    const std::string name = TrimBlanks(side.city);
    const std::optional<std::size_t> duplicate = FindDuplicateRecord(file.recordLines, name);
    if (duplicate && !prompt.Ask(MessageKind::Warning, kMessageTitle, kReplaceCityQuestion)) {
        return AddCityOutcome::Cancelled;
    }
    const std::optional<int> region = chooser.ChooseRegion();
    if (!region || *region < 0 || *region > 6) return AddCityOutcome::Cancelled;

    PersonalCityFile updated = file;
    std::vector<std::string>& records = updated.recordLines;
    if (duplicate) records.erase(records.begin() + static_cast<std::ptrdiff_t>(*duplicate));
    records.push_back(NewRecordLine(side, *region));
    SortRecordLines(records);
    WritePersonalCityFile(folder, updated);
    file = std::move(updated);
    file.fileExisted = true;

    PlayBeep(sound, BeepKind::Information);
    prompt.ShowMessage(MessageKind::Information, kMessageTitle, kCityAdded);
    return AddCityOutcome::Added;
}

}  // namespace orvanto
