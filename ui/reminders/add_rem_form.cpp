// TAddRemForm: the "Add Event" dialog.
#include "ui/reminders/add_rem_form.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QShortcut>
#include <QTimer>

#include <algorithm>

#include "calendar/date_text.h"
#include "calendar/day_number.h"
#include "calendar/serial_date.h"
#include "calendar/twelve_hour.h"
#include "calendar/valid_date.h"
#include "calendar/weekday.h"
#include "core/ini_file.h"
#include "reminders/reminder_services.h"
#include "reminders/reminder_store.h"
#include "ui/help/help_window.h"
#include "ui/widgets/fonts.h"
#include "ui/widgets/placed_controls.h"

namespace orvanto {

namespace {

constexpr QSize kClientSize(400, 336);
// The least height of the tab pages; more when the style's tab bar needs it.
constexpr int kPagesHeight = 124;
constexpr const char* kWeekdayNames = "SunMonTueWedThuFriSat";
constexpr int kMessageLimit = 128;

int FieldValue(const QLineEdit* edit, bool* present = nullptr) {
    const QString text = edit->text().trimmed();
    if (present) *present = !text.isEmpty();
    return text.toInt();
}

int DayNumberOf(const QDate& date) { return DayNumber(date.year(), date.month(), date.day()); }

}  // namespace

TAddRemForm::TAddRemForm(AddReminderContext context, const CivilDate& day, bool timed, QWidget* parent)
    : ThemedDialog(QStringLiteral("Add Event"), kClientSize, parent), context_(std::move(context)) {
    setObjectName(QStringLiteral("TAddRemForm"));
    MakeModalToItsParent(*this);
    setFont(PixelFont(FontFace::Tahoma, 11));
    BuildControls();

    const int firstValue = MonthFirst(context_.dateFormat) ? day.month : day.day;
    const int secondValue = MonthFirst(context_.dateFormat) ? day.day : day.month;
    first_->edit->setText(QString::number(firstValue));
    second_->edit->setText(QString::number(secondValue));
    year_->edit->setText(QString::number(day.year));
    warning_->edit->setText(QStringLiteral("0"));

    // A year before the event; 29 February becomes 1 March.
    QDate yearBefore =
        day.month == 2 && day.day == 29 ? QDate(day.year - 1, 3, 1) : QDate(day.year - 1, day.month, day.day);
    startDate_->setDate(yearBefore);
    limitDate_->setDate(QDate(day.year, 12, 31));

    noRepeat_->setChecked(true);
    timed_->setChecked(timed || context_.allTimed);
    TypeChanged();
    RepeatChanged();
    TimedChanged();
    UpdateWeekday();
    UpdateOk();
    ApplyTheme(context_.themeIndex);
}

NumberField* TAddRemForm::MakeField(const char* name, int x, int y, int width, int digits, int low, int high,
                                    const char* message, QWidget* parent) {
    auto* field = new NumberField(name, QRect(x, y, width, 20), QSize(12, 10), digits, low, high, parent);
    field->edit->installEventFilter(this);
    field->refusal = message;
    connect(field->up, &QAbstractButton::clicked, this, [this, field] { Step(*field, 1); });
    connect(field->down, &QAbstractButton::clicked, this, [this, field] { Step(*field, -1); });
    fields_.push_back(field);
    return field;
}

void TAddRemForm::BuildControls() {
    const bool monthFirst = MonthFirst(context_.dateFormat);
    MakeLabel(QStringLiteral("&Date"), QRect(10, 36, 40, 16), this);
    first_ = MakeField("FirstDateEdit", 54, 34, 26, 2, 1, monthFirst ? 12 : 31, "Invalid Date", this);
    second_ = MakeField("SecondDateEdit", 98, 34, 26, 2, 1, monthFirst ? 31 : 12, "Invalid Date", this);
    year_ =
        MakeField("YearEdit", 142, 34, 40, 4, kFirstCalendarYear, kLastCalendarYear, "Invalid Date", this);
    findChild<QLabel*>()->setBuddy(first_->edit);
    MakeLabel(monthFirst ? QStringLiteral("Month") : QStringLiteral("Day"), QRect(54, 55, 40, 14), this);
    MakeLabel(monthFirst ? QStringLiteral("Day") : QStringLiteral("Month"), QRect(98, 55, 40, 14), this);
    MakeLabel(QStringLiteral("Year"), QRect(142, 55, 40, 14), this);
    weekday_ = MakeLabel(QString(), QRect(202, 36, 34, 16), this);
    weekday_->setObjectName(QStringLiteral("WeekdayLabel"));

    type_ = new QComboBox(this);
    type_->setObjectName(QStringLiteral("TypeList"));
    type_->addItems({QStringLiteral("Reminder"), QStringLiteral("Holiday"), QStringLiteral("Bookmark")});
    type_->setGeometry(290, 34, 100, 22);
    MakeLabel(QStringLiteral("&Type"), QRect(252, 37, 36, 16), this, type_);

    message_ = new QPlainTextEdit(this);
    message_->setObjectName(QStringLiteral("MessageMemo"));
    message_->setGeometry(10, 90, 380, 40);
    message_->setTabChangesFocus(true);
    message_->installEventFilter(this);
    MakeLabel(QStringLiteral("Me&ssage"), QRect(10, 73, 80, 16), this, message_);

    timed_ = new QCheckBox(QStringLiteral("Ti&med Event"), this);
    timed_->setObjectName(QStringLiteral("TimedBox"));
    timed_->setGeometry(10, 138, 110, 20);
    MakeLabel(QStringLiteral("Hour"), QRect(128, 140, 30, 16), this);
    hour_ = MakeField("HourEdit", 160, 138, 24, 2, 0, HourHigh(), "Invalid Time", this);
    MakeLabel(QStringLiteral("Min."), QRect(204, 140, 30, 16), this);
    minute_ = MakeField("MinuteEdit", 234, 138, 24, 2, 0, 59, "Invalid Time", this);
    amPm_ = new QComboBox(this);
    amPm_->setObjectName(QStringLiteral("AmPmList"));
    amPm_->addItems({QStringLiteral("AM"), QStringLiteral("PM")});
    amPm_->setGeometry(282, 137, 60, 22);

    pages_ = new QTabWidget(this);
    pages_->setObjectName(QStringLiteral("Pages"));
    pages_->setGeometry(10, 166, 380, 124);
    general_ = new QWidget;
    general_->setObjectName(QStringLiteral("GeneralPage"));
    advanced_ = new QWidget;
    advanced_->setObjectName(QStringLiteral("AdvancedPage"));
    pages_->addTab(general_, QStringLiteral("General"));
    pages_->addTab(advanced_, QStringLiteral("Advanced"));

    MakeLabel(QStringLiteral("W&arning"), QRect(8, 8, 54, 16), general_);
    warning_ = MakeField("WarningEdit", 64, 6, 24, 2, 0, 99,
                         "Warnings must be between 0 and 99 days before the event.", general_);
    general_->findChildren<QLabel*>().first()->setBuddy(warning_->edit);
    MakeLabel(QStringLiteral("days before the event"), QRect(106, 8, 160, 16), general_);
    noRepeat_ = new QRadioButton(QStringLiteral("No &Repeat"), general_);
    noRepeat_->setObjectName(QStringLiteral("NoRepeatBox"));
    noRepeat_->setGeometry(8, 32, 100, 18);
    repeatEvery_ = new QRadioButton(QStringLiteral("Repeat E&very"), general_);
    repeatEvery_->setObjectName(QStringLiteral("RepeatEveryBox"));
    repeatEvery_->setGeometry(8, 54, 104, 18);
    every_ = MakeField("EveryEdit", 114, 53, 30, 3, 1, 99, "Value must be between 1 and 99.", general_);
    unit_ = new QComboBox(general_);
    unit_->setObjectName(QStringLiteral("UnitList"));
    unit_->addItems(
        {QStringLiteral("years"), QStringLiteral("months"), QStringLiteral("weeks"), QStringLiteral("days")});
    unit_->setGeometry(162, 52, 80, 22);
    repeatOn_ = new QRadioButton(QStringLiteral("Repeat O&n"), general_);
    repeatOn_->setObjectName(QStringLiteral("RepeatOnBox"));
    repeatOn_->setGeometry(8, 78, 90, 18);
    which_ = new QComboBox(general_);
    which_->setObjectName(QStringLiteral("WhichList"));
    which_->addItems({QStringLiteral("All"), QStringLiteral("1st"), QStringLiteral("2nd"),
                      QStringLiteral("3rd"), QStringLiteral("4th"), QStringLiteral("Last")});
    which_->setGeometry(100, 76, 60, 22);
    weekdayList_ = new QComboBox(general_);
    weekdayList_->setObjectName(QStringLiteral("WeekdayList"));
    weekdayList_->addItems({QStringLiteral("Sunday"), QStringLiteral("Monday"), QStringLiteral("Tuesday"),
                            QStringLiteral("Wednesday"), QStringLiteral("Thursday"), QStringLiteral("Friday"),
                            QStringLiteral("Saturday")});
    weekdayList_->setGeometry(164, 76, 92, 22);
    monthList_ = new QComboBox(general_);
    monthList_->setObjectName(QStringLiteral("MonthList"));
    monthList_->addItem(QStringLiteral("Every month"));
    for (int m = 1; m <= 12; ++m) monthList_->addItem(QLocale(QLocale::English).standaloneMonthName(m));
    monthList_->setGeometry(260, 76, 104, 22);

    const QString pickerFormat = QString::fromStdString(DatePickerPattern(context_.dateFormat));
    useStart_ = new QCheckBox(QStringLiteral("&Use start date"), advanced_);
    useStart_->setObjectName(QStringLiteral("UseStartBox"));
    useStart_->setGeometry(8, 8, 130, 20);
    startDate_ = new QDateEdit(advanced_);
    startDate_->setObjectName(QStringLiteral("StartDatePicker"));
    startDate_->setDisplayFormat(pickerFormat);
    startDate_->setMinimumDate(QDate(1, 1, 1));
    startDate_->setGeometry(150, 7, 110, 22);
    limit_ = new QCheckBox(QStringLiteral("&Limit event repetitions"), advanced_);
    limit_->setObjectName(QStringLiteral("LimitBox"));
    limit_->setGeometry(8, 34, 200, 20);
    dateLimit_ = new QRadioButton(QStringLiteral("Date limit: Up to"), advanced_);
    dateLimit_->setObjectName(QStringLiteral("DateLimitBox"));
    dateLimit_->setGeometry(24, 58, 124, 18);
    limitDate_ = new QDateEdit(advanced_);
    limitDate_->setObjectName(QStringLiteral("LimitDatePicker"));
    limitDate_->setDisplayFormat(pickerFormat);
    limitDate_->setMinimumDate(QDate(1, 1, 1));
    limitDate_->setGeometry(150, 56, 110, 22);
    countLimit_ = new QRadioButton(QStringLiteral("Count limit: Times"), advanced_);
    countLimit_->setObjectName(QStringLiteral("CountLimitBox"));
    countLimit_->setGeometry(24, 82, 124, 18);
    count_ = MakeField("CountEdit", 150, 81, 26, 2, 1, 99, "Value should be between 1 and 99", advanced_);
    count_->edit->setText(QStringLiteral("1"));

    ok_ = new BevelButton(this);
    ok_->setObjectName(QStringLiteral("OKButton"));
    ok_->setText(QStringLiteral("&OK"));
    cancel_ = new BevelButton(this);
    cancel_->setObjectName(QStringLiteral("CancelButton2"));
    cancel_->setText(QStringLiteral("C&ancel"));
    help_ = new BevelButton(this);
    help_->setObjectName(QStringLiteral("HelpButton"));
    help_->setText(QStringLiteral("&Help"));
    FitPagesAndButtons();

    connect(type_, &QComboBox::currentIndexChanged, this, &TAddRemForm::TypeChanged);
    for (QRadioButton* box : {noRepeat_, repeatEvery_, repeatOn_}) {
        connect(box, &QRadioButton::toggled, this, [this](bool on) {
            if (on) RepeatChanged();
        });
    }
    connect(limit_, &QCheckBox::toggled, this, &TAddRemForm::LimitChanged);
    connect(dateLimit_, &QRadioButton::toggled, this, &TAddRemForm::LimitChanged);
    connect(timed_, &QCheckBox::toggled, this, &TAddRemForm::TimedChanged);
    connect(useStart_, &QCheckBox::toggled, startDate_, &QWidget::setEnabled);
    connect(message_, &QPlainTextEdit::textChanged, this, [this] {
        if (message_->toPlainText().size() > kMessageLimit) {
            QString text = message_->toPlainText().left(kMessageLimit);
            message_->setPlainText(text);
            message_->moveCursor(QTextCursor::End);
        }
        UpdateOk();
    });
    for (NumberField* field : {first_, second_, year_}) {
        connect(field->edit, &QLineEdit::textChanged, this, &TAddRemForm::UpdateWeekday);
    }
    connect(ok_, &QAbstractButton::clicked, this, &TAddRemForm::PressOk);
    connect(cancel_, &QAbstractButton::clicked, this, &QDialog::reject);
    connect(help_, &QAbstractButton::clicked, this, [] { ShowHelpTopic(kAddEventsHelpTopic); });
    // F1 anywhere in the dialog is "&Help", as in the program's other windows.
    auto* helpKey = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(helpKey, &QShortcut::activated, this, [] { ShowHelpTopic(kAddEventsHelpTopic); });
    // Enter presses OK (when it is enabled); Escape cancels.
    disconnect(DefaultButton(), &QPushButton::clicked, this, &QDialog::accept);
    connect(DefaultButton(), &QPushButton::clicked, this, [this] {
        if (ok_->isEnabled()) PressOk();
    });
}

void TAddRemForm::FitPagesAndButtons() {
    // Each page asks for room down to its lowest control; the tab widget adds
    // what its tab bar and frame take in the style in use, so no row is cut.
    constexpr int kPageMargin = 6;
    for (QWidget* page : {general_, advanced_}) {
        QRect used;
        for (const QWidget* child : page->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            used |= child->geometry();
        }
        page->setMinimumSize(used.right() + 1 + kPageMargin, used.bottom() + 1 + kPageMargin);
    }
    const QRect pagesAt(10, 166, kClientSize.width() - 20,
                        std::max(kPagesHeight, pages_->minimumSizeHint().height()));
    pages_->setGeometry(pagesAt);
    const int buttonsTop = pagesAt.bottom() + 1 + 8;
    ok_->setGeometry(130, buttonsTop, 80, 28);
    cancel_->setGeometry(220, buttonsTop, 80, 28);
    help_->setGeometry(310, buttonsTop, 80, 28);
    setFixedSize(kClientSize.width(), buttonsTop + 28 + 10);
}

void TAddRemForm::ApplyTheme(int themeIndex) {
    ThemedDialog::ApplyTheme(themeIndex);
    const Theme& theme = Theme::ByIndex(themeIndex);
    for (BevelButton* button : {ok_, cancel_, help_}) button->SetColors(theme.Buttons(ButtonFamily::Day));
    for (NumberField* field : fields_) field->SetButtonFace(theme.Color(ThemeRole::RoundFace));
}

void TAddRemForm::Step(NumberField& field, int step) {
    if (!field.edit->isEnabled()) return;
    bool present = false;
    const int value = FieldValue(field.edit, &present);
    const int next = present ? qBound(field.low, value + step, field.high) : field.low;
    field.edit->setText(QString::number(next));
}

void TAddRemForm::Refuse(QWidget* focus, const std::string& message, QWidget* page) {
    if (context_.sound) context_.sound->Beep();
    if (!message.empty() && context_.prompt)
        context_.prompt->ShowMessage(MessageKind::Warning, kMessageTitle, message);
    if (page) pages_->setCurrentWidget(page);
    if (focus) focus->setFocus();
}

bool TAddRemForm::CheckField(NumberField& field) {
    if (!field.edit->isEnabled()) return true;
    // A field on a tab page shows its page when it is refused.
    QWidget* page = field.edit->parentWidget() == general_ || field.edit->parentWidget() == advanced_
                        ? field.edit->parentWidget()
                        : nullptr;
    bool present = false;
    const int value = FieldValue(field.edit, &present);
    if (!present) {
        Refuse(field.edit, std::string(), page);
        return false;
    }
    if (value < field.low || value > field.high) {
        Refuse(field.edit, field.refusal, page);
        return false;
    }
    return true;
}

bool TAddRemForm::CheckAllFields() {
    // In the order of the dialog: the date, the time, the General page, the
    // Advanced page. OK never takes the focus, so the field being typed in
    // was not left and is checked here.
    for (NumberField* field : {first_, second_, year_, hour_, minute_, warning_, every_, count_}) {
        if (!CheckField(*field)) return false;
    }
    return true;
}

bool TAddRemForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && watched == message_) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            if (ok_->isEnabled()) PressOk();
            return true;
        }
    }
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        for (NumberField* field : fields_) {
            if (watched != field->edit) continue;
            if (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down) {
                Step(*field, key->key() == Qt::Key_Up ? 1 : -1);
                return true;
            }
            if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
                focusNextChild();
                return true;
            }
            const QString text = key->text();
            if (!text.isEmpty() && text.at(0).isPrint() && !text.at(0).isDigit()) {
                if (context_.sound) context_.sound->Beep();
                return true;
            }
        }
    }
    if (event->type() == QEvent::FocusOut && !checking_) {
        for (NumberField* field : fields_) {
            if (watched != field->edit) continue;
            QWidget* next = QApplication::focusWidget();
            // Leaving for Cancel, or for another window (a message box), is no reason to check.
            if (next == cancel_ || (next && next->window() != this) || !isVisible()) break;
            QTimer::singleShot(0, this, [this, field] {
                if (checking_ || !isVisible()) return;
                checking_ = true;
                CheckField(*field);
                checking_ = false;
            });
            break;
        }
    }
    return ThemedDialog::eventFilter(watched, event);
}

