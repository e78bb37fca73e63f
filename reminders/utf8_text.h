// UTF-8 text helpers for reminder texts: cuts and padding count characters,
// never bytes, so a cut never falls inside a character.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace orvanto {

// The number of UTF-8 characters (lead bytes) of the text.
std::size_t CharacterCount(std::string_view text);

// The first maxCharacters characters of the text.
std::string CutToCharacters(std::string_view text, std::size_t maxCharacters);

// The text padded with blanks on the right to at least width characters.
std::string PadRight(std::string_view text, std::size_t width);

// The text padded with blanks on the right or cut to exactly width characters.
std::string FitToWidth(std::string_view text, std::size_t width);

// The text without blanks (spaces and tabs) at either end.
std::string TrimBlanks(std::string_view text);

// The text without blanks at its end.
std::string TrimTrailingBlanks(std::string_view text);

}  // namespace orvanto
