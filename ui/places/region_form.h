// TRegionForm: "Select Region", the region chooser of "Add city": seven
// radio choices in region order, the first chosen when it opens, "&OK" and
// "C&ancel" (the close button cancels too).
#pragma once

#include <QButtonGroup>
#include <QLabel>

#include <optional>

#include "places/add_city.h"
#include "ui/widgets/bevel_button.h"
#include "ui/widgets/themed_dialog.h"

namespace orvanto {

class TRegionForm : public ThemedDialog {
    Q_OBJECT
public:
    explicit TRegionForm(int themeIndex, QWidget* parent = nullptr);

    void ApplyTheme(int themeIndex) override;

    // The chosen region index 0..6.
    int ChosenRegion() const;

    // Shows the window modally over its parent window: the region for
    // "&OK", nothing for "C&ancel", the close button or Escape.
    std::optional<int> Choose();

private:
    QButtonGroup* choices_;
    BevelButton* ok_;
    BevelButton* cancel_;
};

// Add city's chooser through the "Select Region" window.
class RegionFormChooser : public RegionChooser {
public:
    RegionFormChooser(int themeIndex, QWidget* parent) : themeIndex_(themeIndex), parent_(parent) {}
    std::optional<int> ChooseRegion() override;

private:
    int themeIndex_;
    QWidget* parent_;
};

}  // namespace orvanto
