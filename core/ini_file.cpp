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

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orvanto {

EIniFileError::EIniFileError(const std::string& path)
    : std::runtime_error("Unable to write to " + path) {}

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

// A value or key written into the file must stay on its line: a line break
// inside it would split it and create lines nobody wrote.
std::string OnOneLine(std::string_view text) {
    std::string result(text);
    for (char& c : result) {
        if (c == '\r' || c == '\n') c = ' ';
    }
    return result;
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
            if (c >= '0' && c <= '9') digit = c - '0';
            else if (c >= 'a' && c <= 'f') digit = c - 'a' + 10;
            else if (c >= 'A' && c <= 'F') digit = c - 'A' + 10;
            else return std::nullopt;
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

struct FileModel {
    std::vector<std::string> lines;
    std::string lineEnd = "\n";

    std::string Text() const {
        std::string text;
        for (const std::string& line : lines) {
            text += line;
            text += lineEnd;
        }
        return text;
    }
};

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
    const std::size_t firstEnd = content->find('\n');
    if (firstEnd != std::string::npos && firstEnd > 0 && (*content)[firstEnd - 1] == '\r') {
        model.lineEnd = "\r\n";
    }
    ForEachLine(*content, [&](std::string_view line) {
        model.lines.emplace_back(line);
        return true;
    });
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
        const ParsedLine parsed = ParseLine(model.lines[i]);
        if (parsed.kind == LineKind::Section) {
            if (open) {
                open->end = i;
                spans.push_back(*open);
                open.reset();
            }
            if (SameName(parsed.name, section)) open = SectionSpan{i, i + 1, i + 1};
        } else if (open && !Trim(model.lines[i]).empty()) {
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
        const ParsedLine parsed = ParseLine(model.lines[i]);
        if (parsed.kind == LineKind::Key && SameName(parsed.name, key)) return i;
    }
    return std::nullopt;
}

// Appends lines as a new section at the end, after an empty line when the
// file does not already end with one.
void AppendSection(FileModel& model, std::string_view section, const std::vector<std::string>& body) {
    if (!model.lines.empty() && !Trim(model.lines.back()).empty()) model.lines.emplace_back();
    model.lines.push_back("[" + OnOneLine(section) + "]");
    model.lines.insert(model.lines.end(), body.begin(), body.end());
}

std::string KeyLine(std::string_view key, std::string_view value) {
    return OnOneLine(key) + "=" + OnOneLine(value);
}

}  // namespace

// ---------------------------------------------------------------------------

IniFile::IniFile(std::string path) : path_(std::move(path)) {}

bool IniFile::Exists() const {
    std::error_code error;
    return std::filesystem::exists(path_, error) && !std::filesystem::is_directory(path_, error);
}

std::string IniFile::ReadString(const std::string& section, const std::string& key,
                                const std::string& defaultValue) const {
    const std::optional<std::string_view> content = ReadWholeFile(path_);
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
        AppendSection(model, section, {KeyLine(key, value)});
    } else if (const auto line = FindKeyLine(model, spans.front(), key)) {
        // Keep the key as the file spells it; only the value changes.
        const std::string_view existing = ParseLine(model.lines[*line]).name;
        model.lines[*line] = KeyLine(existing, value);
    } else {
        const auto at = static_cast<std::ptrdiff_t>(spans.front().contentEnd);
        model.lines.insert(model.lines.begin() + at, KeyLine(key, value));
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
    const std::optional<std::string_view> content = ReadWholeFile(path_);
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
    const std::optional<std::string_view> content = ReadWholeFile(path_);
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
    const std::optional<std::string_view> content = ReadWholeFile(path_);
    if (!content) return pairs;
    // Counting first spares the growth of a large list (thousands of
    // reminder records), whose copies cost more than the second scan.
    std::size_t count = 0;
    ForEachKeyOfSection(*content, section, [&](const ParsedLine&) { return ++count, true; });
    pairs.reserve(count);
    ForEachKeyOfSection(*content, section, [&](const ParsedLine& line) {
        pairs.emplace_back(std::string(line.name),
                           std::string(CutToCharacters(line.value, kMaxTextCharacters)));
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
    std::vector<std::string> body;
    for (const auto& [key, value] : pairs) body.push_back(KeyLine(key, value));

    const std::vector<SectionSpan> spans = FindSections(model, section);
    if (spans.empty()) {
        AppendSection(model, section, body);
    } else {
        // The first section of the name is rewritten in its place and keeps
        // the blank lines that separate it from the next. Lines in it that are
        // not key lines are kept after the new keys, and later sections of the
        // same name (which no read sees) are left as they are: a rewrite never
        // loses text the user put in the file.
        const SectionSpan& first = spans.front();
        for (std::size_t i = first.header + 1; i < first.contentEnd; ++i) {
            if (ParseLine(model.lines[i]).kind == LineKind::Other && !Trim(model.lines[i]).empty()) {
                body.push_back(model.lines[i]);
            }
        }
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
        const ParsedLine parsed = ParseLine(model.lines[i]);
        if (parsed.kind == LineKind::Key && SameName(parsed.name, key)) {
            model.lines.erase(model.lines.begin() + static_cast<std::ptrdiff_t>(i));
            changed = true;
        }
    }
    if (changed) ReplaceFileContent(path_, model.Text());
}

void IniFile::WriteWholeFile(const std::string& content) { ReplaceFileContent(path_, content); }

}  // namespace orvanto
