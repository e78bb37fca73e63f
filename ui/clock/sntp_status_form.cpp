// TSNTPStatusForm: "Clock correction status".
#include "ui/clock/sntp_status_form.h"

#include <QScreen>

#include "clock/clock_status_texts.h"
#include "ui/main/glyphs.h"
#include "ui/widgets/fonts.h"

namespace orvanto {

namespace {

using namespace clock_texts;

QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
QString Text(const std::string& text) { return QString::fromStdString(text); }

QLabel* MakeLine(const char* name, const QRect& at, QWidget* parent,
                 Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(at);
    label->setAlignment(alignment);
    return label;
}

}  // namespace

TSNTPStatusForm::TSNTPStatusForm(const AppContext& context, ClockCorrectionService& service, QWidget* parent,
                                 std::optional<bool> daylightSaving)
    : ThemedDialog(Text(kStatusTitle), QSize(kStatusWindowWidth, kStatusWindowHeight), parent),
      service_(service) {
    setObjectName(QStringLiteral("TSNTPStatusForm"));
    setFont(PixelFont(FontFace::Tahoma, 11));

    auto* connectionGroup = new QGroupBox(Text(kConnectionGroup), this);
    connectionGroup->setObjectName(QStringLiteral("GroupBox1"));
    connectionGroup->setGeometry(8, 32, 437, 52);
    connection_ = MakeLine("ConnectionLabel", QRect(8, 20, 421, 22), connectionGroup, Qt::AlignCenter);

    auto* details = new QGroupBox(Text(kDetailsGroup), this);
    details->setObjectName(QStringLiteral("GroupBox2"));
    details->setGeometry(8, 92, 437, 126);
    auto* serverCaption = new QLabel(Text(kServerInUseLabel), details);
    serverCaption->setGeometry(10, 22, 92, 20);
    server_ = MakeLine("ServerLabel", QRect(104, 22, 292, 20), details);
    roundtrip_ = MakeLine("RoundtripLabel", QRect(104, 42, 292, 20), details);
    auto* statusCaption = new QLabel(Text(kLastStatusLabel), details);
    statusCaption->setGeometry(10, 72, 92, 20);
    status1_ = MakeLine("StatusLabel1", QRect(104, 72, 292, 20), details);
    status2_ = MakeLine("StatusLabel2", QRect(104, 92, 292, 20), details);
    correctNow_ = new BevelButton(details);
    correctNow_->setObjectName(QStringLiteral("CorrectNowBut"));
    correctNow_->setToolTip(Text(kCorrectNowHint));
    correctNow_->SetFlat(true);
    correctNow_->SetGlyph(PictureMaker([](qreal ratio) { return ToolGlyphPixmap(ToolGlyph::Clock, ratio); }),
                          QStringLiteral("Clock"));
    correctNow_->setGeometry(400, 74, 30, 30);

    ok_ = new BevelButton(this);
    ok_->setObjectName(QStringLiteral("OKButton"));
    ok_->setText(Text(kOkCaption));
    ok_->setGeometry((kStatusWindowWidth - 84) / 2, 228, 84, 30);

    connect(ok_, &QAbstractButton::clicked, this, &QDialog::accept);
    connect(correctNow_, &QAbstractButton::clicked, this, &TSNTPStatusForm::CorrectNow);
    connect(&service_, &ClockCorrectionService::StatusChanged, this, &TSNTPStatusForm::ShowLines);

    ClockCorrection& correction = service_.Correction();
    const ClockStatusView& view =
        daylightSaving ? correction.OpenStatusWindow(*daylightSaving) : correction.OpenStatusWindow();
    setWindowTitle(Text(view.title));
    Caption()->Title()->SetText(Text(view.title));
    ShowLines();
    ApplyTheme(context.themeIndex);
}

TSNTPStatusForm::~TSNTPStatusForm() { service_.Correction().CloseStatusWindow(); }

void TSNTPStatusForm::ApplyTheme(int themeIndex) {
    ThemedDialog::ApplyTheme(themeIndex);
    const Theme& theme = Theme::ByIndex(themeIndex);
    ok_->SetColors(theme.Buttons(ButtonFamily::Day));
    correctNow_->SetColors(theme.Buttons(ButtonFamily::Tool));
}

void TSNTPStatusForm::ShowLines() {
    const ClockStatusView& view = service_.Correction().StatusWindow();
    connection_->setText(Text(view.connectionLine));
    server_->setText(Text(view.serverLine));
    roundtrip_->setText(Text(view.roundtripLine));
    status1_->setText(Text(view.statusLine1));
    status2_->setText(Text(view.statusLine2));
    correctNow_->setEnabled(view.correctNowEnabled);
}

void TSNTPStatusForm::CorrectNow() {
    service_.Correction().CorrectTimeNow();
    ShowLines();
}

void TSNTPStatusForm::Open(AppContext& context, QWidget* parent, ClockCorrectionService& service) {
    TSNTPStatusForm form(context, service, parent);
    form.setWindowModality(Qt::WindowModal);
    if (const QScreen* screen = form.screen())
        form.move(screen->availableGeometry().center() - form.rect().center());
    form.exec();
}

}  // namespace orvanto
