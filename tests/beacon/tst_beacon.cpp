#include "beacon/Advice.h"
#include "beacon/Altitude.h"
#include "beacon/Frequency.h"
#include "beacon/Module1.h"
#include "beacon/Phg.h"
#include "beacon/Receivers.h"

#include <QtTest>

#include <map>

using namespace Qt::StringLiterals;

namespace {

BeaconState sample()
{
    BeaconState s;
    s.frequencyTexts = {u"145.500"_s};
    s.toneTexts = {u"067"_s, u"088"_s};
    s.tone = 1;
    s.altitudeText = u"A=01234"_s;
    s.freeText = u"Hello"_s;
    s.phgText = u"PHG5130"_s;
    return s;
}

// A composition the window could make, drawn at random.
QString random_comment(QRandomGenerator &random)
{
    static std::map<int, Frequency::ChannelList> channels;
    auto pick = [&random](int n) {
        return int(random.bounded(n));
    };
    BeaconState s;
    s.phgPower = qint16(pick(10));
    s.phgHeight = Phg::height_code(pick(14));
    s.phgGain = qint16(pick(10));
    s.phgDirection = qint16(pick(9));
    s.rateCode = quint8(Phg::rate_codes().at(1 + pick(35)));
    s.rateSelected = pick(4) == 0;
    Phg::update_PHG(s);
    const int band = pick(Frequency::bandCount);
    const int step = pick(Frequency::stepCount);
    auto &list = channels[band * 100 + step];
    if (list.entries.isEmpty())
        list = Frequency::channel_list(Frequency::band_table()[size_t(band)], Frequency::step_entries()[step],
                                       Frequency::step_values()[size_t(step)], QLocale::c());
    Frequency::build_FrequencyList(s, QLocale::c()); // the tone codes; the state has no band yet
    s.frequencyTexts = list.commentTexts;
    s.frequency = qint16(pick(int(list.entries.size())));
    s.tone = qint16(pick(Frequency::toneCount));
    s.toneSelected = pick(2);
    s.ctcssSelected = !s.toneSelected && pick(2);
    s.wideFM = pick(2);
    s.extOperFrequencySelected = pick(2);
    s.repeaterOffset = qint16(pick(3) == 0 ? 0 : pick(1999) - 999);
    s.dcsCode = pick(3) == 0 ? Frequency::dcs_codes()[size_t(pick(104))] : qint16(0);
    s.range = qint16(pick(2) * pick(100));
    s.rangeKm = pick(2);
    s.standardAltitude = pick(2);
    if (pick(2))
        Altitude::feet_typed(s, QString::number(pick(120000)), QString());
    else
        Altitude::meters_typed(s, QString::number(pick(35000)));
    // Words at the edges of the reading rules: fields, their off forms, frequencies
    // with and without their place, altitudes, a doubled blank.
    static const char *const words[] = {"Hello",
                                        "73",
                                        "de",
                                        "QQ9ZZ",
                                        "1/2",
                                        "MHz",
                                        "145.500",
                                        "QRV",
                                        "A=1234",
                                        "/A=12345",
                                        "T088",
                                        "x",
                                        "TOFF",
                                        "c088",
                                        "C100",
                                        "-060",
                                        "+500",
                                        "R25m",
                                        "R10k",
                                        "D023",
                                        "145.500MHz",
                                        "144.52 MHz",
                                        "/A=-01234",
                                        "/A=001500",
                                        "",
                                        "T089",
                                        "toff",
                                        "\u00e9",
                                        "Gr\u00fc\u00dfe",
                                        "\u20ac5",
                                        "\U0001F4E1",
                                        "d023",
                                        "c074"};
    QStringList text;
    for (int i = pick(7); i > 0; --i)
        text << QString::fromUtf8(words[pick(int(std::size(words)))]);
    s.freeText = (pick(4) == 0 ? QStringLiteral(" ") : QString()) + text.join(QLatin1Char(' '));
    s.phgSelected = pick(2);
    s.operFrequencySelected = pick(2);
    s.altitudeSelected = pick(2);
    s.freeTextSelected = pick(2);
    const BeaconComment assembled = Module1::assemble_beaconComment(s, Advice::english());
    return assembled.shortened ? assembled.comment + QLatin1Char('\x01') : assembled.comment;
}

QString match(const QString &decoded, const char *pattern)
{
    return QRegularExpression(QLatin1String(pattern)).match(decoded).captured(1);
}

// Where decode_aprs and our reading differ on one comment; empty when they agree.
QString disagreement(const Receivers::Reading &ours, const QString &decoded)
{
    static const char *const directions[] = {"omni", "NE", "E", "SE", "S", "SW", "W", "NW", "N"};
    const QString phg = match(decoded, ", (\\d+ W height=\\d+ \\d+dBi ?[A-Za-z]*)");
    QString expected;
    if (ours.phg && ours.phg->watts > 0) // decode_aprs prints no PHG of 0 W
        expected = u"%1 W height=%2 %3dBi %4"_s.arg(ours.phg->watts)
                       .arg(qint64(ours.phg->feet))
                       .arg(ours.phg->gainDb)
                       .arg(QLatin1String(ours.phg->direction < 0 ? "" : directions[ours.phg->direction]))
                       .trimmed();
    if (phg.trimmed() != expected)
        return u"PHG "_s + expected;
    // A negative altitude is read by some decoders only, not by decode_aprs.
    const bool altitude = ours.altitudeFeet && !ours.altitudeNegative;
    if (match(decoded, "alt (-?\\d+) ft") != (altitude ? QString::number(*ours.altitudeFeet) : QString()))
        return u"altitude"_s;
    // Outside its place decode_aprs only guesses a frequency or tone, with a warning.
    const bool guessed = decoded.contains(u"looks like a frequency in non-standard format"_s);
    const QString mhz = match(decoded, ", (\\d+\\.\\d+) MHz");
    if (ours.frequencyMHz ? (mhz != QString::number(*ours.frequencyMHz, 'f', 3) || guessed) : (!mhz.isEmpty() && !guessed))
        return u"frequency"_s;
    const bool toneGuessed = guessed || decoded.contains(u"looks like it might be a CTCSS tone"_s);
    const QString tone = match(decoded, "PL (\\d+\\.\\d)");
    if (ours.toneHz ? tone != QString::number(*ours.toneHz, 'f', 1) : (!tone.isEmpty() && !toneGuessed))
        return u"tone"_s;
    if (guessed || toneGuessed)
        return {};
    const QString dcs = match(decoded, "DCS (\\d+)");
    if (dcs != (ours.dcsCode ? u"%1"_s.arg(*ours.dcsCode, 3, 10, QLatin1Char('0')) : QString()))
        return u"DCS"_s;
    const QString offset = match(decoded, ", ([+-]\\d+[kM])");
    QString offsetExpected;
    if (ours.offsetKHz) {
        const int kHz = *ours.offsetKHz;
        const QString sign = kHz < 0 ? u"-"_s : u"+"_s;
        offsetExpected = kHz % 1000 == 0 ? sign + u"%1M"_s.arg(std::abs(kHz) / 1000) : sign + u"%1k"_s.arg(std::abs(kHz));
    }
    if (offset != offsetExpected)
        return u"offset"_s;
    const QString range = match(decoded, "range=(\\d+\\.\\d)");
    if (range != (ours.range ? QString::number(*ours.range * (ours.rangeKm ? 0.621371 : 1.0), 'f', 1) : QString()))
        return u"range"_s;
    return {};
}

} // namespace

