#include "Fakes.h"
#include "Installation.h"

#include "language/WindowTexts.h"
#include "language/clsLanguage.h"
#include "support/ProgramContext.h"

#include <QtTest>

#include <set>

class tst_Language : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void lineRules_data();
    void lineRules();
    void header_bomNameVersionTranslator();
    void header_secondDefAndTranslatorAreEntries();
    void translate_errorsCountAndDescribe();
    void translate_crlfMarker();
    void minimumVersion_data();
    void minimumVersion();
    void translators_oneLinePerLanguageInNameOrder();
    void language_missing_keepsTableAndShowsMessage();
    void language_fileWithoutDef_cannotBeChosen();
    void scan_onlyPlainLfFiles_andHarmlessJunk();
    void shipped_everyFileHasAll48Keys_data();
    void shipped_everyFileHasAll48Keys();
    void windowTexts_tableUsesEveryKeyOnce();

private:
    clsLanguage &create();
    void writeLanguage(const QString &file, const QByteArray &bytes)
    {
        installation->writeFile(QStringLiteral("language/") + file, bytes);
    }

    std::unique_ptr<Installation> installation;
    std::unique_ptr<ProgramContext> context;
    RecordingMessageBox messages;
    std::unique_ptr<clsLanguage> language;
    QStringList menuNames;
};

void tst_Language::init()
{
    installation = std::make_unique<Installation>(QStringList{});
    messages.shown.clear();
    menuNames.clear();
    language.reset();
    context = std::make_unique<ProgramContext>(installation->path());
}

clsLanguage &tst_Language::create()
{
    language = std::make_unique<clsLanguage>(*context, messages, [this](const QStringList &names) { menuNames = names; });
    return *language;
}

void tst_Language::lineRules_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("result");

    QTest::newRow("plain entry") << QByteArray("ITEM0001=Allgemein\r\n") << "ITEM0001"
                                 << "Allgemein";
    QTest::newRow("comment line holding =") << QByteArray(";ITEM0001=no\r\nITEM0001=yes\r\n") << "ITEM0001"
                                            << "yes";
    QTest::newRow("blanks after = belong to the value") << QByteArray("ITEM0011=NE (45) \r\n") << "ITEM0011"
                                                        << "NE (45) ";
    QTest::newRow("blanks before = belong to the key") << QByteArray("ITEM0001 =x\r\n") << "ITEM0001"
                                                       << "* d";
    QTest::newRow("small-letter key does not match") << QByteArray("item0001=x\r\n") << "ITEM0001"
                                                     << "* d";
    QTest::newRow("first of two equal keys wins") << QByteArray("ITEM0001=first\r\nITEM0001=second\r\n") << "ITEM0001"
                                                  << "first";
    QTest::newRow("empty value counts as missing") << QByteArray("ITEM0001=\r\n") << "ITEM0001"
                                                   << "* d";
    QTest::newRow("value with further =") << QByteArray("ITEM0001=a=b\r\n") << "ITEM0001"
                                          << "a=b";
    QTest::newRow("lone CR ends a line") << QByteArray("ITEM0001=a\rITEM0002=b\r") << "ITEM0002"
                                         << "b";
    QTest::newRow("lone LF stays in the line") << QByteArray("ITEM0001=a\nITEM0002=b\r\n") << "ITEM0001"
                                               << "a\nITEM0002=b";
    QTest::newRow("last line needs no line end") << QByteArray("ITEM0001=end") << "ITEM0001"
                                                 << "end";
    QTest::newRow("byte-order mark on any line") << QByteArray("\xff\xfeITEM0001=x\r\n") << "ITEM0001"
                                                 << "x";
    QTest::newRow("Windows-1252 line") << QByteArray("ITEM0001=H\xf6he\r\n") << "ITEM0001" << QStringLiteral("H\u00f6he");
    QTest::newRow("UTF-8 line") << QByteArray("ITEM0001=H\xc3\xb6he\r\n") << "ITEM0001" << QStringLiteral("H\u00f6he");
    QTest::newRow("small-letter crlf marker stays") << QByteArray("ITEM0001=a{crlf}b\r\n") << "ITEM0001"
                                                    << "a{crlf}b";
}

void tst_Language::lineRules()
{
    QFETCH(QByteArray, body);
    QFETCH(QString, key);
    writeLanguage(QStringLiteral("Test.lf"), "DEF=Test\r\nVER=1\r\n" + body);
    clsLanguage &l = create();
    l.language(QStringLiteral("Test"));
    QTEST(l.translate(key, QStringLiteral("d"), QStringLiteral("where")), "result");
}

