// TDist1: the "City Distance Calculator".
#include "ui/places/distance_form.h"

#include <QApplication>
#include <QLocale>
#include <QScreen>
#include <QShortcut>

#include "core/ini_file.h"
#include "places/personal_city_file.h"
#include "ui/app/message_prompt.h"
#include "ui/help/help_window.h"
#include "ui/places/region_form.h"
#include "ui/widgets/fonts.h"
#include "ui/widgets/placed_controls.h"

namespace orvanto {

namespace {

constexpr QSize kClientSize(583, 373);
constexpr int kSideWidth = 280;
constexpr int kSideTop = 30;
constexpr int kSideHeight = 196;
constexpr int kBoxLeft = 74;
constexpr int kBoxWidth = 196;

// Object names of a side's controls: region box, city box, latitude degrees,
// minutes, "N", "S", longitude degrees, minutes, "W", "E", "Add city".
constexpr const char* kFromNames[] = {"ComboBox1",    "ComboBox2",    "Edit1",     "Edit3",
                                      "RadioButton1", "RadioButton2", "Edit2",     "Edit4",
                                      "RadioButton3", "RadioButton4", "SelButton1"};
constexpr const char* kToNames[] = {"ComboBox3",    "ComboBox4",    "Edit5",     "Edit7",
                                    "RadioButton5", "RadioButton6", "Edit6",     "Edit8",
                                    "RadioButton7", "RadioButton8", "SelButton2"};

// The place's folder for CityData.txt: beside the settings file.
std::filesystem::path CompanionFolder(const std::string& settingsPath) {
    const std::filesystem::path folder = std::filesystem::path(settingsPath).parent_path();
    return folder.empty() ? std::filesystem::path(".") : folder;
}

Prompt& PromptOf(const AppContext& context) {
    static MessagePrompt boxes;
    return context.prompt ? *context.prompt : boxes;
}

Sound& SoundOf(const AppContext& context) {
    static SilentSound none;
    return context.sound ? *context.sound : none;
}

}  // namespace

TDist1::TDist1(AppContext& context, QWidget* parent)
    : ThemedDialog(QStringLiteral("City Distance Calculator"), kClientSize, parent),
      context_(context),
      folder_(CompanionFolder(context.settingsPath)) {
    setObjectName(QStringLiteral("TDist1"));
    setWindowTitle(QStringLiteral("Orvanto City Distance Calculator"));
    setFont(PixelFont(FontFace::Tahoma, 11));

    QApplication::setOverrideCursor(Qt::WaitCursor);
    calculator_ = std::make_unique<DistanceCalculator>(IniFile(context.settingsPath), folder_,
                                                       PromptOf(context), SoundOf(context));
    BuildSide(from_, QStringLiteral(" From "), 8, kFromNames);
    BuildSide(to_, QStringLiteral(" To "), 8 + kSideWidth + 7, kToNames);
    BuildSharedControls();
    ShowSide(from_, true);
    ShowSide(to_, true);
    showing_ = true;
    (calculator_->Units() == DistanceUnits::English ? english_ : metric_)->setChecked(true);
    altitudeUnit_->setText(QString::fromLatin1(calculator_->AltitudeUnitLabel()));
    showing_ = false;
    Connect(from_);
    Connect(to_);
    ApplyTheme(context.themeIndex);
    QApplication::restoreOverrideCursor();
}

TDist1::~TDist1() = default;

void TDist1::BuildSide(SideControls& side, const QString& title, int x, const char* const names[]) {
    side.group = new QGroupBox(title, this);
    side.group->setObjectName(side.id == DistanceSideId::From ? QStringLiteral("FromGroup")
                                                              : QStringLiteral("ToGroup"));
    side.group->setGeometry(x, kSideTop, kSideWidth, kSideHeight);

    side.region = new QComboBox(side.group);
    side.region->setObjectName(QString::fromLatin1(names[0]));
    for (const char* name : kRegionNames) side.region->addItem(QString::fromLatin1(name));
    side.region->setGeometry(kBoxLeft, 22, kBoxWidth, 22);
    MakeLabel(QStringLiteral("Region:"), QRect(10, 24, 60, 18), side.group, side.region);

    side.city = new QComboBox(side.group);
    side.city->setObjectName(QString::fromLatin1(names[1]));
    side.city->setInsertPolicy(QComboBox::NoInsert);
    side.city->setMaxVisibleItems(20);
    side.city->setGeometry(kBoxLeft, 54, kBoxWidth, 22);
    MakeLabel(QStringLiteral("City:"), QRect(10, 56, 60, 18), side.group, side.city);

    side.latitude = new CoordinateField(CoordinateField::Kind::Latitude,
                                        {names[2], names[3], names[4], names[5]}, side.group);
    side.latitude->move(kBoxLeft, 90);
    MakeLabel(QStringLiteral("Latitude:"), QRect(10, 92, 62, 18), side.group, side.latitude->Degrees());
    side.longitude = new CoordinateField(CoordinateField::Kind::Longitude,
                                         {names[6], names[7], names[8], names[9]}, side.group);
    side.longitude->move(kBoxLeft, 120);
    MakeLabel(QStringLiteral("Longitude:"), QRect(10, 122, 62, 18), side.group, side.longitude->Degrees());

    side.addCity =
        MakeButton(names[10], QStringLiteral("Add city"), QRect(kBoxLeft, 156, 100, 28), side.group);
    side.addCity->setToolTip(QStringLiteral("Select Custom region to enable this button"));
}

void TDist1::BuildSharedControls() {
    auto* units = new QGroupBox(QStringLiteral(" Units "), this);
    units->setObjectName(QStringLiteral("UnitsGroup"));
    units->setGeometry(8, 234, 130, 84);
    english_ = new QRadioButton(QStringLiteral("English"), units);
    english_->setObjectName(QStringLiteral("RadioButton9"));
    english_->setGeometry(14, 24, 104, 22);
    metric_ = new QRadioButton(QStringLiteral("Metric"), units);
    metric_->setObjectName(QStringLiteral("RadioButton10"));
    metric_->setGeometry(14, 50, 104, 22);

    auto* altitude = new QGroupBox(QStringLiteral(" Altitude "), this);
    altitude->setObjectName(QStringLiteral("AltitudeGroup"));
    altitude->setGeometry(146, 234, 142, 84);
    altitude_ = new QLineEdit(QStringLiteral("0"), altitude);
    altitude_->setObjectName(QStringLiteral("Edit9"));
    altitude_->setMaxLength(9);
    altitude_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    altitude_->setGeometry(14, 34, 64, 22);
    altitudeUnit_ = new QLabel(altitude);
    altitudeUnit_->setObjectName(QStringLiteral("Label13"));
    altitudeUnit_->setGeometry(84, 36, 52, 18);

    auto* result = new QGroupBox(QStringLiteral(" Result "), this);
    result->setObjectName(QStringLiteral("ResultGroup"));
    result->setGeometry(8 + kSideWidth + 7, 234, kSideWidth, 84);
    result_ = new QLabel(result);
    result_->setObjectName(QStringLiteral("Label14"));
    result_->setAlignment(Qt::AlignCenter);
    result_->setFont(PixelFont(FontFace::TimesNewRoman, 26, true));
    result_->setGeometry(8, 20, kSideWidth - 16, 56);

    const int buttonTop = 332;
    help_ = MakeButton("HelpBtn", QStringLiteral("&Help"), QRect(295, buttonTop, 88, 30), this);
    close_ = MakeButton("CloseBtn", QStringLiteral("&Close"), QRect(389, buttonTop, 88, 30), this);
    calculate_ = MakeButton("CalcBtn", QStringLiteral("C&alculate"), QRect(483, buttonTop, 92, 30), this);

    connect(help_, &QAbstractButton::clicked, this, [] { ShowHelpTopic(kCityDistanceHelpTopic); });
    auto* helpKey = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(helpKey, &QShortcut::activated, this, [] { ShowHelpTopic(kCityDistanceHelpTopic); });
    connect(close_, &QAbstractButton::clicked, this, &QDialog::reject);
    connect(calculate_, &QAbstractButton::clicked, this, &TDist1::Calculate);
    // Enter calculates; Escape closes (the cancel button's default).
    disconnect(DefaultButton(), &QPushButton::clicked, this, &QDialog::accept);
    connect(DefaultButton(), &QPushButton::clicked, this, &TDist1::Calculate);
    connect(english_, &QRadioButton::toggled, this, [this] { UnitsChanged(); });
    connect(altitude_, &QLineEdit::textChanged, this, [this] {
        if (showing_) return;
        calculator_->AltitudeChanged();
        ShowResult();
    });
}

void TDist1::Connect(SideControls& side) {
    connect(side.region, &QComboBox::currentIndexChanged, this, [this, &side](int index) {
        if (!showing_) RegionChanged(side, index);
    });
    connect(side.city, &QComboBox::currentIndexChanged, this, [this, &side](int index) {
        if (!showing_) PlaceChanged(side, index);
    });
    connect(side.addCity, &QAbstractButton::clicked, this, [this, &side] { AddCity(side.id); });
}

void TDist1::ApplyTheme(int themeIndex) {
    ThemedDialog::ApplyTheme(themeIndex);
    const Theme& theme = Theme::ByIndex(themeIndex);
    for (BevelButton* button : {help_, close_, calculate_, from_.addCity, to_.addCity})
        button->SetColors(theme.Buttons(ButtonFamily::Day));
}

void TDist1::ShowSide(SideControls& side, bool refillList) {
    const CalculatorSide& state = calculator_->Side(side.id);
    const bool custom = state.Custom();
    showing_ = true;
    side.region->setCurrentIndex(state.region);
    if (custom) {
        if (!side.city->isEditable() || side.listedRegion != kCustomRegionIndex) {
            side.city->clear();
            side.city->setEditable(true);
        }
        side.listedRegion = kCustomRegionIndex;
        side.city->setEditText(QString::fromStdString(state.boxes.city));
    } else {
        if (side.city->isEditable()) {
            side.city->setEditable(false);
            refillList = true;
        }
        if (refillList || side.listedRegion != state.region) {
            side.city->clear();
            if (state.region >= 0 && state.region < kCityRegionCount) {
                QStringList names;
                for (const CityEntry& entry : calculator_->Regions()[state.region])
                    names.append(QString::fromStdString(entry.name));
                side.city->addItems(names);
            }
            side.listedRegion = state.region;
        }
        side.city->setCurrentIndex(state.place);
    }
    const DistanceSide& boxes = state.boxes;
    side.latitude->SetValue(QString::fromStdString(boxes.latitudeDegrees),
                            QString::fromStdString(boxes.latitudeMinutes), boxes.south);
    side.longitude->SetValue(QString::fromStdString(boxes.longitudeDegrees),
                             QString::fromStdString(boxes.longitudeMinutes), boxes.west);
    side.latitude->SetEditable(custom);
    side.longitude->SetEditable(custom);
    side.addCity->setEnabled(custom);
    showing_ = false;
}

void TDist1::TakeTypedValues() {
    for (SideControls* side : {&from_, &to_}) {
        DistanceSide& boxes = calculator_->Boxes(side->id);
        if (calculator_->Side(side->id).Custom()) boxes.city = side->city->currentText().toStdString();
        boxes.latitudeDegrees = side->latitude->Degrees()->text().toStdString();
        boxes.latitudeMinutes = side->latitude->Minutes()->text().toStdString();
        boxes.south = side->latitude->Negative();
        boxes.longitudeDegrees = side->longitude->Degrees()->text().toStdString();
        boxes.longitudeMinutes = side->longitude->Minutes()->text().toStdString();
        boxes.west = side->longitude->Negative();
    }
}

void TDist1::ShowResult() {
    // The thousands are grouped with this locale's separator.
    QString text = QString::fromStdString(calculator_->ResultText());
    result_->setText(text.replace(QLatin1Char(','), QLocale().groupSeparator()));
}

void TDist1::FocusField(DistanceField field) {
    QWidget* target = field == DistanceField::None
                          ? static_cast<QWidget*>(calculate_)
                          : findChild<QWidget*>(QString::fromLatin1(DistanceFieldControlName(field)));
    if (!target) return;
    target->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(target)) edit->selectAll();
}

