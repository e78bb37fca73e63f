// ScrollingText: a one-line strip whose text runs from right to left,
// wrapping around, while it is active.
#pragma once

#include <QColor>
#include <QTimer>
#include <QWidget>

namespace orvanto {

class ScrollingText : public QWidget {
    Q_OBJECT
public:
    explicit ScrollingText(QWidget* parent = nullptr);

    void SetText(const QString& text);
    QString Text() const { return text_; }
    void SetTextColor(const QColor& color);
    QColor TextColor() const { return textColor_; }

    void Start();
    void Stop();
    bool IsActive() const { return timer_.isActive(); }
    // Milliseconds between one-pixel steps.
    void SetInterval(int ms) { timer_.setInterval(ms); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void Step();

    QString text_;
    QColor textColor_ = Qt::black;
    QTimer timer_;
    int offset_ = 0;
};

}  // namespace orvanto
