// The six colour themes of the program's windows, 23 colours each, and the
// conversion between stored colour values (red in the low byte) and QColor.
#pragma once

#include <array>
#include <string>
#include <vector>

#include <QColor>

namespace orvanto {

// A stored colour value: red in the low byte, green in the next, blue in the
// next (255 is pure red, 16711680 pure blue).
QColor ColorFromValue(int value);
int ValueFromColor(const QColor& color);

// What each of a theme's 23 colours paints.
enum class ThemeRole {
    WindowBackground = 0,
    Caption1 = 1,
    Caption2 = 2,
    Caption3 = 3,
    DayFace = 4,
    DayPressed = 5,
    DayHotTrack = 6,
    DayLight = 7,
    DayShadow = 8,
    HeaderFace = 9,
    HeaderPressed = 10,
    HeaderHotTrack = 11,
    HeaderLight = 12,
    HeaderShadow = 13,
    ToolFace = 14,
    ToolPressed = 15,
    ToolHotTrack = 16,
    ToolLight = 17,
    ToolShadow = 18,
    TitleDark = 19,
    TitleLight = 20,
    TitleText = 21,
    RoundFace = 22,
};

constexpr int kThemeColorCount = 23;
constexpr int kThemeCount = 6;

// The five colours of a bevelled button.
struct ButtonColors {
    QColor face;
    QColor pressed;
    QColor hotTrack;
    QColor light;
    QColor shadow;
};

// The three families of bevelled buttons a theme colours.
enum class ButtonFamily { Day, Header, Tool };

class Theme {
public:
    // "Theme" outside 0..4 is the last theme, "XP Style".
    static const Theme& ByIndex(int index);
    // The names in index order: "Sky", "Desert", "Aquamarine", "Pumpkin",
    // "Chrome", "XP Style".
    static std::vector<std::string> Names();

    int Index() const { return index_; }
    const std::string& Name() const { return name_; }
    int Value(ThemeRole role) const { return values_[static_cast<int>(role)]; }
    QColor Color(ThemeRole role) const { return ColorFromValue(Value(role)); }
    ButtonColors Buttons(ButtonFamily family) const;

    Theme(int index, std::string name, std::array<int, kThemeColorCount> values)
        : index_(index), name_(std::move(name)), values_(values) {}

private:
    int index_;
    std::string name_;
    std::array<int, kThemeColorCount> values_;
};

}  // namespace orvanto