void TDist1::RegionChanged(SideControls& side, int region) {
    TakeTypedValues();
    calculator_->SelectRegion(side.id, region);
    ShowSide(side);
    ShowResult();
    if (calculator_->Side(side.id).Custom()) side.city->setFocus(Qt::OtherFocusReason);
}

void TDist1::PlaceChanged(SideControls& side, int place) {
    if (calculator_->Side(side.id).Custom() || place < 0) return;
    calculator_->SelectPlace(side.id, place);
    ShowSide(side);
    ShowResult();
}

void TDist1::UnitsChanged() {
    if (showing_) return;
    calculator_->SetUnits(english_->isChecked() ? DistanceUnits::English : DistanceUnits::Metric);
    altitudeUnit_->setText(QString::fromLatin1(calculator_->AltitudeUnitLabel()));
    ShowResult();
}

void TDist1::Calculate() {
    TakeTypedValues();
    if (const auto failure = calculator_->Calculate(altitude_->text().toStdString()))
        FocusField(failure->focus);
    ShowResult();
}

void TDist1::AddCity(DistanceSideId id) {
    TakeTypedValues();
    RegionFormChooser chooser(context_.themeIndex, this);
    std::optional<DistanceFeedback> failure;
    AddCityOutcome outcome = AddCityOutcome::Cancelled;
    try {
        outcome = calculator_->AddCity(id, altitude_->text().toStdString(), chooser, &failure);
    } catch (const ECityFileError& error) {
        PromptOf(context_).ShowMessage(MessageKind::Error, kMessageTitle, error.what());
        return;
    }
    if (outcome == AddCityOutcome::Refused && failure) FocusField(failure->focus);
    if (outcome == AddCityOutcome::Added) {
        // The new place is listed at once, on both sides.
        ShowSide(from_, true);
        ShowSide(to_, true);
    }
}

void TDist1::Open(AppContext& context, QWidget* parent) {
    TDist1 form(context, parent);
    form.setWindowModality(Qt::WindowModal);
    if (const QScreen* screen = form.screen())
        form.move(screen->availableGeometry().center() - form.rect().center());
    form.exec();
}

}  // namespace orvanto
