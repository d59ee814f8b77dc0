#include "A_GetSetIniFile.h"

#include "PrivateProfile.h"
#include "language/clsLanguage.h"
#include "support/LenientNumber.h"
#include "support/ProgramContext.h"

#include <limits>
#include <variant>

namespace {

enum class Kind { Boolean, Int16, Int32, Int16AsText, Text, Language };

using Target = std::variant<std::monostate, bool BeaconState::*, qint16 BeaconState::*,
                            qint32 BeaconState::*, QString BeaconState::*>;

struct SettingRow
{
    const char *section;
    const char *key;
    Kind kind;
    const char *defaultValue;
    Target target;
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
};

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

// The save writes a PHG height above 9 as its code character (":" to "="); it
// reads back as the height it stands for instead of falling to 0.
int height_code(const QString &value)
{
    if (value.size() == 1 && value.at(0) >= QLatin1Char(':') && value.at(0) <= QLatin1Char('='))
        return value.at(0).unicode() - '0';
    return -1;
}

void store(BeaconState &state, const SettingRow &row, const QString &value)
{
    switch (row.kind) {
    case Kind::Boolean:
        state.*std::get<bool BeaconState::*>(row.target) = ParseIniBool(value);
        break;
    case Kind::Int16:
        state.*std::get<qint16 BeaconState::*>(row.target) = nonNegative<qint16>(value);
        break;
    case Kind::Int32:
        state.*std::get<qint32 BeaconState::*>(row.target) = nonNegative<qint32>(value);
        break;
    case Kind::Int16AsText:
        state.*std::get<QString BeaconState::*>(row.target) = QString::number(
            height_code(value) >= 0 ? height_code(value) : nonNegative<qint16>(value));
        break;
    case Kind::Text:
        state.*std::get<QString BeaconState::*>(row.target) = value;
        break;
    case Kind::Language:
        break;
    }
}

QString stored(const BeaconState &state, const SettingRow &row, const ProgramContext &context)
{
    switch (row.kind) {
    case Kind::Boolean:
        return FormatIniBool(state.*std::get<bool BeaconState::*>(row.target));
    case Kind::Int16:
        return QString::number(state.*std::get<qint16 BeaconState::*>(row.target));
    case Kind::Int32:
        return QString::number(state.*std::get<qint32 BeaconState::*>(row.target));
    case Kind::Int16AsText:
    case Kind::Text:
        return state.*std::get<QString BeaconState::*>(row.target);
    case Kind::Language: {
        // A language file that was missing at start-up must not erase the choice.
        const QString active = context.objLanguage->get_language();
        return active.isEmpty() ? context.objLanguage->requested_language() : active;
    }
    }
    return {};
}

} // namespace

QString GetIniValue(const QString &iniFile, const QString &section, const QString &key,
                    const QString &defaultValue)
{
    return PrivateProfile::read(section, key, defaultValue, iniFile, 500);
}

QString GetSetIniValue(const QString &iniFile, const QString &section, const QString &key,
                       const QString &defaultValue)
{
    return PrivateProfile::read_writingDefault(section, key, defaultValue, iniFile, 500);
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

void LoadSettings(BeaconState &state, ProgramContext &context)
{
    for (const SettingRow &row : settingsTable) {
        const QString value = GetSetIniValue(context.iniFile, latin(row.section), latin(row.key),
                                             latin(row.defaultValue));
        if (row.kind == Kind::Language)
            context.objLanguage->language(value);
        else
            store(state, row, value);
    }
}

void SaveSettings(const BeaconState &state, const ProgramContext &context)
{
    const QString setup = QStringLiteral("SETUP");
    PrivateProfile::write(setup, QStringLiteral("LEFT"), QStringLiteral("0"), context.iniFile);
    PrivateProfile::write(setup, QStringLiteral("TOP"), QStringLiteral("0"), context.iniFile);
    PrivateProfile::write(setup, QStringLiteral("MINIMIZED"), FormatIniBool(false),
                          context.iniFile);
    for (const SettingRow &row : settingsTable)
        PrivateProfile::write(latin(row.section), latin(row.key), stored(state, row, context),
                              context.iniFile);
}
