// TListForm: the "Print Event List" dialog and the printed list's pages.
#include "ui/reminders/list_form.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPrintDialog>

#include "calendar/date_text.h"
#include "calendar/day_number.h"
#include "calendar/serial_date.h"
#include "core/ini_file.h"
#include "core/settings_keys.h"
#include "ui/printing/print_painter.h"
#include "ui/widgets/fonts.h"

namespace orvanto {

namespace {

constexpr QSize kClientSize(408, 333);
const PrintFont kTitleFont{PrintFace::CourierNew, 12, true};
const PrintFont kLineFont{PrintFace::CourierNew, 8, false};

QDate QDateOf(int dayNumber) {
    const CivilDate date = DateFromDayNumber(dayNumber);
    return QDate(date.year, date.month, date.day);
}

int DayNumberOf(const QDate& date) { return DayNumber(date.year(), date.month(), date.day()); }

// Places texts line by line down the pages.
class LineWriter {
public:
    LineWriter(PrintedDocument& document, int pageHeight, int lineHeight)
        : document_(document), pageHeight_(pageHeight), lineHeight_(lineHeight) {}

    void At(int y, const std::string& text, const PrintFont& font) {
        if (document_.pages.empty()) document_.pages.emplace_back();
        document_.pages.back().items.push_back(PrintText{0, y, text, font, kPrintBlack, {}});
    }
    // Writes at y, then moves y down a line, starting a new page when the
    // next line would reach the bottom.
    void Next(const std::string& text) {
        At(y_, text, kLineFont);
        Skip();
    }
    // Moves y down a line (new page rule as above).
    void Skip() {
        y_ += lineHeight_;
        if (y_ + lineHeight_ >= pageHeight_ && y_ > 0) {
            document_.pages.emplace_back();
            y_ = 0;
        }
    }
    void MoveTo(int y) { y_ = y; }

private:
    PrintedDocument& document_;
    int pageHeight_;
    int lineHeight_;
    int y_ = 0;
};

}  // namespace

PrintedDocument LayoutEventList(const std::vector<EventListEntry>& entries, const EventPrintOptions& options,
                                const EventTextStyle& style, const PageGeometry& geometry,
                                const TextMeasure& measure) {
    PrintedDocument document;
    document.title = kEventListPrintTitle;
    const int lineHeight = std::max(1, measure.Height("pP", kLineFont));
    LineWriter writer(document, geometry.height, lineHeight);
    writer.At(0, kEventListPrintTitle, kTitleFont);
    writer.At(2 * lineHeight, EventListSubtitle(options, style.dateFormat), kLineFont);
    writer.MoveTo(4 * lineHeight);
    const EventPrintText text = EventListPrintText(entries, options, style.twelveHour);
    for (const std::string& line : text.lines) writer.Next(line);
    writer.Skip();
    writer.Next(EventListTotalLine(text.count));
    // A page break after the total leaves an empty last page: drop it.
    if (document.pages.size() > 1 && document.pages.back().items.empty()) document.pages.pop_back();
    return document;
}

bool PrintEventList(const std::vector<EventListEntry>& entries, const EventPrintOptions& options,
                    const EventTextStyle& style, QPrinter& printer) {
    const DeviceTextMeasure measure(&printer);
    return PrintDocument(LayoutEventList(entries, options, style, GeometryOf(printer), measure), printer);
}

TListForm::TListForm(const AppContext& context, int today, int dateFormat, QPrinter& printer, QWidget* parent)
    : ThemedDialog(QString(), kClientSize, parent), printer_(printer) {
    setObjectName(QStringLiteral("TListForm"));
    setWindowTitle(QStringLiteral("Print Event List"));
    setFont(PixelFont(FontFace::Verdana, 13));
    BuildControls(today, dateFormat);
    RefreshTitle();
    ApplyTheme(context.themeIndex);
}

void TListForm::BuildControls(int today, int dateFormat) {
    const QString pickerFormat = QString::fromStdString(DatePickerPattern(dateFormat));
    auto* range = new QGroupBox(QStringLiteral(" Range "), this);
    range->setGeometry(10, 34, 186, 104);
    from_ = new QDateEdit(range);
    to_ = new QDateEdit(range);
    const std::array<std::pair<QDateEdit*, const char*>, 2> pickers{{{from_, "&From"}, {to_, "&To"}}};
    int y = 26;
    for (const auto& [picker, caption] : pickers) {
        auto* label = new QLabel(QString::fromLatin1(caption), range);
        label->setGeometry(10, y + 3, 50, 18);
        label->setBuddy(picker);
        picker->setDisplayFormat(pickerFormat);
        picker->setCalendarPopup(true);
        picker->setGeometry(62, y, 112, 26);
        y += 38;
    }
    from_->setObjectName(QStringLiteral("DateTimePicker1"));
    to_->setObjectName(QStringLiteral("DateTimePicker2"));
    from_->setDate(QDateOf(today));
    to_->setDate(QDate(QDateOf(today).year(), 12, 31));

    auto* type = new QGroupBox(QStringLiteral(" Typ&e "), this);
    type->setGeometry(10, 146, 186, 136);
    const char* const typeNames[] = {"Reminders", "Holidays", "Bookmarks", "All"};
    const char* const typeObjects[] = {"TypeReminders", "TypeHolidays", "TypeBookmarks", "TypeAll"};
    for (std::size_t i = 0; i < types_.size(); ++i) {
        types_[i] = new QRadioButton(QString::fromLatin1(typeNames[i]), type);
        types_[i]->setObjectName(QString::fromLatin1(typeObjects[i]));
        types_[i]->setGeometry(14, 24 + 26 * static_cast<int>(i), 160, 22);
    }
    types_[kPrintAll]->setChecked(true);

    auto* columns = new QGroupBox(QStringLiteral(" Col&umns "), this);
    columns->setGeometry(206, 34, 192, 248);
    const char* const columnNames[] = {"Date",    "Time",      "Legend",
                                       "Warning", "Frequency", "Start Time && Limit"};
    const char* const columnObjects[] = {"ColumnDate",    "ColumnTime",      "ColumnLegend",
                                         "ColumnWarning", "ColumnFrequency", "ColumnStartLimit"};
    for (std::size_t i = 0; i < columns_.size(); ++i) {
        columns_[i] = new QCheckBox(QString::fromLatin1(columnNames[i]), columns);
        columns_[i]->setObjectName(QString::fromLatin1(columnObjects[i]));
        columns_[i]->setGeometry(14, 26 + 34 * static_cast<int>(i), 172, 22);
        columns_[i]->setChecked(true);
    }

    print_ = new BevelButton(this);
    print_->setObjectName(QStringLiteral("PrintButton"));
    print_->setText(QStringLiteral("&Print"));
    cancel_ = new BevelButton(this);
    cancel_->setObjectName(QStringLiteral("CancelButton2"));
    cancel_->setText(QStringLiteral("&Cancel"));
    setup_ = new BevelButton(this);
    setup_->setObjectName(QStringLiteral("SetupButton"));
    setup_->setText(QStringLiteral("&Setup"));
    int x = 128;
    for (BevelButton* button : {print_, cancel_, setup_}) {
        button->setGeometry(x, 294, 84, 28);
        x += 92;
    }
    connect(print_, &QAbstractButton::clicked, this, &QDialog::accept);
    connect(cancel_, &QAbstractButton::clicked, this, &QDialog::reject);
    connect(setup_, &QAbstractButton::clicked, this, &TListForm::Setup);
}

void TListForm::ApplyTheme(int themeIndex) {
    ThemedDialog::ApplyTheme(themeIndex);
    const Theme& theme = Theme::ByIndex(themeIndex);
    for (BevelButton* button : {print_, cancel_, setup_}) button->SetColors(theme.Buttons(ButtonFamily::Day));
}

EventPrintOptions TListForm::Options() const {
    EventPrintOptions options;
    options.from = DayNumberOf(from_->date());
    options.to = DayNumberOf(to_->date());
    for (std::size_t i = 0; i < types_.size(); ++i) {
        if (types_[i]->isChecked()) options.type = static_cast<int>(i);
    }
    options.columns.date = columns_[0]->isChecked();
    options.columns.time = columns_[1]->isChecked();
    options.columns.legend = columns_[2]->isChecked();
    options.columns.warning = columns_[3]->isChecked();
    options.columns.frequency = columns_[4]->isChecked();
    options.columns.startAndLimit = columns_[5]->isChecked();
    return options;
}

QString TListForm::TitleText() const {
    QString name;
    if (printerChosen_) {
        name = printer_.outputFormat() == QPrinter::PdfFormat ? printer_.outputFileName()
                                                              : printer_.printerName();
    }
    if (name.isEmpty()) name = QStringLiteral("Default Printer");
    return QStringLiteral("Print  [") + name + QStringLiteral("]");
}

void TListForm::RefreshTitle() { Caption()->Title()->SetText(TitleText()); }

void TListForm::Setup() {
    QPrintDialog dialog(&printer_, this);
    dialog.setWindowModality(Qt::WindowModal);
    if (dialog.exec() == QDialog::Accepted) printerChosen_ = true;
    RefreshTitle();
}

void TListForm::Open(AppContext& context, QWidget* parent, const std::vector<EventListEntry>& entries) {
    const IniFile settings(context.settingsPath);
    const int dateFormat =
        ReadSettingInteger(settings, kSettingsSection, "DateFormat", SettingsReader::MainWindow);
    const double now = context.clock ? context.clock->LocalNow() : 0.0;
    const CivilDate today = DecodeDate(now);
    QPrinter printer(QPrinter::HighResolution);
    TListForm form(context, DayNumber(today), dateFormat, printer, parent);
    form.setWindowModality(Qt::WindowModal);
    if (form.exec() != QDialog::Accepted) return;

    // Without a queue (no CUPS printer: Qt's default is then a PDF writer
    // without a file) the print dialog offers a PDF file.
    const bool noQueue = printer.outputFormat() == QPrinter::NativeFormat
                             ? printer.printerName().isEmpty()
                             : printer.outputFileName().isEmpty();
    if (noQueue) {
        QPrintDialog dialog(&printer, parent);
        dialog.setWindowModality(Qt::WindowModal);
        if (dialog.exec() != QDialog::Accepted) return;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool printed =
        PrintEventList(entries, form.Options(), {dateFormat, context.timeStyle.twelveHour}, printer);
    QApplication::restoreOverrideCursor();
    if (!printed && context.prompt) {
        context.prompt->ShowMessage(MessageKind::Error, kMessageTitle, "The printer could not be started.");
    }
}

}  // namespace orvanto
