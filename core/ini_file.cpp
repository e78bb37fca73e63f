// IniFile: a reader and writer of the classic profile ("INI") layout.
//
// A line "[name]" opens a section, a line "key=value" sets a key of the
// current section, any other line is kept but means nothing. Names compare
// without regard to ASCII case; blanks (spaces and tabs) around names and
// values do not count. Reads scan the file text directly, without building a
// model, because the month view rereads the file on every repaint.
#include "core/ini_file.h"

#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string_view>
#include <unordered_map>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orvanto {

EIniFileError::EIniFileError(const std::string& path) : std::runtime_error("Unable to write to " + path) {}

namespace {

constexpr std::size_t kMaxTextCharacters = 1023;

// ---------------------------------------------------------------------------
// Text helpers

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
    }
    return true;
}

// The first `maxCharacters` UTF-8 characters of the text. A character is a
// lead byte and the continuation bytes (10xxxxxx) after it, so the cut never
// falls inside a character.
std::string_view CutToCharacters(std::string_view text, std::size_t maxCharacters) {
    std::size_t characters = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        const bool continuation = (byte & 0xC0) == 0x80;
        if (!continuation) {
            if (characters == maxCharacters) return text.substr(0, i);
            ++characters;
        }
    }
    return text;
}

// A value written into the file must stay on its line: a line break inside it
// would split it and create lines nobody wrote, and a carriage return at its
// end would be read as part of the line's end.
std::string OnOneLine(std::string_view text) {
    std::string result(text);
    for (char& c : result) {
        if (c == '\r' || c == '\n') c = ' ';
    }
    return result;
}

// A key or section name written into the file: only a line feed would break
// the line. A carriage return inside a line is an ordinary byte to the reader,
// and turning it into a blank could turn the line into another kind of line
// ("\r[Settings]x" would become a section header).
std::string NameOnOneLine(std::string_view text) {
    std::string result(text);
    for (char& c : result) {
        if (c == '\n') c = ' ';
    }
    return result;
}

// Some editors put the UTF-8 byte-order mark in front of the first line. It
// is no part of the text: readers skip it, writers keep it.
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::string_view WithoutByteOrderMark(std::string_view text) {
    if (text.substr(0, kByteOrderMark.size()) == kByteOrderMark) text.remove_prefix(kByteOrderMark.size());
    return text;
}

// Decimal with an optional sign, or "0x"/"0X" and hexadecimal digits (read as
// the 32-bit pattern, so "0xFFFFFFFF" is -1). Anything else is no number.
std::optional<int> ParseInteger(std::string_view text) {
    text = Trim(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty()) return std::nullopt;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        text.remove_prefix(2);
        if (text.size() > 8) return std::nullopt;
        std::uint32_t value = 0;
        for (char c : text) {
            int digit;
            if (c >= '0' && c <= '9')
                digit = c - '0';
            else if (c >= 'a' && c <= 'f')
                digit = c - 'a' + 10;
            else if (c >= 'A' && c <= 'F')
                digit = c - 'A' + 10;
            else
                return std::nullopt;
            value = value * 16 + static_cast<std::uint32_t>(digit);
        }
        if (negative) value = ~value + 1;
        return static_cast<int>(static_cast<std::int32_t>(value));
    }
    long long value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > static_cast<long long>(INT_MAX) + 1) return std::nullopt;
    }
    if (negative) value = -value;
    if (value < INT_MIN || value > INT_MAX) return std::nullopt;
    return static_cast<int>(value);
}

// ---------------------------------------------------------------------------
// Lines

enum class LineKind { Section, Key, Other };

struct ParsedLine {
    LineKind kind = LineKind::Other;
    std::string_view name;   // section name or key, trimmed
    std::string_view value;  // value of a key line, trimmed
};

ParsedLine ParseLine(std::string_view line) {
    ParsedLine parsed;
    const std::string_view text = Trim(line);
    if (text.empty()) return parsed;
    if (text.front() == '[') {
        const std::size_t close = text.find(']');
        if (close != std::string_view::npos) {
            parsed.kind = LineKind::Section;
            parsed.name = Trim(text.substr(1, close - 1));
        }
        return parsed;
    }
    const std::size_t equals = text.find('=');
    if (equals == std::string_view::npos) return parsed;
    const std::string_view key = Trim(text.substr(0, equals));
    if (key.empty()) return parsed;
    parsed.kind = LineKind::Key;
    parsed.name = key;
    parsed.value = Trim(text.substr(equals + 1));
    return parsed;
}

