#pragma once

#include "platform/Appearance.h"

#include <QtGui>

// What a reader sees of a coloured text: its colour family, or "unreadable" when it
// does not stand out from its background as the program's own rule asks (WCAG 2).
inline QString seenAs(const QColor &text, const QColor &background)
{
    if (readable_on(text, background) != text)
        return QStringLiteral("unreadable");
    const int hue = text.hsvHue();
    if (hue < 0 || text.hsvSaturation() < 60)
        return QStringLiteral("plain");
    if (hue < 20 || hue > 340)
        return QStringLiteral("red");
    if (hue >= 40 && hue <= 70)
        return QStringLiteral("yellow");
    return hue >= 90 && hue <= 150 ? QStringLiteral("green") : QStringLiteral("other");
}

// A dark theme: light text on dark grey, as QPalette derives it from the window colour.
inline QPalette darkPalette()
{
    return {QColor(0x35, 0x35, 0x35), QColor(0x2b, 0x2b, 0x2b)};
}
