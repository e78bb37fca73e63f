// The terminal answers of the calendar program.
#include "core/program_info.h"

#include <gtest/gtest.h>

namespace orvanto {
namespace {

TEST(ProgramInfo, HelpAndVersionAreFoundAnywhereAndOnlyWhenWrittenInFull) {
    struct Case {
        std::vector<std::string> arguments;
        InfoRequest request;
    };
    const Case cases[] = {
        {{}, InfoRequest::None},
        {{"--help"}, InfoRequest::Help},
        {{"-M", "--version"}, InfoRequest::Version},
        {{"--version", "--help"}, InfoRequest::Version},
        // The calendar's own switches and names stay what they are: "-h" is an
        // unknown switch and "--HELP" a bad argument, as before.
        {{"-h"}, InfoRequest::None},
        {{"--HELP"}, InfoRequest::None},
        {{"/home/ann/--help.ini"}, InfoRequest::None},
    };
    for (const Case& c : cases) EXPECT_EQ(FindInfoRequest(c.arguments), c.request);
}

TEST(ProgramInfo, TextsNameTheSwitchesAndTheVersion) {
    const std::string help = ProgramHelpText();
    for (const char* word :
         {"usage: orvanto", "-C, /C", "-M, /M", "SETTINGS", "--version", "XDG_CONFIG_HOME"})
        EXPECT_NE(help.find(word), std::string::npos) << word;
    EXPECT_EQ(ProgramVersionText("orvanto", "1.0.0"), "orvanto 1.0.0\n");
}

}  // namespace
}  // namespace orvanto
