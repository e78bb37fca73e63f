// The "Events" page.
#include "ui/settings/events_page.h"

#include <QFileInfo>
#include <QRegularExpressionValidator>

#include <algorithm>

namespace orvanto {

namespace {

int DaysOf(const QLineEdit* edit) { return edit->text().trimmed().toInt(); }

}  // namespace

EventsPage::EventsPage(Prompt* prompt, const SettingsDialogServices& services, QWidget* parent)
    : SettingsPage(parent), prompt_(prompt), services_(services) {
    setObjectName(QStringLiteral("EventsPage"));
    showGhost_ = MakeCheck(this, "ShowGhostBox", QStringLiteral("Show calculated e&vents"),
                           QRect(8, 6, 478, 20), "Grayed displays only future events");
    showGhost_->setTristate(true);
    inBrackets_ =
        MakeCheck(this, "InBracketsBox", QStringLiteral("Enclose calc'ed events in brackets"),
                  QRect(26, 28, 460, 20), "Brackets allow easy identification of calculated events");
    bindings_ = {
        {"IgnorePendingBox", "Ignore pending reminders on e&xiting", nullptr, "Settings", "IgnorePending",
         QRect(8, 54, 478, 20)},
        {"DelayResBox", "&Keep Reminder initially checked", nullptr, "Settings", "DelayRes",
         QRect(8, 76, 478, 20)},
        {"IgnoreDayColorBox", "Days", nullptr, "Settings", "IgnoreDayColor", QRect(26, 170, 90, 20)},
        {"IgnoreWeekColorBox", "Weeks", nullptr, "Settings", "IgnoreWeekColor", QRect(124, 170, 90, 20)},
    };
    checks_ = MakeChecks(this, bindings_);

    expire_ = MakeCheck(this, "ExpireBox", QStringLiteral("Expire the&m after"), QRect(8, 100, 140, 20));
    days_ = new QLineEdit(this);
    days_->setObjectName(QStringLiteral("ExpireEdit"));
    days_->setGeometry(150, 99, 40, 22);
    days_->setMaxLength(3);
    days_->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), days_));
    up_ = new RoundButton(RoundButton::Symbol::ArrowUp, this);
    up_->setObjectName(QStringLiteral("ExpireEditUp"));
    up_->setGeometry(191, 99, 14, 11);
    up_->setFocusPolicy(Qt::NoFocus);
    down_ = new RoundButton(RoundButton::Symbol::ArrowDown, this);
    down_->setObjectName(QStringLiteral("ExpireEditDown"));
    down_->setGeometry(191, 110, 14, 11);
    down_->setFocusPolicy(Qt::NoFocus);
    MakeCaption(this, QStringLiteral("days"), QRect(212, 101, 60, 18));
    ignoreMissed_ = MakeCheck(this, "IgnoreMissedBox", QStringLiteral("Hide missed reminders at st&artup"),
                              QRect(8, 124, 478, 20));
    MakeCaption(this, QStringLiteral("&Don't change colors if event frequency is defined by"),
                QRect(8, 150, 478, 18), checks_[2]);

    QGroupBox* history =
        MakeGroup(this, "HistoryFileGroup", QStringLiteral(" &Events history file (leave blank for none) "),
                  QRect(8, 198, 478, 86));
    historyFile_ = new QLineEdit(history);
    historyFile_->setObjectName(QStringLiteral("HistoryFileEdit"));
    historyFile_->setGeometry(10, 22, 458, 22);
    browse_ = MakeButton(history, "HistoryBrowseButton", QStringLiteral("Browse"), QRect(292, 52, 84, 26));
    view_ = MakeButton(history, "HistoryViewButton", QStringLiteral("View"), QRect(384, 52, 84, 26));

    connect(showGhost_, &QCheckBox::stateChanged, this, &EventsPage::UpdateRules);
    connect(ignoreMissed_, &QCheckBox::toggled, this, &EventsPage::UpdateRules);
    connect(expire_, &QCheckBox::toggled, this, &EventsPage::ExpireToggled);
    connect(up_, &QAbstractButton::clicked, this, [this] { StepDays(1); });
    connect(down_, &QAbstractButton::clicked, this, [this] { StepDays(-1); });
    connect(historyFile_, &QLineEdit::textChanged, this,
            [this](const QString& text) { view_->setEnabled(!text.isEmpty()); });
    connect(browse_, &QAbstractButton::clicked, this, &EventsPage::BrowseHistory);
    connect(view_, &QAbstractButton::clicked, this, &EventsPage::ViewHistory);
}