void TAddRemForm::TypeChanged() {
    const int type = type_->currentIndex();
    const bool reminder = type == 0;
    const bool bookmark = type == 2;
    warning_->edit->setEnabled(reminder);
    useStart_->setEnabled(reminder);
    startDate_->setEnabled(reminder && useStart_->isChecked());
    for (QRadioButton* box : {noRepeat_, repeatEvery_, repeatOn_}) box->setEnabled(!bookmark);
    if (bookmark) pages_->setCurrentWidget(general_);
    if (!reminder) timed_->setChecked(false);
    timed_->setEnabled(reminder);
    RepeatChanged();
    TimedChanged();
}

void TAddRemForm::RepeatChanged() {
    const bool bookmark = type_->currentIndex() == 2;
    const bool every = !bookmark && repeatEvery_->isChecked();
    const bool on = !bookmark && repeatOn_->isChecked();
    every_->edit->setEnabled(every);
    unit_->setEnabled(every);
    for (QComboBox* list : {which_, weekdayList_, monthList_}) list->setEnabled(on);
    if (every) {
        if (every_->edit->text().isEmpty()) every_->edit->setText(QStringLiteral("1"));
        if (unit_->currentIndex() < 0) unit_->setCurrentIndex(0);  // "years"
    } else {
        every_->edit->clear();
    }
    if (!every) unit_->setCurrentIndex(-1);
    for (QComboBox* list : {which_, weekdayList_, monthList_}) {
        if (on && list->currentIndex() < 0) list->setCurrentIndex(0);
        if (!on) list->setCurrentIndex(-1);
    }
    limit_->setEnabled(every || on);
    if (!(every || on)) limit_->setChecked(false);
    LimitChanged();
}

