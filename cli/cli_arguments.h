// The arguments several orvanto-cli commands share: a date written
// YYYY-MM-DD and the settings file (the one beside the program unless
// --settings names another, as for the calendar itself).
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "calendar/civil_date.h"

namespace orvanto::cli {

// Exactly "YYYY-MM-DD" (four, two and two digits), a real date of the
// calendar's years 1753-2078; anything else is nothing.
std::optional<CivilDate> ParseIsoDate(std::string_view text);

// The same as a serial date of local midnight.
std::optional<double> ParseIsoDateSerial(std::string_view text);

// A whole number from low to high written with nothing around it; nothing
// for anything else.
std::optional<int> ParseIntegerInRange(std::string_view text, int low, int high);

// The settings file the program uses when none is named: ORVANTO.INI beside it.
std::string DefaultSettingsPath();

// The file --settings named, or the default one.
std::string SettingsPathOrDefault(const std::optional<std::string>& named);

}  // namespace orvanto::cli
