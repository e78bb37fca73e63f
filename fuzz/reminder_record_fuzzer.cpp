// The reminder record parser over any line, the two descriptions of what it
// accepts, and the month index over a section of fuzzed lines.
#include <cstdint>
#include <string>
#include <vector>

#include "core/scripted_prompt.h"
#include "fuzz/fuzz_support.h"
#include "reminders/descriptions.h"
#include "reminders/month_index.h"
#include "reminders/reminder_record.h"

using namespace orvanto;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text = fuzz::AsText(data, size);
    ReminderLines lines;
    for (std::string line : fuzz::LinesWithEndings(text)) {
        while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.pop_back();
        if (const auto record = ParseReminder(line)) {
            (void)ShortDescription(*record);
            for (int dateFormat : {1, 2}) {
                (void)LongDescription(*record, dateFormat, false);
                (void)LongDescription(line, dateFormat, true);
            }
        }
        lines.push_back(std::move(line));
        if (lines.size() >= 64) break;  // a bounded section keeps each input quick
    }

    // The month index of two months around the first stored date of the input.
    MonthIndexSettings settings;
    settings.showGhost = size % 3;
    settings.inBrackets = size % 2 == 0;
    ScriptedPrompt prompt;
    for (const auto& [month, year] : {std::pair{2, 2024}, std::pair{12, 2078}, std::pair{1, 1753}}) {
        (void)BuildMonthIndex(month, year, lines, settings, prompt);
    }
    return 0;
}
