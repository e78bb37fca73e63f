// Drawn pictures: an icon engine over a picture maker, and a label.
#include "ui/widgets/drawn_picture.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <cmath>

namespace orvanto {

QPixmap BlankPicture(const QSize& logicalSize, qreal devicePixelRatio) {
    const qreal ratio = devicePixelRatio > 0 ? devicePixelRatio : 1.0;
    QPixmap picture(static_cast<int>(std::ceil(logicalSize.width() * ratio - 1e-9)),
                    static_cast<int>(std::ceil(logicalSize.height() * ratio - 1e-9)));
    picture.setDevicePixelRatio(ratio);
    picture.fill(Qt::transparent);
    return picture;
}

QPointF DeviceAligned(const QPointF& p, qreal devicePixelRatio) {
    if (devicePixelRatio <= 0) return p;
    return QPointF(std::round(p.x() * devicePixelRatio) / devicePixelRatio,
                   std::round(p.y() * devicePixelRatio) / devicePixelRatio);
}

namespace {

class DrawnIconEngine : public QIconEngine {
public:
    DrawnIconEngine(PictureMaker make, const QSize& logicalSize)
        : make_(std::move(make)), size_(logicalSize) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        const QPixmap picture = scaledPixmap(size_, mode, state, ratio);
        const QPointF at(rect.x() + (rect.width() - size_.width()) / 2.0,
                         rect.y() + (rect.height() - size_.height()) / 2.0);
        painter->drawPixmap(DeviceAligned(at, ratio), picture);
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return scaledPixmap(size, mode, state, 1.0);
    }

    QPixmap scaledPixmap(const QSize&, QIcon::Mode mode, QIcon::State, qreal scale) override {
        QPixmap picture = make_(scale);
        if (mode == QIcon::Disabled && qApp) {
            QStyleOption option;
            option.palette = QApplication::palette();
            const qreal ratio = picture.devicePixelRatio();
            picture = QApplication::style()->generatedIconPixmap(QIcon::Disabled, picture, &option);
            picture.setDevicePixelRatio(ratio);
        }
        return picture;
    }

    QSize actualSize(const QSize&, QIcon::Mode, QIcon::State) override { return size_; }

    QIconEngine* clone() const override { return new DrawnIconEngine(make_, size_); }

private:
    PictureMaker make_;
    QSize size_;
};

}  // namespace

QIcon DrawnIcon(PictureMaker make, const QSize& logicalSize) {
    return QIcon(new DrawnIconEngine(std::move(make), logicalSize));
}

DrawnPictureLabel::DrawnPictureLabel(QWidget* parent) : QLabel(parent) {}

void DrawnPictureLabel::SetPicture(PictureMaker make) {
    make_ = std::move(make);
    setPixmap(make_ ? make_(devicePixelRatioF()) : QPixmap());
}

void DrawnPictureLabel::paintEvent(QPaintEvent* event) {
    if (make_ && !qFuzzyCompare(pixmap().devicePixelRatio(), devicePixelRatioF())) {
        setPixmap(make_(devicePixelRatioF()));
    }
    QLabel::paintEvent(event);
}

}  // namespace orvanto
