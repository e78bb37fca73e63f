// The "Events" page: calculated events, pending and missed reminders, the
// colour exceptions and the event history file.
#pragma once

#include <QLineEdit>

#include "core/prompt.h"
#include "ui/settings/settings_page.h"
#include "ui/widgets/round_button.h"

namespace orvanto {

class EventsPage : public SettingsPage {
    Q_OBJECT
public:
    EventsPage(Prompt* prompt, const SettingsDialogServices& services, QWidget* parent = nullptr);
    void Load(const IniFile& settings) override;
    void Save(std::vector<KeyValue>& values) const override;

    std::vector<BevelButton*> Buttons() const { return {browse_, view_}; }
    std::vector<RoundButton*> Arrows() const { return {up_, down_}; }

private:
    void UpdateRules();
    void ExpireToggled(bool on);
    void StepDays(int step);
    void BrowseHistory();
    void ViewHistory();

    Prompt* prompt_;
    const SettingsDialogServices& services_;
    std::vector<BoolBinding> bindings_;
    std::vector<QCheckBox*> checks_;
    QCheckBox* showGhost_;
    QCheckBox* inBrackets_;
    QCheckBox* expire_;
    QLineEdit* days_;
    RoundButton* up_;
    RoundButton* down_;
    QCheckBox* ignoreMissed_;
    QLineEdit* historyFile_;
    BevelButton* browse_;
    BevelButton* view_;
    int storedDays_ = 0;
};

inline constexpr const char* kHistoryFileNotFound = "History file not found.";
inline constexpr int kExpireDaysMax = 999;

}  // namespace orvanto
