#include "Fakes.h"
#include "Installation.h"

#include "mainwindow/Form1.h"
#include "platform/QtPlatform.h"
#include "support/logging.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QtTest>

#include <memory>

class tst_Form1 : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void startup_firstStart_showsCommentAndCreatesSettings();
    void comment_changesOnOtherPages_showOnlyOnGeneralPage();
    void comment_elementBoxClick_reassembles();
    void phg_choices_updateTheElementAtOnce();
    void frequency_bandChange_rebuildsListAndSelectsFirstChannel();
    void frequency_toneAndCtcss_keepOneTicked();
    void altitude_keyFilter_dropsWhatIsNoDigit_data();
    void altitude_keyFilter_dropsWhatIsNoDigit();
    void altitude_metresAfterFeet_clearsFeet();
    void copyButton_putsCommentOnClipboard();
    void exit_savesAndClosesEveryWindow();
    void closeBox_savesNothing();
    void restart_bringsBackEveryChoice();
    void settings_handEditedValues_areClampedNotFatal();
    void settings_missingLanguage_isReportedAndKept();
    void texts_completeLanguage_reportNothing();
    void texts_missingItem_markedReportedAndLogged();
    void texts_noLanguageFile_reportsAll48();
    void languageMenu_choosingALanguage_translatesAndSticks();
    void accessibility_everyListAndExampleIsDescribed();
    void help_opensPageOfTheLanguage();
    void about_secondClickShowsTheSameWindow();
    void updateMenu_runsACheckInItsWindow();
    void advice_rangeAndCharacterWarnings();
    void about_keepsProgramRunningAfterCloseBox();

private:
    Form1 *start();
    template <typename T> T *control(const QString &name)
    {
        T *found = window->findChild<T *>(name);
        if (!found)
            qFatal("no control %s", qPrintable(name));
        return found;
    }
    QString comment() { return control<QLineEdit>(QStringLiteral("txtBcnComment"))->text(); }
    void showPage(int index) { control<QTabWidget>(QStringLiteral("SSTab1"))->setCurrentIndex(index); }
    QString logContents() const;

    QTemporaryDir temp;
    std::unique_ptr<Installation> installation;
    RecordingMessageBox messages;
    QtClipboard clipboard;
    RecordingShell shell;
    ScriptedTransfer transfer;
    std::unique_ptr<Form1> window;
};

void tst_Form1::initTestCase()
{
    // The event log goes to the temporary directory; keep it out of the real one.
    QVERIFY(temp.isValid());
    qputenv("TMPDIR", temp.path().toLocal8Bit());
}

void tst_Form1::init()
{
    installation = std::make_unique<Installation>();
    messages.shown.clear();
    shell.opened.clear();
    QFile::remove(log_filePath());
}

void tst_Form1::cleanup()
{
    window.reset();
    installation.reset();
}

Form1 *tst_Form1::start()
{
    window.reset();
    window = std::make_unique<Form1>(Form1Platform{messages, clipboard, shell, transfer},
                                     Form1Location{installation->path(), QStringLiteral("Tavrook")});
    window->show();
    return window.get();
}

QString tst_Form1::logContents() const
{
    QFile log(log_filePath());
    return log.open(QIODevice::ReadOnly) ? QString::fromUtf8(log.readAll()) : QString();
}

void tst_Form1::startup_firstStart_showsCommentAndCreatesSettings()
{
    start();
    QCOMPARE(control<QTabWidget>(QStringLiteral("SSTab1"))->currentIndex(), 0);
    QCOMPARE(comment(), QStringLiteral("PHG0000/144.000MHz/A=00000 My free beacon t"));
    QVERIFY(!control<QLabel>(QStringLiteral("lblWarning"))->isHidden());
    QCOMPARE(control<QLabel>(QStringLiteral("lblTMD710_Example_L1"))->text(),
             QStringLiteral("144.000MHz/A=00000 My free beacon text    "));
    auto *frequencies = control<QComboBox>(QStringLiteral("lstFrequency"));
    QCOMPARE(frequencies->count(), 400);
    QCOMPARE(frequencies->currentIndex(), 0);
    QCOMPARE(control<QLineEdit>(QStringLiteral("txtAltMeters"))->text(), QStringLiteral("0"));
    QCOMPARE(control<QLineEdit>(QStringLiteral("txtAltFeet"))->text(), QString());
    QCOMPARE(window->windowTitle(), QStringLiteral("Tavrook V1.0.8"));
    QVERIFY(messages.shown.isEmpty());
    QVERIFY(installation->readFile(QStringLiteral("Tavrook.INI")).contains("CurrentLanguage=English"));
}

