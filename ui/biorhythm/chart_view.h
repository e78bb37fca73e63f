// ChartView: shows the biorhythm chart's image at its pixel size and reports
// where the mouse is over it.
#pragma once

#include <QImage>
#include <QWidget>

namespace orvanto {

class ChartView : public QWidget {
    Q_OBJECT
public:
    explicit ChartView(QWidget* parent = nullptr);

    void SetImage(const QImage& image);
    const QImage& Image() const { return image_; }

    QSize sizeHint() const override { return image_.size(); }

signals:
    // The mouse moved to (x, y) of the chart.
    void MouseMoved(int x, int y);
    // The mouse left the chart.
    void MouseLeft();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    QImage image_;
};

}  // namespace orvanto
