// A proxy over the application's style that answers the tool-tip wake-up
// delay with the program's hint pause, and keeps the style's indicators and
// spacings at their 96 dpi size when high-DPI scaling is off and the font
// resolution is higher (Xft.dpi 192): the windows' layouts are fixed in
// pixels at 96 dpi, and doubled check boxes would cut their captions.
#include "ui/widgets/hint_style.h"

#include <QApplication>
#include <QGuiApplication>
#include <QPointer>
#include <QProxyStyle>
#include <QScreen>
#include <QStyleOption>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace orvanto {

namespace {

class HintStyle : public QProxyStyle {
public:
    int pause = 3000;

    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == QStyle::SH_ToolTip_WakeUpDelay) return pause;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }

    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override {
        const int value = QProxyStyle::pixelMetric(metric, option, widget);
        if (!ScaledByFontResolution(metric) || value <= 0) return value;
        const qreal factor = StyleMetricFactor(widget ? widget->logicalDpiY() : DefaultDpi());
        return factor < 1.0 ? std::max(1, static_cast<int>(std::lround(value * factor))) : value;
    }

private:
    static int DefaultDpi() {
        const QScreen* screen = QGuiApplication::primaryScreen();
        return screen ? static_cast<int>(std::lround(screen->logicalDotsPerInchY())) : 96;
    }

    // The metrics the styles grow with the font resolution.
    static bool ScaledByFontResolution(PixelMetric metric) {
        switch (metric) {
        case PM_IndicatorWidth:
        case PM_IndicatorHeight:
        case PM_ExclusiveIndicatorWidth:
        case PM_ExclusiveIndicatorHeight:
        case PM_CheckBoxLabelSpacing:
        case PM_RadioButtonLabelSpacing:
        case PM_ScrollBarExtent:
        case PM_ScrollBarSliderMin:
        case PM_SliderThickness:
        case PM_SliderLength:
        case PM_MenuButtonIndicator:
        case PM_SmallIconSize:
        case PM_ButtonIconSize:
        case PM_ListViewIconSize:
        case PM_TabBarIconSize:
        case PM_TabBarTabHSpace:
        case PM_TabBarTabVSpace:
        case PM_ButtonMargin:
        case PM_HeaderMargin:
        case PM_MenuHMargin:
        case PM_MenuVMargin:
        case PM_SplitterWidth:
            return true;
        default:
            return false;
        }
    }
};

QPointer<HintStyle>& InstalledStyle() {
    static QPointer<HintStyle> style;
    return style;
}

}  // namespace

qreal StyleMetricFactor(int logicalDpi) { return logicalDpi > 96 ? 96.0 / logicalDpi : 1.0; }

void SetHintPause(int milliseconds) {
    QPointer<HintStyle>& style = InstalledStyle();
    if (!style || QApplication::style() != style) {
        style = new HintStyle;  // the application takes ownership
        QApplication::setStyle(style);
    }
    style->pause = milliseconds < 0 ? 0 : milliseconds;
}

int HintPause() {
    const QPointer<HintStyle>& style = InstalledStyle();
    return style ? style->pause : QApplication::style()->styleHint(QStyle::SH_ToolTip_WakeUpDelay);
}

}  // namespace orvanto
