// TEditRem: the "Events" window.
#include "ui/reminders/event_list_form.h"

#include <QAbstractTableModel>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QFileDialog>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QRegularExpressionValidator>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyledItemDelegate>

#include <algorithm>
#include <array>

#include "calendar/date_text.h"
#include "calendar/day_number.h"
#include "calendar/serial_date.h"
#include "calendar/valid_date.h"
#include "calendar/weekday.h"
#include "core/ini_file.h"
#include "core/settings_keys.h"
#include "ical/ical_export.h"
#include "ical/ical_import.h"
#include "reminders/reminder_store.h"
#include "ui/help/help_window.h"
#include "ui/reminders/list_form.h"
#include "ui/widgets/fonts.h"
#include "ui/widgets/placed_controls.h"

namespace orvanto {

namespace {
const QString kIcsFilter = QStringLiteral("iCalendar files (*.ics)");
}  // namespace

namespace {

constexpr QSize kClientSize(527, 486);
constexpr QRect kTableArea(8, 38, 513, 120);
constexpr int kColumnPadding = 5;
constexpr int kCellIndent = 4;
constexpr int kRowPadding = 3;
constexpr int kTableFrame = 4;
constexpr const char* kWeekdayNames = "SunMonTueWedThuFriSat";
constexpr int kNavy = 8388608;
constexpr int kBlueStripe = 16774372;
constexpr int kYellowStripe = 14021119;
constexpr int kRed = 255;

// Columns drawn from the left edge (the others are centred).
bool LeftAligned(int column) {
    return column == kNumberColumn || column == kMessageColumn || column == kTypeColumn;
}

// Grid rows are counted with the header as row 0: the first record is row 1.
bool Striped(int modelRow) { return modelRow % 2 == 0; }

QColor StripeColour(int themeIndex) {
    const int theme = Theme::ByIndex(themeIndex).Index();
    return ColorFromValue(theme == 0 || theme == 2 || theme == 4 ? kBlueStripe : kYellowStripe);
}

QDate QDateOf(int dayNumber) {
    const CivilDate date = DateFromDayNumber(dayNumber);
    return QDate(date.year, date.month, date.day);
}

int DayNumberOf(const QDate& date) { return DayNumber(date.year(), date.month(), date.day()); }

// The number in a field; `missing` for an empty one.
int FieldNumber(const QLineEdit* edit, int missing) {
    const QString text = edit->text().trimmed();
    return text.isEmpty() ? missing : text.toInt();
}

QString TwoDigits(int value) { return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0')); }

QComboBox* MakeList(const char* name, const QStringList& items, const QRect& at, QWidget* parent) {
    auto* list = new QComboBox(parent);
    list->setObjectName(QString::fromLatin1(name));
    list->addItems(items);
    list->setGeometry(at);
    return list;
}

QDateEdit* MakePicker(const char* name, const QString& format, const QRect& at, QWidget* parent) {
    auto* picker = new QDateEdit(parent);
    picker->setObjectName(QString::fromLatin1(name));
    picker->setDisplayFormat(format);
    picker->setMinimumDate(QDate(1, 1, 1));
    picker->setCalendarPopup(true);
    picker->setGeometry(at);
    return picker;
}

// The width of a text estimated from the advances of its characters (ASCII
// from a table, any other character as the widest one of the font).
class WidthEstimate {
public:
    explicit WidthEstimate(const QFontMetrics& metrics) : wide_(metrics.maxWidth()) {
        for (int c = 0; c < 128; ++c)
            ascii_[static_cast<std::size_t>(c)] = metrics.horizontalAdvance(QChar(c));
    }
    int operator()(const std::string& text) const {
        int width = 0;
        for (const char byte : text) {
            const auto c = static_cast<unsigned char>(byte);
            if (c < 128)
                width += ascii_[c];
            else if ((c & 0xC0) != 0x80)
                width += wide_;  // a character's lead byte
        }
        return width;
    }

private:
    std::array<int, 128> ascii_{};
    int wide_;
};

// The widest text of a column. Measuring every cell of a long list costs
// more than the rest of opening the window together, so the cells are
// ranked by an estimate and only the few widest are measured exactly.
int WidestCell(const std::vector<EventListEntry>& entries, std::size_t column, const QFontMetrics& metrics) {
    constexpr std::size_t kMeasured = 24;
    const WidthEstimate estimate(metrics);
    std::vector<std::pair<int, const std::string*>> ranked;
    ranked.reserve(entries.size());
    for (const EventListEntry& entry : entries) {
        const std::string& text = entry.cells[column];
        if (!text.empty()) ranked.emplace_back(estimate(text), &text);
    }
    const std::size_t measured = std::min(kMeasured, ranked.size());
    std::partial_sort(ranked.begin(), ranked.begin() + static_cast<std::ptrdiff_t>(measured), ranked.end(),
                      [](const auto& a, const auto& b) { return a.first > b.first; });
    int widest = 0;
    for (std::size_t i = 0; i < measured; ++i) {
        widest = std::max(widest, metrics.horizontalAdvance(QString::fromStdString(*ranked[i].second)));
    }
    return widest;
}

}  // namespace

// The table's rows: the working list's cell texts, striped rows, the bold
// header of the sorted column.
class EventTableModel : public QAbstractTableModel {
public:
    explicit EventTableModel(const std::vector<EventListEntry>& entries) : entries_(entries) {}

