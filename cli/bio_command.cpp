// orvanto-cli bio --birth YYYY-MM-DD --month YYYY-MM [--name TEXT] [--png FILE [--dark]]:
// the biorhythm values of every day of a month, one line per day (the date
// and the physical, emotional and intellectual percentages), and the chart
// as a PNG picture drawn as the biorhythm window draws it.
#include <charconv>
#include <cstdio>
#include <optional>
#include <string>

#include "biorhythm/bio_chart.h"
#include "calendar/valid_date.h"
#include "cli/cli_arguments.h"
#include "cli/commands.h"
#include "cli/drawn_output.h"
#include "cli/qt_module.h"

namespace orvanto::cli {

namespace {

constexpr const char* kCommand = "bio";
constexpr const char* kUsage =
    "usage: bio --birth YYYY-MM-DD --month YYYY-MM [--name TEXT] [--png FILE [--dark]]";

std::optional<int> Digits(const std::string& text, std::size_t position, std::size_t count) {
    if (position + count > text.size()) return std::nullopt;
    for (std::size_t i = position; i < position + count; ++i) {
        if (text[i] < '0' || text[i] > '9') return std::nullopt;
    }
    int value = 0;
    std::from_chars(text.data() + position, text.data() + position + count, value);
    return value;
}

// "YYYY-MM", a month of 1753-2078.
std::optional<CivilDate> ParseMonth(const std::string& text) {
    if (text.size() != 7 || text[4] != '-') return std::nullopt;
    const auto year = Digits(text, 0, 4);
    const auto month = Digits(text, 5, 2);
    if (!year || !month || !IsValidDate(1, *month, *year)) return std::nullopt;
    return CivilDate{*year, *month, 1};
}

struct Request {
    std::optional<CivilDate> birth;
    std::optional<CivilDate> month;
    std::string name;
    std::string png;
    bool dark = false;
};

// The request, or the usage error's message.
std::optional<Request> ParseArgs(const Args& args, std::string& error) {
    Request request;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& option = args[i];
        if (option == "--dark") {
            request.dark = true;
            continue;
        }
        if (option != "--birth" && option != "--month" && option != "--name" && option != "--png") {
            error = "unknown argument '" + option + "'";
            return std::nullopt;
        }
        if (i + 1 >= args.size()) {
            error = option + " needs a value";
            return std::nullopt;
        }
        const std::string& value = args[++i];
        if (option == "--birth") {
            request.birth = ParseIsoDate(value);
            if (!request.birth) {
                error = "expected a birth date YYYY-MM-DD from 1753-01-01 to 2078-12-31, not '" + value + "'";
                return std::nullopt;
            }
        } else if (option == "--month") {
            request.month = ParseMonth(value);
            if (!request.month) {
                error = "expected a month YYYY-MM from 1753-01 to 2078-12, not '" + value + "'";
                return std::nullopt;
            }
        } else if (option == "--name") {
            request.name = value;
        } else {
            request.png = value;
        }
    }
    if (!request.birth || !request.month) {
        error = kUsage;
        return std::nullopt;
    }
    if (request.dark && request.png.empty()) {
        error = "--dark needs --png FILE";
        return std::nullopt;
    }
    return request;
}

}  // namespace

int RunBioCommand(const Args& args) { return RunBioCommand(args, nullptr); }

int RunBioCommand(const Args& args, BioPngWriter writePng) {
    std::string error;
    const std::optional<Request> request = ParseArgs(args, error);
    if (!request) return UsageError(kCommand, error);
    if (!request->png.empty() && !writePng) return RunInQtModule(kCommand, args);

    const bio::ChartSubject subject{request->name, *request->birth, request->month->year,
                                    request->month->month};
    // The window draws nothing for a birth date of today; here every month is drawn.
    const CivilDate noToday{};
    bio::BioChart chart;
    if (request->png.empty()) {
        bio::NoLettering lettering;
        chart.Draw(subject, noToday, bio::ChartOptions{}, bio::LightChartColours(), lettering);
    } else if (const int status = writePng(chart, subject, noToday, request->dark, request->png)) {
        return status;
    }
    for (int day = 1; day <= chart.Days(); ++day) {
        std::printf("%04d-%02d-%02d %d %d %d\n", subject.year, subject.month, day,
                    chart.Value(day, bio::Cycle::Physical), chart.Value(day, bio::Cycle::Emotional),
                    chart.Value(day, bio::Cycle::Intellectual));
    }
    return 0;
}

}  // namespace orvanto::cli
