#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <array>

// One frequency band: its name in the band list and its limits in MHz.
// The lower limit is the first channel; no channel lies at or above the upper one.
struct BandPlan
{
    QString bandName;
    double lowerMHz = 0.0;
    double upperMHz = 0.0;
};

// The user's selections, the element codes and the derived text tables, with the
// element texts beside them. The window and the command line each prepare one from
// the loaded settings (Module1::prepare_beacon); every field starts zero, false or
// empty.
struct BeaconState
{
    std::array<BandPlan, 4> bands{};
    qint16 phgPower = 0;
    QString phgHeight;
    qint16 phgGain = 0;
    qint16 phgDirection = 0;
    quint8 rateCode = 0;
    bool rateSelected = false; // the rate goes into the PHG element
    qint32 altitudeFeet = 0;
    qint32 altitudeMeters = 0;
    bool standardAltitude = false;       // six digits, as APRS decoders read it
    bool standardAltitudeStored = false; // the settings file holds the choice
    qint16 band = 0;
    qint16 step = 0;
    qint16 frequency = 0;
    qint16 tone = 0;
    bool toneSelected = false;
    bool ctcssSelected = false;
    bool wideFM = false;
    QString freeText;
    bool phgSelected = false;
    bool altitudeSelected = false;
    bool operFrequencySelected = false;
    bool extOperFrequencySelected = false;
    // The extended frequency element's fields (APRS 1.2): each 0 when not given.
    qint16 repeaterOffset = 0; // in 10 kHz units, negative below the frequency
    qint16 dcsCode = 0;        // the code's three digits read as a number (23 for D023)
    qint16 range = 0;          // 1 to 99
    bool rangeKm = false;      // the range in kilometres, else in miles
    bool freeTextSelected = false;
    QStringList frequencyTexts;
    QStringList toneTexts;
    std::array<double, 10> stepValues{};
    QByteArray rateCodes;

    // Element texts, each shown in one control of the window.
    QString phgText;
    QString altitudeText;
};
