// The reminder popup as data: the texts, memo font and keep box of the due,
// missed and advance-warning popups, and the alarm sound that goes with them.
#pragma once

#include <string>

#include "core/prompt.h"
#include "reminders/reminder_record.h"
#include "reminders/reminder_services.h"

namespace orvanto {

inline constexpr const char* kKeepReminderCaption = "&Keep reminder";
inline constexpr const char* kRescheduleNowCaption = "&Reschedule now!";
inline constexpr const char* kEraseNowCaption = "&Erase now!";
inline constexpr const char* kLastTimeSuffix = " - LAST TIME";
inline constexpr int kSoundFileAttempts = 11;
inline constexpr int kSoundFileRetryMs = 500;

// "Just 2 days for", "Just 1 day for".
std::string AdvanceWarningLine(int days);

// The caption of the keep box of an advance warning: "&Reschedule now!" for a
// repeating record, "&Erase now!" for a one-time one.
const char* AdvanceKeepCaption(const ReminderRecord& record);

// The short description, with " - LAST TIME" when lastTime.
std::string CaptionLabel(const ReminderRecord& record, bool lastTime);

// Whether the text is narrower, in the memo font, than twice the memo's width
// (then a line break goes in front of it): measured by the look's function
// when it has one, else by the prompt that shows the popup, else counted in
// characters.
bool IsNarrowText(const std::string& text, int points, bool bold, ReminderServices& services);

// A request with the record's caption texts, the memo text and the font;
// the keep box enabled and captioned "&Keep reminder", not ticked.
ReminderPopupRequest PopupRequest(const ReminderRecord& record, bool lastTime, std::string memoText,
                                  int points, bool bold);

// Plays the sound file when it names an existing file (up to 11 attempts,
// 500 ms apart, until one succeeds), else or when it cannot be played the
// system beep; then shows the popup and waits for its answer.
ReminderPopupAnswer ShowReminderPopup(const ReminderPopupRequest& request, const std::string& waveFile,
                                      ReminderServices& services);

}  // namespace orvanto
