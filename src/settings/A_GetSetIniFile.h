#pragma once

#include "PrivateProfile.h"
#include "beacon/BeaconState.h"

#include <QByteArray>
#include <QString>

class clsLanguage;

// The user's configuration folder for the program: $XDG_CONFIG_HOME/<name> when
// that is an absolute path, else ~/.config/<name>.
QString settings_configFolder(const QString &programName);

// Where the settings file lives: "<base>.INI" beside the executable when its folder
// is writable (a portable or per-user install), else in the user's configuration
// folder for the program, which a file beside the executable seeds on first use.
// Unless prepare is false: then nothing is created or copied, and the file beside the
// executable that would seed the user's file is returned in its place.
QString settings_location(const QString &appDir, const QString &exeBaseName,
                          const QString &programName, bool prepare = true);

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

// The settings file's bytes as read once; a file that holds something but none of
// the program's sections (another program's configuration, binary data) counts as
// unreadable, so that it is neither used nor written.
PrivateProfile::Loaded load_settingsFile(const QString &iniFile);

// Moves the stored selections between the settings file and the state; the load
// also chooses the stored language, the save stores the active one. Each returns
// what to tell the user when the file could not be read or written (the file and
// why), or the empty text.
QString LoadSettings(BeaconState &state, const QString &iniFile, clsLanguage &language);

// The load on the file's bytes alone: the stored selections go into the state, the
// defaults of missing keys into the bytes; returns the stored language.
QString settings_read(QByteArray &file, BeaconState &state);
QString SaveSettings(const BeaconState &state, const QString &iniFile, const clsLanguage &language);
