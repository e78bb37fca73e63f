// The favourites list of the biorhythm window.
#include "biorhythm/bio_favourites.h"

#include <algorithm>
#include <charconv>

#include "calendar/date_text.h"
#include "calendar/serial_date.h"

namespace orvanto::bio {

namespace {

char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// A run of `minDigits` to `maxDigits` decimal digits as a whole field.
std::optional<int> Field(std::string_view text, std::size_t minDigits, std::size_t maxDigits) {
    if (text.size() < minDigits || text.size() > maxDigits) return std::nullopt;
    if (!std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

std::vector<std::string_view> Split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    for (;;) {
        const std::size_t at = text.find(separator, start);
        parts.push_back(
            text.substr(start, at == std::string_view::npos ? std::string_view::npos : at - start));
        if (at == std::string_view::npos) return parts;
        start = at + 1;
    }
}

std::optional<CivilDate> ExistingDate(std::optional<int> year, std::optional<int> month,
                                      std::optional<int> day) {
    if (!year || !month || !day) return std::nullopt;
    double serial = 0;
    if (!TryEncodeDate(*year, *month, *day, serial)) return std::nullopt;
    return CivilDate{*year, *month, *day};
}

}  // namespace

std::string ShortDateText(const CivilDate& date, int dateFormat) {
    return DateText(date.year, date.month, date.day, dateFormat, DateDigits::Picker);
}

std::optional<CivilDate> ReadShortDate(std::string_view text, int dateFormat) {
    const std::vector<std::string_view> iso = Split(text, '-');
    if (iso.size() == 3) return ExistingDate(Field(iso[0], 4, 4), Field(iso[1], 2, 2), Field(iso[2], 2, 2));
    const std::vector<std::string_view> parts = Split(text, '/');
    if (parts.size() != 3) return std::nullopt;
    const std::optional<int> first = Field(parts[0], 1, 2);
    const std::optional<int> second = Field(parts[1], 1, 2);
    const std::optional<int> year = Field(parts[2], 4, 4);
    return MonthFirst(dateFormat) ? ExistingDate(year, first, second) : ExistingDate(year, second, first);
}

std::string FavouriteEntry(const Favourite& favourite, int dateFormat) {
    return favourite.name + " <" + ShortDateText(favourite.birth, dateFormat) + ">";
}

std::optional<Favourite> ReadFavourite(std::string_view entry, int dateFormat) {
    const std::size_t open = entry.find('<');
    if (open == std::string_view::npos) return std::nullopt;
    const std::size_t close = entry.find('>', open + 1);
    if (close == std::string_view::npos) return std::nullopt;
    const std::optional<CivilDate> birth =
        ReadShortDate(entry.substr(open + 1, close - open - 1), dateFormat);
    if (!birth) return std::nullopt;
    std::string_view name = entry.substr(0, open);
    if (!name.empty() && name.back() == ' ') name.remove_suffix(1);
    if (name.size() > kMaxNameLength) return std::nullopt;
    return Favourite{std::string(name), *birth};
}

int CompareEntries(std::string_view a, std::string_view b) {
    const std::size_t common = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < common; ++i) {
        const auto ca = static_cast<unsigned char>(AsciiLower(a[i]));
        const auto cb = static_cast<unsigned char>(AsciiLower(b[i]));
        if (ca != cb) return ca < cb ? -1 : 1;
    }
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

AddRefusal FavouriteList::CheckAdd(const Favourite& favourite) const {
    if (favourite.name.empty()) return AddRefusal::EmptyName;
    if (favourite.name.find_first_of("<>") != std::string::npos) return AddRefusal::AngleBrackets;
    if (Find(FavouriteEntry(favourite, dateFormat_)) >= 0) return AddRefusal::Duplicate;
    return AddRefusal::None;
}

int FavouriteList::Add(const Favourite& favourite) {
    if (CheckAdd(favourite) != AddRefusal::None) return -1;
    return Insert(favourite);
}

int FavouriteList::Insert(const Favourite& favourite) {
    std::string entry = FavouriteEntry(favourite, dateFormat_);
    // After every entry that sorts before it or equal to it: equal entries keep file order.
    const auto place =
        std::upper_bound(entries_.begin(), entries_.end(), entry,
                         [](const std::string& a, const std::string& b) { return CompareEntries(a, b) < 0; });
    const auto position = place - entries_.begin();
    entries_.insert(place, std::move(entry));
    items_.insert(items_.begin() + position, favourite);
    return static_cast<int>(position);
}

void FavouriteList::Remove(int position) {
    if (position < 0 || position >= Count()) return;
    items_.erase(items_.begin() + position);
    entries_.erase(entries_.begin() + position);
}

int FavouriteList::Find(std::string_view entry) const {
    const auto place =
        std::lower_bound(entries_.begin(), entries_.end(), entry,
                         [](const std::string& a, std::string_view b) { return CompareEntries(a, b) < 0; });
    if (place == entries_.end() || CompareEntries(*place, entry) != 0) return -1;
    return static_cast<int>(place - entries_.begin());
}

}  // namespace orvanto::bio
