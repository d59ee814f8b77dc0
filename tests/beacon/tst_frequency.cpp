#include "beacon/Frequency.h"
#include "beacon/Module1.h"

#include <QtTest>

class tst_Frequency : public QObject
{
    Q_OBJECT

private slots:
    void channels_data();
    void channels();
    void channels_decimalCommaLocale_keepsPointInComment();
    void bandEntries_readAsShortestNumbers();
    void toneTexts_dropTheFraction();
    void element_stepTen_keepsItsBlank();
};

namespace {

const QLocale english(QLocale::English, QLocale::UnitedStates);

} // namespace

void tst_Frequency::channels_data()
{
    QTest::addColumn<int>("band");
    QTest::addColumn<int>("step");
    QTest::addColumn<int>("count");
    QTest::addColumn<QStringList>("firstEntries");
    QTest::addColumn<QString>("lastEntry");
    QTest::addColumn<QStringList>("firstComments");
    QTest::addColumn<QString>("lastComment");

    QTest::newRow("VHF - E, 5 kHz (first start)") << 0 << 0 << 400 << QStringList{"144.00000", "144.00500"} << "145.99500"
                                                  << QStringList{"144.000", "144.005"} << "145.995";
    QTest::newRow("VHF - E, 12.5 kHz") << 0 << 3 << 160 << QStringList{"144.00000", "144.01250", "144.02500"} << "145.98750"
                                       << QStringList{"144.000", "144.012", "144.025"} << "145.987";
    QTest::newRow("VHF - E, 6.25 kHz is cut, not rounded")
        << 0 << 1 << 320 << QStringList{"144.00000", "144.00625", "144.01250", "144.01875"} << "145.99375"
        << QStringList{"144.000", "144.006", "144.012", "144.018"} << "145.993";
    QTest::newRow("VHF - E, 15 kHz") << 0 << 4 << 134 << QStringList{"144.00000"} << "145.99500" << QStringList{"144.000"}
                                     << "145.995";
    QTest::newRow("VHF - E, 30 kHz") << 0 << 7 << 67 << QStringList{"144.00000"} << "145.98000" << QStringList{"144.000"}
                                     << "145.980";
    QTest::newRow("VHF - E, 10 kHz keeps two decimals and a blank")
        << 0 << 2 << 200 << QStringList{"144.00000", "144.01000"} << "145.99000" << QStringList{"144.00 ", "144.01 "}
        << "145.99 ";
    QTest::newRow("VHF - E, 100 kHz, the narrowest list")
        << 0 << 9 << 20 << QStringList{"144.00000"} << "145.90000" << QStringList{"144.000"} << "145.900";
    QTest::newRow("UHF - A, 5 kHz, the largest list")
        << 3 << 0 << 6000 << QStringList{"420.00000"} << "449.99500" << QStringList{"420.000"} << "449.995";
    QTest::newRow("UHF - E, 25 kHz") << 1 << 6 << 400 << QStringList{"430.00000", "430.02500"} << "439.97500"
                                     << QStringList{"430.000", "430.025"} << "439.975";
}

void tst_Frequency::channels()
{
    QFETCH(int, band);
    QFETCH(int, step);
    const auto bands = Frequency::band_table();
    const Frequency::ChannelList list = Frequency::channel_list(bands[size_t(band)], Frequency::step_entries().at(step),
                                                                Frequency::step_values()[size_t(step)], english);
    QTEST(int(list.entries.size()), "count");
    QCOMPARE(list.commentTexts.size(), list.entries.size());
    QFETCH(QStringList, firstEntries);
    QFETCH(QStringList, firstComments);
    QCOMPARE(list.entries.mid(0, firstEntries.size()), firstEntries);
    QCOMPARE(list.commentTexts.mid(0, firstComments.size()), firstComments);
    QTEST(list.entries.last(), "lastEntry");
    QTEST(list.commentTexts.last(), "lastComment");
    for (const QString &text : list.commentTexts)
        QCOMPARE(text.size(), 7);
}

void tst_Frequency::channels_decimalCommaLocale_keepsPointInComment()
{
    const QLocale german(QLocale::German, QLocale::Germany);
    const auto bands = Frequency::band_table();
    const Frequency::ChannelList list = Frequency::channel_list(bands[0], QStringLiteral("12.5"), 12.5, german);
    QCOMPARE(list.entries.at(1), QStringLiteral("144,01250"));
    QCOMPARE(list.commentTexts.at(1), QStringLiteral("144.012"));

    BeaconState s;
    s.frequencyTexts = list.commentTexts;
    s.frequency = 1;
    QCOMPARE(Module1::frequency_element(s), QStringLiteral("144.012MHz"));
}

void tst_Frequency::bandEntries_readAsShortestNumbers()
{
    QStringList entries;
    for (const BandPlan &band : Frequency::band_table())
        entries << Frequency::band_entry(band);
    QCOMPARE(entries, (QStringList{"VHF - E  144 - 146 MHz.", "UHF - E  430 - 440 MHz.", "VHF - A  144 - 148 MHz.",
                                   "UHF - A  420 - 450 MHz."}));
    QCOMPARE(Frequency::band_entry({QStringLiteral("X"), 144.5, 146.25}), QStringLiteral("X  144.5 - 146.25 MHz."));
}

void tst_Frequency::toneTexts_dropTheFraction()
{
    const QStringList entries = Frequency::tone_entries();
    QCOMPARE(entries.size(), 49);
    QVERIFY(!entries.contains(QStringLiteral("229.1")));
    const QStringList texts = Frequency::tone_texts(entries);
    QCOMPARE(texts.first(), QStringLiteral("067"));
    QCOMPARE(texts.at(8), QStringLiteral("088"));
    QCOMPARE(texts.at(12), QStringLiteral("100"));
    QCOMPARE(texts.at(25), QStringLiteral("156"));
    QCOMPARE(texts.last(), QStringLiteral("254"));
}

void tst_Frequency::element_stepTen_keepsItsBlank()
{
    BeaconState s;
    s.frequencyTexts = {QStringLiteral("144.01 ")};
    s.toneTexts = {QStringLiteral("088")};
    s.toneSelected = true;
    QCOMPARE(Module1::frequency_element(s), QStringLiteral("144.01 MHz t088"));
}

QTEST_GUILESS_MAIN(tst_Frequency)
#include "tst_frequency.moc"
