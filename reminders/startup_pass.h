// The start-up reminder pass: before the calendar is shown, every reminder
// that fell due while the program was not running is shown, rescheduled or
// erased, past holidays move to their next occurrence, and section
// "Reminders" is written back when anything changed.
#pragma once

#include <string>

#include "reminders/descriptions.h"
#include "reminders/reminder_services.h"

namespace orvanto {

inline constexpr const char* kInvalidTimeRemovedNote = "  [Invalid time removed]";

// Runs the pass over the records of the settings file for the day `today`
// (a DayNumber taken once at start), reading the time of day from the
// services' clock and writing times as timeStyle says. Lines appended during
// the pass (next occurrences, warn-again copies) are visited too. Lines whose
// key's date part is 0 or negative are dropped at the write-back; lines that
// follow none of the record forms are kept as they are. A settings file that
// cannot be written is reported through the prompt.
void StartupReminderPass(const std::string& settingsPath, int today, const TimeStyle& timeStyle,
                         ReminderServices& services);

}  // namespace orvanto
