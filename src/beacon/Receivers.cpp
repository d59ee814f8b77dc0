#include "Receivers.h"

#include <QStringList>

#include <algorithm>
#include <array>
#include <cmath>

namespace Receivers {

namespace {

constexpr std::array<double, 50> standardTones = {
    67.0,  69.3,  71.9,  74.4,  77.0,  79.7,  82.5,  85.4,  88.5,  91.5,  94.8,  97.4,  100.0,
    103.5, 107.2, 110.9, 114.8, 118.8, 123.0, 127.3, 131.8, 136.5, 141.3, 146.2, 151.4, 156.7,
    159.8, 162.2, 165.5, 167.9, 171.3, 173.8, 177.3, 179.9, 183.5, 186.2, 189.9, 192.8, 196.6,
    199.5, 203.5, 206.5, 210.7, 218.1, 225.7, 229.1, 233.6, 241.8, 250.3, 254.1};

bool digit(const QString &text, qsizetype at)
{
    return at < text.size() && text.at(at) >= QLatin1Char('0') && text.at(at) <= QLatin1Char('9');
}

bool digits(const QString &text, qsizetype at, int count)
{
    for (int i = 0; i < count; ++i) {
        if (!digit(text, at + i))
            return false;
    }
    return true;
}

int code(QChar c)
{
    return int(c.unicode()) - '0';
}

// A code character beyond '0' to '~' is not a code; receivers read nothing then.
bool code_character(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('~');
}

// "FFF.FFFMHz" or "FFF.FF MHz" at `at`; the length read, or 0.
qsizetype frequency_at(const QString &text, qsizetype at, double &mhz)
{
    if (!digits(text, at, 3) || at + 3 >= text.size() || text.at(at + 3) != QLatin1Char('.'))
        return 0;
    auto unit = [&text](qsizetype from) {
        return text.mid(from, 3).compare(QStringLiteral("MHz"), Qt::CaseInsensitive) == 0;
    };
    if (digits(text, at + 4, 3) && unit(at + 7)) {
        mhz = text.mid(at, 7).toDouble();
        return 10;
    }
    if (digits(text, at + 4, 2) && at + 6 < text.size() && text.at(at + 6) == QLatin1Char(' ') &&
        unit(at + 7)) {
        mhz = text.mid(at, 6).toDouble();
        return 10;
    }
    return 0;
}

// Anywhere past the start, something that looks like a frequency.
bool frequency_anywhere(const QString &text, qsizetype from)
{
    double ignored = 0;
    for (qsizetype at = from; at + 10 <= text.size(); ++at) {
        if (frequency_at(text, at, ignored))
            return true;
    }
    return false;
}

// The fields that follow the frequency (or stand in its place): a tone "Tnnn", the
// same with narrow FM "tnnn", tone squelch "Cnnn", or "Toff". The frequency
// rules of APRS 1.2 put a blank before each; receivers also take a slash or nothing.
void read_fields(const QString &text, qsizetype at, Reading &reading)
{
    for (;;) {
        qsizetype field = at;
        if (field < text.size() &&
            (text.at(field) == QLatin1Char(' ') || text.at(field) == QLatin1Char('/')))
            ++field;
        if (field + 4 > text.size())
            return;
        const QChar kind = text.at(field);
        if (text.mid(field, 4) == QStringLiteral("Toff")) {
            reading.toneHz.reset();
        } else if ((kind == QLatin1Char('T') || kind == QLatin1Char('t') ||
                    kind == QLatin1Char('C')) &&
                   digits(text, field + 1, 3)) {
            const int whole = text.mid(field + 1, 3).toInt();
            const auto tone = std::find_if(standardTones.cbegin(), standardTones.cend(),
                                           [whole](double hz) { return int(hz) == whole; });
            if (tone == standardTones.cend())
                return; // not a tone of the standard table
            reading.toneHz = *tone;
            reading.toneKind = kind;
        } else {
            return;
        }
        at = field + 4;
    }
}

QString number(const QLocale &locale, double value, int decimals)
{
    QLocale plain = locale;
    plain.setNumberOptions(QLocale::OmitGroupSeparator);
    return plain.toString(value, 'f', decimals);
}

} // namespace

Reading read(const QString &comment)
{
    Reading reading;
    // Data extensions are looked for only in a comment of seven characters or more.
    qsizetype frequencyAt = 0;
    if (comment.size() >= 7 && comment.startsWith(QStringLiteral("PHG")) &&
        code_character(comment.at(3)) && code_character(comment.at(4)) &&
        code_character(comment.at(5)) && code_character(comment.at(6))) {
        PhgReading phg;
        const int p = code(comment.at(3));
        phg.watts = qint64(p) * p;
        phg.feet = 10.0 * std::ldexp(1.0, code(comment.at(4)));
        phg.gainDb = code(comment.at(5));
        const int d = code(comment.at(6));
        phg.direction = d >= 0 && d <= 8 ? d : -1;
        reading.phg = phg;
        reading.phgRateForm = comment.at(3) == QLatin1Char('R');
        if (comment.size() >= 9 && comment.at(8) == QLatin1Char('/') &&
            comment.at(7).isLetterOrNumber() && comment.at(7).unicode() < 0x80) {
            reading.rate = QString(comment.at(7)).toInt(nullptr, 36);
        }
        frequencyAt = 7;
        if (comment.size() > 7 &&
            (comment.at(7) == QLatin1Char('/') || comment.at(7) == QLatin1Char(' ')))
            frequencyAt = 8;
    }

    double mhz = 0;
    const qsizetype length = frequency_at(comment, frequencyAt, mhz);
    if (length > 0)
        reading.frequencyMHz = mhz;
    else
        reading.frequencyNotAtStart = frequency_anywhere(comment, 0);
    if (comment.size() >= 7)
        read_fields(comment, frequencyAt + length, reading);

    const qsizetype altitude = comment.indexOf(QStringLiteral("/A="));
    for (qsizetype at = altitude; at >= 0; at = comment.indexOf(QStringLiteral("/A="), at + 1)) {
        if (digits(comment, at + 3, 6)) {
            reading.altitudeFeet = comment.mid(at + 3, 6).toLongLong();
            break;
        }
        if (comment.mid(at + 3, 1) == QStringLiteral("-") && digits(comment, at + 4, 5)) {
            reading.altitudeFeet = -comment.mid(at + 4, 5).toLongLong();
            break;
        }
        if (digits(comment, at + 3, 5))
            reading.altitudeFiveDigits = true;
    }
    if (reading.altitudeFeet)
        reading.altitudeFiveDigits = false;
    return reading;
}

QString describe(const Reading &reading, const Advice::Texts &texts, const QLocale &locale)
{
    QStringList parts;
    if (reading.phg) {
        const PhgReading &phg = *reading.phg;
        const QString direction =
            phg.direction < 0 ? QStringLiteral("?") : texts.directions[size_t(phg.direction)];
        QString text = texts.phgRead.arg(QString::number(phg.watts), number(locale, phg.feet, 0),
                                         QString::number(phg.gainDb), direction);
        if (reading.rate)
            text += texts.rateRead.arg(*reading.rate);
        parts << (reading.phgRateForm ? texts.phgRateMisread.arg(text) : text);
    }
    QString tone;
    if (reading.toneHz) {
        tone = (reading.toneKind == QLatin1Char('C') ? texts.squelchRead : texts.toneRead)
                   .arg(number(locale, *reading.toneHz, 1));
        if (reading.toneKind == QLatin1Char('t'))
            tone += texts.narrowRead;
    }
    if (reading.frequencyMHz) {
        parts << texts.frequencyRead.arg(number(locale, *reading.frequencyMHz, 3)) + tone;
    } else {
        if (reading.frequencyNotAtStart)
            parts << texts.frequencyNotRead;
        if (!tone.isEmpty()) // a tone alone: without the joining ", "
            parts << (tone.startsWith(QStringLiteral(", ")) ? tone.mid(2) : tone);
    }
    if (reading.altitudeFeet)
        parts << texts.altitudeRead.arg(QString::number(*reading.altitudeFeet));
    else if (reading.altitudeFiveDigits)
        parts << texts.altitudeNotRead;
    return texts.receiversRead.arg(parts.isEmpty() ? texts.onlyText
                                                   : parts.join(QStringLiteral(" \u00b7 ")));
}

} // namespace Receivers
