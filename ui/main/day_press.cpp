#include "ui/main/day_press.h"

#include "ui/main/date_calculator.h"

namespace orvanto {

DayInformation DayPress::Press(const CivilDate&, DayButton button, DayModifiers modifiers) {
    ctrlPress_ = modifiers.ctrl;
    suppressClick_ = modifiers.ctrl || modifiers.shift || modifiers.alt;
    if (modifiers.ctrl) return DayInformation::None;
    if (modifiers.shift || modifiers.alt) return DayInformation::IsoWeek;
    return button == DayButton::Left ? DayInformation::SimpleWeek : DayInformation::None;
}

std::optional<CalculatorBox> DayPress::Release(const CivilDate& day, DayButton, int dateFormat) {
    if (!ctrlPress_) return std::nullopt;
    ctrlPress_ = false;
    if (!start_) {
        start_ = day;
        return CalculatorBox{"Orvanto Math Mode", CalculatorStartText(day, dateFormat)};
    }
    const CivilDate start = *start_;
    start_.reset();
    return CalculatorBox{"Orvanto Date Calculator", CalculatorResultText(start, day, dateFormat)};
}

bool DayPress::ClickOpensAddDialog() {
    const bool opens = !suppressClick_;
    suppressClick_ = false;
    return opens;
}

}  // namespace orvanto
