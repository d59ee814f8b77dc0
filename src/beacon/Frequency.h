#pragma once

#include "BeaconState.h"

#include <QLocale>

#include <optional>

// The Operating Frequency page: band, step and tone tables, the channel list and
// the comment texts derived from it.
namespace Frequency {

inline constexpr int bandCount = 4;
inline constexpr int stepCount = 10;
inline constexpr int toneCount = 49;

std::array<BandPlan, bandCount> band_table();
QString band_entry(const BandPlan &band);
QStringList step_entries();
std::array<double, stepCount> step_values();
QStringList tone_entries();
// The standard tone whose whole hertz are given (88 gives 88.5), or none.
std::optional<double> standard_tone(int wholeHz);

// The channels of a band: the list texts ("000.00000" with the locale's decimal
// separator) and, at the same index, the seven-character comment texts.
struct ChannelList
{
    QStringList entries;
    QStringList commentTexts;
};

ChannelList channel_list(const BandPlan &band, const QString &stepEntry, double stepKHz,
                         const QLocale &locale);

// Rebuilds the channel and tone texts of the state for its band and step and selects
// the first channel; returns the channel list's entries in the locale's format.
QStringList build_FrequencyList(BeaconState &state, const QLocale &locale);

// The DCS codes radios offer (023 to 754), as numbers of their three digits.
const std::array<qint16, 104> &dcs_codes();
QString dcs_text(int code); // "023"
// The DCS list's entries are "none" and the codes: the entry of a code (0 for none,
// -1 for a number that is no code), and the code an entry stands for (0 for none).
int dcs_entry(qint16 code);
qint16 dcs_atEntry(int entry);

// A repeater shift offered first for a band: the usual ones of its band come first.
struct OffsetPreset
{
    qint16 units; // 10 kHz units, signed
    QString text; // "-600 kHz", "+1.6 MHz"
};
QList<OffsetPreset> offset_presets(const BandPlan &band);
// The offset list's entries are "none" and the presets: the entry of an offset (0 for
// none, -1 for an amount without one), and the offset an entry stands for (-1 keeps
// the current one).
int offset_entry(const BandPlan &band, qint16 units);
qint16 offset_atEntry(const BandPlan &band, int entry, qint16 current);

// The extended element's fields as they follow the frequency element: " D023"
// (in place of the tone), " -060", " R25m"; empty when none is given.
QString extended_fields(const BeaconState &state);

// Tone and CTCSS are paired: ticking one unticks the other, unticking one ticks the other.
void tone_ticked(BeaconState &state, bool ticked);
void ctcss_ticked(BeaconState &state, bool ticked);

} // namespace Frequency
