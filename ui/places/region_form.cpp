// TRegionForm: "Select Region".
#include "ui/places/region_form.h"

#include <QGroupBox>
#include <QRadioButton>

#include "ui/widgets/fonts.h"

namespace orvanto {

namespace {

constexpr QSize kClientSize(272, 268);
constexpr int kChoiceHeight = 22;

}  // namespace

TRegionForm::TRegionForm(int themeIndex, QWidget* parent)
    : ThemedDialog(QStringLiteral("Select Region"), kClientSize, parent), choices_(new QButtonGroup(this)) {
    setObjectName(QStringLiteral("TRegionForm"));
    setFont(PixelFont(FontFace::Tahoma, 11));

    auto* prompt = new QLabel(QStringLiteral("Select the region this city belongs to:"), this);
    prompt->setObjectName(QStringLiteral("Label1"));
    prompt->setGeometry(12, 32, 250, 18);

    auto* group = new QGroupBox(this);
    group->setObjectName(QStringLiteral("RadioGroup1"));
    group->setGeometry(12, 52, 248, 7 * kChoiceHeight + 14);
    for (int region = 0; region < 7; ++region) {
        auto* choice = new QRadioButton(QString::fromLatin1(kRegionChoiceCaptions[region]), group);
        choice->setObjectName(QStringLiteral("RegionButton%1").arg(region));
        choice->setGeometry(10, 7 + region * kChoiceHeight, 228, kChoiceHeight);
        choices_->addButton(choice, region);
    }
    choices_->button(0)->setChecked(true);

    ok_ = new BevelButton(this);
    ok_->setObjectName(QStringLiteral("OKBtn"));
    ok_->setText(QStringLiteral("&OK"));
    ok_->setGeometry(46, 228, 84, 28);
    cancel_ = new BevelButton(this);
    cancel_->setObjectName(QStringLiteral("CancelBtn"));
    cancel_->setText(QStringLiteral("C&ancel"));
    cancel_->setGeometry(142, 228, 84, 28);
    connect(ok_, &QAbstractButton::clicked, this, &QDialog::accept);
    connect(cancel_, &QAbstractButton::clicked, this, &QDialog::reject);
    ApplyTheme(themeIndex);
}

void TRegionForm::ApplyTheme(int themeIndex) {
    ThemedDialog::ApplyTheme(themeIndex);
    const Theme& theme = Theme::ByIndex(themeIndex);
    for (BevelButton* button : {ok_, cancel_}) button->SetColors(theme.Buttons(ButtonFamily::Day));
}

int TRegionForm::ChosenRegion() const { return std::max(0, choices_->checkedId()); }

std::optional<int> TRegionForm::Choose() {
    setWindowModality(Qt::WindowModal);
    if (exec() != QDialog::Accepted) return std::nullopt;
    return ChosenRegion();
}

std::optional<int> RegionFormChooser::ChooseRegion() {
    TRegionForm form(themeIndex_, parent_);
    return form.Choose();
}

}  // namespace orvanto
