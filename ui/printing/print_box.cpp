// TPrintBox: the "Print" dialog.
#include "ui/printing/print_box.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include <algorithm>

#include "calendar/serial_date.h"
#include "calendar/valid_date.h"
#include "core/ini_file.h"
#include "core/settings_keys.h"
#include "ui/printing/calendar_print_shapes.h"
#include "ui/printing/calendar_printer.h"
#include "ui/printing/print_box_glyphs.h"
#include "ui/printing/print_box_rules.h"
#include "ui/widgets/fonts.h"

namespace orvanto {

namespace {

constexpr QSize kClientSize(400, 329);
constexpr int kLayoutButtonTop = 34;
constexpr QSize kLayoutButtonSize(120, 42);
constexpr const char* kPrintFailedMessage = "The printer could not be started.";
constexpr const char* kNoPrinterMessage =
    "No printer is available. Use Printer Setup to choose a printer or to print to a PDF file.";

// Without any printer Qt's default is a PDF writer that has no file to write.
bool NoPrinter(const QPrinter& printer) {
    return printer.outputFormat() == QPrinter::PdfFormat && printer.outputFileName().isEmpty();
}

// The printer of this run: chosen once with "Printer &Setup", kept until the
// application object goes (a printer must not outlive it).
struct RunPrinter {
    QPrinter* printer = nullptr;
    bool chosen = false;
};

RunPrinter& TheRunPrinter() {
    static RunPrinter run;
    return run;
}

// Made when first needed: asking the print system for its default printer
// can take a moment.
QPrinter& RunPrinterDevice() {
    RunPrinter& run = TheRunPrinter();
    if (!run.printer) {
        run.printer = new QPrinter(QPrinter::HighResolution);
        qAddPostRoutine([] {
            RunPrinter& ending = TheRunPrinter();
            delete ending.printer;
            ending.printer = nullptr;
            ending.chosen = false;
        });
    }
    return *run.printer;
}

// Message boxes nobody asked to see (a dialog opened without a prompt).
class SilentPrompt : public Prompt {
public:
    void ShowMessage(MessageKind, const std::string&, const std::string&) override {}
    bool Ask(MessageKind, const std::string&, const std::string&) override { return false; }
    ReminderPopupAnswer Popup(const ReminderPopupRequest& request) override {
        return {request.keepChecked, 0};
    }
};

EntryPlacement PlacementOf(QRadioButton* const radios[3]) {
    if (radios[1]->isChecked()) return EntryPlacement::Below;
    if (radios[2]->isChecked()) return EntryPlacement::Both;
    return EntryPlacement::Inside;
}

bool NothingChosen(QRadioButton* const radios[3]) {
    return !radios[0]->isChecked() && !radios[1]->isChecked() && !radios[2]->isChecked();
}

}  // namespace

TPrintBox::TPrintBox(AppContext& context, int shownMonth, int shownYear, QWidget* parent)
    : ThemedDialog(CaptionText(nullptr), kClientSize, parent), context_(context), shownYear_(shownYear) {
    setObjectName(QStringLiteral("TPrintBox"));
    setFont(PixelFont(FontFace::Tahoma, 11));
    BuildLayoutButtons();
    BuildOptions();
    BuildRange();
    BuildButtons();

    const IniFile settings(context_.settingsPath);
    const PrintSettings saved = ReadPrintSettings(settings);
    switch (LayoutFromLastType(saved.lastType)) {
    case CalendarLayout::Month:
        monthBut_->setChecked(true);
        break;
    case CalendarLayout::Year:
        yearBut_->setChecked(true);
        break;
    case CalendarLayout::Card:
        cardBut_->setChecked(true);
        break;
    }
    moon_->setChecked(saved.printMoon);
    holidays_->setChecked(saved.printHoly);
    events_->setChecked(saved.printEvent);
    colors_->setChecked(false);
    monthList_->setCurrentIndex(std::clamp(shownMonth, 1, 12) - 1);
    year_.edit->setText(QString::number(shownYear));
    count_.edit->setText(QStringLiteral("1"));
    UpdateControls();
    RefreshCaption();
    ApplyTheme(context_.themeIndex);
    setFocusProxy(moon_);
    moon_->setFocus();
}

void TPrintBox::BuildLayoutButtons() {
    layouts_ = new QButtonGroup(this);
    layouts_->setExclusive(true);
    monthBut_ = MakeLayoutButton("MonthBut", QStringLiteral("&Month"), CalendarLayout::Month, 10);
    yearBut_ = MakeLayoutButton("YearBut", QStringLiteral("&Year"), CalendarLayout::Year, 140);
    cardBut_ = MakeLayoutButton("CardBut", QStringLiteral("C&ard"), CalendarLayout::Card, 270);
    connect(layouts_, &QButtonGroup::idToggled, this, [this](int, bool on) {
        if (on) UpdateControls();
    });
}

BevelButton* TPrintBox::MakeLayoutButton(const char* name, const QString& text, CalendarLayout layout,
                                         int x) {
    auto* button = new BevelButton(this);
    button->setObjectName(QString::fromLatin1(name));
    button->setCheckable(true);
    button->setText(text);
    QFont bold = font();
    bold.setBold(true);
    button->setFont(bold);
    button->setGeometry(QRect(QPoint(x, kLayoutButtonTop), kLayoutButtonSize));
    button->SetGlyph(PictureMaker([layout](qreal ratio) { return LayoutGlyphPixmap(layout, ratio); }),
                     QString::fromLatin1(name));
    layouts_->addButton(button, static_cast<int>(layout));
    return button;
}

QWidget* TPrintBox::MakePlacement(QWidget* parent, const char* name, const char* const texts[3],
                                  const char* const names[3], int y, QRadioButton* radios[3]) {
    auto* group = new QWidget(parent);
    group->setObjectName(QString::fromLatin1(name));
    group->setGeometry(120, y, 254, 22);
    for (int i = 0; i < 3; ++i) {
        radios[i] = new QRadioButton(QString::fromUtf8(texts[i]), group);
        radios[i]->setObjectName(QString::fromLatin1(names[i]));
        radios[i]->setGeometry(i * 84, 0, 82, 22);
    }
    return group;
}

void TPrintBox::BuildOptions() {
    auto* group = new QGroupBox(QStringLiteral(" Print Options "), this);
    group->setObjectName(QStringLiteral("OptionsGroup"));
    group->setGeometry(10, 86, 380, 110);
    auto makeBox = [group](const char* name, const QString& text, int x, int y) {
        auto* box = new QCheckBox(text, group);
        box->setObjectName(QString::fromLatin1(name));
        box->setGeometry(x, y, 112, 22);
        return box;
    };
    moon_ = makeBox("MoonBox", QStringLiteral("M&oon Phases"), 10, 22);
    colors_ = makeBox("ColorBox", QStringLiteral("Print co&lors"), 130, 22);
    holidays_ = makeBox("HolyBox", QStringLiteral("&Holidays"), 10, 50);
    events_ = makeBox("EventBox", QStringLiteral("&Reminders"), 10, 78);
    static const char* const kHolidayTexts[3] = {"&Inside", "B&elow", "&Both"};
    static const char* const kHolidayNames[3] = {"HolyInside", "HolyBelow", "HolyBoth"};
    static const char* const kEventTexts[3] = {"Insi&de", "Belo&w", "Bo&th"};
    static const char* const kEventNames[3] = {"EventInside", "EventBelow", "EventBoth"};
    holidayPlacement_ =
        MakePlacement(group, "HolyPlacement", kHolidayTexts, kHolidayNames, 50, holidayRadios_);
    eventPlacement_ = MakePlacement(group, "EventPlacement", kEventTexts, kEventNames, 78, eventRadios_);
    connect(holidays_, &QCheckBox::toggled, this, &TPrintBox::UpdateControls);
    connect(events_, &QCheckBox::toggled, this, &TPrintBox::UpdateControls);
}

TPrintBox::NumberBox TPrintBox::MakeNumberBox(const char* name, QWidget* parent, int x, int y, int width,
                                              int low, int high) {
    NumberBox box;
    box.edit = new QLineEdit(parent);
    box.edit->setObjectName(QString::fromLatin1(name) + QStringLiteral("Edit"));
    box.edit->setGeometry(x, y, width, 22);
    box.edit->setMaxLength(4);
    box.edit->installEventFilter(this);
    box.up = new RoundButton(RoundButton::Symbol::ArrowUp, parent);
    box.up->setObjectName(QString::fromLatin1(name) + QStringLiteral("Up"));
    box.up->setGeometry(x + width + 1, y, 12, 11);
    box.up->setFocusPolicy(Qt::NoFocus);
    box.down = new RoundButton(RoundButton::Symbol::ArrowDown, parent);
    box.down->setObjectName(QString::fromLatin1(name) + QStringLiteral("Down"));
    box.down->setGeometry(x + width + 1, y + 11, 12, 11);
    box.down->setFocusPolicy(Qt::NoFocus);
    box.low = low;
    box.high = high;
    return box;
}

void TPrintBox::BuildRange() {
    auto* start = new QGroupBox(QStringLiteral(" Start &From "), this);
    start->setObjectName(QStringLiteral("StartGroup"));
    start->setGeometry(10, 204, 220, 58);
    monthList_ = new QComboBox(start);
    monthList_->setObjectName(QStringLiteral("MonthList"));
    for (int m = 1; m <= 12; ++m) monthList_->addItem(QString::fromLatin1(MonthName(m)));
    monthList_->setGeometry(10, 24, 112, 22);
    year_ = MakeNumberBox("Year", start, 134, 24, 50, kFirstCalendarYear, kLastCalendarYear);
    connect(year_.up, &QAbstractButton::clicked, this, [this] { Step(year_, 1); });
    connect(year_.down, &QAbstractButton::clicked, this, [this] { Step(year_, -1); });

    auto* range = new QGroupBox(QStringLiteral(" Ra&nge "), this);
    range->setObjectName(QStringLiteral("RangeGroup"));
    range->setGeometry(240, 204, 150, 58);
    count_ = MakeNumberBox("Count", range, 10, 24, 34, 1, kMaxPrintCount);
    count_.edit->setMaxLength(2);
    connect(count_.up, &QAbstractButton::clicked, this, [this] { Step(count_, 1); });
    connect(count_.down, &QAbstractButton::clicked, this, [this] { Step(count_, -1); });
    countLabel_ = new QLabel(range);
    countLabel_->setObjectName(QStringLiteral("CountLabel"));
    countLabel_->setGeometry(64, 26, 76, 18);
    connect(count_.edit, &QLineEdit::textChanged, this, &TPrintBox::UpdateRangeLabel);
}

void TPrintBox::BuildButtons() {
    auto make = [this](const char* name, const QString& text, int x) {
        auto* button = new BevelButton(this);
        button->setObjectName(QString::fromLatin1(name));
        button->setText(text);
        button->setGeometry(x, 284, 120, 30);
        return button;
    };
    print_ = make("PrintBut", QStringLiteral("&Print"), 10);
    cancel_ = make("CancelBut", QStringLiteral("&Cancel"), 140);
    setup_ = make("SetupBut", QStringLiteral("Printer &Setup"), 270);
    connect(print_, &QAbstractButton::clicked, this, &TPrintBox::PressPrint);
    connect(cancel_, &QAbstractButton::clicked, this, &QDialog::reject);
    connect(setup_, &QAbstractButton::clicked, this, &TPrintBox::PrinterSetup);
    // Enter prints; Escape closes.
    disconnect(DefaultButton(), &QPushButton::clicked, this, &QDialog::accept);
    connect(DefaultButton(), &QPushButton::clicked, this, &TPrintBox::PressPrint);
}

void TPrintBox::ApplyTheme(int themeIndex) {
    ThemedDialog::ApplyTheme(themeIndex);
    const Theme& theme = Theme::ByIndex(themeIndex);
    for (BevelButton* button : {monthBut_, yearBut_, cardBut_, print_, cancel_, setup_}) {
        button->SetColors(theme.Buttons(ButtonFamily::Day));
    }
    for (const NumberBox* box : {&year_, &count_}) {
        box->up->SetFace(theme.Color(ThemeRole::RoundFace));
        box->down->SetFace(theme.Color(ThemeRole::RoundFace));
    }
}

void TPrintBox::UsePrinter(QPrinter* printer) {
    printer_ = printer;
    RefreshCaption();
}

QPrinter& TPrintBox::Printer() { return printer_ ? *printer_ : RunPrinterDevice(); }

QString TPrintBox::CaptionText(const QPrinter* chosen) {
    if (!chosen) return QStringLiteral("Print  [Default Printer]");
    QString name = chosen->printerName();
    if (chosen->outputFormat() == QPrinter::PdfFormat || name.isEmpty())
        name = QStringLiteral("Print to File (PDF)");
    return QStringLiteral("Print  [") + name + QStringLiteral("]");
}

void TPrintBox::RefreshCaption() {
    const QPrinter* chosen =
        printer_ ? printer_ : (TheRunPrinter().chosen ? TheRunPrinter().printer : nullptr);
    const QString caption = CaptionText(chosen);
    setWindowTitle(caption);
    Caption()->Title()->SetText(caption);
}

CalendarLayout TPrintBox::Layout() const {
    return static_cast<CalendarLayout>(std::max(0, layouts_->checkedId()));
}

void TPrintBox::UpdateControls() {
    const PrintBoxEnabling enabling = EnablingFor(Layout(), holidays_->isChecked(), events_->isChecked());
    monthList_->setEnabled(enabling.monthList);
    for (QCheckBox* box : {moon_, holidays_, events_}) box->setEnabled(enabling.options);
    holidayPlacement_->setEnabled(enabling.holidayPlacement);
    eventPlacement_->setEnabled(enabling.eventPlacement);
    if (enabling.holidayPlacement && NothingChosen(holidayRadios_)) holidayRadios_[0]->setChecked(true);
    if (enabling.eventPlacement && NothingChosen(eventRadios_)) eventRadios_[0]->setChecked(true);
    UpdateRangeLabel();
}

void TPrintBox::UpdateRangeLabel() {
    int count = 0;
    if (!ParseBoxNumber(count_.edit->text().toStdString(), count)) count = 0;
    countLabel_->setText(QString::fromStdString(RangeLabel(Layout(), count)));
}

void TPrintBox::Step(NumberBox& box, int step) {
    int value = 0;
    const bool present = ParseBoxNumber(box.edit->text().toStdString(), value);
    box.edit->setText(QString::number(present ? std::clamp(value + step, box.low, box.high) : box.low));
}

void TPrintBox::CorrectYear() {
    const int year = CorrectedYear(year_.edit->text().toStdString(), shownYear_);
    if (year_.edit->text() != QString::number(year)) year_.edit->setText(QString::number(year));
}

void TPrintBox::CorrectCount() {
    const int count = CorrectedCount(count_.edit->text().toStdString());
    if (count_.edit->text() != QString::number(count)) count_.edit->setText(QString::number(count));
}

bool TPrintBox::eventFilter(QObject* watched, QEvent* event) {
    NumberBox* box = watched == year_.edit ? &year_ : watched == count_.edit ? &count_ : nullptr;
    if (box && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            focusNextChild();
            return true;
        }
        if (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down) {
            Step(*box, key->key() == Qt::Key_Up ? 1 : -1);
            return true;
        }
    }
    if (box && event->type() == QEvent::FocusOut) {
        if (box == &year_)
            CorrectYear();
        else
            CorrectCount();
    }
    return ThemedDialog::eventFilter(watched, event);
}

