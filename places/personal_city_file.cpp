#include "places/personal_city_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
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
    ";    region: A number between 1 and 7 with continent ID.",
    ";            1=North America - 2=Central America & Caribbean",
    ";            3=South America - 4=Europe - 5=Asia & Middle East",
    ";            6=Africa        - 7=Oceania",
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

// Closes a descriptor when it goes out of scope.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int Get() const { return fd_; }
    // Closes now; the errno of a failed close, or 0.
    int Close() {
        const int result = ::close(fd_);
        fd_ = -1;
        return result == 0 ? 0 : errno;
    }

private:
    int fd_;
};

// The whole content of a regular file; false when it cannot be read. The
// file is opened without waiting (a FIFO would block an ordinary open) and
// anything but a regular file is refused.
bool ReadWholeFile(const std::filesystem::path& path, std::string& content) {
    Descriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (file.Get() < 0) return false;
    struct stat facts {};
    if (::fstat(file.Get(), &facts) != 0 || !S_ISREG(facts.st_mode)) return false;
    std::string whole;
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(file.Get(), buffer, sizeof buffer);
        if (got == 0) break;
        if (got < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        whole.append(buffer, static_cast<std::size_t>(got));
    }
    content = std::move(whole);
    return true;
}

// Writes `content` to `path` and flushes it to the disk. Each failure keeps
// the error of the step that failed: the clean-up after it must not replace
// the reason shown to the user.
void WriteWholeFile(const std::filesystem::path& path, const std::string& content) {
    Descriptor file(::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644));
    if (file.Get() < 0) throw ECityFileError(FileErrorText("Cannot create file", path, std::strerror(errno)));
    int failure = 0;
    std::size_t written = 0;
    while (failure == 0 && written < content.size()) {
        const ssize_t put = ::write(file.Get(), content.data() + written, content.size() - written);
        if (put < 0 && errno == EINTR) continue;
        if (put < 0)
            failure = errno;
        else
            written += static_cast<std::size_t>(put);
    }
    if (failure == 0 && ::fsync(file.Get()) != 0 && errno != EINVAL) failure = errno;
    const int closeFailure = file.Close();
    if (failure == 0) failure = closeFailure;
    if (failure != 0) {
        std::error_code ignored;
        std::filesystem::remove(path, ignored);
        throw ECityFileError(FileErrorText("Cannot write file", path, std::strerror(failure)));
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

bool LooksLikeRecord(const std::string& line) { return line.size() >= 3 && line[0] == '"' && line[2] == '"'; }

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
    return "\"" + std::to_string(record.region + 1) + "\",\"" + record.name + "\",\"" + record.latitude +
           "\",\"" + record.longitude + "\"";
}

void SortRegionLists(RegionLists& lists) {
    for (RegionList& list : lists) {
        // Each name is upper-cased once, not at every comparison.
        std::vector<std::pair<std::string, std::size_t>> keys;
        keys.reserve(list.size());
        for (std::size_t i = 0; i < list.size(); ++i) keys.emplace_back(UpperCase(list[i].name), i);
        std::stable_sort(keys.begin(), keys.end(),
                         [](const auto& a, const auto& b) { return ByteLess(a.first, b.first); });
        RegionList sorted;
        sorted.reserve(list.size());
        for (const auto& key : keys) sorted.push_back(std::move(list[key.second]));
        list = std::move(sorted);
    }
}

std::vector<std::string> PersonalCityFile::NewPersonalCityFileLines() {
    return std::vector<std::string>(kPersonalCityFileHeader.begin(), kPersonalCityFileHeader.end());
}

bool IsNoteOrBlankLine(const std::string& line) {
    const std::size_t first = line.find_first_not_of(" \t");
    return first == std::string::npos || line[first] == ';';
}

bool MergeRecordLine(const std::string& line, RegionLists& lists) {
    PersonalCityRecord record;
    if (!LooksLikeRecord(line) || ParseRecordLine(line, record) != RecordParse::Record) return false;
    lists[record.region].push_back({record.name, record.latitude, record.longitude});
    return true;
}

PersonalCityFile LoadPersonalCities(const std::filesystem::path& folder, RegionLists& lists, Prompt& prompt) {
    PersonalCityFile file;
    const std::filesystem::path path = folder / kPersonalCityFileName;
    std::error_code error;
    // A dangling symbolic link exists too: it is a file that cannot be read.
    if (!std::filesystem::exists(std::filesystem::symlink_status(path, error))) return file;
    file.fileExisted = true;
    file.keptLines.clear();

    std::string content;
    if (!ReadWholeFile(path, content)) {
        file.readable = false;
        prompt.ShowMessage(MessageKind::Warning, kMessageTitle, kCouldNotLoadPersonalFile);
        SortRegionLists(lists);
        return file;
    }

    std::vector<std::string> lines = SplitLines(content);
    // An empty file has no header of its own: it gets the one of a new file.
    if (lines.empty()) file.keptLines = PersonalCityFile::NewPersonalCityFileLines();
    bool corrupted = false;
    bool notUnderstood = false;
    for (std::string& line : lines) {
        if (MergeRecordLine(line, lists)) {
            file.recordLines.push_back(std::move(line));
            continue;
        }
        // Every other line stays in the file through the next rewrite.
        PersonalCityRecord record;
        if (LooksLikeRecord(line) && ParseRecordLine(line, record) == RecordParse::Corrupted)
            corrupted = true;
        else if (!IsNoteOrBlankLine(line))
            notUnderstood = true;
        file.keptLines.push_back(std::move(line));
    }
    if (corrupted)
        prompt.ShowMessage(MessageKind::Warning, kMessageTitle, kPersonalFileCorrupted);
    else if (notUnderstood)
        prompt.ShowMessage(MessageKind::Warning, kMessageTitle, kPersonalFileLinesNotUnderstood);
    SortRegionLists(lists);
    return file;
}

void WritePersonalCityFile(const std::filesystem::path& folder, const PersonalCityFile& file) {
    std::string content;
    for (const std::string& line : file.keptLines) content += line + "\r\n";
    for (const std::string& line : file.recordLines) content += line + "\r\n";

    const std::filesystem::path path = folder / kPersonalCityFileName;
    const std::filesystem::path backup = folder / kPersonalCityBackupName;
    const std::filesystem::path temporary = folder / "CityData.txt.new";
    WriteWholeFile(temporary, content);

    std::error_code error;
    std::filesystem::remove(backup, error);
    if (error) {
        const std::string reason = error.message();
        std::filesystem::remove(temporary, error);
        throw ECityFileError(FileErrorText("Cannot delete file", backup, reason));
    }
    if (std::filesystem::exists(std::filesystem::symlink_status(path, error))) {
        std::filesystem::rename(path, backup, error);
        if (error) {
            const std::string reason = error.message();
            std::filesystem::remove(temporary, error);
            throw ECityFileError(FileErrorText("Cannot rename file", path, reason));
        }
    }
    std::filesystem::rename(temporary, path, error);
    if (error) {
        const std::string reason = error.message();
        // The old file goes back to its name.
        std::error_code ignored;
        std::filesystem::rename(backup, path, ignored);
        std::filesystem::remove(temporary, ignored);
        throw ECityFileError(FileErrorText("Cannot rename file", temporary, reason));
    }
}

}  // namespace orvanto