bool LooksLikeHeader(std::string_view line) {
    std::size_t i = 0;
    while (i < line.size() && IsBlank(line[i])) ++i;
    return i < line.size() && line[i] == '[';
}

// Calls visit(line) for every line of the text, without its LF or CRLF end;
// stops when visit returns false.
template <typename Visit>
void ForEachLine(std::string_view text, Visit visit) {
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (!visit(line)) return;
        if (end == std::string_view::npos) return;
        text.remove_prefix(end + 1);
    }
}

// Calls visit(parsedKeyLine) for every key line of the first section of that
// name; stops when visit returns false.
template <typename Visit>
void ForEachKeyOfSection(std::string_view text, std::string_view section, Visit visit) {
    bool inSection = false;
    bool sectionSeen = false;
    ForEachLine(text, [&](std::string_view line) {
        // Outside the section only headers matter; skip the rest cheaply.
        if (!inSection && !LooksLikeHeader(line)) return true;
        const ParsedLine parsed = ParseLine(line);
        if (parsed.kind == LineKind::Section) {
            if (inSection) return false;  // the first section of the name ends here
            inSection = !sectionSeen && SameName(parsed.name, section);
            sectionSeen = sectionSeen || inSection;
            return true;
        }
        if (inSection && parsed.kind == LineKind::Key) return visit(parsed);
        return true;
    });
}

// ---------------------------------------------------------------------------
// File access

// The whole file, or nothing when it is missing or cannot be read (a folder,
// a device, no permission). The bytes live in a buffer of this thread that is
// reused from call to call: the memory is kept, never the content, so every
// call still reads the file afresh. Reusing it spares the allocation, zeroing
// and page faults of a fresh buffer on every read of a large file.
std::optional<std::string_view> ReadWholeFile(const std::string& path) {
    thread_local std::string buffer;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return std::nullopt;
    }
    // One byte more than the file's size, so the end is seen in one pass.
    const std::size_t wanted = static_cast<std::size_t>(info.st_size) + 1;
    if (buffer.size() < wanted) buffer.resize(wanted);
    std::size_t filled = 0;
    while (true) {
        if (filled == buffer.size()) buffer.resize(buffer.size() * 2);
        const ssize_t got = ::read(fd, buffer.data() + filled, buffer.size() - filled);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) {
            ::close(fd);
            return std::nullopt;
        }
        if (got == 0) break;
        filled += static_cast<std::size_t>(got);
    }
    ::close(fd);
    return std::string_view(buffer.data(), filled);
}

// The text of the file as readers see it: without a byte-order mark.
std::optional<std::string_view> ReadFileText(const std::string& path) {
    const std::optional<std::string_view> content = ReadWholeFile(path);
    if (!content) return std::nullopt;
    return WithoutByteOrderMark(*content);
}

bool WriteAll(int fd, std::string_view data) {
    while (!data.empty()) {
        const ssize_t put = ::write(fd, data.data(), data.size());
        if (put < 0 && errno == EINTR) continue;
        if (put <= 0) return false;
        data.remove_prefix(static_cast<std::size_t>(put));
    }
    return true;
}

// The file a write must replace: the target of a symbolic link, so that the
// link itself survives the rename.
std::string WriteTarget(const std::string& path) {
    std::error_code error;
    if (std::filesystem::is_symlink(path, error)) {
        const auto target = std::filesystem::weakly_canonical(path, error);
        if (!error) return target.string();
    }
    return path;
}