CalendarPrintRequest TPrintBox::Request() {
    CorrectYear();
    CorrectCount();
    CalendarPrintRequest request;
    request.layout = Layout();
    request.month = monthList_->currentIndex() + 1;
    request.year = CorrectedYear(year_.edit->text().toStdString(), shownYear_);
    request.count = CorrectedCount(count_.edit->text().toStdString());
    CalendarPrintOptions& options = request.options;
    options.moon = moon_->isChecked();
    options.holidays = holidays_->isChecked();
    options.events = events_->isChecked();
    options.colors = colors_->isChecked();
    options.holidayPlacement = PlacementOf(holidayRadios_);
    options.eventPlacement = PlacementOf(eventRadios_);
    ReadWeekSettings(IniFile(context_.settingsPath), options);
    return request;
}

void TPrintBox::PressPrint() {
    const CalendarPrintRequest request = Request();
    IniFile settings(context_.settingsPath);
    try {
        WritePrintSettings(settings, {LastTypeOf(request.layout), moon_->isChecked(), holidays_->isChecked(),
                                      events_->isChecked()});
    } catch (const EIniFileError& error) {
        if (context_.prompt) context_.prompt->ShowMessage(MessageKind::Error, kMessageTitle, error.what());
        return;
    }

    SilentPrompt silent;
    Prompt& prompt = context_.prompt ? *context_.prompt : silent;
    // A printer whose start failed stays "active" and refuses every later
    // change, "Printer &Setup" included: one without a file to write is never
    // started.
    if (NoPrinter(Printer())) {
        prompt.ShowMessage(MessageKind::Error, kMessageTitle, kNoPrinterMessage);
        return;
    }
    const bool dst = ReadSettingBool(settings, kSettingsSection, "DSTCorrection", SettingsReader::MainWindow);
    const int bias = context_.timeZoneBias ? context_.timeZoneBias(dst) : 0;
    const TimeStyle timeStyle = context_.timeStyle;
    const MonthDataSource source = [&](int year, int month) {
        return ReadMonthPrintData(year, month, settings, timeStyle, prompt, bias);
    };
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool printed = PrintCalendar(request, Printer(), source);
    QApplication::restoreOverrideCursor();
    if (!printed) {
        prompt.ShowMessage(MessageKind::Error, kMessageTitle, kPrintFailedMessage);
        return;
    }
    accept();
}

void TPrintBox::PrinterSetup() {
    QPrintDialog dialog(&Printer(), this);
    dialog.setWindowModality(Qt::WindowModal);
    if (dialog.exec() != QDialog::Accepted) return;
    if (!printer_) TheRunPrinter().chosen = true;
    RefreshCaption();
}

void TPrintBox::Open(AppContext& context, QWidget* parent) {
    const CivilDate today = DecodeDate(context.clock ? context.clock->LocalNow() : 0.0);
    Open(context, parent, today.month, today.year);
}

void TPrintBox::Open(AppContext& context, QWidget* parent, int shownMonth, int shownYear) {
    TPrintBox box(context, shownMonth, shownYear, parent);
    box.setWindowModality(Qt::WindowModal);
    box.exec();
}

}  // namespace orvanto
