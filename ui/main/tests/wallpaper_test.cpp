// The wallpaper calendar: the bitmap equals the window, the desktop values of
// each mode, the previous wallpaper kept and given back, the position range,
// and the GNOME mapping through a stand-in gsettings program.
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QTemporaryDir>
#include <QWidget>

#include <gtest/gtest.h>

#include "core/scripted_prompt.h"
#include "platform/desktop_background.h"
#include "ui/main/wallpaper.h"
#include "ui/tests/ui_test_support.h"

namespace orvanto {
namespace {

// A desktop that remembers what it was given.
class RecordingDesktop : public DesktopBackground {
public:
    bool Read(WallpaperValues& values) const override {
        values = current;
        return readable;
    }
    bool Write(const WallpaperValues& values) override {
        current = values;
        ++writes;
        return true;
    }
    WallpaperValues current;
    bool readable = true;
    int writes = 0;
};

class PaintedWindow : public QWidget {
public:
    PaintedWindow() {
        setFixedSize(356, 444);
        setAutoFillBackground(true);
        QPalette p = palette();
        p.setColor(QPalette::Window, QColor(40, 90, 160));
        setPalette(p);
        auto* label = new QLabel(QStringLiteral("February 2015"), this);
        label->setGeometry(20, 30, 200, 24);
    }
};

TEST(Wallpaper, GenerateOnlyWritesTheWindowAsItIsShownAndLeavesTheDesktopAlone) {
    test::Application();
    QTemporaryDir folder;
    PaintedWindow window;
    RecordingDesktop desktop;
    ASSERT_TRUE(
        GenerateWallpaper(window, {kWallpaperGenerateOnly, 0, 0}, folder.path().toStdString(), desktop));
    const QString file = folder.filePath(QStringLiteral("Orvanto.bmp"));
    QFile raw(file);
    ASSERT_TRUE(raw.open(QIODevice::ReadOnly));
    EXPECT_EQ(raw.read(2), QByteArray("BM"));
    const QImage saved(file);
    ASSERT_EQ(saved.size(), QSize(356, 444));
    const QImage shown = window.grab().toImage().convertToFormat(QImage::Format_RGB888);
    EXPECT_EQ(saved.convertToFormat(QImage::Format_RGB888), shown);
    EXPECT_EQ(desktop.writes, 0);
}

TEST(Wallpaper, OffWritesNothing) {
    test::Application();
    QTemporaryDir folder;
    PaintedWindow window;
    RecordingDesktop desktop;
    EXPECT_TRUE(GenerateWallpaper(window, {kWallpaperOff, 0, 0}, folder.path().toStdString(), desktop));
    EXPECT_FALSE(QFile::exists(folder.filePath(QStringLiteral("Orvanto.bmp"))));
}

TEST(Wallpaper, CentredAndCustomModesSetTheDesktop) {
    test::Application();
    QTemporaryDir folder;
    PaintedWindow window;
    RecordingDesktop desktop;
    const std::string bitmap = WallpaperBitmapPath(folder.path().toStdString());
    ASSERT_TRUE(GenerateWallpaper(window, {kWallpaperCustom, 100, 50}, folder.path().toStdString(), desktop));
    EXPECT_EQ(desktop.current.path, bitmap);
    EXPECT_EQ(desktop.current.tile, "0");
    EXPECT_EQ(desktop.current.style, "0");
    EXPECT_EQ(desktop.current.originX, "100");
    EXPECT_EQ(desktop.current.originY, "50");
    ASSERT_TRUE(
        GenerateWallpaper(window, {kWallpaperCentred, 100, 50}, folder.path().toStdString(), desktop));
    EXPECT_EQ(desktop.current.originX, "0");
    EXPECT_EQ(desktop.current.style, "0");
}

TEST(Wallpaper, DesktopValuesOfEachMode) {
    struct Case {
        int mode;
        const char* tile;
        const char* style;
        const char* x;
        const char* y;
    };
    for (const Case& c : {Case{0, "1", "0", "0", "0"}, Case{1, "0", "0", "0", "0"},
                          Case{2, "0", "2", "0", "0"}, Case{3, "0", "0", "7", "9"}}) {
        const WallpaperValues v = WallpaperValuesFor("/p/Orvanto.bmp", c.mode, 7, 9);
        EXPECT_EQ(v.path, "/p/Orvanto.bmp");
        EXPECT_EQ(v.tile, c.tile) << c.mode;
        EXPECT_EQ(v.style, c.style) << c.mode;
        EXPECT_EQ(v.originX, c.x) << c.mode;
        EXPECT_EQ(v.originY, c.y) << c.mode;
    }
}

TEST(Wallpaper, AnUnwritableBitmapIsReported) {
    test::Application();
    PaintedWindow window;
    RecordingDesktop desktop;
    EXPECT_FALSE(GenerateWallpaper(window, {kWallpaperCentred, 0, 0}, "/nonexistent/folder/below", desktop));
    EXPECT_EQ(desktop.writes, 0);

    // With the program's prompt (the first paint, a change of date): an error box.
    ScriptedPrompt prompt;
    for (int mode : {kWallpaperGenerateOnly, kWallpaperCentred, kWallpaperCustom}) {
        prompt.Clear();
        EXPECT_FALSE(GenerateWallpaper(window, {mode, 0, 0}, "/nonexistent/folder/below", desktop, &prompt));
        ASSERT_EQ(prompt.Log().size(), 1u) << mode;
        EXPECT_EQ(prompt.Log()[0].messageKind, MessageKind::Error);
        EXPECT_EQ(prompt.Log()[0].text, "Unable to write to /nonexistent/folder/below/Orvanto.bmp");
    }
}

// A desktop whose settings cannot be written.
class LockedDesktop : public DesktopBackground {
public:
    bool Read(WallpaperValues&) const override { return false; }
    bool Write(const WallpaperValues&) override { return false; }
};

TEST(Wallpaper, DesktopSettingsThatCannotBeWrittenAreReported) {
    test::Application();
    PaintedWindow window;
    LockedDesktop desktop;
    QTemporaryDir folder;
    ScriptedPrompt prompt;
    EXPECT_TRUE(GenerateWallpaper(window, {kWallpaperGenerateOnly, 0, 0}, folder.path().toStdString(),
                                  desktop, &prompt));
    EXPECT_TRUE(prompt.Log().empty()) << "generate only never touches the desktop";
    EXPECT_FALSE(
        GenerateWallpaper(window, {kWallpaperCentred, 0, 0}, folder.path().toStdString(), desktop, &prompt));
    EXPECT_EQ(prompt.Texts(), std::vector<std::string>{"Unable to write to the desktop wallpaper settings"});
}

TEST(Wallpaper, SwitchingOnKeepsTheUsersWallpaperButNeverTheCalendar) {
    test::SettingsFolder settings;
    IniFile ini = settings.Ini();
    RecordingDesktop desktop;
    desktop.current = {"/home/u/beach.jpg", "0", "0", "0", "0"};
    SwitchWallpaperOn(desktop, ini, {kWallpaperCustom, 12, 34});
    EXPECT_EQ(ini.ReadString("Settings", "OldWallpaper", ""), "/home/u/beach.jpg");
    EXPECT_EQ(ini.ReadString("Settings", "OldWallpaperTile", ""), "0");
    EXPECT_EQ(ini.ReadInteger("Settings", "Wallpaper", -1), 3);
    EXPECT_EQ(ini.ReadInteger("Settings", "WPX", -1), 12);
    EXPECT_EQ(ini.ReadInteger("Settings", "WPY", -1), 34);

    desktop.current = {"/opt/orvanto/Orvanto.bmp", "0", "0", "0", "0"};
    SwitchWallpaperOn(desktop, ini, {kWallpaperCentred, 12, 34});
    EXPECT_EQ(ini.ReadString("Settings", "OldWallpaper", ""), "/home/u/beach.jpg");
    EXPECT_EQ(ini.ReadInteger("Settings", "WPX", -1), 0);
}

TEST(Wallpaper, SwitchingOffGivesThePreviousWallpaperBackOnlyFromTheCalendar) {
    test::SettingsFolder settings;
    IniFile ini = settings.Ini();
    ini.WriteString("Settings", "OldWallpaper", "/home/u/beach.jpg");
    ini.WriteString("Settings", "OldWallpaperTile", "0");
    ini.WriteString("Settings", "OldWallpaperStyle", "0");
    RecordingDesktop desktop;
    desktop.current = {"/home/u/other.png", "1", "0", "0", "0"};
    ASSERT_TRUE(RestorePreviousWallpaper(desktop, ini));
    EXPECT_EQ(desktop.writes, 0) << "another picture is left alone";

    desktop.current = {"/opt/orvanto/orvanto.BMP", "0", "0", "100", "50"};
    ASSERT_TRUE(RestorePreviousWallpaper(desktop, ini));
    EXPECT_EQ(desktop.current.path, "/home/u/beach.jpg");
    EXPECT_EQ(desktop.current.tile, "0") << "centred comes back centred";
    EXPECT_EQ(desktop.current.style, "0");
    EXPECT_EQ(desktop.current.originX, "0");

    ini.WriteString("Settings", "OldWallpaper", "");
    desktop.current = {"/opt/orvanto/Orvanto.bmp", "0", "0", "0", "0"};
    ASSERT_TRUE(RestorePreviousWallpaper(desktop, ini));
    EXPECT_EQ(desktop.current.path, "");
}

TEST(Wallpaper, CustomPositionRangeFromTheAvailableArea) {
    const WallpaperPositionRange top = CustomPositionRange(QRect(0, 30, 1024, 738), QSize(356, 444));
    EXPECT_EQ(top.minX, 0);
    EXPECT_EQ(top.minY, 30);
    EXPECT_EQ(top.maxX, 1024 - 356);
    EXPECT_EQ(top.maxY, 768 - 444);
    const WallpaperPositionRange left = CustomPositionRange(QRect(64, 0, 960, 768), QSize(356, 444));
    EXPECT_EQ(left.minX, 64);
    EXPECT_EQ(left.maxX, 1024 - 356);
    const WallpaperPositionRange tiny = CustomPositionRange(QRect(0, 0, 300, 300), QSize(356, 444));
    EXPECT_EQ(tiny.maxX, 0);
    EXPECT_EQ(tiny.maxY, 0);
}

TEST(DesktopBackground, OwnStoreKeepsWhatWasWritten) {
    QTemporaryDir folder;
    StoredDesktopBackground store(folder.filePath(QStringLiteral("sub/desktop.ini")).toStdString());
    WallpaperValues none;
    ASSERT_TRUE(store.Read(none));
    EXPECT_EQ(none.path, "");
    ASSERT_TRUE(store.Write(WallpaperValuesFor("/x/Orvanto.bmp", 3, 100, 50)));
    WallpaperValues back;
    ASSERT_TRUE(store.Read(back));
    EXPECT_EQ(back.path, "/x/Orvanto.bmp");
    EXPECT_EQ(back.originX, "100");
    EXPECT_EQ(back.originY, "50");
}

// A gsettings stand-in: logs its arguments and answers "get" from a file.
TEST(DesktopBackground, GnomeValuesThroughGsettings) {
    QTemporaryDir folder;
    const QString log = folder.filePath(QStringLiteral("calls.log"));
    const QString program = folder.filePath(QStringLiteral("gsettings"));
    {
        QFile script(program);
        ASSERT_TRUE(script.open(QIODevice::WriteOnly));
        script.write(
            QStringLiteral(
                "#!/bin/sh\necho \"$@\" >> '%1'\n"
                "case \"$1 $3\" in\n"
                "  'list-schemas ') echo org.gnome.desktop.interface; echo org.gnome.desktop.background ;;\n"
                "  'get picture-uri') echo \"'file:///home/u/my%20beach.jpg'\" ;;\n"
                "  'get picture-options') echo \"'wallpaper'\" ;;\n"
                "esac\n")
                .arg(log)
                .toUtf8());
        script.close();
        script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    EXPECT_TRUE(GnomeDesktopBackground::SchemaAvailable(program.toStdString()));
    GnomeDesktopBackground gnome(program.toStdString(),
                                 folder.filePath(QStringLiteral("side.ini")).toStdString());
    WallpaperValues current;
    ASSERT_TRUE(gnome.Read(current));
    EXPECT_EQ(current.path, "/home/u/my beach.jpg");
    EXPECT_EQ(current.tile, "1");

    ASSERT_TRUE(gnome.Write(WallpaperValuesFor("/opt/o/Orvanto.bmp", 1, 0, 0)));
    QFile calls(log);
    ASSERT_TRUE(calls.open(QIODevice::ReadOnly));
    const QString all = QString::fromUtf8(calls.readAll());
    EXPECT_TRUE(all.contains(
        QStringLiteral("set org.gnome.desktop.background picture-uri file:///opt/o/Orvanto.bmp")))
        << all.toStdString();
    EXPECT_TRUE(all.contains(QStringLiteral("set org.gnome.desktop.background picture-options centered")));
}

}  // namespace
}  // namespace orvanto
