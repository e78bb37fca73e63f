// TMoonForm: the astronomical data window.
#include "ui/astronomy/moon_form.h"

#include <QApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QPrintDialog>
#include <QPrinter>

#include <charconv>
#include <cmath>

#include "astronomy/julian_day.h"
#include "calendar/date_text.h"
#include "calendar/valid_date.h"
#include "core/ini_file.h"
#include "core/settings_keys.h"
#include "core/time_zone.h"
#include "ui/astronomy/astro_report_print.h"
#include "ui/help/help_window.h"
#include "ui/printing/print_painter.h"
#include "ui/widgets/fonts.h"

namespace orvanto {

namespace {

constexpr QSize kClientSize(566, 378);
constexpr int kRefreshMs = 1000;
// Rows of captions and values on the pages.
constexpr int kRow = 17;
constexpr int kCaptionWidth = 132;

// Degrees as the settings file writes them ("51.4667"), whatever the locale; 0 when the
// text is no number.
long double ParseDegrees(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return 0;
    const auto last = text.find_last_not_of(' ');
    double value = 0;
    const char* begin = text.data() + first;
    const char* end = text.data() + last + 1;
    const auto [stop, error] = std::from_chars(begin, end, value);
    if (error != std::errc() || stop != end || !std::isfinite(value)) return 0;
    return value;
}

double SerialOf(const QDate& date) { return astro::EncodeSerialDate(date.year(), date.month(), date.day()); }

QDate DateOf(double serial) {
    const astro::CalendarDate d = astro::DecodeSerialDate(serial);
    return QDate(d.year, d.month, d.day);
}

}  // namespace

AstroWindowSettings ReadAstroWindowSettings(const std::string& settingsPath) {
    const IniFile ini(settingsPath);
    constexpr SettingsReader kReader = SettingsReader::AstronomicalWindow;
    AstroWindowSettings s;
    s.latitude = ParseDegrees(ReadSettingText(ini, kLocationSection, "Latitude", kReader));
    s.longitude = ParseDegrees(ReadSettingText(ini, kLocationSection, "Longitude", kReader));
    s.cityName = ReadSettingText(ini, kLocationSection, "CityName", kReader);
    s.dateFormat = ReadSettingInteger(ini, kSettingsSection, "DateFormat", kReader);
    s.minorPhases = ReadSettingBool(ini, kSettingsSection, "MinorPhases", kReader);
    s.dstCorrection = ReadSettingBool(ini, kSettingsSection, "DSTCorrection", kReader);
    return s;
}

TMoonForm::TMoonForm(AppContext& context, std::optional<CivilDate> shownDate, QWidget* parent)
    : ThemedDialog(QStringLiteral("Astronomical Data"), kClientSize, parent), context_(context) {
    setObjectName(QStringLiteral("TMoonForm"));
    setFont(PixelFont(FontFace::Verdana, 11));
    settings_ = ReadAstroWindowSettings(context_.settingsPath);
    BuildControls();
    ApplyTheme(context_.themeIndex);

    const QDate today = DateOf(std::floor(context_.clock->LocalNow()));
    picker_->setDate(shownDate ? QDate(shownDate->year, shownDate->month, shownDate->day) : today);
    pages_->setCurrentIndex(0);
    if (settings_.latitude < 0) moon_->SetRotation(astro::rot_180);
    Refresh();
    Caption()->Title()->SetText(QString::fromStdString(values_.title));
    setWindowTitle(QString::fromStdString(values_.title));

    timer_ = new QTimer(this);
    timer_->setObjectName(QStringLiteral("Timer1"));
    timer_->setInterval(kRefreshMs);
    connect(timer_, &QTimer::timeout, this, &TMoonForm::Tick);
    timer_->start();
}

void TMoonForm::Open(AppContext& context, QWidget* parent, std::optional<CivilDate> shownDate) {
    TMoonForm form(context, shownDate, parent);
    form.setWindowModality(parent ? Qt::WindowModal : Qt::ApplicationModal);
    form.exec();
}

QLabel* TMoonForm::CaptionLabel(const QString& text, const QRect& at, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setGeometry(at);
    return label;
}

QLabel* TMoonForm::Value(const char* name, std::string astro::TAstroValues::*value, const QRect& at,
                         QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(at);
    if (value) valueLabels_.push_back({label, value});
    return label;
}

void TMoonForm::BuildControls() {
    CaptionLabel(QStringLiteral("Date:"), QRect(12, 36, 40, 18), this);
    picker_ = new QDateEdit(this);
    picker_->setObjectName(QStringLiteral("DateTimePicker1"));
    picker_->setCalendarPopup(true);
    picker_->setDisplayFormat(QString::fromStdString(DatePickerPattern(settings_.dateFormat)));
    picker_->setDateRange(QDate(kFirstCalendarYear, 1, 1), QDate(kLastCalendarYear, 12, 31));
    picker_->setGeometry(56, 32, 124, 24);
    CaptionLabel(QStringLiteral("Julian Date:"), QRect(206, 36, 90, 18), this);
    julianDate_ = Value("JulianDate", &astro::TAstroValues::julianDate, QRect(298, 36, 180, 18), this);

    pages_ = new QTabWidget(this);
    pages_->setObjectName(QStringLiteral("PageControl1"));
    pages_->setGeometry(6, 62, 554, 274);
    pages_->addTab(BuildMoonPage(), QStringLiteral("The Moon"));
    pages_->addTab(BuildSunPage(), QStringLiteral("The Sun"));
    pages_->addTab(BuildSeasonsPage(), QStringLiteral("The Seasons"));

    help_ = new BevelButton(this);
    help_->setObjectName(QStringLiteral("HelpBtn"));
    help_->setText(QStringLiteral("&Help"));
    help_->setGeometry(10, 342, 86, 28);
    print_ = new BevelButton(this);
    print_->setObjectName(QStringLiteral("PrintBtn"));
    print_->setText(QStringLiteral("&Print"));
    print_->setGeometry(376, 342, 86, 28);
    close_ = new BevelButton(this);
    close_->setObjectName(QStringLiteral("CloseBtn"));
    close_->setText(QStringLiteral("&Close"));
    close_->setGeometry(470, 342, 86, 28);
    connect(help_, &QAbstractButton::clicked, this, [] { ShowHelpTopic(kAstroModuleHelpTopic); });
    connect(print_, &QAbstractButton::clicked, this, &TMoonForm::PressPrint);
    connect(close_, &QAbstractButton::clicked, this, &QDialog::accept);
}

// Two columns above (the values on the left, the picture and the phases on the right) and
// the long values across the page below.
QWidget* TMoonForm::BuildMoonPage() {
    using V = astro::TAstroValues;
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("MoonPage"));
    const int valueX = 10 + kCaptionWidth + 4;
    const int leftWidth = 380 - valueX;
    struct Row {
        const char* caption;
        const char* name;
        std::string V::*value;
    };
    const Row left[] = {
        {"Lit Fraction:", "LitFraction", &V::litFraction},
        {"Age of Moon:", "MoonAge", &V::moonAge},
        {"Lunation:", "Lunation", &V::lunation},
        {"Moon subtends:", "MoonSubtends", &V::moonSubtends},
        {"Moon rise:", "MoonRise", &V::moonRise},
        {"Moon transit:", "MoonTransit", &V::moonTransit},
        {"Moon set:", "MoonSet", &V::moonSet},
    };
    int y = 8;
    for (const Row& r : left) {
        CaptionLabel(QString::fromLatin1(r.caption), QRect(10, y, kCaptionWidth, kRow), page);
        Value(r.name, r.value, QRect(valueX, y, leftWidth, kRow), page);
        y += kRow + 2;
    }

