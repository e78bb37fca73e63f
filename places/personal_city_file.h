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
// Lines that are neither records, notes (";") nor blank, or records of an
// unknown region: kept in the file, reported once.
inline constexpr const char* kPersonalFileLinesNotUnderstood =
    "Some lines of the personal database file were not understood.\n"
    "They are kept in the file as they are.\n\nLook at the Help file for suggestions.";
// Add city refuses to rewrite a file it could not read (a rewrite would
// replace what it never saw).
inline constexpr const char* kCannotAddToUnreadableFile =
    "Could not load personal database file.\n\nNo city can be added until the file can be read.";

// The header written at the top of every new file, line by line. Records
// carry regions "1" to "7", and so does the header.
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

// The personal file as the calculator keeps it: the record lines it took,
// and every other line of the file (its header, the user's notes, lines it
// did not understand), so that a rewrite loses none of them.
struct PersonalCityFile {
    bool fileExisted = false;
    // False when the file exists but could not be read (a folder, a FIFO, a
    // device, no permission): it must not be rewritten.
    bool readable = true;
    // The lines that are not records, in file order; for a new file the header.
    std::vector<std::string> keptLines = NewPersonalCityFileLines();
    // The record lines, in file order after loading, sorted after an addition.
    std::vector<std::string> recordLines;

    static std::vector<std::string> NewPersonalCityFileLines();
};

// True for a line that is a note (";" after optional blanks) or blank.
bool IsNoteOrBlankLine(const std::string& line);

// Appends the place of a record line to its region list; false (nothing
// appended) for a line that is no record of a known region.
bool MergeRecordLine(const std::string& line, RegionLists& lists);

// Reads `folder`/CityData.txt and appends its records to the region lists,
// then sorts the lists (when the file exists). Only a regular file is read,
// so a FIFO or a device never blocks. A file that exists but cannot be read
// shows "Could not load personal database file."; records that cannot be
// taken apart show "Personal database file seems to be corrupted..." once;
// otherwise lines that are not understood show kPersonalFileLinesNotUnderstood
// once. Every record that could be read is merged; every other line is kept.
// The messages are warnings through `prompt`.
PersonalCityFile LoadPersonalCities(const std::filesystem::path& folder, RegionLists& lists, Prompt& prompt);

// Rewrites `folder`/CityData.txt with the file's kept lines followed by its
// record lines, keeping the previous file as CityData.bak. The new content is
// written completely to a temporary file first, so a failed write leaves the
// old file in place. Throws ECityFileError with the file error's text.
void WritePersonalCityFile(const std::filesystem::path& folder, const PersonalCityFile& file);

}  // namespace orvanto
