#pragma once

#include "BeaconState.h"

// The Altitude page: the key filter, the feet and metres conversion with its caps,
// and the restore of the boxes at start-up. The element always states feet.
namespace Altitude {

inline constexpr double metersPerFoot = 0.305;
inline constexpr qint64 maxFeet = 99999;
inline constexpr qint64 maxMeters = 30499; // whole part of 99999 x 0.305

// True for the characters a box accepts: digits, Backspace, or no character at all
// (keys such as Delete and the arrows, which type nothing).
bool key_accepted(const QString &typed);

// The number formed by the digits at the start of the text; an empty box is 0.
// Saturates far above the caps, so a pasted run of digits cannot overflow.
qint64 box_value(const QString &text);

// "A=" and the feet rounded to a whole number, at least five digits.
QString altitude_text(double feet);

// What a key release leaves behind: the box texts (unchanged unless capped or
// cleared) and the new element, which is also stored in the state.
struct BoxUpdate
{
    QString feetBox;
    QString metersBox;
};

BoxUpdate feet_typed(BeaconState &state, const QString &feetBox, const QString &metersBox);
BoxUpdate meters_typed(BeaconState &state, const QString &feetBox, const QString &metersBox);

// The boxes as start-up fills them from the loaded fields, and the element.
BoxUpdate restore(BeaconState &state);

} // namespace Altitude
