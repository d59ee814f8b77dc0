#pragma once

#include "PrivateProfile.h"
#include "beacon/BeaconState.h"
#include "beacon/Module1.h"

#include <QByteArray>
#include <QString>

class clsLanguage;

// Where the settings file lives: "<base>.INI" beside the executable when its folder
// is writable (a portable or per-user install), else in the user's configuration
// folder for the program ($XDG_CONFIG_HOME/<name> when that is an absolute path, else
// ~/.config/<name>), which a file beside the executable seeds on first use.
// Unless prepare is false: then nothing is created or copied, and the file beside the
// executable that would seed the user's file is returned in its place.
QString settings_location(const QString &appDir, const QString &exeBaseName,
                          const QString &programName, bool prepare = true);

// A value of the settings file's bytes with a default; a missing section or key gives
// the default, an empty value the empty text. At most 499 characters.
QString GetIniValue(const QByteArray &file, const QString &section, const QString &key,
                    const QString &defaultValue);

// As GetIniValue, and writes the default back into the bytes when the value read
// equals it (letter case counts), so that a first start leaves every key in the file.
QString GetSetIniValue(QByteArray &file, const QString &section, const QString &key,
                       const QString &defaultValue);

// "TRUE", "YES", "1" and "ON" in any letter case are true; anything else is false.
bool ParseIniBool(const QString &text);
QString FormatIniBool(bool value);

// A stored value that cannot be used as it stands, and what was used in its place.
struct Adjustment
{
    QString key;
    QString stored;
    QString used;
    // "Band=42 cannot be used as it stands; Band=3 was used", or for a free text what
    // was left out of it.
    QString text() const;
};

// What a settings file held.
struct StoredSettings
{
    enum class Status { Read, Missing, Empty, Unreadable, Foreign };
    Status status = Status::Missing;
    QString why;      // why the file was not used, or "No such file or directory"
    QString language; // the stored language
    Module1::Preparation preparation;
    PrivateProfile::Loaded file; // as it was read
    QByteArray withDefaults;     // its bytes with the defaults of its missing keys
    QList<Adjustment> adjustments;
    // Unreadable (no permission, not a plain file, too large) or Foreign (it holds
    // something, but none of the program's sections): never used, never written.
    bool usable() const { return status != Status::Unreadable && status != Status::Foreign; }
};

// The one road from a settings file to the beacon, for the window and the command
// line: reads the file once, takes its values into the state (the defaults where it
// has none, or is not usable) and prepares the state, and says which stored values
// could not be used as they stand. Writes nothing.
StoredSettings read_settings(const QString &iniFile, BeaconState &state, const QLocale &locale);

// The window's load: read_settings, then the stored language is chosen and the
// defaults of missing keys go into the file, in one write.
StoredSettings LoadSettings(BeaconState &state, const QString &iniFile, clsLanguage &language,
                            const QLocale &locale);

// What to tell the user about a file that could not be used, or the empty text.
QString unusable_message(const QString &iniFile, const StoredSettings &stored);

// What to tell the user about stored values that could not be used as they stand,
// one line each, or the empty text.
QString adjustments_message(const QString &iniFile, const StoredSettings &stored);

// Stores the state and the active language, in one write; returns what to tell the
// user when the file could not be written (the file and why), or the empty text.
QString SaveSettings(const BeaconState &state, const QString &iniFile, const clsLanguage &language);
