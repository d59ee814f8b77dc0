#include "Fakes.h"
#include "Installation.h"

#include "language/clsLanguage.h"
#include "settings/A_GetSetIniFile.h"
#include "support/ProgramContext.h"

#include <QtTest>

class tst_Settings : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void firstStart_createsEveryKeyInOrder();
    void firstExit_addsSetupAndRewritesEveryKey();
    void completeFile_startWritesNothing();
    void load_conversions_data();
    void load_conversions();
    void saveAndLoad_keepEverything();
    void language_missingOnce_isNotErased();
    void language_chosenFromMenu_isSaved();

private:
    void loadInto(BeaconState &state);
    std::unique_ptr<Installation> installation;
    std::unique_ptr<ProgramContext> context;
    RecordingMessageBox messages;
};

namespace {

const QByteArray firstStartFile = "[TAB_General]\n"
                                  "Altitude_Selected=TRUE\n"
                                  "PHG_Selected=TRUE\n"
                                  "OperFrequency_Selected=TRUE\n"
                                  "FreeText_Selected=TRUE\n"
                                  "[TAB_PHG]\n"
                                  "Power=0\n"
                                  "Height=0\n"
                                  "Gain=0\n"
                                  "Direction=0\n"
                                  "[TAB_ALTITUDE]\n"
                                  "Feet=0\n"
                                  "Meters=0\n"
                                  "[TAB_FREQUENCY]\n"
                                  "Band=0\n"
                                  "Frequency=0\n"
                                  "Step=0\n"
                                  "Tone=0\n"
                                  "ToneSelected=FALSE\n"
                                  "[TAB_FREETEXT]\n"
                                  "FreeText=My free beacon text\n"
                                  "[Language]\n"
                                  "CurrentLanguage=English\n";

} // namespace

void tst_Settings::init()
{
    installation = std::make_unique<Installation>(QStringList{QStringLiteral("English.lf"), QStringLiteral("Deutsch.lf")});
    messages.shown.clear();
}

void tst_Settings::loadInto(BeaconState &state)
{
    context = std::make_unique<ProgramContext>(installation->path(), QStringLiteral("Tavrook"));
    context->objLanguage = std::make_unique<clsLanguage>(*context, messages);
    LoadSettings(state, *context);
}

void tst_Settings::firstStart_createsEveryKeyInOrder()
{
    BeaconState state;
    loadInto(state);
    QCOMPARE(installation->readFile(QStringLiteral("Tavrook.INI")), firstStartFile);
    QVERIFY(state.phgSelected && state.altitudeSelected && state.operFrequencySelected && state.freeTextSelected);
    QVERIFY(!state.toneSelected);
    QCOMPARE(state.freeText, QStringLiteral("My free beacon text"));
    QCOMPARE(context->objLanguage->get_language(), QStringLiteral("English"));
    QVERIFY(messages.shown.isEmpty());
}

void tst_Settings::firstExit_addsSetupAndRewritesEveryKey()
{
    BeaconState state;
    loadInto(state);
    SaveSettings(state, *context);
    QCOMPARE(installation->readFile(QStringLiteral("Tavrook.INI")), firstStartFile + "[SETUP]\nLEFT=0\nTOP=0\nMINIMIZED=FALSE\n");
}

void tst_Settings::completeFile_startWritesNothing()
{
    installation->writeFile(QStringLiteral("Tavrook.INI"), firstStartFile);
    const QDateTime stamp = QDateTime::currentDateTime().addDays(-1);
    {
        QFile file(installation->ini());
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(stamp, QFileDevice::FileModificationTime));
    }
    BeaconState state;
    loadInto(state);
    QCOMPARE(QFileInfo(installation->ini()).lastModified(), stamp);
}

