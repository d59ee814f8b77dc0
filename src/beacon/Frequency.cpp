#include "Frequency.h"

#include <algorithm>
#include <cmath>

namespace Frequency {

namespace {

struct StepRow
{
    const char *entry;
    double kHz;
};

constexpr StepRow steps[stepCount] = {{"5", 5.0},   {"6.25", 6.25}, {"10", 10.0}, {"12.5", 12.5},
                                      {"15", 15.0}, {"20", 20.0},   {"25", 25.0}, {"30", 30.0},
                                      {"50", 50.0}, {"100", 100.0}};

// The 50 standard CTCSS tones, as receivers know them. The tone list offers 49: it
// leaves out 229.1 Hz, as the radios this list follows do, but receivers read it.
struct ToneRow
{
    const char *hz;
    bool offered;
};

constexpr ToneRow tones[] = {
    {"67.0", true},   {"69.3", true},  {"71.9", true},  {"74.4", true},  {"77.0", true},
    {"79.7", true},   {"82.5", true},  {"85.4", true},  {"88.5", true},  {"91.5", true},
    {"94.8", true},   {"97.4", true},  {"100.0", true}, {"103.5", true}, {"107.2", true},
    {"110.9", true},  {"114.8", true}, {"118.8", true}, {"123.0", true}, {"127.3", true},
    {"131.8", true},  {"136.5", true}, {"141.3", true}, {"146.2", true}, {"151.4", true},
    {"156.7", true},  {"159.8", true}, {"162.2", true}, {"165.5", true}, {"167.9", true},
    {"171.3", true},  {"173.8", true}, {"177.3", true}, {"179.9", true}, {"183.5", true},
    {"186.2", true},  {"189.9", true}, {"192.8", true}, {"196.6", true}, {"199.5", true},
    {"203.5", true},  {"206.5", true}, {"210.7", true}, {"218.1", true}, {"225.7", true},
    {"229.1", false}, {"233.6", true}, {"241.8", true}, {"250.3", true}, {"254.1", true}};

// Three-digit tone codes: the entry's number with its fraction dropped ("88.5" -> "088").
QStringList tone_texts(const QStringList &toneEntries)
{
    QStringList texts;
    texts.reserve(toneEntries.size());
    for (const QString &entry : toneEntries) {
        const double hz = entry.toDouble();
        texts << QStringLiteral("%1").arg(qint64(std::trunc(hz)), 3, 10, QLatin1Char('0'));
    }
    return texts;
}

QString shortest(double value)
{
    return QString::number(value, 'g', QLocale::FloatingPointShortest);
}

} // namespace

std::array<BandPlan, bandCount> band_table()
{
    return {{{QStringLiteral("VHF - E"), 144.0, 146.0},
             {QStringLiteral("UHF - E"), 430.0, 440.0},
             {QStringLiteral("VHF - A"), 144.0, 148.0},
             {QStringLiteral("UHF - A"), 420.0, 450.0}}};
}

QString band_entry(const BandPlan &band)
{
    return band.bandName + QStringLiteral("  ") + shortest(band.lowerMHz) + QStringLiteral(" - ") +
           shortest(band.upperMHz) + QStringLiteral(" MHz.");
}

QStringList step_entries()
{
    QStringList entries;
    for (const StepRow &row : steps)
        entries << QString::fromLatin1(row.entry);
    return entries;
}

std::array<double, stepCount> step_values()
{
    std::array<double, stepCount> values{};
    for (int i = 0; i < stepCount; ++i)
        values[size_t(i)] = steps[i].kHz;
    return values;
}

QStringList tone_entries()
{
    QStringList entries;
    for (const ToneRow &tone : tones) {
        if (tone.offered)
            entries << QString::fromLatin1(tone.hz);
    }
    return entries;
}

std::optional<double> standard_tone(int wholeHz)
{
    for (const ToneRow &tone : tones) {
        const double hz = QByteArray(tone.hz).toDouble();
        if (int(hz) == wholeHz)
            return hz;
    }
    return std::nullopt;
}

ChannelList channel_list(const BandPlan &band, const QString &stepEntry, double stepKHz,
                         const QLocale &locale)
{
    ChannelList list;
    const double s = stepKHz / 1000.0;
    if (!(s > 0.0))
        return list;
    const QString decimalPoint = locale.decimalPoint();
    const bool tenKHz = stepEntry == QStringLiteral("10");
    const qsizetype expected = qsizetype(std::ceil((band.upperMHz - band.lowerMHz) / s)) + 1;
    list.entries.reserve(expected);
    list.commentTexts.reserve(expected);
    for (qint64 i = 0;; ++i) {
        const double f = double(i) * s + band.lowerMHz;
        if (f >= band.upperMHz)
            break;
        QString t = QString::number(f, 'f', 5);
        const qsizetype point = t.indexOf(QLatin1Char('.'));
        if (point >= 0 && point < 3)
            t.prepend(QString(3 - point, QLatin1Char('0')));
        // The comment text is cut from the dotted form, so it always carries a point.
        list.commentTexts << (tenKHz ? t.left(t.size() - 3) + QLatin1Char(' ')
                                     : t.left(t.size() - 2));
        if (decimalPoint != QStringLiteral("."))
            t.replace(QLatin1Char('.'), decimalPoint);
        list.entries << t;
    }
    return list;
}

QStringList build_FrequencyList(BeaconState &state, const QLocale &locale)
{
    const auto step = size_t(state.step);
    ChannelList channels =
        channel_list(state.bands.at(size_t(state.band)), QString::fromLatin1(steps[step].entry),
                     state.stepValues.at(step), locale);
    state.frequencyTexts = std::move(channels.commentTexts);
    state.frequency = 0;
    state.toneTexts = tone_texts(tone_entries());
    return std::move(channels.entries);
}

const std::array<qint16, 104> &dcs_codes()
{
    static constexpr std::array<qint16, 104> codes = {
        23,  25,  26,  31,  32,  36,  43,  47,  51,  53,  54,  65,  71,  72,  73,  74,  114, 115,
        116, 122, 125, 131, 132, 134, 143, 145, 152, 155, 156, 162, 165, 172, 174, 205, 212, 223,
        225, 226, 243, 244, 245, 246, 251, 252, 255, 261, 263, 265, 266, 271, 274, 306, 311, 315,
        325, 331, 332, 343, 346, 351, 356, 364, 365, 371, 411, 412, 413, 423, 431, 432, 445, 446,
        452, 454, 455, 462, 464, 465, 466, 503, 506, 516, 523, 526, 532, 546, 565, 606, 612, 624,
        627, 631, 632, 654, 662, 664, 703, 712, 723, 731, 732, 734, 743, 754};
    return codes;
}

QString dcs_text(int code)
{
    return QStringLiteral("%1").arg(code, 3, 10, QLatin1Char('0'));
}

int dcs_entry(qint16 code)
{
    if (code == 0)
        return 0;
    const auto &codes = dcs_codes();
    const auto at = std::find(codes.cbegin(), codes.cend(), code);
    return at == codes.cend() ? -1 : int(at - codes.cbegin()) + 1;
}

qint16 dcs_atEntry(int entry)
{
    return entry > 0 && entry <= int(dcs_codes().size()) ? dcs_codes()[size_t(entry - 1)]
                                                         : qint16(0);
}

QList<OffsetPreset> offset_presets(const BandPlan &band)
{
    const QList<qint16> twoMetres = {60};            // 600 kHz
    const QList<qint16> seventyCm = {160, 500, 760}; // 1.6, 5 and 7.6 MHz
    const QList<qint16> amounts =
        band.lowerMHz >= 300.0 ? seventyCm + twoMetres : twoMetres + seventyCm;
    QList<OffsetPreset> presets;
    for (const qint16 units : amounts) {
        const QString amount = units >= 100
                                   ? QString::number(units / 100.0) + QStringLiteral(" MHz")
                                   : QString::number(units * 10) + QStringLiteral(" kHz");
        presets << OffsetPreset{qint16(-units), QStringLiteral("-") + amount}
                << OffsetPreset{units, QStringLiteral("+") + amount};
    }
    return presets;
}

int offset_entry(const BandPlan &band, qint16 units)
{
    if (units == 0)
        return 0;
    const QList<OffsetPreset> presets = offset_presets(band);
    for (int i = 0; i < presets.size(); ++i) {
        if (presets[i].units == units)
            return i + 1;
    }
    return -1;
}

qint16 offset_atEntry(const BandPlan &band, int entry, qint16 current)
{
    const QList<OffsetPreset> presets = offset_presets(band);
    if (entry == 0)
        return 0;
    return entry > 0 && entry <= presets.size() ? presets[entry - 1].units : current;
}

QString extended_fields(const BeaconState &state)
{
    QString fields;
    if (state.repeaterOffset != 0)
        fields += QStringLiteral(" %1%2")
                      .arg(state.repeaterOffset < 0 ? QLatin1Char('-') : QLatin1Char('+'))
                      .arg(qAbs(state.repeaterOffset), 3, 10, QLatin1Char('0'));
    if (state.range > 0)
        fields += QStringLiteral(" R%1%2")
                      .arg(state.range, 2, 10, QLatin1Char('0'))
                      .arg(state.rangeKm ? QLatin1Char('k') : QLatin1Char('m'));
    return fields;
}

void tone_ticked(BeaconState &state, bool ticked)
{
    state.toneSelected = ticked;
    state.ctcssSelected = !ticked;
}

void ctcss_ticked(BeaconState &state, bool ticked)
{
    state.ctcssSelected = ticked;
    state.toneSelected = !ticked;
}

} // namespace Frequency
