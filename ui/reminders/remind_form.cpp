// TRemindForm: the reminder popup window.
#include "ui/reminders/remind_form.h"

#include <QGuiApplication>
#include <QIntValidator>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QShowEvent>
#include <QTimer>

#include "ui/help/help_window.h"
#include "ui/widgets/fonts.h"

namespace orvanto {

namespace {

constexpr QSize kClientSize(360, 192);
constexpr int kCaptionHeight = 24;
constexpr int kMemoWidth = kClientSize.width() - 62;
constexpr int kDescriptionLargest = 8;
constexpr int kDescriptionSmallest = 4;

}  // namespace

QPixmap BellPicture(qreal devicePixelRatio) {
    QPixmap picture = BlankPicture(QSize(32, 32), devicePixelRatio);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath bell;
    bell.moveTo(16, 3);
    bell.cubicTo(8, 3, 8, 12, 8, 17);
    bell.cubicTo(8, 21, 5, 23, 4, 25);
    bell.lineTo(28, 25);
    bell.cubicTo(27, 23, 24, 21, 24, 17);
    bell.cubicTo(24, 12, 24, 3, 16, 3);
    QLinearGradient gold(4, 0, 28, 0);
    gold.setColorAt(0, QColor(255, 236, 140));
    gold.setColorAt(0.45, QColor(238, 190, 40));
    gold.setColorAt(1, QColor(160, 110, 10));
    p.setPen(QPen(QColor(110, 70, 0), 1.2));
    p.setBrush(gold);
    p.drawPath(bell);
    p.setBrush(QColor(120, 80, 0));
    p.drawEllipse(QPointF(16, 27), 3, 3);
    p.drawRoundedRect(QRectF(14, 1, 4, 3), 1, 1);
    p.setPen(QPen(QColor(255, 255, 220, 200), 1.5));
    p.drawLine(QPointF(12, 8), QPointF(11, 18));
    return picture;
}

TRemindForm::TRemindForm(const ReminderPopupRequest& request, int themeIndex, QWidget* parent)
    : ThemedDialog(QStringLiteral("Orvanto reminder"), kClientSize, parent, kCaptionHeight) {
    setObjectName(QStringLiteral("TRemindForm"));
    MakeModalToItsParent(*this);
    setWindowFlag(Qt::WindowStaysOnTopHint, true);
    setFont(PixelFont(FontFace::Tahoma, 11));
    BuildControls();
    FillFrom(request);
    ApplyTheme(themeIndex);
}

void TRemindForm::BuildControls() {
    bell_ = new DrawnPictureLabel(this);
    bell_->setObjectName(QStringLiteral("Bell"));
    bell_->SetPicture([](qreal ratio) { return BellPicture(ratio); });
    bell_->setGeometry(12, 36, 32, 32);

    memo_ = new QTextEdit(this);
    memo_->setObjectName(QStringLiteral("Memo"));
    memo_->setReadOnly(true);
    memo_->setFocusPolicy(Qt::NoFocus);
    memo_->setGeometry(52, 32, kMemoWidth, 64);
    memo_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    memo_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    keep_ = new QCheckBox(QStringLiteral("&Keep reminder"), this);
    keep_->setObjectName(QStringLiteral("KeepBox"));
    keep_->setGeometry(52, 102, 200, 20);

    warnAgain_ = new QCheckBox(QStringLiteral("&Warn again in"), this);
    warnAgain_->setObjectName(QStringLiteral("WarnAgainBox"));
    warnAgain_->setGeometry(52, 127, 108, 20);

    minutes_ = new QLineEdit(QString::number(kWarnAgainStartMinutes), this);
    minutes_->setObjectName(QStringLiteral("MinutesEdit"));
    minutes_->setMaxLength(3);
    minutes_->setValidator(new QIntValidator(0, kWarnAgainMaxMinutes, minutes_));
    minutes_->setAlignment(Qt::AlignRight);
    minutes_->setGeometry(162, 127, 36, 20);

    up_ = new RoundButton(RoundButton::Symbol::ArrowUp, this);
    up_->setObjectName(QStringLiteral("UpButton"));
    up_->setGeometry(201, 128, 18, 18);
    down_ = new RoundButton(RoundButton::Symbol::ArrowDown, this);
    down_->setObjectName(QStringLiteral("DownButton"));
    down_->setGeometry(220, 128, 18, 18);

    minutesLabel_ = new QLabel(QStringLiteral("&minutes"), this);
    minutesLabel_->setObjectName(QStringLiteral("MinutesLabel"));
    minutesLabel_->setBuddy(minutes_);
    minutesLabel_->setGeometry(244, 129, 70, 16);

    ok_ = new BevelButton(this);
    ok_->setObjectName(QStringLiteral("OKButton"));
    ok_->setText(QStringLiteral("&OK"));
    ok_->setGeometry((kClientSize.width() - 80) / 2, 156, 80, 28);

    // The caption bar carries the title, the description and the close button.
    CaptionBar* caption = Caption();
    caption->SetManualLayout(true);
    const int titleWidth =
        QFontMetrics(caption->Title()->font()).horizontalAdvance(caption->Title()->Text()) + 8;
    caption->Title()->setGeometry(6, 0, titleWidth, kCaptionHeight);
    caption->CloseButton()->setGeometry(kClientSize.width() - 22, 4, 16, 16);
    description_ = new ExtLabel(QString(), caption);
    description_->setObjectName(QStringLiteral("DescriptionLabel"));
    const int descriptionLeft = 6 + titleWidth + 6;
    description_->setGeometry(descriptionLeft, 0, kClientSize.width() - descriptionLeft - 26, kCaptionHeight);
    description_->SetAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    Caption()->Dragger()->Watch(description_);

    connect(keep_, &QCheckBox::toggled, this, &TRemindForm::KeepToggled);
    connect(warnAgain_, &QCheckBox::toggled, this, &TRemindForm::WarnToggled);
    connect(minutes_, &QLineEdit::textEdited, this, &TRemindForm::MinutesEdited);
    connect(minutes_, &QLineEdit::editingFinished, this, [this] {
        if (minutes_->text().trimmed().isEmpty()) minutes_->setText(QStringLiteral("0"));
    });
    connect(up_, &QAbstractButton::clicked, this, [this] { StepMinutes(1); });
    connect(down_, &QAbstractButton::clicked, this, [this] { StepMinutes(-1); });
    connect(ok_, &QAbstractButton::clicked, this, &QDialog::accept);
}

namespace {

QFont MemoFont(int points, bool bold) { return PointFont(FontFace::Tahoma, points > 0 ? points : 10, bold); }

}  // namespace

bool TRemindForm::TextIsNarrow(const std::string& text, int points, bool bold) {
    const QFontMetrics metrics(MemoFont(points, bold));
    return metrics.horizontalAdvance(QString::fromStdString(text)) < 2 * kMemoWidth;
}

void TRemindForm::FillFrom(const ReminderPopupRequest& request) {
    QFont memoFont = MemoFont(request.fontSize, request.fontBold);
    memo_->setFont(memoFont);
    QPalette p = memo_->palette();
    p.setColor(QPalette::Text, Qt::black);
    memo_->setPalette(p);
    memo_->setPlainText(QString::fromStdString(request.memoText));
    QTextCursor all(memo_->document());
    all.select(QTextCursor::Document);
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    all.mergeBlockFormat(centred);

    keep_->setText(QString::fromStdString(request.keepCaption.empty() ? std::string("&Keep reminder")
                                                                      : request.keepCaption));
    keep_->setChecked(request.keepChecked);
    keep_->setEnabled(request.keepEnabled);

    description_->SetText(QString::fromStdString(request.captionLabel));
    FitDescription();
}

void TRemindForm::FitDescription() {
    const QString text = description_->Text();
    for (descriptionPoints_ = kDescriptionLargest;; --descriptionPoints_) {
        description_->setFont(PointFont(FontFace::Tahoma, descriptionPoints_));
        if (descriptionPoints_ == kDescriptionSmallest || description_->TextFits(text)) break;
    }
}

void TRemindForm::ApplyTheme(int themeIndex) {
    ThemedDialog::ApplyTheme(themeIndex);
    const Theme& theme = Theme::ByIndex(themeIndex);
    description_->SetColors(theme.Color(ThemeRole::TitleDark), theme.Color(ThemeRole::TitleLight),
                            theme.Color(ThemeRole::TitleText));
    description_->SetStyle(ExtLabel::Style::Raised);
    ok_->SetColors(theme.Buttons(ButtonFamily::Day));
    up_->SetFace(theme.Color(ThemeRole::RoundFace));
    down_->SetFace(theme.Color(ThemeRole::RoundFace));
}

void TRemindForm::PlaceOnScreen() {
    const QWidget* owner = parentWidget() ? parentWidget()->window() : nullptr;
    QScreen* screen = owner && owner->screen() ? owner->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect area = screen->availableGeometry();
    const bool ownerShown =
        owner && owner->isVisible() && !owner->isMinimized() && area.intersects(owner->frameGeometry());
    if (ownerShown) return;  // the dialog is centred over its window
    QRect frame = frameGeometry();
    frame.moveCenter(area.center());
    move(frame.topLeft());
}

void TRemindForm::showEvent(QShowEvent* event) {
    ThemedDialog::showEvent(event);
    PlaceOnScreen();
    ok_->setFocus();
    raise();
    activateWindow();
}

void TRemindForm::KeepToggled(bool on) {
    if (on) warnAgain_->setChecked(false);
}

void TRemindForm::WarnToggled(bool on) {
    if (on) keep_->setChecked(false);
}

void TRemindForm::MinutesEdited() { warnAgain_->setChecked(true); }

int TRemindForm::Minutes() const {
    const QString text = minutes_->text().trimmed();
    return text.isEmpty() ? 0 : qBound(0, text.toInt(), kWarnAgainMaxMinutes);
}

void TRemindForm::StepMinutes(int step) {
    warnAgain_->setChecked(true);
    minutes_->setText(QString::number(qBound(0, Minutes() + step, kWarnAgainMaxMinutes)));
}

ReminderPopupAnswer TRemindForm::Answer() const {
    ReminderPopupAnswer answer;
    answer.keep = keep_->isChecked();
    answer.warnAgainMinutes = warnAgain_->isChecked() ? Minutes() : 0;
    return answer;
}

}  // namespace orvanto