// The frequency format's published examples (APRS 1.2 and the radios' QSY format),
// with the fields that compose them; a tone is an entry of the tone list.
struct Published
{
    const char *channel;
    int tone;     // -1: none
    char squelch; // 'T' tone, 'C' tone squelch
    bool wide;
    qint16 dcs, offset, range;
    bool km;
    const char *element;
};
constexpr Published published[] = {
    {"146.850", -1, 'T', true, 0, -60, 20, false, "146.850MHz Toff -060 R20m"},
    {"146.940", 12, 'T', true, 0, 60, 25, false, "146.940MHz T100 +060 R25m"},
    {"443.275", 12, 'T', true, 0, 500, 40, false, "443.275MHz T100 +500 R40m"},
    {"146.955", 3, 'C', true, 0, -60, 25, true, "146.955MHz C074 -060 R25k"},
    {"146.955", -1, 'T', true, 23, -60, 0, false, "146.955MHz D023 -060"},
    {"438.775", 8, 'T', false, 0, 0, 0, false, "438.775MHz t088"},
    {"146.955", 8, 'T', false, 23, -60, 0, false, "146.955MHz d023 -060"},
    {"145.500", -1, 'T', false, 0, 0, 25, false, "145.500MHz toff R25m"},
    {"146.955", 3, 'C', false, 0, 0, 0, false, "146.955MHz c074"},
    {"145.500", -1, 'C', true, 0, 0, 0, false, "145.500MHz"},
};

