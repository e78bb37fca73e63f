// CoordinateField: one coordinate as degrees and minutes with its
// hemisphere: a degrees box, "deg.", a minutes box, "min." and two choices
// ("N"/"S" for a latitude, "W"/"E" for a longitude). Editable, or display
// only: disabled and drawn transparent on the window's background.
#pragma once

#include <QLabel>
#include <QRadioButton>
#include <QWidget>

#include "ui/widgets/trans_edit.h"

namespace orvanto {

class CoordinateField : public QWidget {
    Q_OBJECT
public:
    enum class Kind { Latitude, Longitude };

    // The object names of the four controls, so that windows keep their
    // controls' names ("Edit1", "RadioButton1" ...).
    struct Names {
        const char* degrees;
        const char* minutes;
        const char* firstChoice;   // "N" or "W"
        const char* secondChoice;  // "S" or "E"
    };

    CoordinateField(Kind kind, const Names& names, QWidget* parent = nullptr);

    TransEdit* Degrees() const { return degrees_; }
    TransEdit* Minutes() const { return minutes_; }
    QRadioButton* FirstChoice() const { return first_; }
    QRadioButton* SecondChoice() const { return second_; }

    // South or west.
    bool Negative() const;
    void SetValue(const QString& degrees, const QString& minutes, bool negative);

    // Editable: boxes and choices enabled, boxes on a white ground. Display
    // only: all disabled, the boxes transparent.
    void SetEditable(bool editable);
    bool Editable() const { return editable_; }

    void SetTextColor(const QColor& color);

    // Width and height the field needs.
    static QSize FieldSize();

private:
    Kind kind_;
    TransEdit* degrees_;
    TransEdit* minutes_;
    QLabel* degreesLabel_;
    QLabel* minutesLabel_;
    QRadioButton* first_;
    QRadioButton* second_;
    bool editable_ = true;
};

}  // namespace orvanto
