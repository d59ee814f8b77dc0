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

// What a paste from the keyboard puts into a box: the text when it is a whole number
// (blanks around it trimmed), else nothing, so a paste never changes a number's
// magnitude ("12.5" would give 125).
QString pasted_number(const QString &text);

// What a key release leaves behind: the box texts (unchanged unless capped or
// cleared) and the new element, which is also stored in the state.
struct BoxUpdate
{
    QString feetBox;
    QString metersBox;
};

BoxUpdate feet_typed(BeaconState &state, const QString &feetBox, const QString &metersBox);
BoxUpdate meters_typed(BeaconState &state, const QString &metersBox);

// The boxes as start-up fills them from the loaded fields, and the element.
BoxUpdate restore(BeaconState &state);

// The element's number in the form the state asks for (five or six digits), after
// a change of that form; the number itself stays as it is.
void repad(BeaconState &state);

} // namespace Altitude
