#pragma once

#include <QProxyStyle>

namespace desktop {

// Fusion at the zoom of the process, as on a screen of that many times the
// pixel density: scroll bars, radio and check indicators, frame widths, focus
// frames, margins and the tooltips' font grow with the zoom. A scroll bar's
// arrow buttons are square, as long as the bar is thick, as on the classic
// controls. The zoom is read at every call, so the style can be set before
// the zoom is known.
class ZoomedStyle : public QProxyStyle {
public:
    ZoomedStyle();

    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
        const QWidget* widget) const override;
    void polish(QWidget* widget) override;
    using QProxyStyle::polish;
};

} // namespace desktop
