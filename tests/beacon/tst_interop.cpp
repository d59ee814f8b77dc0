// What other stations read: comments composed by the core go through an independent
// APRS decoder (decode_aprs from Debian's direwolf) behind a fixed position report.
#include "beacon/Altitude.h"
#include "beacon/Frequency.h"
#include "beacon/Module1.h"
#include "beacon/Phg.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QtTest>

Q_DECLARE_METATYPE(Phg::Choice)

class tst_Interop : public QObject
{
    Q_OBJECT

private slots:
    void receiversRead_data()
    {
        QTest::addColumn<Phg::Choice>("phg"); // power -1: no PHG element
        QTest::addColumn<QString>("channel"); // "band step entry tone wide", or empty
        QTest::addColumn<QString>("feet");    // "1234" or "1234 standard", or empty
        QTest::addColumn<QString>("read");    // what the decoder must say; "!x": must not say x
        // clang-format off
        QTest::newRow("25 W, 20 ft, 3 dB, wide tone 88.5") << Phg::Choice{5, 1, 3, 0, 1, false} << "0 0 145.50000 8 1" << "" << "25 W height=20 3dBi omni;145.500 MHz;PL 88.5";
        QTest::newRow("10240 ft, north, narrow tone 254.1") << Phg::Choice{9, 10, 9, 8, 1, false} << "1 6 439.97500 48 0" << "" << "81 W height=10240 9dBi N;439.975 MHz;PL 254.1";
        QTest::newRow("81920 ft, east, no tone") << Phg::Choice{1, 13, 1, 2, 1, false} << "1 6 430.02500 -1 0" << "" << "1 W height=81920 1dBi E;430.025 MHz;!PL";
        QTest::newRow("6.25 kHz step, south-west") << Phg::Choice{2, 11, 6, 5, 1, false} << "0 1 144.00625 12 1" << "" << "4 W height=20480 6dBi SW;144.006 MHz;PL 100.0";
        QTest::newRow("the 10 kHz form") << Phg::Choice{5, 1, 3, 0, 1, false} << "0 2 144.52000 -1 0" << "" << "144.520 MHz;!non-standard";
        QTest::newRow("the default altitude is not read") << Phg::Choice{-1, 0, 0, 0, 0, false} << "" << "1234" << "!alt";
        QTest::newRow("the standard altitude is read") << Phg::Choice{-1, 0, 0, 0, 0, false} << "" << "1234 standard" << "alt 1234 ft";
        QTest::newRow("standard altitude after a channel") << Phg::Choice{3, 4, 7, 1, 1, false} << "1 6 430.02500 -1 0" << "99999 standard" << "9 W height=160 7dBi NE;alt 99999 ft;430.025 MHz";
        QTest::newRow("the rate form is misread") << Phg::Choice{5, 1, 3, 0, 1, true} << "0 0 145.50000 -1 0" << "" << "1156 W height=320 1dBi SE;non-standard format";
        // clang-format on
    }
    void receiversRead()
    {
        const QString decoder = QStandardPaths::findExecutable(QStringLiteral("decode_aprs"));
        if (decoder.isEmpty())
            QSKIP("decode_aprs (Debian package direwolf) is not installed; ./test.sh installs it");
        QFETCH(Phg::Choice, phg);
        QFETCH(QString, channel);
        QFETCH(QString, feet);
        BeaconState s;
        s.rateCodes = Phg::rate_codes();
        s.phgSelected = phg.power >= 0;
        if (s.phgSelected)
            Phg::update_PHG(s, phg);
        if (!channel.isEmpty()) {
            const QStringList c = channel.split(QLatin1Char(' '));
            const int step = c[1].toInt();
            const Frequency::ChannelList list =
                Frequency::channel_list(Frequency::band_table()[size_t(c[0].toInt())], Frequency::step_entries()[step],
                                        Frequency::step_values()[size_t(step)], QLocale::c());
            s.frequencyTexts = list.commentTexts;
            s.frequency = qint16(list.entries.indexOf(c[2]));
            QVERIFY(s.frequency >= 0);
            s.toneTexts = Frequency::tone_texts(Frequency::tone_entries());
            s.tone = qint16(c[3].toInt());
            s.toneSelected = s.tone >= 0;
            s.wideFM = c[4] == QStringLiteral("1");
            s.operFrequencySelected = true;
        }
        if (!feet.isEmpty()) {
            s.standardAltitude = feet.endsWith(QStringLiteral("standard"));
            Altitude::feet_typed(s, feet.section(QLatin1Char(' '), 0, 0), QString());
            s.altitudeSelected = true;
        }
        const QString comment = Module1::assemble_beaconComment(s).comment;

        QProcess decode;
        decode.start(decoder, {});
        QVERIFY(decode.waitForStarted());
        decode.write("N0CALL>APRS:!4903.50N/07201.75W-" + comment.toLatin1() + "\n");
        decode.closeWriteChannel();
        QVERIFY(decode.waitForFinished(10000));
        const QString decoded = QString::fromUtf8(decode.readAllStandardOutput())
                                    .remove(QRegularExpression(QStringLiteral("\x1b\\[[0-9;]*[A-Za-z]")));
        QFETCH(QString, read);
        for (const QString &part : read.split(QLatin1Char(';'))) {
            const bool absent = part.startsWith(QLatin1Char('!'));
            QVERIFY2(decoded.contains(part.mid(absent ? 1 : 0)) != absent,
                     qPrintable(comment + QStringLiteral(" was read as:\n") + decoded));
        }
    }
};

QTEST_GUILESS_MAIN(tst_Interop)
#include "tst_interop.moc"