    int rowCount(const QModelIndex& parent = QModelIndex()) const override {
        return parent.isValid() ? 0 : static_cast<int>(entries_.size());
    }
    int columnCount(const QModelIndex& parent = QModelIndex()) const override {
        return parent.isValid() ? 0 : kEventColumnCount;
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (role != Qt::DisplayRole || !index.isValid()) return {};
        return QString::fromStdString(
            entries_[static_cast<std::size_t>(index.row())].cells[static_cast<std::size_t>(index.column())]);
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation != Qt::Horizontal || section < 0 || section >= kEventColumnCount) return {};
        if (role == Qt::DisplayRole)
            return QString::fromStdString(EventColumnHeaders()[static_cast<std::size_t>(section)]);
        if (role == Qt::TextAlignmentRole) {
            const bool left = LeftAligned(section) || section == kWarningColumn;
            return QVariant::fromValue(Qt::AlignVCenter | (left ? Qt::AlignLeft : Qt::AlignHCenter));
        }
        if (role == Qt::FontRole && section == sortColumn_) {
            QFont bold = headerFont_;
            bold.setBold(true);
            return bold;
        }
        return {};
    }
    void SetHeaderFont(const QFont& font) { headerFont_ = font; }
    void SetSortColumn(int column) {
        sortColumn_ = column;
        emit headerDataChanged(Qt::Horizontal, 0, kEventColumnCount - 1);
    }
    void Reset() {
        beginResetModel();
        endResetModel();
    }

private:
    const std::vector<EventListEntry>& entries_;
    QFont headerFont_;
    int sortColumn_ = -1;
};

namespace {

// Draws a cell: the stripe or selection background, the text vertically
// centred, indented from the left or centred.
class EventCellDelegate : public QStyledItemDelegate {
public:
    EventCellDelegate(QColor stripe, QObject* parent) : QStyledItemDelegate(parent), stripe_(stripe) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const bool selected = option.state & QStyle::State_Selected;
        const bool striped = Striped(index.row());
        QColor background = striped ? stripe_ : option.palette.color(QPalette::Base);
        if (selected)
            background = striped ? ColorFromValue(kNavy) : option.palette.color(QPalette::Highlight);
        painter->fillRect(option.rect, background);
        painter->setPen(option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
        painter->setFont(option.font);
        QRect text = option.rect;
        Qt::Alignment alignment = Qt::AlignVCenter | Qt::AlignHCenter;
        if (LeftAligned(index.column())) {
            text.adjust(kCellIndent, 0, 0, 0);
            alignment = Qt::AlignVCenter | Qt::AlignLeft;
        }
        painter->drawText(text, static_cast<int>(alignment), index.data().toString());
    }

private:
    QColor stripe_;
};

}  // namespace

TEditRem::TEditRem(AppContext& context, QWidget* parent)
    : ThemedDialog(QString(), kClientSize, parent), context_(context) {
    setObjectName(QStringLiteral("TEditRem"));
    setWindowTitle(QStringLiteral("Events"));
    setFont(PixelFont(FontFace::Verdana, 13));

    const IniFile settings(context_.settingsPath);
    style_.dateFormat =
        ReadSettingInteger(settings, kSettingsSection, "DateFormat", SettingsReader::MainWindow);
    style_.twelveHour = context_.timeStyle.twelveHour;
    const CivilDate today = DecodeDate(context_.clock ? context_.clock->LocalNow() : 0.0);
    today_ = DayNumber(today);
    currentYear_ = today.year;
    list_ = LoadEventList(ReadReminderLines(settings), style_);

    BuildTable();
    BuildButtons();
    BuildPanel();
    ApplyTheme(context_.themeIndex);
    Refill(OpeningRow(list_.entries, today_));
    FitColumns();
    ClearPanel();
    UpdateTitle();
    UpdateButtons();
}

TEditRem::~TEditRem() {
    if (findDialog_) findDialog_->close();
}

void TEditRem::BuildTable() {
    model_ = std::make_unique<EventTableModel>(list_.entries);
    table_ = new QTableView(this);
    table_->setObjectName(QStringLiteral("StringGrid1"));
    table_->setModel(model_.get());
    table_->setItemDelegate(new EventCellDelegate(StripeColour(context_.themeIndex), table_));
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setWordWrap(false);
    table_->setShowGrid(true);
    table_->verticalHeader()->hide();
    QHeaderView* header = table_->horizontalHeader();
    header->setSectionsClickable(false);
    header->setSectionResizeMode(QHeaderView::Interactive);
    header->setHighlightSections(false);
    header->setToolTip(QString::fromLatin1(kEventTableHint));
    header->viewport()->installEventFilter(this);
    table_->viewport()->installEventFilter(this);
    model_->SetHeaderFont(header->font());

    const int rowHeight = QFontMetrics(table_->font()).height() + kRowPadding;
    table_->verticalHeader()->setMinimumSectionSize(1);
    table_->verticalHeader()->setDefaultSectionSize(rowHeight);
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    header->setFixedHeight(rowHeight);
    // The header and the rows fill the height above the horizontal scroll
    // bar in whole rows, so the last row shown is never cut.
    table_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    const int scrollBar = table_->horizontalScrollBar()->sizeHint().height();
    const int rows = std::max(2, (kTableArea.height() - kTableFrame - scrollBar) / rowHeight);
    table_->setGeometry(kTableArea.x(), kTableArea.y(), kTableArea.width(),
                        rows * rowHeight + kTableFrame + scrollBar);
}

void TEditRem::BuildButtons() {
    const int x = 414;
    find_ = MakeButton("FindButton", "&Find", QRect(x, 172, 102, 28), this);
    printList_ = MakeButton("PrintListButton", "&Print List", QRect(x, 206, 102, 28), this);
    delete_ = MakeButton("DeleteButton", "&Delete", QRect(x, 240, 102, 28), this);
    import_ = MakeButton("ImportButton", "Import...", QRect(x, 274, 102, 28), this);
    export_ = MakeButton("ExportButton", "Export...", QRect(x, 308, 102, 28), this);
    ok_ = MakeButton("OKButton", "&OK", QRect(x, 385, 102, 28), this);
    cancel_ = MakeButton("CancelButton2", "&Cancel", QRect(x, 419, 102, 28), this);
    help_ = MakeButton("HelpButton", "&Help", QRect(x, 453, 102, 28), this);

    connect(find_, &QAbstractButton::clicked, this, [this] { OpenFindDialog(); });
    connect(printList_, &QAbstractButton::clicked, this,
            [this] { TListForm::Open(context_, this, list_.entries); });
    connect(delete_, &QAbstractButton::clicked, this, &TEditRem::PressDelete);
    connect(import_, &QAbstractButton::clicked, this, [this] {
        const QString path =
            QFileDialog::getOpenFileName(this, QStringLiteral("Import"), QString(), kIcsFilter);
        if (!path.isEmpty()) ImportCalendarFile(path);
    });
    connect(export_, &QAbstractButton::clicked, this, [this] {
        const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Export"),
                                                          QStringLiteral("Orvanto.ics"), kIcsFilter);
        if (!path.isEmpty()) ExportCalendarFile(path);
    });
    connect(ok_, &QAbstractButton::clicked, this, &TEditRem::PressOk);
    connect(cancel_, &QAbstractButton::clicked, this, &TEditRem::reject);
    connect(help_, &QAbstractButton::clicked, this, [] { ShowHelpTopic(kViewAndEditHelpTopic); });
    auto* helpKey = new QAction(this);
    helpKey->setShortcut(QKeySequence(Qt::Key_F1));
    connect(helpKey, &QAction::triggered, help_, &QAbstractButton::click);
    addAction(helpKey);
    // Enter is "&OK"; Escape and the caption's close button are "&Cancel".
    disconnect(DefaultButton(), &QPushButton::clicked, this, &QDialog::accept);
    connect(DefaultButton(), &QPushButton::clicked, this, &TEditRem::PressOk);
}

