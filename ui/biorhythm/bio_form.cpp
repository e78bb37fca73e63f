// TBioForm: the "Biorhythm" window.
#include "ui/biorhythm/bio_form.h"

#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QFrame>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QPrintDialog>
#include <QPrinter>
#include <QTimer>

#include <algorithm>
#include <functional>
#include <optional>

#include "calendar/date_text.h"
#include "calendar/serial_date.h"
#include "calendar/valid_date.h"
#include "core/ini_file.h"
#include "core/settings_keys.h"
#include "ui/help/help_window.h"
#include "ui/widgets/fonts.h"
#include "ui/widgets/placed_controls.h"

namespace orvanto {

namespace {

constexpr QSize kClientSize(553, 459);
constexpr int kYearDigits = 4;
// Print resolution: the chart's pixels are stretched 3 or 6 times on a page
// of 300 dots per inch (3.4 and 6.8 inches wide).
constexpr int kPrintDpi = 300;
constexpr int kSmallPrintScale = 3;
constexpr int kLargePrintScale = 6;
constexpr int kStripWidths[4] = {50, 95, 100, 104};
const QColor kStripColours[4] = {Qt::black, Qt::red, Qt::blue, QColor(0, 128, 0)};

QCheckBox* MakeBox(const char* name, const QString& text, const QRect& at, QWidget* parent,
                   const QColor& colour = QColor()) {
    auto* box = new QCheckBox(text, parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setGeometry(at);
    if (colour.isValid()) {
        QPalette p = box->palette();
        p.setColor(QPalette::WindowText, colour);
        p.setColor(QPalette::ButtonText, colour);
        box->setPalette(p);
    }
    return box;
}

CivilDate CivilOf(const QDate& date) { return {date.year(), date.month(), date.day()}; }

}  // namespace

TBioForm::TBioForm(AppContext& context, QWidget* parent)
    : ThemedDialog(QStringLiteral("Biorhythm"), kClientSize, parent),
      context_(context),
      file_(bio::BioDataPath(context.settingsPath)) {
    setObjectName(QStringLiteral("TBioForm"));
    setWindowTitle(QStringLiteral("Biorythm"));
    setFont(PixelFont(FontFace::Tahoma, 11));
    dateFormat_ = ReadSettingInteger(IniFile(context_.settingsPath), kSettingsSection, "DateFormat",
                                     SettingsReader::MainWindow);
    BuildControls();
    BuildChartMenu();
    ApplyTheme(context_.themeIndex);

    const bio::BioOptions options = file_.ReadOptions();
    favourites_ = file_.ReadFavourites(dateFormat_);
    ApplyOptions(options);

    const CivilDate today = Today();
    birth_->setDate(QDate(today.year, today.month, today.day));
    {
        const QSignalBlocker blocker(month_);
        month_->setCurrentIndex(today.month - 1);
    }
    year_->setText(QString::number(today.year));
    DrawEmptyGrid();
    ShowFavourites(-1);
    if (options.lastUser >= 0 && options.lastUser < favourites_.Count()) LoadFavourite(options.lastUser);
}

void TBioForm::Open(AppContext& context, QWidget* parent) {
    TBioForm form(context, parent);
    form.setWindowModality(Qt::WindowModal);
    form.exec();
}

void TBioForm::BuildControls() {
    // The person and the favourites, on the left.
    name_ = new QLineEdit(this);
    name_->setObjectName(QStringLiteral("Edit1"));
    name_->setGeometry(10, 52, 170, 22);
    // Long enough for any name, short enough that the entry reads back whole.
    name_->setMaxLength(static_cast<int>(bio::kMaxNameLength));
    MakeLabel(QStringLiteral("&Name:"), QRect(10, 34, 170, 16), this, name_);

    birth_ = new QDateEdit(this);
    birth_->setObjectName(QStringLiteral("DateTimePicker1"));
    birth_->setDisplayFormat(QString::fromStdString(DatePickerPattern(dateFormat_)));
    birth_->setDateRange(QDate(kFirstCalendarYear, 1, 1), QDate(kLastCalendarYear, 12, 31));
    birth_->setCalendarPopup(true);
    birth_->setGeometry(10, 100, 112, 22);
    birth_->installEventFilter(this);
    MakeLabel(QStringLiteral("Date &of Birth:"), QRect(10, 82, 170, 16), this, birth_);

    add_ = MakeButton("AddButton", QStringLiteral("&Add"), QRect(128, 99, 52, 24), this);
    add_->setToolTip(QStringLiteral("Adds current person's name\nand birthday to favorites list"));

    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("ListBox1"));
    list_->setGeometry(10, 150, 170, 262);
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    list_->setTextElideMode(Qt::ElideNone);
    MakeLabel(QStringLiteral("Favorites"), QRect(10, 132, 170, 16), this, list_);

