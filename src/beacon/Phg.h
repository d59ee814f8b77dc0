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

QStringList power_entries();
QStringList height_entries(const QLocale &locale);
QStringList gain_entries();
QStringList rate_entries();
QByteArray rate_codes();

// "0" to "9" for positions 0..9, then ":" ";" "<" "=" for 10..13.
QString height_code(int position);
// The inverse: the position a height code stands for, or -1 for any other text.
int height_position(const QString &code);

// The choices on the page as the controls hold them; direction is -1 when no
// option button is set, which keeps the previous direction.
struct Choice
{
    int power = 0;
    int height = 0;
    int gain = 0;
    int direction = 0;
    int rate = 0;
    bool rateTicked = false;
};

// Recomputes the PHG fields and phgText; does nothing while initialising.
void update_PHG(BeaconState &state, const Choice &choice);

} // namespace Phg
