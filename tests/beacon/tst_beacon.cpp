#include "beacon/Advice.h"
#include "beacon/Altitude.h"
#include "beacon/Module1.h"
#include "beacon/Phg.h"

#include <QtTest>

class tst_Beacon : public QObject
{
    Q_OBJECT

private slots:
    void assembly_data();
    void assembly();
    void assembly_workedExample_fillsEveryDisplayLine();
    void assembly_noElement_showsBlankDisplays();
    void assembly_missingSelection_leavesElementOut();

    void phg_data();
    void phg();
    void phg_rateChangedWhileUnticked_followsCodeOnly();
    void phg_whileInitialising_changesNothing();
    void phg_heightEntries_useLocaleSeparatorWithoutGrouping();

    void altitudeKeys_data();
    void altitudeKeys();
    void altitudeFeet_data();
    void altitudeFeet();
    void altitudeMeters_data();
    void altitudeMeters();
    void altitudeRestore_data();
    void altitudeRestore();

    void clamp_outOfRangePositions_becomeLastEntry();

    void range_data();
    void range();
    void characters_data();
    void characters();
};

namespace {

BeaconState sample()
{
    BeaconState s;
    s.phgText = QStringLiteral("PHG5130");
    s.frequencyTexts = {QStringLiteral("145.500")};
    s.toneTexts = {QStringLiteral("067"), QStringLiteral("088")};
    s.tone = 1;
    s.altitudeText = QStringLiteral("A=01234");
    s.freeText = QStringLiteral("Hello");
    return s;
}

QString padded(const QString &text, int width)
{
    return (text + QString(width, QLatin1Char(' '))).left(width);
}

} // namespace

void tst_Beacon::assembly_data()
{
    QTest::addColumn<QString>("ticked"); // P hg, F requency, A ltitude, T ext, X extended
    QTest::addColumn<QString>("phgText");
    QTest::addColumn<QString>("altitudeText");
    QTest::addColumn<QString>("freeText");
    QTest::addColumn<bool>("tone");
    QTest::addColumn<bool>("wide");
    QTest::addColumn<QString>("comment");
    QTest::addColumn<bool>("shortened");
    QTest::addColumn<QString>("display");

    const QString phg = QStringLiteral("PHG5130");
    const QString alt = QStringLiteral("A=01234");
    const QString hello = QStringLiteral("Hello");
    QTest::newRow("no element ticked") << "" << phg << alt << hello << false << false << "" << false << "";
    QTest::newRow("all four ticked, worked example")
        << "PFAT" << phg << alt << hello << true << true << "PHG5130/145.500MHz T088/A=01234 Hello" << false
        << "145.500MHz T088/A=01234 Hello";
    QTest::newRow("altitude alone keeps its slash")
        << "A" << phg << alt << hello << false << false << "/A=01234" << false << "A=01234";
    QTest::newRow("empty PHG text is left out without separator")
        << "PA"
        << "" << alt << hello << false << false << "/A=01234" << false << "A=01234";
    QTest::newRow("empty altitude text is left out") << "PA" << phg << "" << hello << false << false << "PHG5130" << false << "";
    QTest::newRow("free text alone has no leading blank")
        << "T" << phg << alt << hello << false << false << "Hello" << false << "Hello";
    QTest::newRow("empty free text alone gives an empty comment")
        << "T" << phg << alt << "" << false << false << "" << false << "";
    QTest::newRow("PHG with empty free text ends in a blank")
        << "PT" << phg << alt << "" << false << false << "PHG5130 " << false << "";
    QTest::newRow("PHG stands in no display line")
        << "PT" << phg << alt << hello << false << false << "PHG5130 Hello" << false << "Hello";
    QTest::newRow("narrow tone is a small t")
        << "F" << phg << alt << hello << true << false << "145.500MHz t088" << false << "145.500MHz t088";
    QTest::newRow("tone box unticked: width does not show")
        << "F" << phg << alt << hello << false << true << "145.500MHz" << false << "145.500MHz";
    QTest::newRow("PHG and frequency joined by a slash")
        << "PF" << phg << alt << hello << false << false << "PHG5130/145.500MHz" << false << "145.500MHz";
    QTest::newRow("altitude then free text: blank before the text")
        << "AT" << phg << alt << hello << false << false << "/A=01234 Hello" << false << "A=01234 Hello";
    QTest::newRow("extended frequency changes nothing") << "X" << phg << alt << hello << false << false << "" << false << "";
    QTest::newRow("free text is taken untrimmed")
        << "T" << phg << alt << "  padded  " << false << false << "  padded  " << false << "  padded  ";
    const QString x43(43, QLatin1Char('x'));
    QTest::newRow("43 characters stay whole without warning")
        << "T" << phg << alt << x43 << false << false << x43 << false << x43;
    const QString x44 = QString(43, QLatin1Char('x')) + QLatin1Char('y');
    QTest::newRow("44 characters are cut to 43 with the warning")
        << "T" << phg << alt << x44 << false << false << x43 << true << x44;
    QTest::newRow("long comment cut, display keeps the uncut text")
        << "PFAT" << phg << alt << QStringLiteral("The quick brown fox") << true << true
        << "PHG5130/145.500MHz T088/A=01234 The quick b" << true << "145.500MHz T088/A=01234 The quick brown fox";
}

