#include "reminders/utf8_text.h"

namespace orvanto {

namespace {

bool IsContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }
bool IsBlank(char c) { return c == ' ' || c == '\t'; }

}  // namespace

std::size_t CharacterCount(std::string_view text) {
    std::size_t count = 0;
    for (char c : text) {
        if (!IsContinuationByte(c)) ++count;
    }
    return count;
}

std::string CutToCharacters(std::string_view text, std::size_t maxCharacters) {
    std::size_t characters = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (IsContinuationByte(text[i])) continue;
        if (characters == maxCharacters) return std::string(text.substr(0, i));
        ++characters;
    }
    return std::string(text);
}

std::string PadRight(std::string_view text, std::size_t width) {
    std::string result(text);
    const std::size_t count = CharacterCount(text);
    if (count < width) result.append(width - count, ' ');
    return result;
}

std::string FitToWidth(std::string_view text, std::size_t width) {
    return PadRight(CutToCharacters(text, width), width);
}

std::string TrimBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return std::string(text);
}

std::string TrimTrailingBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return std::string(text);
}

}  // namespace orvanto
