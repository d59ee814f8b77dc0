#pragma once

#include "Advice.h"
#include "BeaconState.h"

#include <array>

// What one assembly of the beacon comment shows: the comment (at most 43
// characters), whether it was cut, the characters of a ticked free text that APRS
// or the radios will not carry, and the lines of the three radio examples.
struct BeaconComment
{
    QString comment;
    bool shortened = false;
    QString characterWarning;
    std::array<QString, 3> thd7;
    std::array<QString, 3> tmd700;
    std::array<QString, 2> tmd710;
};

namespace Module1 {

inline constexpr int maxCommentLength = 43;

// The frequency element: channel text, "MHz" and, with the tone box ticked, the
// tone letter and code. Empty when the selected channel or tone has no text.
QString frequency_element(const BeaconState &state);

// Assembles the comment from the ticked elements in the order PHG, frequency,
// altitude, free text, and slices the radio examples from the display text, as far
// as it lies inside the cut comment. The cut to 43 never splits a character that
// takes two code units.
BeaconComment assemble_beaconComment(const BeaconState &state, const Advice::Texts &texts = {});

// Brings stored list positions into their lists: a position beyond the last entry
// becomes the last entry, so a hand-edited settings file cannot select nothing.
void clamp_toLists(BeaconState &state);

// Turns the loaded settings into the run's state: the fixed tables, stored positions
// clamped to their lists, the channel list of the stored band and step with the
// stored channel when it lies in it, the rate at entry 1 and unticked, the PHG
// element and the altitude (capped as typed). The window and the command line both
// start from it.
void prepare_beacon(BeaconState &state);

} // namespace Module1
