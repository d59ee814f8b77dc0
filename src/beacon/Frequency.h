#pragma once

#include "BeaconState.h"

#include <QLocale>

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

// Three-digit tone codes: the entry's number with its fraction dropped ("88.5" -> "088").
QStringList tone_texts(const QStringList &toneEntries);

// The channels of a band: the list texts ("000.00000" with the locale's decimal
// separator) and, at the same index, the seven-character comment texts.
struct ChannelList
{
    QStringList entries;
    QStringList commentTexts;
};

ChannelList channel_list(const BandPlan &band, const QString &stepEntry, double stepKHz,
                         const QLocale &locale);

} // namespace Frequency
