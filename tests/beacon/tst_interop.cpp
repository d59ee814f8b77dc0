// What other stations read. Random comments that the window can compose go through
// our own reading and through an independent APRS decoder (decode_aprs from
// Debian's direwolf) behind a fixed position report; both must agree.
#include "beacon/Altitude.h"
#include "beacon/Frequency.h"
#include "beacon/Module1.h"
#include "beacon/Phg.h"
#include "beacon/Receivers.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QtTest>

#include <map>

namespace {

// A composition the window could make, drawn at random.
QString random_comment(QRandomGenerator &random)
{
    static std::map<int, Frequency::ChannelList> channels;
    auto pick = [&random](int n) {
        return int(random.bounded(n));
    };
    BeaconState s;
    s.rateCodes = Phg::rate_codes();
    Phg::update_PHG(s, {pick(10), pick(14), pick(10), pick(9), 1 + pick(35), pick(4) == 0});
    const int band = pick(Frequency::bandCount);
    const int step = pick(Frequency::stepCount);
    auto &list = channels[band * 100 + step];
    if (list.entries.isEmpty())
        list = Frequency::channel_list(Frequency::band_table()[size_t(band)], Frequency::step_entries()[step],
                                       Frequency::step_values()[size_t(step)], QLocale::c());
    s.frequencyTexts = list.commentTexts;
    s.frequency = qint16(pick(int(list.entries.size())));
    s.toneTexts = Frequency::tone_texts(Frequency::tone_entries());
    s.tone = qint16(pick(Frequency::toneCount));
    s.toneSelected = pick(2);
    s.wideFM = pick(2);
    s.standardAltitude = pick(2);
    if (pick(2))
        Altitude::feet_typed(s, QString::number(pick(120000)), QString());
    else
        Altitude::meters_typed(s, QString::number(pick(35000)));
    static const char *const words[] = {"Hello",   "73",  "de",     "QQ9ZZ",    "1/2",  "MHz",
                                        "145.500", "QRV", "A=1234", "/A=12345", "T088", "x"};
    QStringList text;
    for (int i = pick(5); i > 0; --i)
        text << QLatin1String(words[pick(12)]);
    s.freeText = text.join(QLatin1Char(' '));
    s.phgSelected = pick(2);
    s.operFrequencySelected = pick(2);
    s.altitudeSelected = pick(2);
    s.freeTextSelected = pick(2);
    return Module1::assemble_beaconComment(s).comment;
}

QString match(const QString &decoded, const char *pattern)
{
    return QRegularExpression(QLatin1String(pattern)).match(decoded).captured(1);
}

// Where decode_aprs and our reading differ on one comment; empty when they agree.
QString disagreement(const Receivers::Reading &ours, const QString &decoded)
{
    static const char *const directions[] = {"omni", "NE", "E", "SE", "S", "SW", "W", "NW", "N"};
    const QString phg = match(decoded, ", (\\d+ W height=\\d+ \\d+dBi ?\\S*)");
    QString expected;
    if (ours.phg && ours.phg->watts > 0) // decode_aprs prints no PHG of 0 W
        expected = QStringLiteral("%1 W height=%2 %3dBi %4")
                       .arg(ours.phg->watts)
                       .arg(qint64(ours.phg->feet))
                       .arg(ours.phg->gainDb)
                       .arg(QLatin1String(ours.phg->direction < 0 ? "" : directions[ours.phg->direction]))
                       .trimmed();
    if (phg.trimmed() != expected)
        return QStringLiteral("PHG ") + expected;
    if (match(decoded, "alt (-?\\d+) ft") != (ours.altitudeFeet ? QString::number(*ours.altitudeFeet) : QString()))
        return QStringLiteral("altitude");
    // Outside its place decode_aprs only guesses a frequency or tone, with a warning.
    const bool guessed = decoded.contains(QStringLiteral("looks like a frequency in non-standard format"));
    const QString mhz = match(decoded, ", (\\d+\\.\\d+) MHz");
    if (ours.frequencyMHz ? (mhz != QString::number(*ours.frequencyMHz, 'f', 3) || guessed) : (!mhz.isEmpty() && !guessed))
        return QStringLiteral("frequency");
    const bool toneGuessed = guessed || decoded.contains(QStringLiteral("looks like it might be a CTCSS tone"));
    const QString tone = match(decoded, "PL (\\d+\\.\\d)");
    if (ours.toneHz ? tone != QString::number(*ours.toneHz, 'f', 1) : (!tone.isEmpty() && !toneGuessed))
        return QStringLiteral("tone");
    return {};
}

} // namespace

