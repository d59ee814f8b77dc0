#include "Altitude.h"

#include <QtGlobal>

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

} // namespace

std::optional<QString> edited_text(const QString &candidate)
{
    QString text;
    text.reserve(candidate.size());
    for (const QChar c : candidate) {
        if (c.isDigit()) // any script's digits, full-width ones from an input method too
            text += QChar(u'0' + c.digitValue());
        else if (!c.isSpace())
            return std::nullopt;
    }
    return text;
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

void restore(BeaconState &state)
{
    if (state.altitudeFeet < 1) {
        // Metres above the cap become the cap, whose element a restart shows as well.
        meters_typed(state, QString::number(qMin<qint64>(state.altitudeMeters, maxMeters)));
        return;
    }
    // The metres stay as loaded, as the feet do in the other case.
    const qint32 meters = state.altitudeMeters;
    feet_typed(state, QString::number(state.altitudeFeet), QString());
    state.altitudeMeters = meters;
}

BoxUpdate restored_boxes(const BeaconState &state)
{
    if (state.altitudeFeet < 1)
        return {QString(), QString::number(state.altitudeMeters)};
    return {QString::number(state.altitudeFeet), QString()};
}

void repad(BeaconState &state)
{
    const qint64 number = box_value(state.altitudeText.mid(2));
    if (state.altitudeText.startsWith(QStringLiteral("A=")))
        state.altitudeText = altitude_text(state, double(number));
}

} // namespace Altitude
