#include "Fakes.h"
#include "Installation.h"

#include "language/clsLanguage.h"
#include "settings/A_GetSetIniFile.h"
#include "settings/PrivateProfile.h"

#include <QtTest>

#include <csignal>

#include <sys/fsuid.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

class tst_Settings : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        installation = std::make_unique<Installation>(QStringList{u"English.lf"_s, u"Deutsch.lf"_s});
        messages.shown.clear();
    }

    void read_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("value"); // of [S] K, "<default>" when missing
        // clang-format off
        QTest::newRow("no file") << QByteArray() << "<default>";
        QTest::newRow("names ignore letter case") << QByteArray("[s]\nk=FALSE\n") << "FALSE";
        QTest::newRow("blanks around name and value") << QByteArray("[ S ]\n  K  =   7  \r\n") << "7";
        QTest::newRow("double quotes removed") << QByteArray("[S]\nK=\"  quoted  \"\n") << "  quoted  ";
        QTest::newRow("key of another section") << QByteArray("[A]\nK=1\n[S]\nJ=2\n") << "<default>";
        QTest::newRow("further equals signs") << QByteArray("[S]\nK=a=b\n") << "a=b";
        QTest::newRow("comment line") << QByteArray("[S]\n;K=1\nK=2\n") << "2";
        QTest::newRow("cut to 499 characters") << QByteArray("[S]\nK=" + QByteArray(600, 'v') + "\n") << QString(499, QLatin1Char('v'));
        QTest::newRow("Windows-1252 value") << QByteArray("[S]\r\nK=M\xfcnster\r\n") << u"M\u00fcnster"_s;
        QTest::newRow("UTF-8 value") << QByteArray("[S]\nK=M\xc3\xbcnster\n") << u"M\u00fcnster"_s;
        QTest::newRow("old Mac lines end in CR alone") << QByteArray("[A]\rK=1\r[S]\rJ=0\rK=2\r") << "2";
        QTest::newRow("binary junk around") << QByteArray("\x01\x02\xff\n[S]\n\0\0\nK=ok\n", 16) << "ok";
        // clang-format on
    }
    void read()
    {
        QFETCH(QByteArray, file);
        if (!file.isNull())
            installation->writeFile(u"Tavrook.INI"_s, file);
        QTEST(GetIniValue(installation->iniPath(), u"S"_s, u"K"_s, u"<default>"_s), "value");
    }
    void write_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("value"); // of key "x"
        QTest::addColumn<QByteArray>("after");
        // clang-format off
        QTest::newRow("new file") << QByteArray() << "A" << "5" << QByteArray("[A]\nx=5\n");
        QTest::newRow("missing section at the end") << QByteArray("; mine\n[B]\nY=1\n") << "A" << "2" << QByteArray("; mine\n[B]\nY=1\n[A]\nx=2\n");
        QTest::newRow("missing key is the section's last entry") << QByteArray("[A]\nY=1\n\n[B]\nZ=3\n") << "A" << "2" << QByteArray("[A]\nY=1\nx=2\n\n[B]\nZ=3\n");
        QTest::newRow("replaced in place, key spelled as before") << QByteArray("; keep\r\n[A]\r\n  X = old ; no comment\r\nW=9\r\n") << "a" << "new" << QByteArray("; keep\r\n[A]\r\nX=new\r\nW=9\r\n");
        QTest::newRow("CRLF file gets CRLF lines") << QByteArray("[B]\r\nY=1\r\n") << "A" << "2" << QByteArray("[B]\r\nY=1\r\n[A]\r\nx=2\r\n");
        QTest::newRow("CR-only file gets CR lines") << QByteArray("[A]\rY=1\r[B]\rZ=3\r") << "A" << "2" << QByteArray("[A]\rY=1\rx=2\r[B]\rZ=3\r");
        QTest::newRow("unterminated last line") << QByteArray("[A]\nY=1") << "A" << "2" << QByteArray("[A]\nY=1\nx=2\n");
        QTest::newRow("Windows-1252 lines keep their bytes") << QByteArray("[A]\nCity=M\xfcnster\nx=1\n") << "A" << u"\u00e9"_s << QByteArray("[A]\nCity=M\xfcnster\nx=\xc3\xa9\n");
        QTest::newRow("a line break plants no key") << QByteArray("[A]\n") << "A" << "hi\n[Language]\nCurrentLanguage=x" << QByteArray("[A]\nx=hi [Language] CurrentLanguage=x\n");
        QTest::newRow("only the first section of a name") << QByteArray("[A]\nx=1\n[A]\nx=2\n") << "A" << "3" << QByteArray("[A]\nx=3\n[A]\nx=2\n");
        QTest::newRow("blanks at the ends kept by quotes") << QByteArray() << "A" << "  QRV  " << QByteArray("[A]\nx=\"  QRV  \"\n");
        QTest::newRow("quotes around kept by more quotes") << QByteArray("[A]\nx=1\n") << "A" << "'QRV 145.500'" << QByteArray("[A]\nx=\"'QRV 145.500'\"\n");
        // clang-format on
    }
    void write()
    {
        QFETCH(QByteArray, before);
        QFETCH(QString, section);
        QFETCH(QString, value);
        if (!before.isNull())
            installation->writeFile(u"Tavrook.INI"_s, before);
        QVERIFY(PrivateProfile::write(section, u"x"_s, value, installation->iniPath()));
        QTEST(ini(), "after");
        if (!value.contains(QLatin1Char('\n')))
            QCOMPARE(GetIniValue(installation->iniPath(), section, u"X"_s, u"?"_s), value);
    }
    void getSet_writesDefaultOnlyWhenEqual_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QString>("read");
        QTest::addColumn<QByteArray>("after");
        // clang-format off
        QTest::newRow("missing key written with its default") << QByteArray("[A]\n") << "TRUE" << QByteArray("[A]\nK=TRUE\n");
        QTest::newRow("small-letter true not rewritten") << QByteArray("[A]\nK=true\n") << "true" << QByteArray("[A]\nK=true\n");
        QTest::newRow("empty value not rewritten") << QByteArray("[A]\nK=\n") << "" << QByteArray("[A]\nK=\n");
        QTest::newRow("default with blanks rewritten without") << QByteArray("[A]\nK =  TRUE \n") << "TRUE" << QByteArray("[A]\nK=TRUE\n");
        // clang-format on
    }
    void getSet_writesDefaultOnlyWhenEqual()
    {
        QFETCH(QByteArray, before);
        installation->writeFile(u"Tavrook.INI"_s, before);
        QTEST(GetSetIniValue(installation->iniPath(), u"A"_s, u"K"_s, u"TRUE"_s), "read");
        QTEST(ini(), "after");
    }
    void parseBool()
    {
        for (const char *yes : {"TRUE", "true", "Yes", "1", "on"})
            QVERIFY2(ParseIniBool(QString::fromLatin1(yes)), yes);
        for (const char *no : {"FALSE", "-1", "0", "Y", "", "truely"})
            QVERIFY2(!ParseIniBool(QString::fromLatin1(no)), no);
    }

    void firstStartAndExit_writeEveryKeyInOrder_keepAMissingLanguage()
    {
        const QByteArray firstStartFile =
            "[TAB_General]\nAltitude_Selected=TRUE\nPHG_Selected=TRUE\nOperFrequency_Selected=TRUE\n"
            "FreeText_Selected=TRUE\n[TAB_PHG]\nPower=0\nHeight=0\nGain=0\nDirection=0\n[TAB_ALTITUDE]\n"
            "Feet=0\nMeters=0\n[TAB_FREQUENCY]\nBand=0\nFrequency=0\nStep=0\nTone=0\nToneSelected=FALSE\n"
            "[TAB_FREETEXT]\nFreeText=My free beacon text\n[Language]\nCurrentLanguage=English\n";
        BeaconState state;
        loadInto(state);
        QCOMPARE(ini(), firstStartFile);
        QVERIFY(state.phgSelected && state.altitudeSelected && state.freeTextSelected && !state.toneSelected);
        QCOMPARE(language->get_language(), u"English"_s);
        QCOMPARE(SaveSettings(state, installation->iniPath(), *language), QString());
        // The choices that shape the comment go into a section of their own, written by the save only.
        QCOMPARE(ini(), firstStartFile +
                            "[SETUP]\nLEFT=0\nTOP=0\nMINIMIZED=FALSE\n[Choices]\nWideFM=FALSE\nToneSquelch=FALSE\n"
                            "Rate_Selected=FALSE\nRate=1\nExtOperFrequency_Selected=FALSE\nOffset=0\nDCS=0\nRange=0\n"
                            "Range_Km=FALSE\n");

        // The standard-altitude option is stored once the user has chosen it.
        state.standardAltitude = state.standardAltitudeStored = true;
        SaveSettings(state, installation->iniPath(), *language);
        QVERIFY(ini().endsWith("Range_Km=FALSE\n[Options]\nStandardAltitude=TRUE\n"));

        // A start with every key in the file writes nothing.
        const QDateTime stamp = QDateTime::currentDateTime().addDays(-1);
        {
            QFile file(installation->iniPath());
            QVERIFY(file.open(QIODevice::ReadWrite) && file.setFileTime(stamp, QFileDevice::FileModificationTime));
        }
        BeaconState loaded;
        loadInto(loaded);
        QCOMPARE(QFileInfo(installation->iniPath()).lastModified(), stamp);
        QVERIFY(loaded.standardAltitude && loaded.standardAltitudeStored);

        // A language whose file is missing is reported, and kept in the file.
        installation->writeFile(u"Tavrook.INI"_s, "[Language]\nCurrentLanguage=Frysk\n");
        loadInto(loaded);
        QCOMPARE(messages.shown.value(0).text, u"can not locate language file for language Frysk."_s);
        SaveSettings(loaded, installation->iniPath(), *language);
        QVERIFY(ini().contains("CurrentLanguage=Frysk\n"));
    }
    void load_conversions_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("loaded"); // power, height, feet, band, tone selected, free text
        // clang-format off
        QTest::newRow("first start") << QByteArray() << "0 0 0 0 false My free beacon text";
        QTest::newRow("negative loads as 0") << QByteArray("[TAB_PHG]\nPower=-3\nHeight=-2\n") << "0 0 0 0 false My free beacon text";
        QTest::newRow("halves round to even") << QByteArray("[TAB_PHG]\nPower=2.5\nHeight=3.5\n") << "2 4 0 0 false My free beacon text";
        QTest::newRow("height codes read back") << QByteArray("[TAB_PHG]\nPower=high\nHeight==\n") << "0 13 0 0 false My free beacon text";
        QTest::newRow("feet above 32767 in full") << QByteArray("[TAB_ALTITUDE]\nFeet=99999\n") << "0 0 99999 0 false My free beacon text";
        QTest::newRow("huge numbers clamp") << QByteArray("[TAB_ALTITUDE]\nFeet=99999999999\n[TAB_FREQUENCY]\nBand=70000\n") << "0 0 2147483647 32767 false My free beacon text";
        QTest::newRow("booleans and text") << QByteArray("[TAB_FREQUENCY]\nToneSelected=on\n[TAB_FREETEXT]\nFreeText=  QRV  \n") << "0 0 0 0 true QRV";
        QTest::newRow("present but empty free text") << QByteArray("[TAB_FREETEXT]\nFreeText=\n") << "0 0 0 0 false ";
        // clang-format on
    }
    void load_conversions()
    {
        QFETCH(QByteArray, file);
        if (!file.isNull())
            installation->writeFile(u"Tavrook.INI"_s, file);
        BeaconState s;
        loadInto(s);
        const QString tone = s.toneSelected ? u"true"_s : u"false"_s;
        QTEST(QStringList({QString::number(s.phgPower), s.phgHeight, QString::number(s.altitudeFeet), QString::number(s.band),
                           tone, s.freeText})
                  .join(QLatin1Char(' ')),
              "loaded");
    }
    void unreadableFile_isNeverOverwritten_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("why");
        // clang-format off
        QTest::newRow("no permission") << "mode 000" << "Permission denied";
        QTest::newRow("a FIFO never blocks") << "fifo" << "it is not a plain file";
        QTest::newRow("over 1 MiB") << "large" << "it is larger than 1 MiB";
        // clang-format on
    }
    void unreadableFile_isNeverOverwritten()
    {
        QFETCH(QString, kind);
        BeaconState state;
        loadInto(state);
        QByteArray precious = "[TAB_PHG]\nPower=5\n";
        if (kind == u"large"_s)
            precious += QByteArray(1024 * 1024, ';');
        installation->writeFile(u"Tavrook.INI"_s, precious);
        if (kind == u"fifo"_s)
            QVERIFY(QFile::remove(installation->iniPath()) &&
                    ::mkfifo(QFile::encodeName(installation->iniPath()).constData(), 0600) == 0);
        // The folder stays writable, so only the rule keeps the file.
        QVERIFY(QFile::setPermissions(installation->path(), QFileDevice::Permissions(0x7777)));
        // Root reads every file: as root the file-system identity becomes nobody meanwhile.
        const bool root = ::geteuid() == 0 && kind == u"mode 000"_s;
        if (kind == u"mode 000"_s)
            QVERIFY(QFile::setPermissions(installation->iniPath(), {}));
        if (root) {
            ::setfsuid(65534);
            if (::setfsuid(uid_t(-1)) != 65534)
                QSKIP("cannot take the file-system identity of an unprivileged user here");
        }
        BeaconState again;
        const QString told = LoadSettings(again, installation->iniPath(), *language);
        const QString failure = SaveSettings(state, installation->iniPath(), *language);
        if (root)
            ::setfsuid(0);
        QFETCH(QString, why);
        QCOMPARE(told, u"Your settings could not be read from %1: %2. Tavrook starts with its defaults and will "
                       u"not save over that file."_s.arg(installation->iniPath(), why));
        QCOMPARE(failure, u"Your settings could not be saved to %1: the file exists but cannot be read: %2"_s.arg(
                              installation->iniPath(), why));
        QCOMPARE(again.phgPower, 0);
        if (kind == u"fifo"_s) {
            QVERIFY(!QFileInfo(installation->iniPath()).isFile() && QFileInfo::exists(installation->iniPath()));
            return;
        }
        QVERIFY(QFile::setPermissions(installation->iniPath(), QFileDevice::ReadOwner | QFileDevice::WriteOwner));
        QCOMPARE(ini(), precious);
    }
    void save_keepsTheFilesIdentity_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("a dangling link is written through") << "dangling link";
        QTest::newRow("a read-only file is refused") << "read-only";
        QTest::newRow("mode, owner and group stay") << "owner";
        QTest::newRow("a killed save's leftover goes") << "leftover";
    }
    void save_keepsTheFilesIdentity()
    {
        QFETCH(QString, kind);
        const QString file = installation->iniPath();
        const QByteArray path = QFile::encodeName(file);
        const QString target = installation->path() + u"/dotfiles/tavrook.ini"_s;
        if (kind == u"dangling link"_s)
            QVERIFY(QFile::link(target, file));
        else
            installation->writeFile(u"Tavrook.INI"_s, "[TAB_PHG]\nPower=5\n");
        if (kind == u"leftover"_s) {
            installation->writeFile(u"Tavrook.INI.a1B2c3"_s, "half");
            installation->writeFile(u"Tavrook.INI.bak"_s, "mine");
        }
        const bool root = ::geteuid() == 0;
        if (kind == u"owner"_s) {
            QVERIFY(::chmod(path.constData(), 0640) == 0);
            if (root) // a user's file saved by root stays the user's
                QVERIFY(::chown(path.constData(), 65534, 65534) == 0);
        }
        if (kind == u"read-only"_s) {
            QVERIFY(::chmod(path.constData(), 0444) == 0);
            if (root) { // root writes anything: as root the file-system identity becomes nobody meanwhile
                QVERIFY(QFile::setPermissions(installation->path(), QFileDevice::Permissions(0x7777)));
                ::setfsuid(65534);
                if (::setfsuid(uid_t(-1)) != 65534)
                    QSKIP("cannot take the file-system identity of an unprivileged user here");
            }
        }
        BeaconState state;
        loadInto(state);
        state.freeText = u"Saved"_s;
        const QString failure = SaveSettings(state, file, *language);
        if (root)
            ::setfsuid(0);
        struct stat info
        {
        };
        QVERIFY(::stat(path.constData(), &info) == 0);
        if (kind == u"read-only"_s) {
            QCOMPARE(failure, u"Your settings could not be saved to %1: Permission denied"_s.arg(file));
            QCOMPARE(ini(), QByteArray("[TAB_PHG]\nPower=5\n"));
            return;
        }
        QCOMPARE(failure, QString());
        QVERIFY(ini().contains("FreeText=Saved\n"));
        if (kind == u"dangling link"_s) {
            QCOMPARE(QFileInfo(file).symLinkTarget(), target);
            QVERIFY(QFileInfo(target).isFile());
        } else if (kind == u"owner"_s) {
            QCOMPARE(info.st_mode & 07777, mode_t(0640));
            if (root)
                QCOMPARE(u"%1:%2"_s.arg(info.st_uid).arg(info.st_gid), u"65534:65534"_s);
        } else {
            QCOMPARE(QDir(installation->path()).entryList(QDir::Files), (QStringList{u"Tavrook.INI"_s, u"Tavrook.INI.bak"_s}));
        }
    }
    void settingsFile_alwaysReadsBackWhatItWrote()
    {
        // A file just under the read limit: the missing keys would take it over.
        QByteArray nearlyFull = "[TAB_PHG]\nPower=5\n";
        nearlyFull += QByteArray(1048566 - nearlyFull.size() - 1, ';') + '\n';
        installation->writeFile(u"Tavrook.INI"_s, nearlyFull);
        BeaconState state;
        loadInto(state);
        QCOMPARE(state.phgPower, 5);
        QCOMPARE(ini(), nearlyFull);
        QCOMPARE(
            SaveSettings(state, installation->iniPath(), *language),
            u"Your settings could not be saved to %1: the settings would be larger than 1 MiB"_s.arg(installation->iniPath()));
        QCOMPARE(ini(), nearlyFull);

        // Notepad's "Unicode": UTF-16 with its byte-order mark is read, and stays UTF-16.
        const QString text = u"[TAB_FREETEXT]\r\nFreeText=Gr\u00fc\u00dfe \u20ac\r\n"_s;
        QByteArray utf16("\xff\xfe", 2);
        utf16.append(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
        installation->writeFile(u"Tavrook.INI"_s, utf16);
        BeaconState unicode;
        loadInto(unicode);
        QCOMPARE(unicode.freeText, u"Gr\u00fc\u00dfe \u20ac"_s);
        const QByteArray written = ini();
        QVERIFY(written.startsWith(utf16));
        const QString back =
            QString::fromUtf16(reinterpret_cast<const char16_t *>(written.constData() + 2), (written.size() - 2) / 2);
        QVERIFY2(back.contains(u"\r\nCurrentLanguage=English\r\n"_s), qPrintable(back));
    }
    void failedWrite_keepsTheOldFileWhole()
    {
        BeaconState state;
        loadInto(state);
        const QByteArray before = ini();
        state.phgPower = 7;
        // A file-size limit fails the write part-way, as a full disk does.
        rlimit old{};
        ::getrlimit(RLIMIT_FSIZE, &old);
        rlimit small = old;
        small.rlim_cur = rlim_t(before.size() + 8);
        ::signal(SIGXFSZ, SIG_IGN);
        QVERIFY(::setrlimit(RLIMIT_FSIZE, &small) == 0);
        const QString failure = SaveSettings(state, installation->iniPath(), *language);
        ::setrlimit(RLIMIT_FSIZE, &old);
        QCOMPARE(failure, u"Your settings could not be saved to %1: File too large"_s.arg(installation->iniPath()));
        QCOMPARE(ini(), before);
        QCOMPARE(QDir(installation->path()).entryList(QDir::Files), QStringList{u"Tavrook.INI"_s});

        // A folder that cannot be made is named, with the real cause.
        const QString inside = installation->iniPath() + u"/config/Tavrook.INI"_s;
        QCOMPARE(SaveSettings(state, inside, *language),
                 u"Your settings could not be saved to %1: the folder %2/config could not be created: Not a directory"_s.arg(
                     inside, installation->iniPath()));
    }
    void configFolder_followsXdgRules()
    {
        const QByteArray old = qgetenv("XDG_CONFIG_HOME");
        QStringList folders;
        for (const char *xdg : {"/srv/cfg", "cfg", ""}) { // relative or empty: ignored
            qputenv("XDG_CONFIG_HOME", xdg);
            folders << settings_configFolder(u"Tavrook"_s);
        }
        qputenv("XDG_CONFIG_HOME", old);
        const QString home = QDir::homePath() + u"/.config/Tavrook"_s;
        QCOMPARE(folders, (QStringList{u"/srv/cfg/Tavrook"_s, home, home}));
    }

private:
    void loadInto(BeaconState &state)
    {
        language = std::make_unique<clsLanguage>(installation->path() + u"/language"_s, u"Tavrook"_s, messages);
        LoadSettings(state, installation->iniPath(), *language);
    }
    QByteArray ini() const { return installation->ini(); }
    std::unique_ptr<Installation> installation;
    std::unique_ptr<clsLanguage> language;
    RecordingMessageBox messages;
};

QTEST_GUILESS_MAIN(tst_Settings)
#include "tst_settings.moc"