QString composed(const Published &p)
{
    BeaconState s;
    Frequency::build_FrequencyList(s, QLocale::c()); // the tone codes; the state has no band yet
    s.frequencyTexts = {QLatin1String(p.channel)};
    s.tone = qint16(qMax(0, p.tone));
    s.toneSelected = p.tone >= 0 && p.squelch == 'T';
    s.ctcssSelected = p.tone >= 0 && p.squelch == 'C';
    s.wideFM = p.wide;
    s.extOperFrequencySelected = true;
    s.dcsCode = p.dcs;
    s.repeaterOffset = p.offset;
    s.range = p.range;
    s.rangeKm = p.km;
    s.operFrequencySelected = true;
    return Module1::assemble_beaconComment(s, Advice::english()).comment;
}

class tst_Beacon : public QObject
{
    Q_OBJECT

private slots:
    void assembly_data()
    {
        // Ticked: P hg, F requency, A ltitude, T ext, X extended; t one, w ide FM, e mpty PHG text.
        QTest::addColumn<QString>("ticked");
        QTest::addColumn<QString>("freeText");
        QTest::addColumn<QString>("comment");
        QTest::addColumn<QString>("display");
        QTest::addColumn<QString>("warning");
        const QString x43(43, QLatin1Char('x'));
        const QString pair = QString(42, QLatin1Char('x')) + u"\U0001F4E1"_s;
        // clang-format off
        QTest::newRow("no element ticked") << "" << "Hello" << "" << "" << "";
        QTest::newRow("the worked example") << "PFATtw" << "Hello" << "PHG5130/145.500MHz T088/A=01234 Hello" << "145.500MHz T088/A=01234 Hello" << "";
        QTest::newRow("altitude alone keeps its slash") << "A" << "Hello" << "/A=01234" << "A=01234" << "";
        QTest::newRow("empty PHG text left out") << "PAe" << "Hello" << "/A=01234" << "A=01234" << "";
        QTest::newRow("PHG with empty free text ends in a blank") << "PT" << "" << "PHG5130 " << "" << "";
        QTest::newRow("narrow tone is a small t") << "Ft" << "Hello" << "145.500MHz t088" << "145.500MHz t088" << "";
        QTest::newRow("width shows only with a tone") << "Fw" << "Hello" << "145.500MHz" << "145.500MHz" << "";
        QTest::newRow("extended frequency adds nothing") << "X" << "Hello" << "" << "" << "";
        QTest::newRow("free text untrimmed") << "T" << "  padded  " << "  padded  " << "  padded  " << "";
        QTest::newRow("a character APRS does not allow") << "T" << "a|b" << "a|b" << "a|b" << "APRS does not allow |";
        QTest::newRow("only a ticked free text is warned of") << "P" << "a|b" << "PHG5130" << "" << "";
        QTest::newRow("43 characters stay whole") << "T" << x43 << x43 << x43 << "";
        QTest::newRow("44 characters are cut") << "T" << x43 + QLatin1Char('y') << x43 << x43 << "";
        QTest::newRow("a pair of code units is never split") << "T" << pair << QString(42, QLatin1Char('x')) << QString(42, QLatin1Char('x')) << u"The radios cannot show \U0001F4E1"_s;
        QTest::newRow("43 bytes, not characters: previews end where the comment ends") << "PFATtw" << u"Gr\u00fc\u00dfe 73 de QQ9ZZ"_s << u"PHG5130/145.500MHz T088/A=01234 Gr\u00fc\u00dfe 73 "_s << u"145.500MHz T088/A=01234 Gr\u00fc\u00dfe 73 "_s << u"The radios cannot show \u00fc \u00df"_s;
        QTest::newRow("43 two-byte letters are cut to 21") << "T" << QString(43, u'\u00e4') << QString(21, u'\u00e4') << QString(21, u'\u00e4') << u"The radios cannot show \u00e4"_s;
        // clang-format on
    }
    void assembly()
    {
        QFETCH(QString, ticked);
        QFETCH(QString, freeText);
        auto has = [&ticked](char c) {
            return ticked.contains(QLatin1Char(c));
        };
        BeaconState s = sample();
        s.phgSelected = has('P');
        s.operFrequencySelected = has('F');
        s.altitudeSelected = has('A');
        s.freeTextSelected = has('T');
        s.extOperFrequencySelected = has('X');
        s.toneSelected = has('t');
        s.wideFM = has('w');
        s.phgText = has('e') ? QString() : s.phgText;
        s.freeText = freeText;
        const BeaconComment result = Module1::assemble_beaconComment(s, Advice::english());
        QTEST(result.comment, "comment");
        QTEST(result.characterWarning, "warning");
        const QByteArray tag = QTest::currentDataTag();
        QCOMPARE(result.shortened, tag.contains("cut") || tag.contains("split") || tag.startsWith("43 bytes"));
        QFETCH(QString, display);
        QCOMPARE(result.displays[2], (QStringList{display.leftJustified(42, QLatin1Char(' '), true), QString()}));
        QCOMPARE(result.displays[1][0], display.leftJustified(14, QLatin1Char(' '), true));
        if (tag == "the worked example")
            QCOMPARE(result.displays[0] + result.displays[1].mid(1),
                     (QStringList{" 1:QQ9ZZZ-9", "  145.500MHz", "   T088/A=01", "8/A=01234 Hell", ""}));
    }
    void publishedFormat_data()
    {
        QTest::addColumn<int>("row");
        for (int i = 0; i < int(std::size(published)); ++i)
            QTest::addRow("%s", published[i].element) << i;
    }
    void publishedFormat()
    {
        QFETCH(int, row);
        QCOMPARE(composed(published[row]), QLatin1String(published[row].element));
        // Without the extended element tone squelch sends no code, and narrow a small t.
        BeaconState s = sample();
        s.ctcssSelected = s.operFrequencySelected = true;
        QCOMPARE(Module1::assemble_beaconComment(s, Advice::english()).comment, u"145.500MHz"_s);
    }
    void phg_data()
    {
        QTest::addColumn<QList<int>>("entries"); // power, height, gain, direction, rate; the rate ticked
        QTest::addColumn<bool>("rateTicked");
        QTest::addColumn<QString>("phgText");
        // clang-format off
        QTest::newRow("all first entries") << QList<int>{0, 0, 0, 0, 1} << false << "PHG0000";
        QTest::newRow("25 W, 20 ft, 3 dB, OMNI") << QList<int>{5, 1, 3, 0, 1} << false << "PHG5130";
        QTest::newRow("rate entry 1 included") << QList<int>{5, 1, 3, 0, 1} << true << "PHGR51301";
        QTest::newRow("10240 ft is :, N is 8") << QList<int>{9, 10, 9, 8, 1} << false << "PHG9:98";
        QTest::newRow("height entry 13 is =") << QList<int>{0, 13, 0, 0, 1} << false << "PHG0=00";
        QTest::newRow("rate 10 is A") << QList<int>{1, 2, 3, 4, 10} << true << "PHGR1234A";
        QTest::newRow("rate 35 is Z") << QList<int>{1, 2, 3, 4, 35} << true << "PHGR1234Z";
        // clang-format on
    }
    void phg()
    {
        QFETCH(QList<int>, entries);
        BeaconState s;
        s.rateCodes = Phg::rate_codes();
        s.phgPower = qint16(entries[0]);
        s.phgHeight = Phg::height_code(entries[1]);
        s.phgGain = qint16(entries[2]);
        s.phgDirection = qint16(entries[3]);
        s.rateCode = quint8(s.rateCodes.at(entries[4]));
        QFETCH(bool, rateTicked);
        s.rateSelected = rateTicked;
        Phg::update_PHG(s);
        QTEST(s.phgText, "phgText");
        QCOMPARE(Phg::rate_position(s), entries[4]);
    }
    void altitude_data()
    {
        QTest::addColumn<QString>("box"); // "feet" or "meters"
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("standard");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("stored");
        QTest::addColumn<QString>("element");
        // clang-format off
        QTest::newRow("1234 feet") << "feet" << "1234" << false << "1234" << 1234 << "A=01234";
        QTest::newRow("99999 feet left alone") << "feet" << "99999" << false << "99999" << 99999 << "A=99999";
        QTest::newRow("100000 feet capped") << "feet" << "100000" << false << "99999" << 99999 << "A=99999";
        QTest::newRow("empty box") << "feet" << "" << false << "" << 0 << "A=00000";
        QTest::newRow("digits then letters") << "feet" << "12ab" << false << "12ab" << 12 << "A=00012";
        QTest::newRow("absurd run of digits") << "feet" << QString(40, QLatin1Char('9')) << false << "99999" << 99999 << "A=99999";
        QTest::newRow("standard form has six digits") << "feet" << "1234" << true << "1234" << 1234 << "A=001234";
        QTest::newRow("100 metres") << "meters" << "100" << false << "100" << 100 << "A=00328";
        QTest::newRow("30499 metres below the cap") << "meters" << "30499" << false << "30499" << 30499 << "A=99997";
        QTest::newRow("30500 metres capped") << "meters" << "30500" << false << "30499" << 30499 << "A=99999";
        QTest::newRow("standard cap") << "meters" << "30500" << true << "30499" << 30499 << "A=099999";
        // clang-format on
    }
    void altitude()
    {
        QFETCH(QString, box);
        QFETCH(QString, typed);
        QFETCH(bool, standard);
        BeaconState s;
        s.standardAltitude = standard;
        s.altitudeFeet = s.altitudeMeters = 7;
        const bool feet = box == u"feet"_s;
        const Altitude::BoxUpdate boxes = feet ? Altitude::feet_typed(s, typed, u"7"_s) : Altitude::meters_typed(s, typed);
        QTEST(feet ? boxes.feetBox : boxes.metersBox, "shown");
        QCOMPARE(feet ? boxes.metersBox : boxes.feetBox, feet ? u"7"_s : QString());
        QTEST(int(feet ? s.altitudeFeet : s.altitudeMeters), "stored");
        QCOMPARE(feet ? s.altitudeMeters : s.altitudeFeet, 0);
        QTEST(s.altitudeText, "element");
    }
    void channels_data()
    {
        QTest::addColumn<int>("band");
        QTest::addColumn<int>("step");
        QTest::addColumn<int>("count");
        QTest::addColumn<QStringList>("entries"); // the first entries, then the last
        QTest::addColumn<QStringList>("comments");
        // clang-format off
        QTest::newRow("VHF - E, 5 kHz") << 0 << 0 << 400 << QStringList{"144.00000", "144.00500", "145.99500"} << QStringList{"144.000", "144.005", "145.995"};
        QTest::newRow("6.25 kHz is cut, not rounded") << 0 << 1 << 320 << QStringList{"144.00000", "144.00625", "145.99375"} << QStringList{"144.000", "144.006", "145.993"};
        QTest::newRow("10 kHz keeps two decimals and a blank") << 0 << 2 << 200 << QStringList{"144.00000", "144.01000", "145.99000"} << QStringList{"144.00 ", "144.01 ", "145.99 "};
        QTest::newRow("15 kHz stops below the limit") << 0 << 4 << 134 << QStringList{"144.00000", "144.01500", "145.99500"} << QStringList{"144.000", "144.015", "145.995"};
        QTest::newRow("UHF - A, 5 kHz, the largest list") << 3 << 0 << 6000 << QStringList{"420.00000", "420.00500", "449.99500"} << QStringList{"420.000", "420.005", "449.995"};
        QTest::newRow("decimal comma in the list, point in the comment") << 1 << 6 << 400 << QStringList{"430,00000", "430,02500", "439,97500"} << QStringList{"430.000", "430.025", "439.975"};
        // clang-format on
    }
    void channels()
    {
        QFETCH(int, band);
        QFETCH(int, step);
        QFETCH(QStringList, entries);
        const QLocale locale = entries[0].contains(QLatin1Char(',')) ? QLocale(QLocale::German, QLocale::Germany) : QLocale::c();
        const Frequency::ChannelList list =
            Frequency::channel_list(Frequency::band_table()[size_t(band)], Frequency::step_entries().at(step),
                                    Frequency::step_values()[size_t(step)], locale);
        QTEST(int(list.entries.size()), "count");
        QCOMPARE(list.commentTexts.size(), list.entries.size());
        QCOMPARE((QStringList{list.entries[0], list.entries[1], list.entries.last()}), entries);
        QTEST((QStringList{list.commentTexts[0], list.commentTexts[1], list.commentTexts.last()}), "comments");
        QCOMPARE(Frequency::band_entry({u"X"_s, 144.5, 146.25}), u"X  144.5 - 146.25 MHz."_s);
    }
    void freeTextWarning_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("warning");
        // clang-format off
        QTest::newRow("clean text") << "QRV 145.500 via WIDE2-2 (73!)" << "";
        QTest::newRow("tilde, named once") << "~x~" << "APRS does not allow ~";
        QTest::newRow("control characters") << u"bell\a\x7f"_s << "APRS does not allow U+0007 U+007F";
        QTest::newRow("both kinds") << u"|\u00e9 \U0001F4E1"_s << u"APRS does not allow |; the radios cannot show \u00e9 \U0001F4E1"_s;
        // clang-format on
    }
    void freeTextWarning()
    {
        QFETCH(QString, text);
        QTEST(Advice::freeText_warning(text, Advice::english()), "warning");
    }
    // The range and the circle map programs draw, as the PHG page shows them: radius,
    // centre, reach and scale, in miles.
    void coverage_data()
    {
        QTest::addColumn<QString>("codes"); // power, height, gain, direction
        QTest::addColumn<QString>("range");
        QTest::addColumn<QString>("circle"); // radius, centre east and north, forward, backward, scale
        QTest::addColumn<QString>("words");
        // clang-format off
        QTest::newRow("OMNI") << "5130" << u"\u2248 7.9 mi (12.8 km)"_s << "7.9 0.0 0.0 7.9 7.9 2.0" << u"Reaches \u2248 7.9 mi (12.8 km) all around"_s;
        QTest::newRow("NE") << "5131" << u"\u2248 7.9 mi (12.8 km), shifted NE"_s << "7.9 1.9 1.9 10.6 5.3 5.0" << u"Reaches \u2248 10.6 mi (17.1 km) toward NE, \u2248 5.3 mi (8.5 km) away from it"_s;
        QTest::newRow("E") << "5132" << u"\u2248 7.9 mi (12.8 km), shifted E"_s << "7.9 2.6 0.0 10.6 5.3 5.0" << "";
        QTest::newRow("S") << "5134" << u"\u2248 7.9 mi (12.8 km), shifted S"_s << "7.9 0.0 -2.6 10.6 5.3 5.0" << "";
        QTest::newRow("W") << "5136" << u"\u2248 7.9 mi (12.8 km), shifted W"_s << "7.9 -2.6 0.0 10.6 5.3 5.0" << "";
        QTest::newRow("N, the highest codes") << "9=98" << u"\u2248 964.0 mi (1551.4 km), shifted N"_s << "964.0 0.0 321.3 1285.3 642.7 500.0" << "";
        QTest::newRow("0 W reaches nowhere") << "0=90" << u"\u2248 0.0 mi (0.0 km)"_s << "0.0 0.0 0.0 0.0 0.0 0.5" << "";
        // clang-format on
    }
    void coverage()
    {
        QFETCH(QString, codes);
        const auto code = [&codes](int i) {
            return codes[i].unicode() - '0';
        };
        QTEST(Advice::phg_rangeText(code(0), code(1), code(2), code(3), QLocale::c(), Advice::english()), "range");
        const Advice::Coverage c = Advice::coverage(code(0), code(1), code(2), code(3));
        QStringList circle;
        for (const double miles : {c.radiusMiles, c.eastMiles, c.northMiles, c.forwardMiles, c.backwardMiles, c.scaleMiles})
            circle << QString::number(qRound(miles * 10) / 10.0, 'f', 1);
        QTEST(circle.join(QLatin1Char(' ')), "circle");
        QFETCH(QString, words);
        if (!words.isEmpty())
            QCOMPARE(Advice::coverage_text(c, code(3), QLocale::c(), Advice::english()), words);
    }
    // What other stations read. Random comments that the window can compose go through our
    // own reading and through an independent APRS decoder (decode_aprs from Debian's
    // direwolf) behind a fixed position report; both must agree.
    void ourReading_agreesWithDecodeAprs()
    {
        const QString decoder = QStandardPaths::findExecutable(u"decode_aprs"_s);
        if (decoder.isEmpty())
            QSKIP("decode_aprs (Debian package direwolf) is not installed; ./test.sh installs it");
        QRandomGenerator random(20261207);
        QStringList comments;
        QList<bool> cut;
        for (const Published &p : published)
            comments << composed(p) + u" QRV"_s;
        cut.fill(false, comments.size());
        for (int i = 0; i < 3000; ++i) {
            QString comment = random_comment(random);
            cut << comment.endsWith(QLatin1Char('\x01'));
            comments << comment.remove(QLatin1Char('\x01'));
        }

        const QString header = u"N0CALL>APRS:!4903.50N/07201.75W-"_s;
        QProcess decode;
        decode.start(decoder, {});
        QVERIFY(decode.waitForStarted());
        for (const QString &comment : comments)
            decode.write((header + comment + QLatin1Char('\n')).toUtf8());
        decode.closeWriteChannel();
        QVERIFY(decode.waitForFinished(60000));
        const QString output =
            QString::fromUtf8(decode.readAllStandardOutput()).remove(QRegularExpression(u"\x1b\\[[0-9;]*[A-Za-z]"_s));
        // Each packet's output begins with the packet itself.
        QStringList blocks = (QLatin1Char('\n') + output).split(QLatin1Char('\n') + header);
        blocks.removeFirst();
        QCOMPARE(blocks.size(), comments.size());

        int reached = 0; // a bit for each field, so that the sample is seen to reach them all
        for (int i = 0; i < comments.size(); ++i) {
            const Receivers::Reading ours = Receivers::read(comments[i], cut[i]);
            const QString differs = disagreement(ours, blocks[i]);
            QVERIFY2(differs.isEmpty(), qPrintable(differs + u" differs for "_s + comments[i] + u"\n"_s + blocks[i]));
            reached |= int(ours.phg.has_value()) | int(ours.altitudeFeet.has_value()) << 1 |
                       int(ours.frequencyMHz.has_value()) << 2 | int(ours.toneHz.has_value()) << 3 |
                       int(ours.dcsCode.has_value()) << 4 | int(ours.offsetKHz.has_value()) << 5 |
                       int(ours.range.has_value()) << 6 | int(ours.altitudeCut) << 7;
        }
        QCOMPARE(reached, 0xff);
    }
    // Cases no composition reaches.
    void ourReading_beyondCompositions_data()
    {
        QTest::addColumn<QString>("comment");
        QTest::addColumn<QString>("read");
        // clang-format off
        QTest::newRow("a rate with its slash") << "PHG5130A/ Hi" << "25 W, 20 ft, 3 dB, OMNI, 10 beacons an hour (some decoders)";
        QTest::newRow("negative altitude") << "QRV /A=-01234" << "altitude -1234 ft (some decoders)";
        QTest::newRow("the repeater example of APRS 1.2") << "146.955MHz T074 -060 R25m" << "radios with QSY and decode_aprs: 146.955 MHz, tone 74.4 Hz, offset -600 kHz, range 25 mi";
        QTest::newRow("tone squelch, DCS, km") << "146.955MHz C074 D023 R25k" << "radios with QSY and decode_aprs: 146.955 MHz, tone squelch 74.4 Hz, DCS 023, range 25 km";
        QTest::newRow("narrow DCS") << "146.955MHz d023 -060" << "radios with QSY and decode_aprs: 146.955 MHz, DCS 023, offset -600 kHz";
        QTest::newRow("0 W: not by decode_aprs") << "PHG0130" << "0 W, 20 ft, 3 dB, OMNI (some decoders, not decode_aprs)";
        QTest::newRow("fields in any order") << "145.500MHz -060 T100 x" << "radios with QSY and decode_aprs: 145.500 MHz, tone 100.0 Hz, offset -600 kHz";
        QTest::newRow("the off form in any case") << "145.500MHz T088 TOFF x" << "radios with QSY and decode_aprs: 145.500 MHz";
        QTest::newRow("lower-case c at the start") << "c088 Mon 20h" << "radios with QSY and decode_aprs: tone squelch 88.5 Hz";
        QTest::newRow("one blank before the frequency") << " 145.500MHz T088" << "radios with QSY and decode_aprs: 145.500 MHz, tone 88.5 Hz";
        QTest::newRow("two blanks after the PHG") << "PHG5130  T088 Mon 20h" << "25 W, 20 ft, 3 dB, OMNI";
        QTest::newRow("a letter for the hundreds") << "A96.000MHz T100 x" << "radios with QSY and decode_aprs: 1296.000 MHz, tone 100.0 Hz";
        QTest::newRow("seven bytes, not characters") << u"T088\u00e9\u00e9"_s << "radios with QSY and decode_aprs: tone 88.5 Hz";
        QTest::newRow("not a standard tone") << "145.500MHz T089" << "radios with QSY and decode_aprs: 145.500 MHz";
        QTest::newRow("PHG later is text") << "Hi PHG5130" << "text only";
        QTest::newRow("frequency later") << "QRV on 145.500MHz" << "frequency not read: it must stand at the start";
        QTest::newRow("undefined direction") << "PHG5139" << "25 W, 20 ft, 3 dB, ?";
        QTest::newRow("too short to scan") << "PHG513" << "text only";
        QTest::newRow("an empty comment") << "" << "nothing to read: the comment is empty";
        QTest::newRow("every number in the locale's digits") << "PHG5130/A=001234 ar_EG" << u"\u0662\u0665 W, \u0662\u0660 ft, \u0663 dB, OMNI \u00b7 altitude \u0661\u0662\u0663\u0664 ft"_s;
        QTest::newRow("six digits cut to five: the cut is to blame") << "PHG5130/145.500MHz T088 -060 R25m/A=00123\x01" << "25 W, 20 ft, 3 dB, OMNI \u00b7 radios with QSY and decode_aprs: 145.500 MHz, tone 88.5 Hz, offset -600 kHz, range 25 mi \u00b7 altitude not read: cut off at 43 bytes";
        // clang-format on
    }
    // "\x01" marks a comment the cut took characters from, " ar_EG" one read in that locale.
    void ourReading_beyondCompositions()
    {
        QFETCH(QString, comment);
        const bool cut = comment.endsWith(QLatin1Char('\x01'));
        const QLocale locale(comment.endsWith(u" ar_EG"_s) ? u"ar_EG"_s : u"C"_s);
        QTEST(Receivers::describe(Receivers::read(comment.remove(QLatin1Char('\x01')), cut), Advice::english(), locale).mid(16),
              "read");
    }
};

QTEST_GUILESS_MAIN(tst_Beacon)
#include "tst_beacon.moc"
