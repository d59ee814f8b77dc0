#include "Altitude.h"

#include <QtGlobal>

#include <algorithm>
#include <cmath>

namespace Altitude {

namespace {

constexpr double metersPerFoot = 0.305;
constexpr qint64 maxFeet = 99999;
constexpr qint64 maxMeters = 30499; // whole part of 99999 x 0.305

// The number formed by the digits at the start of the text; an empty box is 0.
// Saturates far above the caps, so a pasted run of digits cannot overflow.
qint64 box_value(const QString &text)
{
    constexpr qint64 ceiling = Q_INT64_C(1000000000000);
    qint64 value = 0;
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            break;
        value = qMin(ceiling, value * 10 + (c.unicode() - '0'));
    }
    return value;
}

// "A=" and the feet rounded to a whole number, at least five (or six) digits.
QString altitude_text(const BeaconState &state, double feet)
{
    const qint64 whole = std::llround(feet);
    return QStringLiteral("A=") +
           QStringLiteral("%1").arg(whole, state.standardAltitude ? 6 : 5, 10, QLatin1Char('0'));
}

bool is_digit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

} // namespace

bool key_accepted(const QString &typed)
{
    if (typed.isEmpty())
        return true;
    if (typed.size() != 1)
        return false;
    const QChar c = typed.at(0);
    if (c == QLatin1Char('\r') || c == QLatin1Char('\n'))
        return false;
    return is_digit(c) || c.unicode() < 0x20 || c.unicode() == 0x7F;
}

QString pasted_number(const QString &text)
{
    const QString number = text.trimmed();
    return !number.isEmpty() && std::all_of(number.cbegin(), number.cend(), is_digit) ? number
                                                                                      : QString();
}

BoxUpdate feet_typed(BeaconState &state, const QString &feetBox, const QString &metersBox)
{
    BoxUpdate boxes{feetBox, metersBox};
    qint64 v = box_value(boxes.feetBox);
    if (v > maxFeet) {
        v = maxFeet;
        boxes.feetBox = QString::number(maxFeet);
    }
    state.altitudeFeet = qint32(box_value(boxes.feetBox));
    state.altitudeMeters = 0;
    state.altitudeText = altitude_text(state, double(v));
    return boxes;
}

BoxUpdate meters_typed(BeaconState &state, const QString &metersBox)
{
    BoxUpdate boxes{QString(), metersBox};
    double v = double(box_value(boxes.metersBox)) / metersPerFoot;
    if (v > double(maxFeet)) {
        v = double(maxFeet);
        boxes.metersBox = QString::number(maxMeters);
    }
    state.altitudeFeet = 0;
    state.altitudeMeters = qint32(box_value(boxes.metersBox));
    state.altitudeText = altitude_text(state, v);
    return boxes;
}

BoxUpdate restore(BeaconState &state)
{
    if (state.altitudeFeet < 1) {
        state.altitudeText = altitude_text(state, double(state.altitudeMeters) / metersPerFoot);
        return {QString(), QString::number(state.altitudeMeters)};
    }
    state.altitudeText = altitude_text(state, double(state.altitudeFeet));
    return {QString::number(state.altitudeFeet), QString()};
}

void repad(BeaconState &state)
{
    const qint64 number = box_value(state.altitudeText.mid(2));
    if (state.altitudeText.startsWith(QStringLiteral("A=")))
        state.altitudeText = altitude_text(state, double(number));
}

} // namespace Altitude
