#include "Phg.h"

#include <cmath>

namespace Phg {

qint64 power_watts(int code)
{
    return qint64(code) * code;
}

double height_feet(int code)
{
    return 10.0 * std::ldexp(1.0, code);
}

QStringList power_entries()
{
    QStringList entries;
    for (int i = 0; i < powerCount; ++i)
        entries << QString::number(power_watts(i)) + QStringLiteral(" Watt");
    return entries;
}

QStringList height_entries(const QLocale &locale)
{
    QLocale plain = locale;
    plain.setNumberOptions(QLocale::OmitGroupSeparator);
    QStringList entries;
    for (int i = 0; i < heightCount; ++i) {
        const double feet = height_feet(i);
        entries << QString::number(qint64(feet)) + QStringLiteral(" feet ") +
                       plain.toString(feet / 3.0, 'f', 1) + QStringLiteral(" meters");
    }
    return entries;
}

QStringList gain_entries()
{
    QStringList entries;
    for (int i = 0; i < gainCount; ++i)
        entries << QString::number(i) + QStringLiteral(" dB");
    return entries;
}

QStringList rate_entries()
{
    QStringList entries;
    for (int i = 0; i < rateCount; ++i)
        entries << QString::number(i);
    return entries;
}

QByteArray rate_codes()
{
    QByteArray codes;
    for (int i = 0; i < rateCount; ++i)
        codes.append(char(i < 10 ? '0' + i : 'A' + i - 10));
    return codes;
}

QString height_code(int position)
{
    if (position > 9)
        return QString(QChar(position - 9 + 57));
    return QString::number(position);
}

int height_position(const QString &code)
{
    if (code.size() != 1 || code.at(0) < QLatin1Char('0') || code.at(0) > QLatin1Char('='))
        return -1;
    return code.at(0).unicode() - '0';
}

int rate_position(const BeaconState &state)
{
    return int(state.rateCodes.indexOf(char(state.rateCode)));
}

void update_PHG(BeaconState &state)
{
    const QString codes = QString::number(state.phgPower) + state.phgHeight +
                          QString::number(state.phgGain) + QString::number(state.phgDirection);
    state.phgText = state.rateSelected
                        ? QStringLiteral("PHGR") + codes + QChar(char16_t(state.rateCode))
                        : QStringLiteral("PHG") + codes;
}

} // namespace Phg