void EventsPage::Load(const IniFile& settings) {
    const int ghost = DialogInteger(settings, kSettingsSection, "ShowGhost");
    showGhost_->setCheckState(ghost == 0 ? Qt::Unchecked : ghost == 2 ? Qt::PartiallyChecked : Qt::Checked);
    inBrackets_->setChecked(DialogBool(settings, kSettingsSection, "InBrackets"));
    LoadChecks(bindings_, checks_, settings);
    storedDays_ = std::clamp(DialogInteger(settings, kSettingsSection, "ExpireAfter"), 0, kExpireDaysMax);
    ignoreMissed_->setChecked(DialogBool(settings, kSettingsSection, "IgnoreMissed"));
    expire_->setChecked(storedDays_ > 0 && !ignoreMissed_->isChecked());
    ExpireToggled(expire_->isChecked());
    historyFile_->setText(QString::fromStdString(DialogText(settings, kSettingsSection, "HistoryFile")));
    view_->setEnabled(!historyFile_->text().isEmpty());
    UpdateRules();
}

void EventsPage::Save(std::vector<KeyValue>& values) const {
    const std::string settings(kSettingsSection);
    const Qt::CheckState ghost = showGhost_->checkState();
    values.push_back({settings, "ShowGhost",
                      ghost == Qt::Unchecked          ? "0"
                      : ghost == Qt::PartiallyChecked ? "2"
                                                      : "1"});
    values.push_back({settings, "InBrackets", BoolText(inBrackets_->isChecked())});
    SaveChecks(bindings_, checks_, values);
    values.push_back({settings, "ExpireAfter", IntText(expire_->isChecked() ? DaysOf(days_) : 0)});
    values.push_back({settings, "IgnoreMissed", BoolText(ignoreMissed_->isChecked())});
    values.push_back({settings, "HistoryFile", historyFile_->text().toStdString()});
}

void EventsPage::UpdateRules() {
    inBrackets_->setEnabled(showGhost_->checkState() != Qt::Unchecked);
    if (ignoreMissed_->isChecked()) expire_->setChecked(false);
    expire_->setEnabled(!ignoreMissed_->isChecked());
}

void EventsPage::ExpireToggled(bool on) {
    days_->setEnabled(on);
    up_->setEnabled(on);
    down_->setEnabled(on);
    if (on) {
        days_->setText(QString::number(storedDays_));
    } else {
        days_->clear();
    }
}

void EventsPage::StepDays(int step) {
    if (!days_->isEnabled()) return;
    days_->setText(QString::number(std::clamp(DaysOf(days_) + step, 0, kExpireDaysMax)));
}

void EventsPage::BrowseHistory() {
    if (!services_.chooseFile) return;
    FileChoice choice;
    choice.title = QStringLiteral("Event History File");
    choice.filter = QStringLiteral("Log files (*.log *.LOG);;Text files (*.txt *.TXT);;All files (*)");
    choice.defaultSuffix = QStringLiteral("LOG");
    if (!historyFile_->text().isEmpty()) choice.startFolder = QFileInfo(historyFile_->text()).absolutePath();
    if (const std::optional<QString> path = services_.chooseFile(choice)) historyFile_->setText(*path);
}

void EventsPage::ViewHistory() {
    const QString path = historyFile_->text();
    if (path.isEmpty()) return;
    if (!QFileInfo(path).isFile()) {
        if (prompt_) prompt_->ShowMessage(MessageKind::Warning, kMessageTitle, kHistoryFileNotFound);
        return;
    }
    if (services_.viewHistory) services_.viewHistory(path.toStdString());
}

}  // namespace orvanto