void tst_Beacon::assembly()
{
    QFETCH(QString, ticked);
    QFETCH(QString, phgText);
    QFETCH(QString, altitudeText);
    QFETCH(QString, freeText);
    QFETCH(bool, tone);
    QFETCH(bool, wide);

    BeaconState s = sample();
    s.phgSelected = ticked.contains(QLatin1Char('P'));
    s.operFrequencySelected = ticked.contains(QLatin1Char('F'));
    s.altitudeSelected = ticked.contains(QLatin1Char('A'));
    s.freeTextSelected = ticked.contains(QLatin1Char('T'));
    s.extOperFrequencySelected = ticked.contains(QLatin1Char('X'));
    s.phgText = phgText;
    s.altitudeText = altitudeText;
    s.freeText = freeText;
    s.toneSelected = tone;
    s.wideFM = wide;

    const BeaconComment result = Module1::assemble_beaconComment(s);
    QTEST(result.comment, "comment");
    QTEST(result.shortened, "shortened");
    QFETCH(QString, display);
    QCOMPARE(result.tmd710[0], padded(display, 42));
    QCOMPARE(result.tmd700[0], padded(display, 14));
}

void tst_Beacon::assembly_workedExample_fillsEveryDisplayLine()
{
    BeaconState s = sample();
    s.phgSelected = s.operFrequencySelected = s.altitudeSelected = s.freeTextSelected = true;
    s.toneSelected = s.wideFM = true;
    const BeaconComment r = Module1::assemble_beaconComment(s);
    QCOMPARE(r.comment.size(), 37);
    QCOMPARE(r.thd7[0], QStringLiteral(" 1:QQ9ZZZ-9"));
    QCOMPARE(r.thd7[1], QStringLiteral("  145.500MHz"));
    QCOMPARE(r.thd7[2], QStringLiteral("   T088/A=01"));
    QCOMPARE(r.tmd700[0], QStringLiteral("145.500MHz T08"));
    QCOMPARE(r.tmd700[1], QStringLiteral("8/A=01234 Hell"));
    QCOMPARE(r.tmd700[2], QString());
    QCOMPARE(r.tmd710[0], QStringLiteral("145.500MHz T088/A=01234 Hello") + QString(13, QLatin1Char(' ')));
    QCOMPARE(r.tmd710[1], QString());
}

void tst_Beacon::assembly_noElement_showsBlankDisplays()
{
    const BeaconComment r = Module1::assemble_beaconComment(sample());
    QCOMPARE(r.comment, QString());
    QCOMPARE(r.thd7[0], QStringLiteral(" 1:QQ9ZZZ-9"));
    QCOMPARE(r.thd7[1], QString(12, QLatin1Char(' ')));
    QCOMPARE(r.thd7[2], QString(12, QLatin1Char(' ')));
    QCOMPARE(r.tmd700[0], QString(14, QLatin1Char(' ')));
    QCOMPARE(r.tmd700[1], QString(14, QLatin1Char(' ')));
    QCOMPARE(r.tmd710[0], QString(42, QLatin1Char(' ')));
}

