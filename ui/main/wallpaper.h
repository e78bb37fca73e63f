// The calendar on the desktop: the main window's picture saved as
// "Orvanto.bmp" beside the program, and the desktop wallpaper set to it,
// centred or at a chosen position, and given back when the option goes off.
#pragma once

#include <QRect>
#include <QSize>
#include <QString>

#include <string>

#include "core/ini_file.h"
#include "core/prompt.h"
#include "platform/desktop_background.h"

class QWidget;

namespace orvanto {

inline constexpr const char* kWallpaperFileName = "Orvanto.bmp";

// "Wallpaper": 0 off, 1 generate only, 2 centred, 3 at "WPX", "WPY".
enum WallpaperMode {
    kWallpaperOff = 0,
    kWallpaperGenerateOnly = 1,
    kWallpaperCentred = 2,
    kWallpaperCustom = 3
};

struct WallpaperOptions {
    int mode = kWallpaperOff;
    int x = 0;
    int y = 0;
};

// The bitmap's path in the program's folder.
std::string WallpaperBitmapPath(const std::string& programFolder);

// The desktop values for a mode: 0 tiled, 1 centred, 2 stretched, 3 centred
// at (x, y); the path in every mode.
WallpaperValues WallpaperValuesFor(const std::string& path, int mode, int x, int y);
bool SetDesktopWallpaper(DesktopBackground& desktop, const std::string& path, int mode, int x, int y);

// Saves exactly what the window shows as a Windows bitmap; false when the
// file cannot be written.
bool SaveWindowBitmap(QWidget& window, const std::string& path);

// The error box of a bitmap that cannot be written: "Unable to write to "
// and its path, as every failed write of the program says.
std::string WallpaperWriteErrorText(const std::string& path);
// The error box of desktop settings that cannot be written.
inline constexpr const char* kDesktopWallpaperErrorText = "Unable to write to the desktop wallpaper settings";

// When the mode is above 0: saves the window's picture as "Orvanto.bmp" in
// the folder and, in modes 2 and 3, makes it the wallpaper. False when the
// file or the desktop settings could not be written; with a prompt, the
// failure is also shown in its error box (the calendar goes on either way).
// Every caller that runs with a user in front of it (the first paint, the
// change of date) passes the program's prompt.
bool GenerateWallpaper(QWidget& window, const WallpaperOptions& options, const std::string& programFolder,
                       DesktopBackground& desktop, Prompt* prompt = nullptr);

// Whether a wallpaper path is the calendar's own bitmap (its file name,
// compared case-insensitively, is "Orvanto.bmp").
bool IsCalendarWallpaper(const std::string& path);

// Switching the option on: keeps the user's current wallpaper in
// "OldWallpaper", "OldWallpaperTile", "OldWallpaperStyle" (unless it is the
// calendar itself or none), and writes "Wallpaper", "WPX", "WPY".
void SwitchWallpaperOn(const DesktopBackground& desktop, IniFile& settings, const WallpaperOptions& options);

// Switching the option off: when the desktop shows the calendar, puts the
// stored previous wallpaper back (or none). False when writing failed.
bool RestorePreviousWallpaper(DesktopBackground& desktop, const IniFile& settings);

// The custom-position range: the top-left corner of the calendar may go from
// (minimum x, minimum y) to (maximum x, maximum y) within the screen's
// available area (the area left by docked panels).
struct WallpaperPositionRange {
    int minX = 0;
    int minY = 0;
    int maxX = 0;
    int maxY = 0;
};
WallpaperPositionRange CustomPositionRange(const QRect& availableArea, const QSize& windowSize);

}  // namespace orvanto
