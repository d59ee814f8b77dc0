#include "settings/A_GetSetIniFile.h"
#include "settings/PrivateProfile.h"

#include <QTemporaryDir>
#include <QtTest>

class tst_IniFile : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void read_data();
    void read();
    void write_data();
    void write();
    void write_everyValueReadsBack_data();
    void write_everyValueReadsBack();
    void write_unchangedBytes_leaveFileAlone();
    void write_unreadableOrUnwritable_isSilentAndKeepsFile();
    void getSet_writesDefaultOnlyWhenEqual_data();
    void getSet_writesDefaultOnlyWhenEqual();
    void parseBool_data();
    void parseBool();

private:
    void put(const QByteArray &bytes);
    QByteArray bytes() const;
    std::unique_ptr<QTemporaryDir> dir;
    QString path;
};

void tst_IniFile::init()
{
    dir = std::make_unique<QTemporaryDir>();
    path = dir->path() + QStringLiteral("/Tavrook.INI");
}

void tst_IniFile::put(const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray tst_IniFile::bytes() const
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void tst_IniFile::read_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");

    const QString dflt = QStringLiteral("<default>");
    QTest::newRow("no file") << QByteArray() << "TAB_PHG"
                             << "Power" << dflt;
    QTest::newRow("plain entry") << QByteArray("[TAB_PHG]\nPower=5\n") << "TAB_PHG"
                                 << "Power"
                                 << "5";
    QTest::newRow("section and key ignore letter case") << QByteArray("[tab_general]\nphg_selected=FALSE\n") << "TAB_General"
                                                        << "PHG_Selected"
                                                        << "FALSE";
    QTest::newRow("blanks around name and value") << QByteArray("[ TAB_PHG ]\n  Power  =   7  \r\n") << "TAB_PHG"
                                                  << "Power"
                                                  << "7";
    QTest::newRow("double quotes removed") << QByteArray("[S]\nK=\"  quoted  \"\n") << "S"
                                           << "K"
                                           << "  quoted  ";
    QTest::newRow("single quotes removed") << QByteArray("[S]\nK='x'\n") << "S"
                                           << "K"
                                           << "x";
    QTest::newRow("unmatched quote kept") << QByteArray("[S]\nK=\"x'\n") << "S"
                                          << "K"
                                          << "\"x'";
    QTest::newRow("empty value is empty, not the default") << QByteArray("[S]\nK=\n") << "S"
                                                           << "K"
                                                           << "";
    QTest::newRow("missing key gives the default") << QByteArray("[S]\nOther=1\n") << "S"
                                                   << "K" << dflt;
    QTest::newRow("key of another section does not count") << QByteArray("[A]\nK=1\n[S]\nJ=2\n") << "S"
                                                           << "K" << dflt;
    QTest::newRow("value holds further equals signs") << QByteArray("[S]\nK=a=b\n") << "S"
                                                      << "K"
                                                      << "a=b";
    QTest::newRow("comment line is no entry") << QByteArray("[S]\n;K=1\nK=2\n") << "S"
                                              << "K"
                                              << "2";
    QTest::newRow("600 characters are cut to 499") << QByteArray("[S]\nK=" + QByteArray(600, 'v') + "\n") << "S"
                                                   << "K" << QString(499, QLatin1Char('v'));
    QTest::newRow("Windows-1252 value") << QByteArray("[S]\r\nK=M\xfcnster\r\n") << "S"
                                        << "K" << QStringLiteral("M\u00fcnster");
    QTest::newRow("UTF-8 value") << QByteArray("[S]\nK=M\xc3\xbcnster\n") << "S"
                                 << "K" << QStringLiteral("M\u00fcnster");
    QTest::newRow("lone CR after the last value") << QByteArray("[S]\nK=1\r") << "S"
                                                  << "K"
                                                  << "1";
    QTest::newRow("last line without line end") << QByteArray("[S]\nK=end") << "S"
                                                << "K"
                                                << "end";
    QTest::newRow("binary junk around") << QByteArray("\x01\x02\xff\n[S]\n\0\0\nK=ok\n", 16) << "S"
                                        << "K"
                                        << "ok";
}

void tst_IniFile::read()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, section);
    QFETCH(QString, key);
    if (!file.isNull())
        put(file);
    QTEST(GetIniValue(path, section, key, QStringLiteral("<default>")), "value");
}

void tst_IniFile::write_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QByteArray>("after");

    QTest::newRow("new file") << QByteArray() << "TAB_PHG"
                              << "Power"
                              << "5" << QByteArray("[TAB_PHG]\nPower=5\n");
    QTest::newRow("missing section appended at the end") << QByteArray("; mine\n[A]\nX=1\n") << "B"
                                                         << "Y"
                                                         << "2" << QByteArray("; mine\n[A]\nX=1\n[B]\nY=2\n");
    QTest::newRow("missing key is the section's last entry") << QByteArray("[A]\nX=1\n\n[B]\nZ=3\n") << "A"
                                                             << "Y"
                                                             << "2" << QByteArray("[A]\nX=1\nY=2\n\n[B]\nZ=3\n");
    QTest::newRow("value replaced in place, comments kept")
        << QByteArray("; keep me\r\n[A]\r\n  X = old value ; not a comment\r\n; and me\r\nW=9\r\n") << "A"
        << "x"
        << "new" << QByteArray("; keep me\r\n[A]\r\nx=new\r\n; and me\r\nW=9\r\n");
    QTest::newRow("CRLF file gets CRLF lines") << QByteArray("[A]\r\nX=1\r\n") << "B"
                                               << "Y"
                                               << "2" << QByteArray("[A]\r\nX=1\r\n[B]\r\nY=2\r\n");
    QTest::newRow("unterminated header ending in CR") << QByteArray("[A\r") << "A"
                                                      << "K"
                                                      << "v" << QByteArray("[A\r\nK=v\n");
    QTest::newRow("unterminated last line") << QByteArray("[A]\nX=1") << "A"
                                            << "Y"
                                            << "2" << QByteArray("[A]\nX=1\nY=2\n");
    QTest::newRow("Windows-1252 lines keep their bytes")
        << QByteArray("[A]\nCity=M\xfcnster\nX=1\n") << "A"
        << "X" << QStringLiteral("\u00e9") << QByteArray("[A]\nCity=M\xfcnster\nX=\xc3\xa9\n");
    QTest::newRow("a line break cannot plant another key")
        << QByteArray("[A]\n") << "A"
        << "FreeText"
        << "hi\n[Language]\nCurrentLanguage=x" << QByteArray("[A]\nFreeText=hi [Language] CurrentLanguage=x\n");
    QTest::newRow("only the first section of a name is used") << QByteArray("[A]\nX=1\n[A]\nX=2\n") << "A"
                                                              << "X"
                                                              << "3" << QByteArray("[A]\nX=3\n[A]\nX=2\n");
}

