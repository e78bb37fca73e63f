// TEditRem: the "Events" window. Every record of section "Reminders" in a
// sortable table; one record at a time opens in the edit panel below it
// (double click), is checked and put back into the working list (a click on
// any row, "&OK" or closing), can be deleted, searched and printed; the
// section is written only on "&OK" or a "Yes" to the save question.
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableView>

#include <memory>
#include <optional>
#include <vector>

#include "reminders/event_list.h"
#include "ui/app/app_context.h"
#include "ui/widgets/bevel_button.h"
#include "ui/widgets/find_dialog.h"
#include "ui/widgets/number_field.h"
#include "ui/widgets/round_button.h"
#include "ui/widgets/themed_dialog.h"

namespace orvanto {

class EventTableModel;

inline constexpr const char* kViewAndEditHelpTopic = "ViewAndEdit.htm";
inline constexpr const char* kSaveChangesQuestion = "    Save changes to disk?    ";
inline constexpr const char* kSelectEventFirst = "Please select an event first.";
inline constexpr const char* kEventTableHint =
    "Click on any column header to sort the table.\nTitle will become boldface.";

class TEditRem : public ThemedDialog {
    Q_OBJECT
public:
    explicit TEditRem(AppContext& context, QWidget* parent = nullptr);
    ~TEditRem() override;

    // Shows the window modally to its parent. RemindersChanged is emitted
    // when it wrote the section; the caller then rebuilds the month and the
    // pending table.
    static void Open(AppContext& context, QWidget* parent);

    void ApplyTheme(int themeIndex) override;

    // The working list in the table's order.
    const std::vector<EventListEntry>& Entries() const { return list_.entries; }
    std::optional<std::size_t> SelectedRow() const;
    // The row of the record open in the edit panel.
    std::optional<std::size_t> OpenRow() const;
    bool Changed() const { return changed_; }
    bool Saved() const { return saved_; }
    // The sorted column (-1 none) and its direction.
    int SortColumn() const { return sortColumn_; }
    bool SortAscending() const { return sortAscending_; }

    // What the mouse does on the table: a click on a row commits the open
    // record and empties the panel; a double click commits it and opens the
    // row's record; a click on a header sorts by that column.
    void ClickRow(int row);
    void DoubleClickRow(int row);
    void ClickHeader(int column);
    void SelectRow(int row);
    // "&Find Next" of the find dialog.
    void FindNext(const QString& text, bool matchCase);
    FindDialog* OpenFindDialog();
    void PressDelete();
    // "&OK": commit, save, close.
    void PressOk();
    // "Import..." and "Export..." with a chosen file: the events of an
    // iCalendar file join the working list (saved with the list), and the
    // working list is written as an iCalendar file. False when nothing
    // happened (a check of the open record failed, a file error shown).
    bool ImportCalendarFile(const QString& path);
    bool ExportCalendarFile(const QString& path);

    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildTable();
    void BuildButtons();
    void BuildPanel();
    QWidget* BuildGeneralPage();
    QWidget* BuildAdvancedPage();
    NumberField* MakeSpin(const char* name, QWidget* parent, int x, int y, int width, int digits, int low,
                          int high);
    void Step(NumberField& field, int step);

    void Refill(std::optional<std::size_t> selectRow);
    void FitColumns();
    void UpdateTitle();
    void UpdateButtons();
    std::optional<std::size_t> IndexOfNumber(int number) const;

    // The edit panel.
    void FillPanel(const ReminderEntry& entry);
    ReminderEntry PanelEntry() const;
    void ClearPanel();
    void EnablePanel(bool on);
    void TypeChanged();
    void RepeatChanged();
    void LimitChanged();
    void TimedChanged();
    void UpdateWeekday();
    // Checks and puts back the open record; false (the record stays open)
    // when a check failed.
    bool CommitOpen();
    void Refuse(const EventCommit& commit);
    bool Save();
    // The save question after changes; false when the window must stay.
    bool AskToSave();

    AppContext& context_;
    EventTextStyle style_;
    int today_ = 0;
    int currentYear_ = 0;
    EventList list_;
    std::unique_ptr<EventTableModel> model_;
    std::optional<int> openNumber_;  // the record open in the panel
    ReminderEntry openEntry_;        // its choices as it was opened
    bool changed_ = false;
    bool saved_ = false;
    bool closing_ = false;
    bool skipNextRelease_ = false;
    int sortColumn_ = -1;
    bool sortAscending_ = true;
    int pressedSection_ = -1;
    QString lastSearch_;
    std::optional<std::size_t> lastMatch_;
    QPointer<FindDialog> findDialog_;
    std::vector<std::unique_ptr<NumberField>> spins_;

    QTableView* table_;
    BevelButton* find_;
    BevelButton* printList_;
    BevelButton* delete_;
    BevelButton* import_;
    BevelButton* export_;
    BevelButton* ok_;
    BevelButton* cancel_;
    BevelButton* help_;
    QGroupBox* panel_;
    NumberField* first_;
    NumberField* second_;
    NumberField* year_;
    NumberField* hour_;
    NumberField* minute_;
    NumberField* warning_;
    NumberField* every_;
    NumberField* count_;
    QLabel* weekday_;
    QComboBox* type_;
    QCheckBox* timed_;
    QComboBox* amPm_;
    QPlainTextEdit* memo_;
    QTabWidget* pages_;
    QWidget* general_;
    QWidget* advanced_;
    QRadioButton* noRepeat_;
    QRadioButton* repeatEvery_;
    QRadioButton* repeatOn_;
    QComboBox* unit_;
    QComboBox* which_;
    QComboBox* weekdayList_;
    QComboBox* monthList_;
    QCheckBox* useStart_;
    QDateEdit* startDate_;
    QCheckBox* limit_;
    QRadioButton* dateLimit_;
    QRadioButton* countLimit_;
    QDateEdit* limitDate_;
};

}  // namespace orvanto
