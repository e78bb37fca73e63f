// TSNTPStatusForm: "Clock correction status". The connection line, the
// server in use with the last roundtrip, the outcome of the last attempt and
// a flat button that asks for a correction at the next second; "&OK",
// Enter and Escape close it. The lines follow the service while it is open.
#pragma once

#include <QGroupBox>
#include <QLabel>

#include <optional>

#include "ui/app/app_context.h"
#include "ui/clock/clock_correction_service.h"
#include "ui/widgets/bevel_button.h"
#include "ui/widgets/themed_dialog.h"

namespace orvanto {

class TSNTPStatusForm : public ThemedDialog {
    Q_OBJECT
public:
    // `daylightSaving`: whether daylight saving time is in effect (nothing:
    // ask this machine's zone), for " [DST]" in the title.
    TSNTPStatusForm(const AppContext& context, ClockCorrectionService& service, QWidget* parent = nullptr,
                    std::optional<bool> daylightSaving = std::nullopt);
    ~TSNTPStatusForm() override;

    // Opens the window modally over `parent` (the main window).
    static void Open(AppContext& context, QWidget* parent, ClockCorrectionService& service);

    void ApplyTheme(int themeIndex) override;

    // "Correct time now".
    void CorrectNow();

private:
    void ShowLines();

    ClockCorrectionService& service_;
    QLabel* connection_;
    QLabel* server_;
    QLabel* roundtrip_;
    QLabel* status1_;
    QLabel* status2_;
    BevelButton* correctNow_;
    BevelButton* ok_;
};

}  // namespace orvanto
