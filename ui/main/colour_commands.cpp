#include "ui/main/colour_commands.h"

#include <charconv>

#include "core/settings_keys.h"

namespace orvanto {

namespace {

constexpr ColourCommand kColourCommands[] = {
    {"Titles &Foreground", "TitleColor", &ColourSettings::titleColor, false},
    {"Titles &Background", "TitleBColor", &ColourSettings::titleBColor, false},
    {"&Month Buttons", "MonthColor", &ColourSettings::monthColor, false},
    {"&Today", "TodayColor", &ColourSettings::todayColor, false},
    {"Today Borde&r", "TodayFColor", &ColourSettings::todayFColor, false},
    {"&Normal Days", "NormalColor", &ColourSettings::normalColor, true},
    {"&Sundays", "SundayColor", &ColourSettings::sundayColor, true},
    {"R&eminders", "EventsColor", &ColourSettings::eventsColor, true},
    {"Tim&ed Reminders", "TimedEventsColor", &ColourSettings::timedEventsColor, true},
    {"Mi&xed Reminders", "MixedEventsColor", &ColourSettings::mixedEventsColor, true},
    {"&Holidays", "HolidayColor", &ColourSettings::holidayColor, true},
    {"Boo&kmarks", "BookmarkColor", &ColourSettings::bookmarkColor, true},
};

int NewFileColour(const char* key) {
    const SettingKey* entry = FindSettingKey(kColorsSection, key);
    int value = 0;
    if (entry && entry->newFileValue) {
        const std::string_view text = *entry->newFileValue;
        std::from_chars(text.data(), text.data() + text.size(), value);
    }
    return value;
}

}  // namespace

std::span<const ColourCommand> ColourCommandTable() { return kColourCommands; }

ColourSettings DefaultColours(int theme) {
    ColourSettings colours;
    colours.theme = theme;
    for (const ColourCommand& command : kColourCommands) colours.*command.field = NewFileColour(command.key);
    colours.blinkOnToday = false;
    return colours;
}

void WriteColours(IniFile& ini, const ColourSettings& colours) {
    ini.WriteBool("Colors", "BlinkOnToday", colours.blinkOnToday);
    for (const ColourCommand& command : kColourCommands)
        ini.WriteInteger("Colors", command.key, colours.*command.field);
}

QAction* FillColourMenu(QMenu* menu, bool blinkOnToday, const ColourMenuActions& actions) {
    for (const ColourCommand& command : kColourCommands) {
        QAction* item = menu->addAction(QString::fromLatin1(command.caption),
                                        [&command, choose = actions.choose] { choose(command); });
        item->setObjectName(QString::fromLatin1(command.key) + QStringLiteral("Item"));
    }
    menu->addSeparator();
    QAction* blink = menu->addAction(QStringLiteral("&Blink on Today"));
    blink->setObjectName(QStringLiteral("BlinkItem"));
    blink->setCheckable(true);
    blink->setChecked(blinkOnToday);
    QObject::connect(blink, &QAction::triggered, blink, actions.blink);
    menu->addAction(QStringLiteral("&Restore Defaults"), actions.restoreDefaults)
        ->setObjectName(QStringLiteral("RestoreDefaultsItem"));
    return blink;
}

}  // namespace orvanto
