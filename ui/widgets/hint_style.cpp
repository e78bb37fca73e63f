// A proxy over the application's style that answers the tool-tip wake-up
// delay with the program's hint pause.
#include "ui/widgets/hint_style.h"

#include <QApplication>
#include <QPointer>
#include <QProxyStyle>

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
};

QPointer<HintStyle>& InstalledStyle() {
    static QPointer<HintStyle> style;
    return style;
}

}  // namespace

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
