// The 62 tray icons, drawn at run time: "DAY01" ... "DAY31" a calendar leaf
// with the day number, "RDAY01" ... "RDAY31" the same with a red mark for
// pending reminders.
#pragma once

#include <QIcon>
#include <QString>

namespace orvanto {

// "DAY05", or "RDAY05" when reminders are pending; the day is kept in 1..31.
QString TrayIconName(int day, bool pending);
// The icon of that name, drawn once and kept.
QIcon TrayIcon(int day, bool pending);

}  // namespace orvanto
