#include "ZoomedStyle.hpp"

#include "Zoom.hpp"

#include <QApplication>
#include <QImage>
#include <QStyleFactory>
#include <QStyleOption>

#include <algorithm>
#include <cmath>

namespace desktop {

namespace {

constexpr double metresPerInch = 0.0254;

int zoomed(int pixels)
{
    return std::max(1, static_cast<int>(std::lround(pixels * zoom::factor())));
}

} // namespace

ZoomedStyle::ZoomedStyle()
    : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion")))
{
}

int ZoomedStyle::pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const
{
    if (metric == PM_ScrollBarExtent) {
        // The arrow buttons are as long as this extent: square on a bar of any thickness.
        if (const auto* bar = qstyleoption_cast<const QStyleOptionSlider*>(option);
            bar != nullptr && !bar->rect.isEmpty()) {
            return bar->orientation == Qt::Horizontal ? bar->rect.height() : bar->rect.width();
        }
    }
    const int pixels = QProxyStyle::pixelMetric(metric, option, widget);
    // Zero and negative values are not sizes but "none" or "ask elsewhere".
    return pixels > 0 ? zoomed(pixels) : pixels;
}

void ZoomedStyle::drawComplexControl(
    ComplexControl control, const QStyleOptionComplex* option, QPainter* painter, const QWidget* widget) const
{
    const auto* bar = qstyleoption_cast<const QStyleOptionSlider*>(option);
    if (control != CC_ScrollBar || bar == nullptr || widget == nullptr) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    // Fusion sizes its arrows by the resolution its option reports; the
    // arrows grow with the zoom when they are drawn for a denser screen.
    QImage denser(1, 1, QImage::Format_ARGB32);
    const double dotsPerMetre = bar->fontMetrics.fontDpi() * zoom::factor() / metresPerInch;
    denser.setDotsPerMeterX(static_cast<int>(std::lround(dotsPerMetre)));
    denser.setDotsPerMeterY(static_cast<int>(std::lround(dotsPerMetre)));
    QStyleOptionSlider zoomedBar = *bar;
    zoomedBar.fontMetrics = QFontMetrics(widget->font(), &denser);
    QProxyStyle::drawComplexControl(control, &zoomedBar, painter, widget);
}

void ZoomedStyle::polish(QWidget* widget)
{
    QProxyStyle::polish(widget);
    if (widget->inherits("QTipLabel")) {
        QFont font = QApplication::font(widget);
        if (font.pointSizeF() > 0) {
            font.setPointSizeF(font.pointSizeF() * zoom::factor());
        } else {
            font.setPixelSize(zoomed(font.pixelSize()));
        }
        widget->setFont(font);
    }
}

} // namespace desktop
