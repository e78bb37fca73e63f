// Conversions between texts and numbers as the place windows use them:
// decimal numbers with "." as the point, whole numbers of the degree and
// minute boxes, and the character tests of their input checks.
#pragma once

#include <optional>
#include <string>

#include "core/decimal_number.h"

namespace orvanto {

// Leading and trailing blanks (spaces and tabs) removed.
std::string TrimBlanks(const std::string& text);

// ParseDecimal (core/decimal_number.h: "." as the point whatever the
// locale), or 0 for a text that is not a number.
double DecimalOrZero(const std::string& text);

// A whole number after trimming blanks: optional sign and digits. Values
// beyond the range of int saturate, so a long row of digits is still "out of
// range" rather than "not a number".
std::optional<int> ParseWholeNumber(const std::string& text);

// True when every character is a digit or a blank (an empty text is).
bool HasOnlyDigitsAndBlanks(const std::string& text);

// True when every character is a digit, a blank, "-" or ".".
bool HasOnlyAltitudeCharacters(const std::string& text);

// Fixed notation with `decimals` digits after the point and "." as the point
// whatever the locale (FormatDecimal); a value that rounds to zero is written
// without a sign.
std::string FixedText(double value, int decimals);

}  // namespace orvanto
