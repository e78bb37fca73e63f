// DesktopBackground: the desktop's wallpaper settings (picture path, tiling,
// style and origin, all as texts) and their reload. On a GNOME desktop they
// map onto org.gnome.desktop.background through gsettings; elsewhere a small
// settings file of our own keeps them, so that the values written can always
// be read back.
#pragma once

#include <memory>
#include <string>

namespace orvanto {

struct WallpaperValues {
    std::string path;           // "Wallpaper": the picture, empty for none
    std::string tile = "0";     // "TileWallpaper": "1" tiled
    std::string style = "0";    // "WallpaperStyle": "0" centred or tiled, "2" stretched
    std::string originX = "0";  // "WallpaperOriginX"
    std::string originY = "0";  // "WallpaperOriginY"
};

class DesktopBackground {
public:
    virtual ~DesktopBackground() = default;
    // The current values; false when they cannot be read.
    virtual bool Read(WallpaperValues& values) const = 0;
    // Stores the values and makes the desktop show them; false on failure.
    virtual bool Write(const WallpaperValues& values) = 0;
};

// The values in a settings file of our own (section "Desktop").
class StoredDesktopBackground : public DesktopBackground {
public:
    explicit StoredDesktopBackground(std::string filePath) : filePath_(std::move(filePath)) {}
    bool Read(WallpaperValues& values) const override;
    bool Write(const WallpaperValues& values) override;

private:
    std::string filePath_;
};

// GNOME's background through the gsettings program: "picture-uri" (and
// "picture-uri-dark") from the path, "picture-options" from tiling and style
// ("wallpaper" tiled, "stretched", else "centered"). GNOME has no origin, so
// the origin is kept in the side store beside it.
class GnomeDesktopBackground : public DesktopBackground {
public:
    GnomeDesktopBackground(std::string gsettingsProgram, std::string sideStorePath);
    bool Read(WallpaperValues& values) const override;
    bool Write(const WallpaperValues& values) override;

    // Whether the program knows the org.gnome.desktop.background schema.
    static bool SchemaAvailable(const std::string& gsettingsProgram);

private:
    bool Get(const std::string& key, std::string& value) const;
    bool Set(const std::string& key, const std::string& value) const;

    std::string program_;
    StoredDesktopBackground side_;
};

// "file:///a/b.bmp" for "/a/b.bmp" and back; an empty path is an empty URI.
std::string FileUriFromPath(const std::string& path);
std::string PathFromFileUri(const std::string& uri);

// The desktop's own service: GNOME's where its schema exists, else the store
// "desktop-background.ini" in the user's configuration folder of the program.
std::unique_ptr<DesktopBackground> MakeDesktopBackground();

}  // namespace orvanto
