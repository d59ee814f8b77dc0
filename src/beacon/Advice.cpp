#include "Advice.h"

#include <QStringList>

#include <cmath>

namespace Advice {

namespace {

QString shown(char32_t c)
{
    if (c < 0x20 || c == 0x7F || (c >= 0x80 && c < 0xA0))
        return QStringLiteral("U+") +
               QStringLiteral("%1").arg(uint(c), 4, 16, QLatin1Char('0')).toUpper();
    return QString::fromUcs4(&c, 1);
}

void add_once(QStringList &list, const QString &item)
{
    if (!list.contains(item))
        list << item;
}

} // namespace

double phg_rangeMiles(int powerCode, int heightCode, int gainCode)
{
    const double watts = double(powerCode) * double(powerCode);
    const double feet = 10.0 * std::ldexp(1.0, heightCode);
    const double gain = std::pow(10.0, double(gainCode) / 10.0);
    return std::sqrt(2.0 * feet * std::sqrt((watts / 10.0) * (gain / 2.0)));
}

QString phg_rangeText(int powerCode, int heightCode, int gainCode, int directionCode,
                      const QLocale &locale, const Texts &texts)
{
    QLocale plain = locale;
    plain.setNumberOptions(QLocale::OmitGroupSeparator);
    const double miles = phg_rangeMiles(powerCode, heightCode, gainCode);
    QString text =
        texts.range.arg(plain.toString(miles, 'f', 1), plain.toString(miles * 1.609344, 'f', 1));
    if (directionCode > 0 && directionCode < 9)
        text += texts.shifted.arg(texts.directions[size_t(directionCode)]);
    return text;
}

QString direction_name(const QString &caption)
{
    QString name = caption;
    name.remove(QLatin1Char('&'));
    const qsizetype bracket = name.indexOf(QLatin1Char('('));
    return (bracket < 0 ? name : name.left(bracket)).trimmed();
}

QString translated_orEnglish(const QString &translated, const QString &english)
{
    for (const QString &place :
         {QStringLiteral("%1"), QStringLiteral("%2"), QStringLiteral("%3"), QStringLiteral("%4")}) {
        if (english.contains(place) && !translated.contains(place))
            return english;
    }
    return translated;
}

QString freeText_warning(const QString &text, const Texts &texts)
{
    QStringList forbidden;
    QStringList unshown;
    for (const char32_t c : text.toUcs4()) {
        if (c == U'|' || c == U'~' || c < 0x20 || c == 0x7F)
            add_once(forbidden, shown(c));
        else if (c > 0x7E)
            add_once(unshown, shown(c));
    }
    QStringList parts;
    if (!forbidden.isEmpty())
        parts << texts.notAllowed.arg(forbidden.join(QLatin1Char(' ')));
    if (!unshown.isEmpty())
        parts << texts.notShown.arg(unshown.join(QLatin1Char(' ')));
    if (parts.isEmpty())
        return {};
    QString warning = parts.join(QStringLiteral("; "));
    warning[0] = warning[0].toUpper();
    return warning;
}

} // namespace Advice
