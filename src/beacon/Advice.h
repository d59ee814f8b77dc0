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
    QString coverageAround, coverageToward;
    std::array<QString, 9> directions;
};

// The advice in the language of the window's captions; "SO (135)" names "SO".
Texts texts(const Captions &captions);
// In English, as the command line gives it.
const Texts &english();

// The circle map programs draw for a PHG: the range as its radius (in miles,
// sqrt(2 H sqrt((P / 10) (G / 2))) with P the power in watts, H the height in feet and
// G the gain as a factor), its centre
// shifted by a third of the radius toward the favoured direction (a 2:1 range ahead
// against behind; none for OMNI), and the scale of a picture that just holds it.
struct Coverage
{
    double radiusMiles = 0;
    double eastMiles = 0; // the centre, from the station
    double northMiles = 0;
    double forwardMiles = 0;  // the range toward the favoured direction
    double backwardMiles = 0; // and away from it
    double viewMiles = 1;     // the picture shows this far each way: the range ahead
    double scaleMiles = 0.5;  // a round number for the scale bar, at most half the view
};

Coverage coverage(int powerCode, int heightCode, int gainCode, int directionCode);

// In words, for a screen reader: how far the circle reaches toward the direction
// and away from it, or all around for OMNI.
QString coverage_text(const Coverage &coverage, int directionCode, const QLocale &locale,
                      const Texts &texts);

// The scale bar's label, a round number of miles and its kilometres: "2 mi, 3.2 km".
QString scale_text(double miles, const QLocale &locale);

// "≈ 7.9 mi (12.8 km)", and for a direction other than OMNI the way the circle
// is shifted ("≈ 7.9 mi (12.8 km), shifted NE").
QString phg_rangeText(int powerCode, int heightCode, int gainCode, int directionCode,
                      const QLocale &locale, const Texts &texts);

// Empty for a clean text; otherwise names what APRS does not allow in a comment
// ("|", "~", control characters) and what the radios cannot show (anything beyond
// printable ASCII), the first letter in capitals.
QString freeText_warning(const QString &text, const Texts &texts);

} // namespace Advice
