#include "Colours.h"
#include "Fakes.h"
#include "Installation.h"

#include "TavrookConfig.h"
#include "language/WindowTexts.h"
#include "mainwindow/Form1.h"
#include "platform/QtPlatform.h"
#include "support/logging.h"

#include <QtTest>
#include <QtWidgets>

using namespace Qt::StringLiterals;

// Drives the real main window offscreen, in a scratch program folder.
class tst_Form1 : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { qputenv("TMPDIR", temp.path().toLocal8Bit()); } // the event log stays in here
    void init()
    {
        installation = std::make_unique<Installation>(QStringList{u"English.lf"_s, u"Deutsch.lf"_s});
        messages.shown.clear();
        shell.opened.clear();
        QFile::remove(log_filePath());
    }
    void cleanup()
    {
        window.reset();
        QLocale::setDefault(QLocale::c());
    }
    void firstStart_describesEveryControl_commentAssembledOnGeneralPageOrTickOnly()
    {
        start();
        QCOMPARE(comment(), u"PHG0000/144.000MHz/A=00000 My free beacon t"_s);
        QVERIFY(!w<QLabel>("lblWarning")->isHidden() && box("txtAltMeters")->text() == u"0"_s);
        QCOMPARE(QAccessible::queryAccessibleInterface(w<QLabel>("lblWarning"))->role(), QAccessible::AlertMessage);
        QCOMPARE(QAccessible::queryAccessibleInterface(w<QWidget>("picPHGCoverage"))->role(), QAccessible::Graphic);
        QVERIFY(w<QLabel>("lblReceiversRead")->text().contains(u"decode_aprs: 144.000 MHz"_s) && messages.shown.isEmpty());
        QCOMPARE(window->windowTitle(),
                 u"Tavrook V%1.%2.%3"_s.arg(TAVROOK_VERSION_MAJOR).arg(TAVROOK_VERSION_MINOR).arg(TAVROOK_VERSION_PATCH));
        // Every list is described; every box has a label.
        QSet<QWidget *> labelled;
        for (QLabel *label : window->findChildren<QLabel *>())
            labelled << label->buddy();
        for (QComboBox *list : window->findChildren<QComboBox *>())
            QVERIFY2(!list->accessibleDescription().isEmpty(), qPrintable(list->objectName()));
        for (QLineEdit *edit : window->findChildren<QLineEdit *>()) {
            auto *spin = qobject_cast<QAbstractSpinBox *>(edit->parentWidget());
            QWidget *box = spin ? static_cast<QWidget *>(spin) : edit;
            QVERIFY2(labelled.contains(box) || !box->accessibleDescription().isEmpty(), qPrintable(box->objectName()));
        }
        QCOMPARE(w<QLabel>("lblTHD7_example_L2")->accessibleDescription(), u"TH-D7 display, line 2"_s);
        // The comment is assembled again only on the General page or by an element's tick, and copied as shown.
        const QString before = comment();
        showPage(1);
        list("lstPower")->setCurrentIndex(5);
        list("lstFrequency")->setCurrentIndex(100);
        box("txtYourBeaconComment")->setText(u"H\x07i"_s); // a control character never gets in
        showPage(4);
        QCOMPARE(comment(), before);
        showPage(0);
        QCOMPARE(comment(), u"PHG5000/144.500MHz/A=00000 Hi"_s);
        QVERIFY(w<QLabel>("lblWarning")->isHidden());
        box("txtYourBeaconComment")->setText(u"Later"_s);
        w<QCheckBox>("Check1(0)")->click(); // PHG off
        w<QCheckBox>("Check1(2)")->click(); // frequency off
        QCOMPARE(comment(), u"/A=00000 Later"_s);
        QCOMPARE(w<QLabel>("lblTHD7_example_L2")->text(), u"  A=00000 La"_s);
        // The button copies the comment as shown; Ctrl+Shift+C assembles it first, from any page.
        box("txtYourBeaconComment")->setText(u"Changed"_s);
        w<QPushButton>("cmdCopyToClipboard")->click();
        QCOMPARE(QGuiApplication::clipboard()->text(), u"/A=00000 Later"_s);
        showPage(5);
        QVERIFY(activated());
        QTest::keyClick(window.get(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        QTRY_COMPARE(QGuiApplication::clipboard()->text(), u"/A=00000 Changed"_s);
    }
    void lists_inTheUsersFormat_bandChangeAndTonePairing()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        start();
        QCOMPARE(list("lstHeight")->itemText(0), u"10 feet 3,3 meters"_s);
        QCOMPARE(list("lstHeight")->itemText(9), u"5120 feet 1706,7 meters"_s); // never "1.706,7"
        QCOMPARE(w<QLabel>("lblPHGRange")->text(), u"\u2248 0,0 mi (0,0 km)"_s);
        list("lstFrequency")->setCurrentIndex(42);
        list("lstBand")->setCurrentIndex(3);
        QCOMPARE(list("lstFrequency")->currentIndex(), 0);
        QCOMPARE(list("lstFrequency")->itemText(1), u"420,00500"_s);
        list("lstStep")->setCurrentIndex(2);
        list("lstFrequency")->setCurrentIndex(1);
        auto *tone = w<QCheckBox>("chkTone");
        auto *ctcss = w<QCheckBox>("chkCTCSS");
        QVERIFY(!tone->isChecked() && !ctcss->isChecked());
        tone->click();
        list("lstTone")->setCurrentIndex(8);
        w<QRadioButton>("optWideFM(1)")->click();
        showPage(3);
        showPage(0);
        QVERIFY2(comment().startsWith(u"PHG0000/420.01 MHz T088/"_s), qPrintable(comment())); // a point, always
        ctcss->click();
        QVERIFY(!tone->isChecked() && ctcss->isChecked());
        ctcss->click();
        QVERIFY(tone->isChecked() && !ctcss->isChecked());
    }
    // Every way into an altitude box ends in one rule. Keys go to the focused control with
    // the text X11 sends; the other ways meet a feet box that holds 100.
    void altitude_everyWayIn_data()
    {
        QTest::addColumn<QString>("way");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("clipboard");
        QTest::addColumn<QString>("input"); // keys, or the text that comes in
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("element");
        // clang-format off
        QTest::newRow("letters and signs dropped") << "keys" << "txtAltFeet" << "" << "1 a 2 - 3 . 4" << "1234" << "A=01234";
        QTest::newRow("Delete, Backspace and arrows") << "keys" << "txtAltFeet" << "" << "1 2 3 Home Delete End Left Backspace 4" << "43" << "A=00043";
        QTest::newRow("Enter (Return) dropped") << "keys" << "txtAltFeet" << "" << "1 Return 2" << "12" << "A=00012";
        QTest::newRow("letters typed with Alt or Super (Meta) dropped") << "keys" << "txtAltFeet" << "" << "1 Alt+a Meta+z 2" << "12" << "A=00012";
        QTest::newRow("cut, select all and paste work") << "keys" << "txtAltFeet" << "" << "1 2 Ctrl+a Ctrl+x 3 Ctrl+v" << "312" << "A=00312";
        QTest::newRow("a pasted number loses its blanks") << "keys" << "txtAltFeet" << " 1 345 " << "1 Ctrl+v" << "11345" << "A=11345";
        QTest::newRow("a decimal paste changes nothing") << "keys" << "txtAltMeters" << "12.5" << "7 Ctrl+a Ctrl+v" << "7" << "A=00023";
        QTest::newRow("Ctrl+Z takes an edit back") << "keys" << "txtAltMeters" << "" << "1 0 0 Ctrl+z" << "" << "A=00000";
        QTest::newRow("metres capped at 30499") << "keys" << "txtAltMeters" << "" << "3 0 5 0 0" << "30499" << "A=99999";
        // The key release reaches the box that has just got the focus.
        QTest::newRow("Tab moves on and changes nothing") << "keys" << "txtAltFeet" << "" << "1 5 0 0 Tab" << "1500" << "A=01500";
        QTest::newRow("Shift+Tab moves back and changes nothing") << "keys" << "txtAltMeters" << "" << "5 0 0 Shift+Tab" << "500" << "A=01639";
        QTest::newRow("context menu paste of a number") << "menu" << "txtAltFeet" << "25" << "" << "10025" << "A=10025";
        QTest::newRow("context menu paste of a text") << "menu" << "txtAltFeet" << "abc 12.5" << "" << "100" << "A=00100";
        QTest::newRow("dropped number") << "drop" << "txtAltFeet" << "" << "25" << "10025" << "A=10025";
        QTest::newRow("dropped text") << "drop" << "txtAltFeet" << "" << "x" << "100" << "A=00100";
        QTest::newRow("input method's full-width digits") << "input method" << "txtAltFeet" << "" << "\uff12\uff15" << "10025" << "A=10025";
        QTest::newRow("input method's letters") << "input method" << "txtAltFeet" << "" << "\uff41" << "100" << "A=00100";
        QTest::newRow("middle click pastes the selection") << "middle click" << "txtAltFeet" << "25" << "" << "10025" << "A=10025"; // under Xvfb
        // clang-format on
    }
    void altitude_everyWayIn()
    {
        QFETCH(QString, way);
        QFETCH(QString, box);
        QFETCH(QString, clipboard);
        QFETCH(QString, input);
        if (way == u"middle click"_s && !QGuiApplication::clipboard()->supportsSelection())
            QSKIP("this platform has no primary selection");
        start();
        showPage(2);
        QVERIFY(activated());
        auto *edit = w<QLineEdit>(qPrintable(box));
        edit->setFocus();
        edit->clear();
        QGuiApplication::clipboard()->setText(clipboard,
                                              way == u"middle click"_s ? QClipboard::Selection : QClipboard::Clipboard);
        if (way != u"keys"_s) {
            QTest::keyClicks(edit, u"100"_s);
            edit->end(false);
        }
        if (way == u"keys"_s) {
            // The text X11 delivers with each key: the character typed, a control character with Ctrl.
            const QHash<int, QString> named = {
                {Qt::Key_Delete, u"\x7f"_s}, {Qt::Key_Backspace, u"\b"_s}, {Qt::Key_Return, u"\r"_s}, {Qt::Key_Tab, u"\t"_s}};
            for (const QString &token : input.split(QLatin1Char(' '))) {
                QKeyCombination typed = QKeySequence::fromString(token)[0];
                QString text = typed.key() < 0x80 ? token.right(1) : named.value(typed.key());
                if (typed.keyboardModifiers() == Qt::ControlModifier)
                    text = QChar(typed.key() - Qt::Key_A + 1);
                if (typed == QKeyCombination(Qt::ShiftModifier, Qt::Key_Tab))
                    typed = QKeyCombination(Qt::ShiftModifier, Qt::Key_Backtab);
                // Each half goes to whichever control has the focus at that moment.
                QTest::sendKeyEvent(QTest::Press, QApplication::focusWidget(), typed.key(), text, typed.keyboardModifiers());
                QTest::sendKeyEvent(QTest::Release, QApplication::focusWidget(), typed.key(), text, typed.keyboardModifiers());
            }
        } else if (way == u"menu"_s) {
            const std::unique_ptr<QMenu> menu(edit->createStandardContextMenu());
            for (QAction *entry : menu->actions())
                if (entry->text().startsWith(u"&Paste"_s))
                    entry->trigger();
        } else if (way == u"drop"_s) {
            QMimeData data;
            data.setText(input);
            const QPoint end = edit->rect().bottomRight() - QPoint(2, 2);
            QDragEnterEvent enter(end, Qt::CopyAction, &data, Qt::LeftButton, {});
            QApplication::sendEvent(edit, &enter);
            QDropEvent drop(QPointF(end), Qt::CopyAction, &data, Qt::LeftButton, {});
            QApplication::sendEvent(edit, &drop);
        } else if (way == u"input method"_s) {
            QInputMethodEvent commit;
            commit.setCommitString(input);
            QApplication::sendEvent(edit, &commit);
        } else { // the copy button fills the selection too, which a middle click pastes
            w<QPushButton>("cmdCopyToClipboard")->click();
            QCOMPARE(QGuiApplication::clipboard()->text(QClipboard::Selection), comment());
            QGuiApplication::clipboard()->setText(clipboard, QClipboard::Selection);
            QTest::mouseClick(edit, Qt::MiddleButton, {}, edit->rect().bottomRight() - QPoint(2, 2));
        }
        QTEST(edit->text(), "shown");
        QTEST(this->box("txtAltitude")->text(), "element");
    }
    // The close box saves nothing; File > Exit (Ctrl+Q) saves every choice and closes every window.
    void closeBoxAndExit_restartBringsBackEveryChoice()
    {
        start();
        const QByteArray before = installation->ini();
        list("lstPower")->setCurrentIndex(4);
        window->close();
        QCOMPARE(installation->ini(), before);
        start();
        list("lstPower")->setCurrentIndex(5);
        list("lstHeight")->setCurrentIndex(12);
        list("lstGain")->setCurrentIndex(3);
        w<QRadioButton>("optDirection(2)")->click();
        w<QCheckBox>("chkRate")->click();
        list("lstRate")->setCurrentIndex(35);
        QCOMPARE(box("txtPHG")->text(), u"PHGR5<32Z"_s);
        QTest::keyClicks(box("txtAltFeet"), u"77"_s);
        QTest::keyClicks(box("txtAltMeters"), u"30500"_s); // capped: A=99999, and the feet box cleared
        action("mnuOptionsStandardAltitude")->trigger();
        QCOMPARE(box("txtAltFeet")->text() + box("txtAltitude")->text(), u"A=099999"_s);
        QVERIFY(comment().contains(u"/A=099999 "_s));
        action("mnuOptionsStandardAltitude")->trigger();
        QCOMPARE(box("txtAltitude")->text(), u"A=99999"_s);
        QTest::keyClicks(box("txtAltFeet"), u"45678"_s);
        list("lstBand")->setCurrentIndex(1);
        list("lstStep")->setCurrentIndex(6);
        list("lstFrequency")->setCurrentIndex(7);
        list("lstTone")->setCurrentIndex(8);
        w<QCheckBox>("chkTone")->click();
        w<QRadioButton>("optWideFM(1)")->click();
        w<QCheckBox>("Check1(3)")->click();
        list("lstOffset")->setCurrentIndex(1); // the band's first usual shift: 1.6 MHz down on 70 cm
        list("lstDCS")->setCurrentIndex(1);    // in place of the tone
        w<QSpinBox>("spnRange")->setValue(25);
        list("lstRangeUnit")->setCurrentIndex(1);
        box("txtYourBeaconComment")->setText(u" \"QRV\" "_s);
        w<QCheckBox>("Check1(1)")->click();
        action("mnuOptionsStandardAltitude")->trigger();
        action("mnuHelpAbout")->trigger();
        QVERIFY(activated());
        QTest::keyClick(window.get(), Qt::Key_Q, Qt::ControlModifier);
        for (QWidget *w : QApplication::topLevelWidgets())
            QVERIFY2(!w->isVisible(), qPrintable(w->objectName()));
        start();
        QVERIFY(action("mnuOptionsStandardAltitude")->isChecked() && messages.shown.isEmpty());
        QCOMPARE(list("lstFrequency")->currentText(), u"430.17500"_s);
        QCOMPARE(box("txtAltFeet")->text() + box("txtYourBeaconComment")->text(), u"45678 \"QRV\" "_s);
        QVERIFY(w<QCheckBox>("chkTone")->isChecked() && !w<QCheckBox>("Check1(1)")->isChecked());
        QCOMPARE(comment(), u"PHGR5<32Z/430.175MHz D023 -160 R25k  \"QRV\" "_s);
        QCOMPARE(list("lstOffset")->currentText() + QString::number(w<QSpinBox>("spnOffset")->value()), u"-1.6 MHz-1600"_s);
        // An amount typed into the box, a key at a time: the list follows, the box keeps what is typed.
        auto *offset = w<QSpinBox>("spnOffset");
        offset->setFocus();
        offset->selectAll();
        QTest::keyClicks(offset, u"-605"_s);
        QCOMPARE(offset->value(), -605);
        QCOMPARE(list("lstOffset")->currentText(), u"-600 kHz"_s); // in whole 10 kHz steps
        emit offset->editingFinished();
        QCOMPARE(offset->value(), -600);
    }
    void settingsFileOfABeacon_namedSavedThere()
    {
        start(installation->path() + u"/mobile.INI"_s);
        QVERIFY(window->windowTitle().startsWith(u"Tavrook V"_s) && window->windowTitle().endsWith(u" - mobile.INI"_s));
        action("mnuFileDireWolf")->trigger(); // the command for that file, and what to leave out of its line
        QVERIFY(QGuiApplication::clipboard()->text().endsWith(u" --comment --settings '"_s + installation->path() +
                                                              u"/mobile.INI'\""_s));
        QVERIFY(messages.shown.takeLast().text.endsWith(u"POWER=, HEIGHT=, GAIN=, DIR=, FREQ=, TONE=, OFFSET=, COMMENT="_s));
        list("lstPower")->setCurrentIndex(3);
        action("mnuFileExit")->trigger();
        QVERIFY(installation->read(u"mobile.INI"_s).contains("Power=3"));
        QVERIFY(!QFileInfo::exists(installation->iniPath()));
        // A beacon program's configuration given by mistake, or a folder: told and logged at start,
        // never written; a save that fails is told and logged too.
        const QByteArray direwolf = "MYCALL N0CALL\nPBEACON every=30 COMMENTCMD=\"tavrook --comment\"\n";
        installation->writeFile(u"direwolf.conf"_s, direwolf);
        QVERIFY(QDir().mkpath(installation->path() + u"/folder.INI"_s));
        for (const QString &file : {u"direwolf.conf"_s, u"folder.INI"_s}) {
            messages.shown.clear();
            start(installation->path() + QLatin1Char('/') + file);
            action("mnuFileExit")->trigger();
            QCOMPARE(messages.shown.size(), 2);
            QVERIFY(messages.shown[0].text.startsWith(u"Your settings could not be read from "_s + installation->path()));
            QVERIFY(messages.shown[1].text.startsWith(u"Your settings could not be saved to "_s + installation->path()));
            QCOMPARE(messages.shown[1].icon, MessageBox::Icon::Critical);
            const QString log = Installation::readLog();
            QVERIFY(log.contains(u" Error-"_s + messages.shown[0].text + u"\r\n"_s) &&
                    log.endsWith(u" Error-"_s + messages.shown[1].text + u"\r\n"_s));
        }
        QCOMPARE(installation->read(u"direwolf.conf"_s), direwolf);
    }
    void texts_eachOnItsControl_asPlainText()
    {
        // Every text of this file is its own key, so each control shows which key it got.
        auto shownFor = [](const WindowText &text) {
            const QString key = QLatin1String(text.key);
            return key == u"ITEM0002"_s ? u"<b>ITEM0002</b>"_s : key;
        };
        QByteArray keys = "DEF=Keys\r\n";
        for (const WindowText &text : window_texts())
            keys += text.key + QByteArray("=") + shownFor(text).toLatin1() + "\r\n";
        installation->writeFile(u"language/Keys.lf"_s, keys);
        installation->writeFile(u"Tavrook.INI"_s, "[Language]\r\nCurrentLanguage=Keys\r\n");
        start();
        // Captions found through the control they name, and each page's caption by a control on it.
        const QStringList buddies =
            u"txtAltFeet:ITEM0021 txtAltMeters:ITEM0022 lstPower:ITEM0006 lstHeight:ITEM0007 lstGain:ITEM0008 "
            u"lstRate:ITEM0031 lstFrequency:ITEM0025 lstStep:ITEM0042 lstBand:ITEM0043 txtBcnComment:ITEM0041 "
            u"txtYourBeaconComment:ITEM0029 lstOffset:ADD0026 lstDCS:ADD0027 spnRange:ADD0028"_s.split(QLatin1Char(' '));
        const QStringList pages = u"txtBcnComment:ITEM0001 lstPower:ITEM0004 txtAltFeet:ITEM0019 lstBand:ITEM0023 "
                                  u"lstDCS:ITEM0039 txtYourBeaconComment:ITEM0026"_s.split(QLatin1Char(' '));
        QHash<QWidget *, QString> captionOf;
        QStringList shown;
        for (QLabel *label : window->findChildren<QLabel *>()) {
            captionOf.insert(label->buddy(), label->text());
            shown << label->text();
            QVERIFY(!label->text().contains(u"ITEM"_s) || label->textFormat() == Qt::PlainText);
        }
        for (const QString &pair : buddies)
            QCOMPARE(captionOf.value(w<QWidget>(qPrintable(pair.section(QLatin1Char(':'), 0, 0)))),
                     pair.section(QLatin1Char(':'), 1));
        auto *tabs = w<QTabWidget>("SSTab1");
        for (int page = 0; page < pages.size(); ++page) {
            QVERIFY(tabs->widget(page)->isAncestorOf(w<QWidget>(qPrintable(pages[page].section(QLatin1Char(':'), 0, 0)))));
            QCOMPARE(tabs->tabText(page), pages[page].section(QLatin1Char(':'), 1));
        }
        // Every other caption shows exactly once; the sentences with places are pinned where they are made.
        for (QAbstractButton *button : window->findChildren<QAbstractButton *>())
            shown << button->text();
        for (QAction *entry : window->findChildren<QAction *>())
            shown << (entry->menu() ? entry->menu()->title() : entry->text());
        const QStringList elsewhere = {u"ITEM0040"_s, u"ADD0014"_s, u"ADD0016"_s, u"ADD0017"_s,
                                       u"ADD0023"_s,  u"ADD0024"_s, u"ADD0029"_s};
        for (const WindowText &text : window_texts())
            QVERIFY2(pages.join(QLatin1Char(' ')).contains(shownFor(text)) || shown.count(shownFor(text)) == 1 ||
                         elsewhere.contains(shownFor(text)) || QByteArray(text.englishDefault).contains('%'),
                     text.key);
    }
    void layout_keepsStill_readableInLightAndDark_data()
    {
        QTest::addColumn<int>("language"); // entry of the language menu
        QTest::addColumn<QByteArray>("name");
        QTest::newRow("Deutsch") << 1 << QByteArray("Deutsch");
        QTest::newRow("English") << 2 << QByteArray("English");
        QTest::newRow("Nederlands") << 3 << QByteArray("Nederlands");
    }
    void layout_keepsStill_readableInLightAndDark()
    {
        QFile::copy(Installation::shipped(u"Nederlands.lf"_s), installation->languagePath(u"Nederlands.lf"_s));
        const QFont offscreenFont = QApplication::font();
        QApplication::setFont(QFont(offscreenFont.family(), 11)); // a desktop's usual font, larger than offscreen
        QFETCH(QByteArray, name);
        installation->writeFile(u"Tavrook.INI"_s, "[Language]\nCurrentLanguage=" + name + "\n");
        start();
        const QSize size = window->size();
        QFETCH(int, language); // translated again: nothing moves
        w<QMenu>("mnuOptionsLang")->actions().at(language)->trigger();
        const QStringList general = u"txtBcnComment cmdCopyToClipboard lblTHD7_example_L1 lblTMD710_Example_L1"_s.split(u' ');
        const QStringList withWarning = where(general);
        QCOMPARE(window->size(), size);
        QStringList phg = {u"lstPower"_s, u"lstHeight"_s, u"lstGain"_s, u"picPHGCoverage"_s};
        for (int i = 0; i < 9; ++i)
            phg << u"optDirection(%1)"_s.arg(i);
        showPage(1);
        const QStringList compass = where(phg);
        for (int i = 8; i >= 0; --i) {
            w<QRadioButton>(qPrintable(phg.value(4 + i)))->click();
            list("lstPower")->setCurrentIndex(i);
            QCOMPARE(where(phg), compass);
        }
        showPage(5);
        box("txtYourBeaconComment")->setText(u"| \u00e9"_s);
        showPage(0); // the character warning comes, the length warning goes
        QVERIFY(w<QLabel>("lblWarning")->isHidden() && !w<QLabel>("lblCharacterWarning")->isHidden());
        QCOMPARE(where(general), withWarning);
        box("txtYourBeaconComment")->setText(u"ok"_s);
        reassembled(); // no warning at all
        QCOMPARE(where(general), withWarning);
        QCOMPARE(window->size(), size);
        // The longest lines of what receivers read: the rate form, and every field of the extended element.
        action("mnuOptionsStandardAltitude")->trigger();
        auto *read = w<QLabel>("lblReceiversRead");
        w<QCheckBox>("chkRate")->click();
        reassembled();
        QVERIFY2(read->text().contains(u"1156 W"_s) && read->heightForWidth(read->width()) <= read->height(),
                 qPrintable(read->text()));
        w<QCheckBox>("chkRate")->click();
        w<QCheckBox>("Check1(3)")->click();
        list("lstOffset")->setCurrentIndex(1);
        list("lstDCS")->setCurrentIndex(1);
        w<QSpinBox>("spnRange")->setValue(25);
        reassembled();
        QVERIFY2(read->text().contains(u"DCS"_s) && read->heightForWidth(read->width()) <= read->height(),
                 qPrintable(read->text()));
        QCOMPARE(where(general), withWarning);
        QCOMPARE(window->size(), size);

        // The warnings against what the page really shows behind them: Fusion, the style
        // here, paints its pages lighter than the window.
        QCOMPARE(QApplication::style()->name(), u"fusion"_s);
        for (const QPalette &theme : {QApplication::style()->standardPalette(), darkPalette()}) {
            QApplication::setPalette(theme);
            where({});
            auto *tabs = w<QTabWidget>("SSTab1");
            const QImage shot = tabs->grab().toImage();
            for (const char *name : {"lblWarning", "lblCharacterWarning"}) {
                QLabel *label = w<QLabel>(name);
                const QColor behind = shot.pixelColor(label->mapTo(tabs, QPoint(label->width() - 2, 1)));
                QCOMPARE(seenAs(label->palette().color(QPalette::WindowText), behind), u"red"_s);
            }
        }
        QApplication::setPalette(QApplication::style()->standardPalette());
        QApplication::setFont(offscreenFont);
    }
    void languageMenu_translatesEverythingAndSticks()
    {
        installation->writeFile(u"language/Nederlands.lf"_s, "DEF=Nederlands\r\nITEM0001=Algemeen\r\n");
        start();
        const QList<QAction *> entries = w<QMenu>("mnuOptionsLang")->actions();
        QCOMPARE(entries.size(), 4);
        QCOMPARE(entries[1]->text() + entries[2]->text() + entries[3]->text(), u"DeutschEnglishNederlands"_s);
        box("txtYourBeaconComment")->setText(u"| \u00e9"_s);
        entries[1]->trigger();
        QVERIFY(entries[1]->isChecked() && !entries[2]->isChecked());
        QCOMPARE(w<QPushButton>("cmdCopyToClipboard")->text(), u"In die Zwischenablage"_s);
        QVERIFY(w<QLabel>("lblReceiversRead")->text().startsWith(u"Empf\u00e4nger lesen: 0 W, 10 ft, 0 dB, Rundstrahler"_s));
        QCOMPARE(list("lstPower")->accessibleDescription(), u"Leistung"_s);
        QCOMPARE(action("mnuOptionsStandardAltitude")->text(), u"APRS-&Standardh\u00f6he (sechs Ziffern)"_s);
        w<QRadioButton>("optDirection(3)")->click(); // the range names the direction as its button does
        QVERIFY2(w<QLabel>("lblPHGRange")->text().endsWith(u", nach SO verschoben"_s),
                 qPrintable(w<QLabel>("lblPHGRange")->text()));
        QVERIFY(w<QWidget>("picPHGCoverage")->accessibleDescription().startsWith(u"Reicht \u2248 0.0 mi (0.0 km) nach SO,"_s));
        QCOMPARE(w<QLabel>("lblCharacterWarning")->text(),
                 u"APRS erlaubt nicht: |; die Funkger\u00e4te k\u00f6nnen nicht anzeigen: \u00e9"_s);
        QVERIFY(messages.shown.isEmpty() && Installation::readLog().isEmpty());
        box("txtYourBeaconComment")->setText(u"~"_s); // the free text's page warns as one types
        QCOMPARE(w<QLabel>("lblFreeTextWarning")->text(), u"APRS erlaubt nicht: ~"_s);
        // Qt's own texts, in a German user's language too.
        QTranslator german;
        QVERIFY(install_qtTranslations(german, QLocale(QLocale::German, QLocale::Germany)));
        QString qtTexts;
        for (const QAction *entry : box("txtYourBeaconComment")->createStandardContextMenu()->actions())
            qtTexts += entry->text() + QLatin1Char('|');
        QCoreApplication::removeTranslator(&german);
        QVERIFY2(qtTexts.contains(u"|Einf&\u00fcgen\tStrg+V|"_s), qPrintable(qtTexts));
        entries[3]->trigger(); // missing texts: marked, reported and logged, the log named as it is
        QCOMPARE(messages.shown.size(), 1);
        QVERIFY(messages.shown[0].text.endsWith(QLatin1Char('\\') + QFileInfo(log_filePath()).fileName()));
        QCOMPARE(w<QPushButton>("cmdCopyToClipboard")->text(), u"* Copy to Clipboard"_s);
        QCOMPARE(action("mnuOptionsStandardAltitude")->text(), u"Standard APRS &altitude (six digits)"_s);
        action("mnuFileExit")->trigger();
        start(); // in the stored language, reported again
        QCOMPARE(w<QTabWidget>("SSTab1")->tabText(0), u"Algemeen"_s);
        QCOMPARE(messages.shown.size(), 2);
        QCOMPARE(Installation::readLog().count(u" Warning-Translation errors : Nederlands\r\n"_s), 2);
    }
    void helpMenu_helpAboutAndUpdate()
    {
        installation->writeFile(u"Tavrook_Deutsch.html"_s, "<p>Hilfe</p>");
        start();
        QCOMPARE(action("mnuHelpHelp")->shortcut(), QKeySequence(Qt::Key_F1));
        action("mnuHelpHelp")->trigger();
        w<QMenu>("mnuOptionsLang")->actions().at(1)->trigger();
        action("mnuHelpHelp")->trigger();
        action("mnuHelpAbout")->trigger();
        action("mnuHelpAbout")->trigger();
        QCOMPARE(topLevels("frm_About").size(), 1);
        QWidget *about = topLevels("frm_About").value(0);
        QVERIFY(about->windowFlags() & Qt::WindowStaysOnTopHint);
        QCOMPARE(about->findChild<QLabel *>(u"lblTranslators"_s)->text(),
                 u"Deutsch by the Tavrook developers\nEnglish by the Tavrook developers"_s);
        emit about->findChild<QLabel *>(u"lblWebURL"_s)->linkActivated(u"web"_s);
        QCOMPARE(shell.opened, (QList<QUrl>{QUrl::fromLocalFile(installation->path() + u"/Tavrook.html"_s),
                                            QUrl::fromLocalFile(installation->path() + u"/Tavrook_Deutsch.html"_s),
                                            QUrl(QStringLiteral(TAVROOK_WEB_ADDRESS))}));

        // The check goes on while the window answers; its entry is off meanwhile.
        transfer.answer = {true, "Ostrowind Tavrook Version V1.0.8 ", 0, {}};
        transfer.held = true;
        action("mnuHelpUpdate")->trigger();
        QCOMPARE(transfer.requested, QStringList{QStringLiteral(TAVROOK_WEB_ADDRESS)});
        QVERIFY(!action("mnuHelpUpdate")->isEnabled());
        list("lstPower")->setCurrentIndex(1);
        QCOMPARE(box("txtPHG")->text(), u"PHG1000"_s);
        transfer.release();
        QTRY_COMPARE(topLevels("frmUpdate").value(0)->findChild<QLabel *>(u"Label1"_s)->text(),
                     u"No version information found for app Tavrook"_s);
        QVERIFY(action("mnuHelpUpdate")->isEnabled());
    }

private:
    void start(const QString &settingsFile = {})
    {
        window.reset();
        window = std::make_unique<Form1>(Form1Platform{messages, clipboard, shell, transfer},
                                         Form1Location{installation->path(), u"Tavrook"_s, settingsFile});
        window->show();
    }
    template <typename T> T *w(const char *name)
    {
        T *found = window->findChild<T *>(QLatin1String(name));
        if (!found)
            qFatal("no control %s", name);
        return found;
    }
    QComboBox *list(const char *name) { return w<QComboBox>(name); }
    // Where each control stands in the window once the layout has settled.
    QStringList where(const QStringList &names)
    {
        QApplication::processEvents();
        QApplication::processEvents();
        QStringList at;
        for (const QString &name : names) {
            const QWidget *control = w<QWidget>(qPrintable(name));
            const QRect r(control->mapTo(window.get(), QPoint()), control->size());
            at << u"%1 %2,%3 %4x%5"_s.arg(name).arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
        }
        return at;
    }
    QLineEdit *box(const char *name) { return w<QLineEdit>(name); }
    QAction *action(const char *name) { return w<QAction>(name); }
    QString comment() { return box("txtBcnComment")->text(); }
    bool activated()
    {
        window->activateWindow();
        return QTest::qWaitForWindowActive(window.get());
    }
    void showPage(int index) { w<QTabWidget>("SSTab1")->setCurrentIndex(index); }
    void reassembled() // by a visit to another page and back to the General page
    {
        showPage(1);
        showPage(0);
    }
    static QWidgetList topLevels(const char *name)
    {
        QWidgetList found;
        for (QWidget *w : QApplication::topLevelWidgets())
            if (w->objectName() == QLatin1String(name) && w->isVisible())
                found << w;
        return found;
    }

    QTemporaryDir temp;
    std::unique_ptr<Installation> installation;
    RecordingMessageBox messages;
    QtClipboard clipboard;
    RecordingShell shell;
    ScriptedTransfer transfer;
    std::unique_ptr<Form1> window;
};

QTEST_MAIN(tst_Form1)
#include "tst_form1.moc"
