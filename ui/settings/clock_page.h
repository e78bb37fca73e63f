// The "Clock correction" page: the keys of section "SNTP", the enabling
// rules of the page and the server test.
#pragma once

#include <QComboBox>
#include <QLineEdit>
#include <QTimer>

#include "core/prompt.h"
#include "ui/settings/settings_page.h"

namespace orvanto {

class ClockPage : public SettingsPage {
    Q_OBJECT
public:
    ClockPage(Prompt* prompt, const SettingsDialogServices& services, QWidget* parent = nullptr);
    void Load(const IniFile& settings) override;
    void Save(std::vector<KeyValue>& values) const override;

    bool TimeCorrection() const { return timeCorrection_->isChecked(); }
    bool AutoServer() const { return autoServer_->isChecked(); }
    QLineEdit* MinutesBox() const { return minutes_; }
    QLineEdit* SecondsBox() const { return seconds_; }
    QComboBox* ServerBox() const { return server_; }
    BevelButton* TestButton() const { return test_; }
    // The enabling rules, with a fresh connection check.
    void UpdateRules();

private:
    void TestServer();

    Prompt* prompt_;
    const SettingsDialogServices& services_;
    QCheckBox* timeCorrection_;
    QCheckBox* autoServer_;
    QLabel* serverLabel_;
    QComboBox* server_;
    BevelButton* test_;
    QGroupBox* connection_;
    QLineEdit* minutes_;
    QLineEdit* seconds_;
    QTimer* connectionTimer_;
    std::string storedServer_;
    int storedMinutes_ = 60;
    int storedSeconds_ = 30;
};

inline constexpr const char* kCorrectionTimeRange = "Correction time must be between 1 and 999 minutes.";
inline constexpr const char* kServerTimeoutRange = "Server timeout must be between 1 and 999 seconds.";
inline constexpr const char* kServerNameBlank =
    "Server name cannot be blank when automatic selection is disabled.";

// The number of a minutes or seconds box: only digits and blanks, 1..999;
// nothing otherwise.
std::optional<int> ConnectionSetting(const QString& text);

}  // namespace orvanto
