// What a failed check or a finished operation tells the user, as data: the
// message box, the sound before it and the control that gets the focus.
// The windows deliver it; tests read it.
#pragma once

#include <string>

#include "core/prompt.h"
#include "core/sound.h"

namespace orvanto {

enum class BeepKind {
    None,         // no sound
    Simple,       // the plain beep
    Exclamation,  // the desktop's exclamation sound
    Information,  // the desktop's information sound
};

template <typename Focus>
struct Feedback {
    MessageKind kind = MessageKind::Information;
    std::string text;
    BeepKind beep = BeepKind::None;
    Focus focus{};
};

// Plays the sound of `beep`.
void PlayBeep(Sound& sound, BeepKind beep);

// Plays the sound, then shows the message box.
template <typename Focus>
void Deliver(const Feedback<Focus>& feedback, Prompt& prompt, Sound& sound) {
    PlayBeep(sound, feedback.beep);
    prompt.ShowMessage(feedback.kind, kMessageTitle, feedback.text);
}

}  // namespace orvanto