    delete_ = MakeButton("DeleteButton", QStringLiteral("&Delete"), QRect(10, 420, 170, 28), this);

    // The month and the chart, on the right.
    month_ = new QComboBox(this);
    month_->setObjectName(QStringLiteral("ComboBox1"));
    for (int m = 1; m <= 12; ++m) month_->addItem(QLocale(QLocale::English).standaloneMonthName(m));
    month_->setGeometry(306, 32, 120, 22);
    MakeLabel(QStringLiteral("&Month to graph:"), QRect(190, 35, 114, 16), this, month_);

    year_ = new QLineEdit(this);
    year_->setObjectName(QStringLiteral("AlignedEdit1"));
    year_->setMaxLength(kYearDigits);
    year_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    year_->setGeometry(432, 32, 48, 22);
    year_->installEventFilter(this);
    upDown_ = new QWidget(this);
    upDown_->setObjectName(QStringLiteral("UpDown1"));
    upDown_->setGeometry(481, 32, 14, 22);
    yearUp_ = new RoundButton(RoundButton::Symbol::ArrowUp, upDown_);
    yearUp_->setObjectName(QStringLiteral("UpDown1Up"));
    yearUp_->setGeometry(0, 0, 14, 11);
    yearUp_->setFocusPolicy(Qt::NoFocus);
    yearUp_->setAutoRepeat(true);
    yearDown_ = new RoundButton(RoundButton::Symbol::ArrowDown, upDown_);
    yearDown_->setObjectName(QStringLiteral("UpDown1Down"));
    yearDown_->setGeometry(0, 11, 14, 11);
    yearDown_->setFocusPolicy(Qt::NoFocus);
    yearDown_->setAutoRepeat(true);

    auto* frame = new QFrame(this);
    frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    frame->setLineWidth(1);
    frame->setGeometry(190, 62, bio::kChartWidth + 2, bio::kChartHeight + 2);
    image_ = new ChartView(this);
    image_->setObjectName(QStringLiteral("Image1"));
    image_->setGeometry(191, 63, bio::kChartWidth, bio::kChartHeight);
    image_->setContextMenuPolicy(Qt::CustomContextMenu);

    strip_ = new QTableWidget(1, 4, this);
    strip_->setObjectName(QStringLiteral("StringGrid1"));
    strip_->horizontalHeader()->hide();
    strip_->verticalHeader()->hide();
    strip_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    strip_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    strip_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    strip_->setSelectionMode(QAbstractItemView::NoSelection);
    strip_->setFocusPolicy(Qt::NoFocus);
    strip_->setShowGrid(true);
    strip_->setRowHeight(0, 20);
    int stripWidth = 0;
    for (int column = 0; column < 4; ++column) {
        strip_->setColumnWidth(column, kStripWidths[column]);
        stripWidth += kStripWidths[column];
        auto* cell = new QTableWidgetItem;
        cell->setForeground(kStripColours[column]);
        strip_->setItem(0, column, cell);
    }
    strip_->setGeometry(190, 246, stripWidth + 2 * strip_->frameWidth(), 20 + 2 * strip_->frameWidth());

    // The options.
    auto* options = new QGroupBox(QStringLiteral("Options"), this);
    options->setObjectName(QStringLiteral("OptionsBox"));
    options->setGeometry(190, 276, 351, 132);
    physical_ = MakeBox("PhysicalBox", QStringLiteral("&Physical"), QRect(12, 24, 150, 22), options, Qt::red);
    emotional_ =
        MakeBox("EmotionalBox", QStringLiteral("&Emotional"), QRect(12, 58, 150, 22), options, Qt::blue);
    intellectual_ = MakeBox("IntellectualBox", QStringLiteral("&Intellectual "), QRect(12, 92, 150, 22),
                            options, QColor(0, 128, 0));
    thickLines_ = MakeBox("ThickLinesBox", QStringLiteral("&Thick Lines"), QRect(160, 24, 185, 22), options);
    darkBackground_ =
        MakeBox("DarkBackgroundBox", QStringLiteral("Dark &Background"), QRect(160, 58, 185, 22), options);
    highlight_ = MakeBox("HighlightBox", QStringLiteral("&Highlight day under mouse"),
                         QRect(160, 92, 185, 22), options);

