// A text measure without fonts for layout tests: every character is half a
// font size wide and a line is 1.15 font sizes high, in pixels of the page's
// resolution.
#pragma once

#include <cmath>
#include <string>

#include "reminders/utf8_text.h"
#include "ui/printing/printed_page.h"

namespace orvanto::test {

class FakeTextMeasure : public TextMeasure {
public:
    explicit FakeTextMeasure(int dotsPerInch) : dpi_(dotsPerInch) {}
    int Width(const std::string& text, const PrintFont& font) const override {
        return static_cast<int>(std::lround(CharacterCount(text) * Pixels(font) * 0.5));
    }
    int Height(const std::string& text, const PrintFont& font) const override {
        return text.empty() ? 0 : static_cast<int>(std::lround(Pixels(font) * 1.15));
    }

private:
    double Pixels(const PrintFont& font) const { return font.pointSize * dpi_ / 72.0; }
    int dpi_;
};

// Printable areas at 600 dots per inch.
inline constexpr PageGeometry kA4Portrait{4961, 7016, 600};
inline constexpr PageGeometry kA4Landscape{7016, 4961, 600};
inline constexpr PageGeometry kLetterPortrait{5100, 6600, 600};
inline constexpr PageGeometry kLetterLandscape{6600, 5100, 600};

}  // namespace orvanto::test
