#include "A_GetSetIniFile.h"

#include "beacon/Phg.h"
#include "language/clsLanguage.h"
#include "support/LenientNumber.h"
#include "support/PlainFile.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <limits>
#include <optional>
#include <variant>

namespace {

// How a stored text becomes a field of the state, and back.
enum class Conversion {
    Boolean,    // "TRUE" or "FALSE"
    Count16,    // a 16-bit whole number, read leniently; negative loads as 0
    Count32,    // the same, 32 bits
    Signed16,   // a 16-bit whole number that may be negative
    HeightCode, // a PHG height code, stored as its number or its code character
    RateEntry,  // the rate list's entry, stored as its number
    Text,
    Language, // the translator's language, not a field
};

// When a key is written.
enum class Written {
    Always,     // the load writes a missing key's default; every save writes it
    OnSave,     // every save writes it; the load writes nothing, so a file without it
                // behaves as before it existed
    OnceChosen, // a save writes it once the user has made the choice
};

using Target = std::variant<std::monostate, bool BeaconState::*, qint16 BeaconState::*,
                            qint32 BeaconState::*, QString BeaconState::*, quint8 BeaconState::*>;

struct SettingRow
{
    const char *section;
    const char *key;
    Conversion conversion;
    Written written;
    const char *defaultValue;
    Target target;
    bool BeaconState::*chosen = nullptr; // OnceChosen: whether the file holds the choice
};

using C = Conversion;
using W = Written;

// Every stored key, in the order the load reads it and the save writes it.
const SettingRow settingsTable[] = {
    {"TAB_General", "Altitude_Selected", C::Boolean, W::Always, "TRUE",
     &BeaconState::altitudeSelected},
    {"TAB_General", "PHG_Selected", C::Boolean, W::Always, "TRUE", &BeaconState::phgSelected},
    {"TAB_General", "OperFrequency_Selected", C::Boolean, W::Always, "TRUE",
     &BeaconState::operFrequencySelected},
    {"TAB_General", "FreeText_Selected", C::Boolean, W::Always, "TRUE",
     &BeaconState::freeTextSelected},
    {"TAB_PHG", "Power", C::Count16, W::Always, "0", &BeaconState::phgPower},
    {"TAB_PHG", "Height", C::HeightCode, W::Always, "0", &BeaconState::phgHeight},
    {"TAB_PHG", "Gain", C::Count16, W::Always, "0", &BeaconState::phgGain},
    {"TAB_PHG", "Direction", C::Count16, W::Always, "0", &BeaconState::phgDirection},
    {"TAB_ALTITUDE", "Feet", C::Count32, W::Always, "0", &BeaconState::altitudeFeet},
    {"TAB_ALTITUDE", "Meters", C::Count32, W::Always, "0", &BeaconState::altitudeMeters},
    {"TAB_FREQUENCY", "Band", C::Count16, W::Always, "0", &BeaconState::band},
    {"TAB_FREQUENCY", "Frequency", C::Count16, W::Always, "0", &BeaconState::frequency},
    {"TAB_FREQUENCY", "Step", C::Count16, W::Always, "0", &BeaconState::step},
    {"TAB_FREQUENCY", "Tone", C::Count16, W::Always, "0", &BeaconState::tone},
    {"TAB_FREQUENCY", "ToneSelected", C::Boolean, W::Always, "FALSE", &BeaconState::toneSelected},
    {"TAB_FREETEXT", "FreeText", C::Text, W::Always, "My free beacon text", &BeaconState::freeText},
    {"Language", "CurrentLanguage", C::Language, W::Always, "English", std::monostate{}},
    {"Options", "StandardAltitude", C::Boolean, W::OnceChosen, "", &BeaconState::standardAltitude,
     &BeaconState::standardAltitudeStored},
    {"Choices", "WideFM", C::Boolean, W::OnSave, "FALSE", &BeaconState::wideFM},
    {"Choices", "ToneSquelch", C::Boolean, W::OnSave, "FALSE", &BeaconState::ctcssSelected},
    {"Choices", "Rate_Selected", C::Boolean, W::OnSave, "FALSE", &BeaconState::rateSelected},
    {"Choices", "Rate", C::RateEntry, W::OnSave, "1", &BeaconState::rateCode},
    {"Choices", "ExtOperFrequency_Selected", C::Boolean, W::OnSave, "FALSE",
     &BeaconState::extOperFrequencySelected},
    {"Choices", "Offset", C::Signed16, W::OnSave, "0", &BeaconState::repeaterOffset},
    {"Choices", "DCS", C::Signed16, W::OnSave, "0", &BeaconState::dcsCode},
    {"Choices", "Range", C::Signed16, W::OnSave, "0", &BeaconState::range},
    {"Choices", "Range_Km", C::Boolean, W::OnSave, "FALSE", &BeaconState::rangeKm},
};

// Values are read through a buffer of 500 characters, the last one its end mark.
constexpr int maxValueLength = 499;

QString latin(const char *text)
{
    return QString::fromLatin1(text);
}

template <typename Int> Int whole(const QString &text)
{
    return Int(LenientNumber::round_halfEven(LenientNumber::to_double(text),
                                             std::numeric_limits<Int>::min(),
                                             std::numeric_limits<Int>::max()));
}

template <typename Field> Field &field(BeaconState &state, const SettingRow &row)
{
    return state.*std::get<Field BeaconState::*>(row.target);
}

template <typename Field> const Field &field(const BeaconState &state, const SettingRow &row)
{
    return state.*std::get<Field BeaconState::*>(row.target);
}

void store(BeaconState &state, const SettingRow &row, const QString &value)
{
    if (row.chosen)
        state.*row.chosen = !value.isEmpty();
    switch (row.conversion) {
    case C::Boolean:
        field<bool>(state, row) = ParseIniBool(value);
        break;
    case C::Count16:
        field<qint16>(state, row) = qMax<qint16>(0, whole<qint16>(value));
        break;
    case C::Count32:
        field<qint32>(state, row) = qMax<qint32>(0, whole<qint32>(value));
        break;
    case C::Signed16:
        field<qint16>(state, row) = whole<qint16>(value);
        break;
    case C::HeightCode: {
        // The save writes a height above 9 as its code character (":" to "="); it
        // reads back as the height it stands for.
        const int code = Phg::height_position(value);
        field<QString>(state, row) =
            QString::number(code >= 0 ? code : qMax<qint16>(0, whole<qint16>(value)));
        break;
    }
    case C::RateEntry: {
        const QByteArray codes = Phg::rate_codes();
        const qint64 entry =
            LenientNumber::round_halfEven(LenientNumber::to_double(value), 0, codes.size() - 1);
        field<quint8>(state, row) = quint8(codes.at(entry));
        break;
    }
    case C::Text:
        field<QString>(state, row) = value;
        break;
    case C::Language:
        break;
    }
}

// The text the save writes for a field (not the language).
QString stored_text(const BeaconState &state, const SettingRow &row)
{
    switch (row.conversion) {
    case C::Boolean:
        return FormatIniBool(field<bool>(state, row));
    case C::Count16:
    case C::Signed16:
        return QString::number(field<qint16>(state, row));
    case C::Count32:
        return QString::number(field<qint32>(state, row));
    case C::HeightCode:
    case C::Text:
        return field<QString>(state, row);
    case C::RateEntry:
        return QString::number(Phg::rate_codes().indexOf(char(field<quint8>(state, row))));
    case C::Language:
        break;
    }
    return {};
}

// A whole number as written, or nothing for any other text.
std::optional<qint64> plain_number(const QString &text)
{
    static const QRegularExpression number(QStringLiteral("^[+-]?[0-9]{1,18}$"));
    if (!number.match(text).hasMatch())
        return std::nullopt;
    return text.toLongLong();
}

// Whether the value used says what the file said.
bool used_asStored(const SettingRow &row, const QString &storedText, const QString &used)
{
    switch (row.conversion) {
    case C::Boolean: // any text is true or false
    case C::Language:
        return true;
    case C::Text:
        return storedText == used;
    case C::HeightCode: {
        const int code = Phg::height_position(storedText);
        return (code >= 0 ? std::optional<qint64>(code) : plain_number(storedText)) ==
               Phg::height_position(used);
    }
    case C::Count16:
    case C::Count32:
    case C::Signed16:
    case C::RateEntry:
        return plain_number(storedText) == used.toLongLong();
    }
    return true;
}

// A file that holds something, but none of our sections, is some other program's.
bool is_foreign(const QByteArray &bytes)
{
    if (bytes.trimmed().isEmpty() || PrivateProfile::has_section(bytes, QStringLiteral("SETUP")))
        return false;
    for (const SettingRow &row : settingsTable) {
        if (PrivateProfile::has_section(bytes, latin(row.section)))
            return false;
    }
    return true;
}

QString settings_configFolder(const QString &programName)
{
    // The XDG rules: a relative or empty XDG_CONFIG_HOME is ignored.
    const QString configHome = qEnvironmentVariable("XDG_CONFIG_HOME");
    return (QDir::isAbsolutePath(configHome) ? configHome
                                             : QDir::homePath() + QStringLiteral("/.config")) +
           QLatin1Char('/') + programName;
}

} // namespace

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