void tst_Settings::load_conversions_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("value");

    QTest::newRow("negative power loads as 0") << QByteArray("[TAB_PHG]\nPower=-3\n") << "power"
                                               << "0";
    QTest::newRow("2.5 rounds to 2") << QByteArray("[TAB_PHG]\nPower=2.5\n") << "power"
                                     << "2";
    QTest::newRow("3.5 rounds to 4") << QByteArray("[TAB_PHG]\nPower=3.5\n") << "power"
                                     << "4";
    QTest::newRow("text without number is 0") << QByteArray("[TAB_PHG]\nGain=high\n") << "gain"
                                              << "0";
    QTest::newRow("height stored as text") << QByteArray("[TAB_PHG]\nHeight=7\n") << "height"
                                           << "7";
    QTest::newRow("height 3.5 becomes 4") << QByteArray("[TAB_PHG]\nHeight=3.5\n") << "height"
                                          << "4";
    QTest::newRow("height -2 becomes 0") << QByteArray("[TAB_PHG]\nHeight=-2\n") << "height"
                                         << "0";
    QTest::newRow("height code : comes back as 10") << QByteArray("[TAB_PHG]\nHeight=:\n") << "height"
                                                    << "10";
    QTest::newRow("height code = comes back as 13") << QByteArray("[TAB_PHG]\nHeight==\n") << "height"
                                                    << "13";
    QTest::newRow("feet above 32767 load in full") << QByteArray("[TAB_ALTITUDE]\nFeet=99999\n") << "feet"
                                                   << "99999";
    QTest::newRow("huge feet are clamped") << QByteArray("[TAB_ALTITUDE]\nFeet=99999999999\n") << "feet"
                                           << "2147483647";
    QTest::newRow("band beyond 16 bits is clamped") << QByteArray("[TAB_FREQUENCY]\nBand=70000\n") << "band"
                                                    << "32767";
    QTest::newRow("tone selected on") << QByteArray("[TAB_FREQUENCY]\nToneSelected=on\n") << "tone"
                                      << "true";
    QTest::newRow("tone selected -1 is false") << QByteArray("[TAB_FREQUENCY]\nToneSelected=-1\n") << "tone"
                                               << "false";
    QTest::newRow("free text present but empty") << QByteArray("[TAB_FREETEXT]\nFreeText=\n") << "freeText"
                                                 << "";
    QTest::newRow("free text loses its outer blanks") << QByteArray("[TAB_FREETEXT]\nFreeText=  QRV  \n") << "freeText"
                                                      << "QRV";
    QTest::newRow("element switched off") << QByteArray("[TAB_General]\nPHG_Selected=no\n") << "phg"
                                          << "false";
}

void tst_Settings::load_conversions()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, field);
    installation->writeFile(QStringLiteral("Tavrook.INI"), file);
    BeaconState s;
    loadInto(s);
    const QMap<QString, QString> fields = {
        {QStringLiteral("power"), QString::number(s.phgPower)},
        {QStringLiteral("gain"), QString::number(s.phgGain)},
        {QStringLiteral("height"), s.phgHeight},
        {QStringLiteral("feet"), QString::number(s.altitudeFeet)},
        {QStringLiteral("band"), QString::number(s.band)},
        {QStringLiteral("tone"), s.toneSelected ? QStringLiteral("true") : QStringLiteral("false")},
        {QStringLiteral("phg"), s.phgSelected ? QStringLiteral("true") : QStringLiteral("false")},
        {QStringLiteral("freeText"), s.freeText},
    };
    QTEST(fields.value(field), "value");
    if (field == QStringLiteral("freeText") && s.freeText.isEmpty())
        QVERIFY(installation->readFile(QStringLiteral("Tavrook.INI")).contains("FreeText=\n"));
}

void tst_Settings::saveAndLoad_keepEverything()
{
    BeaconState saved;
    loadInto(saved);
    saved.phgPower = 9;
    saved.phgHeight = QStringLiteral("=");
    saved.phgGain = 4;
    saved.phgDirection = 8;
    saved.altitudeFeet = 99999;
    saved.altitudeMeters = 30499;
    saved.band = 3;
    saved.frequency = 5999;
    saved.step = 0;
    saved.tone = 48;
    saved.toneSelected = true;
    saved.freeText = QStringLiteral("M\u00fcnster QRV 73");
    saved.altitudeSelected = false;
    SaveSettings(saved, *context);

    BeaconState loaded;
    loadInto(loaded);
    QCOMPARE(loaded.phgPower, 9);
    QCOMPARE(loaded.phgHeight, QStringLiteral("13"));
    QCOMPARE(loaded.phgGain, 4);
    QCOMPARE(loaded.phgDirection, 8);
    QCOMPARE(loaded.altitudeFeet, 99999);
    QCOMPARE(loaded.altitudeMeters, 30499);
    QCOMPARE(loaded.band, 3);
    QCOMPARE(loaded.frequency, 5999);
    QCOMPARE(loaded.tone, 48);
    QVERIFY(loaded.toneSelected);
    QVERIFY(!loaded.altitudeSelected);
    QCOMPARE(loaded.freeText, saved.freeText);
}

void tst_Settings::language_missingOnce_isNotErased()
{
    installation->writeFile(QStringLiteral("Tavrook.INI"), "[Language]\nCurrentLanguage=Frysk\n");
    BeaconState state;
    loadInto(state);
    QCOMPARE(messages.texts(), QStringList{QStringLiteral("can not locate language file for language Frysk.")});
    QCOMPARE(context->objLanguage->get_language(), QString());
    SaveSettings(state, *context);
    QVERIFY(installation->readFile(QStringLiteral("Tavrook.INI")).contains("CurrentLanguage=Frysk\n"));
}

void tst_Settings::language_chosenFromMenu_isSaved()
{
    BeaconState state;
    loadInto(state);
    context->objLanguage->language(QStringLiteral("Deutsch"));
    SaveSettings(state, *context);
    QVERIFY(installation->readFile(QStringLiteral("Tavrook.INI")).contains("CurrentLanguage=Deutsch\n"));
}

QTEST_GUILESS_MAIN(tst_Settings)
#include "tst_settings.moc"