NumberField* TEditRem::MakeSpin(const char* name, QWidget* parent, int x, int y, int width, int digits,
                                int low, int high) {
    auto field =
        std::make_unique<NumberField>(name, QRect(x, y, width, 22), QSize(13, 11), digits, low, high, parent);
    field->edit->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d*")), field->edit));
    field->edit->installEventFilter(this);
    NumberField* raw = field.get();
    connect(raw->up, &QAbstractButton::clicked, this, [this, raw] { Step(*raw, 1); });
    connect(raw->down, &QAbstractButton::clicked, this, [this, raw] { Step(*raw, -1); });
    spins_.push_back(std::move(field));
    return raw;
}

void TEditRem::Step(NumberField& field, int step) {
    if (!field.edit->isEnabled()) return;
    const QString text = field.edit->text().trimmed();
    const int next = text.isEmpty() ? field.low : std::clamp(text.toInt() + step, field.low, field.high);
    field.edit->setText(field.edit->maxLength() == 2 ? TwoDigits(next) : QString::number(next));
}

void TEditRem::BuildPanel() {
    const bool monthFirst = MonthFirst(style_.dateFormat);
    panel_ = new QGroupBox(QStringLiteral(" Edit &Event "), this);
    panel_->setObjectName(QStringLiteral("GroupBox1"));
    panel_->setGeometry(8, 164, 393, 317);

    first_ = MakeSpin("MaskEdit1", panel_, 12, 22, 28, 2, 1, monthFirst ? 12 : 31);
    second_ = MakeSpin("MaskEdit2", panel_, 58, 22, 28, 2, 1, monthFirst ? 31 : 12);
    year_ = MakeSpin("MaskEdit3", panel_, 104, 22, 44, 4, kFirstCalendarYear, kLastCalendarYear);
    MakeLabel(monthFirst ? QStringLiteral("Month") : QStringLiteral("Day"), QRect(12, 45, 44, 16), panel_);
    MakeLabel(monthFirst ? QStringLiteral("Day") : QStringLiteral("Month"), QRect(58, 45, 44, 16), panel_);
    MakeLabel(QStringLiteral("Year"), QRect(104, 45, 44, 16), panel_);
    weekday_ = MakeLabel(QString(), QRect(168, 24, 40, 18), panel_);
    weekday_->setObjectName(QStringLiteral("Label2"));
    type_ = MakeList("ComboBox1",
                     {QStringLiteral("Reminder"), QStringLiteral("Holiday"), QStringLiteral("Bookmark")},
                     QRect(268, 21, 112, 24), panel_);
    MakeLabel(QStringLiteral("T&ype"), QRect(224, 25, 42, 18), panel_, type_);

    timed_ = new QCheckBox(QStringLiteral("Ti&med Event"), panel_);
    timed_->setObjectName(QStringLiteral("CheckBox1"));
    timed_->setGeometry(12, 64, 124, 22);
    MakeLabel(QStringLiteral("Hour"), QRect(140, 66, 36, 18), panel_);
    hour_ = MakeSpin("MaskEdit6", panel_, 178, 64, 28, 2, 0, style_.twelveHour ? 12 : 23);
    MakeLabel(QStringLiteral("Min."), QRect(226, 66, 32, 18), panel_);
    minute_ = MakeSpin("MaskEdit7", panel_, 260, 64, 28, 2, 0, 59);
    amPm_ =
        MakeList("ComboBox5", {QStringLiteral("AM"), QStringLiteral("PM")}, QRect(310, 63, 70, 24), panel_);

    memo_ = new QPlainTextEdit(panel_);
    memo_->setObjectName(QStringLiteral("Memo1"));
    memo_->setGeometry(12, 106, 368, 40);
    memo_->setTabChangesFocus(true);
    MakeLabel(QStringLiteral("Me&ssage"), QRect(12, 88, 90, 18), panel_, memo_);

    pages_ = new QTabWidget(panel_);
    pages_->setObjectName(QStringLiteral("PageControl1"));
    pages_->setGeometry(8, 150, 377, 161);
    general_ = BuildGeneralPage();
    advanced_ = BuildAdvancedPage();
    pages_->addTab(general_, QStringLiteral("General"));
    pages_->addTab(advanced_, QStringLiteral("Advanced"));

    connect(type_, &QComboBox::currentIndexChanged, this, &TEditRem::TypeChanged);
    for (QRadioButton* box : {noRepeat_, repeatEvery_, repeatOn_}) {
        connect(box, &QRadioButton::toggled, this, [this](bool on) {
            if (on) RepeatChanged();
        });
    }
    connect(limit_, &QCheckBox::toggled, this, &TEditRem::LimitChanged);
    connect(dateLimit_, &QRadioButton::toggled, this, &TEditRem::LimitChanged);
    connect(timed_, &QCheckBox::toggled, this, &TEditRem::TimedChanged);
    connect(useStart_, &QCheckBox::toggled, this,
            [this] { startDate_->setEnabled(useStart_->isEnabled() && useStart_->isChecked()); });
    for (NumberField* field : {first_, second_, year_}) {
        connect(field->edit, &QLineEdit::textChanged, this, &TEditRem::UpdateWeekday);
    }
}

