// The "General" page.
#include "ui/settings/general_page.h"

#include <QFileInfo>

#include <algorithm>
#include <filesystem>

#include "reminders/reminder_popup.h"
#include "ui/widgets/theme.h"

namespace orvanto {

namespace {

constexpr int kThemeColumns = 3;
constexpr int kHintPauseMin = 1;
constexpr int kHintPauseMax = 20;

QString HintPauseText(int seconds) { return QString::number(seconds) + QStringLiteral(" sec."); }

}  // namespace

bool PlaySoundFileWithRetries(Sound& sound, const std::string& path,
                              const std::function<void(int ms)>& wait) {
    std::error_code error;
    if (!path.empty() && std::filesystem::is_regular_file(path, error)) {
        for (int attempt = 0; attempt < kSoundFileAttempts; ++attempt) {
            if (wait) wait(kSoundFileRetryMs);
            if (sound.PlayFile(path)) return true;
        }
    }
    sound.Beep();
    return false;
}

GeneralPage::GeneralPage(Sound* sound, Prompt* prompt, const SettingsDialogServices& services,
                         QWidget* parent)
    : SettingsPage(parent), sound_(sound), prompt_(prompt), services_(services) {
    setObjectName(QStringLiteral("GeneralPage"));
    QGroupBox* themeGroup =
        MakeGroup(this, "ThemeGroup", QStringLiteral(" Color &Theme "), QRect(8, 6, 478, 72));
    themes_ = new QButtonGroup(this);
    const std::vector<std::string> names = Theme::Names();
    for (int i = 0; i < kThemeCount; ++i) {
        const QRect at(12 + (i % kThemeColumns) * 152, 22 + (i / kThemeColumns) * 22, 120, 20);
        const std::string objectName = "ThemeButton" + std::to_string(i);
        QRadioButton* button =
            MakeRadio(themeGroup, objectName.c_str(), QString::fromStdString(names[i]), at);
        themes_->addButton(button, i);
    }
    connect(themes_, &QButtonGroup::idToggled, this, [this](int id, bool on) {
        if (on) emit ThemeChosen(id);
    });

    savePos_ =
        MakeCheck(this, "SavePosBox", QStringLiteral("Sa&ve window position on exit"), QRect(8, 86, 478, 20));
    minToTray_ = MakeCheck(this, "MinToTrayBox", QStringLiteral("&Minimize to Tray"), QRect(8, 108, 478, 20));

    QGroupBox* sideGroup =
        MakeGroup(this, "SideDaysGroup", QStringLiteral(" &Previous/Next Days "), QRect(8, 134, 234, 52));
    dimmed_ = MakeRadio(sideGroup, "DimmedButton", QStringLiteral("Dimmed"), QRect(12, 22, 84, 20));
    hidden_ = MakeRadio(sideGroup, "HiddenButton", QStringLiteral("Hidden"), QRect(100, 22, 84, 20));

    QGroupBox* hintGroup =
        MakeGroup(this, "HintPauseGroup", QStringLiteral(" Hi&nt Pause "), QRect(250, 134, 236, 52));
    hintPause_ = new QSlider(Qt::Horizontal, hintGroup);
    hintPause_->setObjectName(QStringLiteral("HintPauseBar"));
    hintPause_->setRange(kHintPauseMin, kHintPauseMax);
    hintPause_->setGeometry(10, 22, 150, 22);
    hintPauseLabel_ = MakeCaption(hintGroup, QString(), QRect(168, 24, 62, 18), nullptr, "HintPauseLabel");
    connect(hintPause_, &QSlider::valueChanged, this, &GeneralPage::ShowHintPause);

    QGroupBox* soundGroup =
        MakeGroup(this, "WaveFileGroup", QStringLiteral(" &Reminder Sound File "), QRect(8, 194, 478, 86));
    waveFile_ = new QLineEdit(soundGroup);
    waveFile_->setObjectName(QStringLiteral("WaveFileEdit"));
    waveFile_->setGeometry(10, 22, 458, 22);
    browse_ = MakeButton(soundGroup, "WaveBrowseButton", QStringLiteral("Browse"), QRect(292, 52, 84, 26));
    test_ = MakeButton(soundGroup, "WaveTestButton", QStringLiteral("Test"), QRect(384, 52, 84, 26));
    connect(waveFile_, &QLineEdit::textChanged, this,
            [this](const QString& text) { test_->setEnabled(!text.isEmpty()); });
    connect(browse_, &QAbstractButton::clicked, this, &GeneralPage::BrowseSound);
    connect(test_, &QAbstractButton::clicked, this, &GeneralPage::TestSound);
}

void GeneralPage::Load(const IniFile& settings) {
    const int theme = Theme::ByIndex(DialogInteger(settings, kColorsSection, "Theme")).Index();
    themes_->button(theme)->setChecked(true);
    savePos_->setChecked(DialogBool(settings, kSettingsSection, "SavePos"));
    minToTray_->setChecked(DialogBool(settings, kSettingsSection, "MinToTray"));
    const bool dimmed = DialogInteger(settings, kSettingsSection, "SideDays") == 1;
    dimmed_->setChecked(dimmed);
    hidden_->setChecked(!dimmed);
    hintPause_->setValue(
        std::clamp(DialogInteger(settings, kSettingsSection, "HintPause"), kHintPauseMin, kHintPauseMax));
    ShowHintPause(hintPause_->value());
    waveFile_->setText(QString::fromStdString(DialogText(settings, kSettingsSection, "WaveFile")));
    test_->setEnabled(!waveFile_->text().isEmpty());
}

void GeneralPage::Save(std::vector<KeyValue>& values) const {
    const std::string settings(kSettingsSection);
    values.push_back({settings, "SavePos", BoolText(savePos_->isChecked())});
    values.push_back({settings, "MinToTray", BoolText(minToTray_->isChecked())});
    values.push_back({settings, "SideDays", dimmed_->isChecked() ? "1" : "2"});
    values.push_back({settings, "HintPause", IntText(hintPause_->value())});
    values.push_back({settings, "WaveFile", waveFile_->text().toStdString()});
    values.push_back({std::string(kColorsSection), "Theme", IntText(ThemeIndex())});
}

int GeneralPage::ThemeIndex() const { return std::max(0, themes_->checkedId()); }

void GeneralPage::ShowHintPause(int seconds) { hintPauseLabel_->setText(HintPauseText(seconds)); }

void GeneralPage::BrowseSound() {
    if (!services_.chooseFile) return;
    FileChoice choice;
    choice.title = QStringLiteral("Reminder Sound File");
    choice.filter = QStringLiteral("Wave sound (*.wav *.WAV)");
    choice.defaultSuffix = QStringLiteral("WAV");
    choice.startFolder = QFileInfo(waveFile_->text()).absolutePath();
    if (const std::optional<QString> path = services_.chooseFile(choice)) waveFile_->setText(*path);
}

void GeneralPage::TestSound() {
    const std::string path = waveFile_->text().toStdString();
    if (path.empty()) {
        if (prompt_) prompt_->ShowMessage(MessageKind::Warning, kMessageTitle, kNoWaveDefined);
        return;
    }
    if (sound_) PlaySoundFileWithRetries(*sound_, path, services_.wait);
}

}  // namespace orvanto
