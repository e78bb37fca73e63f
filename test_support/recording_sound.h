// A Sound that plays nothing and writes down what it was asked to play.
#pragma once

#include <string>
#include <vector>

#include "core/sound.h"

namespace orvanto::test {

class RecordingSound : public Sound {
public:
    void Beep() override { ++beeps; }
    void PlayEvent(const std::string& name) override { events.push_back(name); }
    bool PlayFile(const std::string& path) override {
        files.push_back(path);
        return playFileSucceeds;
    }

    int beeps = 0;
    std::vector<std::string> events;
    std::vector<std::string> files;
    bool playFileSucceeds = false;
};

}  // namespace orvanto::test
