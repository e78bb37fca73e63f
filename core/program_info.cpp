// The terminal answers of the calendar program.
#include "core/program_info.h"

namespace orvanto {

InfoRequest FindInfoRequest(const std::vector<std::string>& arguments) {
    for (const std::string& argument : arguments) {
        if (argument == "--help") return InfoRequest::Help;
        if (argument == "--version") return InfoRequest::Version;
    }
    return InfoRequest::None;
}

std::string ProgramHelpText() {
    return "usage: orvanto [-C | -M] [SETTINGS]\n"
           "       orvanto --help | --version\n"
           "\n"
           "A desktop month calendar with reminders, holidays and moon phases.\n"
           "\n"
           "  -C, /C      check the reminders that fell due, then quit without a window\n"
           "  -M, /M      check the reminders, then start minimized\n"
           "  SETTINGS    the settings file to use instead of ORVANTO.INI\n"
           "  --help      print this text and exit\n"
           "  --version   print the version and exit\n"
           "\n"
           "Files: beside the program when its folder is writable and holds ORVANTO.INI,\n"
           "otherwise in $XDG_CONFIG_HOME/orvanto (settings, places, biorhythm list) and\n"
           "$XDG_DATA_HOME/orvanto (the wallpaper bitmap). See orvanto(1).\n";
}

std::string ProgramVersionText(const std::string& program, const std::string& version) {
    return program + " " + version + "\n";
}

}  // namespace orvanto