void tst_Beacon::assembly_missingSelection_leavesElementOut()
{
    BeaconState s = sample();
    s.operFrequencySelected = s.freeTextSelected = true;
    s.frequency = -1;
    QCOMPARE(Module1::assemble_beaconComment(s).comment, QStringLiteral("Hello"));
    s.frequency = 0;
    s.toneSelected = true;
    s.tone = 49;
    QCOMPARE(Module1::assemble_beaconComment(s).comment, QStringLiteral("145.500MHz Hello"));
}

void tst_Beacon::phg_data()
{
    QTest::addColumn<int>("power");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("gain");
    QTest::addColumn<int>("direction");
    QTest::addColumn<int>("rate");
    QTest::addColumn<bool>("rateTicked");
    QTest::addColumn<QString>("phgText");

    QTest::newRow("all first entries") << 0 << 0 << 0 << 0 << 1 << false << "PHG0000";
    QTest::newRow("25 W, 20 ft, 3 dB, OMNI") << 5 << 1 << 3 << 0 << 1 << false << "PHG5130";
    QTest::newRow("rate entry 1 included") << 5 << 1 << 3 << 0 << 1 << true << "PHGR51301";
    QTest::newRow("81 W, 10240 ft, 9 dB, N") << 9 << 10 << 9 << 8 << 1 << false << "PHG9:98";
    QTest::newRow("height entry 9 is still a digit") << 0 << 9 << 0 << 0 << 1 << false << "PHG0900";
    QTest::newRow("height entry 11 is ;") << 0 << 11 << 0 << 0 << 1 << false << "PHG0;00";
    QTest::newRow("height entry 12 is <") << 0 << 12 << 0 << 0 << 1 << false << "PHG0<00";
    QTest::newRow("height entry 13 is =") << 0 << 13 << 0 << 0 << 1 << false << "PHG0=00";
    QTest::newRow("rate 0") << 1 << 2 << 3 << 4 << 0 << true << "PHGR12340";
    QTest::newRow("rate 9") << 1 << 2 << 3 << 4 << 9 << true << "PHGR12349";
    QTest::newRow("rate 10 is A") << 1 << 2 << 3 << 4 << 10 << true << "PHGR1234A";
    QTest::newRow("rate 35 is Z") << 1 << 2 << 3 << 4 << 35 << true << "PHGR1234Z";
}

void tst_Beacon::phg()
{
    QFETCH(int, power);
    QFETCH(int, height);
    QFETCH(int, gain);
    QFETCH(int, direction);
    QFETCH(int, rate);
    QFETCH(bool, rateTicked);

    BeaconState s;
    s.rateCodes = Phg::rate_codes();
    Phg::update_PHG(s, {power, height, gain, direction, rate, rateTicked});
    QTEST(s.phgText, "phgText");
    QCOMPARE(s.phgPower, power);
    QCOMPARE(s.phgGain, gain);
}

void tst_Beacon::phg_rateChangedWhileUnticked_followsCodeOnly()
{
    BeaconState s;
    s.rateCodes = Phg::rate_codes();
    Phg::update_PHG(s, {5, 1, 3, 0, 35, false});
    QCOMPARE(s.phgText, QStringLiteral("PHG5130"));
    QCOMPARE(s.rateCode, quint8('Z'));

    // No option set keeps the previous direction.
    Phg::update_PHG(s, {5, 1, 3, 6, 1, false});
    Phg::update_PHG(s, {5, 1, 3, -1, 1, false});
    QCOMPARE(s.phgText, QStringLiteral("PHG5136"));
}

void tst_Beacon::phg_whileInitialising_changesNothing()
{
    BeaconState s;
    s.rateCodes = Phg::rate_codes();
    s.initialising = true;
    s.phgHeight = QStringLiteral("7");
    Phg::update_PHG(s, {5, 1, 3, 0, 1, true});
    QCOMPARE(s.phgText, QString());
    QCOMPARE(s.phgHeight, QStringLiteral("7"));
}

void tst_Beacon::phg_heightEntries_useLocaleSeparatorWithoutGrouping()
{
    const QStringList english = Phg::height_entries(QLocale(QLocale::English, QLocale::UnitedStates));
    QCOMPARE(english.size(), 14);
    QCOMPARE(english.first(), QStringLiteral("10 feet 3.3 meters"));
    QCOMPARE(english.at(1), QStringLiteral("20 feet 6.7 meters"));
    QCOMPARE(english.last(), QStringLiteral("81920 feet 27306.7 meters"));
    const QStringList german = Phg::height_entries(QLocale(QLocale::German, QLocale::Germany));
    QCOMPARE(german.last(), QStringLiteral("81920 feet 27306,7 meters"));
    QCOMPARE(Phg::power_entries().at(9), QStringLiteral("81 Watt"));
    QCOMPARE(Phg::gain_entries().at(3), QStringLiteral("3 dB"));
    QCOMPARE(Phg::rate_entries().size(), 36);
}

