// The "General" page: colour theme, window position, tray, neighbour days,
// hint pause and the reminder sound file.
#pragma once

#include <QButtonGroup>
#include <QLineEdit>
#include <QSlider>

#include "core/prompt.h"
#include "core/sound.h"
#include "ui/settings/settings_page.h"
#include "ui/widgets/bevel_button.h"

namespace orvanto {

class GeneralPage : public SettingsPage {
    Q_OBJECT
public:
    GeneralPage(Sound* sound, Prompt* prompt, const SettingsDialogServices& services,
                QWidget* parent = nullptr);
    void Load(const IniFile& settings) override;
    void Save(std::vector<KeyValue>& values) const override;

    int ThemeIndex() const;
    std::vector<BevelButton*> Buttons() const { return {browse_, test_}; }

signals:
    // A theme was chosen: the dialog repaints itself in it at once.
    void ThemeChosen(int themeIndex);

private:
    void BrowseSound();
    void TestSound();
    void ShowHintPause(int seconds);

    Sound* sound_;
    Prompt* prompt_;
    const SettingsDialogServices& services_;
    QButtonGroup* themes_;
    QCheckBox* savePos_;
    QCheckBox* minToTray_;
    QRadioButton* dimmed_;
    QRadioButton* hidden_;
    QSlider* hintPause_;
    QLabel* hintPauseLabel_;
    QLineEdit* waveFile_;
    BevelButton* browse_;
    BevelButton* test_;
};

// Plays a sound file as the reminder popup does: when the file exists, up to
// 11 tries, each after a wait of 500 ms, until one succeeds; a missing file,
// or one that never plays, gives the plain beep. True when it played.
bool PlaySoundFileWithRetries(Sound& sound, const std::string& path, const std::function<void(int ms)>& wait);

inline constexpr const char* kNoWaveDefined = "No WAV defined.";

}  // namespace orvanto
