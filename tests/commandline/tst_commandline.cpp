// `Tavrook --comment` as a beacon program runs it: the built executable, copied into
// a scratch program folder, without a display; it must print what the window shows
// and touch no file.
#include "Fakes.h"
#include "Installation.h"

#include "mainwindow/Form1.h"
#include "platform/QtPlatform.h"
#include "support/DireWolf.h"

#include <QtTest>
#include <QtWidgets>

#include <sys/stat.h>

using namespace Qt::StringLiterals;

class tst_CommandLine : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        installation = std::make_unique<Installation>(QStringList{u"English.lf"_s});
        QVERIFY(QFile::copy(QStringLiteral(TAVROOK_EXECUTABLE), program()));
    }
    void comment_isTheWindows_andNothingIsWritten_data()
    {
        QTest::addColumn<QByteArray>("settings");
        QTest::addColumn<QString>("told");        // stderr, %1 the settings file
        QTest::addColumn<QString>("explanation"); // what --explain adds to it
        const QString zero =
            u"Receivers read: 0 W, 10 ft, 0 dB, OMNI (some decoders, not decode_aprs) \u00b7 radios with QSY and "
            u"decode_aprs: 144.000 MHz \u00b7 altitude not read: needs six digits (Options)\n"_s;
        // clang-format off
        QTest::newRow("worked example") << QByteArray("[TAB_PHG]\r\nPower=5\r\nHeight=1\r\nGain=3\r\n[TAB_ALTITUDE]\r\nFeet=1234\r\n[TAB_FREQUENCY]\r\nBand=0\r\nStep=6\r\nFrequency=60\r\nTone=8\r\nToneSelected=TRUE\r\n[TAB_FREETEXT]\r\nFreeText=Hello\r\n") << "" << "Receivers read: 25 W, 20 ft, 3 dB, OMNI \u00b7 radios with QSY and decode_aprs: 145.500 MHz, tone 88.5 Hz \u00b7 altitude not read: needs six digits (Options)\n";
        QTest::newRow("cut in bytes, with warnings") << QByteArray("[TAB_FREETEXT]\nFreeText=QRV | Gr\xc3\xbc\xc3\x9f" "e 73 de QQ9ZZ on 145.500\n") << "" << "The comment was cut to 43 bytes.\nAPRS does not allow |; the radios cannot show \u00fc \u00df\n" + zero;
        QTest::newRow("standard altitude, no PHG") << QByteArray("[TAB_General]\nPHG_Selected=FALSE\n[TAB_ALTITUDE]\nMeters=100\n[Options]\nStandardAltitude=TRUE\n") << "" << "Receivers read: radios with QSY and decode_aprs: 144.000 MHz \u00b7 altitude 328 ft\n";
        QTest::newRow("control characters never go out; a long text is no fault") << QByteArray("[TAB_General]\nFreeText_Selected=FALSE\n[TAB_FREETEXT]\nFreeText=QRV\x07\x1b 73") + QByteArray(600, 'x') + '\n' << "Tavrook: %1: FreeText held 2 control character(s); they were left out.\n" << zero;
        QTest::newRow("values that cannot be used are told") << QByteArray("[TAB_General]\nFreeText_Selected=FALSE\n[TAB_ALTITUDE]\nMeters=30500\n[TAB_FREQUENCY]\nBand=42\n[Choices]\nExtOperFrequency_Selected=TRUE\nOffset=1500\n") << "Tavrook: %1: Meters=30500 cannot be used as it stands; Meters=30499 was used.\nTavrook: %1: Band=42 cannot be used as it stands; Band=3 was used.\nTavrook: %1: Offset=1500 cannot be used as it stands; Offset=0 was used.\n" << "Receivers read: 0 W, 10 ft, 0 dB, OMNI (some decoders, not decode_aprs) \u00b7 radios with QSY and decode_aprs: 420.000 MHz \u00b7 altitude not read: needs six digits (Options)\n";
        QTest::newRow("every choice stored") << QByteArray("[TAB_General]\nAltitude_Selected=FALSE\nFreeText_Selected=FALSE\n[TAB_FREQUENCY]\nStep=6\nFrequency=60\nTone=8\nToneSelected=TRUE\n[Choices]\nWideFM=TRUE\nRate_Selected=TRUE\nRate=10\nExtOperFrequency_Selected=TRUE\nOffset=-60\nRange=25\n") << "" << "Receivers read: PHG misread as 1156 W, 10 ft, 0 dB, OMNI (receivers do not know the rate form) \u00b7 frequency not read: it must stand at the start\n";
        QTest::newRow("no settings yet") << QByteArray() << "" << "The comment was cut to 43 bytes.\n" + zero;
        // clang-format on
    }
    void comment_isTheWindows_andNothingIsWritten()
    {
        QFETCH(QByteArray, settings);
        if (!settings.isEmpty())
            installation->writeFile(u"Tavrook.INI"_s, settings);
        const QStringList before = files();
        const Run plain = run({u"--comment"_s});
        const Run explained = run({u"--comment"_s, u"--explain"_s});
        QCOMPARE(files(), before);
        QCOMPARE(plain.status, 0);
        QFETCH(QString, told);
        QCOMPARE(plain.err, told.replace(u"%1"_s, installation->iniPath()));
        QCOMPARE(explained.out, plain.out);
        QFETCH(QString, explanation);
        QCOMPARE(explained.err, plain.err + explanation);

        RecordingMessageBox messages;
        QtClipboard clipboard;
        RecordingShell shell;
        ScriptedTransfer transfer;
        const Form1 window({messages, clipboard, shell, transfer}, {installation->path(), u"Tavrook"_s});
        QCOMPARE(plain.out, window.findChild<QLineEdit *>(u"txtBcnComment"_s)->text() + QLatin1Char('\n'));
        QCOMPARE(messages.shown.size(), told.isEmpty() ? 0 : 1); // the window tells it once, at start
    }
    void arguments_data()
    {
        QTest::addColumn<QString>("arguments"); // %1: a settings file of the test's
        QTest::addColumn<QByteArray>("file");   // its bytes, or "fifo"; none when empty
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("out"); // its start; empty: nothing
        QTest::addColumn<QString>("err"); // its start; empty: nothing
        const QByteArray mobile = "[TAB_General]\nPHG_Selected=FALSE\nOperFrequency_Selected=FALSE\nAltitude_Selected=FALSE\n"
                                  "[TAB_FREETEXT]\nFreeText=Mobile\n";
        // clang-format off
        QTest::newRow("another settings file") << "--comment --settings %1" << mobile << 0 << "Mobile\n" << "";
        QTest::newRow("a missing one") << "--comment --settings %1" << QByteArray() << 1 << "" << "Tavrook: cannot read the settings file %1: No such file or directory\n";
        QTest::newRow("a FIFO") << "--comment --settings %1" << QByteArray("fifo") << 1 << "" << "Tavrook: cannot read the settings file %1: it is not a plain file\n";
        QTest::newRow("a beacon program's configuration") << "--comment --settings %1" << QByteArray("MYCALL N0CALL\nPBEACON every=30\n") << 1 << "" << "Tavrook: cannot read the settings file %1: it holds none of Tavrook's sections";
        QTest::newRow("an empty file name") << "--comment --settings " << QByteArray() << 2 << "" << "Tavrook: --settings needs a file name\n";
        QTest::newRow("version") << "--version" << QByteArray() << 0 << QStringLiteral(TAVROOK_VERSION_LINE "\n") << "";
        QTest::newRow("help") << "--help" << QByteArray() << 0 << "Usage: " << "";
        QTest::newRow("an empty argument first") << " --version" << QByteArray() << 0 << QStringLiteral(TAVROOK_VERSION_LINE "\n") << "";
        QTest::newRow("unknown option") << "--beacon" << QByteArray() << 2 << "" << "Tavrook: Unknown option 'beacon'.\nUsage: ";
        QTest::newRow("stray argument") << "--comment x" << QByteArray() << 2 << "" << "Tavrook: unexpected argument x\nUsage: ";
        QTest::newRow("explain alone") << "--explain" << QByteArray() << 2 << "" << "Tavrook: --explain needs --comment\n";
        QTest::newRow("the window on a file, without a display") << "--settings %1" << mobile << 1 << "" << "Tavrook: the window needs a desktop";
        // With a display: QApplication takes its own options first.
        QTest::newRow("the window refuses an empty file name too") << "DISPLAY --settings " << QByteArray() << 2 << "" << "Tavrook: --settings needs a file name\n";
        QTest::newRow("a comment that cannot be written fails loudly") << "--comment >/dev/full" << QByteArray() << 1 << "" << "Tavrook: cannot write the comment: No space left on device\n";
        // clang-format on
    }
    void arguments()
    {
        QFETCH(QString, arguments);
        QFETCH(QByteArray, file);
        const QString path = installation->path() + u"/mobile.ini"_s;
        if (file == "fifo")
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        else if (!file.isEmpty())
            installation->writeFile(u"mobile.ini"_s, file);
        const Run result = run(arguments.replace(u"%1"_s, path).split(u' '));
        QTEST(result.status, "status");
        QFETCH(QString, out);
        QFETCH(QString, err);
        err = err.contains(u"%1"_s) ? err.arg(path) : err;
        QCOMPARE(out.isEmpty() ? result.out : result.out.left(out.size()), out);
        QCOMPARE(err.isEmpty() ? result.err : result.err.left(err.size()), err);
    }
    void settingsAlone_opensTheWindowOnThatFile()
    {
        QProcess window;
        start(window, {u"DISPLAY"_s, u"--settings"_s, installation->path() + u"/mobile.INI"_s});
        // Its start writes the defaults into the file it was given, and nothing beside the program.
        QTRY_VERIFY_WITH_TIMEOUT(installation->read(u"mobile.INI"_s).contains("CurrentLanguage=English"), 15000);
        QVERIFY(window.state() == QProcess::Running);
        window.kill();
        window.waitForFinished();
        QVERIFY(!QFileInfo::exists(installation->iniPath()));
    }
    // What File > Copy for Dire Wolf puts on the clipboard, in a real Dire Wolf configuration: Dire
    // Wolf runs the program from a folder whose name holds blanks and quotes, and sends its comment.
    void direWolf_sendsTheComment()
    {
        const QString direwolf = QStandardPaths::findExecutable(u"direwolf"_s);
        if (direwolf.isEmpty())
            QSKIP("direwolf is not installed; ./test.sh installs it");
        const QString folder = installation->path() + u"/my 'beacon' \"tools\""_s;
        QVERIFY(QDir().mkpath(folder) && QFile::copy(program(), folder + u"/Tavrook"_s));
        installation->writeFile(u"my 'beacon' \"tools\"/mobile beacon.INI"_s, "[TAB_FREETEXT]\nFreeText=Mobile\n");
        const QByteArray command = DireWolf::commentCommand(folder + u"/Tavrook"_s, folder + u"/mobile beacon.INI"_s).toUtf8();
        installation->writeFile(u"direwolf.conf"_s, "ADEVICE null null\nCHANNEL 0\nMYCALL N1CALL-1\nAGWPORT 0\nKISSPORT 0\n"
                                                    "PBEACON delay=0:01 every=1 lat=49^03.50N long=072^01.75W " +
                                                        command + "\n");
        QProcess beacons;
        beacons.setWorkingDirectory(installation->path());
        beacons.start(direwolf, {u"-t"_s, u"0"_s, u"-c"_s, u"direwolf.conf"_s});
        QString sent;
        QTRY_VERIFY_WITH_TIMEOUT((sent += QString::fromUtf8(beacons.readAllStandardOutput())).contains(u"W-"_s), 20000);
        beacons.kill();
        beacons.waitForFinished();
        QCOMPARE(sent.section(u"/07201.75W-"_s, 1).section(QLatin1Char('\n'), 0, 0),
                 run({u"--comment"_s, u"--settings"_s, folder + u"/mobile beacon.INI"_s}).out.trimmed());
    }

