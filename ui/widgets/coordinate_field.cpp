// CoordinateField: degrees, minutes and hemisphere of one coordinate.
#include "ui/widgets/coordinate_field.h"

namespace orvanto {

namespace {

constexpr int kHeight = 22;
constexpr int kDegreesWidth = 34;
constexpr int kMinutesWidth = 28;
constexpr int kUnitWidth = 30;
constexpr int kChoiceWidth = 36;

}  // namespace

QSize CoordinateField::FieldSize() {
    return QSize(kDegreesWidth + kUnitWidth + kMinutesWidth + kUnitWidth + 2 * kChoiceWidth + 8, kHeight);
}

CoordinateField::CoordinateField(Kind kind, const Names& names, QWidget* parent)
    : QWidget(parent),
      kind_(kind),
      degrees_(new TransEdit(this)),
      minutes_(new TransEdit(this)),
      degreesLabel_(new QLabel(QStringLiteral("deg."), this)),
      minutesLabel_(new QLabel(QStringLiteral("min."), this)),
      first_(new QRadioButton(kind == Kind::Latitude ? QStringLiteral("N") : QStringLiteral("W"), this)),
      second_(new QRadioButton(kind == Kind::Latitude ? QStringLiteral("S") : QStringLiteral("E"), this)) {
    degrees_->setObjectName(QString::fromLatin1(names.degrees));
    minutes_->setObjectName(QString::fromLatin1(names.minutes));
    first_->setObjectName(QString::fromLatin1(names.firstChoice));
    second_->setObjectName(QString::fromLatin1(names.secondChoice));
    degrees_->setMaxLength(3);
    minutes_->setMaxLength(2);
    degrees_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    minutes_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    int x = 0;
    degrees_->setGeometry(x, 0, kDegreesWidth, kHeight);
    x += kDegreesWidth + 3;
    degreesLabel_->setGeometry(x, 0, kUnitWidth - 3, kHeight);
    x += kUnitWidth - 3;
    minutes_->setGeometry(x, 0, kMinutesWidth, kHeight);
    x += kMinutesWidth + 3;
    minutesLabel_->setGeometry(x, 0, kUnitWidth - 3, kHeight);
    x += kUnitWidth + 5;
    first_->setGeometry(x, 0, kChoiceWidth, kHeight);
    x += kChoiceWidth;
    second_->setGeometry(x, 0, kChoiceWidth, kHeight);
    resize(FieldSize());
    SetEditable(true);
}

bool CoordinateField::Negative() const {
    return kind_ == Kind::Latitude ? second_->isChecked() : first_->isChecked();
}

void CoordinateField::SetValue(const QString& degrees, const QString& minutes, bool negative) {
    degrees_->setText(degrees);
    minutes_->setText(minutes);
    const bool firstIsNegative = kind_ == Kind::Longitude;
    (negative == firstIsNegative ? first_ : second_)->setChecked(true);
}

void CoordinateField::SetEditable(bool editable) {
    editable_ = editable;
    for (TransEdit* box : {degrees_, minutes_}) {
        box->setEnabled(editable);
        box->setFrame(editable);
        box->SetBackground(editable ? QColor(Qt::white) : QColor());
    }
    first_->setEnabled(editable);
    second_->setEnabled(editable);
}

void CoordinateField::SetTextColor(const QColor& color) {
    degrees_->SetTextColor(color);
    minutes_->SetTextColor(color);
}

}  // namespace orvanto
