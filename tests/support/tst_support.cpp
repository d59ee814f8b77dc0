#include "Installation.h"

#include "support/A_URL.h"
#include "support/LenientNumber.h"
#include "support/TextCodec.h"
#include "support/logging.h"

#include <QRegularExpression>
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

class tst_Support : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void lenientNumber_data();
    void lenientNumber();
    void lenientInt16_data();
    void lenientInt16();

    void decode_data();
    void decode();

    void log_warningEntry_hasDateTimeAndPrefix();
    void log_severities_data();
    void log_severities();
    void log_multiLineText_onlyFirstLineStamped();
    void log_appendsInOrderToExistingFile();
    void log_plantedLink_isNotFollowed();
    void log_unwritableDirectory_isSilent();

    void helpDocument_data();
    void helpDocument();
    void shellUrl_webAddressesStayWeb();
    void shippedHelp_linksReachSomething_data();
    void shippedHelp_linksReachSomething();

private:
    QString readLog() const;
    QTemporaryDir temp;
};

void tst_Support::initTestCase()
{
    QVERIFY(temp.isValid());
    qputenv("TMPDIR", temp.path().toLocal8Bit());
}

void tst_Support::init()
{
    QFile::remove(log_filePath());
}

QString tst_Support::readLog() const
{
    QFile file(log_filePath());
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

void tst_Support::lenientNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("plain integer") << "42" << 42.0;
    QTest::newRow("leading blanks and sign") << "  -3" << -3.0;
    QTest::newRow("decimal") << "2.5" << 2.5;
    QTest::newRow("blanks inside the number are skipped") << "1 2 . 5" << 12.5;
    QTest::newRow("trailing text ignored") << "7 feet" << 7.0;
    QTest::newRow("no number") << "abc" << 0.0;
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("lone point") << "." << 0.0;
    QTest::newRow("point first") << ".5" << 0.5;
    QTest::newRow("height code") << ":" << 0.0;
    QTest::newRow("exponent is not read") << "1e9" << 1.0;
    QTest::newRow("comma is not a decimal point") << "3,5" << 3.0;
    QTest::newRow("minor of ten reads as one tenth") << "1.10" << 1.1;
}

void tst_Support::lenientNumber()
{
    QFETCH(QString, text);
    QTEST(LenientNumber::to_double(text), "value");
}

void tst_Support::lenientInt16_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("value");
    QTest::newRow("2.5 rounds to even 2") << "2.5" << 2;
    QTest::newRow("3.5 rounds to even 4") << "3.5" << 4;
    QTest::newRow("-2.5 rounds to even -2") << "-2.5" << -2;
    QTest::newRow("2.6 rounds up") << "2.6" << 3;
    QTest::newRow("above the range is clamped") << "99999" << 32767;
    QTest::newRow("below the range is clamped") << "-99999" << -32768;
    QTest::newRow("absurdly long number") << QString(500, QLatin1Char('9')) << 32767;
}

void tst_Support::lenientInt16()
{
    QFETCH(QString, text);
    QTEST(int(LenientNumber::to_int16(text)), "value");
}

void tst_Support::decode_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("ASCII") << QByteArray("DEF=English") << "DEF=English";
    QTest::newRow("UTF-8") << QByteArray("H\xc3\xb6he") << QStringLiteral("H\u00f6he");
    QTest::newRow("Windows-1252 umlaut") << QByteArray("H\xf6he") << QStringLiteral("H\u00f6he");
    QTest::newRow("Windows-1252 euro and quotes") << QByteArray("\x80 \x93x\x94") << QStringLiteral("\u20ac \u201cx\u201d");
    QTest::newRow("truncated UTF-8 falls back") << QByteArray("a\xc3") << QStringLiteral("a\u00c3");
}

void tst_Support::decode()
{
    QFETCH(QByteArray, bytes);
    QTEST(TextCodec::decode(bytes), "text");
}

