// IniFile: the profile-file service over the settings file and the other
// INI-layout files of the program.
//
// Each call opens and reads the file afresh (no cache shared between callers),
// so a write anywhere is seen by the next read anywhere. Every write rewrites
// the whole file through a temporary file renamed over the old one, so a crash
// or a full disk never leaves it half written. Lines the service does not
// understand are kept as they are, and existing lines keep their order. A
// write changes no byte of a line it did not rewrite: each line keeps its own
// end (LF or CRLF), new lines take the end of the file's first line, and a
// UTF-8 byte-order mark in front of the file is skipped by reads and kept.
#pragma once

#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace orvanto {

// Raised by every write that fails: "Unable to write to <path>".
class EIniFileError : public std::runtime_error {
public:
    explicit EIniFileError(const std::string& path);
};

class IniFile {
public:
    explicit IniFile(std::string path);

    const std::string& FileName() const { return path_; }
    bool Exists() const;

    // Text values are cut at 1023 characters (never inside a UTF-8 character).
    std::string ReadString(const std::string& section, const std::string& key,
                           const std::string& defaultValue) const;
    // Decimal, or "0x"/"0X" followed by hexadecimal digits; anything else
    // (or a missing key) gives the default.
    int ReadInteger(const std::string& section, const std::string& key, int defaultValue) const;
    // An integer read; any value other than 0 is true.
    bool ReadBool(const std::string& section, const std::string& key, bool defaultValue) const;

    void WriteString(const std::string& section, const std::string& key, const std::string& value);
    void WriteInteger(const std::string& section, const std::string& key, int value);
    void WriteBool(const std::string& section, const std::string& key, bool value);

    bool SectionExists(const std::string& section) const;
    bool ValueExists(const std::string& section, const std::string& key) const;

    // The key names of a section, in file order.
    std::vector<std::string> ReadSection(const std::string& section) const;
    // Every "key=value" line of a section, in file order (key and value
    // trimmed). Section reads give each value whole: the 1023-character cut
    // is a rule of single text reads, and a section read and written back
    // must lose nothing.
    std::vector<std::string> ReadSectionValues(const std::string& section) const;
    // The (key, value) pairs of a section, in file order.
    std::vector<std::pair<std::string, std::string>> ReadSectionPairs(const std::string& section) const;

    void EraseSection(const std::string& section);
    // Erase a section and write it again with these pairs, in one rewrite of
    // the file (the section keeps its place; a missing one is appended). A
    // pair that the section already holds keeps its line byte for byte; the
    // section's other lines (notes, blank lines) keep their places among the
    // pairs. A key that cannot be written as a key line of itself raises
    // EIniFileError, as every writer does, rather than becoming another kind
    // of line.
    void ReplaceSection(const std::string& section,
                        const std::vector<std::pair<std::string, std::string>>& pairs);
    void DeleteKey(const std::string& section, const std::string& key);

    // Write the whole file with exactly this content (used for a new
    // settings file), through the same temporary-file-and-rename path.
    void WriteWholeFile(const std::string& content);

private:
    std::string path_;
};

}  // namespace orvanto