QWidget* TEditRem::BuildGeneralPage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("TabSheet1"));
    warning_ = MakeSpin("MaskEdit4", page, 76, 4, 28, 2, 0, 99);
    MakeLabel(QStringLiteral("W&arning"), QRect(8, 6, 66, 18), page, warning_->edit);
    MakeLabel(QStringLiteral("days before the event"), QRect(124, 6, 200, 18), page);
    noRepeat_ = new QRadioButton(QStringLiteral("No &Repeat"), page);
    noRepeat_->setObjectName(QStringLiteral("RadioButton1"));
    noRepeat_->setGeometry(8, 30, 120, 20);
    repeatEvery_ = new QRadioButton(QStringLiteral("Repeat E&very"), page);
    repeatEvery_->setObjectName(QStringLiteral("RadioButton2"));
    repeatEvery_->setGeometry(8, 54, 124, 20);
    every_ = MakeSpin("MaskEdit5", page, 136, 53, 28, 2, 1, 99);
    unit_ = MakeList(
        "ComboBox2",
        {QStringLiteral("years"), QStringLiteral("months"), QStringLiteral("weeks"), QStringLiteral("days")},
        QRect(184, 52, 100, 24), page);
    repeatOn_ = new QRadioButton(QStringLiteral("Repeat O&n"), page);
    repeatOn_->setObjectName(QStringLiteral("RadioButton3"));
    repeatOn_->setGeometry(8, 80, 124, 20);
    which_ = MakeList("ComboBox3",
                      {QStringLiteral("All"), QStringLiteral("1st"), QStringLiteral("2nd"),
                       QStringLiteral("3rd"), QStringLiteral("4th"), QStringLiteral("Last")},
                      QRect(136, 78, 64, 24), page);
    QStringList weekdays;
    QStringList months{QStringLiteral("Every month")};
    const QLocale english(QLocale::English);
    for (int d = 0; d < 7; ++d)
        weekdays << english.standaloneDayName(d == 0 ? 7 : d);  // Qt counts from Monday
    for (int m = 1; m <= 12; ++m) months << english.standaloneMonthName(m);
    weekdayList_ = MakeList("ComboBox4", weekdays, QRect(204, 78, 120, 24), page);
    MakeLabel(QStringLiteral("in"), QRect(136, 107, 18, 18), page);
    monthList_ = MakeList("ComboBox6", months, QRect(156, 104, 130, 24), page);
    return page;
}

QWidget* TEditRem::BuildAdvancedPage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("TabSheet2"));
    const QString format = QString::fromStdString(DatePickerPattern(style_.dateFormat));
    useStart_ = new QCheckBox(QStringLiteral("&Use start date"), page);
    useStart_->setObjectName(QStringLiteral("CheckBox2"));
    useStart_->setGeometry(8, 10, 170, 20);
    startDate_ = MakePicker("DateTimePicker1", format, QRect(190, 8, 120, 24), page);
    limit_ = new QCheckBox(QStringLiteral("&Limit event repetitions"), page);
    limit_->setObjectName(QStringLiteral("CheckBox3"));
    limit_->setGeometry(8, 42, 260, 20);
    dateLimit_ = new QRadioButton(QStringLiteral("Date limit: Up to"), page);
    dateLimit_->setObjectName(QStringLiteral("RadioButton4"));
    dateLimit_->setGeometry(26, 68, 160, 20);
    limitDate_ = MakePicker("DateTimePicker2", format, QRect(190, 66, 120, 24), page);
    countLimit_ = new QRadioButton(QStringLiteral("Count limit: Times"), page);
    countLimit_->setObjectName(QStringLiteral("RadioButton5"));
    countLimit_->setGeometry(26, 96, 160, 20);
    count_ = MakeSpin("MaskEdit8", page, 190, 95, 28, 2, 1, 99);
    return page;
}

void TEditRem::ApplyTheme(int themeIndex) {
    ThemedDialog::ApplyTheme(themeIndex);
    const Theme& theme = Theme::ByIndex(themeIndex);
    for (BevelButton* button : {ok_, cancel_, help_}) button->SetColors(theme.Buttons(ButtonFamily::Day));
    for (BevelButton* button : {find_, printList_, delete_, import_, export_})
        button->SetColors(theme.Buttons(ButtonFamily::Tool));
    delete_->SetHotTrack(true, ColorFromValue(kRed));
    for (const auto& field : spins_) field->SetButtonFace(theme.Color(ThemeRole::RoundFace));
}

