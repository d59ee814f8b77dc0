#pragma once

#include <QColor>
#include <QPalette>

class QTabWidget;
class QWidget;

// Coloured texts keep their meaning on any theme: the wanted colour's hue, made
// lighter or darker until it stands out from the background by at least 4.5:1
// (the contrast ratio of WCAG 2); a colour that stands out so already is kept.
QColor readable_on(const QColor &wanted, const QColor &background);

// The colour the tab widget's style paints its pages with in that palette; Fusion,
// for one, paints them lighter than the window.
QColor page_colour(const QTabWidget &tabs, const QPalette &palette);

// How much a window designed in pixels at 96 DPI, for a font with 16 pixels from
// line to line, must grow: with the screen's logical DPI, and with a larger font.
// Exactly 1 at 96 DPI with the usual desktop fonts.
double design_scale(const QWidget &window);