// Writes the content to a temporary file in the same folder, flushes it to
// the disk and renames it over the file, so the file is either the old one or
// the new one, never half of each.
void ReplaceFileContent(const std::string& path, std::string_view content) {
    const std::string target = WriteTarget(path);
    std::string temporary = target + ".XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) throw EIniFileError(path);

    struct stat old {};
    mode_t mode;
    if (::stat(target.c_str(), &old) == 0) {
        mode = old.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    const bool written = ::fchmod(fd, mode) == 0 && WriteAll(fd, content) && ::fsync(fd) == 0;
    const bool closed = ::close(fd) == 0;
    if (!written || !closed || ::rename(temporary.c_str(), target.c_str()) != 0) {
        ::unlink(temporary.c_str());
        throw EIniFileError(path);
    }
}

// ---------------------------------------------------------------------------
// The editable model of a file, used by the writers

// One line of the file: its text and the end it had ("\n", "\r\n", or
// nothing for a last line without one). Every line keeps its own end, so a
// rewrite changes no byte of a line it did not change, whatever mixture of
// ends the file holds.
struct FileLine {
    std::string text;
    std::string end;
};

struct FileModel {
    std::string byteOrderMark;
    std::vector<FileLine> lines;
    // The end of the lines the program adds: the end of the file's first line.
    std::string newLineEnd = "\n";

    FileLine NewLine(std::string text) const { return FileLine{std::move(text), newLineEnd}; }

    std::string Text() const {
        std::string text = byteOrderMark;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            text += lines[i].text;
            const bool last = i + 1 == lines.size();
            text += last ? lines[i].end : Terminated(lines[i].end);
        }
        return text;
    }

    // A line followed by another needs an end; a last line that had none
    // gets the end of the new lines, a lone carriage return its line feed.
    std::string Terminated(const std::string& end) const {
        if (end.empty()) return newLineEnd;
        if (end == "\r") return "\r\n";
        return end;
    }
};

