#include "Advice.h"

#include "Phg.h"

#include <QStringList>

#include <cmath>

namespace Advice {

namespace {

// The range in miles that APRS programs draw for the PHG codes.
double phg_rangeMiles(int powerCode, int heightCode, int gainCode)
{
    const double watts = double(Phg::power_watts(powerCode));
    const double gain = std::pow(10.0, double(gainCode) / 10.0);
    return std::sqrt(2.0 * Phg::height_feet(heightCode) * std::sqrt((watts / 10.0) * (gain / 2.0)));
}

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

constexpr double kmPerMile = 1.609344;

QLocale plain_numbers(const QLocale &locale)
{
    QLocale plain = locale;
    plain.setNumberOptions(QLocale::OmitGroupSeparator);
    return plain;
}

// "≈ 7.9 mi (12.8 km)"
QString distance_text(double miles, const QLocale &locale, const Texts &texts)
{
    const QLocale plain = plain_numbers(locale);
    return texts.range.arg(plain.toString(miles, 'f', 1),
                           plain.toString(miles * kmPerMile, 'f', 1));
}

// The round numbers of a scale: 1, 2 and 5 times a power of ten, at most the value.
double round_atMost(double value)
{
    const double decade = std::pow(10.0, std::floor(std::log10(value)));
    for (const double step : {10.0, 5.0, 2.0}) {
        if (step * decade <= value * (1 + 1e-12))
            return step * decade;
    }
    return decade;
}

} // namespace

Coverage coverage(int powerCode, int heightCode, int gainCode, int directionCode)
{
    Coverage c;
    c.radiusMiles = phg_rangeMiles(powerCode, heightCode, gainCode);
    const double shift = directionCode > 0 && directionCode < 9 ? c.radiusMiles / 3 : 0;
    constexpr double degree = 3.14159265358979323846 / 180;
    const double bearing = directionCode * 45.0 * degree; // NE is 45 degrees, N 360
    c.eastMiles = shift * std::sin(bearing);
    c.northMiles = shift * std::cos(bearing);
    c.forwardMiles = c.radiusMiles + shift;
    c.backwardMiles = c.radiusMiles - shift;
    if (c.forwardMiles > 0) {
        c.viewMiles = c.forwardMiles;
        c.scaleMiles = round_atMost(c.viewMiles / 2);
    }
    return c;
}

QString coverage_text(const Coverage &coverage, int directionCode, const QLocale &locale,
                      const Texts &texts)
{
    auto distance = [&](double miles) {
        return distance_text(miles, locale, texts);
    };
    if (directionCode < 1 || directionCode > 8)
        return texts.coverageAround.arg(distance(coverage.radiusMiles));
    return texts.coverageToward.arg(distance(coverage.forwardMiles),
                                    texts.directions[size_t(directionCode)],
                                    distance(coverage.backwardMiles));
}

QString scale_text(double miles, const QLocale &locale)
{
    const QLocale plain = plain_numbers(locale);
    return QStringLiteral("%1 mi, %2 km")
        .arg(plain.toString(miles, 'g', 3),
             plain.toString(miles * kmPerMile, 'f', miles < 5 ? 1 : 0));
}

QString phg_rangeText(int powerCode, int heightCode, int gainCode, int directionCode,
                      const QLocale &locale, const Texts &texts)
{
    QString text = distance_text(phg_rangeMiles(powerCode, heightCode, gainCode), locale, texts);
    if (directionCode > 0 && directionCode < 9)
        text += texts.shifted.arg(texts.directions[size_t(directionCode)]);
    return text;
}

Texts texts(const Captions &c)
{
    Texts t;
    t.range = c[TextId::ADD0001];
    t.shifted = c[TextId::ADD0002];
    t.notAllowed = c[TextId::ADD0003];
    t.notShown = c[TextId::ADD0004];
    t.receiversRead = c[TextId::ADD0006];
    t.phgRead = c[TextId::ADD0007];
    t.phgZeroRead = c[TextId::ADD0030];
    t.rateRead = c[TextId::ADD0008];
    t.phgRateMisread = c[TextId::ADD0009];
    t.frequencyRead = c[TextId::ADD0010];
    t.toneRead = c[TextId::ADD0011];
    t.squelchRead = c[TextId::ADD0012];
    t.frequencyNotRead = c[TextId::ADD0014];
    t.altitudeRead = c[TextId::ADD0015];
    t.altitudeNotRead = c[TextId::ADD0016];
    t.onlyText = c[TextId::ADD0017];
    t.qsyRead = c[TextId::ADD0018];
    t.dcsRead = c[TextId::ADD0019];
    t.offsetRead = c[TextId::ADD0020];
    t.rangeRead = c[TextId::ADD0021];
    t.altitudeSomeRead = c[TextId::ADD0022];
    t.altitudeCut = c[TextId::ADD0023];
    t.nothingToRead = c[TextId::ADD0024];
    t.coverageAround = c[TextId::ADD0031];
    t.coverageToward = c[TextId::ADD0032];
    // The direction buttons' captions, OMNI first: "&NE (45)" names "NE".
    for (size_t i = 0; i < t.directions.size(); ++i) {
        QString name = c[TextId(int(TextId::ITEM0010) + int(i))];
        name.remove(QLatin1Char('&'));
        const qsizetype bracket = name.indexOf(QLatin1Char('('));
        t.directions[i] = (bracket < 0 ? name : name.left(bracket)).trimmed();
    }
    return t;
}

const Texts &english()
{
    static const Texts english = texts(english_windowTexts());
    return english;
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
