#include "A_GetSetIniFile.h"

#include "PrivateProfile.h"
#include "beacon/Phg.h"
#include "language/clsLanguage.h"
#include "support/LenientNumber.h"
#include "support/PlainFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <limits>
#include <variant>

namespace {

// Option: a choice of our own, read without writing a default and saved only once
// the user has made it, so the file of a user who never touched it stays as it was.
// Choice, SignedChoice, RateChoice: the other choices that shape the comment, read
// without writing a default (a file without them starts as before) and always saved,
// so that the command line sends what the window showed.
enum class Kind {
    Boolean,
    Int16,
    Int32,
    Int16AsText,
    Text,
    Language,
    Option,
    Choice,
    SignedChoice,
    RateChoice
};

using Target = std::variant<std::monostate, bool BeaconState::*, qint16 BeaconState::*,
                            qint32 BeaconState::*, QString BeaconState::*, quint8 BeaconState::*>;

struct SettingRow
{
    const char *section;
    const char *key;
    Kind kind;
    const char *defaultValue;
    Target target;
    bool BeaconState::*chosen = nullptr; // Option: whether the file holds the choice
};

// Every stored key, in the order the load reads it and the save writes it.
const SettingRow settingsTable[] = {
    {"TAB_General", "Altitude_Selected", Kind::Boolean, "TRUE", &BeaconState::altitudeSelected},
    {"TAB_General", "PHG_Selected", Kind::Boolean, "TRUE", &BeaconState::phgSelected},
    {"TAB_General", "OperFrequency_Selected", Kind::Boolean, "TRUE",
     &BeaconState::operFrequencySelected},
    {"TAB_General", "FreeText_Selected", Kind::Boolean, "TRUE", &BeaconState::freeTextSelected},
    {"TAB_PHG", "Power", Kind::Int16, "0", &BeaconState::phgPower},
    {"TAB_PHG", "Height", Kind::Int16AsText, "0", &BeaconState::phgHeight},
    {"TAB_PHG", "Gain", Kind::Int16, "0", &BeaconState::phgGain},
    {"TAB_PHG", "Direction", Kind::Int16, "0", &BeaconState::phgDirection},
    {"TAB_ALTITUDE", "Feet", Kind::Int32, "0", &BeaconState::altitudeFeet},
    {"TAB_ALTITUDE", "Meters", Kind::Int32, "0", &BeaconState::altitudeMeters},
    {"TAB_FREQUENCY", "Band", Kind::Int16, "0", &BeaconState::band},
    {"TAB_FREQUENCY", "Frequency", Kind::Int16, "0", &BeaconState::frequency},
    {"TAB_FREQUENCY", "Step", Kind::Int16, "0", &BeaconState::step},
    {"TAB_FREQUENCY", "Tone", Kind::Int16, "0", &BeaconState::tone},
    {"TAB_FREQUENCY", "ToneSelected", Kind::Boolean, "FALSE", &BeaconState::toneSelected},
    {"TAB_FREETEXT", "FreeText", Kind::Text, "My free beacon text", &BeaconState::freeText},
    {"Language", "CurrentLanguage", Kind::Language, "English", std::monostate{}},
    {"Options", "StandardAltitude", Kind::Option, "", &BeaconState::standardAltitude,
     &BeaconState::standardAltitudeStored},
    {"Choices", "WideFM", Kind::Choice, "FALSE", &BeaconState::wideFM},
    {"Choices", "ToneSquelch", Kind::Choice, "FALSE", &BeaconState::ctcssSelected},
    {"Choices", "Rate_Selected", Kind::Choice, "FALSE", &BeaconState::rateSelected},
    {"Choices", "Rate", Kind::RateChoice, "1", &BeaconState::rateCode},
    {"Choices", "ExtOperFrequency_Selected", Kind::Choice, "FALSE",
     &BeaconState::extOperFrequencySelected},
    {"Choices", "Offset", Kind::SignedChoice, "0", &BeaconState::repeaterOffset},
    {"Choices", "DCS", Kind::SignedChoice, "0", &BeaconState::dcsCode},
    {"Choices", "Range", Kind::SignedChoice, "0", &BeaconState::range},
    {"Choices", "Range_Km", Kind::Choice, "FALSE", &BeaconState::rangeKm},
};

// Whether the load writes a missing key back with its default.
bool written_onLoad(Kind kind)
{
    return kind != Kind::Option && kind != Kind::Choice && kind != Kind::SignedChoice &&
           kind != Kind::RateChoice;
}

// Values are read through a buffer of 500 characters, the last one its end mark.
constexpr int maxValueLength = 499;

QString latin(const char *text)
{
    return QString::fromLatin1(text);
}

// Stored numbers are read leniently and never load negative.
template <typename Int> Int nonNegative(const QString &text)
{
    const qint64 value = LenientNumber::round_halfEven(LenientNumber::to_double(text),
                                                       std::numeric_limits<Int>::min(),
                                                       std::numeric_limits<Int>::max());
    return Int(qMax<qint64>(0, value));
}

void store(BeaconState &state, const SettingRow &row, const QString &value)
{
    switch (row.kind) {
    case Kind::Boolean:
    case Kind::Choice:
        state.*std::get<bool BeaconState::*>(row.target) = ParseIniBool(value);
        break;
    case Kind::SignedChoice:
        state.*std::get<qint16 BeaconState::*>(row.target) = qint16(LenientNumber::round_halfEven(
            LenientNumber::to_double(value), std::numeric_limits<qint16>::min(),
            std::numeric_limits<qint16>::max()));
        break;
    case Kind::RateChoice: {
        const QByteArray codes = Phg::rate_codes();
        const qint64 entry =
            LenientNumber::round_halfEven(LenientNumber::to_double(value), 0, codes.size() - 1);
        state.*std::get<quint8 BeaconState::*>(row.target) = quint8(codes.at(entry));
        break;
    }
    case Kind::Option:
        state.*row.chosen = !value.isEmpty();
        state.*std::get<bool BeaconState::*>(row.target) = ParseIniBool(value);
        break;
    case Kind::Int16:
        state.*std::get<qint16 BeaconState::*>(row.target) = nonNegative<qint16>(value);
        break;
    case Kind::Int32:
        state.*std::get<qint32 BeaconState::*>(row.target) = nonNegative<qint32>(value);
        break;
    case Kind::Int16AsText: {
        // The save writes a PHG height above 9 as its code character (":" to "="); it
        // reads back as the height it stands for instead of falling to 0.
        const int code = Phg::height_position(value);
        state.*std::get<QString BeaconState::*>(row.target) =
            QString::number(code >= 0 ? code : nonNegative<qint16>(value));
        break;
    }
    case Kind::Text:
        state.*std::get<QString BeaconState::*>(row.target) = value;
        break;
    case Kind::Language:
        break;
    }
}

QString stored(const BeaconState &state, const SettingRow &row, const clsLanguage &language)
{
    switch (row.kind) {
    case Kind::Boolean:
    case Kind::Option:
    case Kind::Choice:
        return FormatIniBool(state.*std::get<bool BeaconState::*>(row.target));
    case Kind::RateChoice: {
        const int entry = int(
            Phg::rate_codes().indexOf(char(state.*std::get<quint8 BeaconState::*>(row.target))));
        return QString::number(entry < 0 ? 1 : entry);
    }
    case Kind::SignedChoice:
    case Kind::Int16:
        return QString::number(state.*std::get<qint16 BeaconState::*>(row.target));
    case Kind::Int32:
        return QString::number(state.*std::get<qint32 BeaconState::*>(row.target));
    case Kind::Int16AsText:
    case Kind::Text:
        return state.*std::get<QString BeaconState::*>(row.target);
    case Kind::Language: {
        // A language file that was missing at start-up must not erase the choice.
        const QString active = language.get_language();
        return active.isEmpty() ? language.requested_language() : active;
    }
    }
    return {};
}

// A file that holds something, but none of our sections, is some other program's.
bool is_foreign(const QByteArray &bytes)
{
    if (bytes.trimmed().isEmpty())
        return false;
    const QString setup = QStringLiteral("SETUP");
    if (PrivateProfile::has_section(bytes, setup))
        return false;
    for (const SettingRow &row : settingsTable) {
        if (PrivateProfile::has_section(bytes, latin(row.section)))
            return false;
    }
    return true;
}

} // namespace

