#pragma once

#include <QLocale>
#include <QString>

#include <array>

// Help for the user that changes nothing in the comment: the radio range that APRS
// programs draw for a PHG element, and the characters of a free text that the APRS
// network or the radios will not carry.
namespace Advice {

// The sentences of the advice, each with its "%1" (and "%2") places; English unless a
// language file translates them.
struct Texts
{
    QString range = QStringLiteral("\u2248 %1 mi (%2 km)");
    QString shifted = QStringLiteral(", shifted %1");
    QString notAllowed = QStringLiteral("APRS does not allow %1");
    QString notShown = QStringLiteral("the radios cannot show %1");
    // What receivers read (see Receivers::describe).
    QString receiversRead = QStringLiteral("Receivers read: %1");
    QString phgRead = QStringLiteral("%1 W, %2 ft, %3 dB, %4");
    QString rateRead = QStringLiteral(", %1 beacons an hour (some decoders)");
    QString phgRateMisread =
        QStringLiteral("PHG misread as %1 (receivers do not know the rate form)");
    QString frequencyRead = QStringLiteral("%1 MHz");
    QString toneRead = QStringLiteral("tone %1 Hz");
    QString squelchRead = QStringLiteral("tone squelch %1 Hz");
    QString frequencyNotRead = QStringLiteral("frequency not read: it must stand at the start");
    QString altitudeRead = QStringLiteral("altitude %1 ft");
    QString altitudeNotRead = QStringLiteral("altitude not read: needs six digits (Options)");
    QString onlyText = QStringLiteral("text only");
    QString qsyRead = QStringLiteral("radios with QSY and decode_aprs: %1");
    QString dcsRead = QStringLiteral("DCS %1");
    QString offsetRead = QStringLiteral("offset %1 kHz");
    QString rangeRead = QStringLiteral("range %1");
    QString altitudeSomeRead = QStringLiteral("altitude %1 ft (some decoders)");
    QString altitudeCut = QStringLiteral("altitude not read: cut off at 43 characters");
    QString nothingToRead = QStringLiteral("nothing to read: the comment is empty");
    // The direction names, as the direction buttons show them (OMNI first).
    std::array<QString, 9> directions = {
        QStringLiteral("OMNI"), QStringLiteral("NE"), QStringLiteral("E"),
        QStringLiteral("SE"),   QStringLiteral("S"),  QStringLiteral("SW"),
        QStringLiteral("W"),    QStringLiteral("NW"), QStringLiteral("N")};
};

// The direction a button caption names: "SO (135)" gives "SO", "&NE (45)" gives "NE".
QString direction_name(const QString &caption);

// The translation, unless it lacks a place ("%1", "%2") of the English sentence and
// would drop its figures; then the English sentence.
QString translated_orEnglish(const QString &translated, const QString &english);

// Range in miles for the PHG codes: sqrt(2 H sqrt((P / 10) (G / 2))), with P the
// power in watts, H the height in feet and G the gain as a factor.
double phg_rangeMiles(int powerCode, int heightCode, int gainCode);

// "≈ 7.9 mi (12.8 km)", and for a direction other than OMNI the way the circle
// is shifted ("≈ 7.9 mi (12.8 km), shifted NE").
QString phg_rangeText(int powerCode, int heightCode, int gainCode, int directionCode,
                      const QLocale &locale, const Texts &texts = {});

// Empty for a clean text; otherwise names what APRS does not allow in a comment
// ("|", "~", control characters) and what the radios cannot show (anything beyond
// printable ASCII), the first letter in capitals.
QString freeText_warning(const QString &text, const Texts &texts = {});

} // namespace Advice
