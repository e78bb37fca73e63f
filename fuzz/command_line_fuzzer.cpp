// The program's command line over any arguments (the input split at NUL
// bytes) and the settings path rule over every name it yields.
#include <cstdint>
#include <string>
#include <vector>

#include "core/command_line.h"
#include "fuzz/fuzz_support.h"

using namespace orvanto;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> arguments;
    std::string current;
    for (char c : fuzz::AsText(data, size)) {
        if (c == '\0') {
            arguments.push_back(current);
            current.clear();
        } else {
            current += c;
        }
    }
    arguments.push_back(current);

    const CommandLine line = ParseCommandLine(arguments);
    (void)ResolveSettingsPath(line.settingsName, "/opt/orvanto/bin/orvanto");
    if (line.unknownSwitch) (void)InvalidParameterText(*line.unknownSwitch);
    for (const std::string& argument : arguments) (void)UpperCase(argument);
    return 0;
}
