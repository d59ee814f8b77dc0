#include "Fakes.h"
#include "Installation.h"

#include "language/WindowTexts.h"
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
    // Files named a.lf, b.lf, ... from the rows' contents, created out of name order.
    void header_data()
    {
        QTest::addColumn<QByteArrayList>("files");
        QTest::addColumn<QString>("menu");
        QTest::addColumn<int>("minimumVersion");
        // clang-format off
        QTest::newRow("no language file") << QByteArrayList{} << "" << 9999;
        QTest::newRow("the lowest version of the files") << QByteArrayList{"DEF=A\r\nVER=5\r\n", "DEF=B\r\nVER=3\r\n"} << "A B" << 3;
        QTest::newRow("a file without VER counts as 0") << QByteArrayList{"DEF=A\r\nVER=5\r\n", "DEF=C\r\n"} << "A C" << 0;
        QTest::newRow("clamped to 16 bits") << QByteArrayList{"DEF=A\r\nVER=-99999999\r\n"} << "A" << -32768;
        QTest::newRow("by file name, byte-order marks, the last VER, halves to even")
            << QByteArrayList{"\xff\xfe" "DEF=Alpha\r\nVER=3\r\nVER=2.5\r\nTRANSLATOR=Anna\r\nDEF=Two\r\nTRANSLATOR=B\r\n",
                              "\xef\xbb\xbf" "DEF=Bravo\r\nVER=7\r\nTRANSLATOR=Bram\r\n", "DEF=Charlie\r\nVER=6\r\nTRANSLATOR=Cas\r\n"}
            << "Alpha Bravo Charlie" << 2;
        // clang-format on
    }
    void header()
    {
        QFETCH(QByteArrayList, files);
        for (int i = int(files.size()) - 1; i >= 0; --i)
            writeLanguage(QChar(u'a' + i) + u".lf"_s, files[i]);
        clsLanguage &l = create();
        QTEST(menuNames.join(QLatin1Char(' ')), "menu");
        QTEST(int(l.MinimumVersion()), "minimumVersion");
        if (files.size() < 3)
            return;
        QCOMPARE(l.get_translators(), u"Alpha by Anna\r\nBravo by Bram\r\nCharlie by Cas"_s);
        l.language(u"Alpha"_s);
        // A second DEF or TRANSLATOR is an ordinary entry.
        QCOMPARE(l.translate(u"DEF"_s, u"-"_s, QString()) + l.translate(u"TRANSLATOR"_s, u"-"_s, QString()), u"TwoB"_s);
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
        // The window's texts: an optional one that lacks a place of the English stays English.
        writeLanguage(u"e.lf"_s, "DEF=English\r\nITEM0001=Allgemein\r\nADD0001=etwa\r\nADD0002=, nach %1\r\n");
        create().language(u"English"_s);
        const Captions captions = translate_windowTexts(*language);
        QCOMPARE(captions[TextId::ITEM0001] + captions[TextId::ADD0001] + captions[TextId::ADD0002],
                 u"Allgemein\u2248 %1 mi (%2 km), nach %1"_s);
        QCOMPARE(language->translate_errors(), 47);
    }
    // Only plain *.lf files are languages; one without DEF cannot be chosen, nor a name in
    // another letter case, and either leaves the table as it was.
    void scan_andMissingLanguages()
    {
        writeLanguage(u"a.lf"_s, "DEF=A\r\nITEM0001=from A\r\n");
        writeLanguage(u"b.lf"_s, "DEF=B\r\nITEM0001=from B\r\n");
        writeLanguage(u"c.lf"_s, "ITEM0001=no DEF\r\n");
        writeLanguage(u"upper.LF"_s, "DEF=Upper\r\n");
        writeLanguage(u".hidden.lf"_s, "DEF=Hidden\r\n");
        writeLanguage(u"notes.txt"_s, "DEF=Text\r\n");
        QVERIFY(QDir(installation->path()).mkpath(u"language/folder.lf"_s));
        writeLanguage(u"binary.lf"_s, QByteArray("\xff\0\x80=\r\r\n\0DEF", 12));
        clsLanguage &l = create();
        QCOMPARE(menuNames, (QStringList{u"A"_s, u"B"_s, QString(), QString(), u"Upper"_s}));
        l.language(u"A"_s);
        l.language(u"a"_s);
        l.language(QString());
        QCOMPARE(messages.shown.size(), 2);
        QCOMPARE(messages.shown[0].text, u"can not locate language file for language a."_s);
        QCOMPARE(messages.shown[1].text, u"can not locate language file for language ."_s);
        QCOMPARE(messages.shown[0].icon, MessageBox::Icon::Critical);
        QCOMPARE(messages.shown[0].title, u"Tavrook V9"_s);
        QCOMPARE(l.get_language() + l.translate(u"ITEM0001"_s, QString(), QString()), u"Afrom A"_s);
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
        for (const WindowText &text : window_texts()) {
            const QString key = QLatin1String(text.key);
            if (text.optional)
                QVERIFY2(!l.translate_optional(key, QString()).isEmpty(), text.key);
            else
                l.translate(key, QString(), QString());
        }
        QVERIFY2(l.translate_errors() == 0, qPrintable(l.translate_errormessage()));
        const QByteArray bytes = installation->read(u"language/"_s + file);
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
