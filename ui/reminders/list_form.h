// TListForm: the "Print Event List" dialog. It asks for the range, the type
// and the columns of the printed list and the printer; the printed pages are
// laid out by LayoutEventList, which orvanto-cli uses for its PDF files too.
#pragma once

#include <QCheckBox>
#include <QDateEdit>
#include <QPrinter>
#include <QRadioButton>

#include <array>
#include <memory>
#include <vector>

#include "reminders/event_list.h"
#include "reminders/event_list_print.h"
#include "ui/app/app_context.h"
#include "ui/printing/printed_page.h"
#include "ui/widgets/bevel_button.h"
#include "ui/widgets/themed_dialog.h"

namespace orvanto {

// The printed event list: "Orvanto Event List" in Courier New 12 bold at the
// top left; then Courier New 8 lines of the height of "pP": the subtitle on
// the second line, the records from the fourth, a new page (from its top)
// when the next line would reach the bottom, and "Total: N events" one line
// below the last record.
PrintedDocument LayoutEventList(const std::vector<EventListEntry>& entries, const EventPrintOptions& options,
                                const EventTextStyle& style, const PageGeometry& geometry,
                                const TextMeasure& measure);

// Lays the list out for the printer and prints it as one job; false when
// the printer could not be started.
bool PrintEventList(const std::vector<EventListEntry>& entries, const EventPrintOptions& options,
                    const EventTextStyle& style, QPrinter& printer);

class TListForm : public ThemedDialog {
    Q_OBJECT
public:
    // today and dateFormat set the range pickers; the printer is the one
    // "&Setup" changes and "&Print" prints on.
    TListForm(const AppContext& context, int today, int dateFormat, QPrinter& printer,
              QWidget* parent = nullptr);

    void ApplyTheme(int themeIndex) override;

    // The choices as they stand.
    EventPrintOptions Options() const;
    // "Print  [printer]" or "Print  [Default Printer]".
    QString TitleText() const;

    // Opens the dialog over the event list's records in the table's order and
    // prints them when the user presses "&Print".
    static void Open(AppContext& context, QWidget* parent, const std::vector<EventListEntry>& entries);

private:
    void BuildControls(int today, int dateFormat);
    void Setup();
    void RefreshTitle();

    QPrinter& printer_;
    bool printerChosen_ = false;
    QDateEdit* from_;
    QDateEdit* to_;
    std::array<QRadioButton*, 4> types_;
    std::array<QCheckBox*, 6> columns_;
    BevelButton* print_;
    BevelButton* cancel_;
    BevelButton* setup_;
};

}  // namespace orvanto
