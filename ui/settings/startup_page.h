// The "Startup" page: what the logon entry starts the program for, the
// calendar wallpaper and the tray icon move.
#pragma once

#include <QButtonGroup>
#include <QSlider>

#include "core/prompt.h"
#include "ui/settings/settings_page.h"

namespace orvanto {

class StartupPage : public SettingsPage {
    Q_OBJECT
public:
    StartupPage(const std::string& settingsPath, Prompt* prompt, const SettingsDialogServices& services,
                QWidget* parent = nullptr);
    void Load(const IniFile& settings) override;
    void Save(std::vector<KeyValue>& values) const override;

    // The logon entry the boxes ask for.
    LogonMode Logon() const;
    // The wallpaper state as the controls stand.
    WallpaperOptions Wallpaper() const;
    // Turning the wallpaper off while the desktop showed the calendar asks
    // for the previous wallpaper to come back.
    bool RestoreWallpaperMarked() const { return restoreWallpaper_; }

private:
    void QuitToggled(bool on);
    void MinimizeToggled(bool on);
    void WallpaperToggled(bool on);
    void UpdateWallpaperControls();
    void CustomClicked();

    Prompt* prompt_;
    const SettingsDialogServices& services_;
    std::string settingsPath_;
    QGroupBox* logonGroup_;
    QCheckBox* quit_;
    QCheckBox* minimize_;
    QCheckBox* wallpaper_;
    QCheckBox* generateOnly_;
    QRadioButton* centred_;
    QRadioButton* custom_;
    QSlider* x_;
    QSlider* y_;
    QLabel* xLabel_;
    QLabel* yLabel_;
    QCheckBox* shuffle_;
    bool loading_ = false;
    bool restoreWallpaper_ = false;
};

// The caption of the logon group: " &What to do at logon " and the settings
// file name in brackets.
// A name too long for the width is shortened in its middle.
QString LogonGroupCaption(const std::string& settingsPath);
QString LogonGroupCaption(const std::string& settingsPath, const QFontMetrics& metrics, int width);

inline constexpr const char* kClearMinimizeWarning =
    "If you clear this check box Orvanto will not be able to handle timed events properly, "
    "because the program will be closed after initial event verification.\r\n\r\n"
    "Uncheck this box ONLY if you don't want to use alarms.";
inline constexpr const char* kCustomPositionNotice =
    "The custom position for wallpapers may not work in some systems.\n\n"
    "It may fail mostly on desktops that ignore a wallpaper position, as this feature\n"
    "is not fully supported. Under these circumstances the wallpaper\n"
    "will be centered on screen, ignoring this setting.\n";
inline constexpr const char* kShuffleIconHint = "Moves the tray icon near the clock after program startup.";

}  // namespace orvanto
