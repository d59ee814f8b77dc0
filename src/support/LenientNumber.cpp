#include "LenientNumber.h"

#include <cmath>
#include <limits>

namespace LenientNumber {

double to_double(QStringView text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    auto skipBlanks = [&] {
        while (i < n && (text[i] == QLatin1Char(' ') || text[i] == QLatin1Char('\t')))
            ++i;
    };
    auto isDigit = [&](qsizetype at) {
        return at < n && text[at] >= QLatin1Char('0') && text[at] <= QLatin1Char('9');
    };

    skipBlanks();
    bool negative = false;
    if (i < n && (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+'))) {
        negative = text[i] == QLatin1Char('-');
        ++i;
    }

    // Digits are gathered as text and converted once, so the result is the
    // correctly rounded value of what was written. One decimal point may stand
    // among them.
    QByteArray number("0");
    bool any = false;
    bool point = false;
    for (;;) {
        skipBlanks();
        if (!point && i < n && text[i] == QLatin1Char('.')) {
            point = true;
            number.append('.');
        } else if (isDigit(i)) {
            number.append(char(text[i].unicode()));
            any = true;
        } else {
            break;
        }
        ++i;
    }
    if (!any)
        return 0.0;
    bool ok = false;
    double value = number.toDouble(&ok);
    if (!ok)
        value = std::numeric_limits<double>::infinity(); // overflow: absurdly many digits
    return negative ? -value : value;
}

qint64 round_halfEven(double value, qint64 lowest, qint64 highest)
{
    if (std::isnan(value))
        return 0;
    const double rounded = std::nearbyint(value); // default rounding: to nearest, ties to even
    if (rounded <= double(lowest))
        return lowest;
    if (rounded >= double(highest))
        return highest;
    return qint64(rounded);
}

qint16 to_int16(QStringView text)
{
    return qint16(round_halfEven(to_double(text), std::numeric_limits<qint16>::min(),
                                 std::numeric_limits<qint16>::max()));
}

} // namespace LenientNumber