    close_ = MakeButton("CloseButton2", QStringLiteral("&Close"), QRect(285, 420, 80, 28), this);
    redraw_ = MakeButton("RedrawButton", QStringLiteral("&Redraw"), QRect(373, 420, 80, 28), this);
    help_ = MakeButton("HelpButton", QStringLiteral("&Help"), QRect(461, 420, 80, 28), this);

    connect(add_, &QAbstractButton::clicked, this, &TBioForm::AddFavourite);
    connect(delete_, &QAbstractButton::clicked, this, &TBioForm::DeleteFavourite);
    connect(list_, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { LoadFavourite(list_->row(item)); });
    connect(month_, &QComboBox::currentIndexChanged, this, &TBioForm::RedrawWhenChosen);
    for (QCheckBox* box : {physical_, emotional_, intellectual_, thickLines_, darkBackground_}) {
        connect(box, &QCheckBox::toggled, this, &TBioForm::RedrawWhenChosen);
    }
    connect(highlight_, &QCheckBox::toggled, this, &TBioForm::HighlightChanged);
    connect(yearUp_, &QAbstractButton::clicked, this, [this] { StepYear(1); });
    connect(yearDown_, &QAbstractButton::clicked, this, [this] { StepYear(-1); });
    connect(image_, &ChartView::MouseMoved, this, &TBioForm::MouseOverChart);
    connect(image_, &ChartView::MouseLeft, this, [this] { MouseOverChart(-1, -1); });
    connect(image_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { chartMenu_->popup(image_->mapToGlobal(at)); });
    connect(close_, &QAbstractButton::clicked, this, &QDialog::reject);
    connect(redraw_, &QAbstractButton::clicked, this, &TBioForm::RedrawWhenChosen);
    connect(help_, &QAbstractButton::clicked, this, [] { ShowHelpTopic(kBiorhythmHelpTopic); });
    // Enter redraws (in the date picker it draws at once); Escape closes.
    disconnect(DefaultButton(), &QPushButton::clicked, this, &QDialog::accept);
    connect(DefaultButton(), &QPushButton::clicked, this, &TBioForm::RedrawWhenChosen);
}

void TBioForm::BuildChartMenu() {
    chartMenu_ = new QMenu(this);
    chartMenu_->setObjectName(QStringLiteral("PopupMenu1"));
    struct Item {
        const char* name;
        const char* text;
        std::function<void()> run;
    };
    const Item items[] = {
        {"PrintSmallItem", "&Print image (small)", [this] { AskPrint(kSmallPrintScale); }},
        {"PrintLargeItem", "P&rint image (large)", [this] { AskPrint(kLargePrintScale); }},
        {"CopyItem", "&Copy image", [this] { CopyImage(); }},
        {"SaveItem", "&Save as bitmap", [this] { AskSaveBitmap(); }},
    };
    for (const Item& item : items) {
        QAction* action = chartMenu_->addAction(QString::fromLatin1(item.text));
        action->setObjectName(QString::fromLatin1(item.name));
        connect(action, &QAction::triggered, this, item.run);
    }
}

void TBioForm::ApplyTheme(int themeIndex) {
    ThemedDialog::ApplyTheme(themeIndex);
    const Theme& theme = Theme::ByIndex(themeIndex);
    for (BevelButton* button : {add_, delete_, close_, redraw_, help_}) {
        button->SetColors(theme.Buttons(ButtonFamily::Day));
    }
    delete_->SetHotTrack(true, Qt::red);
    yearUp_->SetFace(theme.Color(ThemeRole::RoundFace));
    yearDown_->SetFace(theme.Color(ThemeRole::RoundFace));
    // The value strip stands on the window's background.
    QPalette p = strip_->palette();
    p.setColor(QPalette::Base, theme.Color(ThemeRole::WindowBackground));
    strip_->setPalette(p);
}

void TBioForm::ApplyOptions(const bio::BioOptions& options) {
    const std::pair<QCheckBox*, bool> boxes[] = {
        {physical_, options.physical},
        {emotional_, options.emotional},
        {intellectual_, options.intellectual},
        {thickLines_, options.thickLines},
        {darkBackground_, options.darkBackground},
        {highlight_, options.dayUnderMouse},
    };
    for (const auto& [box, on] : boxes) {
        const QSignalBlocker blocker(box);
        box->setChecked(on);
    }
}

bio::BioOptions TBioForm::CurrentOptions() const {
    bio::BioOptions options;
    options.physical = physical_->isChecked();
    options.emotional = emotional_->isChecked();
    options.intellectual = intellectual_->isChecked();
    options.thickLines = thickLines_->isChecked();
    options.darkBackground = darkBackground_->isChecked();
    options.dayUnderMouse = highlight_->isChecked();
    options.lastUser = list_->currentRow();
    return options;
}

void TBioForm::showEvent(QShowEvent* event) {
    ThemedDialog::showEvent(event);
    // Entries that could not be read are reported once, over the open window.
    if (!skippedReported_ && !favourites_.Unreadable().empty()) {
        skippedReported_ = true;
        QTimer::singleShot(0, this, [this] { Warn(std::string(bio::kSkippedMessage)); });
    }
}

void TBioForm::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1 && event->modifiers() == Qt::NoModifier) {
        help_->click();
        return;
    }
    ThemedDialog::keyPressEvent(event);
}

