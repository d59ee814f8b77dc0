#pragma once

#include <QtGui>

#include <algorithm>
#include <cmath>

// What a reader sees of a coloured text: its colour family, or "unreadable" when it
// stands out from its background by less than 4.5:1 (WCAG 2 contrast).
inline QString seenAs(const QColor &text, const QColor &background)
{
    auto luminance = [](const QColor &c) {
        auto lin = [](double v) {
            return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * lin(c.redF()) + 0.7152 * lin(c.greenF()) + 0.0722 * lin(c.blueF());
    };
    const double a = luminance(text), b = luminance(background);
    if ((std::max(a, b) + 0.05) / (std::min(a, b) + 0.05) < 4.5)
        return QStringLiteral("unreadable");
    const int hue = text.hsvHue();
    if (hue < 0 || text.hsvSaturation() < 60)
        return QStringLiteral("plain");
    if (hue < 20 || hue > 340)
        return QStringLiteral("red");
    if (hue >= 40 && hue <= 70)
        return QStringLiteral("yellow");
    if (hue >= 90 && hue <= 150)
        return QStringLiteral("green");
    return QStringLiteral("other");
}

// A dark theme: light text on dark grey, as QPalette derives it from the window colour.
inline QPalette darkPalette()
{
    return {QColor(0x35, 0x35, 0x35), QColor(0x2b, 0x2b, 0x2b)};
}