void tst_Beacon::altitudeKeys_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("digit") << "7" << true;
    QTest::newRow("backspace") << "\b" << true;
    QTest::newRow("key typing nothing (Delete, arrows)") << "" << true;
    QTest::newRow("letter") << "a" << false;
    QTest::newRow("minus") << "-" << false;
    QTest::newRow("decimal point") << "." << false;
    QTest::newRow("Enter") << "\r" << false;
    QTest::newRow("blank") << " " << false;
    QTest::newRow("non-Latin digit") << QStringLiteral("\u0663") << false;
}

void tst_Beacon::altitudeKeys()
{
    QFETCH(QString, typed);
    QTEST(Altitude::key_accepted(typed), "accepted");
}

void tst_Beacon::altitudeFeet_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("feetBox");
    QTest::addColumn<int>("feet");
    QTest::addColumn<QString>("element");
    QTest::newRow("1234 feet") << "1234"
                               << "1234" << 1234 << "A=01234";
    QTest::newRow("99999 feet is left alone") << "99999"
                                              << "99999" << 99999 << "A=99999";
    QTest::newRow("100000 feet is capped") << "100000"
                                           << "99999" << 99999 << "A=99999";
    QTest::newRow("123456 feet is capped") << "123456"
                                           << "99999" << 99999 << "A=99999";
    QTest::newRow("empty box is zero") << ""
                                       << "" << 0 << "A=00000";
    QTest::newRow("pasted digits then letters") << "12ab"
                                                << "12ab" << 12 << "A=00012";
    QTest::newRow("an absurd run of digits") << QString(40, QLatin1Char('9')) << "99999" << 99999 << "A=99999";
}

void tst_Beacon::altitudeFeet()
{
    QFETCH(QString, typed);
    BeaconState s;
    s.altitudeMeters = 500;
    const Altitude::BoxUpdate boxes = Altitude::feet_typed(s, typed, QStringLiteral("500"));
    QTEST(boxes.feetBox, "feetBox");
    QCOMPARE(boxes.metersBox, QStringLiteral("500")); // the metres box keeps its text
    QTEST(int(s.altitudeFeet), "feet");
    QCOMPARE(s.altitudeMeters, 0);
    QTEST(s.altitudeText, "element");
}

void tst_Beacon::altitudeMeters_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("metersBox");
    QTest::addColumn<int>("meters");
    QTest::addColumn<QString>("element");
    QTest::newRow("100 metres") << "100"
                                << "100" << 100 << "A=00328";
    QTest::newRow("1000 metres") << "1000"
                                 << "1000" << 1000 << "A=03279";
    QTest::newRow("30499 metres is below the cap") << "30499"
                                                   << "30499" << 30499 << "A=99997";
    QTest::newRow("30500 metres is capped") << "30500"
                                            << "30499" << 30499 << "A=99999";
    QTest::newRow("empty box") << ""
                               << "" << 0 << "A=00000";
}

void tst_Beacon::altitudeMeters()
{
    QFETCH(QString, typed);
    BeaconState s;
    s.altitudeFeet = 1234;
    const Altitude::BoxUpdate boxes = Altitude::meters_typed(s, QStringLiteral("1234"), typed);
    QTEST(boxes.metersBox, "metersBox");
    QCOMPARE(boxes.feetBox, QString()); // typing metres clears the feet box
    QCOMPARE(s.altitudeFeet, 0);
    QTEST(int(s.altitudeMeters), "meters");
    QTEST(s.altitudeText, "element");
}

