// The string table of libcities.so, read through GetString, and the region
// lists built from it.
#include <gtest/gtest.h>

#include <cctype>
#include <climits>
#include <cstring>
#include <string>
#include <vector>

#include "cities/cities.h"
#include "places/city_library.h"
#include "places/city_regions.h"
#include "places/decimal_text.h"

namespace orvanto {
namespace {

std::string Fetch(std::int32_t number) { return CityLibraryString(number); }

TEST(GetStringTest, FillsALengthPrefixedStringAndEmptyForUnknownNumbers) {
    unsigned char buffer[256];
    std::memset(buffer, 0xAA, sizeof buffer);
    GetString(1, buffer);
    EXPECT_EQ(buffer[0], 14);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(buffer + 1), 14), "Abbotsford, BC");
    EXPECT_EQ(buffer[15], 0xAA) << "nothing is written past the string";

    for (const std::int32_t unknown : {0, -1, -5970, 5971, 6000, INT32_MIN, INT32_MAX}) {
        std::memset(buffer, 0xAA, sizeof buffer);
        GetString(unknown, buffer);
        EXPECT_EQ(buffer[0], 0) << unknown;
    }
}

TEST(GetStringTest, LastStringAndSeams) {
    EXPECT_EQ(Fetch(5970), "138.0894");
    EXPECT_EQ(Fetch(5971), "");
    EXPECT_EQ(Fetch(0), "");
}

struct TellingRow {
    int number;
    const char* name;
    const char* latitude;
    const char* longitude;
};

TEST(CityTableTest, TellingRowsAreExactlyAsListed) {
    const TellingRow rows[] = {
        {1, "Abbotsford, BC", "49.0300", "-122.3200"},
        {4693, "Zanesville, OH", "39.9383", "-82.0083"},
        {4696, "Antigua", "17.1333", "-61.7833"},
        {4762, "Antofagasta, Chile", "-23.4333", "-70.6000"},
        {4855, "Aalborg, Denmark", "57.0970", "9.8500"},
        {5341, "Aden, Yemen (PDR of)", "12.8000", "45.0000"},
        {5656, "Accra, Ghana", "5.6000", "-0.1670"},
        {5779, "Adelaide, Australia", "-34.7666", "138.5367"},
        {5968, "Yap Island, Micronesia", "9.4975", "138.0894"},
    };
    for (const TellingRow& row : rows) {
        EXPECT_EQ(Fetch(row.number), row.name) << row.number;
        EXPECT_EQ(Fetch(row.number + 1), row.latitude) << row.number;
        EXPECT_EQ(Fetch(row.number + 2), row.longitude) << row.number;
    }
}

TEST(CityTableTest, RegionsStartAtTheirFirstPlaceAndCountsAddUp) {
    int places = 0;
    int expectedFirst = 1;
    for (const CityRegion& region : kCityRegions) {
        EXPECT_EQ(region.firstString, expectedFirst) << region.name;
        EXPECT_EQ(region.lastString - region.firstString + 1, 3 * region.places) << region.name;
        expectedFirst = region.lastString + 1;
        places += region.places;
    }
    EXPECT_EQ(places, kCityPlaceTotal);
    EXPECT_EQ(expectedFirst - 1, kCityStringTotal);

    const RegionLists lists = LoadLibraryRegions();
    for (const CityRegion& region : kCityRegions) {
        EXPECT_EQ(static_cast<int>(lists[region.index].size()), region.places) << region.name;
    }
    EXPECT_EQ(lists[4][0].name, "Aden, Yemen (PDR of)");
    EXPECT_EQ(lists[6].back().name, "Yap Island, Micronesia");
}

TEST(CityRegionsTest, RegionOfStringAtEverySeam) {
    const std::pair<int, int> seams[] = {{4695, 0}, {4696, 1}, {4761, 1}, {4762, 2}, {4854, 2},
                                         {4855, 3}, {5340, 3}, {5341, 4}, {5655, 4}, {5656, 5},
                                         {5778, 5}, {5779, 6}, {5970, 6}, {1, 0}};
    for (const auto& [number, region] : seams) EXPECT_EQ(RegionOfString(number), region) << number;
    EXPECT_EQ(RegionOfString(0), -1);
    EXPECT_EQ(RegionOfString(5971), -1);
    EXPECT_EQ(NameStringOf(0, 0), 1);
    EXPECT_EQ(NameStringOf(6, 63), 5968);
    EXPECT_EQ(NameStringOf(6, 64), 0);
}