// ---- the table

std::optional<std::size_t> TEditRem::SelectedRow() const {
    const QModelIndexList rows = table_->selectionModel()->selectedRows();
    if (rows.isEmpty()) return std::nullopt;
    return static_cast<std::size_t>(rows.first().row());
}

std::optional<std::size_t> TEditRem::OpenRow() const {
    return openNumber_ ? IndexOfNumber(*openNumber_) : std::nullopt;
}

std::optional<std::size_t> TEditRem::IndexOfNumber(int number) const {
    const auto& entries = list_.entries;
    const auto at = std::find_if(entries.begin(), entries.end(),
                                 [number](const EventListEntry& e) { return e.number == number; });
    if (at == entries.end()) return std::nullopt;
    return static_cast<std::size_t>(at - entries.begin());
}

void TEditRem::Refill(std::optional<std::size_t> selectRow) {
    model_->Reset();
    if (selectRow && *selectRow < list_.entries.size()) SelectRow(static_cast<int>(*selectRow));
}

void TEditRem::SelectRow(int row) {
    if (row < 0 || row >= model_->rowCount()) return;
    table_->selectRow(row);
    table_->scrollTo(model_->index(row, 0));
}

void TEditRem::FitColumns() {
    const QFontMetrics metrics(table_->font());
    QFont bold = table_->horizontalHeader()->font();
    bold.setBold(true);
    const QFontMetrics headerMetrics(bold);
    for (int column = 0; column < kEventColumnCount; ++column) {
        const auto c = static_cast<std::size_t>(column);
        int widest = WidestCell(list_.entries, c, metrics);
        if (widest == 0) continue;  // a column without text keeps its width
        if (LeftAligned(column)) widest += kCellIndent;
        // The header (bold once sorted) is never clipped either.
        widest = std::max(
            widest, headerMetrics.horizontalAdvance(QString::fromStdString(EventColumnHeaders()[c])) + 8);
        table_->setColumnWidth(column, widest + kColumnPadding);
    }
}

void TEditRem::UpdateTitle() {
    Caption()->Title()->SetText(QStringLiteral("Events [%1]").arg(list_.entries.size()));
}

void TEditRem::UpdateButtons() {
    const bool any = !list_.entries.empty();
    printList_->setEnabled(any);
    delete_->setEnabled(any);
}

bool TEditRem::eventFilter(QObject* watched, QEvent* event) {
    QHeaderView* header = table_ ? table_->horizontalHeader() : nullptr;
    const auto type = event->type();
    if (header && watched == header->viewport() &&
        (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease)) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        const int x = mouse->position().toPoint().x();
        const int section = header->logicalIndexAt(x);
        const bool plainLeft = mouse->button() == Qt::LeftButton && mouse->modifiers() == Qt::NoModifier;
        if (type == QEvent::MouseButtonPress) {
            // A press on a section's edge resizes the column: no sort.
            const int left = header->sectionViewportPosition(section);
            const bool onEdge = x - left < 4 || left + header->sectionSize(section) - x < 4;
            pressedSection_ = plainLeft && section >= 0 && !onEdge ? section : -1;
        } else {
            if (plainLeft && section >= 0 && section == pressedSection_) ClickHeader(section);
            pressedSection_ = -1;
        }
        return false;
    }
    if (table_ && watched == table_->viewport()) {
        // Only mouse events are QMouseEvents: the viewport sees every kind.
        if (type != QEvent::MouseButtonDblClick && type != QEvent::MouseButtonRelease) return false;
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (type == QEvent::MouseButtonDblClick && mouse->button() == Qt::LeftButton) {
            const QModelIndex index = table_->indexAt(mouse->position().toPoint());
            if (index.isValid()) {
                // The release that ends a double click is no single click.
                skipNextRelease_ = true;
                DoubleClickRow(index.row());
                return true;
            }
        }
        if (type == QEvent::MouseButtonRelease && mouse->button() == Qt::LeftButton) {
            if (skipNextRelease_) {
                skipNextRelease_ = false;
                return false;
            }
            const QModelIndex index = table_->indexAt(mouse->position().toPoint());
            if (index.isValid()) ClickRow(index.row());
        }
        return false;
    }
    if (type == QEvent::KeyPress) {
        for (const auto& field : spins_) {
            if (watched != field->edit) continue;
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Up || key == Qt::Key_Down) {
                Step(*field, key == Qt::Key_Up ? 1 : -1);
                return true;
            }
        }
    }
    return ThemedDialog::eventFilter(watched, event);
}

void TEditRem::ClickRow(int) {
    if (!openNumber_) return;
    if (CommitOpen()) ClearPanel();
}

void TEditRem::DoubleClickRow(int row) {
    if (row < 0 || static_cast<std::size_t>(row) >= list_.entries.size()) return;
    const int number = list_.entries[static_cast<std::size_t>(row)].number;
    if (openNumber_ && !CommitOpen()) return;
    const auto index = IndexOfNumber(number);
    if (!index) return;
    openNumber_ = number;
    openEntry_ = PanelEntryOf(list_.entries[*index].record, currentYear_, style_.twelveHour);
    FillPanel(openEntry_);
    SelectRow(static_cast<int>(*index));
}

void TEditRem::ClickHeader(int column) {
    if (column < 0 || column >= kEventColumnCount) return;
    const auto selected = SelectedRow();
    const std::optional<int> selectedNumber =
        selected ? std::optional<int>(list_.entries[*selected].number) : std::nullopt;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    table_->setUpdatesEnabled(false);
    sortAscending_ = !(column == sortColumn_ && sortAscending_);
    sortColumn_ = column;
    SortEventsByColumn(list_.entries, column, sortAscending_);
    model_->SetSortColumn(column);
    Refill(selectedNumber ? IndexOfNumber(*selectedNumber) : std::nullopt);
    table_->setUpdatesEnabled(true);
    QApplication::restoreOverrideCursor();
}

