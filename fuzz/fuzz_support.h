// Shared pieces of the fuzz targets: a private scratch folder on a memory file
// system, files written and read whole, and lines split keeping their endings.
#pragma once

#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

namespace orvanto::fuzz {

// One scratch folder per fuzzing process, below /dev/shm when it exists.
inline const std::filesystem::path& ScratchFolder() {
    static const std::filesystem::path folder = [] {
        const std::filesystem::path base = std::filesystem::exists("/dev/shm")
                                               ? std::filesystem::path("/dev/shm")
                                               : std::filesystem::temp_directory_path();
        std::string pattern = (base / "orvanto-fuzz-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) std::abort();
        return std::filesystem::path(pattern);
    }();
    return folder;
}

inline void WriteBytes(const std::filesystem::path& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

inline std::string ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline std::string_view AsText(const std::uint8_t* data, std::size_t size) {
    return std::string_view(reinterpret_cast<const char*>(data), size);
}

// The lines of a text, each with its own line ending (LF, CR LF or none at
// the end).
inline std::vector<std::string> LinesWithEndings(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) {
            lines.emplace_back(text.substr(start));
            break;
        }
        lines.emplace_back(text.substr(start, end + 1 - start));
        start = end + 1;
    }
    return lines;
}

// Whether `part` appears in `whole` in order (not necessarily next to each other).
inline bool IsSubsequence(const std::vector<std::string>& part, const std::vector<std::string>& whole) {
    std::size_t at = 0;
    for (const std::string& line : whole) {
        if (at < part.size() && line == part[at]) ++at;
    }
    return at == part.size();
}

}  // namespace orvanto::fuzz