// Four decimals, "-" the only sign, no blanks or exponent.
bool IsCoordinateText(const std::string& text) {
    std::size_t i = text[0] == '-' ? 1 : 0;
    const std::size_t point = text.find('.');
    if (point == std::string::npos || point == i || text.size() - point - 1 != 4) return false;
    for (; i < text.size(); ++i) {
        if (i != point && (text[i] < '0' || text[i] > '9')) return false;
    }
    return true;
}

TEST(CityTableTest, EveryPlaceFollowsTheConventions) {
    std::size_t longest = 0;
    for (int number = 1; number <= kCityStringTotal; number += 3) {
        const std::string name = Fetch(number);
        const std::string latitude = Fetch(number + 1);
        const std::string longitude = Fetch(number + 2);
        ASSERT_FALSE(name.empty()) << number;
        EXPECT_EQ(name.find('"'), std::string::npos) << name;
        EXPECT_EQ(name, TrimBlanks(name));
        longest = std::max(longest, name.size());
        for (const unsigned char c : name) EXPECT_LT(c, 0x80) << name;
        ASSERT_TRUE(IsCoordinateText(latitude)) << name << " " << latitude;
        ASSERT_TRUE(IsCoordinateText(longitude)) << name << " " << longitude;
        const double lat = *ParseDecimal(latitude);
        const double lon = *ParseDecimal(longitude);
        EXPECT_TRUE(lat >= -90 && lat <= 90) << name;
        EXPECT_TRUE(lon >= -180 && lon <= 180) << name;
        EXPECT_NE(latitude, "-0.0000");
        EXPECT_NE(longitude, "-0.0000");
    }
    EXPECT_LE(longest, 29u);
}

TEST(CityTableTest, HemispheresOfTellingPlaces) {
    EXPECT_LT(*ParseDecimal(Fetch(4763)), 0);  // Antofagasta, south
    EXPECT_LT(*ParseDecimal(Fetch(4764)), 0);  // and west
    EXPECT_GT(*ParseDecimal(Fetch(4856)), 0);  // Aalborg, north
    EXPECT_GT(*ParseDecimal(Fetch(4857)), 0);  // and east
}

// The order within a region: upper-cased, hyphens and apostrophes skipped,
// digits and letters before every other character, then byte order.
std::vector<int> CollationKey(const std::string& name) {
    std::vector<int> key;
    for (char c : name) {
        if (c == '-' || c == '\'') continue;
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        const bool alphanumeric = (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z');
        key.push_back(alphanumeric ? c : 256 + c);
    }
    return key;
}

TEST(CityTableTest, PlacesStandInTheTableCollationWithinEachRegion) {
    const RegionLists lists = LoadLibraryRegions();
    for (const RegionList& list : lists) {
        for (std::size_t i = 1; i < list.size(); ++i) {
            const auto a = CollationKey(list[i - 1].name);
            const auto b = CollationKey(list[i].name);
            EXPECT_TRUE(a < b || (a == b && list[i - 1].name < list[i].name))
                << list[i - 1].name << " / " << list[i].name;
        }
    }
    EXPECT_LT(CollationKey("Adams, MA"), CollationKey("Ada, MN"));
    EXPECT_LT(CollationKey("Port-au-Prince, Haiti"), CollationKey("Port of Spain, Trinidad"));
    EXPECT_LT(CollationKey("Stuttgart, Germany"), CollationKey("St. Nazaire, France"));
}

TEST(CityTableTest, NamesOfNorthAmericaCarryATwoLetterCode) {
    const RegionLists lists = LoadLibraryRegions();
    for (const CityEntry& entry : lists[0]) {
        const std::size_t comma = entry.name.rfind(", ");
        ASSERT_NE(comma, std::string::npos) << entry.name;
        const std::string code = entry.name.substr(comma + 2);
        EXPECT_EQ(code.size(), 2u) << entry.name;
        EXPECT_TRUE(std::isupper(static_cast<unsigned char>(code[0])) &&
                    std::isupper(static_cast<unsigned char>(code[1])))
            << entry.name;
    }
}

}  // namespace
}  // namespace orvanto