void TAddRemForm::LimitChanged() {
    const bool on = limit_->isEnabled() && limit_->isChecked();
    dateLimit_->setEnabled(on);
    countLimit_->setEnabled(on);
    if (on && !dateLimit_->isChecked() && !countLimit_->isChecked()) dateLimit_->setChecked(true);
    limitDate_->setEnabled(on && dateLimit_->isChecked());
    count_->edit->setEnabled(on && countLimit_->isChecked());
}

void TAddRemForm::TimedChanged() {
    const bool on = timed_->isEnabled() && timed_->isChecked() && type_->currentIndex() == 0;
    hour_->edit->setEnabled(on);
    minute_->edit->setEnabled(on);
    amPm_->setEnabled(on && context_.twelveHour);
    if (on) {
        FillTimeFields();
    } else {
        hour_->edit->clear();
        minute_->edit->clear();
    }
}

void TAddRemForm::FillTimeFields() {
    const double now = context_.clock ? context_.clock->LocalNow() : 0.0;
    TimeOfDay time = DecodeTime(now);
    if (!(time.hour == 23 && time.minute == 59)) {
        time.minute += 1;
        if (time.minute == 60) {
            time.minute = 0;
            time.hour += 1;
        }
    }
    int hour = time.hour;
    if (context_.twelveHour) {
        const TwelveHourTime shown = ToTwelveHour(hour, NoonRule::ZeroMidnight);
        amPm_->setCurrentIndex(shown.afternoon ? 1 : 0);
        hour = shown.hour;
    }
    hour_->edit->setText(QString::number(hour));
    minute_->edit->setText(QString::number(time.minute));
}

