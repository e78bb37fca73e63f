// AppContext: what every window of the program is given when it opens: the
// settings file, the clock, the prompt and sound services, the time style,
// the time-zone bias, the current colour theme, and the channel on which a
// window announces that it changed the reminders or the settings.
#pragma once

#include <QObject>

#include <functional>
#include <string>

#include "calendar/civil_date.h"
#include "core/clock.h"
#include "core/prompt.h"
#include "core/sound.h"
#include "reminders/descriptions.h"

namespace orvanto {

// Windows announce their changes here; the main window listens and rebuilds
// the month, the pending table or the whole settings state.
class AppEvents : public QObject {
    Q_OBJECT
signals:
    // Records of the "Reminders" section were added, changed or erased.
    void RemindersChanged();
    // Keys of the settings file changed (the settings dialog's "&OK").
    void SettingsChanged();
    // Once a second, at the start of the main window's reminder check: work
    // that runs on the same beat (clock correction) connects here.
    void SecondTick();
};

struct AppContext {
    std::string settingsPath;
    const Clock* clock = nullptr;
    Prompt* prompt = nullptr;
    Sound* sound = nullptr;
    TimeStyle timeStyle;
    // TimeZoneBias in minutes (universal = local + bias) for a "DSTCorrection" value.
    std::function<int(bool dstCorrection)> timeZoneBias;
    // The colour theme in force ("Theme"); the main window keeps it current.
    int themeIndex = 0;
    // "DateFormat" in force: 1 month/day/year, 2 day/month/year; the main
    // window keeps it current.
    int dateFormat = 2;
    AppEvents* events = nullptr;
    // The day the calendar shows (its month, and the day kept when stepping);
    // windows that open at a date start there.
    CivilDate shownDay{};
};

}  // namespace orvanto