QString GetIniValue(const QByteArray &file, const QString &section, const QString &key,
                    const QString &defaultValue)
{
    return PrivateProfile::find_value(file, section, key)
        .value_or(defaultValue)
        .left(maxValueLength);
}

QString GetSetIniValue(QByteArray &file, const QString &section, const QString &key,
                       const QString &defaultValue)
{
    QString value = GetIniValue(file, section, key, defaultValue);
    if (value == defaultValue)
        file = PrivateProfile::with_value(file, section, key, defaultValue);
    return value;
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

namespace {

// The file as read once, and whether it can be used.
StoredSettings read_file(const QString &iniFile)
{
    StoredSettings stored;
    stored.file = PrivateProfile::load(iniFile);
    using Status = StoredSettings::Status;
    if (!stored.file.readable)
        stored.status = Status::Unreadable;
    else if (stored.file.missing)
        stored.status = Status::Missing;
    else if (stored.file.bytes.trimmed().isEmpty())
        stored.status = Status::Empty;
    else if (is_foreign(stored.file.bytes))
        stored.status = Status::Foreign;
    else
        stored.status = Status::Read;
    stored.why = stored.status == Status::Foreign
                     ? QStringLiteral("it holds none of Tavrook's sections, so it is not a "
                                      "Tavrook settings file")
                     : stored.file.why;
    return stored;
}

} // namespace

StoredSettings read_settings(const QString &iniFile, BeaconState &state, const QLocale &locale)
{
    StoredSettings stored = read_file(iniFile);
    QByteArray &file = stored.withDefaults;
    file = stored.usable() ? stored.file.bytes : QByteArray();
    std::vector<std::optional<QString>> storedTexts; // as read, for the keys the file holds
    for (const SettingRow &row : settingsTable) {
        const QString section = latin(row.section);
        const QString key = latin(row.key);
        const QString defaultValue = latin(row.defaultValue);
        const bool held = PrivateProfile::find_value(file, section, key).has_value();
        const QString value = row.written == W::Always
                                  ? GetSetIniValue(file, section, key, defaultValue)
                                  : GetIniValue(file, section, key, defaultValue);
        storedTexts.push_back(held ? std::optional<QString>(value) : std::nullopt);
        if (row.conversion == C::Language)
            stored.language = value;
        else
            store(state, row, value);
    }
    stored.preparation = Module1::prepare_beacon(state, locale);
    for (size_t i = 0; i < storedTexts.size(); ++i) {
        const SettingRow &row = settingsTable[i];
        const QString used = stored_text(state, row);
        if (storedTexts[i] && !used_asStored(row, *storedTexts[i], used))
            stored.adjustments.push_back({latin(row.key), *storedTexts[i], used});
    }
    return stored;
}

QString Adjustment::text() const
{
    if (key == QStringLiteral("FreeText"))
        return QStringLiteral("FreeText held %1 control character(s); they were left out")
            .arg(stored.toUcs4().size() - used.toUcs4().size());
    return QStringLiteral("%1=%2 cannot be used as it stands; %1=%3 was used")
        .arg(key, stored, used);
}

StoredSettings LoadSettings(BeaconState &state, const QString &iniFile, clsLanguage &language,
                            const QLocale &locale)
{
    StoredSettings stored = read_settings(iniFile, state, locale);
    language.language(stored.language);
    if (stored.usable())
        PrivateProfile::store(iniFile, stored.file, stored.withDefaults);
    return stored;
}

QString unusable_message(const QString &iniFile, const StoredSettings &stored)
{
    if (stored.usable())
        return {};
    return QStringLiteral("Your settings could not be read from ") + iniFile +
           QStringLiteral(": ") + stored.why +
           QStringLiteral(". Tavrook starts with its defaults and will not save over that file.");
}

QString adjustments_message(const QString &iniFile, const StoredSettings &stored)
{
    if (stored.adjustments.isEmpty())
        return {};
    QString told = QStringLiteral("Some values in ") + iniFile +
                   QStringLiteral(" cannot be used as they stand:");
    for (const Adjustment &adjustment : stored.adjustments)
        told += QStringLiteral("\r\n") + adjustment.text() + QLatin1Char('.');
    return told;
}

// Every entry is applied to the file's bytes in memory, then the file is written
// once: a save that fails or is cut short leaves the old file whole.
QString SaveSettings(const BeaconState &state, const QString &iniFile, const clsLanguage &language)
{
    const StoredSettings before = read_file(iniFile);
    QString error;
    if (!before.usable()) {
        error = QStringLiteral("the file exists but cannot be read: ") + before.why;
    } else {
        QByteArray after = before.file.bytes;
        auto write = [&after](const QString &section, const QString &key, const QString &value) {
            after = PrivateProfile::with_value(after, section, key, value);
        };
        const QString setup = QStringLiteral("SETUP");
        write(setup, QStringLiteral("LEFT"), QStringLiteral("0"));
        write(setup, QStringLiteral("TOP"), QStringLiteral("0"));
        write(setup, QStringLiteral("MINIMIZED"), FormatIniBool(false));
        // A language file that was missing at start-up must not erase the choice.
        const QString language_ = language.get_language().isEmpty() ? language.requested_language()
                                                                    : language.get_language();
        for (const SettingRow &row : settingsTable) {
            if (row.written != W::OnceChosen || state.*row.chosen)
                write(latin(row.section), latin(row.key),
                      row.conversion == C::Language ? language_ : stored_text(state, row));
        }
        if (PrivateProfile::store(iniFile, before.file, after, &error))
            return {};
    }
    return QStringLiteral("Your settings could not be saved to ") + iniFile + QStringLiteral(": ") +
           error;
}
