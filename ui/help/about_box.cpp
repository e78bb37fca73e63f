// TAboutBox: logo, version line, OK.
#include "ui/help/about_box.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QScreen>

#include <cstdio>

#include "calendar/date_text.h"
#include "ui/help/help_window.h"
#include "ui/widgets/fonts.h"

namespace orvanto {

namespace {

constexpr QSize kClientSize(350, 413);
constexpr QSize kLogoSize(315, 106);

struct LogoPalette {
    QColor dark;
    QColor light;
    QColor text;
    QColor shadow;
};

LogoPalette PaletteOf(LogoColoring coloring) {
    switch (coloring) {
    case LogoColoring::Blue:
        return {QColor(18, 52, 120), QColor(126, 178, 236), QColor(255, 255, 255), QColor(8, 24, 70)};
    case LogoColoring::Sepia:
        return {QColor(88, 54, 26), QColor(218, 186, 136), QColor(255, 244, 220), QColor(50, 28, 10)};
    case LogoColoring::Steel:
        return {QColor(52, 58, 66), QColor(196, 202, 210), QColor(250, 252, 255), QColor(22, 26, 30)};
    }
    return {};
}

// A small calendar page with a crescent moon, left of the name.
void DrawEmblem(QPainter& p, const LogoPalette& colors) {
    const QRectF page(16, 20, 62, 66);
    p.setPen(QPen(colors.shadow, 1.5));
    p.setBrush(QColor(255, 255, 255, 235));
    p.drawRoundedRect(page, 6, 6);
    p.setBrush(colors.dark);
    p.drawRoundedRect(QRectF(page.left(), page.top(), page.width(), 16), 6, 6);
    p.fillRect(QRectF(page.left() + 0.75, page.top() + 10, page.width() - 1.5, 6), colors.dark);
    p.setBrush(colors.light);
    p.setPen(Qt::NoPen);
    for (int ring = 0; ring < 2; ++ring)
        p.drawEllipse(QPointF(page.left() + 18 + ring * 26, page.top() + 2), 3, 3);
    QPainterPath moon;
    moon.addEllipse(QPointF(47, 56), 19, 19);
    QPainterPath bite;
    bite.addEllipse(QPointF(55, 51), 16, 16);
    p.setBrush(colors.dark);
    p.drawPath(moon.subtracted(bite));
}

}  // namespace

LogoColoring LogoColoringForTheme(int themeIndex) {
    switch (themeIndex) {
    case 0:
    case 2:
        return LogoColoring::Blue;
    case 4:
        return LogoColoring::Steel;
    default:
        return LogoColoring::Sepia;
    }
}

QString LogoName(LogoColoring coloring) {
    switch (coloring) {
    case LogoColoring::Blue:
        return QStringLiteral("LOGOBLUE");
    case LogoColoring::Sepia:
        return QStringLiteral("LOGOSEPIA");
    case LogoColoring::Steel:
        return QStringLiteral("LOGOSTEEL");
    }
    return QString();
}

QPixmap LogoPicture(LogoColoring coloring, qreal devicePixelRatio) {
    const LogoPalette colors = PaletteOf(coloring);
    QPixmap picture = BlankPicture(kLogoSize, devicePixelRatio);
    const QRect area(QPoint(0, 0), kLogoSize);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    QLinearGradient band(0, 0, 0, kLogoSize.height());
    band.setColorAt(0, colors.light);
    band.setColorAt(0.55, colors.dark);
    band.setColorAt(1, colors.dark.darker(130));
    p.fillRect(area, band);
    QRadialGradient glow(QPointF(200, 20), 170);
    glow.setColorAt(0, QColor(255, 255, 255, 90));
    glow.setColorAt(1, QColor(255, 255, 255, 0));
    p.fillRect(area, glow);
    DrawEmblem(p, colors);

    QFont name = PixelFont(FontFace::TimesNewRoman, 52, true);
    name.setItalic(true);
    p.setFont(name);
    const QRect nameArea(92, 8, 216, 68);
    p.setPen(colors.shadow);
    p.drawText(nameArea.translated(2, 2), Qt::AlignCenter, QStringLiteral("Orvanto"));
    p.setPen(colors.text);
    p.drawText(nameArea, Qt::AlignCenter, QStringLiteral("Orvanto"));
    p.setFont(PixelFont(FontFace::Verdana, 12, true));
    p.drawText(QRect(92, 72, 216, 22), Qt::AlignCenter, QStringLiteral("Desktop calendar"));
    p.setPen(QPen(colors.shadow, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, kLogoSize.width() - 1, kLogoSize.height() - 1));
    return picture;
}

ReleaseDate BuildReleaseDate() {
    ReleaseDate date;
    std::sscanf(ORVANTO_RELEASE_DATE, "%d-%d-%d", &date.year, &date.month, &date.day);
    return date;
}

std::string BuildVersionText(const std::string& fileVersion) {
    const std::size_t lastDot = fileVersion.rfind('.');
    if (lastDot == std::string::npos) return fileVersion;
    return fileVersion.substr(0, lastDot) + " build " + fileVersion.substr(lastDot + 1);
}

QString VersionLine(const std::string& fileVersion, const ReleaseDate& date, int dateFormat) {
    if (fileVersion.empty()) return QStringLiteral("Version");
    const std::string shown = fileVersion.substr(0, 255);
    return QStringLiteral("Version %1  (%2)")
        .arg(QString::fromStdString(BuildVersionText(shown)))
        .arg(
            QString::fromStdString(DateText(date.year, date.month, date.day, dateFormat, DateDigits::Plain)));
}

TAboutBox::TAboutBox(int themeIndex, int dateFormat, Sound& sound, QWidget* parent)
    : ThemedDialog(QStringLiteral("About"), kClientSize, parent), sound_(sound) {
    setObjectName(QStringLiteral("TAboutBox"));
    MakeModalToItsParent(*this);
    setFont(PixelFont(FontFace::Verdana, 13));

    image_ = new DrawnPictureLabel(this);
    image_->setObjectName(QStringLiteral("Image1"));
    image_->setGeometry(QRect(QPoint(17, 44), kLogoSize));

    version_ = new QLabel(VersionLine(ORVANTO_VERSION, BuildReleaseDate(), dateFormat), this);
    version_->setObjectName(QStringLiteral("Version"));
    version_->setGeometry(18, 160, 313, 16);
    version_->setAlignment(Qt::AlignCenter);

    summary_ = new QLabel(this);
    summary_->setObjectName(QStringLiteral("Summary"));
    summary_->setGeometry(28, 196, 294, 160);
    summary_->setWordWrap(true);
    summary_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    summary_->setFont(PixelFont(FontFace::Verdana, 11));
    summary_->setText(
        QStringLiteral("A desktop calendar with reminders and holidays, the phases of the moon, "
                       "sunrise and sunset, distances between cities, biorhythms and a calendar "
                       "for the desktop background.\n\nPress F1 in any window for help."));

    ok_ = new BevelButton(this);
    ok_->setObjectName(QStringLiteral("OKButton"));
    ok_->setText(QStringLiteral("&OK"));
    ok_->setGeometry(121, 372, 108, 33);
    connect(ok_, &QAbstractButton::clicked, this, &QDialog::accept);

    ApplyTheme(themeIndex);
}

void TAboutBox::ApplyTheme(int themeIndex) {
    ThemedDialog::ApplyTheme(themeIndex);
    const Theme& theme = Theme::ByIndex(themeIndex);
    ok_->SetColors(theme.Buttons(ButtonFamily::Day));
    coloring_ = LogoColoringForTheme(theme.Index());
    const LogoColoring coloring = coloring_;
    image_->SetPicture([coloring](qreal ratio) { return LogoPicture(coloring, ratio); });
}

void TAboutBox::showEvent(QShowEvent* event) {
    ThemedDialog::showEvent(event);
    if (const QScreen* screen = this->screen()) move(screen->availableGeometry().center() - rect().center());
    ok_->setFocus();
    if (!soundPlayed_) {
        soundPlayed_ = true;
        sound_.PlayEvent("SystemAsterisk");
    }
}

}  // namespace orvanto

namespace orvanto {

void OpenAboutBox(int themeIndex, int dateFormat, Sound& sound, QWidget* parent) {
    TAboutBox box(themeIndex, dateFormat, sound, parent);
    box.exec();
}

}  // namespace orvanto