// ---- find and delete

FindDialog* TEditRem::OpenFindDialog() {
    if (!findDialog_) {
        findDialog_ = new FindDialog(this);
        findDialog_->setAttribute(Qt::WA_DeleteOnClose);
        connect(findDialog_, &FindDialog::FindNext, this, &TEditRem::FindNext);
    }
    lastSearch_.clear();
    lastMatch_.reset();
    findDialog_->show();
    findDialog_->raise();
    findDialog_->activateWindow();
    return findDialog_;
}

void TEditRem::FindNext(const QString& text, bool matchCase) {
    std::size_t from = 0;
    if (text == lastSearch_ && lastMatch_) from = *lastMatch_ + 1;
    if (text != lastSearch_) lastMatch_.reset();
    lastSearch_ = text;
    const auto row = FindEventRow(list_.entries, text.toStdString(), matchCase, from);
    if (!row) {
        if (context_.prompt) {
            context_.prompt->ShowMessage(MessageKind::Warning, kMessageTitle,
                                         "Search string \"" + text.toStdString() + "\" not found.");
        }
        return;
    }
    lastMatch_ = row;
    SelectRow(static_cast<int>(*row));
}

void TEditRem::PressDelete() {
    const auto row = SelectedRow();
    if (!row) {
        if (context_.sound) context_.sound->PlayEvent("SystemExclamation");
        if (context_.prompt)
            context_.prompt->ShowMessage(MessageKind::Information, kMessageTitle, kSelectEventFirst);
        return;
    }
    if (context_.sound) context_.sound->PlayEvent("SystemQuestion");
    const std::string question = "Delete \"" + list_.entries[*row].record.text + "\"?";
    if (!context_.prompt || !context_.prompt->Ask(MessageKind::Warning, kMessageTitle, question)) return;
    list_.entries.erase(list_.entries.begin() + static_cast<std::ptrdiff_t>(*row));
    changed_ = true;
    ClearPanel();
    lastMatch_.reset();
    model_->Reset();
    if (!list_.entries.empty()) SelectRow(static_cast<int>(std::min(*row, list_.entries.size() - 1)));
    UpdateTitle();
    UpdateButtons();
}

// ---- the edit panel

void TEditRem::FillPanel(const ReminderEntry& entry) {
    const bool monthFirst = MonthFirst(style_.dateFormat);
    {
        std::vector<std::unique_ptr<QSignalBlocker>> blockers;
        for (QObject* object :
             std::initializer_list<QObject*>{type_, noRepeat_, repeatEvery_, repeatOn_, limit_, dateLimit_,
                                             countLimit_, timed_, useStart_}) {
            blockers.push_back(std::make_unique<QSignalBlocker>(object));
        }
        first_->edit->setText(TwoDigits(monthFirst ? entry.month : entry.day));
        second_->edit->setText(TwoDigits(monthFirst ? entry.day : entry.month));
        year_->edit->setText(QString::number(entry.year));
        type_->setCurrentIndex(entry.typeIndex);
        noRepeat_->setChecked(entry.repeatKind == 0);
        repeatEvery_->setChecked(entry.repeatKind == 1);
        repeatOn_->setChecked(entry.repeatKind == 2);
        const bool every = entry.repeatKind == 1;
        const bool on = entry.repeatKind == 2;
        every_->edit->setText(every ? QString::fromStdString(entry.everyText) : QString());
        unit_->setCurrentIndex(every ? entry.unitIndex : -1);
        which_->setCurrentIndex(on ? entry.whichIndex : -1);
        weekdayList_->setCurrentIndex(on ? entry.weekdayIndex : -1);
        monthList_->setCurrentIndex(on ? entry.monthIndex : -1);
        warning_->edit->setText(QString::fromStdString(entry.warningText));
        timed_->setChecked(entry.timed);
        hour_->edit->setText(entry.timed ? TwoDigits(entry.hour) : QString());
        minute_->edit->setText(entry.timed ? TwoDigits(entry.minute) : QString());
        amPm_->setCurrentIndex(entry.pm ? 1 : 0);
        useStart_->setChecked(entry.useStart);
        startDate_->setDate(QDateOf(entry.startDayNumber));
        limit_->setChecked(entry.limitKind != 0);
        dateLimit_->setChecked(entry.limitKind != 2);
        countLimit_->setChecked(entry.limitKind == 2);
        limitDate_->setDate(QDateOf(entry.limitDayNumber));
        count_->edit->setText(TwoDigits(entry.limitCount));
        memo_->setPlainText(QString::fromStdString(entry.text));
    }
    EnablePanel(true);
    TypeChanged();
    TimedChanged();
    UpdateWeekday();
}

