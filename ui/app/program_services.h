// The services the reminder engine works through, as the program gives them
// to both users of the due-reminder popup: the start-up pass and the main
// window's once-a-second check.
#pragma once

#include "core/clock.h"
#include "core/prompt.h"
#include "core/sound.h"
#include "reminders/reminder_services.h"

namespace orvanto {

// The popup's look from the primary screen; the waits between attempts to
// play the sound file run the event loop, so windows keep painting.
ReminderServices ProgramReminderServices(Prompt& prompt, Sound& sound, const Clock& clock);

}  // namespace orvanto
