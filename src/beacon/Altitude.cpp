#include "Altitude.h"

#include <QtGlobal>

#include <cmath>

namespace Altitude {

bool key_accepted(const QString &typed)
{
    if (typed.isEmpty())
        return true;
    if (typed.size() != 1)
        return false;
    const QChar c = typed.at(0);
    return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('\b');
}

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

QString altitude_text(double feet)
{
    const qint64 whole = std::llround(feet);
    return QStringLiteral("A=") + QStringLiteral("%1").arg(whole, 5, 10, QLatin1Char('0'));
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
    state.altitudeText = altitude_text(double(v));
    return boxes;
}

BoxUpdate meters_typed(BeaconState &state, const QString &feetBox, const QString &metersBox)
{
    Q_UNUSED(feetBox)
    BoxUpdate boxes{QString(), metersBox};
    double v = double(box_value(boxes.metersBox)) / metersPerFoot;
    if (v > double(maxFeet)) {
        v = double(maxFeet);
        boxes.metersBox = QString::number(maxMeters);
    }
    state.altitudeFeet = 0;
    state.altitudeMeters = qint32(box_value(boxes.metersBox));
    state.altitudeText = altitude_text(v);
    return boxes;
}

BoxUpdate restore(BeaconState &state)
{
    if (state.altitudeFeet < 1) {
        state.altitudeText = altitude_text(double(state.altitudeMeters) / metersPerFoot);
        return {QString(), QString::number(state.altitudeMeters)};
    }
    state.altitudeText = altitude_text(double(state.altitudeFeet));
    return {QString::number(state.altitudeFeet), QString()};
}

} // namespace Altitude
