#include "Installation.h"

#include "support/LenientNumber.h"
#include "support/logging.h"

#include <QtTest>

#include <sys/stat.h>

using namespace Qt::StringLiterals;

class tst_Support : public QObject
{
    Q_OBJECT

    QTemporaryDir temp;

private slots:
    void initTestCase() { qputenv("TMPDIR", temp.path().toLocal8Bit()); }
    void init() { QFile::remove(log_filePath()); }

    void lenientNumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("int16");
        // clang-format off
        QTest::newRow("blanks and sign") << " - 1 2 . 5 feet" << -12.5 << -12;
        QTest::newRow("no number") << "abc" << 0.0 << 0;
        QTest::newRow("point first") << ".5" << 0.5 << 0;
        QTest::newRow("second point ends it") << "1.2.3" << 1.2 << 1;
        QTest::newRow("no exponent, no comma") << "3,5e9" << 3.0 << 3;
        QTest::newRow("halves round to even") << "3.5" << 3.5 << 4;
        QTest::newRow("clamped to 16 bits") << "-99999" << -99999.0 << -32768;
        // clang-format on
    }
    void lenientNumber()
    {
        QFETCH(QString, text);
        QTEST(LenientNumber::to_double(text), "value");
        QTEST(int(LenientNumber::to_int16(text)), "int16");
    }
    void log_entryIsStamped_inTheProgramsLogFile()
    {
        log_event(u"W"_s, u"first\r\nsecond"_s);
        const QStringList lines = Installation::readLog().split(u"\r\n"_s);
        const QString date = QRegularExpression::escape(QLocale().toString(QDate::currentDate(), QLocale::ShortFormat));
        const QRegularExpression stamped(QLatin1Char('^') + date + u" \\d{1,2}:\\d\\d:\\d\\d( [AP]M)? Warning-first$"_s);
        QVERIFY2(stamped.match(lines.value(0)).hasMatch(), qPrintable(lines.value(0)));
        QCOMPARE(lines.mid(1), (QStringList{u"second"_s, QString()}));
        QCOMPARE(log_filePath(), temp.path() + u"/tst_support.log"_s);
    }
    void log_plantedLinkFifoOrMissingFolder_writesNothingAndNeverBlocks()
    {
        const QString target = temp.path() + u"/victim.txt"_s;
        QFile file(target);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("precious") == 8);
        file.close();
        QVERIFY(QFile::link(target, log_filePath()));
        log_event(u"W"_s, u"should go nowhere"_s);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("precious"));

        // A FIFO without a reader would hold a blocking open forever.
        QVERIFY(QFile::remove(log_filePath()));
        QCOMPARE(::mkfifo(QFile::encodeName(log_filePath()).constData(), 0600), 0);
        log_event(u"W"_s, u"should go nowhere"_s);
        QVERIFY(QFileInfo(log_filePath()).exists() && !QFileInfo(log_filePath()).isFile());

        // Without its temporary folder the entry is lost, not written where the program stands.
        QTemporaryDir current;
        const QString before = QDir::currentPath();
        QVERIFY(QDir::setCurrent(current.path()));
        qputenv("TMPDIR", (current.path() + u"/missing"_s).toLocal8Bit());
        log_event(u"W"_s, u"lost"_s);
        qputenv("TMPDIR", temp.path().toLocal8Bit());
        QDir::setCurrent(before);
        QCOMPARE(QDir(current.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList());
    }
};

QTEST_GUILESS_MAIN(tst_Support)
#include "tst_support.moc"
