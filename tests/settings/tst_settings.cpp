#include "Fakes.h"
#include "Installation.h"

#include "language/clsLanguage.h"
#include "settings/A_GetSetIniFile.h"
#include "settings/PrivateProfile.h"

#include <QtTest>

#include <csignal>

#include <sys/file.h>
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
        QTest::newRow("Windows-1252 value") << QByteArray("[S]\r\nK=\x84M\xfcnster\x93 \x80\r\n") << u"\u201eM\u00fcnster\u201c \u20ac"_s;
        QTest::newRow("UTF-8 value") << QByteArray("[S]\nK=M\xc3\xbcnster\n") << u"M\u00fcnster"_s;
        QTest::newRow("old Mac lines end in CR alone") << QByteArray("[A]\rK=1\r[S]\rJ=0\rK=2\r") << "2";
        QTest::newRow("binary junk around") << QByteArray("\x01\x02\xff\n[S]\n\0\0\nK=ok\n", 16) << "ok";
        // clang-format on
    }
    void read()
    {
        QFETCH(QByteArray, file);
        QTEST(GetIniValue(file, u"S"_s, u"K"_s, u"<default>"_s), "value");
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
        const QByteArray after = PrivateProfile::with_value(before, section, u"x"_s, value);
        QTEST(after, "after");
        if (!value.contains(QLatin1Char('\n')))
            QCOMPARE(GetIniValue(after, section, u"X"_s, u"?"_s), value);
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
        QTEST(GetSetIniValue(before, u"A"_s, u"K"_s, u"TRUE"_s), "read");
        QTEST(before, "after");
    }
    void parseBool()
    {
        const QStringList yes = u"TRUE true Yes 1 on"_s.split(u' ');
        for (const QString &text : yes + u"FALSE -1 0 Y truely"_s.split(u' ') + QStringList{QString()})
            QVERIFY2(ParseIniBool(text) == yes.contains(text), qPrintable(text));
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
        QVERIFY(state.phgSelected && state.altitudeSelected && state.freeTextSelected && !state.toneSelected &&
                language->get_language() == u"English"_s);
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
        QFile file(installation->iniPath());
        QVERIFY(file.open(QIODevice::ReadWrite) && file.setFileTime(stamp, QFileDevice::FileModificationTime));
        file.close();
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
    // What a start takes from the file into the prepared state, and the stored values it
    // could not use as they stand.
    void load_conversions_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("loaded"); // power height altitude band channel tone; offset DCS range; free text
        QTest::addColumn<QString>("told");
        // clang-format off
        QTest::newRow("first start") << QByteArray() << "0 0 A=00000 0 0 false; 0 0 0; My free beacon text" << "";
        QTest::newRow("negative loads as 0") << QByteArray("[TAB_PHG]\nPower=-3\nHeight=-2\n") << "0 0 A=00000 0 0 false; 0 0 0; My free beacon text" << "Power=-3>0 Height=-2>0";
        QTest::newRow("halves round to even") << QByteArray("[TAB_PHG]\nPower=2.5\nHeight=3.5\n") << "2 4 A=00000 0 0 false; 0 0 0; My free beacon text" << "Power=2.5>2 Height=3.5>4";
        QTest::newRow("height codes read back") << QByteArray("[TAB_PHG]\nPower=high\nHeight==\nGain=+3\nDirection=007\n") << "0 = A=00000 0 0 false; 0 0 0; My free beacon text" << "Power=high>0";
        QTest::newRow("feet count before metres") << QByteArray("[TAB_ALTITUDE]\nFeet=45678\nMeters=30499\n") << "0 0 A=45678 0 0 false; 0 0 0; My free beacon text" << "";
        QTest::newRow("feet above 32767 in full") << QByteArray("[TAB_ALTITUDE]\nFeet=99999\n") << "0 0 A=99999 0 0 false; 0 0 0; My free beacon text" << "";
        QTest::newRow("metres above the cap: what a restart shows") << QByteArray("[TAB_ALTITUDE]\nMeters=30500\n") << "0 0 A=99997 0 0 false; 0 0 0; My free beacon text" << "Meters=30500>30499";
        QTest::newRow("beyond the lists") << QByteArray("[TAB_PHG]\nPower=10\nHeight=99\n[TAB_ALTITUDE]\nFeet=99999999999\n[TAB_FREQUENCY]\nBand=70000\nTone=99\n[Choices]\nRate=99\n") << "9 = A=99999 3 0 false; 0 0 0; My free beacon text" << "Power=10>9 Height=99>= Feet=99999999999>99999 Band=70000>3 Tone=99>48 Rate=99>35";
        QTest::newRow("the last channel of the band is kept") << QByteArray("[TAB_FREQUENCY]\nFrequency=399\n") << "0 0 A=00000 0 399 false; 0 0 0; My free beacon text" << "";
        QTest::newRow("one beyond it is the first") << QByteArray("[TAB_FREQUENCY]\nFrequency=400\n") << "0 0 A=00000 0 0 false; 0 0 0; My free beacon text" << "Frequency=400>0";
        QTest::newRow("extended fields kept") << QByteArray("[Choices]\nOffset=-60\nDCS=754\nRange=99\n") << "0 0 A=00000 0 0 false; -60 754 99; My free beacon text" << "";
        QTest::newRow("extended fields that cannot be sent are none") << QByteArray("[Choices]\nOffset=1500\nDCS=99\nRange=100\n") << "0 0 A=00000 0 0 false; 0 0 0; My free beacon text" << "Offset=1500>0 DCS=99>0 Range=100>0";
        QTest::newRow("booleans and text") << QByteArray("[TAB_FREQUENCY]\nToneSelected=on\n[TAB_FREETEXT]\nFreeText=  QRV  \n") << "0 0 A=00000 0 0 true; 0 0 0; QRV" << "";
        QTest::newRow("present but empty free text") << QByteArray("[TAB_FREETEXT]\nFreeText=\n") << "0 0 A=00000 0 0 false; 0 0 0; " << "";
        // clang-format on
    }
    void load_conversions()
    {
        QFETCH(QByteArray, file);
        if (!file.isNull())
            installation->writeFile(u"Tavrook.INI"_s, file);
        BeaconState s;
        language = std::make_unique<clsLanguage>(installation->path() + u"/language"_s, u"Tavrook"_s, messages);
        QStringList told;
        for (const Adjustment &a : LoadSettings(s, installation->iniPath(), *language, QLocale::c()).adjustments)
            told << a.key + QLatin1Char('=') + a.stored + QLatin1Char('>') + a.used;
        QTEST(told.join(QLatin1Char(' ')), "told");
        QTEST(u"%1 %2 %3 %4 %5 %6; %7 %8 %9; "_s.arg(s.phgPower)
                      .arg(s.phgHeight, s.altitudeText)
                      .arg(s.band)
                      .arg(s.frequency)
                      .arg(s.toneSelected ? u"true"_s : u"false"_s)
                      .arg(s.repeaterOffset)
                      .arg(s.dcsCode)
                      .arg(s.range) +
                  s.freeText,
              "loaded");
    }
    // What a start (which writes missing defaults) and a save do to the settings file
    // and to what lies beside it. Refusals follow the file's mode, for root too.
    void fileSafety_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("told");   // at start: why the file was not read
        QTest::addColumn<QString>("failed"); // at the save: why it was not written
        const QString unread = u"the file exists but cannot be read: "_s;
        const QString notOurs = u"it holds none of Tavrook's sections, so it is not a Tavrook settings file"_s;
        // clang-format off
        QTest::newRow("its owner may not read it") << "mode 0200" << "Permission denied" << unread + "Permission denied";
        QTest::newRow("a FIFO never blocks") << "fifo" << "it is not a plain file" << unread + "it is not a plain file";
        QTest::newRow("over 1 MiB") << "large" << "it is larger than 1 MiB" << unread + "it is larger than 1 MiB";
        QTest::newRow("exactly 1 MiB is read, never outgrown") << "1 MiB" << "" << "the settings would be larger than 1 MiB";
        QTest::newRow("another program's configuration") << "foreign" << notOurs << unread + notOurs;
        QTest::newRow("its owner may not write it") << "mode 0444" << "" << "Permission denied";
        QTest::newRow("a dangling link is written through") << "dangling link" << "" << "";
        QTest::newRow("mode, owner and group stay") << "owner" << "" << "";
        QTest::newRow("a killed save's leftover goes, nothing else") << "beside" << "" << "";
        QTest::newRow("a write cut short keeps the old file") << "file size limit" << "" << "File too large";
        // clang-format on
    }
    void fileSafety()
    {
        QFETCH(QString, kind);
        const QString dir = installation->path();
        // Beside the file, a name whose "[" and "*" a wildcard would misread.
        const QString name = kind == u"beside"_s ? u"Tavrook[*].INI"_s : u"Tavrook.INI"_s;
        const QString file = dir + QLatin1Char('/') + name;
        const QByteArray path = QFile::encodeName(file);
        QByteArray before = "[TAB_PHG]\nPower=5\n";
        if (kind == u"large"_s || kind == u"1 MiB"_s)
            before += QByteArray(1024 * 1024 - before.size() - (kind == u"large"_s ? 0 : 1), ';') + '\n';
        else if (kind == u"foreign"_s)
            before = "# Dire Wolf\nMYCALL N0CALL\nPBEACON every=30 COMMENTCMD=\"x\"\n[other]\nPower=1\n";
        if (kind == u"dangling link"_s)
            QVERIFY(QFile::link(dir + u"/dotfiles/tavrook.ini"_s, file));
        else if (kind == u"fifo"_s)
            QCOMPARE(::mkfifo(path.constData(), 0600), 0);
        else
            installation->writeFile(name, before);
        // Backups of every shape, a killed save's leftover, and a file that a running save holds.
        const QStringList beside =
            u".Tavrook.INI.tavrook-save-Held01 .Tavrook.INI.tavrook-save-a1B2c3x Tavrook.INI "
            u"Tavrook.INI.241206 Tavrook.INI.a1B2c3 Tavrook.INI.backup Tavrook.INI.old001"_s.replace(u"Tavrook.INI"_s, name)
                .split(u' ');
        QFile held(dir + QLatin1Char('/') + beside[0]);
        if (kind == u"beside"_s) {
            for (const QString &besideName : beside.mid(1))
                if (besideName != name)
                    installation->writeFile(besideName, "a backup");
            installation->writeFile(u"."_s + name + u".tavrook-save-a1B2c3"_s, "half");
            QVERIFY(held.open(QIODevice::WriteOnly) && ::flock(held.handle(), LOCK_EX) == 0);
        }
        const bool root = ::geteuid() == 0;
        if (kind.startsWith(u"mode"_s) || kind == u"owner"_s)
            QVERIFY(::chmod(path.constData(), kind == u"owner"_s ? 0640 : mode_t(kind.mid(5).toInt(nullptr, 8))) == 0);
        if (kind == u"owner"_s && root) // a user's file saved by root stays the user's
            QVERIFY(::chown(path.constData(), 65534, 65534) == 0);

        BeaconState state;
        const QString reported = loadInto(state, file);
        const QByteArray started = kind == u"fifo"_s ? QByteArray() : installation->read(name);
        state.freeText = u"Saved"_s;
        rlimit old{};
        ::getrlimit(RLIMIT_FSIZE, &old);
        if (kind == u"file size limit"_s) { // fails the write part-way, as a full disk does
            rlimit small = old;
            small.rlim_cur = rlim_t(started.size() + 8);
            ::signal(SIGXFSZ, SIG_IGN);
            QVERIFY(::setrlimit(RLIMIT_FSIZE, &small) == 0);
        }
        const QString failure = SaveSettings(state, file, *language);
        ::setrlimit(RLIMIT_FSIZE, &old);

        QFETCH(QString, told);
        QFETCH(QString, failed);
        QCOMPARE(reported, told.isEmpty() ? told
                                          : u"Your settings could not be read from %1: %2. Tavrook starts with its "
                                            u"defaults and will not save over that file."_s.arg(file, told));
        QCOMPARE(failure, failed.isEmpty() ? failed : u"Your settings could not be saved to %1: %2"_s.arg(file, failed));
        QCOMPARE(state.phgPower, told.isEmpty() && kind != u"dangling link"_s ? 5 : 0);
        if (kind == u"fifo"_s)
            return;
        struct stat info
        {
        };
        QVERIFY(::stat(path.constData(), &info) == 0);
        QVERIFY(::chmod(path.constData(), 0600) == 0);
        if (!failed.isEmpty())
            QCOMPARE(installation->read(name), kind == u"file size limit"_s ? started : before);
        else
            QVERIFY(installation->read(name).contains("FreeText=Saved\n"));
        if (kind == u"dangling link"_s)
            QVERIFY(QFileInfo(file).isSymLink() && QFileInfo(dir + u"/dotfiles/tavrook.ini"_s).isFile());
        if (kind == u"mode 0444"_s || kind == u"owner"_s)
            QCOMPARE(u"%1 %2:%3"_s.arg(info.st_mode & 07777, 0, 8).arg(info.st_uid).arg(info.st_gid),
                     kind == u"mode 0444"_s ? u"444 %1:%2"_s.arg(::geteuid()).arg(::getegid())
                                            : u"640 %1:%2"_s.arg(root ? 65534 : ::geteuid()).arg(root ? 65534 : ::getegid()));
        if (kind == u"beside"_s || kind == u"file size limit"_s)
            QCOMPARE(QDir(dir).entryList(QDir::Files | QDir::Hidden, QDir::Name),
                     kind == u"beside"_s ? beside : QStringList{u"Tavrook.INI"_s});
    }

private:
    QString loadInto(BeaconState &state, const QString &file = {})
    {
        language = std::make_unique<clsLanguage>(installation->path() + u"/language"_s, u"Tavrook"_s, messages);
        const QString path = file.isEmpty() ? installation->iniPath() : file;
        return unusable_message(path, LoadSettings(state, path, *language, QLocale::c()));
    }
    QByteArray ini() const { return installation->ini(); }
    std::unique_ptr<Installation> installation;
    std::unique_ptr<clsLanguage> language;
    RecordingMessageBox messages;
};

QTEST_GUILESS_MAIN(tst_Settings)
#include "tst_settings.moc"
