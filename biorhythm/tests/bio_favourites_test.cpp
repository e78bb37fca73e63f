// Favourites: entry texts, dates in the short date format, the checks of
// adding and the case-insensitive order.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "biorhythm/bio_favourites.h"

namespace orvanto::bio {
namespace {

TEST(BioFavourites, ShortDateTextFollowsTheDateFormat) {
    EXPECT_EQ(ShortDateText({1980, 5, 7}, 1), "5/07/1980");
    EXPECT_EQ(ShortDateText({1980, 5, 7}, 2), "7/05/1980");
    EXPECT_EQ(ShortDateText({2001, 12, 25}, 1), "12/25/2001");
    EXPECT_EQ(ShortDateText({2001, 12, 25}, 2), "25/12/2001");
    EXPECT_EQ(ShortDateText({2001, 12, 25}, 0), "25/12/2001");  // anything but 1 puts the day first
}

TEST(BioFavourites, ReadingDates) {
    struct Case {
        const char* text;
        int dateFormat;
        std::optional<CivilDate> expected;
    };
    const Case cases[] = {
        {"5/07/1980", 1, CivilDate{1980, 5, 7}},
        {"05/7/1980", 1, CivilDate{1980, 5, 7}},
        {"7/05/1980", 2, CivilDate{1980, 5, 7}},
        {"5/07/1980", 2, CivilDate{1980, 7, 5}},  // the other format reads another day
        {"1980-05-07", 1, CivilDate{1980, 5, 7}},
        {"1980-05-07", 2, CivilDate{1980, 5, 7}},
        {"2/29/2000", 1, CivilDate{2000, 2, 29}},
        {"2/29/1900", 1, std::nullopt},
        {"12/31/1980", 2, std::nullopt},
        {"31/12/1980", 1, std::nullopt},
        {"1980-5-7", 1, std::nullopt},
        {"5/07/80", 1, std::nullopt},
        {"5.07.1980", 1, std::nullopt},
        {"5/07/1980/1", 1, std::nullopt},
        {" 5/07/1980", 1, std::nullopt},
        {"+5/07/1980", 1, std::nullopt},
        {"", 1, std::nullopt},
        {"a/b/cdef", 1, std::nullopt},
        {"99999999999/1/1980", 1, std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ReadShortDate(c.text, c.dateFormat), c.expected) << c.text << " format " << c.dateFormat;
    }
}

TEST(BioFavourites, EntryTextsAndReadingThemBack) {
    EXPECT_EQ(FavouriteEntry({"Ann Lee", {1980, 5, 7}}, 1), "Ann Lee <5/07/1980>");
    struct Case {
        const char* entry;
        std::optional<Favourite> expected;
    };
    const Case cases[] = {
        {"Ann Lee <5/07/1980>", Favourite{"Ann Lee", {1980, 5, 7}}},
        {"Ann<5/07/1980>", Favourite{"Ann", {1980, 5, 7}}},
        {"Ann <1980-05-07>", Favourite{"Ann", {1980, 5, 7}}},
        {"<5/07/1980>", Favourite{"", {1980, 5, 7}}},
        {"A=B <5/07/1980>", Favourite{"A=B", {1980, 5, 7}}},
        {"Ann <5/07/1980", std::nullopt},
        {"Ann 5/07/1980>", std::nullopt},
        {"Ann <13/07/1980>", std::nullopt},
        {"Ann", std::nullopt},
        {"", std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(ReadFavourite(c.entry, 1), c.expected) << c.entry;
}

TEST(BioFavourites, AddingChecksTheNameAndDuplicates) {
    FavouriteList list(1);
    ASSERT_EQ(list.Add({"Ann", {1980, 5, 7}}), 0);
    struct Case {
        Favourite favourite;
        AddRefusal expected;
    };
    const Case cases[] = {
        {{"Ann", {1980, 5, 7}}, AddRefusal::Duplicate},
        {{"ANN", {1980, 5, 7}}, AddRefusal::Duplicate},  // the same entry without regard to case
        {{"Ann", {1980, 5, 8}}, AddRefusal::None},       // the same name with another date
        {{"Bob <1>", {1980, 5, 7}}, AddRefusal::AngleBrackets},
        {{"Bob>", {1980, 5, 7}}, AddRefusal::AngleBrackets},
        {{"", {1980, 5, 7}}, AddRefusal::EmptyName},
        {{"Bob", {1980, 5, 7}}, AddRefusal::None},
    };
    for (const Case& c : cases) EXPECT_EQ(list.CheckAdd(c.favourite), c.expected) << c.favourite.name;
    EXPECT_EQ(list.Add({"Ann", {1980, 5, 7}}), -1);
    EXPECT_EQ(list.Count(), 1);
}

TEST(BioFavourites, TheListSortsWithoutRegardToCase) {
    FavouriteList list(2);
    list.Add({"carl", {1970, 1, 1}});
    list.Add({"Bob", {1971, 1, 1}});
    list.Add({"alice", {1972, 1, 1}});
    EXPECT_EQ(list.Add({"Alfred", {1973, 1, 1}}), 0);
    ASSERT_EQ(list.Count(), 4);
    EXPECT_EQ(list.Entries(), (std::vector<std::string>{"Alfred <1/01/1973>", "alice <1/01/1972>",
                                                        "Bob <1/01/1971>", "carl <1/01/1970>"}));
    EXPECT_EQ(list.Find("BOB <1/01/1971>"), 2);
    EXPECT_EQ(list.Find("Bob <2/01/1971>"), -1);
    list.Remove(2);
    EXPECT_EQ(list.Find("Bob <1/01/1971>"), -1);
    EXPECT_EQ(list.Count(), 3);
    list.Remove(7);  // no such position: nothing happens
    EXPECT_EQ(list.Count(), 3);
    EXPECT_EQ(list.At(2).name, "carl");
}

}  // namespace
}  // namespace orvanto::bio
