// TMoonForm: the astronomical data window. For a date and the user's place it shows the
// moon (phase, age, lit fraction, lunation, distance, size, rise, transit and set, the next
// phase, eclipse, perigee and apogee, the moon picture), the sun (rise, transit and set,
// daylight, twilights, distance, size, place, next eclipse) and the seasons of this year and
// the next, refreshed once a second, and prints the astronomical report. Every text comes
// from astronomy/astro_report, as the command line's report does.
#pragma once

#include <QDateEdit>
#include <QLabel>
#include <QTabWidget>
#include <QTimer>

#include <optional>
#include <string>
#include <vector>

#include "astronomy/astro_report.h"
#include "calendar/civil_date.h"
#include "ui/app/app_context.h"
#include "ui/astronomy/moon_image.h"
#include "ui/widgets/bevel_button.h"
#include "ui/widgets/themed_dialog.h"

class QPrinter;

namespace orvanto {

// What the window reads from the settings file when it opens.
struct AstroWindowSettings {
    long double latitude = 0;   // degrees, north positive
    long double longitude = 0;  // degrees, east positive (as stored)
    std::string cityName;
    int dateFormat = 2;
    bool minorPhases = false;
    bool dstCorrection = false;
};

AstroWindowSettings ReadAstroWindowSettings(const std::string& settingsPath);

class TMoonForm : public ThemedDialog {
    Q_OBJECT
public:
    // The picker starts at `shownDate` (the day the main window shows), or at today when
    // there is none (the main window shows today's month).
    TMoonForm(AppContext& context, std::optional<CivilDate> shownDate, QWidget* parent = nullptr);

    // Opens the window modally over the main window; it is freed when it closes.
    static void Open(AppContext& context, QWidget* parent, std::optional<CivilDate> shownDate = std::nullopt);

    void ApplyTheme(int themeIndex) override;

    // The window date from the picker and the clock, and every value shown again.
    void Refresh();
    // The report of the values shown, printed on the printer (the "&Print" button asks for
    // one with the print dialog).
    bool PrintReport(QPrinter& printer);

    // What the window shows now, and the input it was computed from.
    const astro::TAstroValues& Values() const { return values_; }
    astro::TAstroReportInput ReportInput() const;
    TMoon* MoonImage() const { return moon_; }
    QTimer* RefreshTimer() const { return timer_; }
    QDateEdit* DatePicker() const { return picker_; }

protected:
    void showEvent(QShowEvent* event) override;
    // F1 opens the help topic, as "&Help" does.
    void keyPressEvent(QKeyEvent* event) override;

private:
    struct ValueLabel {
        QLabel* label;
        std::string astro::TAstroValues::*value;
    };

    void BuildControls();
    QWidget* BuildMoonPage();
    QWidget* BuildSunPage();
    QWidget* BuildSeasonsPage();
    QLabel* CaptionLabel(const QString& text, const QRect& at, QWidget* parent);
    QLabel* Value(const char* name, std::string astro::TAstroValues::*value, const QRect& at,
                  QWidget* parent);
    void Tick();
    void PressPrint();

    AppContext& context_;
    AstroWindowSettings settings_;
    astro::TAstroReport report_;
    astro::TAstroValues values_;
    double windowDate_ = 0;

    QDateEdit* picker_ = nullptr;
    QLabel* julianDate_ = nullptr;
    QTabWidget* pages_ = nullptr;
    TMoon* moon_ = nullptr;
    std::vector<ValueLabel> valueLabels_;
    QLabel* seasonCaptions_[4] = {};
    QLabel* seasonThisYear_[4] = {};
    QLabel* seasonNextYear_[4] = {};
    BevelButton* help_ = nullptr;
    BevelButton* close_ = nullptr;
    BevelButton* print_ = nullptr;
    QTimer* timer_ = nullptr;
};

inline constexpr const char* kAstroModuleHelpTopic = "AstroModule.htm";

}  // namespace orvanto
