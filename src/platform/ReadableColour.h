#pragma once

#include <QColor>

// Coloured texts keep their meaning on any theme: the wanted colour's hue, made
// lighter or darker until it stands out from the background by at least 4.5:1
// (the contrast ratio of WCAG 2).
double contrast_ratio(const QColor &a, const QColor &b);
QColor readable_on(const QColor &wanted, const QColor &background);