void TBioForm::done(int result) {
    if (!closing_) {
        closing_ = true;
        try {
            file_.WriteOptions(CurrentOptions());
        } catch (const std::exception& error) {
            ShowError(error.what());
        }
    }
    ThemedDialog::done(result);
}

// ---------------------------------------------------------------------------
// The chart

CivilDate TBioForm::Today() const {
    return context_.clock ? DecodeDate(context_.clock->LocalNow()) : CivilOf(QDate::currentDate());
}

CivilDate TBioForm::Birth() const { return CivilOf(birth_->date()); }

std::optional<int> TBioForm::Year() const {
    bool ok = false;
    const int year = year_->text().toInt(&ok);
    if (!ok || year < kFirstCalendarYear || year > kLastCalendarYear) return std::nullopt;
    return year;
}

bio::ChartColours TBioForm::Colours() const { return DesktopChartColours(darkBackground_->isChecked()); }

void TBioForm::ShowChart() { image_->SetImage(ChartQImage(chart_.Image())); }

void TBioForm::DrawEmptyGrid() {
    chart_.DrawEmptyGrid(Colours(), lettering_);
    ShowChart();
}

void TBioForm::DrawChart() {
    const std::optional<int> year = Year();
    if (!year) return;
    bio::ChartOptions options;
    options.cycles = {physical_->isChecked(), emotional_->isChecked(), intellectual_->isChecked()};
    options.thickLines = thickLines_->isChecked();
    const bio::ChartSubject subject{name_->text().toStdString(), Birth(), *year, month_->currentIndex() + 1};
    if (!chart_.Draw(subject, Today(), options, Colours(), lettering_)) return;
    for (int column = 0; column < 4; ++column) strip_->item(0, column)->setText(QString());
    ShowChart();
}

void TBioForm::RedrawWhenChosen() {
    if (!name_->text().isEmpty() || Birth() != Today()) {
        DrawChart();
    } else if (!chart_.ChartDrawn()) {
        // Nobody chosen yet: the empty grid follows the colour option.
        DrawEmptyGrid();
    }
}

void TBioForm::MouseOverChart(int x, int y) {
    if (!chart_.ChartDrawn()) return;
    const bio::StripCells cells = chart_.MouseAt(x, y, highlight_->isChecked());
    for (int column = 0; column < 4; ++column) {
        strip_->item(0, column)->setText(QString::fromStdString(cells[static_cast<std::size_t>(column)]));
    }
    ShowChart();
}

void TBioForm::HighlightChanged(bool on) {
    if (!on && chart_.ChartDrawn()) {
        chart_.RestoreClean();
        ShowChart();
    }
}

// ---------------------------------------------------------------------------
// Favourites

void TBioForm::ShowFavourites(int selected) {
    list_->clear();
    for (const std::string& entry : favourites_.Entries()) list_->addItem(QString::fromStdString(entry));
    if (selected >= 0 && selected < list_->count())
        list_->setCurrentRow(selected);
    else
        list_->setCurrentRow(-1);
}

void TBioForm::AddFavourite() {
    const bio::Favourite favourite{name_->text().trimmed().toStdString(), Birth()};
    switch (favourites_.CheckAdd(favourite)) {
    case bio::AddRefusal::EmptyName:
        Beep();
        name_->setFocus();
        return;
    case bio::AddRefusal::AngleBrackets:
        Beep();
        Warn(std::string(bio::kAngleBracketsMessage));
        name_->setFocus();
        return;
    case bio::AddRefusal::Duplicate:
        Beep();
        Warn(std::string(bio::kDuplicateMessage));
        return;
    case bio::AddRefusal::None:
        break;
    }
    const int position = favourites_.Add(favourite);
    ShowFavourites(position);
    DrawChart();
    WriteFavourites();
}

