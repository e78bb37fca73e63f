// NumberField: a box of digits with its up and down arrow buttons stacked at
// its right, as the reminder dialogs have them (date, time, warning, repeat
// and count fields). The field holds its bounds; the window that owns it
// decides what a step writes and how keys and refusals are handled.
#pragma once

#include <QColor>
#include <QLineEdit>
#include <QRect>
#include <QSize>

#include <string>

#include "ui/widgets/round_button.h"

namespace orvanto {

struct NumberField {
    // The box named `name` at `area` on `parent`, holding up to `digits`
    // characters, and the buttons "<name>Up" and "<name>Down", each `button`
    // big, one above the other one pixel right of the box. The buttons take
    // no focus.
    NumberField(const char* name, const QRect& area, QSize button, int digits, int low, int high,
                QWidget* parent);

    // The box and both buttons.
    void SetEnabled(bool on) const;
    void SetButtonFace(const QColor& face) const;

    QLineEdit* edit = nullptr;
    RoundButton* up = nullptr;
    RoundButton* down = nullptr;
    int low = 0;
    int high = 0;
    std::string refusal;  // the warning of a value out of range, where the window gives one
};

}  // namespace orvanto
