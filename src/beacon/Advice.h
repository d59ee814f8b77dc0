#pragma once

#include <QLocale>
#include <QString>

// Help for the user that changes nothing in the comment: the radio range that APRS
// programs draw for a PHG element, and the characters of a free text that the APRS
// network or the radios will not carry.
namespace Advice {

// Range in miles for the PHG codes: sqrt(2 H sqrt((P / 10) (G / 2))), with P the
// power in watts, H the height in feet and G the gain as a factor.
double phg_rangeMiles(int powerCode, int heightCode, int gainCode);

// "≈ 7.9 mi (12.8 km)", and for a direction other than OMNI the way the circle
// is shifted ("≈ 7.9 mi (12.8 km), shifted NE").
QString phg_rangeText(int powerCode, int heightCode, int gainCode, int directionCode,
                      const QLocale &locale);

// Empty for a clean text; otherwise names what APRS does not allow in a comment
// ("|", "~", control characters) and what the radios cannot show (anything beyond
// printable ASCII).
QString freeText_warning(const QString &text);

} // namespace Advice
