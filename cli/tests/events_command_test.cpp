// End-to-end tests of "orvanto-cli events": the built program against
// settings files in a temporary folder; the PDF read back with pdftotext.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "cli_run.h"

namespace {

namespace fs = std::filesystem;
using orvanto::test::CliRun;
using orvanto::test::TempFolder;

// DayNumber of some dates of the tests.
constexpr int k28February2005 = 732448;
constexpr int k1March2005 = 732449;
constexpr int k3March2005 = 732451;
constexpr int k31March2005 = 732479;
constexpr int k1April2005 = 732480;

std::string Key(int date, char sequence) { return std::to_string(date) + "/" + sequence + "="; }

class EventsCommandTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_FALSE(dir_.empty()); }

    CliRun Run(const std::vector<std::string>& args) const {
        return orvanto::test::RunCli(dir_, "events", args, std::nullopt, "LC_ALL=C");
    }

    std::string WriteSettings(const std::vector<std::string>& reminders, int dateFormat = 1) const {
        const fs::path path = dir_ / "ORVANTO.INI";
        std::string content = "[Settings]\nDateFormat=" + std::to_string(dateFormat) + "\n\n[Reminders]\n";
        for (const std::string& line : reminders) content += line + "\n";
        std::ofstream(path, std::ios::binary) << content;
        return path.string();
    }

    // The PDF's text as pdftotext lays it out.
    std::string PdfText(const fs::path& pdf) const {
        const fs::path text = dir_ / "pdf.txt";
        const std::string command = "pdftotext -layout '" + pdf.string() + "' '" + text.string() + "'";
        if (std::system(command.c_str()) != 0) return {};
        return orvanto::test::ReadFile(text);
    }

    TempFolder folder_{"orvanto-events"};
    fs::path dir_ = folder_.Path();
};

TEST_F(EventsCommandTest, TabSeparatedRowsInKeyOrder) {
    const std::string settings = WriteSettings(
        {Key(k3March2005, '1') + "11012,3,1430,4CDF0005,Gym",
         Key(k3March2005, '0') + "10000,0,9999,00000000,Dentist",
         Key(k1March2005, '0') + "21010,0,9999,00000000,Holiday, with comma", "junk=kept aside"});
    const CliRun run = Run({"--settings", settings});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(
        run.out,
        "001 \t03/01/2005\t--:--\t 0\tHoliday, with comma\tHoliday  every 1 year\t--/--/----\tNo limit\n"
        "002 \t03/03/2005\t--:--\t 0\tDentist\tReminder No repeat\t--/--/----\tNo limit\n"
        "003 \t03/03/2005\t14:30\t 3\tGym\tReminder every 1 week\t03/15/1970\t05 times\n");
}

