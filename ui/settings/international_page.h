// The "International" page: date format, week start, holidays, moon phases,
// daylight saving and the timed-event default.
#pragma once

#include "ui/settings/settings_page.h"

namespace orvanto {

class InternationalPage : public SettingsPage {
    Q_OBJECT
public:
    explicit InternationalPage(QWidget* parent = nullptr);
    void Load(const IniFile& settings) override;
    void Save(std::vector<KeyValue>& values) const override;

private:
    std::vector<BoolBinding> bindings_;
    std::vector<QCheckBox*> checks_;
    QRadioButton* monthFirst_;
    QRadioButton* dayFirst_;
    QCheckBox* showMoon_;
    QCheckBox* moonHint_;
};

}  // namespace orvanto