void tst_Form1::comment_changesOnOtherPages_showOnlyOnGeneralPage()
{
    start();
    const QString before = comment();
    showPage(1);
    control<QComboBox>(QStringLiteral("lstPower"))->setCurrentIndex(5);
    showPage(3);
    control<QComboBox>(QStringLiteral("lstFrequency"))->setCurrentIndex(100);
    showPage(5);
    control<QLineEdit>(QStringLiteral("txtYourBeaconComment"))->setText(QStringLiteral("Hi"));
    showPage(4);
    QCOMPARE(comment(), before);
    showPage(0);
    QCOMPARE(comment(), QStringLiteral("PHG5000/144.500MHz/A=00000 Hi"));
    QVERIFY(control<QLabel>(QStringLiteral("lblWarning"))->isHidden());
}

void tst_Form1::comment_elementBoxClick_reassembles()
{
    start();
    showPage(5);
    control<QLineEdit>(QStringLiteral("txtYourBeaconComment"))->setText(QStringLiteral("Hi"));
    showPage(0);
    control<QLineEdit>(QStringLiteral("txtYourBeaconComment"))->setText(QStringLiteral("Later"));
    control<QCheckBox>(QStringLiteral("Check1(0)"))->click(); // PHG off
    QCOMPARE(comment(), QStringLiteral("144.000MHz/A=00000 Later"));
    control<QCheckBox>(QStringLiteral("Check1(3)"))->click(); // extended: no effect
    QCOMPARE(comment(), QStringLiteral("144.000MHz/A=00000 Later"));
    control<QCheckBox>(QStringLiteral("Check1(2)"))->click(); // frequency off
    QCOMPARE(comment(), QStringLiteral("/A=00000 Later"));
    QCOMPARE(control<QLabel>(QStringLiteral("lblTHD7_example_L2"))->text(), QStringLiteral("  A=00000 La"));
}

void tst_Form1::phg_choices_updateTheElementAtOnce()
{
    start();
    auto *txtPHG = control<QLineEdit>(QStringLiteral("txtPHG"));
    control<QComboBox>(QStringLiteral("lstPower"))->setCurrentIndex(5);
    control<QComboBox>(QStringLiteral("lstHeight"))->setCurrentIndex(1);
    control<QComboBox>(QStringLiteral("lstGain"))->setCurrentIndex(3);
    QCOMPARE(txtPHG->text(), QStringLiteral("PHG5130"));
    control<QRadioButton>(QStringLiteral("optDirection(8)"))->click();
    control<QComboBox>(QStringLiteral("lstHeight"))->setCurrentIndex(10);
    QCOMPARE(txtPHG->text(), QStringLiteral("PHG5:38"));
    control<QCheckBox>(QStringLiteral("chkRate"))->click();
    QCOMPARE(txtPHG->text(), QStringLiteral("PHGR5:381"));
    control<QComboBox>(QStringLiteral("lstRate"))->setCurrentIndex(35);
    QCOMPARE(txtPHG->text(), QStringLiteral("PHGR5:38Z"));
}

void tst_Form1::frequency_bandChange_rebuildsListAndSelectsFirstChannel()
{
    start();
    auto *frequencies = control<QComboBox>(QStringLiteral("lstFrequency"));
    frequencies->setCurrentIndex(42);
    control<QComboBox>(QStringLiteral("lstBand"))->setCurrentIndex(3);
    QCOMPARE(frequencies->count(), 6000);
    QCOMPARE(frequencies->currentIndex(), 0);
    QCOMPARE(window->beaconState().frequency, 0);
    control<QComboBox>(QStringLiteral("lstStep"))->setCurrentIndex(2);
    QCOMPARE(frequencies->count(), 3000);
    QCOMPARE(frequencies->itemText(1), QStringLiteral("420.01000"));
    frequencies->setCurrentIndex(1);
    showPage(3);
    showPage(0);
    QVERIFY(comment().startsWith(QStringLiteral("PHG0000/420.01 MHz/")));
}

