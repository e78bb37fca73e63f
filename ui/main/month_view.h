// MonthView: the month part of the main window: the week header, the 42 day
// buttons with today's frame and its blink, the sunrise label and the
// information strip (label or scrolling text). It paints a month from the
// month view index and the settings, shows a day's information while a day is
// held, and keeps the strip's clock running.
#pragma once

#include <QObject>
#include <QTimer>

#include <array>
#include <optional>
#include <string>

#include "calendar/civil_date.h"
#include "core/settings.h"
#include "ui/app/app_context.h"
#include "ui/main/month_painting.h"

class QWidget;

namespace orvanto {

class BevelButton;
class ExtLabel;
class OutlineShape;
class ScrollingText;
class Theme;

class MonthView : public QObject {
    Q_OBJECT
public:
    // Builds its widgets on the window; the settings are the window's own and
    // are read at each paint.
    MonthView(QWidget* window, AppContext& context, const MainWindowSettings& settings);

    // Paints the month of the date (the date's day is remembered as the shown day).
    void Show(const CivilDate& date);
    // Paints the shown month again.
    void Repaint() { Show(shown_); }
    const CivilDate& Shown() const { return shown_; }
    // The date of a day cell of the shown month (its caption as the day).
    CivilDate DayOfCell(int cell) const;
    // The cell showing a day of the shown month, -1 when none.
    int CellOfDay(int day) const;

    void ApplyTheme(const Theme& theme);
    // Today's frame and the strip's colour from the colour settings.
    void ApplyTextColours();
    // Starts or stops the blink of today's number after "&Blink on Today".
    void SetBlink(bool on);
    void SetTodayColour();

    // The day's information while a day button is held, and back.
    void ShowDayInformation(const CivilDate& day, bool isoWeek);
    void RestoreInformation();
    bool InformationShown() const { return savedInformation_.has_value(); }
    // The clock text of the strip, when the strip shows the clock.
    void RefreshClockText();
    // Stops the scrolling strip (minimize, close).
    void StopScrolling();

    BevelButton* Day(int cell) const { return days_[cell]; }
    const MonthPicture& Picture() const { return picture_; }

signals:
    void DayMouseDown(int cell, Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    void DayMouseUp(int cell, Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    void DayClicked(int cell);

private:
    void BuildHeaderAndDays(QWidget* window);
    void BuildStrip(QWidget* window);
    void FitSunLabelFont();
    void ApplyCell(BevelButton* button, const DayCell& cell);
    void SetSunLabel();
    void SetInformationStrip(const std::string& holidays);
    void BlinkTick();
    CivilDate Today() const;
    int TimeZoneBiasMinutes() const;
    double Latitude() const;
    double Longitude() const;
    std::string ClockText() const;

    AppContext& context_;
    const MainWindowSettings& settings_;
    int themeIndex_ = 0;

    std::array<BevelButton*, 7> header_{};
    std::array<BevelButton*, 42> days_{};
    OutlineShape* todayFrame_ = nullptr;
    ExtLabel* sunLabel_ = nullptr;
    BevelButton* scrollButton_ = nullptr;
    ExtLabel* infoLabel_ = nullptr;
    ScrollingText* scroll_ = nullptr;
    QTimer* blinkTimer_ = nullptr;  // Timer1: the blink of today's number

    CivilDate shown_{};
    MonthPicture picture_;
    BevelButton* todayButton_ = nullptr;
    bool stripShowsClock_ = false;
    bool blinkOn_ = false;
    // The strip's text while a day's information is shown; a text ending in
    // "@" stands for a scrolling strip.
    std::optional<QString> savedInformation_;
};

}  // namespace orvanto
