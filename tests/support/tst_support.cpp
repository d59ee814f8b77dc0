#include "Installation.h"

#include "support/A_URL.h"
#include "support/LenientNumber.h"
#include "support/logging.h"

#include <QRegularExpression>
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

    void log_entriesAreStampedAndAppended()
    {
        {
            QFile file(log_filePath());
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("earlier run\r\n");
        }
        log_event(u"W"_s, u"first\r\nsecond"_s);
        log_event(u"E"_s, u"x"_s);
        const QStringList lines = Installation::readLog().split(u"\r\n"_s);
        const QString date = QRegularExpression::escape(QLocale().toString(QDate::currentDate(), QLocale::ShortFormat));
        const QRegularExpression stamped(QLatin1Char('^') + date + u" \\d{1,2}:\\d\\d:\\d\\d( [AP]M)? Warning-first$"_s);
        QVERIFY2(stamped.match(lines.value(1)).hasMatch(), qPrintable(lines.value(1)));
        QCOMPARE(lines.value(0) + QLatin1Char('|') + lines.value(2), u"earlier run|second"_s);
        QVERIFY(lines.value(3).endsWith(u" Error-x"_s));
        QCOMPARE(lines.size(), 5);
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

    void helpDocument_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("opened");
        // clang-format off
        QTest::newRow("English never looks for a variant") << "app" << "English" << "Tavrook.html";
        QTest::newRow("translated page") << "Tavrook-1.0.8" << "Deutsch" << "Tavrook_Deutsch.html";
        QTest::newRow("english in small letters") << "app" << "english" << "Tavrook_english.html";
        QTest::newRow("a folder by the page's name") << "app" << "Folder" << "Tavrook.html";
        // clang-format on
    }
    void helpDocument()
    {
        QFETCH(QString, folder);
        QFETCH(QString, language);
        const QString app = temp.path() + QLatin1Char('/') + folder;
        QVERIFY(QDir().mkpath(app + u"/Tavrook_Folder.html"_s));
        for (const char *page : {"Tavrook.html", "Tavrook_Deutsch.html", "Tavrook_english.html"}) {
            QFile f(app + QLatin1Char('/') + QLatin1String(page));
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
        QFETCH(QString, opened);
        QCOMPARE(help_document(app + u"/Tavrook.html"_s, language), app + QLatin1Char('/') + opened);
    }

    void shippedHelp_linksReachSomething()
    {
        const QDir help(QStringLiteral(TAVROOK_SOURCE_DIR "/data/help"));
        const QStringList pages = help.entryList({u"*.html"_s}, QDir::Files);
        QVERIFY(pages.contains(u"Tavrook.html"_s));
        for (const QString &page : pages) {
            QFile file(help.filePath(page));
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QString html = QString::fromUtf8(file.readAll());
            QVERIFY(html.startsWith(u"<!DOCTYPE html>"_s) && html.contains(u"<title>"_s));
            for (const QRegularExpressionMatch &m : QRegularExpression(u"href=\"([^\"]*)\""_s).globalMatch(html)) {
                const QString target = m.captured(1);
                const bool reached = target.startsWith(QLatin1Char('#')) ? html.contains(u"id=\"%1\""_s.arg(target.mid(1)))
                                                                         : QFileInfo::exists(help.filePath(target));
                QVERIFY2(reached, qPrintable(page + u": "_s + target));
            }
        }
    }
};

QTEST_GUILESS_MAIN(tst_Support)
#include "tst_support.moc"