    moon_ = new TMoon(page);
    moon_->move(434, 4);
    const int rightX = 384;
    const int rightWidth = 548 - rightX - 4;
    CaptionLabel(QStringLiteral("Current moon phase:"), QRect(rightX, 72, rightWidth, kRow), page);
    Value("CurrentPhaseName", &V::currentPhaseName, QRect(rightX + 8, 72 + kRow, rightWidth - 8, kRow), page);
    Value("CurrentPhaseDate", &V::currentPhaseDate, QRect(rightX + 8, 72 + 2 * kRow, rightWidth - 8, kRow),
          page);
    CaptionLabel(QStringLiteral("Next moon phase:"), QRect(rightX, 128, rightWidth, kRow), page);
    Value("NextPhaseName", &V::nextPhaseName, QRect(rightX + 8, 128 + kRow, rightWidth - 8, kRow), page);
    Value("NextPhaseDate", &V::nextPhaseDate, QRect(rightX + 8, 128 + 2 * kRow, rightWidth - 8, kRow), page);

    const Row below[] = {
        {"Moon distance:", "MoonDistance", &V::moonDistance},
        {"Next Moon eclipse:", "NextMoonEclipse", &V::nextMoonEclipse},
        {"Next perigee:", "NextPerigee", &V::nextPerigee},
        {"Next apogee:", "NextApogee", &V::nextApogee},
    };
    y = 174;
    for (const Row& r : below) {
        CaptionLabel(QString::fromLatin1(r.caption), QRect(10, y, kCaptionWidth, kRow), page);
        Value(r.name, r.value, QRect(valueX, y, 540 - valueX, kRow), page);
        y += kRow;
    }
    return page;
}

