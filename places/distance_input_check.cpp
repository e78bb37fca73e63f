#include "places/distance_input_check.h"

#include <array>

#include "places/decimal_text.h"

namespace orvanto {

namespace {

struct CoordinateField {
    const std::string* text;
    DistanceField field;
    bool degrees;  // degrees 0..179, else minutes 0..59
};

// The eight coordinate fields in checking order: From latitude degrees,
// longitude degrees, latitude minutes, longitude minutes, then those of To.
std::array<CoordinateField, 8> CoordinateFields(const DistanceSide& from, const DistanceSide& to) {
    return {{
        {&from.latitudeDegrees, DistanceField::FromLatitudeDegrees, true},
        {&from.longitudeDegrees, DistanceField::FromLongitudeDegrees, true},
        {&from.latitudeMinutes, DistanceField::FromLatitudeMinutes, false},
        {&from.longitudeMinutes, DistanceField::FromLongitudeMinutes, false},
        {&to.latitudeDegrees, DistanceField::ToLatitudeDegrees, true},
        {&to.longitudeDegrees, DistanceField::ToLongitudeDegrees, true},
        {&to.latitudeMinutes, DistanceField::ToLatitudeMinutes, false},
        {&to.longitudeMinutes, DistanceField::ToLongitudeMinutes, false},
    }};
}

DistanceFeedback Failure(MessageKind kind, const char* text, BeepKind beep, DistanceField focus) {
    return {kind, text, beep, focus};
}

int WholeNumber(const std::string& text) { return ParseWholeNumber(text).value_or(0); }

}  // namespace

const char* DistanceFieldControlName(DistanceField field) {
    switch (field) {
    case DistanceField::None:
        return "";
    case DistanceField::FromCity:
        return "ComboBox2";
    case DistanceField::ToCity:
        return "ComboBox4";
    case DistanceField::FromLatitudeDegrees:
        return "Edit1";
    case DistanceField::FromLongitudeDegrees:
        return "Edit2";
    case DistanceField::FromLatitudeMinutes:
        return "Edit3";
    case DistanceField::FromLongitudeMinutes:
        return "Edit4";
    case DistanceField::ToLatitudeDegrees:
        return "Edit5";
    case DistanceField::ToLongitudeDegrees:
        return "Edit6";
    case DistanceField::ToLatitudeMinutes:
        return "Edit7";
    case DistanceField::ToLongitudeMinutes:
        return "Edit8";
    case DistanceField::Altitude:
        return "Edit9";
    }
    return "";
}

std::optional<DistanceFeedback> CheckDistanceFields(const DistanceSide& from, const DistanceSide& to,
                                                    const std::string& altitude) {
    const auto fields = CoordinateFields(from, to);
    // A field of blanks only is as empty as an empty one: it holds no number.
    bool blank = TrimBlanks(altitude).empty();
    for (const CoordinateField& field : fields) blank = blank || TrimBlanks(*field.text).empty();
    if (blank)
        return Failure(MessageKind::Warning, kFieldsCannotBeBlank, BeepKind::None, DistanceField::None);

    for (const CoordinateField& field : fields) {
        // Digits and blanks only, and one whole number after trimming.
        if (!HasOnlyDigitsAndBlanks(*field.text) || !ParseWholeNumber(*field.text)) {
            return Failure(MessageKind::Error, kInvalidValue, BeepKind::Simple, field.field);
        }
    }
    for (const CoordinateField& field : fields) {
        const int value = WholeNumber(*field.text);
        if (field.degrees && (value < 0 || value > 179)) {
            return Failure(MessageKind::Error, kDegreesOutOfRange, BeepKind::Exclamation, field.field);
        }
        if (!field.degrees && (value < 0 || value > 59)) {
            return Failure(MessageKind::Error, kMinutesOutOfRange, BeepKind::Exclamation, field.field);
        }
    }
    if (!HasOnlyAltitudeCharacters(altitude)) {
        return Failure(MessageKind::Error, kInvalidValue, BeepKind::Simple, DistanceField::Altitude);
    }
    return std::nullopt;
}

std::optional<DistanceFeedback> CheckCalculateInputs(const DistanceSide& from, const DistanceSide& to,
                                                     const std::string& altitude, double& altitudeValue) {
    if (auto failure = CheckDistanceFields(from, to, altitude)) return failure;
    // "1.2.3" or a lone "-" pass the character test but are no number.
    const std::optional<double> value = ParseDecimal(altitude);
    if (!value) return Failure(MessageKind::Error, kInvalidValue, BeepKind::Simple, DistanceField::Altitude);
    if (*value < 0.0) {
        return Failure(MessageKind::Error, kAltitudeNegative, BeepKind::Exclamation, DistanceField::Altitude);
    }
    altitudeValue = *value;
    return std::nullopt;
}

PlaceAngles AnglesOf(const DistanceSide& side) {
    return {WholeNumber(side.latitudeDegrees),  WholeNumber(side.latitudeMinutes),  side.south,
            WholeNumber(side.longitudeDegrees), WholeNumber(side.longitudeMinutes), side.west};
}

}  // namespace orvanto
