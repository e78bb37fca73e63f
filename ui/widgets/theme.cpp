// The colour theme table and its lookups.
#include "ui/widgets/theme.h"

namespace orvanto {

namespace {

// One row per theme; columns are the 23 roles of ThemeRole in order.
const std::array<Theme, kThemeCount>& ThemeTable() {
    static const std::array<Theme, kThemeCount> table = {
        Theme(0, "Sky", {16244675, 16244675, 16234101, 15519380, 16234101, 15519380, 16572096, 16574164,
                         16711680, 16744448, 16572096, 16234101, 16776960, 16711680, 12632256, 16777215,
                         14606046, 16777215, 8421504,  16711680, 16777215, 16711680, 16744512}),
        Theme(1, "Desert", {14215660, 9817538,  8632490,  8435368, 8632490,  8435368, 11128779, 14215660,
                            32768,    4041626,  11128779, 7786697, 14215660, 32768,   12632256, 16777215,
                            14606046, 16777215, 8421504,  32768,   16777215, 5891803, 3445894}),
        Theme(2, "Aquamarine",
              {16376025, 14984828, 13664336, 15519380, 16099160, 15519380, 15519380, 16244675,
               16711680, 15519380, 15519380, 16776960, 16244675, 16711680, 12632256, 16777215,
               14606046, 16777215, 8421504,  16711680, 16777215, 16099160, 15695205}),
        Theme(3, "Pumpkin", {14151930, 10013920, 2990299,  30182,    10013920, 2990299,  6338275,  14151930,
                             128,      2990299,  14609391, 10013920, 14151930, 128,      12632256, 16777215,
                             14606046, 16777215, 8421504,  128,      16777215, 10013920, 30182}),
        Theme(4, "Chrome", {15460842, 16118001, 11447982, 14933984, 13158600, 12632256, 15790320, 16777215,
                            8421504,  11447982, 15790320, 14933984, 16777215, 8421504,  10013920, 2990299,
                            6338275,  11206655, 128,      8421504,  16777215, 15790320, 8947848}),
        Theme(5, "XP Style", {14215660, 14963712, 16234101, 16099160, 10013920, 2152936,  6338275,  11206655,
                              128,      16099160, 15519380, 15519380, 16244675, 16711680, 12632256, 16777215,
                              14606046, 16777215, 8421504,  16711680, 16777215, 16234101, 15695205}),
    };
    return table;
}

}  // namespace

QColor ColorFromValue(int value) {
    const auto v = static_cast<unsigned>(value);
    return QColor(static_cast<int>(v & 0xFF), static_cast<int>((v >> 8) & 0xFF),
                  static_cast<int>((v >> 16) & 0xFF));
}

int ValueFromColor(const QColor& color) { return color.red() | (color.green() << 8) | (color.blue() << 16); }

const Theme& Theme::ByIndex(int index) {
    const auto& table = ThemeTable();
    if (index < 0 || index > 4) return table[5];
    return table[static_cast<std::size_t>(index)];
}

std::vector<std::string> Theme::Names() {
    std::vector<std::string> names;
    for (const Theme& theme : ThemeTable()) names.push_back(theme.Name());
    return names;
}

ButtonColors Theme::Buttons(ButtonFamily family) const {
    int first = static_cast<int>(ThemeRole::DayFace);
    if (family == ButtonFamily::Header) first = static_cast<int>(ThemeRole::HeaderFace);
    if (family == ButtonFamily::Tool) first = static_cast<int>(ThemeRole::ToolFace);
    auto at = [&](int offset) { return ColorFromValue(values_[first + offset]); };
    return ButtonColors{at(0), at(1), at(2), at(3), at(4)};
}

}  // namespace orvanto
