// CaptionBar: the painted caption that replaces the system caption of every
// window: a gradient band in theme colours 1 to 3, a raised title label and
// a round close button with the hint "Close". A left press on the band
// starts moving the window, with the "MoveCur" cursor shown meanwhile.
#pragma once

#include <QPoint>
#include <QWidget>

#include "ui/widgets/ext_label.h"
#include "ui/widgets/round_button.h"
#include "ui/widgets/theme.h"

namespace orvanto {

// Moves a top-level window with the mouse: begun by a left press on any
// widget it watches, ended by the release.
class WindowDragger : public QObject {
    Q_OBJECT
public:
    explicit WindowDragger(QWidget* window);

    // Presses on this widget (and not consumed by it) start a move.
    void Watch(QWidget* widget);
    bool Dragging() const { return dragging_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Begin(const QPoint& globalPos);
    void MoveTo(const QPoint& globalPos);
    void End();

    QWidget* window_;
    QPoint grabOffset_;
    bool dragging_ = false;
};

class CaptionBar : public QWidget {
    Q_OBJECT
public:
    explicit CaptionBar(const QString& title, QWidget* parent);

    ExtLabel* Title() const { return title_; }
    RoundButton* CloseButton() const { return close_; }
    WindowDragger* Dragger() const { return dragger_; }

    void SetGradient(const QColor& first, const QColor& second, const QColor& third);
    // Band colours 1..3, title dark 19, light 20, text 21.
    void ApplyTheme(const Theme& theme);
    // When on, a press on the title label moves the window as well.
    void SetTitleMovesWindow(bool on);
    // When on, the window places the title and the buttons itself.
    void SetManualLayout(bool on) { manualLayout_ = on; }

    QColor GradientColor(int i) const { return gradient_[i]; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void PlaceChildren();

    ExtLabel* title_;
    RoundButton* close_;
    WindowDragger* dragger_;
    QColor gradient_[3];
    bool manualLayout_ = false;
};

}  // namespace orvanto
