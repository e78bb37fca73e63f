// The arguments and the time stamps shared by the listings "phases" and "eclipses".
#include "cli/from_count_listing.h"

#include <charconv>
#include <cstdio>

#include "astronomy/julian_day.h"
#include "calendar/serial_date.h"
#include "calendar/valid_date.h"
#include "cli/cli_arguments.h"

namespace orvanto::cli {

namespace {

constexpr int kMaxCount = 100000;

bool AllDigits(const std::string& text, std::size_t first, std::size_t count) {
    if (first + count > text.size()) return false;
    for (std::size_t i = first; i < first + count; ++i)
        if (text[i] < '0' || text[i] > '9') return false;
    return true;
}

int Digits(const std::string& text, std::size_t first, std::size_t count) {
    int value = 0;
    std::from_chars(text.data() + first, text.data() + first + count, value);
    return value;
}

std::optional<int> ParseCount(const std::string& text) {
    if (text.empty() || text.size() > 6 || !AllDigits(text, 0, text.size())) return std::nullopt;
    const int value = Digits(text, 0, text.size());
    if (value > kMaxCount) return std::nullopt;
    return value;
}

}  // namespace

std::optional<FromCount> ParseFromCount(const char* command, const Args& args, int& status) {
    const std::string usage = std::string("usage: ") + command + " --from YYYY-MM-DD --count N";
    std::optional<double> from;
    std::optional<int> count;
    for (std::size_t i = 0; i < args.size(); i += 2) {
        const std::string& option = args[i];
        if (option != "--from" && option != "--count") {
            status = UsageError(command, "unknown argument '" + option + "'; " + usage);
            return std::nullopt;
        }
        if (i + 1 >= args.size()) {
            status = UsageError(command, option + " needs a value; " + usage);
            return std::nullopt;
        }
        const std::string& value = args[i + 1];
        if (option == "--from") {
            from = ParseIsoDateSerial(value);
            if (!from) {
                status = UsageError(command,
                                    "expected a date YYYY-MM-DD from 1753-01-01 to "
                                    "2078-12-31, not '" +
                                        value + "'");
                return std::nullopt;
            }
        } else {
            count = ParseCount(value);
            if (!count) {
                status = UsageError(command, "expected a count from 0 to 100000, not '" + value + "'");
                return std::nullopt;
            }
        }
    }
    if (!from || !count) {
        status = UsageError(command, usage);
        return std::nullopt;
    }
    return FromCount{*from, *count};
}

std::string InstantText(double serial) {
    const astro::SerialDateTime t = astro::DecodeSerialDateTime(serial);
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", t.date.year, t.date.month, t.date.day,
                  t.hour, t.minute, t.second);
    return text;
}

}  // namespace orvanto::cli