void tst_Form1::frequency_toneAndCtcss_keepOneTicked()
{
    start();
    auto *tone = control<QCheckBox>(QStringLiteral("chkTone"));
    auto *ctcss = control<QCheckBox>(QStringLiteral("chkCTCSS"));
    QVERIFY(!tone->isChecked() && !ctcss->isChecked());
    showPage(3);
    tone->click();
    QVERIFY(tone->isChecked() && !ctcss->isChecked());
    control<QComboBox>(QStringLiteral("lstTone"))->setCurrentIndex(8);
    control<QRadioButton>(QStringLiteral("optWideFM(1)"))->click();
    showPage(0);
    QVERIFY(comment().startsWith(QStringLiteral("PHG0000/144.000MHz T088/")));
    showPage(3);
    tone->click();
    QVERIFY(!tone->isChecked() && ctcss->isChecked());
    ctcss->click();
    QVERIFY(tone->isChecked() && !ctcss->isChecked());
    ctcss->click();
    QVERIFY(!tone->isChecked() && ctcss->isChecked());
    control<QRadioButton>(QStringLiteral("optWideFM(0)"))->click();
    showPage(0);
    QVERIFY(comment().startsWith(QStringLiteral("PHG0000/144.000MHz/")));
    control<QCheckBox>(QStringLiteral("Check1(2)"))->click();
    control<QCheckBox>(QStringLiteral("Check1(2)"))->click();
    showPage(3);
    ctcss->click();
    showPage(0);
    QVERIFY(comment().startsWith(QStringLiteral("PHG0000/144.000MHz t088/")));
}

void tst_Form1::altitude_keyFilter_dropsWhatIsNoDigit_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("element");
    QTest::newRow("feet: letters, minus and point dropped") << "txtAltFeet"
                                                            << "1a2-3.4"
                                                            << "1234"
                                                            << "A=01234";
    QTest::newRow("metres: capped at 30499") << "txtAltMeters"
                                             << "30500"
                                             << "30499"
                                             << "A=99999";
}

void tst_Form1::altitude_keyFilter_dropsWhatIsNoDigit()
{
    QFETCH(QString, box);
    QFETCH(QString, typed);
    start();
    showPage(2);
    auto *edit = control<QLineEdit>(box);
    edit->clear();
    QTest::keyClick(edit, Qt::Key_Return);
    QTest::keyClicks(edit, typed);
    QTEST(edit->text(), "shown");
    QTEST(control<QLineEdit>(QStringLiteral("txtAltitude"))->text(), "element");
}

void tst_Form1::altitude_metresAfterFeet_clearsFeet()
{
    start();
    auto *feet = control<QLineEdit>(QStringLiteral("txtAltFeet"));
    auto *metres = control<QLineEdit>(QStringLiteral("txtAltMeters"));
    QTest::keyClicks(feet, QStringLiteral("500"));
    QCOMPARE(metres->text(), QStringLiteral("0")); // feet typing leaves the metres box alone
    QCOMPARE(window->beaconState().altitudeMeters, 0);
    QTest::keyClicks(metres, QStringLiteral("1"));
    QCOMPARE(feet->text(), QString());
    QCOMPARE(window->beaconState().altitudeFeet, 0);
    QCOMPARE(window->beaconState().altitudeMeters, 1); // "0" and the typed "1"
    QCOMPARE(control<QLineEdit>(QStringLiteral("txtAltitude"))->text(), QStringLiteral("A=00003"));
}

void tst_Form1::copyButton_putsCommentOnClipboard()
{
    start();
    QGuiApplication::clipboard()->setText(QStringLiteral("something else"));
    showPage(5);
    control<QLineEdit>(QStringLiteral("txtYourBeaconComment"))->setText(QStringLiteral("Not yet"));
    showPage(0);
    control<QLineEdit>(QStringLiteral("txtYourBeaconComment"))->setText(QStringLiteral("Changed"));
    control<QPushButton>(QStringLiteral("cmdCopyToClipboard"))->click();
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("PHG0000/144.000MHz/A=00000 Not yet"));
}

