#include "cli/cli_arguments.h"

#include <charconv>
#include <filesystem>
#include <system_error>

#include "calendar/serial_date.h"
#include "calendar/valid_date.h"
#include "core/file_locations.h"
#include "core/startup.h"

namespace orvanto::cli {

namespace {

std::optional<int> Digits(std::string_view text, std::size_t position, std::size_t count) {
    const std::string_view digits = text.substr(position, count);
    for (char c : digits)
        if (c < '0' || c > '9') return std::nullopt;
    int value = 0;
    std::from_chars(digits.data(), digits.data() + digits.size(), value);
    return value;
}

}  // namespace

std::optional<CivilDate> ParseIsoDate(std::string_view text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
    const std::optional<int> year = Digits(text, 0, 4);
    const std::optional<int> month = Digits(text, 5, 2);
    const std::optional<int> day = Digits(text, 8, 2);
    if (!year || !month || !day || !IsValidDate(*day, *month, *year)) return std::nullopt;
    return CivilDate{*year, *month, *day};
}

std::optional<double> ParseIsoDateSerial(std::string_view text) {
    const std::optional<CivilDate> date = ParseIsoDate(text);
    if (!date) return std::nullopt;
    return EncodeDate(*date);
}

std::optional<int> ParseIntegerInRange(std::string_view text, int low, int high) {
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end || value < low || value > high)
        return std::nullopt;
    return value;
}

std::string DefaultSettingsPath() {
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    return ResolveSettingsPath(std::nullopt,
                               FilesAnchor(error ? std::string("orvanto-cli") : program.string()));
}

std::string SettingsPathOrDefault(const std::optional<std::string>& named) {
    return named ? *named : DefaultSettingsPath();
}

}  // namespace orvanto::cli
