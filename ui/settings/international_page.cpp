// The "International" page.
#include "ui/settings/international_page.h"

namespace orvanto {

namespace {

constexpr const char* kEasterHint =
    "Ash Wednesday,\nPalm Sunday,\nMaundy Thursday,\nGood Friday,\nHoly Saturday,\nEaster Monday";
constexpr const char* kMinorPhasesHint =
    "Waxing Crescent,\nWaxing Gibbous,\nWaning Gibbous,\nWaning Crescent";

}  // namespace

InternationalPage::InternationalPage(QWidget* parent) : SettingsPage(parent) {
    setObjectName(QStringLiteral("InternationalPage"));
    QGroupBox* format =
        MakeGroup(this, "DateFormatGroup", QStringLiteral(" &Date Format "), QRect(8, 6, 194, 52));
    monthFirst_ = MakeRadio(format, "MonthFirstButton", QStringLiteral("mm/dd/yy"), QRect(12, 22, 86, 20));
    dayFirst_ = MakeRadio(format, "DayFirstButton", QStringLiteral("dd/mm/yy"), QRect(100, 22, 86, 20));

    constexpr int kLeft = 8;
    constexpr int kTop = 64;
    constexpr int kStep = 22;
    constexpr int kWidth = 478;
    const auto row = [&](int n, int indent = 0) {
        return QRect(kLeft + indent, kTop + n * kStep, kWidth - indent, 20);
    };
    bindings_ = {
        {"OldEuropeBox", "&Week begins on Monday", nullptr, "Settings", "OldEurope", row(0)},
        {"EasterRelatedBox", "Show Easter &related holidays", kEasterHint, "Settings", "EasterRelated",
         row(1)},
        {"ShowEasterBox", "Show Easter && &Christmas", nullptr, "Settings", "ShowEaster", row(4)},
        {"ShowThanksBox", "Show Thanks &Giving Day", nullptr, "Settings", "ShowThanks", row(5)},
        {"ShowPesachBox", "Show &Pesach", nullptr, "Settings", "ShowPesach", row(6)},
        {"MinorPhasesBox", "Enable additional moon phases in Astronomical Module", kMinorPhasesHint,
         "Settings", "MinorPhases", row(7)},
        {"DSTCorrectionBox", "&Enable DST correction", nullptr, "Settings", "DSTCorrection", row(8)},
        {"AllTimedBox", "&Timed event initially checked", nullptr, "Settings", "AllTimed", row(9)},
    };
    checks_ = MakeChecks(this, bindings_);
    showMoon_ = MakeCheck(this, "ShowMoonBox", QStringLiteral("&Show Moon phases"), row(2));
    moonHint_ = MakeCheck(this, "MoonHintBox", QStringLiteral("Display Moo&n hints"), row(3, 18));
    connect(showMoon_, &QCheckBox::toggled, moonHint_, &QWidget::setEnabled);
}

void InternationalPage::Load(const IniFile& settings) {
    const bool monthFirst = DialogInteger(settings, kSettingsSection, "DateFormat") == 1;
    monthFirst_->setChecked(monthFirst);
    dayFirst_->setChecked(!monthFirst);
    LoadChecks(bindings_, checks_, settings);
    showMoon_->setChecked(DialogBool(settings, kSettingsSection, "ShowMoon"));
    moonHint_->setChecked(DialogInteger(settings, kSettingsSection, "MoonHint") != 0);
    moonHint_->setEnabled(showMoon_->isChecked());
}

void InternationalPage::Save(std::vector<KeyValue>& values) const {
    const std::string settings(kSettingsSection);
    values.push_back({settings, "DateFormat", monthFirst_->isChecked() ? "1" : "2"});
    SaveChecks(bindings_, checks_, values);
    values.push_back({settings, "ShowMoon", BoolText(showMoon_->isChecked())});
    values.push_back({settings, "MoonHint", BoolText(moonHint_->isChecked())});
}

}  // namespace orvanto
