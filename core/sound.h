// Sound: the plain beep, named desktop sounds and sound files.
#pragma once

#include <string>

namespace orvanto {

class Sound {
public:
    virtual ~Sound() = default;
    virtual void Beep() = 0;
    // A named event sound ("SystemExclamation", "SystemAsterisk", "Minimize",
    // "Maximize"...); nothing happens where the desktop's sound theme has none.
    virtual void PlayEvent(const std::string& name) = 0;
    // Play a sound file; false when it cannot be played.
    virtual bool PlayFile(const std::string& path) = 0;
};

// A sound service that plays nothing (command line, tests).
class SilentSound : public Sound {
public:
    void Beep() override {}
    void PlayEvent(const std::string&) override {}
    bool PlayFile(const std::string&) override { return false; }
};

}  // namespace orvanto
