#pragma once

#include "Advice.h"
#include "BeaconState.h"

#include <array>

namespace Module1 {

// The three radios whose displays the General page imitates: each shows the comment
// (without its PHG) on textLines lines of textWidth characters, after indent blanks,
// below a fixed first line where it has one.
struct RadioDisplay
{
    const char *caption; // beside the example, never translated
    const char *model;
    int lines;
    const char *firstLine;
    int indent;
    int textLines;
    int textWidth;
    int width() const { return indent + textWidth; }
};

inline constexpr int radioCount = 3;
inline constexpr RadioDisplay radioDisplays[radioCount] = {
    {"THD7", "TH-D7", 3, " 1:QQ9ZZZ-9", 2, 2, 10},
    {"TMD700", "TM-D700", 3, nullptr, 0, 2, 14},
    {"TMD710", "TM-D710", 2, nullptr, 0, 1, 42},
};

} // namespace Module1

// What one assembly of the beacon comment shows: the comment (at most 43 bytes in
// UTF-8, as APRS counts them), whether it was cut, the characters of a ticked free text that APRS
// or the radios will not carry, and the lines of each radio's display.
struct BeaconComment
{
    QString comment;
    bool shortened = false;
    QString characterWarning;
    std::array<QStringList, Module1::radioCount> displays;
};

namespace Module1 {

inline constexpr int maxCommentLength = 43; // bytes, as APRS counts them

// Assembles the comment from the ticked elements in the order PHG, frequency,
// altitude, free text, and slices the radio examples from the display text, as far
// as it lies inside the cut comment. The cut to 43 bytes falls between characters.
BeaconComment assemble_beaconComment(const BeaconState &state, const Advice::Texts &texts);

// The text without the characters that cannot be typed into a box (control and
// format characters), which must never go on the air.
QString typeable_text(const QString &text);

// What the preparation found beside the state: the entries of the channel list in
// the locale's format.
struct Preparation
{
    QStringList channelEntries;
};

// Turns the loaded settings into the run's state: the fixed tables, stored positions
// clamped to their lists, the channel list of the stored band and step with the
// stored channel when it lies in it, the PHG element, the extended element's fields
// that the rules can carry (any other is none), the altitude (capped, as a restart
// would show it) and the free text without characters that cannot be typed. The
// window and the command line both start from it.
Preparation prepare_beacon(BeaconState &state, const QLocale &locale);

} // namespace Module1