void tst_Support::log_warningEntry_hasDateTimeAndPrefix()
{
    log_event(QStringLiteral("W"), QStringLiteral("look here"));
    const QString log = readLog();
    const QLocale locale;
    const QString date = locale.toString(QDate::currentDate(), QLocale::ShortFormat);
    QVERIFY2(log.startsWith(date + QLatin1Char(' ')), qPrintable(log));
    QVERIFY(log.endsWith(QStringLiteral(" Warning-look here\r\n")));
    const QString time = log.mid(date.size() + 1).section(QLatin1Char(' '), 0, 0);
    QVERIFY2(QRegularExpression(QStringLiteral("^\\d{1,2}:\\d\\d:\\d\\d$")).match(time).hasMatch(), qPrintable(time));
    QCOMPARE(log_filePath(), temp.path() + QStringLiteral("/tst_support.log"));
}

void tst_Support::log_severities_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("prefix");
    QTest::newRow("I") << "I"
                       << "Informational-";
    QTest::newRow("S") << "S"
                       << "Success-";
    QTest::newRow("W") << "W"
                       << "Warning-";
    QTest::newRow("E") << "E"
                       << "Error-";
    QTest::newRow("F") << "F"
                       << "Fatal-";
    QTest::newRow("lower-case w") << "w"
                                  << "Unknown-";
    QTest::newRow("empty") << ""
                           << "Unknown-";
    QTest::newRow("longer code") << "WW"
                                 << "Unknown-";
}

void tst_Support::log_severities()
{
    QFETCH(QString, code);
    QFETCH(QString, prefix);
    log_event(code, QStringLiteral("x"));
    QVERIFY2(readLog().endsWith(QLatin1Char(' ') + prefix + QStringLiteral("x\r\n")), qPrintable(readLog()));
}

void tst_Support::log_multiLineText_onlyFirstLineStamped()
{
    log_event(QStringLiteral("E"), QStringLiteral("first\r\nsecond\r\nthird"));
    const QStringList lines = readLog().split(QStringLiteral("\r\n"));
    QCOMPARE(lines.size(), 4);
    QVERIFY(lines[0].endsWith(QStringLiteral(" Error-first")));
    QCOMPARE(lines[1], QStringLiteral("second"));
    QCOMPARE(lines[2], QStringLiteral("third"));
    QCOMPARE(lines[3], QString());
}

void tst_Support::log_appendsInOrderToExistingFile()
{
    {
        QFile file(log_filePath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("earlier run\r\n");
    }
    log_event(QStringLiteral("I"), QStringLiteral("one"));
    log_event(QStringLiteral("S"), QStringLiteral("two"));
    const QStringList lines = readLog().split(QStringLiteral("\r\n"));
    QCOMPARE(lines.size(), 4);
    QCOMPARE(lines[0], QStringLiteral("earlier run"));
    QVERIFY(lines[1].endsWith(QStringLiteral("Informational-one")));
    QVERIFY(lines[2].endsWith(QStringLiteral("Success-two")));
}

void tst_Support::log_plantedLink_isNotFollowed()
{
    const QString target = temp.path() + QStringLiteral("/victim.txt");
    {
        QFile file(target);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("precious");
    }
    QVERIFY(QFile::link(target, log_filePath()));
    log_event(QStringLiteral("W"), QStringLiteral("should go nowhere"));
    QFile file(target);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("precious"));
    QVERIFY(QFileInfo(log_filePath()).isSymLink());
}

void tst_Support::log_unwritableDirectory_isSilent()
{
    QTemporaryDir locked;
    const QByteArray before = qgetenv("TMPDIR");
    qputenv("TMPDIR", (locked.path() + QStringLiteral("/missing/folder")).toLocal8Bit());
    log_event(QStringLiteral("W"), QStringLiteral("lost"));
    QVERIFY(!QFile::exists(locked.path() + QStringLiteral("/missing/folder/tst_support.log")));
    qputenv("TMPDIR", before);
}