ReminderEntry TEditRem::PanelEntry() const {
    const bool monthFirst = MonthFirst(style_.dateFormat);
    ReminderEntry entry;
    const int first = FieldNumber(first_->edit, 0);
    const int second = FieldNumber(second_->edit, 0);
    entry.month = monthFirst ? first : second;
    entry.day = monthFirst ? second : first;
    entry.year = FieldNumber(year_->edit, 0);
    entry.typeIndex = std::max(0, type_->currentIndex());
    entry.repeatKind = repeatOn_->isChecked() ? 2 : repeatEvery_->isChecked() ? 1 : 0;
    entry.everyText = every_->edit->text().toStdString();
    entry.unitIndex = std::max(0, unit_->currentIndex());
    entry.whichIndex = std::max(0, which_->currentIndex());
    entry.weekdayIndex = std::max(0, weekdayList_->currentIndex());
    entry.monthIndex = std::max(0, monthList_->currentIndex());
    entry.warningText = warning_->edit->isEnabled() ? warning_->edit->text().toStdString() : std::string();
    entry.timed = timed_->isEnabled() && timed_->isChecked();
    entry.hour = FieldNumber(hour_->edit, -1);
    entry.minute = FieldNumber(minute_->edit, -1);
    entry.twelveHour = style_.twelveHour;
    entry.pm = amPm_->currentIndex() == 1;
    entry.useStart = useStart_->isChecked();
    entry.startDayNumber = DayNumberOf(startDate_->date());
    entry.limitKind = !(limit_->isEnabled() && limit_->isChecked()) ? 0 : dateLimit_->isChecked() ? 1 : 2;
    entry.limitDayNumber = DayNumberOf(limitDate_->date());
    entry.limitCount = FieldNumber(count_->edit, 0);
    entry.text = memo_->toPlainText().toStdString();
    return entry;
}

void TEditRem::EnablePanel(bool on) {
    for (QWidget* child : panel_->findChildren<QWidget*>()) child->setEnabled(on);
}

void TEditRem::ClearPanel() {
    openNumber_.reset();
    for (QObject* object : std::initializer_list<QObject*>{type_, noRepeat_, repeatEvery_, repeatOn_, limit_,
                                                           dateLimit_, countLimit_, timed_, useStart_}) {
        object->blockSignals(true);
    }
    for (const auto& field : spins_) field->edit->clear();
    weekday_->clear();
    memo_->clear();
    for (QComboBox* list : {type_, amPm_, unit_, which_, weekdayList_, monthList_}) list->setCurrentIndex(-1);
    for (QAbstractButton* box : std::initializer_list<QAbstractButton*>{timed_, useStart_, limit_})
        box->setChecked(false);
    for (QRadioButton* radio : {noRepeat_, repeatEvery_, repeatOn_, dateLimit_, countLimit_}) {
        radio->setAutoExclusive(false);
        radio->setChecked(false);
        radio->setAutoExclusive(true);
    }
    for (QObject* object : std::initializer_list<QObject*>{type_, noRepeat_, repeatEvery_, repeatOn_, limit_,
                                                           dateLimit_, countLimit_, timed_, useStart_}) {
        object->blockSignals(false);
    }
    EnablePanel(false);
    panel_->setEnabled(true);  // the group's caption stays readable
}

void TEditRem::TypeChanged() {
    if (!openNumber_) return;
    const int type = type_->currentIndex();
    const bool reminder = type == 0;
    const bool bookmark = type == 2;
    warning_->SetEnabled(reminder);
    useStart_->setEnabled(reminder);
    startDate_->setEnabled(reminder && useStart_->isChecked());
    for (QRadioButton* box : {noRepeat_, repeatEvery_, repeatOn_}) box->setEnabled(!bookmark);
    if (reminder && warning_->edit->text().isEmpty()) warning_->edit->setText(QStringLiteral("0"));
    RepeatChanged();
}

void TEditRem::RepeatChanged() {
    if (!openNumber_) return;
    const bool bookmark = type_->currentIndex() == 2;
    const bool every = !bookmark && repeatEvery_->isChecked();
    const bool on = !bookmark && repeatOn_->isChecked();
    every_->SetEnabled(every);
    unit_->setEnabled(every);
    for (QComboBox* list : {which_, weekdayList_, monthList_}) list->setEnabled(on);
    if (every) {
        const bool own = openEntry_.repeatKind == 1;
        if (every_->edit->text().isEmpty()) {
            every_->edit->setText(own ? QString::fromStdString(openEntry_.everyText) : QStringLiteral("1"));
        }
        if (unit_->currentIndex() < 0) unit_->setCurrentIndex(own ? openEntry_.unitIndex : 0);
    } else {
        every_->edit->clear();
    }
    if (on) {
        const bool own = openEntry_.repeatKind == 2;
        if (which_->currentIndex() < 0) which_->setCurrentIndex(own ? openEntry_.whichIndex : 0);
        if (weekdayList_->currentIndex() < 0)
            weekdayList_->setCurrentIndex(own ? openEntry_.weekdayIndex : 0);
        if (monthList_->currentIndex() < 0) monthList_->setCurrentIndex(own ? openEntry_.monthIndex : 0);
    }
    limit_->setEnabled(every || on);
    LimitChanged();
}

void TEditRem::LimitChanged() {
    if (!openNumber_) return;
    const bool on = limit_->isEnabled() && limit_->isChecked();
    dateLimit_->setEnabled(on);
    countLimit_->setEnabled(on);
    if (on && !dateLimit_->isChecked() && !countLimit_->isChecked()) dateLimit_->setChecked(true);
    limitDate_->setEnabled(on && dateLimit_->isChecked());
    count_->SetEnabled(on && countLimit_->isChecked());
}

void TEditRem::TimedChanged() {
    if (!openNumber_) return;
    const bool on = timed_->isChecked();
    hour_->SetEnabled(on);
    minute_->SetEnabled(on);
    amPm_->setEnabled(on && style_.twelveHour);
}

void TEditRem::UpdateWeekday() {
    const ReminderEntry entry = PanelEntry();
    if (IsValidDate(entry.day, entry.month, entry.year)) {
        weekday_->setText(
            QString::fromLatin1(kWeekdayNames + 3 * WeekdayOf(entry.year, entry.month, entry.day), 3));
    } else {
        weekday_->clear();
    }
}