QWidget* TMoonForm::BuildSunPage() {
    using V = astro::TAstroValues;
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("SunPage"));
    const int valueX = 10 + kCaptionWidth + 4;
    const int valueWidth = 344 - valueX;
    struct Row {
        const char* caption;
        const char* name;
        std::string V::*value;
    };
    const Row rows[] = {
        {"Sun rise:", "SunRise", &V::sunRise},
        {"Sun transit:", "SunTransit", &V::sunTransit},
        {"Sun set:", "SunSet", &V::sunSet},
        {"Daylight:", "Daylight", &V::daylight},
        {"Sun distance:", "SunDistanceKm", &V::sunDistanceKm},
        {"", "SunDistanceMiles", &V::sunDistanceMiles},
        {"Sun subtends:", "SunSubtends", &V::sunSubtends},
        {"Next Sun eclipse:", "NextSunEclipseDate", &V::nextSunEclipseDate},
        {"", "NextSunEclipseKind", &V::nextSunEclipseKind},
    };
    int y = 6;
    for (const Row& r : rows) {
        if (*r.caption) CaptionLabel(QString::fromLatin1(r.caption), QRect(10, y, kCaptionWidth, kRow), page);
        Value(r.name, r.value, QRect(valueX, y, valueWidth, kRow), page);
        y += kRow - 1;
    }

    auto* position = new QGroupBox(QStringLiteral(" Sun Position "), page);
    position->setObjectName(QStringLiteral("SunPositionGroup"));
    position->setGeometry(348, 4, 196, 94);
    CaptionLabel(QStringLiteral("Elevation:"), QRect(8, 22, 74, kRow), position);
    Value("Elevation", &V::elevation, QRect(84, 22, 106, kRow), position);
    CaptionLabel(QStringLiteral("Azimuth:"), QRect(8, 42, 74, kRow), position);
    Value("Azimuth", &V::azimuth, QRect(84, 42, 106, kRow), position);
    Value("PositionNote", &V::positionNote, QRect(84, 62, 106, kRow), position);

    auto* twilight = new QGroupBox(QStringLiteral(" Twilight Start/End "), page);
    twilight->setObjectName(QStringLiteral("TwilightGroup"));
    twilight->setGeometry(6, 154, 538, 88);
    struct TwilightRow {
        const char* caption;
        const char* start;
        std::string V::*startValue;
        const char* end;
        std::string V::*endValue;
    };
    const TwilightRow twilights[] = {
        {"Civil:", "CivilStart", &V::civilStart, "CivilEnd", &V::civilEnd},
        {"Nautical:", "NauticalStart", &V::nauticalStart, "NauticalEnd", &V::nauticalEnd},
        {"Astronomical:", "AstronomicalStart", &V::astronomicalStart, "AstronomicalEnd", &V::astronomicalEnd},
    };
    y = 22;
    for (const TwilightRow& r : twilights) {
        CaptionLabel(QString::fromLatin1(r.caption), QRect(10, y, 120, kRow), twilight);
        Value(r.start, r.startValue, QRect(140, y, 170, kRow), twilight);
        Value(r.end, r.endValue, QRect(320, y, 170, kRow), twilight);
        y += kRow + 4;
    }
    return page;
}

