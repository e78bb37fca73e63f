// TAddRemForm: the "Add Event" dialog. It collects one reminder, holiday or
// bookmark, checks each field as the user leaves it and again on OK, and
// stores the record with InsertReminder.
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTabWidget>

#include <string>
#include <vector>

#include "calendar/civil_date.h"
#include "calendar/date_text.h"
#include "core/clock.h"
#include "core/prompt.h"
#include "core/sound.h"
#include "reminders/reminder_entry.h"
#include "ui/widgets/bevel_button.h"
#include "ui/widgets/number_field.h"
#include "ui/widgets/round_button.h"
#include "ui/widgets/themed_dialog.h"

namespace orvanto {

struct AddReminderContext {
    std::string settingsPath;
    const Clock* clock = nullptr;
    Prompt* prompt = nullptr;
    Sound* sound = nullptr;
    int dateFormat = 2;       // 1 month first, else day first
    bool twelveHour = false;  // the system's twelve-hour clock
    bool allTimed = false;    // "AllTimed"
    int themeIndex = 0;
};

class TAddRemForm : public ThemedDialog {
    Q_OBJECT
public:
    // For a day of the month shown; timed ticks "Ti&med Event".
    TAddRemForm(AddReminderContext context, const CivilDate& day, bool timed, QWidget* parent = nullptr);
    ~TAddRemForm() override {
        for (NumberField* field : fields_) delete field;
    }

    void ApplyTheme(int themeIndex) override;

    // The choices as they stand (what OK would check and store).
    ReminderEntry Entry() const;
    // OK: check, store, close. Public so that Enter in the message can use it.
    void PressOk();
    bool Stored() const { return stored_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildControls();
    // Sizes the tab pages to hold their lowest row and puts the buttons and
    // the dialog's bottom edge below them.
    void FitPagesAndButtons();
    NumberField* MakeField(const char* name, int x, int y, int width, int digits, int low, int high,
                           const char* message, QWidget* parent);
    void Step(NumberField& field, int step);
    bool CheckField(NumberField& field);
    // Every check of a field again, as OK does; false at the first refusal.
    bool CheckAllFields();
    void Refuse(QWidget* focus, const std::string& message, QWidget* page = nullptr);
    void TypeChanged();
    void RepeatChanged();
    void LimitChanged();
    void TimedChanged();
    void FillTimeFields();
    void UpdateWeekday();
    void UpdateOk();
    int HourHigh() const { return context_.twelveHour ? 12 : 23; }
    NumberField& MonthField() { return MonthFirst(context_.dateFormat) ? *first_ : *second_; }
    NumberField& DayField() { return MonthFirst(context_.dateFormat) ? *second_ : *first_; }
    const NumberField& MonthField() const { return MonthFirst(context_.dateFormat) ? *first_ : *second_; }
    const NumberField& DayField() const { return MonthFirst(context_.dateFormat) ? *second_ : *first_; }

    AddReminderContext context_;
    std::vector<NumberField*> fields_;
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
    QPlainTextEdit* message_;
    QCheckBox* timed_;
    QComboBox* amPm_;
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
    BevelButton* ok_;
    BevelButton* cancel_;
    BevelButton* help_;
    bool checking_ = false;
    bool stored_ = false;
};

inline constexpr const char* kAddEventsHelpTopic = "AddEvents.htm";

}  // namespace orvanto

namespace orvanto {

// Shows the dialog modally for the day; true when a record was stored. The
// caller redraws the month and rebuilds the pending table afterwards.
bool OpenAddReminder(const AddReminderContext& context, const CivilDate& day, bool timed,
                     QWidget* parent = nullptr);

}  // namespace orvanto
