// The date and number readers of orvanto-cli's arguments over any text: the
// YYYY-MM-DD date (as a date and as a serial date), the decimal and whole
// numbers, and the --settings option's file rule. What they accept must hold
// up: a date is a real one and reads back from its own text, a number written
// back reads back as the same value.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "calendar/serial_date.h"
#include "calendar/valid_date.h"
#include "cli/cli_arguments.h"
#include "cli/settings_option.h"
#include "core/command_line.h"
#include "core/decimal_number.h"
#include "fuzz/fuzz_support.h"

using namespace orvanto;

namespace {

void CheckDate(std::string_view text) {
    const std::optional<CivilDate> date = cli::ParseIsoDate(text);
    const std::optional<double> serial = cli::ParseIsoDateSerial(text);
    if (date.has_value() != serial.has_value()) std::abort();
    if (!date) return;
    if (!IsValidDate(date->day, date->month, date->year) || date->year < 1753 || date->year > 2078)
        std::abort();
    if (*serial != EncodeDate(*date)) std::abort();
    char again[16];
    std::snprintf(again, sizeof again, "%04d-%02d-%02d", date->year, date->month, date->day);
    if (text != again) std::abort();
}

void CheckNumbers(std::string_view text) {
    if (const std::optional<double> value = ParseDecimal(text)) {
        if (!std::isfinite(*value)) std::abort();
        const std::optional<double> again = ParseDecimal(FormatDecimal(*value));
        if (!again || *again != *value) std::abort();
        (void)FormatDecimal(*value, 7);
    }
    if (const std::optional<int> value = ParseInteger(text)) {
        if (ParseInteger(std::to_string(*value)) != *value) std::abort();
        // A whole number is a decimal number too.
        const std::optional<double> decimal = ParseDecimal(text);
        if (!decimal || *decimal != *value) std::abort();
    }
}

// The --settings rule. The name is tried for real (a file is created and
// removed to see whether it could be) only inside the scratch folder: a
// fuzzed absolute or "../" name would otherwise touch files anywhere.
void CheckSettingsName(const std::string& name) {
    (void)cli::UnusableSettingsFileText(name);
    const std::string program = (fuzz::ScratchFolder() / "orvanto-cli").string();
    (void)ResolveSettingsPath(name, program);
    if (name.find('/') == std::string::npos && name.find('\0') == std::string::npos && name != "." &&
        name != "..")
        (void)ChooseSettingsPath(name, program);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text = fuzz::AsText(data, size);
    CheckDate(text);
    CheckNumbers(text);
    CheckSettingsName(std::string(text));
    return 0;
}
