// ExtLabel: a label whose text is drawn raised or sunken (a light and a dark
// copy offset behind the text), plain or heavy, on an optional background.
// It reports presses, releases and clicks so a caption title can act as a
// button.
#pragma once

#include <QColor>
#include <QWidget>

namespace orvanto {

class ExtLabel : public QWidget {
    Q_OBJECT
public:
    enum class Style { Flat, Raised, Sunken, HeavyRaised, HeavySunken };

    explicit ExtLabel(const QString& text = QString(), QWidget* parent = nullptr);

    void SetText(const QString& text);
    QString Text() const { return text_; }
    void SetStyle(Style style);
    Style GetStyle() const { return style_; }
    // Dark and light are the two shading copies; text is the face of the letters.
    void SetColors(const QColor& dark, const QColor& light, const QColor& text);
    QColor TextColor() const { return textColor_; }
    QColor DarkColor() const { return dark_; }
    QColor LightColor() const { return light_; }
    // An invalid colour leaves the label transparent.
    void SetBackground(const QColor& background);
    QColor Background() const { return background_; }
    void SetAlignment(Qt::Alignment alignment);

    // Whether the text fits the label's width in its current font.
    bool TextFits(const QString& text) const;

signals:
    void Pressed();
    void Released();
    void Clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QString text_;
    Style style_ = Style::Flat;
    QColor dark_ = Qt::gray;
    QColor light_ = Qt::white;
    QColor textColor_ = Qt::black;
    QColor background_;
    Qt::Alignment alignment_ = Qt::AlignCenter;
    bool pressed_ = false;
};

}  // namespace orvanto