void tst_IniFile::write()
{
    QFETCH(QByteArray, before);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, value);
    if (!before.isNull())
        put(before);
    QVERIFY(PrivateProfile::write(section, key, value, path));
    QTEST(bytes(), "after");
}

void tst_IniFile::write_everyValueReadsBack_data()
{
    QTest::addColumn<QString>("value");
    QTest::newRow("plain") << "My free beacon text";
    QTest::newRow("empty") << "";
    QTest::newRow("umlauts") << QStringLiteral("H\u00f6he \u20ac");
    QTest::newRow("equals and semicolon") << "a=b;c";
    QTest::newRow("brackets") << "[not a section]";
    QTest::newRow("499 characters") << QString(499, QLatin1Char('x'));
}

void tst_IniFile::write_everyValueReadsBack()
{
    QFETCH(QString, value);
    put("[TAB_FREETEXT]\nFreeText=old\n[Other]\nA=1\n");
    PrivateProfile::write(QStringLiteral("TAB_FREETEXT"), QStringLiteral("FreeText"), value, path);
    QCOMPARE(GetIniValue(path, QStringLiteral("TAB_FREETEXT"), QStringLiteral("FreeText"), QStringLiteral("?")), value);
    QCOMPARE(GetIniValue(path, QStringLiteral("Other"), QStringLiteral("A"), QStringLiteral("?")), QStringLiteral("1"));
}

void tst_IniFile::write_unchangedBytes_leaveFileAlone()
{
    put("[A]\nX=1\n");
    const QDateTime stamp = QDateTime::currentDateTime().addSecs(-3600);
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(stamp, QFileDevice::FileModificationTime));
    }
    QVERIFY(PrivateProfile::write(QStringLiteral("A"), QStringLiteral("X"), QStringLiteral("1"), path));
    QCOMPARE(QFileInfo(path).lastModified(), stamp);
}

void tst_IniFile::write_unreadableOrUnwritable_isSilentAndKeepsFile()
{
    const QString inMissingFolder = dir->path() + QStringLiteral("/no/such/folder/Tavrook.INI");
    QVERIFY(!PrivateProfile::write(QStringLiteral("A"), QStringLiteral("X"), QStringLiteral("1"), inMissingFolder));
    QCOMPARE(GetSetIniValue(inMissingFolder, QStringLiteral("A"), QStringLiteral("X"), QStringLiteral("d")), QStringLiteral("d"));
    // A folder in the file's place is neither read nor replaced.
    QVERIFY(QDir().mkpath(path));
    QVERIFY(!PrivateProfile::write(QStringLiteral("A"), QStringLiteral("X"), QStringLiteral("1"), path));
    QVERIFY(QFileInfo(path).isDir());
}

void tst_IniFile::getSet_writesDefaultOnlyWhenEqual_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QString>("read");
    QTest::addColumn<QByteArray>("after");
    QTest::newRow("missing key is written with its default") << QByteArray("[A]\n") << "TRUE" << QByteArray("[A]\nK=TRUE\n");
    QTest::newRow("small-letter true is not rewritten") << QByteArray("[A]\nK=true\n") << "true" << QByteArray("[A]\nK=true\n");
    QTest::newRow("empty value is not rewritten") << QByteArray("[A]\nK=\n") << "" << QByteArray("[A]\nK=\n");
    QTest::newRow("default with blanks is rewritten without them")
        << QByteArray("[A]\nK =  TRUE \n") << "TRUE" << QByteArray("[A]\nK=TRUE\n");
}

void tst_IniFile::getSet_writesDefaultOnlyWhenEqual()
{
    QFETCH(QByteArray, before);
    put(before);
    QTEST(GetSetIniValue(path, QStringLiteral("A"), QStringLiteral("K"), QStringLiteral("TRUE")), "read");
    QTEST(bytes(), "after");
}

void tst_IniFile::parseBool_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("value");
    for (const char *yes : {"TRUE", "true", "Yes", "1", "on", "ON"})
        QTest::newRow(yes) << QString::fromLatin1(yes) << true;
    for (const char *no : {"FALSE", "-1", "0", "Y", "T", "", "truely", "2"})
        QTest::newRow(*no ? no : "empty") << QString::fromLatin1(no) << false;
}

void tst_IniFile::parseBool()
{
    QFETCH(QString, text);
    QTEST(ParseIniBool(text), "value");
    QFETCH(bool, value);
    QCOMPARE(ParseIniBool(FormatIniBool(value)), value);
}

QTEST_GUILESS_MAIN(tst_IniFile)
#include "tst_inifile.moc"
