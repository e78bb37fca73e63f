// What "orvanto --help" and "orvanto --version" print on the terminal. Both
// are answered before any window exists, so they work without a display.
#pragma once

#include <string>
#include <vector>

namespace orvanto {

enum class InfoRequest { None, Help, Version };

// "--help" or "--version" among the arguments (the first one found wins);
// None otherwise, and the arguments are read as the calendar's command line.
InfoRequest FindInfoRequest(const std::vector<std::string>& arguments);

// The usage text of the calendar program.
std::string ProgramHelpText();

// "<program> <version>" and one line on where the files live.
std::string ProgramVersionText(const std::string& program, const std::string& version);

}  // namespace orvanto
