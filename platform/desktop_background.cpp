// DesktopBackground: gsettings on GNOME, our own store elsewhere.
#include "platform/desktop_background.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>
#include <QUrl>

#include "core/ini_file.h"

namespace orvanto {

namespace {

constexpr const char* kSection = "Desktop";
constexpr const char* kSchema = "org.gnome.desktop.background";
constexpr int kProgramWaitMs = 5000;

// Runs the program; its standard output, or nothing when it failed.
bool Run(const std::string& program, const QStringList& arguments, std::string* output = nullptr) {
    QProcess process;
    process.start(QString::fromStdString(program), arguments);
    if (!process.waitForFinished(kProgramWaitMs)) {
        process.kill();
        process.waitForFinished(kProgramWaitMs);
        return false;
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) return false;
    if (output) *output = process.readAllStandardOutput().trimmed().toStdString();
    return true;
}

// gsettings prints strings quoted: 'text'.
std::string Unquote(std::string text) {
    if (text.size() >= 2 && text.front() == '\'' && text.back() == '\'')
        return text.substr(1, text.size() - 2);
    return text;
}

std::string PictureOptions(const WallpaperValues& values) {
    if (values.tile == "1") return "wallpaper";
    if (values.style == "2") return "stretched";
    return "centered";
}

void FromPictureOptions(const std::string& options, WallpaperValues& values) {
    values.tile = options == "wallpaper" ? "1" : "0";
    values.style = options == "stretched" || options == "zoom" || options == "scaled" ? "2" : "0";
}

}  // namespace

bool StoredDesktopBackground::Read(WallpaperValues& values) const {
    try {
        IniFile ini(filePath_);
        values.path = ini.ReadString(kSection, "Wallpaper", "");
        values.tile = ini.ReadString(kSection, "TileWallpaper", "0");
        values.style = ini.ReadString(kSection, "WallpaperStyle", "0");
        values.originX = ini.ReadString(kSection, "WallpaperOriginX", "0");
        values.originY = ini.ReadString(kSection, "WallpaperOriginY", "0");
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

bool StoredDesktopBackground::Write(const WallpaperValues& values) {
    try {
        QDir().mkpath(QFileInfo(QString::fromStdString(filePath_)).absolutePath());
        IniFile ini(filePath_);
        ini.WriteString(kSection, "Wallpaper", values.path);
        ini.WriteString(kSection, "TileWallpaper", values.tile);
        ini.WriteString(kSection, "WallpaperStyle", values.style);
        ini.WriteString(kSection, "WallpaperOriginX", values.originX);
        ini.WriteString(kSection, "WallpaperOriginY", values.originY);
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

GnomeDesktopBackground::GnomeDesktopBackground(std::string gsettingsProgram, std::string sideStorePath)
    : program_(std::move(gsettingsProgram)), side_(std::move(sideStorePath)) {}

bool GnomeDesktopBackground::Get(const std::string& key, std::string& value) const {
    std::string output;
    if (!Run(program_, {QStringLiteral("get"), QString::fromLatin1(kSchema), QString::fromStdString(key)},
             &output)) {
        return false;
    }
    value = Unquote(output);
    return true;
}

bool GnomeDesktopBackground::Set(const std::string& key, const std::string& value) const {
    return Run(program_, {QStringLiteral("set"), QString::fromLatin1(kSchema), QString::fromStdString(key),
                          QString::fromStdString(value)});
}

bool GnomeDesktopBackground::Read(WallpaperValues& values) const {
    std::string uri;
    std::string options;
    if (!Get("picture-uri", uri) || !Get("picture-options", options)) return false;
    WallpaperValues origin;
    side_.Read(origin);
    values.path = PathFromFileUri(uri);
    FromPictureOptions(options, values);
    values.originX = origin.originX;
    values.originY = origin.originY;
    return true;
}

bool GnomeDesktopBackground::Write(const WallpaperValues& values) {
    const std::string uri = FileUriFromPath(values.path);
    // picture-uri-dark exists from GNOME 42 on; older desktops lack it.
    Set("picture-uri-dark", uri);
    const bool written = Set("picture-uri", uri) &&
                         Set("picture-options", values.path.empty() ? "none" : PictureOptions(values));
    side_.Write(values);
    return written;
}

bool GnomeDesktopBackground::SchemaAvailable(const std::string& gsettingsProgram) {
    std::string schemas;
    if (!Run(gsettingsProgram, {QStringLiteral("list-schemas")}, &schemas)) return false;
    return QString::fromStdString(schemas).split(QLatin1Char('\n')).contains(QString::fromLatin1(kSchema));
}

std::string FileUriFromPath(const std::string& path) {
    if (path.empty()) return std::string();
    return QUrl::fromLocalFile(QString::fromStdString(path)).toString(QUrl::FullyEncoded).toStdString();
}

std::string PathFromFileUri(const std::string& uri) {
    if (uri.empty()) return std::string();
    const QUrl url(QString::fromStdString(uri));
    return url.isLocalFile() ? url.toLocalFile().toStdString() : uri;
}

std::unique_ptr<DesktopBackground> MakeDesktopBackground() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    const std::string store =
        QDir(folder.isEmpty() ? QDir::homePath() + QStringLiteral("/.config/orvanto") : folder)
            .filePath(QStringLiteral("desktop-background.ini"))
            .toStdString();
    const QString gsettings = QStandardPaths::findExecutable(QStringLiteral("gsettings"));
    if (!gsettings.isEmpty() && GnomeDesktopBackground::SchemaAvailable(gsettings.toStdString())) {
        return std::make_unique<GnomeDesktopBackground>(gsettings.toStdString(), store);
    }
    return std::make_unique<StoredDesktopBackground>(store);
}

}  // namespace orvanto
