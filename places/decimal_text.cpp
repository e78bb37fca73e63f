#include "places/decimal_text.h"

#include <charconv>
#include <climits>
#include <cmath>
#include <cstdio>

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

std::optional<double> ParseDecimal(const std::string& text) {
    std::string trimmed = TrimBlanks(text);
    if (!trimmed.empty() && trimmed[0] == '+') trimmed.erase(0, 1);
    if (trimmed.empty()) return std::nullopt;
    // from_chars also reads "inf" and "nan"; a decimal text starts with a
    // digit, a point or a minus sign followed by one of those.
    const std::size_t first = trimmed[0] == '-' ? 1 : 0;
    if (first >= trimmed.size() || !(IsDigit(trimmed[first]) || trimmed[first] == '.')) {
        return std::nullopt;
    }
    double value = 0.0;
    const char* begin = trimmed.data();
    const char* end = begin + trimmed.size();
    const auto [stop, error] = std::from_chars(begin, end, value, std::chars_format::general);
    if (error != std::errc() || stop != end || !std::isfinite(value)) return std::nullopt;
    return value;
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

std::string FixedText(double value, int decimals) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    std::string text = buffer;
    if (text[0] == '-' && text.find_first_not_of("-0.") == std::string::npos) text.erase(0, 1);
    return text;
}

}  // namespace orvanto