void tst_Form1::exit_savesAndClosesEveryWindow()
{
    start();
    control<QAction>(QStringLiteral("mnuHelpAbout"))->trigger();
    const QWidgetList windows = QApplication::topLevelWidgets();
    QVERIFY(std::any_of(windows.cbegin(), windows.cend(),
                        [](QWidget *w) { return w->objectName() == QStringLiteral("frm_About") && w->isVisible(); }));
    control<QComboBox>(QStringLiteral("lstPower"))->setCurrentIndex(4);
    control<QAction>(QStringLiteral("mnuFileExit"))->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (QWidget *w : QApplication::topLevelWidgets())
        QVERIFY2(!w->isVisible(), qPrintable(w->objectName()));
    const QByteArray ini = installation->readFile(QStringLiteral("Tavrook.INI"));
    QVERIFY(ini.contains("[SETUP]\nLEFT=0\nTOP=0\nMINIMIZED=FALSE\n"));
    QVERIFY(ini.contains("Power=4\n"));
}

void tst_Form1::closeBox_savesNothing()
{
    start();
    const QByteArray before = installation->readFile(QStringLiteral("Tavrook.INI"));
    control<QComboBox>(QStringLiteral("lstPower"))->setCurrentIndex(4);
    window->close();
    QCOMPARE(installation->readFile(QStringLiteral("Tavrook.INI")), before);
    QVERIFY(!before.contains("SETUP"));
}

void tst_Form1::restart_bringsBackEveryChoice()
{
    start();
    control<QComboBox>(QStringLiteral("lstPower"))->setCurrentIndex(5);
    control<QComboBox>(QStringLiteral("lstHeight"))->setCurrentIndex(12);
    control<QComboBox>(QStringLiteral("lstGain"))->setCurrentIndex(3);
    control<QRadioButton>(QStringLiteral("optDirection(2)"))->click();
    QTest::keyClicks(control<QLineEdit>(QStringLiteral("txtAltFeet")), QStringLiteral("45678"));
    control<QComboBox>(QStringLiteral("lstBand"))->setCurrentIndex(1);
    control<QComboBox>(QStringLiteral("lstStep"))->setCurrentIndex(6);
    control<QComboBox>(QStringLiteral("lstFrequency"))->setCurrentIndex(7);
    control<QComboBox>(QStringLiteral("lstTone"))->setCurrentIndex(8);
    control<QCheckBox>(QStringLiteral("chkTone"))->click();
    control<QLineEdit>(QStringLiteral("txtYourBeaconComment"))->setText(QStringLiteral("  QRV  "));
    control<QCheckBox>(QStringLiteral("Check1(1)"))->click();
    control<QAction>(QStringLiteral("mnuFileExit"))->trigger();

    start();
    QCOMPARE(control<QComboBox>(QStringLiteral("lstFrequency"))->currentText(), QStringLiteral("430.17500"));
    QCOMPARE(control<QCheckBox>(QStringLiteral("chkTone"))->isChecked(), true);
    QCOMPARE(control<QCheckBox>(QStringLiteral("Check1(1)"))->isChecked(), false);
    QCOMPARE(control<QLineEdit>(QStringLiteral("txtAltFeet"))->text(), QStringLiteral("45678"));
    QCOMPARE(control<QLineEdit>(QStringLiteral("txtAltitude"))->text(), QStringLiteral("A=45678"));
    QCOMPARE(control<QLineEdit>(QStringLiteral("txtYourBeaconComment"))->text(), QStringLiteral("QRV"));
    QCOMPARE(comment(), QStringLiteral("PHG5<32/430.175MHz t088 QRV"));
}

void tst_Form1::settings_handEditedValues_areClampedNotFatal()
{
    installation->writeFile(QStringLiteral("Tavrook.INI"), "[TAB_PHG]\nPower=-3\nHeight=99\nGain=2.5\nDirection=70000\n"
                                                           "[TAB_FREQUENCY]\nBand=50\nStep=garbage\nFrequency=99999\nTone=48\n"
                                                           "[TAB_ALTITUDE]\nFeet=1e9\nMeters=abc\n");
    start();
    QCOMPARE(control<QComboBox>(QStringLiteral("lstPower"))->currentIndex(), 0);
    QCOMPARE(control<QComboBox>(QStringLiteral("lstHeight"))->currentIndex(), 13);
    QCOMPARE(control<QComboBox>(QStringLiteral("lstGain"))->currentIndex(), 2);
    QVERIFY(control<QRadioButton>(QStringLiteral("optDirection(8)"))->isChecked());
    QCOMPARE(control<QComboBox>(QStringLiteral("lstBand"))->currentIndex(), 3);
    QCOMPARE(control<QComboBox>(QStringLiteral("lstFrequency"))->currentIndex(), 0);
    QCOMPARE(control<QComboBox>(QStringLiteral("lstTone"))->currentIndex(), 48);
    QCOMPARE(control<QLineEdit>(QStringLiteral("txtAltFeet"))->text(), QStringLiteral("1"));
    QCOMPARE(control<QLineEdit>(QStringLiteral("txtPHG"))->text(), QStringLiteral("PHG0=28"));
}