TEST_F(EventsCommandTest, RangeTypeAndJson) {
    const std::string settings = WriteSettings({Key(k28February2005, '0') + "21010,0,9999,00000000,February",
                                                Key(k1March2005, '0') + "21010,0,9999,00000000,\"March\"",
                                                Key(k3March2005, '0') + "10000,0,9999,00000000,Reminder",
                                                Key(k1April2005, '0') + "21010,0,9999,00000000,April"},
                                               2);
    const CliRun run = Run({"--settings", settings, "--from", "2005-03-01", "--to", "2005-03-31", "--type",
                            "holidays", "--json"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(
        run.out,
        "[\n  {\"number\": \"002 \", \"date\": \"01/03/2005\", \"time\": \"--:--\", \"warning\": \" 0\", "
        "\"message\": \"\\\"March\\\"\", \"type\": \"Holiday  every 1 year\", \"start\": \"--/--/----\", "
        "\"limit\": \"No limit\"}\n]\n");
    const CliRun none = Run({"--settings", settings, "--type", "bookmarks", "--json"});
    EXPECT_EQ(none.out, "[]\n");
}

TEST_F(EventsCommandTest, BadArgumentsAreUsageErrors) {
    for (const auto& args :
         std::vector<std::vector<std::string>>{{"--from"},
                                               {"--from", "2005-02-29"},
                                               {"--to", "1752-12-31"},
                                               {"--type", "birthdays"},
                                               {"--from", "2005-03-02", "--to", "2005-03-01"},
                                               {"--columns", "date"},
                                               {"--pdf", "x.pdf", "--columns", "date,colour"},
                                               {"--json", "--pdf", "x.pdf"},
                                               {"extra"}}) {
        const CliRun run = Run(args);
        EXPECT_EQ(run.status, 2) << args[0];
        EXPECT_EQ(run.err.rfind("orvanto-cli events: ", 0), 0u) << run.err;
    }
}

TEST_F(EventsCommandTest, PrintedListInAPdf) {
    const std::string message = std::string(40, 'a') + "  " + std::string(40, 'b') + std::string(15, 'c');
    const std::string settings = WriteSettings({Key(k3March2005, '0') + "11012,3,1430,4CDF0005," + message,
                                                Key(k1March2005, '0') + "21010,0,9999,00000000,Spring day",
                                                Key(k31March2005, '0') + "20000,0,9999,00000000,Last day",
                                                Key(k1April2005, '0') + "21010,0,9999,00000000,April day"});
    const fs::path pdf = dir_ / "list.pdf";
    const CliRun run =
        Run({"--settings", settings, "--from", "2005-03-01", "--to", "2005-03-31", "--pdf", pdf.string()});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string text = PdfText(pdf);
    EXPECT_NE(text.find("Orvanto Event List"), std::string::npos) << text;
    EXPECT_NE(text.find("All event list from 03/01/2005 to 03/31/2005"), std::string::npos) << text;
    EXPECT_NE(text.find("03/03/2005   14:30   " + std::string(40, 'a')), std::string::npos) << text;
    EXPECT_NE(text.find("\n                     " + std::string(40, 'b') + "\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\n                     " + std::string(15, 'c') + "\n"), std::string::npos) << text;
    EXPECT_NE(text.find("St: 03/15/1970 Lim: 05 times"), std::string::npos) << text;
    EXPECT_EQ(text.find("April day"), std::string::npos);
    EXPECT_NE(text.find("Total: 3 events"), std::string::npos) << "the long message counts once";

    const CliRun holidays = Run({"--settings", settings, "--from", "2005-03-01", "--to", "2005-03-31",
                                 "--type", "holidays", "--columns", "date,limit", "--pdf", pdf.string()});
    ASSERT_EQ(holidays.status, 0) << holidays.err;
    const std::string list = PdfText(pdf);
    EXPECT_NE(list.find("Holiday list from 03/01/2005 to 03/31/2005"), std::string::npos) << list;
    EXPECT_NE(list.find("03/01/2005   St: --/--/---- Lim: No limit"), std::string::npos) << list;
    EXPECT_NE(list.find("03/31/2005   St: --/--/---- Lim: No limit"), std::string::npos) << list;
    EXPECT_EQ(list.find("Spring day"), std::string::npos) << "no legend column";
    EXPECT_EQ(list.find("03/03/2005"), std::string::npos) << "reminders are left out";
    EXPECT_NE(list.find("Total: 2 events"), std::string::npos);
}

TEST_F(EventsCommandTest, AnEmptyListPrintsTheTotalZero) {
    const std::string settings = WriteSettings({});
    const fs::path pdf = dir_ / "empty.pdf";
    EXPECT_EQ(
        Run({"--settings", settings, "--from", "2005-03-01", "--to", "2005-03-31", "--pdf", pdf.string()})
            .status,
        0);
    EXPECT_NE(PdfText(pdf).find("Total: 0 events"), std::string::npos);
    EXPECT_EQ(Run({"--settings", settings}).out, "");
}

}  // namespace
