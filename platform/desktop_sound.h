// DesktopSound: the sound service of a Linux desktop. Named events come from
// the freedesktop sound theme and sound files are played through libcanberra;
// the plain beep is the application's beep, handed in by the window layer.
#pragma once

#include <functional>
#include <string>

#include "core/sound.h"

struct ca_context;

namespace orvanto {

class DesktopSound : public Sound {
public:
    explicit DesktopSound(std::function<void()> beep);
    ~DesktopSound() override;
    DesktopSound(const DesktopSound&) = delete;
    DesktopSound& operator=(const DesktopSound&) = delete;

    void Beep() override;
    void PlayEvent(const std::string& name) override;
    bool PlayFile(const std::string& path) override;

    // The freedesktop event id standing in for a named system sound, or an
    // empty text where the theme has nothing for it.
    static std::string ThemeEventFor(const std::string& name);

private:
    std::function<void()> beep_;
    ca_context* context_ = nullptr;
};

}  // namespace orvanto
