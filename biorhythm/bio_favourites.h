// The favourites of the biorhythm window: people with their birth dates,
// kept sorted without regard to case, with the checks of adding one and the
// entry text "name <date>" in the short date format.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calendar/civil_date.h"

namespace orvanto::bio {

inline constexpr std::string_view kAngleBracketsMessage =
    "Characters \"<\" and \">\" are not allowed in names.";
inline constexpr std::string_view kDuplicateMessage = "This person is already in the list.";
inline constexpr std::string_view kSkippedMessage = "Some favourites could not be read and were skipped.";

// The longest name the window takes; a longer one read from the file is no
// favourite the window wrote, and is kept aside untouched.
inline constexpr std::size_t kMaxNameLength = 200;

struct Favourite {
    std::string name;
    CivilDate birth;

    friend bool operator==(const Favourite&, const Favourite&) = default;
};

// The short date format of "DateFormat", as the date pickers show dates:
// "M/dd/yyyy" (1, month first) or "d/MM/yyyy" (any other value).
std::string ShortDateText(const CivilDate& date, int dateFormat);

// A date in the short date format of "DateFormat" (one or two digits for day
// and month, four for the year) or in ISO form YYYY-MM-DD; nothing for any
// other text or a date that does not exist.
std::optional<CivilDate> ReadShortDate(std::string_view text, int dateFormat);

// The entry as the list shows it and the file keeps it: name, " <", the
// birth date in the short date format, ">".
std::string FavouriteEntry(const Favourite& favourite, int dateFormat);

// An entry read back: the name is everything before " <", the date the text
// between "<" and ">". Nothing when the text has no such date or the name is
// longer than kMaxNameLength.
std::optional<Favourite> ReadFavourite(std::string_view entry, int dateFormat);

// Case-insensitive comparison of entry texts (ASCII letters; other bytes as they are).
int CompareEntries(std::string_view a, std::string_view b);

enum class AddRefusal { None, EmptyName, AngleBrackets, Duplicate };

class FavouriteList {
public:
    explicit FavouriteList(int dateFormat = 2) : dateFormat_(dateFormat) {}

    int DateFormat() const { return dateFormat_; }
    int Count() const { return static_cast<int>(items_.size()); }
    const std::vector<Favourite>& Items() const { return items_; }
    const Favourite& At(int position) const { return items_.at(static_cast<std::size_t>(position)); }
    // The entry texts in list order.
    const std::vector<std::string>& Entries() const { return entries_; }
    const std::string& EntryAt(int position) const { return entries_.at(static_cast<std::size_t>(position)); }

    // Why the person cannot be added (None when it can): an empty name, a
    // name holding "<" or ">", or an entry the list already holds.
    AddRefusal CheckAdd(const Favourite& favourite) const;
    // Adds the person in sorted place and returns the position; -1 (and
    // nothing added) when CheckAdd refuses.
    int Add(const Favourite& favourite);
    // Inserts without the checks of Add (entries read from the file).
    int Insert(const Favourite& favourite);
    void Remove(int position);
    // The position of an entry text (case-insensitive), or -1.
    int Find(std::string_view entry) const;

    // Values of the file that could not be read: kept to be written back as
    // they were.
    const std::vector<std::string>& Unreadable() const { return unreadable_; }
    void KeepUnreadable(std::string value) { unreadable_.push_back(std::move(value)); }

private:
    int dateFormat_;
    std::vector<Favourite> items_;
    std::vector<std::string> entries_;  // the entry text of each item
    std::vector<std::string> unreadable_;
};

}  // namespace orvanto::bio
