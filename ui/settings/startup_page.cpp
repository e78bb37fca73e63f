// The "Startup" page.
#include "ui/settings/startup_page.h"

#include <algorithm>
#include <filesystem>

namespace orvanto {

namespace {

QString PositionText(const char* axis, int value) {
    return QString::fromLatin1(axis) + QStringLiteral(" = ") + QString::number(value);
}

}  // namespace

QString LogonGroupCaption(const std::string& settingsPath) {
    const QString name =
        QString::fromStdString(std::filesystem::path(settingsPath).filename().string()).toUpper();
    return QStringLiteral(" &What to do at logon ") + QStringLiteral(" [") + name + QStringLiteral("] ");
}

QString LogonGroupCaption(const std::string& settingsPath, const QFontMetrics& metrics, int width) {
    const QString full = LogonGroupCaption(settingsPath);
    if (metrics.horizontalAdvance(full) <= width) return full;
    const QString name =
        QString::fromStdString(std::filesystem::path(settingsPath).filename().string()).toUpper();
    const int room = width - metrics.horizontalAdvance(LogonGroupCaption(std::string()));
    return QStringLiteral(" &What to do at logon ") + QStringLiteral(" [") +
           metrics.elidedText(name, Qt::ElideMiddle, std::max(room, 0)) + QStringLiteral("] ");
}

StartupPage::StartupPage(const std::string& settingsPath, Prompt* prompt,
                         const SettingsDialogServices& services, QWidget* parent)
    : SettingsPage(parent), prompt_(prompt), services_(services), settingsPath_(settingsPath) {
    setObjectName(QStringLiteral("StartupPage"));
    QGroupBox* logon = MakeGroup(this, "LogonGroup", LogonGroupCaption(settingsPath), QRect(8, 6, 478, 72));
    logonGroup_ = logon;
    quit_ = MakeCheck(logon, "QuitAtLogonBox", QStringLiteral("Check reminders and quit"),
                      QRect(12, 22, 456, 20));
    minimize_ = MakeCheck(logon, "MinimizeAtLogonBox", QStringLiteral("Check reminders and minimize"),
                          QRect(12, 44, 456, 20));
    connect(quit_, &QCheckBox::toggled, this, &StartupPage::QuitToggled);
    connect(minimize_, &QCheckBox::toggled, this, &StartupPage::MinimizeToggled);

    QGroupBox* group =
        MakeGroup(this, "WallpaperGroup", QStringLiteral(" Wallpap&er options "), QRect(8, 86, 478, 140));
    wallpaper_ = MakeCheck(group, "WallpaperBox", QStringLiteral("Generate a calendar wallpaper at startup "),
                           QRect(12, 22, 456, 20));
    generateOnly_ =
        MakeCheck(group, "GenerateOnlyBox", QStringLiteral("Generate only"), QRect(30, 48, 150, 20));
    centred_ = MakeRadio(group, "CenteredButton", QStringLiteral("Centered"), QRect(30, 72, 150, 20));
    custom_ = MakeRadio(group, "CustomPosButton", QStringLiteral("Custom position"), QRect(30, 96, 150, 20));
    xLabel_ = MakeCaption(group, QString(), QRect(230, 50, 80, 18), nullptr, "XLabel");
    yLabel_ = MakeCaption(group, QString(), QRect(230, 84, 80, 18), nullptr, "YLabel");
    x_ = new QSlider(Qt::Horizontal, group);
    x_->setObjectName(QStringLiteral("XBar"));
    x_->setGeometry(312, 48, 156, 22);
    y_ = new QSlider(Qt::Horizontal, group);
    y_->setObjectName(QStringLiteral("YBar"));
    y_->setGeometry(312, 82, 156, 22);
    const WallpaperPositionRange& range = services_.positionRange;
    x_->setRange(range.minX, range.maxX);
    y_->setRange(range.minY, range.maxY);
    connect(x_, &QSlider::valueChanged, this,
            [this](int value) { xLabel_->setText(PositionText("X", value)); });
    connect(y_, &QSlider::valueChanged, this,
            [this](int value) { yLabel_->setText(PositionText("Y", value)); });
    connect(wallpaper_, &QCheckBox::toggled, this, &StartupPage::WallpaperToggled);
    connect(generateOnly_, &QCheckBox::toggled, this, [this](bool on) {
        if (on) centred_->setChecked(true);
        UpdateWallpaperControls();
    });
    connect(centred_, &QRadioButton::toggled, this, &StartupPage::UpdateWallpaperControls);
    connect(custom_, &QRadioButton::clicked, this, &StartupPage::CustomClicked);

    shuffle_ = MakeCheck(this, "ShuffleIconBox", QStringLiteral("&Move tray icon after program startup"),
                         QRect(8, 236, 478, 20), kShuffleIconHint);
}

void StartupPage::Load(const IniFile& settings) {
    loading_ = true;
    constexpr int kTitleMargin = 24;
    logonGroup_->setTitle(
        LogonGroupCaption(settingsPath_, logonGroup_->fontMetrics(), logonGroup_->width() - kTitleMargin));
    const LogonMode mode =
        services_.logon ? services_.logon->Read(AutostartEntryName(settings.FileName())) : LogonMode::None;
    quit_->setChecked(mode == LogonMode::CheckAndQuit);
    minimize_->setChecked(mode == LogonMode::CheckAndMinimize);

    const int mode3 = DialogInteger(settings, kSettingsSection, "Wallpaper");
    const bool on = mode3 >= kWallpaperGenerateOnly && mode3 <= kWallpaperCustom;
    wallpaper_->setChecked(on);
    generateOnly_->setChecked(mode3 == kWallpaperGenerateOnly);
    centred_->setChecked(mode3 != kWallpaperCustom);
    custom_->setChecked(mode3 == kWallpaperCustom);
    x_->setValue(std::clamp(DialogInteger(settings, kSettingsSection, "WPX"), x_->minimum(), x_->maximum()));
    y_->setValue(std::clamp(DialogInteger(settings, kSettingsSection, "WPY"), y_->minimum(), y_->maximum()));
    xLabel_->setText(PositionText("X", x_->value()));
    yLabel_->setText(PositionText("Y", y_->value()));
    UpdateWallpaperControls();

    shuffle_->setChecked(DialogBool(settings, kSettingsSection, "ShuffleIcon"));
    restoreWallpaper_ = false;
    loading_ = false;
}

void StartupPage::Save(std::vector<KeyValue>& values) const {
    values.push_back({std::string(kSettingsSection), "ShuffleIcon", BoolText(shuffle_->isChecked())});
}

LogonMode StartupPage::Logon() const {
    if (quit_->isChecked()) return LogonMode::CheckAndQuit;
    if (minimize_->isChecked()) return LogonMode::CheckAndMinimize;
    return LogonMode::None;
}

WallpaperOptions StartupPage::Wallpaper() const {
    WallpaperOptions options;
    if (!wallpaper_->isChecked()) return options;
    if (generateOnly_->isChecked()) {
        options.mode = kWallpaperGenerateOnly;
    } else if (custom_->isChecked()) {
        options.mode = kWallpaperCustom;
        options.x = x_->value();
        options.y = y_->value();
    } else {
        options.mode = kWallpaperCentred;
    }
    return options;
}

void StartupPage::QuitToggled(bool on) {
    if (on) minimize_->setChecked(false);
}

void StartupPage::MinimizeToggled(bool on) {
    if (on) {
        quit_->setChecked(false);
        return;
    }
    if (!loading_ && prompt_)
        prompt_->ShowMessage(MessageKind::Warning, kMessageTitle, kClearMinimizeWarning);
}

void StartupPage::WallpaperToggled(bool on) {
    if (loading_) return;
    if (on) {
        generateOnly_->setChecked(false);
        centred_->setChecked(true);
        restoreWallpaper_ = false;
    } else {
        WallpaperValues current;
        if (services_.desktop && services_.desktop->Read(current) && IsCalendarWallpaper(current.path)) {
            restoreWallpaper_ = true;
        }
    }
    UpdateWallpaperControls();
}

void StartupPage::UpdateWallpaperControls() {
    const bool on = wallpaper_->isChecked();
    generateOnly_->setEnabled(on);
    const bool positions = on && !generateOnly_->isChecked();
    centred_->setEnabled(positions);
    custom_->setEnabled(positions);
    const bool sliders = positions && custom_->isChecked();
    for (QWidget* widget : {static_cast<QWidget*>(x_), static_cast<QWidget*>(y_),
                            static_cast<QWidget*>(xLabel_), static_cast<QWidget*>(yLabel_)}) {
        widget->setEnabled(sliders);
    }
}

void StartupPage::CustomClicked() {
    UpdateWallpaperControls();
    if (prompt_) prompt_->ShowMessage(MessageKind::Information, kMessageTitle, kCustomPositionNotice);
}

}  // namespace orvanto
