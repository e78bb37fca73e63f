#include "places/personal_city_file.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>
#include <system_error>

#include "places/feedback.h"

namespace orvanto {

const std::array<const char*, 26> kPersonalCityFileHeader = {
    "; Orvanto Personal City Database",
    "; ----------------------------------",
    ";",
    "; Data record format",
    ";",
    "; Comma-delimited file with four fields per record: \"region\",\"name\",\"lat\",\"long\"",
    ";",
    ";    region: A number between 0 and 6 with continent ID.",
    ";            0=North America - 1=Central America & Caribbean",
    ";            2=South America - 3=Europe - 4=Asia & Middle East",
    ";            5=Africa        - 6=Oceania",
    ";",
    ";    name:   City name and state name (comma delimited) for US cities",
    ";            City name and country name (comma delimited) for non-US cities",
    ";",
    ";    lat:    Latitude in +/- decimal degrees",
    ";            No sign (+) = North",
    ";            Negative sign (-) = South",
    ";",
    ";    long:   Longitude in +/- decimal degrees",
    ";            No sign (+) = East",
    ";            Negative sign (-) = West",
    ";",
    "; Double-quotes surrounding each field are MANDATORY",
    ";",
    "; --- Data begins here ------------------------------------------------",
};

namespace {

constexpr std::size_t kRecordCharactersRead = 255;

// Takes the next field of `text` from `position` on: up to and including
// the first double quote followed by a comma, without its enclosing quotes;
// `position` moves past that comma. False when there is no such quote.
bool TakeField(const std::string& text, std::size_t& position, std::string& field) {
    const std::size_t end = text.find("\",", position);
    if (end == std::string::npos) return false;
    const std::size_t begin = text[position] == '"' && end > position ? position + 1 : position;
    field.assign(text, begin, end - begin);
    position = end + 2;
    return true;
}

std::string UpperCase(const std::string& text) {
    std::string upper = text;
    for (char& c : upper) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return upper;
}

// Character by character on their codes (as unsigned bytes).
bool ByteLess(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return static_cast<unsigned char>(x) < static_cast<unsigned char>(y);
    });
}

std::string FileErrorText(const std::string& what, const std::filesystem::path& path,
                          const std::string& reason) {
    return what + " \"" + path.string() + "\": " + reason;
}

// The whole content of a regular file; false when it cannot be read.
bool ReadWholeFile(const std::filesystem::path& path, std::string& content) {
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) return false;
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::ostringstream whole;
    whole << in.rdbuf();
    if (in.bad()) return false;
    content = std::move(whole).str();
    return true;
}

void WriteWholeFile(const std::filesystem::path& path, const std::string& content) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) throw ECityFileError(FileErrorText("Cannot create file", path, std::strerror(errno)));
    out.write(content.data(), static_cast<std::streamsize>(content.size()));
    out.close();
    if (!out) {
        std::error_code ignored;
        std::filesystem::remove(path, ignored);
        throw ECityFileError(FileErrorText("Cannot write file", path, std::strerror(errno)));
    }
}

}  // namespace

std::vector<std::string> SplitLines(const std::string& content) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < content.size()) {
        const std::size_t end = content.find_first_of("\r\n", start);
        if (end == std::string::npos) {
            lines.push_back(content.substr(start));
            break;
        }
        lines.push_back(content.substr(start, end - start));
        start = end + 1;
        if (content[end] == '\r' && start < content.size() && content[start] == '\n') ++start;
    }
    return lines;
}

bool LooksLikeRecord(const std::string& line) {
    return line.size() >= 3 && line[0] == '"' && line[2] == '"';
}