void tst_Form1::settings_missingLanguage_isReportedAndKept()
{
    installation->writeFile(QStringLiteral("Tavrook.INI"), "[Language]\nCurrentLanguage=Klingon\n");
    start();
    QCOMPARE(messages.texts().value(0), QStringLiteral("can not locate language file for language Klingon."));
    QCOMPARE(messages.shown.value(0).icon, MessageBox::Icon::Critical);
    QCOMPARE(messages.shown.value(0).title, QStringLiteral("Tavrook V1.0.8"));
    control<QAction>(QStringLiteral("mnuFileExit"))->trigger();
    QVERIFY(installation->readFile(QStringLiteral("Tavrook.INI")).contains("CurrentLanguage=Klingon"));
}

void tst_Form1::texts_completeLanguage_reportNothing()
{
    start();
    QVERIFY(messages.shown.isEmpty());
    QVERIFY(!QFile::exists(log_filePath()));
    QCOMPARE(control<QLabel>(QStringLiteral("lblIntroExtOprFreq"))->text(), QStringLiteral("Not implemented yet"));
}

void tst_Form1::texts_missingItem_markedReportedAndLogged()
{
    installation = std::make_unique<Installation>(QStringList{});
    installation->writeLanguageWithout(QStringLiteral("English.lf"), {QStringLiteral("ITEM0040")}, QStringLiteral("English.lf"));
    start();
    QCOMPARE(control<QLabel>(QStringLiteral("lblIntroExtOprFreq"))->text(), QStringLiteral("* Not implemented yet"));
    QCOMPARE(messages.shown.size(), 1);
    QCOMPARE(messages.shown[0].text, QStringLiteral("There are 1 translation errors, language is English\r\n"
                                                    "please see for detail file %TEMP%\\tst_form1.log"));
    QCOMPARE(messages.shown[0].icon, MessageBox::Icon::Information);
    const QString log = logContents();
    QVERIFY2(log.contains(QStringLiteral(" Warning-Translation errors : English\r\n\r\nDefine item ITEM0040, "
                                         "location : Main window, fifth tab, intro text, default value = "
                                         "Not implemented yet\r\n")),
             qPrintable(log));
}

void tst_Form1::texts_noLanguageFile_reportsAll48()
{
    installation = std::make_unique<Installation>(QStringList{});
    start();
    QCOMPARE(messages.texts().value(0), QStringLiteral("can not locate language file for language English."));
    QVERIFY(messages.texts().value(1).startsWith(QStringLiteral("There are 48 translation errors, language is \r\n")));
    QCOMPARE(control<QTabWidget>(QStringLiteral("SSTab1"))->tabText(0), QStringLiteral("* General"));
    QCOMPARE(control<QMenu>(QStringLiteral("mnuOptionsLang"))->actions().size(), 1);
}