void tst_Language::header_bomNameVersionTranslator()
{
    writeLanguage(QStringLiteral("a.lf"), "\xff\xfe"
                                          "DEF=Deutsch\r\nVER=3\r\nVER=2.5\r\nTRANSLATOR=Anna\r\n");
    writeLanguage(QStringLiteral("b.lf"), "\xef\xbb\xbf"
                                          "DEF=Nederlands\r\nVER=7\r\nTRANSLATOR=Bram\r\n");
    clsLanguage &l = create();
    QCOMPARE(l.language_files().size(), size_t(2));
    QCOMPARE(l.language_files()[0].name, QStringLiteral("Deutsch"));
    QCOMPARE(l.language_files()[0].version, 2); // the last VER counts, rounded to even
    QCOMPARE(l.language_files()[0].translator, QStringLiteral("Anna"));
    QCOMPARE(l.language_files()[0].path, installation->languagePath(QStringLiteral("a.lf")));
    QCOMPARE(l.language_files()[1].name, QStringLiteral("Nederlands"));
    QCOMPARE(menuNames, (QStringList{QStringLiteral("Deutsch"), QStringLiteral("Nederlands")}));
}

void tst_Language::header_secondDefAndTranslatorAreEntries()
{
    writeLanguage(QStringLiteral("x.lf"), "DEF=One\r\nDEF=Two\r\nTRANSLATOR=A\r\nTRANSLATOR=B\r\n");
    clsLanguage &l = create();
    QCOMPARE(l.language_files()[0].name, QStringLiteral("One"));
    QCOMPARE(l.translate(QStringLiteral("DEF"), QStringLiteral("-"), QString()), QStringLiteral("Two"));
    QCOMPARE(l.translate(QStringLiteral("TRANSLATOR"), QStringLiteral("-"), QString()), QStringLiteral("B"));
}

void tst_Language::translate_errorsCountAndDescribe()
{
    writeLanguage(QStringLiteral("e.lf"), "DEF=English\r\nITEM0001=General\r\n");
    clsLanguage &l = create();
    l.translate_start();
    QCOMPARE(l.translate(QStringLiteral("ITEM0001"), QStringLiteral("General"), QStringLiteral("tab")),
             QStringLiteral("General"));
    QCOMPARE(l.translate(QStringLiteral("ITEM0040"), QStringLiteral("Not implemented yet"), QStringLiteral("fifth tab")),
             QStringLiteral("* Not implemented yet"));
    QCOMPARE(l.translate(QStringLiteral("ITEM0041"), QStringLiteral("Beacon comment"), QStringLiteral("label")),
             QStringLiteral("* Beacon comment"));
    QCOMPARE(l.translate_errors(), 2);
    QCOMPARE(l.translate_errormessage(),
             QStringLiteral("\r\nDefine item ITEM0040, location : fifth tab, default value = Not implemented yet"
                            "\r\nDefine item ITEM0041, location : label, default value = Beacon comment"));
    l.translate_start();
    QCOMPARE(l.translate_errors(), 0);
    QCOMPARE(l.translate_errormessage(), QString());
}

void tst_Language::translate_crlfMarker()
{
    writeLanguage(QStringLiteral("c.lf"), "DEF=C\r\nITEM0002=one{CRLF}two\r\n");
    clsLanguage &l = create();
    QCOMPARE(l.translate(QStringLiteral("ITEM0002"), QString(), QString()), QStringLiteral("one\r\ntwo"));
    QCOMPARE(l.translate(QStringLiteral("ITEM9999"), QStringLiteral("a{CRLF}b"), QString()), QStringLiteral("* a\r\nb"));
}

void tst_Language::minimumVersion_data()
{
    QTest::addColumn<QList<QByteArray>>("files");
    QTest::addColumn<int>("minimum");
    QTest::newRow("no language file") << QList<QByteArray>{} << 9999;
    QTest::newRow("lowest of several") << QList<QByteArray>{"DEF=A\r\nVER=5\r\n", "DEF=B\r\nVER=3\r\n"} << 3;
    QTest::newRow("file without VER counts as 0") << QList<QByteArray>{"DEF=A\r\nVER=5\r\n", "DEF=B\r\n"} << 0;
    QTest::newRow("VER beyond 16 bits is clamped") << QList<QByteArray>{"DEF=A\r\nVER=-99999999\r\n"} << -32768;
    QTest::newRow("negative VER") << QList<QByteArray>{"DEF=A\r\nVER=-4\r\n"} << -4;
}

void tst_Language::minimumVersion()
{
    QFETCH(QList<QByteArray>, files);
    for (int i = 0; i < files.size(); ++i)
        writeLanguage(QStringLiteral("f%1.lf").arg(i), files[i]);
    QTEST(int(create().MinimumVersion()), "minimum");
}

void tst_Language::translators_oneLinePerLanguageInNameOrder()
{
    writeLanguage(QStringLiteral("b.lf"), "DEF=Second\r\nTRANSLATOR=Bea\r\n");
    writeLanguage(QStringLiteral("a.lf"), "DEF=First\r\nTRANSLATOR=Al\r\n");
    clsLanguage &l = create();
    QCOMPARE(l.get_translators(), QStringLiteral("First by Al\r\nSecond by Bea"));
    QCOMPARE(l.get_translators(), QStringLiteral("First by Al\r\nSecond by Bea"));
}

