// TPrintBox: the "Print" dialog. It prints month pages, year pages and card
// sheets on the printer chosen with "Printer &Setup" (the default printer
// until one is chosen in this run), one print job per page or sheet.
#pragma once

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "ui/app/app_context.h"
#include "ui/printing/calendar_print_jobs.h"
#include "ui/widgets/bevel_button.h"
#include "ui/widgets/round_button.h"
#include "ui/widgets/themed_dialog.h"

class QPrinter;

namespace orvanto {

class TPrintBox : public ThemedDialog {
    Q_OBJECT
public:
    // shownMonth and shownYear: the month the main window shows; the start
    // month and year begin there.
    TPrintBox(AppContext& context, int shownMonth, int shownYear, QWidget* parent = nullptr);

    // Opens the dialog modally over the parent window, starting at today's
    // month, or at the month the main window shows.
    static void Open(AppContext& context, QWidget* parent);
    static void Open(AppContext& context, QWidget* parent, int shownMonth, int shownYear);

    void ApplyTheme(int themeIndex) override;

    // Prints on this printer instead of the run's printer (tests print into
    // PDF files).
    void UsePrinter(QPrinter* printer);

    // What "&Print" would print, after the corrections of the two boxes.
    CalendarPrintRequest Request();
    CalendarLayout Layout() const;
    // "&Print": write the settings, print, close.
    void PressPrint();

    // "Print  [Default Printer]" or "Print  [<printer>]".
    static QString CaptionText(const QPrinter* chosen);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct NumberBox {
        QLineEdit* edit = nullptr;
        RoundButton* up = nullptr;
        RoundButton* down = nullptr;
        int low = 0;
        int high = 0;
    };

    void BuildLayoutButtons();
    void BuildOptions();
    void BuildRange();
    void BuildButtons();
    BevelButton* MakeLayoutButton(const char* name, const QString& text, CalendarLayout layout, int x);
    // A placement group: three radio buttons in a row of their own.
    QWidget* MakePlacement(QWidget* parent, const char* name, const char* const texts[3],
                           const char* const names[3], int y, QRadioButton* radios[3]);
    NumberBox MakeNumberBox(const char* name, QWidget* parent, int x, int y, int width, int low, int high);
    void Step(NumberBox& box, int step);
    void CorrectYear();
    void CorrectCount();
    void UpdateControls();
    void UpdateRangeLabel();
    void PrinterSetup();
    void RefreshCaption();
    QPrinter& Printer();

    AppContext& context_;
    int shownYear_;
    QPrinter* printer_ = nullptr;
    QButtonGroup* layouts_;
    BevelButton* monthBut_;
    BevelButton* yearBut_;
    BevelButton* cardBut_;
    QCheckBox* moon_;
    QCheckBox* holidays_;
    QCheckBox* events_;
    QCheckBox* colors_;
    QWidget* holidayPlacement_;
    QWidget* eventPlacement_;
    QRadioButton* holidayRadios_[3];
    QRadioButton* eventRadios_[3];
    QComboBox* monthList_;
    NumberBox year_;
    NumberBox count_;
    QLabel* countLabel_;
    BevelButton* print_;
    BevelButton* cancel_;
    BevelButton* setup_;
};

}  // namespace orvanto
