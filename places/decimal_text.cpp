#include "places/decimal_text.h"

#include <climits>

namespace orvanto {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::string TrimBlanks(const std::string& text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && IsBlank(text[begin])) ++begin;
    while (end > begin && IsBlank(text[end - 1])) --end;
    return text.substr(begin, end - begin);
}

double DecimalOrZero(const std::string& text) { return ParseDecimal(text).value_or(0.0); }

std::optional<int> ParseWholeNumber(const std::string& text) {
    const std::string trimmed = TrimBlanks(text);
    std::size_t i = 0;
    bool negative = false;
    if (i < trimmed.size() && (trimmed[i] == '-' || trimmed[i] == '+')) {
        negative = trimmed[i] == '-';
        ++i;
    }
    if (i >= trimmed.size()) return std::nullopt;
    long long value = 0;
    for (; i < trimmed.size(); ++i) {
        if (!IsDigit(trimmed[i])) return std::nullopt;
        if (value <= INT_MAX) value = value * 10 + (trimmed[i] - '0');
    }
    if (value > INT_MAX) value = INT_MAX;
    return static_cast<int>(negative ? -value : value);
}

bool HasOnlyDigitsAndBlanks(const std::string& text) {
    for (char c : text) {
        if (!IsDigit(c) && !IsBlank(c)) return false;
    }
    return true;
}

bool HasOnlyAltitudeCharacters(const std::string& text) {
    for (char c : text) {
        if (!IsDigit(c) && !IsBlank(c) && c != '-' && c != '.') return false;
    }
    return true;
}

std::string FixedText(double value, int decimals) { return FormatDecimal(value, decimals); }

}  // namespace orvanto
