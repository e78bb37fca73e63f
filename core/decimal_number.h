// Numbers as the program's files and command lines hold them: "." is the
// decimal point and no digits are grouped, whatever the user's locale. Every
// number read from or written to a file (settings, city file, biorhythm file,
// history) and every number of a command line goes through these functions;
// texts shown to the user in the locale's own number format do not.
//
// They are built on std::from_chars and std::to_chars, which never look at
// the locale, so a German or French user's "Latitude=40.42" stays 40.42.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orvanto {

// A decimal number: optional blanks (spaces, tabs) around an optional sign,
// digits with an optional "." and fraction (".5" and "5." are numbers), an
// optional exponent ("1e3"). Anything else gives nothing: an empty text, a
// "," as the point, trailing letters, infinities and not-a-number.
std::optional<double> ParseDecimal(std::string_view text);

// Fixed notation with exactly `decimals` digits after the point (none and no
// point for 0), rounded to nearest; a value that rounds to zero is written
// without a sign ("0.00", not "-0.00").
std::string FormatDecimal(double value, int decimals);

// The shortest text that reads back as the same value ("40.42", "-3.7",
// "0.1"), in fixed notation for the magnitudes of coordinates and amounts.
std::string FormatDecimal(double value);

// The C library's own conversions (strtod, std::stod, printf's "%f") follow
// the process's LC_NUMERIC, which the window toolkit sets from the user's
// environment when it starts: under a German or French locale they would read
// "40.42" as 40 and write "40,42". The program sets LC_NUMERIC back to "C" at
// its start, so that any such conversion left anywhere keeps the "." as well.
// Texts shown in the user's own number format come from the toolkit's locale
// object, which this does not touch.
void KeepCNumericLocale();

// A whole number: optional blanks around an optional sign and decimal digits.
// Nothing for anything else, or for a value outside the range of int.
std::optional<int> ParseInteger(std::string_view text);

}  // namespace orvanto