RecordParse ParseRecordLine(const std::string& line, PersonalCityRecord& record) {
    const std::string text = line.substr(0, kRecordCharactersRead) + ",";
    std::size_t position = 0;
    std::string fields[4];
    for (std::string& field : fields) {
        if (!TakeField(text, position, field)) return RecordParse::Corrupted;
    }
    const char regionCharacter = fields[0].empty() ? '\0' : fields[0][0];
    if (regionCharacter < '1' || regionCharacter > '7') return RecordParse::Ignored;
    record.region = regionCharacter - '1';
    record.name = fields[1];
    record.latitude = fields[2];
    record.longitude = fields[3];
    return RecordParse::Record;
}

std::string RecordLine(const PersonalCityRecord& record) {
    return "\"" + std::to_string(record.region + 1) + "\",\"" + record.name + "\",\"" +
           record.latitude + "\",\"" + record.longitude + "\"";
}

void SortRegionLists(RegionLists& lists) {
    for (RegionList& list : lists) {
        // Each name is upper-cased once, not at every comparison.
        std::vector<std::pair<std::string, std::size_t>> keys;
        keys.reserve(list.size());
        for (std::size_t i = 0; i < list.size(); ++i) keys.emplace_back(UpperCase(list[i].name), i);
        std::stable_sort(keys.begin(), keys.end(), [](const auto& a, const auto& b) {
            return ByteLess(a.first, b.first);
        });
        RegionList sorted;
        sorted.reserve(list.size());
        for (const auto& key : keys) sorted.push_back(std::move(list[key.second]));
        list = std::move(sorted);
    }
}

PersonalCityLoad LoadPersonalCities(const std::filesystem::path& folder, RegionLists& lists,
                                    Prompt& prompt) {
    PersonalCityLoad load;
    const std::filesystem::path path = folder / kPersonalCityFileName;
    std::error_code error;
    if (!std::filesystem::exists(path, error)) return load;
    load.fileExisted = true;

    std::string content;
    if (!ReadWholeFile(path, content)) {
        prompt.ShowMessage(MessageKind::Warning, kMessageTitle, kCouldNotLoadPersonalFile);
        SortRegionLists(lists);
        return load;
    }

    bool corrupted = false;
    for (const std::string& line : SplitLines(content)) {
        if (!LooksLikeRecord(line)) continue;
        PersonalCityRecord record;
        switch (ParseRecordLine(line, record)) {
            case RecordParse::Record:
                lists[record.region].push_back({record.name, record.latitude, record.longitude});
                load.recordLines.push_back(line);
                break;
            case RecordParse::Ignored:
                break;
            case RecordParse::Corrupted:
                // Kept as it is, so that the next rewrite does not lose it.
                corrupted = true;
                load.recordLines.push_back(line);
                break;
        }
    }
    if (corrupted) prompt.ShowMessage(MessageKind::Warning, kMessageTitle, kPersonalFileCorrupted);
    SortRegionLists(lists);
    return load;
}

void WritePersonalCityFile(const std::filesystem::path& folder,
                           const std::vector<std::string>& recordLines) {
    std::string content;
    for (const char* line : kPersonalCityFileHeader) content += std::string(line) + "\r\n";
    for (const std::string& line : recordLines) content += line + "\r\n";

    const std::filesystem::path path = folder / kPersonalCityFileName;
    const std::filesystem::path backup = folder / kPersonalCityBackupName;
    const std::filesystem::path temporary = folder / "CityData.txt.new";
    WriteWholeFile(temporary, content);

    std::error_code error;
    std::filesystem::remove(backup, error);
    if (error) {
        std::filesystem::remove(temporary, error);
        throw ECityFileError(FileErrorText("Cannot delete file", backup, error.message()));
    }
    if (std::filesystem::exists(path, error)) {
        std::filesystem::rename(path, backup, error);
        if (error) {
            const std::string reason = error.message();
            std::filesystem::remove(temporary, error);
            throw ECityFileError(FileErrorText("Cannot rename file", path, reason));
        }
    }
    std::filesystem::rename(temporary, path, error);
    if (error) throw ECityFileError(FileErrorText("Cannot rename file", temporary, error.message()));
}

}  // namespace orvanto
