// TRemindForm: the reminder popup. It shows what the reminder engine hands
// over (memo text and font, keep box caption and state, the caption-bar
// description) above every other window, and answers with the state of its
// keep and warn-again boxes when it closes.
#pragma once

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QTextEdit>

#include <string>

#include "core/prompt.h"
#include "ui/widgets/bevel_button.h"
#include "ui/widgets/ext_label.h"
#include "ui/widgets/round_button.h"
#include "ui/widgets/themed_dialog.h"

namespace orvanto {

inline constexpr int kWarnAgainMaxMinutes = 999;
inline constexpr int kWarnAgainStartMinutes = 5;

class TRemindForm : public ThemedDialog {
    Q_OBJECT
public:
    explicit TRemindForm(const ReminderPopupRequest& request, int themeIndex = 0, QWidget* parent = nullptr);

    // The outcome as it stands: keep box ticked, minutes when "&Warn again in"
    // is ticked (else 0).
    ReminderPopupAnswer Answer() const;

    void ApplyTheme(int themeIndex) override;

    // The description label's point size after shrinking to fit (8 down to 4).
    int DescriptionPointSize() const { return descriptionPoints_; }

    // Whether the text, in the memo's font of that size and weight, is
    // narrower than twice the memo's width.
    static bool TextIsNarrow(const std::string& text, int points, bool bold);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void BuildControls();
    void FillFrom(const ReminderPopupRequest& request);
    void FitDescription();
    // Over the main window when it is shown; centred on the screen when it
    // is minimized, in the tray or moved off the screen.
    void PlaceOnScreen();
    void KeepToggled(bool on);
    void WarnToggled(bool on);
    void MinutesEdited();
    void StepMinutes(int step);
    int Minutes() const;

    DrawnPictureLabel* bell_;
    QTextEdit* memo_;
    QCheckBox* keep_;
    QCheckBox* warnAgain_;
    QLineEdit* minutes_;
    RoundButton* up_;
    RoundButton* down_;
    QLabel* minutesLabel_;
    BevelButton* ok_;
    ExtLabel* description_;
    int descriptionPoints_ = 8;
};

// The bell drawn at run time for the popup (32 x 32) at a device pixel ratio.
QPixmap BellPicture(qreal devicePixelRatio = 1.0);

}  // namespace orvanto
