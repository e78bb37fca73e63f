#include "ui/main/month_view.h"

#include <QApplication>
#include <QFontMetrics>
#include <QToolTip>
#include <QWidget>

#include <cmath>

#include "calendar/serial_date.h"
#include "calendar/week_number.h"
#include "calendar/weekday.h"
#include "core/decimal_number.h"
#include "reminders/month_index.h"
#include "ui/main/date_calculator.h"
#include "ui/main/glyphs.h"
#include "ui/main/month_moon_phases.h"
#include "ui/main/sun_label.h"
#include "ui/widgets/bevel_button.h"
#include "ui/widgets/ext_label.h"
#include "ui/widgets/fonts.h"
#include "ui/widgets/outline_shape.h"
#include "ui/widgets/scrolling_text.h"
#include "ui/widgets/theme.h"

namespace orvanto {

namespace {

constexpr std::array<int, 7> kColumnLefts = {16, 64, 112, 160, 208, 256, 304};
constexpr std::array<int, 6> kRowTops = {140, 172, 204, 236, 268, 300};

// A degrees text of the settings file ("51.4667", "-3.70"); anything else is 0.
double DegreesOf(const std::string& text) { return ParseDecimal(text).value_or(0.0); }

DayColors DayColorsFrom(const ColourSettings& c) {
    DayColors d;
    d.normal = c.normalColor;
    d.sunday = c.sundayColor;
    d.today = c.todayColor;
    d.events = c.eventsColor;
    d.timedEvents = c.timedEventsColor;
    d.mixedEvents = c.mixedEventsColor;
    d.holiday = c.holidayColor;
    d.bookmark = c.bookmarkColor;
    return d;
}

QString HintText(const std::string& hint) {
    QString text = QString::fromStdString(hint);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

}  // namespace

MonthView::MonthView(QWidget* window, AppContext& context, const MainWindowSettings& settings)
    : QObject(window), context_(context), settings_(settings) {
    BuildHeaderAndDays(window);
    BuildStrip(window);
    blinkTimer_ = new QTimer(this);
    blinkTimer_->setObjectName(QStringLiteral("Timer1"));
    blinkTimer_->setInterval(1000);
    connect(blinkTimer_, &QTimer::timeout, this, &MonthView::BlinkTick);
    blinkOn_ = settings_.colours.blinkOnToday;
    FitSunLabelFont();
}

void MonthView::BuildHeaderAndDays(QWidget* window) {
    QFont bold = window->font();
    bold.setBold(true);
    for (int c = 0; c < 7; ++c) {
        auto* button = new BevelButton(window);
        button->setObjectName(QStringLiteral("SpeedButton%1").arg(c + 1));
        button->setGeometry(kColumnLefts[c], 100, 41, 25);
        button->setFont(bold);
        header_[c] = button;
    }
    todayFrame_ = new OutlineShape(window);
    todayFrame_->setObjectName(QStringLiteral("Shape1"));
    todayFrame_->resize(49, 33);
    todayFrame_->hide();
    for (int i = 0; i < 42; ++i) {
        auto* button = new BevelButton(window);
        button->setObjectName(QStringLiteral("SpeedButton%1").arg(i + 8));
        button->setGeometry(kColumnLefts[i % 7], kRowTops[i / 7], 41, 25);
        button->setFont(bold);
        // The arrow keys select days (the keyboard focus); a click does not.
        button->setFocusPolicy(Qt::TabFocus);
        connect(button, &BevelButton::MouseDown, this,
                [this, i](Qt::MouseButton b, Qt::KeyboardModifiers m) { emit DayMouseDown(i, b, m); });
        connect(button, &BevelButton::MouseUp, this,
                [this, i](Qt::MouseButton b, Qt::KeyboardModifiers m) { emit DayMouseUp(i, b, m); });
        connect(button, &QAbstractButton::clicked, this, [this, i] { emit DayClicked(i); });
        days_[i] = button;
    }
}

void MonthView::BuildStrip(QWidget* window) {
    sunLabel_ = new ExtLabel(QString(), window);
    sunLabel_->setObjectName(QStringLiteral("ExtLabel1"));
    sunLabel_->setGeometry(11, 344, 241, 18);
    sunLabel_->SetAlignment(Qt::AlignCenter);
    sunLabel_->SetBackground(QToolTip::palette().color(QPalette::ToolTipBase));

    scrollButton_ = new BevelButton(window);
    scrollButton_->setObjectName(QStringLiteral("ScrollButton"));
    scrollButton_->setGeometry(12, 424, 241, 17);
    scrollButton_->setEnabled(false);

    infoLabel_ = new ExtLabel(QString(), window);
    infoLabel_->setObjectName(QStringLiteral("Label1"));
    infoLabel_->setGeometry(13, 424, 238, 17);
    infoLabel_->SetAlignment(Qt::AlignCenter);
    infoLabel_->setAttribute(Qt::WA_TransparentForMouseEvents, true);

    scroll_ = new ScrollingText(window);
    scroll_->setObjectName(QStringLiteral("Scroll1"));
    scroll_->setGeometry(13, 424, 238, 17);
    scroll_->hide();
}

// The label's font starts at 8 points and shrinks until the widest text fits.
void MonthView::FitSunLabelFont() {
    QFont f = PointFont(FontFace::Arial, 8);
    const QString sample = QString::fromUtf8(kSunLabelSample);
    while (f.pointSize() > 4 && QFontMetrics(f).horizontalAdvance(sample) > sunLabel_->width())
        f.setPointSize(f.pointSize() - 1);
    sunLabel_->setFont(f);
}

CivilDate MonthView::Today() const { return DecodeDate(context_.clock->LocalNow()); }

int MonthView::TimeZoneBiasMinutes() const {
    return context_.timeZoneBias ? context_.timeZoneBias(settings_.dstCorrection) : 0;
}

double MonthView::Latitude() const { return DegreesOf(settings_.latitude); }
double MonthView::Longitude() const { return DegreesOf(settings_.longitude); }

CivilDate MonthView::DayOfCell(int cell) const {
    return CivilDate{shown_.year, shown_.month, days_[cell]->text().toInt()};
}

int MonthView::CellOfDay(int day) const {
    for (int i = 0; i < 42; ++i)
        if (picture_.cells[i].kind == CellKind::InMonth && picture_.cells[i].caption == day) return i;
    return -1;
}

void MonthView::Show(const CivilDate& date) {
    shown_ = date;
    scroll_->Stop();
    scroll_->SetText(QString());
    scroll_->hide();
    infoLabel_->SetText(QString());
    infoLabel_->hide();

    const std::vector<MoonPhaseMark> phases = MonthMoonPhases(date.year, date.month, TimeZoneBiasMinutes());
    const MonthIndex index = BuildMonthViewIndex(date.month, date.year, IniFile(context_.settingsPath),
                                                 context_.timeStyle, *context_.prompt);
    MonthViewOptions options;
    options.oldEurope = settings_.oldEurope;
    options.sideDays = settings_.sideDays;
    options.showMoon = settings_.showMoon;
    options.moonHint = settings_.moonHint;
    options.latitude = Latitude();
    options.ignoreWeekColor = settings_.ignoreWeekColor;
    options.ignoreDayColor = settings_.ignoreDayColor;
    options.twelveHour = context_.timeStyle.twelveHour;
    options.amDesignator = context_.timeStyle.amDesignator;
    options.pmDesignator = context_.timeStyle.pmDesignator;
    picture_ = PaintMonth(date.year, date.month, Today(), index.entries, phases,
                          DayColorsFrom(settings_.colours), options);

    for (int i = 0; i < 42; ++i) ApplyCell(days_[i], picture_.cells[i]);
    todayButton_ = nullptr;
    if (picture_.todayCell >= 0) {
        todayButton_ = days_[picture_.todayCell];
        todayFrame_->move(todayButton_->x() - 4, todayButton_->y() - 4);
        todayFrame_->SetColor(ColorFromValue(settings_.colours.todayFColor));
        todayFrame_->show();
        todayFrame_->lower();
    } else {
        todayFrame_->hide();
    }
    SetBlink(blinkOn_);
    for (int c = 0; c < 7; ++c) {
        header_[c]->setText(QString::fromLatin1(picture_.header[c].c_str()));
        header_[c]->SetFontColor(ColorFromValue(c == picture_.sundayColumn ? settings_.colours.sundayColor
                                                                           : settings_.colours.normalColor));
    }
    SetSunLabel();
    SetInformationStrip(InformationStripText(index.entries));
}

void MonthView::ApplyCell(BevelButton* button, const DayCell& cell) {
    const Theme& theme = Theme::ByIndex(themeIndex_);
    button->setText(QString::number(cell.caption));
    switch (cell.kind) {
    case CellKind::Hidden:
        button->setEnabled(false);
        button->hide();
        button->setToolTip(QString());
        button->SetGlyph(QPixmap());
        return;
    case CellKind::Dimmed:
        button->setEnabled(false);
        button->show();
        button->SetFace(theme.Color(ThemeRole::WindowBackground));
        button->SetHotTrack(false);
        button->setToolTip(QString());
        button->SetGlyph(QPixmap());
        return;
    case CellKind::InMonth:
        button->setEnabled(true);
        button->show();
        button->SetFace(theme.Color(ThemeRole::DayFace));
        button->SetHotTrack(true, theme.Color(ThemeRole::DayHotTrack));
        button->SetFontColor(ColorFromValue(cell.color));
        button->setToolTip(HintText(cell.hint));
        const MoonGlyph glyph = cell.glyph;
        button->SetGlyph(PictureMaker([glyph](qreal ratio) { return MoonGlyphPixmap(glyph, ratio); }),
                         QString::fromLatin1(MoonGlyphName(glyph)));
        return;
    }
}

void MonthView::ApplyTheme(const Theme& theme) {
    themeIndex_ = theme.Index();
    for (BevelButton* b : days_) b->SetColors(theme.Buttons(ButtonFamily::Day));
    scrollButton_->SetColors(theme.Buttons(ButtonFamily::Day));
    for (BevelButton* b : header_) b->SetColors(theme.Buttons(ButtonFamily::Header));
}

void MonthView::ApplyTextColours() {
    const QColor month = ColorFromValue(settings_.colours.monthColor);
    infoLabel_->SetColors(QColor(), QColor(), month);
    scroll_->SetTextColor(month);
    todayFrame_->SetColor(ColorFromValue(settings_.colours.todayFColor));
}

void MonthView::SetTodayColour() {
    if (todayButton_) todayButton_->SetFontColor(ColorFromValue(settings_.colours.todayColor));
}

void MonthView::SetBlink(bool on) {
    blinkOn_ = on;
    if (todayButton_ && on)
        blinkTimer_->start();
    else
        blinkTimer_->stop();
}

void MonthView::BlinkTick() {
    if (!todayButton_) return;
    const QColor today = ColorFromValue(settings_.colours.todayColor);
    if (todayButton_->FontColor() == today) {
        const bool sunday = WeekdayOf(shown_.year, shown_.month, todayButton_->text().toInt()) == 0;
        todayButton_->SetFontColor(
            ColorFromValue(sunday ? settings_.colours.sundayColor : settings_.colours.normalColor));
    } else {
        todayButton_->SetFontColor(today);
    }
}

void MonthView::SetSunLabel() {
    const CivilDate today = Today();
    if (today.year != shown_.year || today.month != shown_.month) {
        sunLabel_->SetText(QString::fromUtf8(kSunLabelNotAvailable));
        return;
    }
    sunLabel_->SetText(QString::fromStdString(SunLabelText(
        EncodeDate(today), Latitude(), Longitude(), TimeZoneBiasMinutes(), context_.timeStyle.twelveHour)));
}

void MonthView::SetInformationStrip(const std::string& holidays) {
    QString text = QString::fromStdString(holidays);
    stripShowsClock_ = text.isEmpty();
    if (stripShowsClock_) text = QString::fromStdString(ClockText());
    const QFont font = infoLabel_->parentWidget()->font();
    if (QFontMetrics(font).horizontalAdvance(text) > infoLabel_->width() - 4) {
        infoLabel_->hide();
        scroll_->setFont(font);
        scroll_->SetText(text + QString(35, QLatin1Char(' ')));
        scroll_->show();
        scroll_->Start();
    } else {
        infoLabel_->SetText(text);
        infoLabel_->show();
        scroll_->Stop();
        scroll_->SetText(QString());
        scroll_->hide();
    }
}

void MonthView::ShowDayInformation(const CivilDate& day, bool isoWeek) {
    const int week = isoWeek ? IsoWeekNumber(EncodeDate(day))
                             : SimpleWeekNumber(day.year, day.month, day.day, settings_.oldEurope);
    QFont boldSun = sunLabel_->font();
    boldSun.setBold(true);
    sunLabel_->setFont(boldSun);
    sunLabel_->SetText(QString::fromStdString(SunLabelText(
        EncodeDate(day), Latitude(), Longitude(), TimeZoneBiasMinutes(), context_.timeStyle.twelveHour)));
    if (scroll_->IsActive()) {
        savedInformation_ = scroll_->Text() + QLatin1Char('@');
        scroll_->Stop();
        scroll_->hide();
    } else {
        savedInformation_ = infoLabel_->Text();
    }
    QFont bold = infoLabel_->parentWidget()->font();
    bold.setBold(true);
    infoLabel_->setFont(bold);
    infoLabel_->SetText(QString::fromStdString(DayInformationText(week, day, Today())));
    infoLabel_->show();
}

void MonthView::RestoreInformation() {
    if (!savedInformation_) return;
    infoLabel_->setFont(infoLabel_->parentWidget()->font());
    const QString saved = *savedInformation_;
    if (saved.endsWith(QLatin1Char('@'))) {
        infoLabel_->hide();
        scroll_->SetText(saved.left(saved.size() - 1));
        scroll_->show();
        scroll_->Start();
    } else {
        infoLabel_->SetText(saved);
        infoLabel_->show();
    }
    savedInformation_.reset();
    RefreshClockText();
    QFont sun = sunLabel_->font();
    sun.setBold(false);
    sunLabel_->setFont(sun);
    SetSunLabel();
}

std::string MonthView::ClockText() const {
    const TimeStyle& style = context_.timeStyle;
    return LongTimeText(TimeOf(context_.clock->LocalNow()), style.twelveHour, style.amDesignator,
                        style.pmDesignator);
}

void MonthView::RefreshClockText() {
    if (stripShowsClock_ && !savedInformation_) infoLabel_->SetText(QString::fromStdString(ClockText()));
}

void MonthView::StopScrolling() {
    scroll_->Stop();
    scroll_->hide();
}

}  // namespace orvanto
