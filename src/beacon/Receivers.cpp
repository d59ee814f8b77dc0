#include "Receivers.h"

#include "Frequency.h"
#include "Phg.h"

#include <QStringList>

#include <array>
#include <cmath>

namespace Receivers {

namespace {

// Above 999 MHz a letter stands for the hundreds: A96.000MHz is 1296 MHz.
constexpr std::array<int, 15> gigahertzHundreds = {12,  23,  24,  34,  56,  57,  58, 101,
                                                   102, 103, 104, 105, 240, 241, 242};

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

int number_at(const QString &text, qsizetype at, int count)
{
    return text.mid(at, count).toInt();
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

// "FFF.FFFMHz" or "FFF.FF MHz" at `at` ("MHz" in any letter case); the length read, or 0.
qsizetype frequency_at(const QString &text, qsizetype at, double &mhz)
{
    if (at + 10 > text.size() || text.at(at + 3) != QLatin1Char('.') || !digits(text, at + 1, 2))
        return 0;
    double hundreds = 0;
    const QChar first = text.at(at);
    if (digit(text, at))
        hundreds = code(first);
    else if (first >= QLatin1Char('A') && first <= QLatin1Char('O'))
        hundreds = gigahertzHundreds[size_t(first.unicode() - 'A')];
    else
        return 0;
    auto unit = [&text](qsizetype from) {
        return text.mid(from, 3).compare(QStringLiteral("MHz"), Qt::CaseInsensitive) == 0;
    };
    const double whole = hundreds * 100 + number_at(text, at + 1, 2);
    if (digits(text, at + 4, 3) && unit(at + 7)) {
        mhz = whole + number_at(text, at + 4, 3) / 1000.0;
        return 10;
    }
    if (digits(text, at + 4, 2) && text.at(at + 6) == QLatin1Char(' ') && unit(at + 7)) {
        mhz = whole + number_at(text, at + 4, 2) / 100.0;
        return 10;
    }
    return 0;
}

// Anywhere, something that looks like a frequency.
bool frequency_anywhere(const QString &text)
{
    double ignored = 0;
    for (qsizetype at = 0; at + 10 <= text.size(); ++at) {
        if (frequency_at(text, at, ignored))
            return true;
    }
    return false;
}

// The fields of APRS 1.2 in any order, each four characters: a tone "Tnnn" (or
// "tnnn"), tone squelch "Cnnn" (or "cnnn"), "Toff" or "Coff" in any case, a DCS code
// "Dnnn" (or "dnnn"), an offset "+nnn" or "-nnn" in 10 kHz units, a range "Rnnm" or "Rnnk". After
// a frequency each begins with one blank; in its place the first needs none.
void read_fields(const QString &text, qsizetype at, bool blankFirst, Reading &reading)
{
    for (bool first = true;; first = false) {
        qsizetype field = at;
        if (!first || blankFirst) {
            if (field >= text.size() || text.at(field) != QLatin1Char(' '))
                return;
            ++field;
        }
        if (field + 4 > text.size())
            return;
        const QChar kind = text.at(field);
        const QChar upper = kind.toUpper();
        if ((upper == QLatin1Char('T') || upper == QLatin1Char('C')) &&
            text.mid(field + 1, 3).compare(QStringLiteral("off"), Qt::CaseInsensitive) == 0) {
            reading.toneHz.reset();
        } else if ((upper == QLatin1Char('T') || upper == QLatin1Char('C')) &&
                   digits(text, field + 1, 3)) {
            // A tone outside the standard table is a bad field: not read, but passed.
            if (const auto tone = Frequency::standard_tone(number_at(text, field + 1, 3))) {
                reading.toneHz = *tone;
                reading.toneSquelch = upper == QLatin1Char('C');
            }
        } else if (upper == QLatin1Char('D') && digits(text, field + 1, 3)) {
            reading.dcsCode = number_at(text, field + 1, 3);
        } else if ((kind == QLatin1Char('+') || kind == QLatin1Char('-')) &&
                   digits(text, field + 1, 3)) {
            reading.offsetKHz =
                (kind == QLatin1Char('-') ? -10 : 10) * number_at(text, field + 1, 3);
        } else if (kind == QLatin1Char('R') && digits(text, field + 1, 2) &&
                   (text.at(field + 3) == QLatin1Char('m') ||
                    text.at(field + 3) == QLatin1Char('k'))) {
            reading.range = number_at(text, field + 1, 2);
            reading.rangeKm = text.at(field + 3) == QLatin1Char('k');
        } else {
            return;
        }
        at = field + 4;
    }
}

void read_altitude(const QString &comment, qsizetype from, bool cut, Reading &reading)
{
    // Six digits count first, wherever they stand; a negative altitude only without them.
    const QString marker = QStringLiteral("/A=");
    std::optional<qint64> negative;
    for (qsizetype at = comment.indexOf(marker, from); at >= 0;
         at = comment.indexOf(marker, at + 1)) {
        const qsizetype number = at + 3;
        if (digits(comment, number, 6)) {
            reading.altitudeFeet = comment.mid(number, 6).toLongLong();
            reading.altitudeCut = reading.altitudeFiveDigits = false;
            return;
        }
        const bool minus = comment.mid(number, 1) == QStringLiteral("-");
        if (minus && digits(comment, number + 1, 5)) {
            if (!negative)
                negative = -comment.mid(number + 1, 5).toLongLong();
            continue;
        }
        // Digits that run to the end of a cut comment lost their last ones to the cut.
        qsizetype end = number + (minus ? 1 : 0);
        while (digit(comment, end))
            ++end;
        if (cut && end == comment.size())
            reading.altitudeCut = true;
        else if (digits(comment, number, 5))
            reading.altitudeFiveDigits = true;
    }
    if (negative) {
        reading.altitudeFeet = negative;
        reading.altitudeNegative = true;
        reading.altitudeCut = reading.altitudeFiveDigits = false;
    }
}

QString number(const QLocale &locale, double value, int decimals)
{
    QLocale plain = locale;
    plain.setNumberOptions(QLocale::OmitGroupSeparator);
    return plain.toString(value, 'f', decimals);
}

// A code whose leading zeros count ("023"), in the locale's digits.
QString code_digits(const QLocale &locale, int value, int width)
{
    QString text = number(locale, value, 0);
    const QString zero = number(locale, 0, 0);
    while (text.size() < width * zero.size())
        text.prepend(zero);
    return text;
}

} // namespace

Reading read(const QString &comment, bool cut)
{
    Reading reading;
    reading.empty = comment.isEmpty();
    // Receivers look for extensions only in a comment of seven bytes or more.
    const bool scanned = comment.toUtf8().size() >= 7;
    qsizetype place = 0; // where the frequency stands, after the data extension
    if (scanned && comment.startsWith(QStringLiteral("PHG")) && code_character(comment.at(3)) &&
        code_character(comment.at(4)) && code_character(comment.at(5)) &&
        code_character(comment.at(6))) {
        PhgReading phg;
        phg.watts = Phg::power_watts(code(comment.at(3)));
        phg.feet = Phg::height_feet(code(comment.at(4)));
        phg.gainDb = code(comment.at(5));
        const int d = code(comment.at(6));
        phg.direction = d >= 0 && d <= 8 ? d : -1;
        reading.phg = phg;
        reading.phgRateForm = comment.at(3) == QLatin1Char('R');
        if (comment.size() >= 9 && comment.at(8) == QLatin1Char('/') &&
            comment.at(7).isLetterOrNumber() && comment.at(7).unicode() < 0x80)
            reading.rate = QString(comment.at(7)).toInt(nullptr, 36);
        place = 7;
    } else if (const QByteArray bytes = comment.toUtf8(); scanned && bytes.at(3) == '/') {
        // The place of a course and speed: receivers take these seven bytes as one.
        place = QString::fromUtf8(bytes.left(7)).size();
    }
    const qsizetype extension = place;
    // One blank or slash may stand before the frequency.
    if (place < comment.size() &&
        (comment.at(place) == QLatin1Char('/') || comment.at(place) == QLatin1Char(' ')))
        ++place;

    if (scanned) {
        double mhz = 0;
        const qsizetype length = frequency_at(comment, place, mhz);
        if (length > 0)
            reading.frequencyMHz = mhz;
        read_fields(comment, place + length, length > 0, reading);
    }
    if (!reading.frequencyMHz)
        reading.frequencyNotAtStart = frequency_anywhere(comment);
    read_altitude(comment, extension, cut, reading);
    return reading;
}

QString describe(const Reading &reading, const Advice::Texts &texts, const QLocale &locale)
{
    if (reading.empty)
        return texts.receiversRead.arg(texts.nothingToRead);
    QStringList parts;
    if (reading.phg) {
        const PhgReading &phg = *reading.phg;
        const QString direction =
            phg.direction < 0 ? QStringLiteral("?") : texts.directions[size_t(phg.direction)];
        QString text =
            texts.phgRead.arg(number(locale, double(phg.watts), 0), number(locale, phg.feet, 0),
                              number(locale, phg.gainDb, 0), direction);
        if (reading.rate)
            text += texts.rateRead.arg(number(locale, *reading.rate, 0));
        if (reading.phgRateForm)
            text = texts.phgRateMisread.arg(text);
        else if (phg.watts == 0) // decode_aprs shows no PHG of 0 W
            text = texts.phgZeroRead.arg(text);
        parts << text;
    }

    QStringList qsy;
    if (reading.frequencyMHz)
        qsy << texts.frequencyRead.arg(number(locale, *reading.frequencyMHz, 3));
    if (reading.toneHz)
        qsy << (reading.toneSquelch ? texts.squelchRead : texts.toneRead)
                   .arg(number(locale, *reading.toneHz, 1));
    if (reading.dcsCode)
        qsy << texts.dcsRead.arg(code_digits(locale, *reading.dcsCode, 3));
    if (reading.offsetKHz)
        qsy << texts.offsetRead.arg(
            (*reading.offsetKHz < 0 ? QStringLiteral("-") : QStringLiteral("+")) +
            number(locale, std::abs(*reading.offsetKHz), 0));
    if (reading.range)
        qsy << texts.rangeRead.arg(
            number(locale, *reading.range, 0) +
            (reading.rangeKm ? QStringLiteral(" km") : QStringLiteral(" mi")));
    if (!qsy.isEmpty())
        parts << texts.qsyRead.arg(qsy.join(QStringLiteral(", ")));
    if (reading.frequencyNotAtStart)
        parts << texts.frequencyNotRead;

    if (reading.altitudeFeet)
        parts << (reading.altitudeNegative ? texts.altitudeSomeRead : texts.altitudeRead)
                     .arg((*reading.altitudeFeet < 0 ? QStringLiteral("-") : QString()) +
                          number(locale, double(std::abs(*reading.altitudeFeet)), 0));
    else if (reading.altitudeCut)
        parts << texts.altitudeCut;
    else if (reading.altitudeFiveDigits)
        parts << texts.altitudeNotRead;
    return texts.receiversRead.arg(parts.isEmpty() ? texts.onlyText
                                                   : parts.join(QStringLiteral(" \u00b7 ")));
}

} // namespace Receivers