void tst_Support::helpDocument_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QStringList>("present");
    QTest::addColumn<QString>("opened");
    const QStringList both = {QStringLiteral("Tavrook.html"), QStringLiteral("Tavrook_Deutsch.html"),
                              QStringLiteral("Tavrook_english.html")};
    QTest::newRow("English never looks for a variant") << "app"
                                                       << "English" << both << "Tavrook.html";
    QTest::newRow("translated page exists") << "app"
                                            << "Deutsch" << both << "Tavrook_Deutsch.html";
    QTest::newRow("no translated page") << "app"
                                        << "Nederlands" << both << "Tavrook.html";
    QTest::newRow("english in small letters is a translation") << "app"
                                                               << "english" << both << "Tavrook_english.html";
    QTest::newRow("folder with a dot in its name") << "Tavrook-1.0.8"
                                                   << "Deutsch" << both << "Tavrook_Deutsch.html";
    QTest::newRow("a folder by the variant's name does not count")
        << "app"
        << "Folder" << QStringList{QStringLiteral("Tavrook_Folder.html/")} << "Tavrook.html";
    QTest::newRow("empty language name") << "app"
                                         << "" << both << "Tavrook.html";
}

void tst_Support::helpDocument()
{
    QFETCH(QString, folder);
    QFETCH(QString, language);
    QFETCH(QStringList, present);
    QTemporaryDir dir;
    const QString app = dir.path() + QLatin1Char('/') + folder;
    QVERIFY(QDir().mkpath(app));
    for (const QString &file : present) {
        if (file.endsWith(QLatin1Char('/'))) {
            QVERIFY(QDir(app).mkpath(file));
        } else {
            QFile f(app + QLatin1Char('/') + file);
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
    }
    QFETCH(QString, opened);
    QCOMPARE(help_document(app + QStringLiteral("/Tavrook.html"), language), app + QLatin1Char('/') + opened);
}

void tst_Support::shellUrl_webAddressesStayWeb()
{
    QCOMPARE(shell_url(QStringLiteral("https://example.org/x")), QUrl(QStringLiteral("https://example.org/x")));
    QCOMPARE(shell_url(QStringLiteral("/opt/Tavrook/Tavrook.html")),
             QUrl::fromLocalFile(QStringLiteral("/opt/Tavrook/Tavrook.html")));
    QCOMPARE(shell_url(QStringLiteral("/opt/a dir/#1.html")).toLocalFile(), QStringLiteral("/opt/a dir/#1.html"));
}

void tst_Support::shippedHelp_linksReachSomething_data()
{
    QTest::addColumn<QString>("page");
    const QDir help(QStringLiteral(TAVROOK_SOURCE_DIR "/data/help"));
    const QStringList pages = help.entryList({QStringLiteral("*.html")}, QDir::Files);
    QVERIFY(pages.contains(QStringLiteral("Tavrook.html")));
    QVERIFY(pages.size() >= 2);
    for (const QString &page : pages)
        QTest::newRow(qPrintable(page)) << help.filePath(page);
}

void tst_Support::shippedHelp_linksReachSomething()
{
    QFETCH(QString, page);
    QFile file(page);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(file.readAll());
    QVERIFY(html.startsWith(QStringLiteral("<!DOCTYPE html>")));
    QVERIFY(html.contains(QRegularExpression(QStringLiteral("<html lang=\"[a-z]{2}\">"))));
    QVERIFY(html.contains(QStringLiteral("<title>")));
    const QRegularExpression href(QStringLiteral("href=\"([^\"]*)\""));
    int links = 0;
    for (const QRegularExpressionMatch &m : href.globalMatch(html)) {
        const QString target = m.captured(1);
        ++links;
        if (target.startsWith(QLatin1Char('#'))) {
            QVERIFY2(html.contains(QStringLiteral("id=\"") + target.mid(1) + QLatin1Char('"')), qPrintable(target));
        } else {
            QVERIFY2(!target.contains(QStringLiteral("://")), qPrintable(target));
            QVERIFY2(QFileInfo::exists(QFileInfo(page).dir().filePath(target)), qPrintable(target));
        }
    }
    QVERIFY(links > 0);
}

QTEST_GUILESS_MAIN(tst_Support)
#include "tst_support.moc"
