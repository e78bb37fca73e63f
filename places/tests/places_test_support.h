// Test doubles of the place tests: a prompt that answers from a script and
// records every message, a sound that records what it played, a temporary
// folder, and whole-file helpers.
#pragma once

#include <cstdlib>
#include <deque>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "core/prompt.h"
#include "core/sound.h"
#include "places/add_city.h"

namespace orvanto::test {

struct ShownMessage {
    MessageKind kind;
    std::string title;
    std::string text;
    bool question;
};

class ScriptedPrompt : public Prompt {
public:
    void ShowMessage(MessageKind kind, const std::string& title, const std::string& text) override {
        shown.push_back({kind, title, text, false});
    }
    bool Ask(MessageKind kind, const std::string& title, const std::string& text) override {
        shown.push_back({kind, title, text, true});
        if (answers.empty()) return false;
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }
    ReminderPopupAnswer Popup(const ReminderPopupRequest&) override { return {}; }

    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (const ShownMessage& message : shown) texts.push_back(message.text);
        return texts;
    }

    std::deque<bool> answers;
    std::vector<ShownMessage> shown;
};

class RecordingSound : public Sound {
public:
    void Beep() override { played.push_back("beep"); }
    void PlayEvent(const std::string& name) override { played.push_back(name); }
    bool PlayFile(const std::string& path) override {
        played.push_back(path);
        return true;
    }
    std::vector<std::string> played;
};

class ScriptedRegionChooser : public RegionChooser {
public:
    explicit ScriptedRegionChooser(std::optional<int> answer) : answer_(answer) {}
    std::optional<int> ChooseRegion() override {
        ++opened;
        return answer_;
    }
    int opened = 0;

private:
    std::optional<int> answer_;
};

class TempFolder {
public:
    TempFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "orvanto-places-XXXXXX").string();
        path_ = mkdtemp(pattern.data());
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    std::filesystem::path File(const std::string& name) const { return path_ / name; }

private:
    std::filesystem::path path_;
};

inline void WriteFileBytes(const std::filesystem::path& path, const std::string& content) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(content.data(), static_cast<std::streamsize>(content.size()));
}

inline std::string ReadFileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace orvanto::test
