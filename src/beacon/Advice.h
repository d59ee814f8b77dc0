#pragma once

#include "language/WindowTexts.h"

#include <QLocale>
#include <QString>

#include <array>

// Help for the user that changes nothing in the comment: the radio range that APRS
// programs draw for a PHG element, and the characters of a free text that the APRS
// network or the radios will not carry.
namespace Advice {

// The sentences of the advice, each with its "%1" (and "%2") places, in the window's
// language, and the direction names as the direction buttons show them (OMNI first).
struct Texts
{
    QString range, shifted, notAllowed, notShown;
    // What receivers read (see Receivers::describe).
    QString receiversRead, phgRead, phgZeroRead, rateRead, phgRateMisread, frequencyRead, toneRead,
        squelchRead, frequencyNotRead, altitudeRead, altitudeNotRead, onlyText, qsyRead, dcsRead,
        offsetRead, rangeRead, altitudeSomeRead, altitudeCut, nothingToRead;
    std::array<QString, 9> directions;
};

// The advice in the language of the window's captions; "SO (135)" names "SO".
Texts texts(const Captions &captions);
// In English, as the command line gives it.
const Texts &english();

// Range in miles for the PHG codes: sqrt(2 H sqrt((P / 10) (G / 2))), with P the
// power in watts, H the height in feet and G the gain as a factor.
double phg_rangeMiles(int powerCode, int heightCode, int gainCode);

// "≈ 7.9 mi (12.8 km)", and for a direction other than OMNI the way the circle
// is shifted ("≈ 7.9 mi (12.8 km), shifted NE").
QString phg_rangeText(int powerCode, int heightCode, int gainCode, int directionCode,
                      const QLocale &locale, const Texts &texts);

// Empty for a clean text; otherwise names what APRS does not allow in a comment
// ("|", "~", control characters) and what the radios cannot show (anything beyond
// printable ASCII), the first letter in capitals.
QString freeText_warning(const QString &text, const Texts &texts);

} // namespace Advice