// Splits the text into lines as the readers do (at each line feed, one
// carriage return before it belonging to the end) and keeps each end.
std::vector<FileLine> SplitLines(std::string_view text) {
    std::vector<FileLine> lines;
    while (!text.empty()) {
        const std::size_t feed = text.find('\n');
        FileLine line;
        if (feed == std::string_view::npos) {
            line.text = std::string(text);
            text = {};
        } else {
            line.text = std::string(text.substr(0, feed));
            line.end = "\n";
            text.remove_prefix(feed + 1);
        }
        if (!line.text.empty() && line.text.back() == '\r') {
            line.text.pop_back();
            line.end.insert(0, "\r");
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

// The current file as lines; a missing file is an empty model. A file that
// exists but cannot be read is not replaced: that would lose its content.
FileModel LoadForWriting(const std::string& path) {
    FileModel model;
    const std::optional<std::string_view> content = ReadWholeFile(path);
    if (!content) {
        std::error_code error;
        if (std::filesystem::exists(path, error) || error) throw EIniFileError(path);
        return model;
    }
    const std::string_view text = WithoutByteOrderMark(*content);
    model.byteOrderMark = std::string(content->substr(0, content->size() - text.size()));
    model.lines = SplitLines(text);
    if (!model.lines.empty() && model.lines.front().end == "\r\n") model.newLineEnd = "\r\n";
    return model;
}

// Where a section lies among the lines: its header, the line after its last
// non-blank line, and the line that ends it (next header or end of file).
struct SectionSpan {
    std::size_t header;
    std::size_t contentEnd;
    std::size_t end;
};

std::vector<SectionSpan> FindSections(const FileModel& model, std::string_view section) {
    std::vector<SectionSpan> spans;
    std::optional<SectionSpan> open;
    for (std::size_t i = 0; i < model.lines.size(); ++i) {
        const std::string_view text = model.lines[i].text;
        const ParsedLine parsed = ParseLine(text);
        if (parsed.kind == LineKind::Section) {
            if (open) {
                open->end = i;
                spans.push_back(*open);
                open.reset();
            }
            if (SameName(parsed.name, section)) open = SectionSpan{i, i + 1, i + 1};
        } else if (open && !Trim(text).empty()) {
            open->contentEnd = i + 1;
        }
    }
    if (open) {
        open->end = model.lines.size();
        spans.push_back(*open);
    }
    return spans;
}

std::optional<std::size_t> FindKeyLine(const FileModel& model, const SectionSpan& span,
                                       std::string_view key) {
    for (std::size_t i = span.header + 1; i < span.end; ++i) {
        const ParsedLine parsed = ParseLine(model.lines[i].text);
        if (parsed.kind == LineKind::Key && SameName(parsed.name, key)) return i;
    }
    return std::nullopt;
}

// Appends lines as a new section at the end, after an empty line when the
// file does not already end with one.
void AppendSection(FileModel& model, std::string_view section, const std::vector<std::string>& body) {
    if (!model.lines.empty() && !Trim(model.lines.back().text).empty())
        model.lines.push_back(model.NewLine(""));
    model.lines.push_back(model.NewLine("[" + NameOnOneLine(section) + "]"));
    for (const std::string& line : body) model.lines.push_back(model.NewLine(line));
}

// The line "key=value" for a key the program writes. It must read back as a
// key line of that key: a key that cannot (one that starts with "[" and holds
// a "]", holds "=", or is empty) is refused rather than written as another
// kind of line.
std::string KeyLine(const std::string& path, std::string_view key, std::string_view value) {
    const std::string keyText = NameOnOneLine(key);
    std::string line = keyText + "=" + OnOneLine(value);
    const ParsedLine parsed = ParseLine(line);
    if (parsed.kind != LineKind::Key || parsed.name != Trim(keyText)) throw EIniFileError(path);
    return line;
}

// An existing key line with a new value: the line keeps its own bytes up to
// and including the "=" (the file's spelling of the key, blanks and all), so
// only the value changes and the line stays a line of the same key.
std::string WithNewValue(const std::string& path, const std::string& line, std::string_view value) {
    std::string result = line.substr(0, line.find('=') + 1) + OnOneLine(value);
    const ParsedLine before = ParseLine(line);
    const ParsedLine after = ParseLine(result);
    if (after.kind != LineKind::Key || after.name != before.name) throw EIniFileError(path);
    return result;
}

// The new body of a rewritten section: the given pairs in their order, each
// written as the line it already has when the section holds a line of the
// same key and value (byte for byte, with its own end), and every other line
// of the old section (notes, blank lines) kept at its place among the pairs:
// before the pair that takes the place of the key line it stood before.
class SectionRewrite {
public:
    SectionRewrite(const FileModel& model, std::size_t first, std::size_t end, const std::string& path)
        : model_(model), path_(path) {
        std::vector<FileLine> pendingNotes;
        for (std::size_t i = first; i < end; ++i) {
            const FileLine& line = model.lines[i];
            const ParsedLine parsed = ParseLine(line.text);
            if (parsed.kind != LineKind::Key) {
                pendingNotes.push_back(line);
                continue;
            }
            OldKeyLine old{line, std::string(parsed.name), std::string(parsed.value),
                           std::move(pendingNotes)};
            pendingNotes.clear();
            byValue_[old.value].push_back(oldLines_.size());
            byKey_[old.name].push_back(oldLines_.size());
            oldLines_.push_back(std::move(old));
        }
        trailingNotes_ = std::move(pendingNotes);
    }

    std::vector<FileLine> Body(const std::vector<std::pair<std::string, std::string>>& pairs) {
        // Each pair takes an old line: first one of the same key and value
        // (kept whole), then one of the same value (a renumbered key), then
        // one of the same key (a changed value). The pair stands where that
        // line stood, with the notes that stood before it.
        std::vector<std::optional<std::size_t>> matched(pairs.size());
        std::vector<bool> used(oldLines_.size(), false);
        for (const Match match : {Match::KeyAndValue, Match::Value, Match::Key}) {
            for (std::size_t p = 0; p < pairs.size(); ++p) {
                if (!matched[p]) matched[p] = TakeOldLine(pairs[p], match, used);
            }
        }

        // Notes of an old line that no pair took go with the next old line
        // that one did, or to the end.
        std::vector<std::vector<FileLine>> notesBefore(pairs.size());
        std::vector<std::optional<std::size_t>> pairOfOld(oldLines_.size());
        for (std::size_t p = 0; p < pairs.size(); ++p) {
            if (matched[p]) pairOfOld[*matched[p]] = p;
        }
        std::vector<FileLine> carried;
        for (std::size_t o = 0; o < oldLines_.size(); ++o) {
            carried.insert(carried.end(), oldLines_[o].notesBefore.begin(), oldLines_[o].notesBefore.end());
            if (!pairOfOld[o]) continue;
            std::vector<FileLine>& target = notesBefore[*pairOfOld[o]];
            target.insert(target.end(), carried.begin(), carried.end());
            carried.clear();
        }
        carried.insert(carried.end(), trailingNotes_.begin(), trailingNotes_.end());

        std::vector<FileLine> body;
        for (std::size_t p = 0; p < pairs.size(); ++p) {
            body.insert(body.end(), notesBefore[p].begin(), notesBefore[p].end());
            body.push_back(LineOf(pairs[p], matched[p]));
        }
        body.insert(body.end(), carried.begin(), carried.end());
        return body;
    }

private:
    struct OldKeyLine {
        FileLine line;
        std::string name;
        std::string value;
        std::vector<FileLine> notesBefore;
    };

    enum class Match { KeyAndValue, Value, Key };

    std::optional<std::size_t> TakeOldLine(const std::pair<std::string, std::string>& pair, Match match,
                                           std::vector<bool>& used) const {
        const auto& index = match == Match::Key ? byKey_ : byValue_;
        const auto candidates = index.find(match == Match::Key ? pair.first : pair.second);
        if (candidates == index.end()) return std::nullopt;
        for (std::size_t o : candidates->second) {
            if (used[o] || (match == Match::KeyAndValue && oldLines_[o].name != pair.first)) continue;
            used[o] = true;
            return o;
        }
        return std::nullopt;
    }

    // The line of a pair: the old line itself when key and value are the
    // same, the old line with a new value when the key is, else a new line
    // with the old line's end.
    FileLine LineOf(const std::pair<std::string, std::string>& pair, std::optional<std::size_t> old) const {
        if (!old) return model_.NewLine(KeyLine(path_, pair.first, pair.second));
        const OldKeyLine& oldLine = oldLines_[*old];
        if (oldLine.name != pair.first) {
            FileLine line = model_.NewLine(KeyLine(path_, pair.first, pair.second));
            if (!oldLine.line.end.empty()) line.end = oldLine.line.end;
            return line;
        }
        if (oldLine.value == pair.second) return oldLine.line;
        return FileLine{WithNewValue(path_, oldLine.line.text, pair.second), oldLine.line.end};
    }

    const FileModel& model_;
    const std::string& path_;
    std::vector<OldKeyLine> oldLines_;
    std::unordered_map<std::string, std::vector<std::size_t>> byValue_;
    std::unordered_map<std::string, std::vector<std::size_t>> byKey_;
    std::vector<FileLine> trailingNotes_;
};

}  // namespace

// ---------------------------------------------------------------------------

IniFile::IniFile(std::string path) : path_(std::move(path)) {}

bool IniFile::Exists() const {
    std::error_code error;
    return std::filesystem::exists(path_, error) && !std::filesystem::is_directory(path_, error);
}

std::string IniFile::ReadString(const std::string& section, const std::string& key,
                                const std::string& defaultValue) const {
    const std::optional<std::string_view> content = ReadFileText(path_);
    if (!content) return defaultValue;
    std::optional<std::string> found;
    ForEachKeyOfSection(*content, section, [&](const ParsedLine& line) {
        if (!SameName(line.name, key)) return true;
        found = std::string(CutToCharacters(line.value, kMaxTextCharacters));
        return false;
    });
    return found ? *found : defaultValue;
}

int IniFile::ReadInteger(const std::string& section, const std::string& key, int defaultValue) const {
    // An empty default marks a missing key; an empty value is no number either.
    const std::optional<int> value = ParseInteger(ReadString(section, key, std::string()));
    return value ? *value : defaultValue;
}

bool IniFile::ReadBool(const std::string& section, const std::string& key, bool defaultValue) const {
    return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

void IniFile::WriteString(const std::string& section, const std::string& key, const std::string& value) {
    FileModel model = LoadForWriting(path_);
    const std::vector<SectionSpan> spans = FindSections(model, section);
    if (spans.empty()) {
        AppendSection(model, section, {KeyLine(path_, key, value)});
    } else if (const auto line = FindKeyLine(model, spans.front(), key)) {
        // A line that already holds this value is left as it is.
        std::string& text = model.lines[*line].text;
        if (ParseLine(text).value != OnOneLine(value)) text = WithNewValue(path_, text, value);
    } else {
        const auto at = static_cast<std::ptrdiff_t>(spans.front().contentEnd);
        model.lines.insert(model.lines.begin() + at, model.NewLine(KeyLine(path_, key, value)));
    }
    ReplaceFileContent(path_, model.Text());
}

void IniFile::WriteInteger(const std::string& section, const std::string& key, int value) {
    WriteString(section, key, std::to_string(value));
}

void IniFile::WriteBool(const std::string& section, const std::string& key, bool value) {
    WriteString(section, key, value ? "1" : "0");
}

bool IniFile::SectionExists(const std::string& section) const {
    const std::optional<std::string_view> content = ReadFileText(path_);
    if (!content) return false;
    bool found = false;
    ForEachLine(*content, [&](std::string_view line) {
        const ParsedLine parsed = ParseLine(line);
        found = parsed.kind == LineKind::Section && SameName(parsed.name, section);
        return !found;
    });
    return found;
}

bool IniFile::ValueExists(const std::string& section, const std::string& key) const {
    const std::optional<std::string_view> content = ReadFileText(path_);
    if (!content) return false;
    bool found = false;
    ForEachKeyOfSection(*content, section, [&](const ParsedLine& line) {
        found = SameName(line.name, key);
        return !found;
    });
    return found;
}

std::vector<std::string> IniFile::ReadSection(const std::string& section) const {
    std::vector<std::string> keys;
    for (auto& [key, value] : ReadSectionPairs(section)) keys.push_back(std::move(key));
    return keys;
}

std::vector<std::string> IniFile::ReadSectionValues(const std::string& section) const {
    std::vector<std::string> lines;
    for (const auto& [key, value] : ReadSectionPairs(section)) lines.push_back(key + "=" + value);
    return lines;
}

std::vector<std::pair<std::string, std::string>> IniFile::ReadSectionPairs(const std::string& section) const {
    std::vector<std::pair<std::string, std::string>> pairs;
    const std::optional<std::string_view> content = ReadFileText(path_);
    if (!content) return pairs;
    // Counting first spares the growth of a large list (thousands of
    // reminder records), whose copies cost more than the second scan.
    std::size_t count = 0;
    ForEachKeyOfSection(*content, section, [&](const ParsedLine&) { return ++count, true; });
    pairs.reserve(count);
    ForEachKeyOfSection(*content, section, [&](const ParsedLine& line) {
        pairs.emplace_back(std::string(line.name), std::string(line.value));
        return true;
    });
    return pairs;
}

void IniFile::EraseSection(const std::string& section) {
    FileModel model = LoadForWriting(path_);
    const std::vector<SectionSpan> spans = FindSections(model, section);
    if (spans.empty()) return;
    for (auto span = spans.rbegin(); span != spans.rend(); ++span) {
        model.lines.erase(model.lines.begin() + static_cast<std::ptrdiff_t>(span->header),
                          model.lines.begin() + static_cast<std::ptrdiff_t>(span->end));
    }
    ReplaceFileContent(path_, model.Text());
}

void IniFile::ReplaceSection(const std::string& section,
                             const std::vector<std::pair<std::string, std::string>>& pairs) {
    FileModel model = LoadForWriting(path_);
    const std::vector<SectionSpan> spans = FindSections(model, section);
    if (spans.empty()) {
        std::vector<std::string> body;
        for (const auto& [key, value] : pairs) body.push_back(KeyLine(path_, key, value));
        AppendSection(model, section, body);
    } else {
        // The first section of the name is rewritten in its place and keeps
        // the blank lines that separate it from the next. Its lines that are
        // not key lines keep their places among the keys, lines of unchanged
        // pairs keep their bytes, and later sections of the same name (which
        // no read sees) are left as they are: a rewrite never loses text the
        // user put in the file.
        const SectionSpan& first = spans.front();
        std::vector<FileLine> body =
            SectionRewrite(model, first.header + 1, first.contentEnd, path_).Body(pairs);
        const auto begin = model.lines.begin() + static_cast<std::ptrdiff_t>(first.header + 1);
        const auto end = model.lines.begin() + static_cast<std::ptrdiff_t>(first.contentEnd);
        model.lines.insert(model.lines.erase(begin, end), body.begin(), body.end());
    }
    ReplaceFileContent(path_, model.Text());
}

void IniFile::DeleteKey(const std::string& section, const std::string& key) {
    FileModel model = LoadForWriting(path_);
    const std::vector<SectionSpan> spans = FindSections(model, section);
    if (spans.empty()) return;
    const SectionSpan& first = spans.front();
    bool changed = false;
    for (std::size_t i = first.end; i-- > first.header + 1;) {
        const ParsedLine parsed = ParseLine(model.lines[i].text);
        if (parsed.kind == LineKind::Key && SameName(parsed.name, key)) {
            model.lines.erase(model.lines.begin() + static_cast<std::ptrdiff_t>(i));
            changed = true;
        }
    }
    if (changed) ReplaceFileContent(path_, model.Text());
}

void IniFile::WriteWholeFile(const std::string& content) { ReplaceFileContent(path_, content); }

}  // namespace orvanto
