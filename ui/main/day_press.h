// DayPress: what a press, release and click of a day button mean. A plain
// press shows the day's information until the release, Shift or Alt the same
// with the ISO week and no add dialog, and a completed plain click opens the
// add dialog. Ctrl runs the date calculator: the first Ctrl+click picks the
// start day, the second (in any month shown) gives the difference. Each box
// opens once the button is up again, so a box never swallows the release.
#pragma once

#include <optional>
#include <string>

#include "calendar/civil_date.h"

namespace orvanto {

enum class DayButton { Left, Other };
struct DayModifiers {
    bool shift = false;
    bool ctrl = false;
    bool alt = false;
};

// What the window shows for a press.
enum class DayInformation { None, SimpleWeek, IsoWeek };

// A box of the date calculator: title and text.
struct CalculatorBox {
    std::string title;
    std::string text;
};

class DayPress {
public:
    // The information to show while the button is held.
    DayInformation Press(const CivilDate& day, DayButton button, DayModifiers modifiers);
    // The release of a day button: a calculator box to show, if any.
    std::optional<CalculatorBox> Release(const CivilDate& day, DayButton button, int dateFormat);
    // A completed click: whether the add dialog opens.
    bool ClickOpensAddDialog();

private:
    bool ctrlPress_ = false;      // the press being released had Ctrl held
    bool suppressClick_ = false;  // Ctrl, Shift or Alt at the press
    std::optional<CivilDate> start_;
};

}  // namespace orvanto
