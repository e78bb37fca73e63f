// The event history log: one line for every consumed reminder, holiday or
// bookmark occurrence, appended to the plain text file named by "HistoryFile".
#pragma once

#include <string>

namespace orvanto {

inline constexpr const char* kHistoryHeader =
    "-- DATE -- -TIME-  AL  -- EVENT --------------------------------  "
    "-- FREQUENCY ----------------------------  -- DETAILS -----------------------";

// Appends the line to the history file, creating the file with its header
// line first when it does not exist. Nothing happens for an empty path. A
// file that cannot be created or written drops the line (false): the history
// never holds back the reminders.
bool AppendHistory(const std::string& historyFile, const std::string& line);

}  // namespace orvanto
