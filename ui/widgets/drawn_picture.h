// Pictures drawn at run time at the device pixel ratio of the screen they are
// shown on, so that a glyph, an icon or a logo is as crisp at 125 %, 150 % or
// 200 % as the text beside it instead of being scaled up from its 100 % form.
#pragma once

#include <QIcon>
#include <QLabel>
#include <QPixmap>
#include <QPointF>
#include <functional>

namespace orvanto {

// Draws the picture for a device pixel ratio: a pixmap of the picture's size
// times the ratio (rounded up) that carries the ratio.
using PictureMaker = std::function<QPixmap(qreal devicePixelRatio)>;

// A blank pixmap of a logical size for a device pixel ratio, transparent,
// carrying the ratio: paint on it in logical coordinates.
QPixmap BlankPicture(const QSize& logicalSize, qreal devicePixelRatio);

// The logical point nearest to p that falls on a whole device pixel, so that a
// picture drawn there is copied pixel for pixel, not resampled.
QPointF DeviceAligned(const QPointF& p, qreal devicePixelRatio);

// An icon that draws its picture at the ratio of the device it is painted on.
QIcon DrawnIcon(PictureMaker make, const QSize& logicalSize);

// A label showing a drawn picture; it draws the picture again when the label
// moves to a screen of another ratio.
class DrawnPictureLabel : public QLabel {
    Q_OBJECT
public:
    explicit DrawnPictureLabel(QWidget* parent = nullptr);
    void SetPicture(PictureMaker make);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    PictureMaker make_;
};

}  // namespace orvanto
