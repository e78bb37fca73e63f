// The "Clock correction" page.
#include "ui/settings/clock_page.h"

#include <QApplication>

#include "clock/server_test.h"
#include "clock/time_servers.h"
#include "places/decimal_text.h"

namespace orvanto {

namespace {

constexpr int kConnectionSettingMax = 999;
constexpr int kConnectionPollMs = 1000;

}  // namespace

std::optional<int> ConnectionSetting(const QString& text) {
    const std::string value = text.toStdString();
    if (!HasOnlyDigitsAndBlanks(value)) return std::nullopt;
    const std::optional<int> number = ParseWholeNumber(value);
    if (!number || *number < 1 || *number > kConnectionSettingMax) return std::nullopt;
    return number;
}

ClockPage::ClockPage(Prompt* prompt, const SettingsDialogServices& services, QWidget* parent)
    : SettingsPage(parent), prompt_(prompt), services_(services) {
    setObjectName(QStringLiteral("ClockPage"));
    timeCorrection_ =
        MakeCheck(this, "TimeCorrectionBox",
                  QStringLiteral("&Enable system time correction through Internet"), QRect(8, 6, 478, 20));
    autoServer_ = MakeCheck(this, "AutoServerBox", QStringLiteral("&Select the best time server available"),
                            QRect(26, 32, 460, 20));
    server_ = new QComboBox(this);
    server_->setObjectName(QStringLiteral("TimeServerBox"));
    server_->setEditable(true);
    server_->setInsertPolicy(QComboBox::NoInsert);
    server_->setGeometry(26, 80, 366, 24);
    for (std::string_view name : BuiltInTimeServers())
        server_->addItem(QString::fromUtf8(name.data(), name.size()));
    serverLabel_ = MakeCaption(this, QStringLiteral("Time Server &name"), QRect(26, 60, 280, 18), server_,
                               "TimeServerLabel");
    test_ = MakeButton(this, "ServerTestButton", QStringLiteral("Test"), QRect(402, 79, 84, 26));

    connection_ =
        MakeGroup(this, "ConnectionGroup", QStringLiteral(" Connection settings "), QRect(8, 120, 478, 84));
    minutes_ = new QLineEdit(connection_);
    minutes_->setObjectName(QStringLiteral("CorrectEveryEdit"));
    minutes_->setGeometry(160, 22, 44, 22);
    minutes_->setMaxLength(4);
    MakeCaption(connection_, QStringLiteral("Correct time e&very"), QRect(12, 24, 146, 18), minutes_);
    MakeCaption(connection_, QStringLiteral("minutes"), QRect(210, 24, 90, 18));
    seconds_ = new QLineEdit(connection_);
    seconds_->setObjectName(QStringLiteral("TimeOutEdit"));
    seconds_->setGeometry(160, 52, 44, 22);
    seconds_->setMaxLength(4);
    MakeCaption(connection_, QStringLiteral("Ti&meout:"), QRect(12, 54, 146, 18), seconds_);
    MakeCaption(connection_, QStringLiteral("seconds"), QRect(210, 54, 90, 18));

    connect(timeCorrection_, &QCheckBox::toggled, this, &ClockPage::UpdateRules);
    connect(autoServer_, &QCheckBox::toggled, this, &ClockPage::UpdateRules);
    connect(test_, &QAbstractButton::clicked, this, &ClockPage::TestServer);
    // "Test" follows the connection while the dialog is open.
    connectionTimer_ = new QTimer(this);
    connectionTimer_->setInterval(kConnectionPollMs);
    connect(connectionTimer_, &QTimer::timeout, this, &ClockPage::UpdateRules);
    connectionTimer_->start();
}

void ClockPage::Load(const IniFile& settings) {
    timeCorrection_->setChecked(DialogBool(settings, kSntpSection, "TimeCorrection"));
    autoServer_->setChecked(DialogBool(settings, kSntpSection, "AutoServer"));
    storedServer_ = DialogText(settings, kSntpSection, "TimeServer");
    server_->setCurrentText(QString::fromStdString(storedServer_));
    storedMinutes_ = DialogInteger(settings, kSntpSection, "CorrectEvery");
    storedSeconds_ = DialogInteger(settings, kSntpSection, "TimeOut");
    minutes_->setText(QString::number(storedMinutes_));
    seconds_->setText(QString::number(storedSeconds_));
    UpdateRules();
}

void ClockPage::Save(std::vector<KeyValue>& values) const {
    const std::string sntp(kSntpSection);
    values.push_back({sntp, "TimeCorrection", BoolText(timeCorrection_->isChecked())});
    values.push_back({sntp, "AutoServer", BoolText(autoServer_->isChecked())});
    values.push_back({sntp, "TimeServer",
                      autoServer_->isChecked() ? storedServer_ : server_->currentText().toStdString()});
    // With the correction off the boxes are not checked: a box that holds no
    // valid number keeps the value it had.
    values.push_back(
        {sntp, "CorrectEvery", IntText(ConnectionSetting(minutes_->text()).value_or(storedMinutes_))});
    values.push_back(
        {sntp, "TimeOut", IntText(ConnectionSetting(seconds_->text()).value_or(storedSeconds_))});
}

void ClockPage::UpdateRules() {
    const bool on = timeCorrection_->isChecked();
    const bool fixedServer = on && !autoServer_->isChecked();
    autoServer_->setEnabled(on);
    connection_->setEnabled(on);
    serverLabel_->setEnabled(fixedServer);
    server_->setEnabled(fixedServer);
    test_->setEnabled(fixedServer && services_.connected && services_.connected());
}

void ClockPage::TestServer() {
    if (!services_.pinger || !prompt_) return;
    const std::string name = server_->currentText().trimmed().toStdString();
    TestTimeServer(name, *services_.pinger, *prompt_, [](bool busy) {
        if (busy) {
            QApplication::setOverrideCursor(Qt::WaitCursor);
        } else {
            QApplication::restoreOverrideCursor();
        }
    });
}

}  // namespace orvanto
