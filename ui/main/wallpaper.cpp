// The wallpaper calendar: bitmap, desktop values, previous wallpaper.
#include "ui/main/wallpaper.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPixmap>
#include <QSaveFile>
#include <QWidget>

namespace orvanto {

namespace {

constexpr const char* kSettings = "Settings";

}  // namespace

std::string WallpaperBitmapPath(const std::string& programFolder) {
    return QDir(QString::fromStdString(programFolder))
        .filePath(QString::fromLatin1(kWallpaperFileName))
        .toStdString();
}

WallpaperValues WallpaperValuesFor(const std::string& path, int mode, int x, int y) {
    WallpaperValues values;
    values.path = path;
    values.tile = mode == 0 ? "1" : "0";
    values.style = mode == 2 ? "2" : "0";
    values.originX = mode == 3 ? std::to_string(x) : "0";
    values.originY = mode == 3 ? std::to_string(y) : "0";
    return values;
}

bool SetDesktopWallpaper(DesktopBackground& desktop, const std::string& path, int mode, int x, int y) {
    return desktop.Write(WallpaperValuesFor(path, mode, x, y));
}

bool SaveWindowBitmap(QWidget& window, const std::string& path) {
    const QImage image = window.grab().toImage().convertToFormat(QImage::Format_RGB888);
    // Written beside and moved into place, so that a failed write leaves the
    // previous picture whole.
    QSaveFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly)) return false;
    if (!image.save(&file, "BMP")) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

std::string WallpaperWriteErrorText(const std::string& path) { return "Unable to write to " + path; }

bool GenerateWallpaper(QWidget& window, const WallpaperOptions& options, const std::string& programFolder,
                       DesktopBackground& desktop, Prompt* prompt) {
    if (options.mode <= kWallpaperOff) return true;
    const auto refuse = [prompt](const std::string& text) {
        if (prompt) prompt->ShowMessage(MessageKind::Error, kMessageTitle, text);
        return false;
    };
    const std::string path = WallpaperBitmapPath(programFolder);
    if (!SaveWindowBitmap(window, path)) return refuse(WallpaperWriteErrorText(path));
    bool set = true;
    if (options.mode == kWallpaperCentred) set = SetDesktopWallpaper(desktop, path, 1, 0, 0);
    if (options.mode == kWallpaperCustom) set = SetDesktopWallpaper(desktop, path, 3, options.x, options.y);
    return set || refuse(kDesktopWallpaperErrorText);
}

bool IsCalendarWallpaper(const std::string& path) {
    return QFileInfo(QString::fromStdString(path))
               .fileName()
               .compare(QString::fromLatin1(kWallpaperFileName), Qt::CaseInsensitive) == 0;
}

void SwitchWallpaperOn(const DesktopBackground& desktop, IniFile& settings, const WallpaperOptions& options) {
    WallpaperValues current;
    if (!desktop.Read(current)) current = WallpaperValues{};
    if (QString::fromStdString(current.path).contains(QString::fromLatin1(kWallpaperFileName))) {
        current = WallpaperValues{};
    }
    if (!current.path.empty()) {
        settings.WriteString(kSettings, "OldWallpaper", current.path);
        settings.WriteString(kSettings, "OldWallpaperTile", current.tile);
        settings.WriteString(kSettings, "OldWallpaperStyle", current.style);
    }
    settings.WriteInteger(kSettings, "Wallpaper", options.mode);
    settings.WriteInteger(kSettings, "WPX", options.mode == kWallpaperCustom ? options.x : 0);
    settings.WriteInteger(kSettings, "WPY", options.mode == kWallpaperCustom ? options.y : 0);
}

bool RestorePreviousWallpaper(DesktopBackground& desktop, const IniFile& settings) {
    WallpaperValues current;
    if (!desktop.Read(current) || !IsCalendarWallpaper(current.path)) return true;
    const std::string old = settings.ReadString(kSettings, "OldWallpaper", "");
    if (old.empty()) return SetDesktopWallpaper(desktop, std::string(), 1, 0, 0);
    WallpaperValues previous;
    previous.path = old;
    previous.tile = settings.ReadString(kSettings, "OldWallpaperTile", "0");
    previous.style = settings.ReadString(kSettings, "OldWallpaperStyle", "0");
    return desktop.Write(previous);
}

WallpaperPositionRange CustomPositionRange(const QRect& availableArea, const QSize& windowSize) {
    WallpaperPositionRange range;
    range.minX = availableArea.left();
    range.minY = availableArea.top();
    range.maxX = std::max(range.minX, availableArea.left() + availableArea.width() - windowSize.width());
    range.maxY = std::max(range.minY, availableArea.top() + availableArea.height() - windowSize.height());
    return range;
}

}  // namespace orvanto
