// Every command that takes a date reads it the same way: exactly YYYY-MM-DD,
// a real date of 1753-2078; anything else is a usage error (status 2).
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "cli_run.h"

namespace {

using orvanto::test::CliRun;

// The command line with "%s" where the date goes.
constexpr const char* kDateCommands[] = {
    "date %s",
    "phases --from %s --count 1",
    "eclipses --from %s --count 1",
    "astro --settings /dev/null --date %s --time 12:00:00",
    "check --settings %f --today %s --now 12:00 </dev/null",
};

class DateArgumentTest : public ::testing::TestWithParam<const char*> {
protected:
    // The command line with the date, and a settings file of its own for "%f".
    std::string WithDate(const char* pattern, const std::string& date) const {
        std::string line = pattern;
        line.replace(line.find("%s"), 2, date);
        if (const auto file = line.find("%f"); file != std::string::npos)
            line.replace(file, 2, orvanto::test::Quoted((folder_.Path() / "ORVANTO.INI").string()));
        return line;
    }

    orvanto::test::TempFolder folder_{"orvanto-date-argument"};
};

TEST_P(DateArgumentTest, RefusesEverythingButARealIsoDateOfTheCalendar) {
    for (const char* bad : {"2024-2-05", "2024-02-5", "24-02-05", "2024-02-30", "1752-12-31", "2079-01-01",
                            "2024-02-05x", "2024/02/05", "+024-02-05", " 2024-02-05"}) {
        const CliRun run = orvanto::test::RunCliMerged(WithDate(GetParam(), "'" + std::string(bad) + "'"));
        EXPECT_EQ(run.status, 2) << GetParam() << " with '" << bad << "': " << run.out;
    }
}

TEST_P(DateArgumentTest, TakesTheEdgesOfTheCalendar) {
    for (const char* good : {"1753-01-01", "2078-12-31", "2024-02-29"}) {
        const CliRun run = orvanto::test::RunCliMerged(WithDate(GetParam(), good));
        EXPECT_NE(run.status, 2) << GetParam() << " with " << good << ": " << run.out;
    }
}

INSTANTIATE_TEST_SUITE_P(Commands, DateArgumentTest, testing::ValuesIn(kDateCommands),
                         [](const testing::TestParamInfo<const char*>& info) {
                             const std::string line = info.param;
                             return line.substr(0, line.find(' '));
                         });

}  // namespace
