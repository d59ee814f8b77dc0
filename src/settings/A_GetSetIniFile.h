#pragma once

#include "beacon/BeaconState.h"

#include <QString>

struct ProgramContext;

// Reads a value with a default; a missing file, section or key gives the default,
// an empty value the empty text. At most 499 characters.
QString GetIniValue(const QString &iniFile, const QString &section, const QString &key,
                    const QString &defaultValue);

// As GetIniValue, and writes the default back when the value read equals it
// (letter case counts), so that a first start leaves every key in the file.
QString GetSetIniValue(const QString &iniFile, const QString &section, const QString &key,
                       const QString &defaultValue);

// "TRUE", "YES", "1" and "ON" in any letter case are true; anything else is false.
bool ParseIniBool(const QString &text);
QString FormatIniBool(bool value);

// Moves the stored selections between the settings file and the state; the load
// also chooses the stored language, the save stores the active one.
void LoadSettings(BeaconState &state, ProgramContext &context);
void SaveSettings(const BeaconState &state, const ProgramContext &context);