PrivateProfile::Loaded load_settingsFile(const QString &iniFile)
{
    PrivateProfile::Loaded loaded = PrivateProfile::load(iniFile);
    if (loaded.readable && is_foreign(loaded.bytes)) {
        loaded.readable = false;
        loaded.why = QStringLiteral("it holds none of Tavrook's sections, so it is not a Tavrook "
                                    "settings file");
    }
    return loaded;
}

QString settings_configFolder(const QString &programName)
{
    // The XDG rules: a relative or empty XDG_CONFIG_HOME is ignored.
    const QString configHome = qEnvironmentVariable("XDG_CONFIG_HOME");
    return (QDir::isAbsolutePath(configHome) ? configHome
                                             : QDir::homePath() + QStringLiteral("/.config")) +
           QLatin1Char('/') + programName;
}

QString settings_location(const QString &appDir, const QString &exeBaseName,
                          const QString &programName, bool prepare)
{
    const QString fileName = exeBaseName + QStringLiteral(".INI");
    QString beside = appDir + QLatin1Char('/') + fileName;
    if (appDir.isEmpty() || QFileInfo(appDir).isWritable())
        return beside;
    const QString folder = settings_configFolder(programName);
    QString own = folder + QLatin1Char('/') + fileName;
    if (!prepare) // the file the program would use, without creating it
        return QFileInfo::exists(own) || !QFileInfo::exists(beside) ? own : beside;
    QString why;
    if (!QFileInfo::exists(own) && PlainFile::make_folder(folder, &why)) {
        // The seed is read like every other settings file: never blocking, never too large.
        const PlainFile::Contents seed = PlainFile::read(beside, PrivateProfile::maxFileBytes);
        if (seed.status == PlainFile::Status::Read)
            PlainFile::replace(own, seed.bytes, &why);
    }
    return own;
}

