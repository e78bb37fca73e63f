// The input checks of the distance calculator, run by Calculate and by both
// "Add city" buttons: each failure as its message, sound and focus target.
#pragma once

#include <optional>
#include <string>

#include "places/feedback.h"
#include "places/sphere_distance.h"

namespace orvanto {

// The controls a failed check puts the focus on.
enum class DistanceField {
    None,  // the focus leaves the fields
    FromCity,
    ToCity,
    FromLatitudeDegrees,
    FromLongitudeDegrees,
    FromLatitudeMinutes,
    FromLongitudeMinutes,
    ToLatitudeDegrees,
    ToLongitudeDegrees,
    ToLatitudeMinutes,
    ToLongitudeMinutes,
    Altitude,
};

// The object name of a field's control in the calculator window ("Edit1"
// ...), "" for None.
const char* DistanceFieldControlName(DistanceField field);

// One side of the calculator as its boxes hold it.
struct DistanceSide {
    std::string city;  // the city box text
    std::string latitudeDegrees;
    std::string latitudeMinutes;
    bool south = false;
    std::string longitudeDegrees;
    std::string longitudeMinutes;
    bool west = false;
};

using DistanceFeedback = Feedback<DistanceField>;

inline constexpr const char* kFieldsCannotBeBlank = "Fields cannot be blank.";
inline constexpr const char* kInvalidValue = "Invalid value.";
inline constexpr const char* kDegreesOutOfRange = "Value must be between 0 and 179.";
inline constexpr const char* kMinutesOutOfRange = "Value must be between 0 and 59.";
inline constexpr const char* kAltitudeNegative = "Altitude cannot be negative.";

// The checks shared by Calculate and Add city, in order: blank fields,
// characters of the eight coordinate fields, their ranges, characters of the
// altitude. The first failure, or nothing.
std::optional<DistanceFeedback> CheckDistanceFields(const DistanceSide& from, const DistanceSide& to,
                                                    const std::string& altitude);

// The checks of Calculate: the shared ones, then a number for the altitude
// that is not negative. On success `altitudeValue` holds it.
std::optional<DistanceFeedback> CheckCalculateInputs(const DistanceSide& from, const DistanceSide& to,
                                                     const std::string& altitude, double& altitudeValue);

// The side's boxes as numbers; call only after the checks passed.
PlaceAngles AnglesOf(const DistanceSide& side);

}  // namespace orvanto