void tst_Language::language_missing_keepsTableAndShowsMessage()
{
    writeLanguage(QStringLiteral("a.lf"), "DEF=A\r\nITEM0001=from A\r\n");
    writeLanguage(QStringLiteral("b.lf"), "DEF=B\r\nITEM0001=from B\r\n");
    clsLanguage &l = create();
    // Right after the scan the table is that of the file listed last.
    QCOMPARE(l.translate(QStringLiteral("ITEM0001"), QString(), QString()), QStringLiteral("from B"));
    l.language(QStringLiteral("A"));
    QCOMPARE(l.get_language(), QStringLiteral("A"));
    l.language(QStringLiteral("a"));
    QCOMPARE(messages.shown.size(), 1);
    QCOMPARE(messages.shown[0].text, QStringLiteral("can not locate language file for language a."));
    QCOMPARE(messages.shown[0].icon, MessageBox::Icon::Critical);
    QCOMPARE(messages.shown[0].title, context->programTitle);
    QCOMPARE(l.get_language(), QStringLiteral("A"));
    QCOMPARE(l.translate(QStringLiteral("ITEM0001"), QString(), QString()), QStringLiteral("from A"));
}

void tst_Language::language_fileWithoutDef_cannotBeChosen()
{
    writeLanguage(QStringLiteral("nodef.lf"), "ITEM0001=orphan\r\n");
    clsLanguage &l = create();
    QCOMPARE(l.language_files().size(), size_t(1));
    QCOMPARE(menuNames, QStringList{QString()});
    l.language(QString());
    QCOMPARE(messages.shown.size(), 1);
    QCOMPARE(l.get_language(), QString());
}

void tst_Language::scan_onlyPlainLfFiles_andHarmlessJunk()
{
    writeLanguage(QStringLiteral("upper.LF"), "DEF=Upper\r\n");
    writeLanguage(QStringLiteral(".hidden.lf"), "DEF=Hidden\r\n");
    writeLanguage(QStringLiteral("notes.txt"), "DEF=Text\r\n");
    QVERIFY(QDir(installation->path()).mkpath(QStringLiteral("language/folder.lf")));
    QByteArray binary(4096, '\0');
    for (int i = 0; i < binary.size(); ++i)
        binary[i] = char((i * 131 + 7) % 256);
    writeLanguage(QStringLiteral("binary.lf"), binary);
    QByteArray big = "DEF=Big\r\n";
    while (big.size() < 5 * 1024 * 1024)
        big += "KEY=" + QByteArray(200, 'x') + "\r\n";
    big += "ITEM0001=found\r\n";
    writeLanguage(QStringLiteral("big.lf"), big);

    clsLanguage &l = create();
    QStringList names;
    for (const LanguageFileInfo &info : l.language_files())
        names << info.name;
    QCOMPARE(names.size(), 3);
    QVERIFY(names.contains(QStringLiteral("Upper")));
    QVERIFY(names.contains(QStringLiteral("Big")));
    l.language(QStringLiteral("Big"));
    QCOMPARE(l.translate(QStringLiteral("ITEM0001"), QString(), QString()), QStringLiteral("found"));
}

void tst_Language::shipped_everyFileHasAll48Keys_data()
{
    QTest::addColumn<QString>("file");
    const QDir shipped(QStringLiteral(TAVROOK_SOURCE_DIR "/data/language"));
    const QStringList files = shipped.entryList({QStringLiteral("*.lf")}, QDir::Files);
    QVERIFY(files.size() >= 3);
    for (const QString &file : files)
        QTest::newRow(qPrintable(file)) << file;
}

void tst_Language::shipped_everyFileHasAll48Keys()
{
    QFETCH(QString, file);
    QVERIFY(QFile::copy(Installation::shipped(file), installation->languagePath(file)));
    clsLanguage &l = create();
    const LanguageFileInfo &info = l.language_files().at(0);
    QVERIFY(!info.name.isEmpty());
    QVERIFY(info.version > 0);
    QVERIFY(!info.translator.isEmpty());
    l.language(info.name);
    l.translate_start();
    for (const WindowText &text : window_texts())
        l.translate(text.keyText(), text.defaultText(), text.descriptionText());
    QVERIFY2(l.translate_errors() == 0, qPrintable(l.translate_errormessage()));
    QVERIFY(messages.shown.isEmpty());
    // No stray LF: every line ends in CR LF, as the reader requires.
    QFile raw(Installation::shipped(file));
    QVERIFY(raw.open(QIODevice::ReadOnly));
    const QByteArray bytes = raw.readAll();
    QCOMPARE(bytes.count('\n'), bytes.count("\r\n"));
}

void tst_Language::windowTexts_tableUsesEveryKeyOnce()
{
    std::set<QString> keys;
    std::set<QString> controls;
    for (const WindowText &text : window_texts()) {
        keys.insert(text.keyText());
        controls.insert(text.controlName());
    }
    QCOMPARE(keys.size(), size_t(48));
    QCOMPARE(controls.size(), size_t(48));
    for (int i = 1; i <= 5; ++i)
        QVERIFY(keys.count(QStringLiteral("MENU%1").arg(i, 4, 10, QLatin1Char('0'))));
    for (int i = 1; i <= 43; ++i)
        QVERIFY(keys.count(QStringLiteral("ITEM%1").arg(i, 4, 10, QLatin1Char('0'))));
}

QTEST_GUILESS_MAIN(tst_Language)
#include "tst_language.moc"
