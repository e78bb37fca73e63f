// Adding, deleting and writing back reminder lines, with the limit of 36
// records a day.
#pragma once

#include <string>

#include "core/ini_file.h"
#include "reminders/reminder_record.h"
#include "reminders/reminder_services.h"

namespace orvanto {

inline constexpr const char* kTooManyRemindersMessage = "There are too many reminders for this day.";

// Every line of section "Reminders" as "key=value", in file order.
ReminderLines ReadReminderLines(const IniFile& settings);

// Appends date "/" sequence "=" code "," alert "," time "," startLimit ","
// text to the list, the sequence character being the one after the highest
// used on that date by the lines not marked deleted, or the lowest free one
// when the highest is "Z". A text beginning with "--:--," loses those six
// characters. A full day (36 records) plays "SystemExclamation", shows
// kTooManyRemindersMessage and adds nothing (false).
bool AppendReminder(int date, const std::string& code, int alertDays, const std::string& timeField,
                    const std::string& startLimit, const std::string& text, ReminderLines& lines,
                    ReminderServices& services);

// Writes the value (trimmed) into section "Reminders" under the first key of
// the date ("0".."9","A".."Z") not present there. A full day gives the sound
// and message of AppendReminder and writes nothing (false).
bool InsertReminder(IniFile& settings, int date, const std::string& value, ReminderServices& services);

// Puts "$DEL$" in front of the line; readers skip it until write-back.
void DeleteMark(ReminderLines& lines, std::size_t index);

// Removes the lines marked deleted, sorts and renumbers the rest and writes
// section "Reminders" again in one rewrite of the file, each value trimmed.
// Raises EIniFileError when the file cannot be written.
void WriteBackReminders(ReminderLines lines, IniFile& settings);

}  // namespace orvanto
