// The iCalendar import over any bytes: the file read in universal time and
// the records it yields added to a
// section that already holds lines (twice: the second time every record is
// already present and nothing may be added).
#include <cstdint>
#include <cstdlib>
#include <ctime>
#include <string>

#include "fuzz/fuzz_support.h"
#include "ical/ical_import.h"

using namespace orvanto;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool zoneSet = [] {
        ::setenv("TZ", "UTC", 1);
        ::tzset();
        return true;
    }();
    (void)zoneSet;

    const IcsReading reading = ReadIcs(std::string(fuzz::AsText(data, size)));
    if (reading.error && !reading.records.empty()) std::abort();

    ReminderLines lines = {"; kept as it is", "not a record", "46000=0,0,0,0,an existing record"};
    const IcsImportOutcome first = AddImportedLines(lines, reading.records);
    const std::size_t afterFirst = lines.size();
    const IcsImportOutcome second = AddImportedLines(lines, reading.records);
    if (!second.added.empty() || lines.size() != afterFirst) std::abort();
    (void)first;
    return 0;
}
