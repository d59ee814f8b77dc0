#pragma once

#include "Advice.h"

#include <QLocale>
#include <QString>

#include <optional>

// What other stations read from a comment as it is sent: the rules of the APRS
// protocol reference (data extensions, altitude) and of APRS 1.2 for frequencies,
// as Debian's decode_aprs applies them at the places where it looks.
namespace Receivers {

struct PhgReading
{
    qint64 watts = 0;
    double feet = 0;
    int gainDb = 0;
    int direction = 0; // 0 omni, 1..8 NE, E, ... N, -1 undefined
};

struct Reading
{
    bool empty = false;
    // Read by every common decoder.
    std::optional<PhgReading> phg;
    bool phgRateForm = false; // "PHGR....": the rate form, read as another PHG
    std::optional<qint64> altitudeFeet;
    // Read by some decoders only.
    std::optional<int> rate;       // beacons an hour, from "PHGphgdr/"
    bool altitudeNegative = false; // "/A=-" and five digits
    // Not read, and why.
    bool altitudeFiveDigits = false;  // "/A=" and five digits
    bool altitudeCut = false;         // the 43-character cut took its last digits
    bool frequencyNotAtStart = false; // a frequency where receivers do not look for it
    // Read by decode_aprs and radios with a frequency (QSY) function; the other
    // common decoders show them as text.
    std::optional<double> frequencyMHz;
    std::optional<double> toneHz;
    bool toneSquelch = false; // "C": tone squelch, else a tone ("T")
    std::optional<int> dcsCode;
    std::optional<int> offsetKHz;
    std::optional<int> range;
    bool rangeKm = false;
};

// cut: the comment was cut to 43 characters on its way out.
Reading read(const QString &comment, bool cut = false);

// "Receivers read: 25 W, 20 ft, 3 dB, OMNI · radios with QSY and decode_aprs:
// 145.500 MHz, tone 88.5 Hz", in the texts' language, every number in the locale's
// digits; directions are named as in the texts.
QString describe(const Reading &reading, const Advice::Texts &texts, const QLocale &locale);

} // namespace Receivers
