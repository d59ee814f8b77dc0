#pragma once

#include "BeaconState.h"

#include <array>

// What one assembly of the beacon comment shows: the comment (at most 43
// characters), whether it was cut, and the lines of the three radio examples.
struct BeaconComment
{
    QString comment;
    bool shortened = false;
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
// altitude, free text, and slices the radio examples from the display text.
BeaconComment assemble_beaconComment(const BeaconState &state);

// Brings stored list positions into their lists: a position beyond the last entry
// becomes the last entry, so a hand-edited settings file cannot select nothing.
void clamp_toLists(BeaconState &state);

} // namespace Module1
