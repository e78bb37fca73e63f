// The colour commands of the "Font &Colors" submenu: for each its caption,
// the key of section "Colors" it changes and the colour setting behind it;
// the colours "&Restore Defaults" puts back.
#pragma once

#include <QMenu>

#include <functional>
#include <span>

#include "core/ini_file.h"
#include "core/settings.h"

namespace orvanto {

struct ColourCommand {
    const char* caption;
    const char* key;
    int ColourSettings::*field;
    // Whether the month's days are painted again after a change (the title,
    // month button and today colours are applied without a repaint).
    bool repaintsMonth;
};

std::span<const ColourCommand> ColourCommandTable();

// The colours of a new settings file (the settings key table), in the theme given.
ColourSettings DefaultColours(int theme);

// Writes "BlinkOnToday" and every colour of the table.
void WriteColours(IniFile& ini, const ColourSettings& colours);

// What the submenu's items do.
struct ColourMenuActions {
    std::function<void(const ColourCommand&)> choose;
    std::function<void(bool on)> blink;
    std::function<void()> restoreDefaults;
};

// Fills the submenu: a colour item per command ("<key>Item"), "&Blink on
// Today" (checkable, "BlinkItem", returned) and "&Restore Defaults".
QAction* FillColourMenu(QMenu* menu, bool blinkOnToday, const ColourMenuActions& actions);

}  // namespace orvanto
