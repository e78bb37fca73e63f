// The program services the reminder engine works through: the prompt for
// popups and message boxes, the sound, the clock, and what the engine must
// know of the popup window's look.
#pragma once

#include <functional>
#include <string>

#include "core/clock.h"
#include "core/prompt.h"
#include "core/sound.h"

namespace orvanto {

struct PopupLook {
    // Pixels per inch of the screen the popup is shown on.
    int pixelsPerInch = 96;
    // Whether the text, in the memo's font of that size and weight, is
    // narrower than twice the memo's width. Without one, a text of at most
    // kNarrowTextCharacters characters counts as narrow.
    std::function<bool(const std::string& text, int points, bool bold)> narrowerThanTwoMemoWidths;
};

// Characters of an average text that fill two lines of the popup's memo.
inline constexpr std::size_t kNarrowTextCharacters = 64;

struct ReminderServices {
    Prompt& prompt;
    Sound& sound;
    const Clock& clock;
    PopupLook look{};
    // Waits between attempts to play the reminder sound file; none: no wait.
    std::function<void(int milliseconds)> wait{};
};

}  // namespace orvanto
