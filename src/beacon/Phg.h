#pragma once

#include "BeaconState.h"

#include <QLocale>

// The PHG page: its fixed list contents and the PHG element. The position of an
// entry in its list is the code it stands for.
namespace Phg {

inline constexpr int powerCount = 10;
inline constexpr int heightCount = 14;
inline constexpr int gainCount = 10;
inline constexpr int directionCount = 9;
inline constexpr int rateCount = 36;

// What the codes stand for: power code p is p squared watts, height code h is 10 times
// 2 to the h feet above average terrain (the character may go past '9'), gain code g
// is g dB.
qint64 power_watts(int code);
double height_feet(int code);

QStringList power_entries();
QStringList height_entries(const QLocale &locale);
QStringList gain_entries();
QStringList rate_entries();
QByteArray rate_codes();

// "0" to "9" for positions 0..9, then ":" ";" "<" "=" for 10..13.
QString height_code(int position);
// The inverse: the position a height code stands for, or -1 for any other text.
int height_position(const QString &code);

// The position of a rate code in the rate list, or -1.
int rate_position(const BeaconState &state);

// Composes phgText from the PHG fields: "PHG" and the power, height, gain and
// direction codes, or "PHGR", the four codes and the rate code when the rate is
// selected.
void update_PHG(BeaconState &state);

} // namespace Phg
