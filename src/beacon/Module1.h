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
// tone letter and code; with the extended element ticked, its DCS code in place of
// the tone, its offset and its range. Empty when the selected channel has no text.
QString frequency_element(const BeaconState &state);

// Assembles the comment from the ticked elements in the order PHG, frequency,
// altitude, free text, and slices the radio examples from the display text, as far
// as it lies inside the cut comment. The cut to 43 never splits a character that
// takes two code units.
BeaconComment assemble_beaconComment(const BeaconState &state, const Advice::Texts &texts = {});

// The text without the characters that cannot be typed into a box (control and
// format characters), which must never go on the air.
QString typeable_text(const QString &text);

// What the preparation found beside the state: the entries of the channel list in
// the locale's format, and what it changed of the loaded settings that the user may
// want to know.
struct Preparation
{
    QStringList channelEntries;
    qsizetype droppedCharacters = 0; // of the stored free text
};

// Turns the loaded settings into the run's state: the fixed tables, stored positions
// clamped to their lists, the channel list of the stored band and step with the
// stored channel when it lies in it, the rate at entry 1 and unticked, the PHG
// element, the altitude (capped as typed) and the free text without characters that
// cannot be typed. The window and the command line both start from it.
Preparation prepare_beacon(BeaconState &state, const QLocale &locale);

} // namespace Module1
