#include "reminders/history.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

namespace orvanto {

bool AppendHistory(const std::string& historyFile, const std::string& line) {
    if (historyFile.empty()) return true;
    std::error_code error;
    const bool exists = std::filesystem::exists(historyFile, error);
    std::FILE* file = std::fopen(historyFile.c_str(), "a");
    if (file == nullptr) return false;
    std::string text;
    if (!exists) text = std::string(kHistoryHeader) + "\n";
    text += line + "\n";
    const bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
    const bool closed = std::fclose(file) == 0;
    return written && closed;
}

}  // namespace orvanto