void tst_Form1::languageMenu_choosingALanguage_translatesAndSticks()
{
    installation = std::make_unique<Installation>(
        QStringList{QStringLiteral("English.lf"), QStringLiteral("Deutsch.lf"), QStringLiteral("Nederlands.lf")});
    installation->writeLanguageWithout(QStringLiteral("Nederlands.lf"), {QStringLiteral("ITEM0003")},
                                       QStringLiteral("Nederlands.lf"));
    start();
    const QList<QAction *> entries = control<QMenu>(QStringLiteral("mnuOptionsLang"))->actions();
    QCOMPARE(entries.size(), 4);
    QVERIFY(!entries[0]->isVisible());
    QCOMPARE(entries[1]->text(), QStringLiteral("Deutsch"));
    QCOMPARE(entries[3]->text(), QStringLiteral("Nederlands"));
    for (QAction *entry : entries)
        QVERIFY(!entry->isChecked());

    entries[1]->trigger();
    QVERIFY(entries[1]->isChecked());
    QCOMPARE(control<QPushButton>(QStringLiteral("cmdCopyToClipboard"))->text(), QStringLiteral("In die Zwischenablage"));
    QCOMPARE(control<QTabWidget>(QStringLiteral("SSTab1"))->tabText(2), QStringLiteral("Höhe"));
    QVERIFY(messages.shown.isEmpty());

    entries[3]->trigger();
    entries[3]->trigger();
    QVERIFY(entries[3]->isChecked() && !entries[1]->isChecked());
    QCOMPARE(messages.shown.size(), 2);
    QVERIFY(messages.shown[0].text.startsWith(QStringLiteral("There are 1 translation errors, language is Nederlands\r\n")));
    QCOMPARE(messages.shown[1].text, messages.shown[0].text);
    QCOMPARE(control<QPushButton>(QStringLiteral("cmdCopyToClipboard"))->text(), QStringLiteral("* Copy to Clipboard"));

    entries[1]->trigger();
    control<QAction>(QStringLiteral("mnuFileExit"))->trigger();
    start();
    QCOMPARE(control<QCheckBox>(QStringLiteral("Check1(1)"))->text(), QStringLiteral("Höhe"));
    QCOMPARE(control<QComboBox>(QStringLiteral("lstPower"))->accessibleDescription(), QStringLiteral("Leistung"));
}

void tst_Form1::accessibility_everyListAndExampleIsDescribed()
{
    start();
    for (QComboBox *box : window->findChildren<QComboBox *>())
        QVERIFY2(!box->accessibleDescription().isEmpty(), qPrintable(box->objectName()));
    const QList<QLabel *> labels = window->findChildren<QLabel *>();
    for (QLineEdit *edit : window->findChildren<QLineEdit *>()) {
        const bool labelled = std::any_of(labels.cbegin(), labels.cend(), [edit](QLabel *l) { return l->buddy() == edit; });
        QVERIFY2(labelled, qPrintable(edit->objectName()));
    }
    QCOMPARE(control<QLabel>(QStringLiteral("lblTHD7_example_L2"))->accessibleDescription(),
             QStringLiteral("TH-D7 display, line 2"));
    QCOMPARE(control<QComboBox>(QStringLiteral("lstBand"))->accessibleDescription(), QStringLiteral("Band"));
}

void tst_Form1::help_opensPageOfTheLanguage()
{
    installation = std::make_unique<Installation>(QStringList{QStringLiteral("English.lf"), QStringLiteral("Deutsch.lf")});
    installation->writeFile(QStringLiteral("Tavrook_Deutsch.html"), "<p>Hilfe</p>");
    start();
    control<QAction>(QStringLiteral("mnuHelpHelp"))->trigger();
    QCOMPARE(control<QAction>(QStringLiteral("mnuHelpHelp"))->shortcut(), QKeySequence(Qt::Key_F1));
    control<QMenu>(QStringLiteral("mnuOptionsLang"))->actions().at(1)->trigger();
    control<QAction>(QStringLiteral("mnuHelpHelp"))->trigger();
    QCOMPARE(shell.opened.size(), 2);
    QCOMPARE(shell.opened[0], QUrl::fromLocalFile(installation->path() + QStringLiteral("/Tavrook.html")));
    QCOMPARE(shell.opened[1], QUrl::fromLocalFile(installation->path() + QStringLiteral("/Tavrook_Deutsch.html")));
}

void tst_Form1::about_secondClickShowsTheSameWindow()
{
    installation = std::make_unique<Installation>(QStringList{QStringLiteral("English.lf"), QStringLiteral("Deutsch.lf")});
    start();
    auto abouts = [] {
        int n = 0;
        for (QWidget *w : QApplication::topLevelWidgets())
            n += w->objectName() == QStringLiteral("frm_About") && w->isVisible();
        return n;
    };
    control<QAction>(QStringLiteral("mnuHelpAbout"))->trigger();
    control<QAction>(QStringLiteral("mnuHelpAbout"))->trigger();
    QCOMPARE(abouts(), 1);
    QWidget *about = nullptr;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->objectName() == QStringLiteral("frm_About"))
            about = w;
    QVERIFY(about);
    QCOMPARE(about->windowTitle(), QStringLiteral("About Tavrook V1.0.8"));
    QVERIFY(about->windowFlags() & Qt::WindowStaysOnTopHint);
    QCOMPARE(about->findChild<QLabel *>(QStringLiteral("lblTranslators"))->text(),
             QStringLiteral("Deutsch by the Tavrook developers\nEnglish by the Tavrook developers"));
    about->findChild<QLabel *>(QStringLiteral("lblWebURL"))->linkActivated(QStringLiteral("web"));
    QCOMPARE(shell.opened.value(0).scheme(), QStringLiteral("https"));
    about->findChild<QPushButton *>(QStringLiteral("Command1"))->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(abouts(), 0);
}