bool TEditRem::CommitOpen() {
    if (!openNumber_) return true;
    const auto index = IndexOfNumber(*openNumber_);
    if (!index) return true;
    const EventCommit commit = CommitEventPanel(PanelEntry(), list_.entries, *index);
    if (!commit.Ok()) {
        Refuse(commit);
        return false;
    }
    if (commit.line != list_.entries[*index].line) {
        const std::size_t row = ReplaceEventLine(list_.entries, *index, commit.line, style_);
        changed_ = true;
        sortColumn_ = -1;
        model_->SetSortColumn(-1);
        lastMatch_.reset();
        Refill(row);
    }
    return true;
}

void TEditRem::Refuse(const EventCommit& commit) {
    Sound* sound = context_.sound;
    Prompt* prompt = context_.prompt;
    QWidget* focus = first_->edit;
    QWidget* page = nullptr;
    if (commit.tooManyForDay) {
        if (sound) sound->PlayEvent("SystemExclamation");
        if (prompt) prompt->ShowMessage(MessageKind::Error, kMessageTitle, commit.message);
        focus->setFocus();
        return;
    }
    switch (commit.faultField) {
    case EntryField::None:
    case EntryField::FirstDate:
        if (sound) sound->PlayEvent("SystemExclamation");
        break;
    case EntryField::Every:
        focus = every_->edit;
        page = general_;
        break;
    case EntryField::Warning:
        focus = warning_->edit;
        page = general_;
        break;
    case EntryField::Hour:
        focus = hour_->edit;
        break;
    case EntryField::Minute:
        focus = minute_->edit;
        break;
    case EntryField::StartDate:
        focus = startDate_;
        page = advanced_;
        break;
    case EntryField::LimitDate:
        focus = limitDate_;
        page = advanced_;
        break;
    case EntryField::LimitCount:
        focus = count_->edit;
        page = advanced_;
        break;
    }
    if (commit.message.empty() && sound) sound->Beep();
    if (!commit.message.empty() && prompt)
        prompt->ShowMessage(MessageKind::Warning, kMessageTitle, commit.message);
    if (page) pages_->setCurrentWidget(page);
    focus->setFocus();
}

// ---- saving and closing

bool TEditRem::Save() {
    IniFile settings(context_.settingsPath);
    try {
        SaveEventList(list_, settings);
    } catch (const std::exception& error) {
        if (context_.prompt) context_.prompt->ShowMessage(MessageKind::Error, kMessageTitle, error.what());
        return false;
    }
    changed_ = false;
    saved_ = true;
    if (context_.events) emit context_.events->RemindersChanged();
    return true;
}

bool TEditRem::AskToSave() {
    if (!changed_) return true;
    if (context_.sound) context_.sound->PlayEvent("SystemQuestion");
    if (!context_.prompt || !context_.prompt->Ask(MessageKind::Warning, kMessageTitle, kSaveChangesQuestion))
        return true;
    return Save();
}

void TEditRem::PressOk() {
    if (!CommitOpen()) return;
    ClearPanel();
    if (!Save()) return;
    closing_ = true;
    accept();
}

void TEditRem::reject() {
    if (!closing_) {
        if (!AskToSave()) return;
        closing_ = true;
    }
    QDialog::reject();
}

void TEditRem::closeEvent(QCloseEvent* event) {
    if (closing_ || !isVisible()) {
        event->accept();
        return;
    }
    if (!CommitOpen()) {
        event->ignore();
        return;
    }
    ClearPanel();
    if (!AskToSave()) {
        event->ignore();
        return;
    }
    closing_ = true;
    event->accept();
    done(saved_ ? QDialog::Accepted : QDialog::Rejected);
}

// ---- iCalendar files

bool TEditRem::ImportCalendarFile(const QString& path) {
    if (!CommitOpen()) return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (context_.prompt)
            context_.prompt->ShowMessage(MessageKind::Error, kMessageTitle,
                                         "Unable to read " + path.toStdString());
        return false;
    }
    const IcsReading reading = ReadIcs(file.readAll().toStdString());
    if (reading.error) {
        if (context_.prompt) context_.prompt->ShowMessage(MessageKind::Error, kMessageTitle, *reading.error);
        return false;
    }
    ReminderLines lines = EventListLines(list_);
    const IcsImportOutcome outcome = AddImportedLines(lines, reading.records);
    if (!outcome.added.empty()) {
        ClearPanel();
        list_ = LoadEventList(lines, style_);
        changed_ = true;
        sortColumn_ = -1;
        model_->SetSortColumn(-1);
        lastMatch_.reset();
        Refill(list_.entries.empty() ? std::nullopt : std::optional<std::size_t>(0));
    }
    std::string report = "Imported " + std::to_string(outcome.added.size()) + " of " +
                         std::to_string(reading.records.size()) + " events.";
    for (const std::string& note : reading.notes) report += "\n" + note;
    for (const std::string& note : outcome.notes) report += "\n" + note;
    if (context_.prompt) context_.prompt->ShowMessage(MessageKind::Information, kMessageTitle, report);
    return true;
}

bool TEditRem::ExportCalendarFile(const QString& path) {
    if (!CommitOpen()) return false;
    IcsExportOptions options;
    options.timeZoneId = LocalTimeZoneId();
    const IcsExport exported = ExportReminders(EventListLines(list_), options);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(exported.text.data(), static_cast<qint64>(exported.text.size())) !=
            static_cast<qint64>(exported.text.size()) ||
        !file.flush()) {
        if (context_.prompt)
            context_.prompt->ShowMessage(MessageKind::Error, kMessageTitle,
                                         "Unable to write to " + path.toStdString());
        return false;
    }
    return true;
}

void TEditRem::Open(AppContext& context, QWidget* parent) {
    TEditRem form(context, parent);
    form.setWindowModality(Qt::WindowModal);
    form.exec();
}

}  // namespace orvanto