QString GetIniValue(const QString &iniFile, const QString &section, const QString &key,
                    const QString &defaultValue)
{
    return PrivateProfile::read(section, key, defaultValue, iniFile, maxValueLength + 1);
}

QString GetSetIniValue(const QString &iniFile, const QString &section, const QString &key,
                       const QString &defaultValue)
{
    return PrivateProfile::read_writingDefault(section, key, defaultValue, iniFile,
                                               maxValueLength + 1);
}

bool ParseIniBool(const QString &text)
{
    const QString upper = text.toUpper();
    return upper == QStringLiteral("TRUE") || upper == QStringLiteral("YES") ||
           upper == QStringLiteral("1") || upper == QStringLiteral("ON");
}

QString FormatIniBool(bool value)
{
    return value ? QStringLiteral("TRUE") : QStringLiteral("FALSE");
}

QString settings_read(QByteArray &file, BeaconState &state)
{
    QString language;
    for (const SettingRow &row : settingsTable) {
        const QString section = latin(row.section);
        const QString key = latin(row.key);
        const QString defaultValue = latin(row.defaultValue);
        const QString value =
            !written_onLoad(row.kind)
                ? PrivateProfile::read(file, section, key, defaultValue, maxValueLength + 1)
                : PrivateProfile::read_writingDefault(file, section, key, defaultValue,
                                                      maxValueLength + 1);
        if (row.kind == Kind::Language)
            language = value;
        else
            store(state, row, value);
    }
    return language;
}

// The file is read once; the defaults of missing keys go back in one write, which
// when it fails leaves the file as it was.
QString LoadSettings(BeaconState &state, const QString &iniFile, clsLanguage &language)
{
    const PrivateProfile::Loaded before = load_settingsFile(iniFile);
    QByteArray after = before.readable ? before.bytes : QByteArray();
    language.language(settings_read(after, state));
    PrivateProfile::store(iniFile, before, after);
    if (before.readable)
        return {};
    return QStringLiteral("Your settings could not be read from ") + iniFile +
           QStringLiteral(": ") + before.why +
           QStringLiteral(". Tavrook starts with its defaults and will not save over that file.");
}

// Every entry is applied to the file's bytes in memory, then the file is written
// once: a save that fails or is cut short leaves the old file whole.
QString SaveSettings(const BeaconState &state, const QString &iniFile, const clsLanguage &language)
{
    const PrivateProfile::Loaded before = load_settingsFile(iniFile);
    QByteArray after = before.bytes;
    auto write = [&after](const QString &section, const QString &key, const QString &value) {
        after = PrivateProfile::with_value(after, section, key, value);
    };
    const QString setup = QStringLiteral("SETUP");
    write(setup, QStringLiteral("LEFT"), QStringLiteral("0"));
    write(setup, QStringLiteral("TOP"), QStringLiteral("0"));
    write(setup, QStringLiteral("MINIMIZED"), FormatIniBool(false));
    for (const SettingRow &row : settingsTable) {
        if (row.kind != Kind::Option || state.*row.chosen)
            write(latin(row.section), latin(row.key), stored(state, row, language));
    }
    QString error;
    if (PrivateProfile::store(iniFile, before, after, &error))
        return {};
    return QStringLiteral("Your settings could not be saved to ") + iniFile + QStringLiteral(": ") +
           error;
}
