#include "core/decimal_number.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <ostream>
#include <string>

#include "core/tests/temp_folder.h"

namespace orvanto {
namespace {

struct ParseCase {
    const char* text;
    std::optional<double> value;
};

void PrintTo(const ParseCase& c, std::ostream* out) { *out << '"' << c.text << '"'; }

class ParseDecimalTest : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseDecimalTest, ReadsThePointAndNothingElse) {
    EXPECT_EQ(ParseDecimal(GetParam().text), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Cases, ParseDecimalTest,
                         ::testing::Values(ParseCase{"40.42", 40.42}, ParseCase{"-3.70", -3.70},
                                           ParseCase{" \t-12.5 ", -12.5}, ParseCase{"+3", 3.0},
                                           ParseCase{".5", 0.5}, ParseCase{"5.", 5.0},
                                           ParseCase{"-.25", -0.25}, ParseCase{"1e3", 1000.0},
                                           ParseCase{"51.4667", 51.4667}, ParseCase{"0", 0.0},
                                           ParseCase{"40,42", std::nullopt},
                                           ParseCase{"1.000,5", std::nullopt}, ParseCase{"", std::nullopt},
                                           ParseCase{"  ", std::nullopt}, ParseCase{"-", std::nullopt},
                                           ParseCase{"+-1", std::nullopt}, ParseCase{"--1", std::nullopt},
                                           ParseCase{"1.5x", std::nullopt}, ParseCase{"inf", std::nullopt},
                                           ParseCase{"-infinity", std::nullopt},
                                           ParseCase{"nan", std::nullopt}, ParseCase{"1e999", std::nullopt},
                                           ParseCase{"0x1p3", std::nullopt}, ParseCase{"4 2", std::nullopt}));

TEST(FormatDecimalTest, FixedDecimalsWithAPointAndNoNegativeZero) {
    EXPECT_EQ(FormatDecimal(40.42, 2), "40.42");
    EXPECT_EQ(FormatDecimal(-3.7, 4), "-3.7000");
    EXPECT_EQ(FormatDecimal(85.3166666667, 7), "85.3166667");
    EXPECT_EQ(FormatDecimal(-0.5, 7), "-0.5000000");
    EXPECT_EQ(FormatDecimal(-0.0, 7), "0.0000000");
    EXPECT_EQ(FormatDecimal(-0.00001, 2), "0.00");
    EXPECT_EQ(FormatDecimal(2.5, 0), "2");  // to nearest, ties to even
    EXPECT_EQ(FormatDecimal(1234567.0, 1), "1234567.0");
}

TEST(FormatDecimalTest, ShortestTextReadsBackAsTheSameValue) {
    EXPECT_EQ(FormatDecimal(40.42), "40.42");
    EXPECT_EQ(FormatDecimal(-3.7), "-3.7");
    EXPECT_EQ(FormatDecimal(0.1), "0.1");
    EXPECT_EQ(FormatDecimal(0.0), "0");
    EXPECT_EQ(FormatDecimal(-0.0), "0");
    EXPECT_EQ(FormatDecimal(51.4667), "51.4667");
    for (double value : {1.0 / 3.0, -179.999999, 1e-7, 6.02e23, 123456.789}) {
        EXPECT_EQ(ParseDecimal(FormatDecimal(value)), value) << FormatDecimal(value);
    }
}

TEST(ParseIntegerTest, DecimalDigitsWithinTheRangeOfInt) {
    EXPECT_EQ(ParseInteger("42"), 42);
    EXPECT_EQ(ParseInteger(" -7 "), -7);
    EXPECT_EQ(ParseInteger("+5"), 5);
    EXPECT_EQ(ParseInteger("2147483647"), 2147483647);
    EXPECT_EQ(ParseInteger("2147483648"), std::nullopt);
    for (const char* bad : {"", "-", "+-1", "4 2", "1.0", "1,000", "0x10", "12a"}) {
        EXPECT_EQ(ParseInteger(bad), std::nullopt) << bad;
    }
}

// Under a German or French locale (compiled into a temporary folder, so the
// system's locale list is left alone) the C library reads "40.42" as 40 and
// writes 40.42 as "40,42"; these functions do neither.
class DecimalNumberLocaleTest : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override {
        if (::system("command -v localedef >/dev/null 2>&1") != 0) GTEST_SKIP() << "no localedef";
        const std::string name = std::string(GetParam()) + ".UTF-8";
        const std::string command = "localedef --no-archive -i " + std::string(GetParam()) + " -f UTF-8 '" +
                                    folder_.File(name) + "' >/dev/null 2>&1";
        if (::system(command.c_str()) != 0 && !std::filesystem::exists(folder_.File(name) + "/LC_NUMERIC")) {
            GTEST_SKIP() << "the locale sources are not installed";
        }
        ::setenv("LOCPATH", folder_.Path().c_str(), 1);
        ::setenv("LC_ALL", name.c_str(), 1);
        if (std::setlocale(LC_ALL, "") == nullptr) GTEST_SKIP() << "the locale cannot be used";
    }
    void TearDown() override {
        std::setlocale(LC_ALL, "C");
        ::unsetenv("LOCPATH");
        ::unsetenv("LC_ALL");
    }
    test::TempFolder folder_;
};

TEST_P(DecimalNumberLocaleTest, NumbersKeepThePoint) {
    // The locale is really in force: the C library's reading stops at ".".
    ASSERT_EQ(std::strtod("40.42", nullptr), 40.0);
    EXPECT_EQ(ParseDecimal("40.42"), 40.42);
    EXPECT_EQ(ParseDecimal("-3.70"), -3.70);
    EXPECT_EQ(ParseDecimal("40,42"), std::nullopt);
    EXPECT_EQ(FormatDecimal(40.42, 4), "40.4200");
    EXPECT_EQ(FormatDecimal(-3.7), "-3.7");
    EXPECT_EQ(ParseInteger("1000"), 1000);
}

INSTANTIATE_TEST_SUITE_P(Locales, DecimalNumberLocaleTest, ::testing::Values("de_DE", "fr_FR"),
                         [](const ::testing::TestParamInfo<const char*>& info) {
                             return std::string(info.param);
                         });

}  // namespace
}  // namespace orvanto
