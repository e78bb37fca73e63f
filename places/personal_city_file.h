// The personal city file "CityData.txt" beside the program: the places a
// user added to the distance calculator, one quoted record a line after a
// 26-line header, merged into the library's region lists when the calculator
// opens.
#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/prompt.h"
#include "places/city_library.h"

namespace orvanto {

inline constexpr const char* kPersonalCityFileName = "CityData.txt";
inline constexpr const char* kPersonalCityBackupName = "CityData.bak";

inline constexpr const char* kCouldNotLoadPersonalFile = "Could not load personal database file.";
inline constexpr const char* kPersonalFileCorrupted =
    "Personal database file seems to be corrupted.\n\nLook at the Help file for suggestions.";

// The header written at the top of every new file, line by line.
extern const std::array<const char*, 26> kPersonalCityFileHeader;

// A failure to rename or write the file, with the file error's text.
class ECityFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// One record: region index 0..6 (written as "1".."7"), name, coordinate texts.
struct PersonalCityRecord {
    int region = 0;
    std::string name;
    std::string latitude;
    std::string longitude;
};

// The lines of a file's content, split at CR LF, LF or a lone CR; a last
// line without a line break counts.
std::vector<std::string> SplitLines(const std::string& content);

// True for a line that can be a record: its first and third characters are
// double quotes.
bool LooksLikeRecord(const std::string& line);

// Outcome of taking one record line apart.
enum class RecordParse { Record, Ignored, Corrupted };

// Takes a record line apart (only its first 255 characters count): four
// fields, each running to the first double quote followed by a comma, their
// enclosing quotes removed. A region character other than "1".."7" gives
// Ignored; fewer than four fields give Corrupted.
RecordParse ParseRecordLine(const std::string& line, PersonalCityRecord& record);

// The record line of a place, every field quoted.
std::string RecordLine(const PersonalCityRecord& record);

// Sorts each region list by its names in upper case, compared on character
// codes (stable, so equal names keep their order).
void SortRegionLists(RegionLists& lists);

// What loading the file gave.
struct PersonalCityLoad {
    bool fileExisted = false;
    // The record lines kept in memory, in file order, as text.
    std::vector<std::string> recordLines;
};

// Reads `folder`/CityData.txt and appends its records to the region lists,
// then sorts the lists (when the file exists). A file that exists but cannot
// be read shows "Could not load personal database file."; records that cannot
// be taken apart show "Personal database file seems to be corrupted..." once,
// and every record that could be read is merged. Both are warnings through
// `prompt`.
PersonalCityLoad LoadPersonalCities(const std::filesystem::path& folder, RegionLists& lists,
                                    Prompt& prompt);

// Rewrites `folder`/CityData.txt with the header and `recordLines`, keeping
// the previous file as CityData.bak. The new content is written completely to
// a temporary file first, so a failed write leaves the old file in place.
// Throws ECityFileError with the file error's text.
void WritePersonalCityFile(const std::filesystem::path& folder,
                           const std::vector<std::string>& recordLines);

}  // namespace orvanto