void tst_Beacon::altitudeRestore_data()
{
    QTest::addColumn<int>("feet");
    QTest::addColumn<int>("meters");
    QTest::addColumn<QString>("feetBox");
    QTest::addColumn<QString>("metersBox");
    QTest::addColumn<QString>("element");
    QTest::newRow("first start") << 0 << 0 << ""
                                 << "0"
                                 << "A=00000";
    QTest::newRow("feet stored") << 1234 << 0 << "1234"
                                 << ""
                                 << "A=01234";
    QTest::newRow("metres stored") << 0 << 100 << ""
                                   << "100"
                                   << "A=00328";
    QTest::newRow("capped metres come back below the cap") << 0 << 30499 << ""
                                                           << "30499"
                                                           << "A=99997";
    QTest::newRow("feet above 32767") << 99999 << 0 << "99999"
                                      << ""
                                      << "A=99999";
}

void tst_Beacon::altitudeRestore()
{
    QFETCH(int, feet);
    QFETCH(int, meters);
    BeaconState s;
    s.altitudeFeet = feet;
    s.altitudeMeters = meters;
    const Altitude::BoxUpdate boxes = Altitude::restore(s);
    QTEST(boxes.feetBox, "feetBox");
    QTEST(boxes.metersBox, "metersBox");
    QTEST(s.altitudeText, "element");
}

void tst_Beacon::clamp_outOfRangePositions_becomeLastEntry()
{
    BeaconState s;
    s.band = 50;
    s.step = 10;
    s.tone = 32767;
    s.phgPower = 10;
    s.phgGain = 99;
    s.phgDirection = 9;
    s.phgHeight = QStringLiteral("14");
    Module1::clamp_toLists(s);
    QCOMPARE(s.band, 3);
    QCOMPARE(s.step, 9);
    QCOMPARE(s.tone, 48);
    QCOMPARE(s.phgPower, 9);
    QCOMPARE(s.phgGain, 9);
    QCOMPARE(s.phgDirection, 8);
    QCOMPARE(s.phgHeight, QStringLiteral("13"));
}

void tst_Beacon::range_data()
{
    QTest::addColumn<int>("power");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("gain");
    QTest::addColumn<int>("direction");
    QTest::addColumn<QString>("text");
    QTest::newRow("PHG5130") << 5 << 1 << 3 << 0 << QStringLiteral("\u2248 7.9 mi (12.8 km)");
    QTest::newRow("0 W reaches nowhere") << 0 << 13 << 9 << 0 << QStringLiteral("\u2248 0.0 mi (0.0 km)");
    QTest::newRow("lowest codes with power") << 1 << 0 << 0 << 0 << QStringLiteral("\u2248 2.1 mi (3.4 km)");
    QTest::newRow("highest codes") << 9 << 13 << 9 << 0 << QStringLiteral("\u2248 964.0 mi (1551.4 km)");
    QTest::newRow("height code 10 is 10240 ft") << 5 << 10 << 3 << 0 << QStringLiteral("\u2248 179.8 mi (289.4 km)");
    QTest::newRow("directional") << 5 << 1 << 3 << 2 << QStringLiteral("\u2248 7.9 mi (12.8 km), shifted E");
}

void tst_Beacon::range()
{
    QFETCH(int, power);
    QFETCH(int, height);
    QFETCH(int, gain);
    QFETCH(int, direction);
    QTEST(Advice::phg_rangeText(power, height, gain, direction, QLocale::c()), "text");
}

void tst_Beacon::characters_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("warning");
    QTest::newRow("clean text") << "QRV 145.500 via WIDE2-2 (73!)"
                                << "";
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("bar") << "a|b"
                         << "APRS does not allow |";
    QTest::newRow("tilde, named once") << "~x~"
                                       << "APRS does not allow ~";
    QTest::newRow("control character") << QStringLiteral("bell\a") << "APRS does not allow U+0007";
    QTest::newRow("delete") << QStringLiteral("x\x7f") << "APRS does not allow U+007F";
    QTest::newRow("non-ASCII") << QStringLiteral("M\u00fcnster \u20ac") << QStringLiteral("The radios cannot show \u00fc \u20ac");
    QTest::newRow("both kinds") << QStringLiteral("|\u00e9")
                                << QStringLiteral("APRS does not allow |; the radios cannot show \u00e9");
    QTest::newRow("outside the basic plane")
        << QStringLiteral("73 \U0001F4E1") << QStringLiteral("The radios cannot show \U0001F4E1");
}

void tst_Beacon::characters()
{
    QFETCH(QString, text);
    QTEST(Advice::freeText_warning(text), "warning");
}

QTEST_GUILESS_MAIN(tst_Beacon)
#include "tst_beacon.moc"
