// TDist1: the "City Distance Calculator". Two sides, From and To, each a
// region, a place (or a place typed in under "Custom") and its coordinates
// in degrees and minutes; units, altitude and the great-circle distance.
// The calculator's rules live in places/ (DistanceCalculator); this window
// shows its state and hands the user's actions to it.
#pragma once

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include <array>
#include <filesystem>
#include <memory>

#include "places/distance_calculator.h"
#include "ui/app/app_context.h"
#include "ui/widgets/bevel_button.h"
#include "ui/widgets/coordinate_field.h"
#include "ui/widgets/themed_dialog.h"

namespace orvanto {

inline constexpr const char* kCityDistanceHelpTopic = "CityDistance.htm";

class TDist1 : public ThemedDialog {
    Q_OBJECT
public:
    // Reads the home location from the settings file and the places from
    // the library and from CityData.txt beside the settings file.
    explicit TDist1(AppContext& context, QWidget* parent = nullptr);
    ~TDist1() override;

    // Opens the calculator modally over `parent` (the main window).
    static void Open(AppContext& context, QWidget* parent);

    void ApplyTheme(int themeIndex) override;

    const DistanceCalculator& Calculator() const { return *calculator_; }

    // The actions of the buttons and of Enter.
    void Calculate();
    void AddCity(DistanceSideId side);

private:
    struct SideControls {
        DistanceSideId id;
        QGroupBox* group = nullptr;
        QComboBox* region = nullptr;
        QComboBox* city = nullptr;
        CoordinateField* latitude = nullptr;
        CoordinateField* longitude = nullptr;
        BevelButton* addCity = nullptr;
        int listedRegion = -2;  // the region whose names the city box holds
    };

    void BuildSide(SideControls& side, const QString& title, int x, const char* const names[]);
    void BuildSharedControls();
    void Connect(SideControls& side);
    SideControls& ControlsOf(DistanceSideId id) { return id == DistanceSideId::From ? from_ : to_; }

    // The calculator's state of a side into its controls, and what the user
    // typed back into the calculator.
    void ShowSide(SideControls& side, bool refillList = false);
    void TakeTypedValues();
    void ShowResult();
    void FocusField(DistanceField field);

    void RegionChanged(SideControls& side, int region);
    void PlaceChanged(SideControls& side, int place);
    void UnitsChanged();

    AppContext& context_;
    std::filesystem::path folder_;
    std::unique_ptr<DistanceCalculator> calculator_;
    SideControls from_{DistanceSideId::From};
    SideControls to_{DistanceSideId::To};
    QRadioButton* english_ = nullptr;
    QRadioButton* metric_ = nullptr;
    QLineEdit* altitude_ = nullptr;
    QLabel* altitudeUnit_ = nullptr;
    QLabel* result_ = nullptr;
    BevelButton* help_ = nullptr;
    BevelButton* close_ = nullptr;
    BevelButton* calculate_ = nullptr;
    bool showing_ = false;  // controls are being filled: no change handlers
};

}  // namespace orvanto
