#pragma once

#include "Advice.h"

#include <QLocale>
#include <QString>

#include <optional>

// What other stations read from a comment as it is sent: the rules of the APRS
// protocol reference (data extensions, altitude) and of APRS 1.2 for frequencies,
// bent where real decoders bend them.
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
    std::optional<PhgReading> phg;
    bool phgRateForm = false; // "PHGR....": the rate form, read as another PHG
    std::optional<int> rate;  // beacons an hour, from "PHGphgdr/"
    std::optional<qint64> altitudeFeet;
    bool altitudeFiveDigits = false; // "/A=" and five digits: read by no decoder
    std::optional<double> frequencyMHz;
    bool frequencyNotAtStart = false; // a frequency where receivers do not look for it
    std::optional<double> toneHz;
    QChar toneKind; // 'T' tone, 't' tone with narrow FM, 'C' tone squelch
};

Reading read(const QString &comment);

// "Receivers read: 25 W, 320 ft, 3 dB, omni · 145.500 MHz, tone 88.5 Hz", in the
// texts' language; directions are named as in the texts.
QString describe(const Reading &reading, const Advice::Texts &texts, const QLocale &locale);

} // namespace Receivers
