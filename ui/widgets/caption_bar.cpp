// CaptionBar painting and window dragging.
#include "ui/widgets/caption_bar.h"

#include <QGuiApplication>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

#include "ui/widgets/fonts.h"
#include "ui/widgets/move_cursor.h"

namespace orvanto {

WindowDragger::WindowDragger(QWidget* window) : QObject(window), window_(window) {}

void WindowDragger::Watch(QWidget* widget) { widget->installEventFilter(this); }

bool WindowDragger::eventFilter(QObject* watched, QEvent* event) {
    Q_UNUSED(watched);
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::LeftButton) return false;
        Begin(mouse->globalPosition().toPoint());
        return true;
    }
    case QEvent::MouseMove:
        if (!dragging_) return false;
        MoveTo(static_cast<QMouseEvent*>(event)->globalPosition().toPoint());
        return true;
    case QEvent::MouseButtonRelease:
        if (!dragging_) return false;
        End();
        return true;
    default:
        return false;
    }
}

void WindowDragger::Begin(const QPoint& globalPos) {
    QWidget* top = window_->window();
    // Wayland lets only the compositor move a window.
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")) && top->windowHandle() &&
        top->windowHandle()->startSystemMove())
        return;
    dragging_ = true;
    grabOffset_ = globalPos - top->frameGeometry().topLeft();
    QGuiApplication::setOverrideCursor(MoveCursor());
}

void WindowDragger::MoveTo(const QPoint& globalPos) { window_->window()->move(globalPos - grabOffset_); }

void WindowDragger::End() {
    dragging_ = false;
    QGuiApplication::restoreOverrideCursor();
}

CaptionBar::CaptionBar(const QString& title, QWidget* parent)
    : QWidget(parent),
      title_(new ExtLabel(title, this)),
      close_(new RoundButton(RoundButton::Symbol::Close, this)),
      dragger_(new WindowDragger(parent)) {
    title_->SetStyle(ExtLabel::Style::HeavyRaised);
    title_->setFont(PixelFont(FontFace::Verdana, 15, true));
    title_->SetAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    close_->setToolTip(QStringLiteral("Close"));
    close_->setObjectName(QStringLiteral("ExitBut"));
    dragger_->Watch(this);
    ApplyTheme(Theme::ByIndex(0));
}

void CaptionBar::SetGradient(const QColor& first, const QColor& second, const QColor& third) {
    gradient_[0] = first;
    gradient_[1] = second;
    gradient_[2] = third;
    update();
}

void CaptionBar::ApplyTheme(const Theme& theme) {
    SetGradient(theme.Color(ThemeRole::Caption1), theme.Color(ThemeRole::Caption2),
                theme.Color(ThemeRole::Caption3));
    title_->SetColors(theme.Color(ThemeRole::TitleDark), theme.Color(ThemeRole::TitleLight),
                      theme.Color(ThemeRole::TitleText));
}

void CaptionBar::SetTitleMovesWindow(bool on) {
    if (on)
        dragger_->Watch(title_);
    else
        title_->removeEventFilter(dragger_);
}

void CaptionBar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QLinearGradient band(0, 0, width(), 0);
    band.setColorAt(0.0, gradient_[0]);
    band.setColorAt(0.5, gradient_[1]);
    band.setColorAt(1.0, gradient_[2]);
    painter.fillRect(rect(), band);
    painter.setPen(gradient_[2].darker(150));
    painter.drawLine(0, height() - 1, width(), height() - 1);
}

void CaptionBar::resizeEvent(QResizeEvent*) { PlaceChildren(); }

void CaptionBar::PlaceChildren() {
    if (manualLayout_) return;
    const int side = qMax(15, height() - 8);
    close_->setGeometry(width() - side - 6, (height() - side) / 2, side, side);
    title_->setGeometry(8, 0, width() - side - 20, height());
}

}  // namespace orvanto
