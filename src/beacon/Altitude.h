#pragma once

#include "BeaconState.h"

#include <optional>

// The Altitude page: the key filter, the feet and metres conversion with its caps,
// and the restore of the boxes at start-up. The element always states feet, with
// five digits, or six when the state asks for the standard APRS form.
namespace Altitude {

// The one rule for every way text gets into a box (typing, pasting, dropping, an
// input method): the text a box may hold after an edit. Blanks and line breaks go
// (a pasted " 345 " or "1 234"); any other character but a digit refuses the whole
// edit, so a paste never changes a number's magnitude ("12.5" would give 125).
std::optional<QString> edited_text(const QString &candidate);

// What an edit leaves behind: the box texts (unchanged unless capped or cleared)
// and the new element, which is also stored in the state.
struct BoxUpdate
{
    QString feetBox;
    QString metersBox;
};

BoxUpdate feet_typed(BeaconState &state, const QString &feetBox, const QString &metersBox);
BoxUpdate meters_typed(BeaconState &state, const QString &metersBox);

// The element from the loaded fields; a stored altitude beyond the limits is capped,
// and the element is the one the capped value gives, as after a restart.
void restore(BeaconState &state);

// The boxes as start-up shows them for the restored fields: the feet when there are
// any, else the metres.
BoxUpdate restored_boxes(const BeaconState &state);

// The element's number in the form the state asks for (five or six digits), after
// a change of that form; the number itself stays as it is.
void repad(BeaconState &state);

} // namespace Altitude
