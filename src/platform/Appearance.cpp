#include "Appearance.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionTabWidgetFrame>
#include <QTabWidget>

#include <algorithm>
#include <cmath>

namespace {

constexpr double minimumContrast = 4.5;

double linear(double channel)
{
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

double luminance(const QColor &c)
{
    return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
}

double contrast_ratio(const QColor &a, const QColor &b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

} // namespace

QColor readable_on(const QColor &wanted, const QColor &background)
{
    if (contrast_ratio(wanted, background) >= minimumContrast)
        return wanted;
    // Towards black on a light background, towards white on a dark one, in small
    // steps of lightness, so the hue stays.
    const bool darken = luminance(background) > 0.18;
    const QColor hsl = wanted.toHsl();
    QColor candidate = wanted;
    for (int step = 1; step <= 100; ++step) {
        const double l = darken ? hsl.lightnessF() * (1.0 - step / 100.0)
                                : hsl.lightnessF() + (1.0 - hsl.lightnessF()) * step / 100.0;
        candidate = QColor::fromHslF(std::max(0.0f, hsl.hslHueF()), hsl.hslSaturationF(), l);
        if (contrast_ratio(candidate, background) >= minimumContrast)
            return candidate;
    }
    return candidate;
}

QColor page_colour(const QTabWidget &tabs, const QPalette &palette)
{
    QStyleOptionTabWidgetFrame frame;
    frame.initFrom(&tabs);
    frame.palette = palette;
    frame.rect = QRect(0, 0, 32, 32);
    QImage page(frame.rect.size(), QImage::Format_ARGB32_Premultiplied);
    page.fill(palette.color(QPalette::Window));
    QPainter painter(&page);
    tabs.style()->drawPrimitive(QStyle::PE_FrameTabWidget, &frame, &painter, &tabs);
    painter.end();
    return page.pixelColor(16, 16);
}

double design_scale(const QWidget &window)
{
    return std::max({1.0, window.logicalDpiY() / 96.0, window.fontMetrics().lineSpacing() / 16.0});
}