void TAddRemForm::UpdateWeekday() {
    const int day = FieldValue(DayField().edit);
    const int month = FieldValue(MonthField().edit);
    const int year = FieldValue(year_->edit);
    if (IsValidDate(day, month, year)) {
        weekday_->setText(QString::fromLatin1(kWeekdayNames + 3 * WeekdayOf(year, month, day), 3));
    } else {
        weekday_->clear();
    }
}

void TAddRemForm::UpdateOk() { ok_->setEnabled(!message_->toPlainText().isEmpty()); }

ReminderEntry TAddRemForm::Entry() const {
    ReminderEntry entry;
    entry.day = FieldValue(DayField().edit);
    entry.month = FieldValue(MonthField().edit);
    entry.year = FieldValue(year_->edit);
    entry.typeIndex = type_->currentIndex();
    entry.repeatKind = repeatOn_->isChecked() ? 2 : repeatEvery_->isChecked() ? 1 : 0;
    entry.everyText = every_->edit->text().toStdString();
    entry.unitIndex = std::max(0, unit_->currentIndex());
    entry.monthIndex = std::max(0, monthList_->currentIndex());
    entry.whichIndex = std::max(0, which_->currentIndex());
    entry.weekdayIndex = std::max(0, weekdayList_->currentIndex());
    entry.warningText = warning_->edit->text().toStdString();
    entry.timed = timed_->isChecked() && timed_->isEnabled();
    entry.hour = FieldValue(hour_->edit);
    entry.minute = FieldValue(minute_->edit);
    entry.twelveHour = context_.twelveHour;
    entry.pm = amPm_->currentIndex() == 1;
    entry.useStart = useStart_->isChecked() && useStart_->isEnabled();
    entry.startDayNumber = DayNumberOf(startDate_->date());
    entry.limitKind = !(limit_->isChecked() && limit_->isEnabled()) ? 0 : dateLimit_->isChecked() ? 1 : 2;
    entry.limitDayNumber = DayNumberOf(limitDate_->date());
    entry.limitCount = FieldValue(count_->edit);
    entry.text = message_->toPlainText().toStdString();
    return entry;
}

