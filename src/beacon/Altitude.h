#pragma once

#include "BeaconState.h"

// The Altitude page: the key filter, the feet and metres conversion with its caps,
// and the restore of the boxes at start-up. The element always states feet, with
// five digits, or six when the state asks for the standard APRS form.
namespace Altitude {

// What a key press typing `typed` does in a box. Digits and keys that type no
// printable character (Backspace, Delete, arrows, Ctrl shortcuts) go through; Enter
// and every other character are dropped with a beep, whatever the modifiers.
bool key_accepted(const QString &typed);

// What a paste from the keyboard puts into a box: the digits of the text, in order.
QString pasted_digits(const QString &text);

// What a key release leaves behind: the box texts (unchanged unless capped or
// cleared) and the new element, which is also stored in the state.
struct BoxUpdate
{
    QString feetBox;
    QString metersBox;
};

BoxUpdate feet_typed(BeaconState &state, const QString &feetBox, const QString &metersBox);
BoxUpdate meters_typed(BeaconState &state, const QString &metersBox);

// The boxes as start-up fills them from the loaded fields, and the element. Also
// rebuilds the element after a change of its form.
BoxUpdate restore(BeaconState &state);

} // namespace Altitude