void TBioForm::DeleteFavourite() {
    const int position = list_->currentRow();
    if (position < 0 || position >= favourites_.Count()) {
        Beep();
        return;
    }
    const std::string question = "Delete \"" + favourites_.EntryAt(position) + "\"?";
    if (!context_.prompt || !context_.prompt->Ask(MessageKind::Warning, kMessageTitle, question)) return;
    favourites_.Remove(position);
    ShowFavourites(-1);
    WriteFavourites();
}

void TBioForm::LoadFavourite(int position) {
    if (position < 0 || position >= favourites_.Count()) return;
    const bio::Favourite& favourite = favourites_.At(position);
    list_->setCurrentRow(position);
    name_->setText(QString::fromStdString(favourite.name));
    birth_->setDate(QDate(favourite.birth.year, favourite.birth.month, favourite.birth.day));
    DrawChart();
}

void TBioForm::WriteFavourites() {
    try {
        file_.WriteFavourites(favourites_);
    } catch (const std::exception& error) {
        ShowError(error.what());
    }
}

// ---------------------------------------------------------------------------
// The year box

void TBioForm::StepYear(int step) {
    const std::optional<int> year = Year();
    const int current = year ? *year : Today().year;
    year_->setText(QString::number(std::clamp(current + step, kFirstCalendarYear, kLastCalendarYear)));
    DrawChart();
}

// A year of fewer than four digits, or one outside 1753 to 2078 that no
// chart can be drawn for, keeps the focus.
void TBioForm::CheckYearOnLeaving() {
    if (closing_ || !isVisible() || (year_->text().size() >= kYearDigits && Year())) return;
    Beep();
    year_->setFocus();
    year_->selectAll();
}

bool TBioForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == year_ && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down) {
            StepYear(key->key() == Qt::Key_Up ? 1 : -1);
            return true;
        }
        const QString text = key->text();
        if (!text.isEmpty() && text.at(0).isPrint() &&
            !(text.size() == 1 && text.at(0) >= u'0' && text.at(0) <= u'9')) {
            Beep();
            return true;
        }
    }
    if (watched == year_ && event->type() == QEvent::FocusOut) {
        QWidget* next = QApplication::focusWidget();
        // Leaving for another window (a message box) is no reason to check.
        if (!(next && next->window() != this)) QTimer::singleShot(0, this, &TBioForm::CheckYearOnLeaving);
    }
    if (watched == birth_ && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            DrawChart();
            return true;
        }
    }
    return ThemedDialog::eventFilter(watched, event);
}

// ---------------------------------------------------------------------------
// Printing, copying and saving

bool TBioForm::PrintOn(QPagedPaintDevice& device, int scale) {
    return PrintChart(device, chart_.CleanImage(), chart_.Colours(), scale);
}

void TBioForm::AskPrint(int scale) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setResolution(kPrintDpi);
    printer.setDocName(QStringLiteral("Biorhythm"));
    QPrintDialog dialog(&printer, this);
    dialog.setWindowModality(Qt::WindowModal);
    if (dialog.exec() != QDialog::Accepted) return;
    if (!PrintOn(printer, scale)) ShowError("The chart could not be printed.");
}

void TBioForm::CopyImage() { QGuiApplication::clipboard()->setImage(ChartQImage(chart_.CleanImage())); }

bool TBioForm::SaveBitmap(const QString& path) {
    if (ChartQImage(chart_.CleanImage()).save(path, "BMP")) return true;
    ShowError(EIniFileError(path.toStdString()).what());
    return false;
}

void TBioForm::AskSaveBitmap() {
    QFileDialog dialog(this, QStringLiteral("Save as bitmap"));
    dialog.setObjectName(QStringLiteral("SavePictureDialog1"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(QStringLiteral("Bitmap files (*.bmp)"));
    dialog.setDefaultSuffix(QStringLiteral("bmp"));
    dialog.setWindowModality(Qt::WindowModal);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    SaveBitmap(dialog.selectedFiles().constFirst());
}

// ---------------------------------------------------------------------------
// Messages

void TBioForm::Beep() {
    if (context_.sound) context_.sound->Beep();
}

void TBioForm::Warn(const std::string& text) {
    if (context_.prompt) context_.prompt->ShowMessage(MessageKind::Warning, kMessageTitle, text);
}

void TBioForm::ShowError(const std::string& text) {
    if (context_.prompt) context_.prompt->ShowMessage(MessageKind::Error, kMessageTitle, text);
}

}  // namespace orvanto
