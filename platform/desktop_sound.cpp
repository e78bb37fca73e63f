#include "platform/desktop_sound.h"

#include <filesystem>
#include <utility>

#ifdef ORVANTO_HAVE_CANBERRA
#include <canberra.h>
#endif

namespace orvanto {

DesktopSound::DesktopSound(std::function<void()> beep) : beep_(std::move(beep)) {
#ifdef ORVANTO_HAVE_CANBERRA
    if (ca_context_create(&context_) != CA_SUCCESS) context_ = nullptr;
#endif
}

DesktopSound::~DesktopSound() {
#ifdef ORVANTO_HAVE_CANBERRA
    if (context_) ca_context_destroy(context_);
#endif
}

void DesktopSound::Beep() {
    if (beep_) beep_();
}

std::string DesktopSound::ThemeEventFor(const std::string& name) {
    struct Pair {
        const char* system;
        const char* theme;
    };
    static const Pair kEvents[] = {
        {"SystemExclamation", "dialog-warning"}, {"SystemAsterisk", "dialog-information"},
        {"SystemHand", "dialog-error"},          {"SystemQuestion", "dialog-question"},
        {"Minimize", "window-minimized"},        {"Maximize", "window-maximized"},
        {"RestoreUp", "window-unminimized"},
    };
    for (const Pair& pair : kEvents) {
        if (name == pair.system) return pair.theme;
    }
    return {};
}

void DesktopSound::PlayEvent(const std::string& name) {
#ifdef ORVANTO_HAVE_CANBERRA
    const std::string event = ThemeEventFor(name);
    if (context_ && !event.empty()) {
        ca_context_play(context_, 0, CA_PROP_EVENT_ID, event.c_str(), nullptr);
    }
#else
    (void)name;
#endif
}

bool DesktopSound::PlayFile(const std::string& path) {
    std::error_code error;
    if (path.empty() || !std::filesystem::is_regular_file(path, error)) return false;
#ifdef ORVANTO_HAVE_CANBERRA
    return context_ &&
           ca_context_play(context_, 0, CA_PROP_MEDIA_FILENAME, path.c_str(), nullptr) == CA_SUCCESS;
#else
    return false;
#endif
}

}  // namespace orvanto
