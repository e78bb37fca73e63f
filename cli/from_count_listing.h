// The arguments and the time stamps shared by the listings "phases" and "eclipses":
// "--from YYYY-MM-DD --count N", and each instant written "YYYY-MM-DD HH:MM:SS" (UTC).
#pragma once

#include <optional>
#include <string>

#include "cli/commands.h"

namespace orvanto::cli {

struct FromCount {
    double from = 0;  // serial date of 00:00 of the --from date
    int count = 0;
};

// Parses the two options (in either order). On a bad argument prints the usage error for
// the command and returns nothing; `status` then holds the exit status.
std::optional<FromCount> ParseFromCount(const char* command, const Args& args, int& status);

// "YYYY-MM-DD HH:MM:SS" of a serial date read linearly (as the astronomy engine counts,
// also before 30 December 1899): the time of day to the millisecond, seconds cut.
std::string InstantText(double serial);

}  // namespace orvanto::cli