class tst_Interop : public QObject
{
    Q_OBJECT

private slots:
    void ourReading_agreesWithDecodeAprs()
    {
        const QString decoder = QStandardPaths::findExecutable(QStringLiteral("decode_aprs"));
        if (decoder.isEmpty())
            QSKIP("decode_aprs (Debian package direwolf) is not installed; ./test.sh installs it");
        QRandomGenerator random(20261206);
        QStringList comments;
        for (int i = 0; i < 1500; ++i)
            comments << random_comment(random);

        const QString header = QStringLiteral("N0CALL>APRS:!4903.50N/07201.75W-");
        QProcess decode;
        decode.start(decoder, {});
        QVERIFY(decode.waitForStarted());
        for (const QString &comment : comments)
            decode.write((header + comment + QLatin1Char('\n')).toUtf8());
        decode.closeWriteChannel();
        QVERIFY(decode.waitForFinished(60000));
        const QString output = QString::fromUtf8(decode.readAllStandardOutput())
                                   .remove(QRegularExpression(QStringLiteral("\x1b\\[[0-9;]*[A-Za-z]")));
        // Each packet's output begins with the packet itself.
        QStringList blocks = (QLatin1Char('\n') + output).split(QLatin1Char('\n') + header);
        blocks.removeFirst();
        QCOMPARE(blocks.size(), comments.size());

        int read[4] = {};
        for (int i = 0; i < comments.size(); ++i) {
            const Receivers::Reading ours = Receivers::read(comments[i]);
            const QString differs = disagreement(ours, blocks[i]);
            QVERIFY2(differs.isEmpty(),
                     qPrintable(differs + QStringLiteral(" differs for ") + comments[i] + QStringLiteral("\n") + blocks[i]));
            read[0] += ours.phg.has_value();
            read[1] += ours.altitudeFeet.has_value();
            read[2] += ours.frequencyMHz.has_value();
            read[3] += ours.toneHz.has_value();
        }
        // The sample reaches every field.
        for (const int count : read)
            QVERIFY(count > 100);
    }

    // Cases no composition reaches.
    void ourReading_beyondCompositions_data()
    {
        QTest::addColumn<QString>("comment");
        QTest::addColumn<QString>("read");
        // clang-format off
        QTest::newRow("a rate with its slash") << "PHG5130A/ Hi" << "25 W, 20 ft, 3 dB, OMNI, 10 beacons an hour";
        QTest::newRow("negative altitude") << "QRV /A=-01234" << "altitude -1234 ft";
        QTest::newRow("tone squelch") << "145.500MHz C088" << "145.500 MHz, tone squelch 88.5 Hz";
        QTest::newRow("narrow 10 kHz form") << "144.52 MHz t100" << "144.520 MHz, tone 100.0 Hz, narrow FM";
        QTest::newRow("not a standard tone") << "145.500MHz T089" << "145.500 MHz";
        QTest::newRow("PHG later is text") << "Hi PHG5130" << "text only";
        QTest::newRow("frequency later") << "QRV on 145.500MHz" << "frequency not read: it must stand at the start";
        QTest::newRow("undefined direction") << "PHG5139" << "25 W, 20 ft, 3 dB, ?";
        QTest::newRow("too short to scan") << "PHG513" << "text only";
        // clang-format on
    }
    void ourReading_beyondCompositions()
    {
        QFETCH(QString, comment);
        QTEST(Receivers::describe(Receivers::read(comment), {}, QLocale::c()).mid(16), "read");
    }
};

QTEST_GUILESS_MAIN(tst_Interop)
#include "tst_interop.moc"