void TAddRemForm::PressOk() {
    checking_ = true;  // the boxes of the checks move the focus: no checks on leaving
    const bool fieldsOk = CheckAllFields();
    checking_ = false;
    if (!fieldsOk) return;
    const ReminderEntry entry = Entry();
    const EntryResult result = ComposeReminderEntry(entry);
    switch (result.faultField) {
    case EntryField::None:
        break;
    case EntryField::FirstDate:
        Refuse(first_->edit, result.message);
        return;
    case EntryField::Every:
        Refuse(every_->edit, result.message, general_);
        return;
    case EntryField::Warning:
        Refuse(warning_->edit, result.message, general_);
        return;
    case EntryField::Hour:
        Refuse(hour_->edit, result.message);
        return;
    case EntryField::Minute:
        Refuse(minute_->edit, result.message);
        return;
    case EntryField::StartDate:
        Refuse(startDate_, result.message, advanced_);
        return;
    case EntryField::LimitDate:
        Refuse(limitDate_, result.message, advanced_);
        return;
    case EntryField::LimitCount:
        Refuse(count_->edit, result.message, advanced_);
        return;
    }
    if (context_.prompt && context_.sound && context_.clock) {
        ReminderServices services{*context_.prompt, *context_.sound, *context_.clock};
        IniFile settings(context_.settingsPath);
        try {
            stored_ = InsertReminder(settings, DayNumber(entry.year, entry.month, entry.day), result.value,
                                     services);
        } catch (const std::exception& error) {
            context_.prompt->ShowMessage(MessageKind::Error, kMessageTitle, error.what());
        }
    }
    checking_ = true;  // closing moves the focus: no more field checks
    accept();
}

}  // namespace orvanto

namespace orvanto {

bool OpenAddReminder(const AddReminderContext& context, const CivilDate& day, bool timed, QWidget* parent) {
    TAddRemForm form(context, day, timed, parent);
    form.exec();
    return form.Stored();
}

}  // namespace orvanto
