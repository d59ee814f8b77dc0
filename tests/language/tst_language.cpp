#include "Fakes.h"
#include "Installation.h"

#include "language/clsLanguage.h"

#include <QtTest>

using namespace Qt::StringLiterals;

class tst_Language : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        installation = std::make_unique<Installation>(QStringList{});
        messages.shown.clear();
    }

    void lineRules_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QString>("result"); // of ITEM0001, default "d"
        // clang-format off
        QTest::newRow("plain entry") << QByteArray("ITEM0001=Allgemein\r\n") << "Allgemein";
        QTest::newRow("comment line holding =") << QByteArray(";ITEM0001=no\r\nITEM0001=yes\r\n") << "yes";
        QTest::newRow("blanks after = belong to the value") << QByteArray("ITEM0001=NE (45) \r\n") << "NE (45) ";
        QTest::newRow("blanks before = belong to the key") << QByteArray("ITEM0001 =x\r\n") << "* d";
        QTest::newRow("small-letter key does not match") << QByteArray("item0001=x\r\n") << "* d";
        QTest::newRow("first of two equal keys wins") << QByteArray("ITEM0001=first\r\nITEM0001=second\r\n") << "first";
        QTest::newRow("empty value counts as missing") << QByteArray("ITEM0001=\r\n") << "* d";
        QTest::newRow("lone CR ends a line") << QByteArray("X=a\rITEM0001=b\r") << "b";
        QTest::newRow("lone LF stays in the line") << QByteArray("ITEM0001=a\nITEM0002=b\r\n") << "a\nITEM0002=b";
        QTest::newRow("last line needs no line end") << QByteArray("ITEM0001=end") << "end";
        QTest::newRow("byte-order mark on any line") << QByteArray("\xff\xfeITEM0001=x\r\n") << "x";
        QTest::newRow("Windows-1252 line") << QByteArray("ITEM0001=\x84H\xf6he\x93 5 \x80\r\n") << u"\u201eH\u00f6he\u201c 5 \u20ac"_s;
        QTest::newRow("UTF-8 line") << QByteArray("ITEM0001=H\xc3\xb6he\r\n") << u"H\u00f6he"_s;
        QTest::newRow("CRLF marker") << QByteArray("ITEM0001=one{CRLF}two{crlf}\r\n") << "one\r\ntwo{crlf}";
        // clang-format on
    }
    void lineRules()
    {
        QFETCH(QByteArray, body);
        writeLanguage(u"Test.lf"_s, "DEF=Test\r\nVER=1\r\n" + body);
        clsLanguage &l = create();
        l.language(u"Test"_s);
        QTEST(l.translate(u"ITEM0001"_s, u"d"_s, u"where"_s), "result");
    }
    void header_nameVersionTranslatorAndOrder()
    {
        // Created out of name order: the menu lists them by file name all the same.
        writeLanguage(u"d.lf"_s, "DEF=Delta\r\nVER=4\r\nTRANSLATOR=Dora\r\n");
        writeLanguage(u"b.lf"_s, "\xef\xbb\xbf"
                                 "DEF=Bravo\r\nVER=7\r\nTRANSLATOR=Bram\r\n");
        writeLanguage(u"e.lf"_s, "DEF=Echo\r\nVER=5\r\nTRANSLATOR=Ed\r\n");
        writeLanguage(u"a.lf"_s, "\xff\xfe"
                                 "DEF=Alpha\r\nVER=3\r\nVER=2.5\r\nTRANSLATOR=Anna\r\nDEF=Two\r\nTRANSLATOR=B\r\n");
        writeLanguage(u"c.lf"_s, "DEF=Charlie\r\nVER=6\r\nTRANSLATOR=Cas\r\n");
        clsLanguage &l = create();
        QCOMPARE(menuNames, (QStringList{"Alpha", "Bravo", "Charlie", "Delta", "Echo"}));
        QCOMPARE(l.MinimumVersion(), 2); // the last VER counts, halves to even
        QCOMPARE(l.get_translators(), u"Alpha by Anna\r\nBravo by Bram\r\nCharlie by Cas\r\nDelta by Dora\r\nEcho by Ed"_s);
        l.language(u"Alpha"_s);
        // A second DEF or TRANSLATOR is an ordinary entry.
        QCOMPARE(l.translate(u"DEF"_s, u"-"_s, QString()), u"Two"_s);
        QCOMPARE(l.translate(u"TRANSLATOR"_s, u"-"_s, QString()), u"B"_s);
    }
    void translate_errorsCountDescribeAndReport_optionalTextsNever()
    {
        writeLanguage(u"e.lf"_s, "DEF=English\r\nITEM0001=General\r\nADD0001=eins{CRLF}zwei\r\nADD0002=\r\n");
        clsLanguage &l = create();
        l.language(u"English"_s);
        l.translate_start();
        QCOMPARE(l.translate(u"ITEM0001"_s, u"General"_s, u"tab"_s), u"General"_s);
        QCOMPARE(l.translate(u"ITEM0040"_s, u"Not implemented yet"_s, u"fifth tab"_s), u"* Not implemented yet"_s);
        QCOMPARE(l.translate(u"ITEM0041"_s, u"a{CRLF}b"_s, u"label"_s), u"* a\r\nb"_s);
        // Optional texts: a missing or empty one is its default, and never an error.
        QCOMPARE(l.translate_optional(u"ADD0001"_s, u"one"_s), u"eins\r\nzwei"_s);
        QCOMPARE(l.translate_optional(u"ADD0002"_s, u"two"_s) + l.translate_optional(u"ADD0003"_s, u"3"_s), u"two3"_s);
        QCOMPARE(l.translate_errors(), 2);
        const QString details = u"\r\nDefine item ITEM0040, location : fifth tab, default value = Not implemented yet"
                                u"\r\nDefine item ITEM0041, location : label, default value = a{CRLF}b"_s;
        QCOMPARE(l.translate_errormessage(), details);
        QCOMPARE(l.translate_errorreport(u"Tavrook.log"_s),
                 u"There are 2 translation errors, language is English\r\nplease see for detail file %TEMP%\\Tavrook.log"_s);
        QCOMPARE(l.translate_logentry(), u"Translation errors : English\r\n"_s + details);
        l.translate_start();
        QCOMPARE(l.translate_errors(), 0);
        QCOMPARE(l.translate_errormessage(), QString());
    }
    void minimumVersion_lowestOfTheFiles()
    {
        QCOMPARE(create().MinimumVersion(), 9999); // no language file
        writeLanguage(u"a.lf"_s, "DEF=A\r\nVER=5\r\n");
        writeLanguage(u"b.lf"_s, "DEF=B\r\nVER=3\r\n");
        QCOMPARE(create().MinimumVersion(), 3);
        writeLanguage(u"c.lf"_s, "DEF=C\r\n"); // a file without VER counts as 0
        QCOMPARE(create().MinimumVersion(), 0);
        writeLanguage(u"c.lf"_s, "DEF=C\r\nVER=-99999999\r\n"); // clamped to 16 bits
        QCOMPARE(create().MinimumVersion(), -32768);
    }
    void language_missing_keepsTableAndShowsMessage()
    {
        writeLanguage(u"a.lf"_s, "DEF=A\r\nITEM0001=from A\r\n");
        writeLanguage(u"b.lf"_s, "DEF=B\r\nITEM0001=from B\r\n");
        writeLanguage(u"c.lf"_s, "ITEM0001=no DEF\r\n");
        clsLanguage &l = create();
        l.language(u"A"_s);
        l.language(u"a"_s);
        l.language(QString()); // the file without DEF cannot be chosen
        QCOMPARE(messages.shown.size(), 2);
        QCOMPARE(messages.shown[0].text, u"can not locate language file for language a."_s);
        QCOMPARE(messages.shown[1].text, u"can not locate language file for language ."_s);
        QCOMPARE(messages.shown[0].icon, MessageBox::Icon::Critical);
        QCOMPARE(messages.shown[0].title, u"Tavrook V9"_s);
        QCOMPARE(l.get_language(), u"A"_s);
        QCOMPARE(l.translate(u"ITEM0001"_s, QString(), QString()), u"from A"_s);
    }
    void scan_onlyPlainLfFiles_andHarmlessJunk()
    {
        writeLanguage(u"upper.LF"_s, "DEF=Upper\r\n");
        writeLanguage(u".hidden.lf"_s, "DEF=Hidden\r\n");
        writeLanguage(u"notes.txt"_s, "DEF=Text\r\n");
        QVERIFY(QDir(installation->path()).mkpath(u"language/folder.lf"_s));
        writeLanguage(u"binary.lf"_s, QByteArray("\xff\0\x80=\r\r\n\0DEF", 12));
        create();
        QCOMPARE(menuNames.size(), 2);
        QVERIFY(menuNames.contains(u"Upper"_s));
    }
    void shipped_everyFileHasEveryKey_data()
    {
        QTest::addColumn<QString>("file");
        const QStringList files = QDir(QStringLiteral(TAVROOK_SOURCE_DIR "/data/language")).entryList({u"*.lf"_s}, QDir::Files);
        QVERIFY(files.size() >= 3);
        for (const QString &file : files)
            QTest::newRow(qPrintable(file)) << file;
    }
    void shipped_everyFileHasEveryKey()
    {
        QFETCH(QString, file);
        QVERIFY(QFile::copy(Installation::shipped(file), installation->languagePath(file)));
        clsLanguage &l = create();
        QVERIFY(l.MinimumVersion() > 0);
        QVERIFY(!menuNames.value(0).isEmpty() && !l.get_translators().endsWith(u" by "_s));
        l.language(menuNames.value(0));
        l.translate_start();
        const auto key = [](const char *kind, int i) {
            return QLatin1String(kind) + u"%1"_s.arg(i, 4, 10, QLatin1Char('0'));
        };
        for (int i = 1; i <= 48; ++i)
            l.translate(i <= 5 ? key("MENU", i) : key("ITEM", i - 5), QString(), QString());
        QVERIFY2(l.translate_errors() == 0, qPrintable(l.translate_errormessage()));
        for (int i = 1; i <= 29; ++i) // the optional texts; 13 is no longer used
            QVERIFY2(i == 13 || !l.translate_optional(key("ADD", i), QString()).isEmpty(), qPrintable(key("ADD", i)));
        QFile raw(Installation::shipped(file));
        QVERIFY(raw.open(QIODevice::ReadOnly));
        const QByteArray bytes = raw.readAll();
        QCOMPARE(bytes.count('\n'), bytes.count("\r\n")); // the reader needs CR LF
    }

private:
    clsLanguage &create()
    {
        language = std::make_unique<clsLanguage>(installation->path() + u"/language"_s, u"Tavrook V9"_s, messages,
                                                 [this](const QStringList &names) { menuNames = names; });
        return *language;
    }
    void writeLanguage(const QString &file, const QByteArray &bytes) { installation->writeFile(u"language/"_s + file, bytes); }

    std::unique_ptr<Installation> installation;
    RecordingMessageBox messages;
    std::unique_ptr<clsLanguage> language;
    QStringList menuNames;
};

QTEST_GUILESS_MAIN(tst_Language)
#include "tst_language.moc"
