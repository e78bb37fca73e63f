// TBioForm: the "Biorhythm" window. It draws the three biorhythm curves of
// one person for one month, shows the values of the day under the mouse,
// keeps a list of favourite people in "BioData.ini" beside the settings
// file, and prints, copies or saves the chart.
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QTableWidget>

#include <optional>
#include <string>

#include "biorhythm/bio_chart.h"
#include "biorhythm/bio_data_file.h"
#include "biorhythm/bio_favourites.h"
#include "ui/app/app_context.h"
#include "ui/biorhythm/chart_image.h"
#include "ui/biorhythm/chart_view.h"
#include "ui/widgets/bevel_button.h"
#include "ui/widgets/round_button.h"
#include "ui/widgets/themed_dialog.h"

class QPagedPaintDevice;

namespace orvanto {

inline constexpr const char* kBiorhythmHelpTopic = "Biorhythm.htm";

class TBioForm : public ThemedDialog {
    Q_OBJECT
public:
    TBioForm(AppContext& context, QWidget* parent = nullptr);

    // Shows the window modally to its parent until it is closed.
    static void Open(AppContext& context, QWidget* parent);

    void ApplyTheme(int themeIndex) override;

    const bio::BioChart& Chart() const { return chart_; }
    const bio::FavouriteList& Favourites() const { return favourites_; }
    QMenu* ChartMenu() const { return chartMenu_; }

    // The actions of the chart's menu, after their dialogs: print on a
    // device at 3 or 6 times the chart's size, save as a bitmap file.
    bool PrintOn(QPagedPaintDevice& device, int scale);
    bool SaveBitmap(const QString& path);
    void CopyImage();

    // The options as the window stands (what closing writes).
    bio::BioOptions CurrentOptions() const;

    void done(int result) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void BuildControls();
    void BuildChartMenu();
    void ApplyOptions(const bio::BioOptions& options);
    void ShowFavourites(int selected);

    // The chart for the person and month chosen; the redraw triggers call
    // RedrawWhenChosen, which draws only once a person is chosen.
    void DrawChart();
    void RedrawWhenChosen();
    void DrawEmptyGrid();
    void ShowChart();
    void MouseOverChart(int x, int y);
    void HighlightChanged(bool on);

    void AddFavourite();
    void DeleteFavourite();
    void LoadFavourite(int position);
    void WriteFavourites();

    void StepYear(int step);
    void CheckYearOnLeaving();
    void AskPrint(int scale);
    void AskSaveBitmap();

    void Beep();
    void Warn(const std::string& text);
    void ShowError(const std::string& text);

    CivilDate Today() const;
    CivilDate Birth() const;
    std::optional<int> Year() const;
    bio::ChartColours Colours() const;

    AppContext& context_;
    int dateFormat_ = 2;
    bio::BioDataFile file_;
    bio::FavouriteList favourites_;
    bio::BioChart chart_;
    QtChartLettering lettering_;
    bool skippedReported_ = false;
    bool closing_ = false;

    QLineEdit* name_;
    QDateEdit* birth_;
    BevelButton* add_;
    QListWidget* list_;
    BevelButton* delete_;
    QComboBox* month_;
    QLineEdit* year_;
    QWidget* upDown_;
    RoundButton* yearUp_;
    RoundButton* yearDown_;
    ChartView* image_;
    QTableWidget* strip_;
    QCheckBox* physical_;
    QCheckBox* emotional_;
    QCheckBox* intellectual_;
    QCheckBox* thickLines_;
    QCheckBox* darkBackground_;
    QCheckBox* highlight_;
    BevelButton* close_;
    BevelButton* redraw_;
    BevelButton* help_;
    QMenu* chartMenu_;
};

}  // namespace orvanto
