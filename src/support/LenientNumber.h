#pragma once

#include <QString>

// Reading numbers out of stored or downloaded texts without ever failing: the
// leading numeric part counts (blanks skipped, an optional sign, digits, an optional
// decimal point with digits); a text without one gives 0.
namespace LenientNumber {

double to_double(QStringView text);

// Rounds to the nearest whole number, halves to the even neighbour, and clamps to
// the range of the target type.
qint64 round_halfEven(double value, qint64 lowest, qint64 highest);

qint16 to_int16(QStringView text);

} // namespace LenientNumber
