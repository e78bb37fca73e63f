#include "core/decimal_number.h"

#include <charconv>
#include <clocale>
#include <cmath>
#include <system_error>

namespace orvanto {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

// The text without a leading "+" (from_chars takes "-" only); "+-" stays,
// and then reads as no number.
std::string_view WithoutPlus(std::string_view text) {
    if (text.size() > 1 && text.front() == '+' && text[1] != '-') text.remove_prefix(1);
    return text;
}

// A value that would be written as zero loses its sign.
std::string WithoutNegativeZero(std::string text) {
    if (!text.empty() && text.front() == '-' && text.find_first_not_of("-0.") == std::string::npos) {
        text.erase(0, 1);
    }
    return text;
}

}  // namespace

std::optional<double> ParseDecimal(std::string_view text) {
    text = WithoutPlus(TrimBlanks(text));
    // from_chars also reads "inf" and "nan"; a decimal text starts with a
    // digit or a point, after an optional minus sign.
    const std::size_t first = !text.empty() && text.front() == '-' ? 1 : 0;
    if (first >= text.size() || !(IsDigit(text[first]) || text[first] == '.')) return std::nullopt;
    double value = 0.0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value, std::chars_format::general);
    if (error != std::errc() || stop != end || !std::isfinite(value)) return std::nullopt;
    return value;
}

std::string FormatDecimal(double value, int decimals) {
    char buffer[400];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed,
                                            decimals < 0 ? 0 : decimals);
    if (error != std::errc()) return std::string();
    return WithoutNegativeZero(std::string(buffer, end));
}

std::string FormatDecimal(double value) {
    char buffer[400];
    const bool fixed = value == 0.0 || (std::fabs(value) >= 1e-6 && std::fabs(value) < 1e15);
    const auto [end, error] =
        fixed ? std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed)
              : std::to_chars(buffer, buffer + sizeof buffer, value);
    if (error != std::errc()) return std::string();
    return WithoutNegativeZero(std::string(buffer, end));
}

void KeepCNumericLocale() { std::setlocale(LC_NUMERIC, "C"); }

std::optional<int> ParseInteger(std::string_view text) {
    text = WithoutPlus(TrimBlanks(text));
    if (text.empty() ||
        !(IsDigit(text.front()) || (text.front() == '-' && text.size() > 1 && IsDigit(text[1])))) {
        return std::nullopt;
    }
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || stop != end) return std::nullopt;
    return value;
}

}  // namespace orvanto