private:
    struct Run
    {
        int status = -1;
        QString out, err;
    };
    QString program() const { return installation->path() + u"/Tavrook"_s; }

    // As a beacon program starts it: no display (unless "DISPLAY" leads the arguments), its own
    // temporary and configuration folders, and its output where ">FILE" sends it.
    void start(QProcess &process, QStringList arguments) const
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(QLatin1String(name));
        if (arguments.value(0) == u"DISPLAY"_s)
            environment.insert(u"QT_QPA_PLATFORM"_s, arguments.takeFirst() = u"offscreen"_s);
        environment.insert(u"XDG_RUNTIME_DIR"_s, installation->path());
        environment.insert(u"TMPDIR"_s, installation->path());
        environment.insert(u"XDG_CONFIG_HOME"_s, installation->path() + u"/config"_s);
        process.setProcessEnvironment(environment);
        if (arguments.last().startsWith(QLatin1Char('>')))
            process.setStandardOutputFile(arguments.takeLast().mid(1));
        process.start(program(), arguments);
    }
    Run run(const QStringList &arguments) const
    {
        QProcess process;
        start(process, arguments);
        const bool ended = process.waitForFinished(20000) && process.exitStatus() == QProcess::NormalExit;
        return {ended ? process.exitCode() : -1, QString::fromUtf8(process.readAllStandardOutput()),
                QString::fromUtf8(process.readAllStandardError())}; // an unfinished process is killed with its QProcess
    }
    // Every file and folder under the program folder, with its size and time.
    QStringList files() const
    {
        QStringList found;
        QDirIterator it(installation->path(), QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QFileInfo info(it.next());
            found << u"%1 %2 %3"_s.arg(info.filePath()).arg(info.size()).arg(info.lastModified().toMSecsSinceEpoch());
        }
        found.sort();
        return found;
    }

    std::unique_ptr<Installation> installation;
};

QTEST_MAIN(tst_CommandLine)
#include "tst_commandline.moc"