void tst_Form1::advice_rangeAndCharacterWarnings()
{
    start();
    auto *range = control<QLabel>(QStringLiteral("lblPHGRange"));
    QCOMPARE(range->text(), QStringLiteral("\u2248 0.0 mi (0.0 km)"));
    control<QComboBox>(QStringLiteral("lstPower"))->setCurrentIndex(5);
    control<QComboBox>(QStringLiteral("lstHeight"))->setCurrentIndex(1);
    control<QComboBox>(QStringLiteral("lstGain"))->setCurrentIndex(3);
    control<QRadioButton>(QStringLiteral("optDirection(1)"))->click();
    QCOMPARE(range->text(), QStringLiteral("\u2248 7.9 mi (12.8 km), shifted NE"));

    showPage(5);
    control<QLineEdit>(QStringLiteral("txtYourBeaconComment"))->setText(QStringLiteral("a|b \u00e9"));
    const QString warning = QStringLiteral("APRS does not allow |; the radios cannot show \u00e9");
    QCOMPARE(control<QLabel>(QStringLiteral("lblFreeTextWarning"))->text(), warning);
    showPage(0);
    auto *general = control<QLabel>(QStringLiteral("lblCharacterWarning"));
    QVERIFY(!general->isHidden());
    QCOMPARE(general->text(), warning);
    QVERIFY(comment().endsWith(QStringLiteral(" a|b \u00e9"))); // the comment is left as typed
    control<QCheckBox>(QStringLiteral("Check1(4)"))->click();
    QVERIFY(general->isHidden());
}

void tst_Form1::updateMenu_runsACheckInItsWindow()
{
    start();
    auto *entry = control<QAction>(QStringLiteral("mnuHelpUpdate"));
    bool enabledDuringFetch = true;
    transfer.onFetch = [&] {
        enabledDuringFetch = entry->isEnabled();
    };
    transfer.answer = {true, "Ostrowind Tavrook Version V1.0.8 ", 0, {}};
    entry->trigger();
    transfer.onFetch = nullptr;
    QVERIFY(!enabledDuringFetch);
    QVERIFY(entry->isEnabled());
    QCOMPARE(transfer.requested, QStringList{window->programContext().webAddress});
    QWidget *update = nullptr;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->objectName() == QStringLiteral("frmUpdate"))
            update = w;
    QVERIFY(update && update->isVisible());
    QCOMPARE(update->findChild<QLabel *>(QStringLiteral("Label1"))->text(),
             QStringLiteral("No version information found for app Tavrook"));
    control<QAction>(QStringLiteral("mnuFileExit"))->trigger();
    QVERIFY(!update->isVisible());
}

void tst_Form1::about_keepsProgramRunningAfterCloseBox()
{
    start();
    control<QAction>(QStringLiteral("mnuHelpAbout"))->trigger();
    bool aboutOutlivedMain = false;
    QTimer::singleShot(0, window.get(), [this] { window->close(); });
    QTimer::singleShot(100, qApp, [&aboutOutlivedMain] {
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (w->objectName() == QStringLiteral("frm_About") && w->isVisible()) {
                aboutOutlivedMain = true;
                w->close();
            }
        }
    });
    QTimer::singleShot(10000, qApp, &QCoreApplication::quit); // never hang the suite
    QElapsedTimer clock;
    clock.start();
    QApplication::exec();
    QVERIFY(aboutOutlivedMain);
    QVERIFY(clock.elapsed() < 10000); // closing the About window ended the program
}

QTEST_MAIN(tst_Form1)
#include "tst_form1.moc"
