// BevelButton: a flat bevelled button. Its face, pressed, hot-track, light
// edge and shadow edge colours come from a theme; it may carry a small glyph
// in its top-left corner and a caption with an "&" accelerator. A button can
// be "dimmed": visible, disabled, drawn on a plain face without hot-track.
#pragma once

#include <QAbstractButton>
#include <QPainter>
#include <QPixmap>

#include "ui/widgets/drawn_picture.h"
#include "ui/widgets/theme.h"

namespace orvanto {

class BevelButton : public QAbstractButton {
    Q_OBJECT
public:
    explicit BevelButton(QWidget* parent = nullptr);

    void SetColors(const ButtonColors& colors);
    const ButtonColors& Colors() const { return colors_; }

    // The face used while the button is shown (after SetColors it is the
    // theme's face); the month painter changes it per day.
    void SetFace(const QColor& face);
    QColor Face() const { return face_; }
    void SetHotTrack(bool on, const QColor& color = QColor());
    bool HotTrackOn() const { return hotTrackOn_; }
    QColor HotTrack() const { return hotTrack_; }

    void SetFontColor(const QColor& color);
    QColor FontColor() const { return fontColor_; }

    void SetGlyph(const QPixmap& glyph, const QString& name = QString());
    // A glyph drawn at the button's device pixel ratio, again whenever the
    // button moves to a screen of another ratio.
    void SetGlyph(PictureMaker make, const QString& name = QString());
    QString GlyphName() const { return glyphName_; }
    bool HasGlyph() const { return !glyph_.isNull(); }

    // A flat button draws no bevel until the mouse is over it (tool buttons).
    void SetFlat(bool flat);

    QSize sizeHint() const override { return QSize(41, 25); }

signals:
    // Every mouse press and release, with the button and the modifiers held.
    void MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    void MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers);

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    ButtonColors colors_;
    QColor face_;
    QColor hotTrack_;
    bool hotTrackOn_ = true;
    QColor fontColor_ = Qt::black;
    QPixmap glyph_;
    PictureMaker makeGlyph_;
    QString glyphName_;
    bool flat_ = false;
    bool hovered_ = false;
};

// Draws a one-pixel bevel: light on the top and left, shadow on the bottom
// and right (swapped when sunken).
void DrawBevel(QPainter& painter, const QRect& rect, const QColor& light, const QColor& shadow, bool sunken);

}  // namespace orvanto