QWidget* TMoonForm::BuildSeasonsPage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("SeasonsPage"));
    for (int i = 0; i < 4; ++i) {
        const int y = 14 + i * 28;
        seasonCaptions_[i] = Value(QStringLiteral("SeasonCaption%1").arg(i + 1).toLatin1().constData(),
                                   nullptr, QRect(10, y, 150, kRow), page);
        seasonThisYear_[i] = Value(QStringLiteral("SeasonThisYear%1").arg(i + 1).toLatin1().constData(),
                                   nullptr, QRect(166, y, 186, kRow), page);
        seasonNextYear_[i] = Value(QStringLiteral("SeasonNextYear%1").arg(i + 1).toLatin1().constData(),
                                   nullptr, QRect(356, y, 186, kRow), page);
    }
    return page;
}

void TMoonForm::ApplyTheme(int themeIndex) {
    ThemedDialog::ApplyTheme(themeIndex);
    const Theme& theme = Theme::ByIndex(themeIndex);
    for (BevelButton* button : {help_, close_, print_})
        if (button) button->SetColors(theme.Buttons(ButtonFamily::Day));
}

astro::TAstroReportInput TMoonForm::ReportInput() const {
    astro::TAstroReportInput in;
    in.windowDate = windowDate_;
    const double utc = context_.clock->UtcNow();
    in.universalHours = (utc - std::floor(utc)) * 24;
    in.latitude = settings_.latitude;
    in.longitude = settings_.longitude;
    const int bias = context_.timeZoneBias ? context_.timeZoneBias(settings_.dstCorrection) : 0;
    in.zoneHours = -TimeZoneBiasHours(bias);
    in.dateFormat = settings_.dateFormat;
    in.twelveHour = context_.timeStyle.twelveHour;
    in.minorPhases = settings_.minorPhases;
    in.cityName = settings_.cityName;
    return in;
}

void TMoonForm::Refresh() {
    const double local = context_.clock->LocalNow();
    windowDate_ = SerialOf(picker_->date()) + (local - std::floor(local));
    values_ = report_.Compute(ReportInput());
    moon_->SetDate(windowDate_);
    moon_->setToolTip(QString::fromStdString(values_.currentPhaseName));
    for (const ValueLabel& v : valueLabels_) {
        const QString text = QString::fromStdString(values_.*(v.value));
        if (v.label->text() != text) v.label->setText(text);
    }
    for (int i = 0; i < 4; ++i) {
        seasonCaptions_[i]->setText(QString::fromStdString(values_.seasons[i].caption));
        seasonThisYear_[i]->setText(QString::fromStdString(values_.seasons[i].thisYear));
        seasonNextYear_[i]->setText(QString::fromStdString(values_.seasons[i].nextYear));
    }
}

void TMoonForm::Tick() { Refresh(); }

bool TMoonForm::PrintReport(QPrinter& printer) {
    const DeviceTextMeasure measure(&printer);
    return PrintDocument(AstroReportDocument(values_, measure), printer);
}

void TMoonForm::PressPrint() {
    timer_->stop();
    QPrinter printer;
    QPrintDialog dialog(&printer, this);
    dialog.setWindowModality(Qt::WindowModal);
    if (dialog.exec() == QDialog::Accepted) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        PrintReport(printer);
        QApplication::restoreOverrideCursor();
    }
    timer_->start();
}

void TMoonForm::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1 && event->modifiers() == Qt::NoModifier) {
        ShowHelpTopic(kAstroModuleHelpTopic);
        return;
    }
    ThemedDialog::keyPressEvent(event);
}

void TMoonForm::showEvent(QShowEvent* event) {
    ThemedDialog::showEvent(event);
    pages_->setFocus();
}

}  // namespace orvanto
