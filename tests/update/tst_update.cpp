#include "Colours.h"
#include "Fakes.h"
#include "LoopbackHttpServer.h"

#include "platform/QtPlatform.h"
#include "update/UpdateWindowHost.h"
#include "update/clsUpdate.h"
#include "update/frmUpdate.h"

#include <QtTest>
#include <QtWidgets>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(LoopbackHttpServer::Reply)

const QByteArray sig = "Ostrowind ";
const QByteArray newer = "Tavrook Version V1.0.9 ";
const QByteArray same = "Tavrook Version V1.0.8 ";
const QByteArray appFile = "UpdateFile_Tavrook=Tavrook-1.0.9.tar.gz ";
const QByteArray docNewer = "Tavrook Language/Documentation Version V2.5 ";
const QByteArray docSame = "Tavrook Language/Documentation Version V2 ";
const QByteArray docFile = "UpdateFile_DocLang_Tavrook=language-2.5.zip ";
const QString noSignature = u"Can not contact webserver, maybe behind proxy "_s;
const QString invalidFile = u"The update file information is not found or invalid"_s;
const QString newerProgram = u"There is a newer version of this program "_s;
const QString newerDoc = u"There is a newer version of the documentaion/language"_s;
const QString docUpToDate = u"Your current documentation/language version is up to date"_s;

class tst_Update : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        host = std::make_unique<UpdateWindowHost>(u"Tavrook V9"_s, shell);
        server = std::make_unique<LoopbackHttpServer>();
        make();
        messages.shown.clear();
        shell.opened.clear();
    }
    void cleanup()
    {
        update.reset();
        host.reset();
        server.reset();
    }
    // Every outcome of a fetched page, numbers logged in a German user's format.
    void outcomes_data()
    {
        QTest::addColumn<LoopbackHttpServer::Reply>("reply");
        QTest::addColumn<QString>("own"); // the program's version, when not 1.0.8
        QTest::addColumn<QString>("status");
        QTest::addColumn<bool>("docLooked");
        QTest::addColumn<QString>("updateFile");
        QTest::addColumn<QString>("logged");
        using Reply = LoopbackHttpServer::Reply;
        const QString noVersion = u"No version information found for app Tavrook"_s;
        // clang-format off
        QTest::newRow("signature missing") << Reply{"200 OK", {}, "<html>Proxy error</html>"} << "" << noSignature << false << "" << "  signature not found";
        QTest::newRow("signature in another letter case") << Reply{"200 OK", {}, "OSTROWIND " + newer + appFile} << "" << noSignature << false << "" << "";
        QTest::newRow("404 page") << Reply{"404 Not Found", {}, "<html>Not Found</html>"} << "" << noSignature << false << "" << "";
        QTest::newRow("newer program without its file") << Reply{"200 OK", {}, sig + newer + docNewer + docFile} << "" << invalidFile << false << "" << "";
        QTest::newRow("newer program with its file") << Reply{"200 OK", {}, sig + newer + appFile + docNewer + docFile} << "" << newerProgram << false << "Tavrook-1.0.9.tar.gz" << "";
        QTest::newRow("a minor of 05 is 5, newer") << Reply{"200 OK", {}, sig + "Tavrook Version x1.05.0 " + appFile} << "" << newerProgram << false << "Tavrook-1.0.9.tar.gz" << "update version  = 1,5, rev:0";
        QTest::newRow("a minor of 10 is 1, older than 9") << Reply{"200 OK", {}, sig + "Tavrook Version V1.10.0 Tavrook Language/Documentation Version V1000000 " + docFile} << "1.9.0" << newerDoc << true << "language-2.5.zip" << "current version = 1,9, rev:0\r\nupdate version  = 1,1, rev:0\r\n";
        QTest::newRow("no program marker, newer documentation") << Reply{"200 OK", {}, sig + docNewer + docFile} << "" << newerDoc << true << "language-2.5.zip" << "current version = 2\r\nupdate version  = 2,5\r\n";
        QTest::newRow("program field too long") << Reply{"200 OK", {}, sig + "Tavrook Version V10.20.3000 " + docNewer + docFile} << "" << newerDoc << true << "language-2.5.zip" << "";
        QTest::newRow("no documentation marker") << Reply{"200 OK", {}, sig + same} << "" << noVersion << true << "" << "";
        QTest::newRow("documentation field without a space") << Reply{"200 OK", {}, sig + same + "Tavrook Language/Documentation Version V1234567890123"} << "" << "No documentation/language version information found for app Tavrook" << true << "" << "";
        QTest::newRow("documentation up to date") << Reply{"200 OK", {}, sig + same + docSame + docFile} << "" << docUpToDate << true << "" << "";
        QTest::newRow("newer documentation without its file") << Reply{"200 OK", {}, sig + same + docNewer} << "" << invalidFile << true << "" << "";
        QTest::newRow("behind a redirect, a file name as HTML writes it") << Reply{"302 Found", "Location: /real\r\n", "UpdateFile_Tavrook=R&amp;D&lt;1&gt;.tar.gz " + sig + newer} << "" << newerProgram << false << "R&amp;D&lt;1&gt;.tar.gz" << "";
        QTest::newRow("any order, markup around") << Reply{"200 OK", {}, "<script>" + docFile + "</script>" + appFile + "<b>" + newer + "</b>" + sig} << "" << newerProgram << false << "Tavrook-1.0.9.tar.gz" << "";
        // An update file that would make anything but a file on the server is not taken.
        for (const char *value : {"javascript:alert(1)", "a\"onclick=x", "a\001b", "{x}.zip", "a|b^c.zip", "100%.zip", " "})
            QTest::addRow("unusable update file %s", value) << Reply{"200 OK", {}, sig + newer + "UpdateFile_Tavrook=" + value + " "} << "" << invalidFile << false << "" << "";
        // clang-format on
    }
    void outcomes()
    {
        QFETCH(LoopbackHttpServer::Reply, reply);
        QFETCH(QString, own);
        const QStringList version = (own.isEmpty() ? u"1.0.8"_s : own).split(QLatin1Char('.'));
        make({qint16(version[0].toInt()), qint16(version[1].toInt()), qint16(version[2].toInt())},
             QLocale(QLocale::German, QLocale::Germany));
        server->set("/", reply);
        server->setPage(reply.body, "/real");
        run();
        QTEST(status(), "status");
        QFETCH(QString, status);
        QCOMPARE(colour(), status.startsWith(u"There"_s) || status.startsWith(u"Your"_s) ? u"green"_s : u"red"_s);
        QTEST(log().contains(u"look for language/documentation version information"_s), "docLooked");
        QTEST(update->UpdateFile(), "updateFile");
        QFETCH(QString, updateFile);
        QCOMPARE(linkShown(), !updateFile.isEmpty());
        if (linkShown()) { // the file name as the page gives it, in the tool tip as drawn, and opened
            const QString tip = u"Download the update "_s + updateFile + u" from "_s + update->URL;
            const QString drawn = label("lblWebURL")->toolTip();
            QCOMPARE(Qt::mightBeRichText(drawn) ? QTextDocumentFragment::fromHtml(drawn).toPlainText() : drawn, tip);
            QCOMPARE(label("lblWebURL")->accessibleDescription(), tip);
            emit label("lblWebURL")->linkActivated(u"download"_s);
            QCOMPARE(shell.opened, QList<QUrl>{QUrl(update->URL + QLatin1Char('/') + updateFile)});
        }
        QFETCH(QString, logged);
        QVERIFY2(log().contains(logged), qPrintable(log()));
        QVERIFY(form()->isVisible());
        QVERIFY(messages.shown.isEmpty());
    }
    // Each failure, then a check of the same address once nothing listens there: it
    // must end at once with its own outcome, whatever the one before went through.
    void fetchFailures_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("logged");
        // clang-format off
        QTest::newRow("refused connection") << "refused" << "Connection refused";
        QTest::newRow("server never answers") << "silent" << "the web server did not answer within 0.3 seconds";
        QTest::newRow("page larger than 1 MiB") << "huge" << "the page is larger than 1 MiB";
        QTest::newRow("redirect to a file") << "redirect" << "the web server redirected to an address that is not http or https";
        QTest::newRow("redirect loop") << "loop" << "the web server redirected more than 5 times";
        // clang-format on
    }
    void fetchFailures()
    {
        QFETCH(QString, kind);
        make({1, 0, 8}, QLocale::c(), 300);
        int requests = 0;
        server->onRequest = [&requests] {
            ++requests;
        };
        if (kind == u"refused"_s)
            server->stopListening();
        else if (kind == u"silent"_s)
            server->set("/", LoopbackHttpServer::Reply{"200 OK", {}, {}, true});
        else if (kind == u"huge"_s)
            server->setPage(sig + same + docSame + QByteArray(10 * 1024 * 1024, 'x'));
        else
            server->set(
                "/",
                {"302 Found", "Location: " + (kind == u"loop"_s ? update->URL.toLatin1() : "file:///etc/passwd") + "\r\n", {}});
        QFETCH(QString, logged);
        for (const QString &expected : {logged, u"Connection refused"_s}) {
            messages.shown.clear();
            run();
            QCOMPARE(messages.shown.size(), 1);
            QCOMPARE(messages.shown[0].text.left(6), u"error "_s);
            QCOMPARE(status(), u"Failed to connect to "_s + update->URL);
            QCOMPARE(colour(), u"red"_s);
            QVERIFY2(log().contains(expected) && !log().contains(u"Check signature"_s), qPrintable(log()));
            server->set("/", LoopbackHttpServer::Reply{"200 OK", {}, {}, true}); // what still gets through waits
            server->stopListening();
        }
        QCOMPARE(requests, kind == u"loop"_s ? 6 : kind == u"refused"_s ? 0 : 1);
    }
    // Silent checks, as the program makes them, open the window only for something newer;
    // a check from the menu then reuses it and starts clean.
    void checks_silentThenFromTheMenu()
    {
        for (const QByteArray &page : {QByteArray("<html>Proxy error</html>"), sig + newer + appFile}) {
            server->setPage(page);
            QSignalSpy finished(update.get(), &clsUpdate::finished);
            update->check4update();
            QVERIFY(finished.wait(10000));
            QCOMPARE(form() && form()->isVisible(), page.startsWith(sig));
        }
        QVERIFY(linkShown() && messages.shown.isEmpty());
        QPointer<frmUpdate> first = form();
        bool menuDuring = true, closeDuring = true;
        int requests = 0;
        server->onRequest = [&] {
            ++requests;
            menuDuring = menuEnabled;
            closeDuring = form()->findChild<QPushButton *>(u"Command1"_s)->isEnabled();
        };
        server->setPage(sig + same + docSame);
        run(2); // a second start while one runs is no second check
        QVERIFY(!menuDuring && !closeDuring);
        QCOMPARE(requests, 1);
        QCOMPARE(form(), first.data()); // reused while open
        QCOMPARE(form()->windowTitle(), u"Tavrook V9, checking for update."_s);
        QVERIFY(log().startsWith(u"Contacting webserver "_s + update->URL + u"\r\nCheck signature\r\n"_s));
        QVERIFY(log().contains(QString(51, QLatin1Char('=')) + u"\r\n"_s) && log().count(u"Contacting"_s) == 1);
        QVERIFY(!linkShown());
        QCOMPARE(update->UpdateFile(), u"Tavrook-1.0.9.tar.gz"_s);
        // More folds the log out; after Close the next check starts with a new, folded window.
        auto *more = form()->findChild<QPushButton *>(u"Command3"_s);
        auto *logBox = form()->findChild<QPlainTextEdit *>();
        const int folded = form()->height();
        QVERIFY(folded < logBox->geometry().bottom()); // folded, the window has no room for the log
        more->click();
        QVERIFY(logBox->isVisibleTo(form()) && form()->height() >= logBox->geometry().bottom());
        QVERIFY(form()->findChild<QPlainTextEdit *>()->toPlainText().contains(u"Check signature\n"_s));
        form()->findChild<QPushButton *>(u"Command1"_s)->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(first.isNull());
        run();
        QCOMPARE(form()->findChild<QPushButton *>(u"Command3"_s)->text() + QString::number(form()->height()),
                 u"More"_s + QString::number(folded));
    }
    void readableInDarkThemesAndLargeFonts()
    {
        // The contrast rule itself, at the threshold WCAG's own examples give: #767676 on white
        // passes 4.5:1, #777777 does not.
        QCOMPARE(readable_on(QColor(0x76, 0x76, 0x76), Qt::white), QColor(0x76, 0x76, 0x76));
        QVERIFY(readable_on(QColor(0x77, 0x77, 0x77), Qt::white).lightness() < 0x77);
        using C = UpdateView::Colour;
        const std::pair<C, const char *> states[] = {
            {C::Black, "plain"}, {C::Green, "green"}, {C::Yellow, "yellow"}, {C::Red, "red"}};
        for (const auto &[state, seen] : states) {
            host->setStatusColour(state);
            QCOMPARE(colour(), QLatin1String(seen));
            QApplication::setPalette(darkPalette());
            QCOMPARE(colour(), QLatin1String(seen)); // a change of theme is followed
            QApplication::setPalette(QApplication::style()->standardPalette());
        }
        // A larger font grows the window: its status keeps room for two lines.
        const QFont normal = QApplication::font();
        QApplication::setFont(QFont(normal.family(), 20));
        const frmUpdate window(u"Tavrook V9"_s);
        QApplication::setFont(normal);
        QVERIFY(window.findChild<QLabel *>(u"Label1"_s)->height() >= 2 * QFontMetrics(QFont(normal.family(), 20)).lineSpacing());
    }

private:
    void make(const ProgramVersion &version = {1, 0, 8}, const QLocale &locale = QLocale::c(), int timeoutMs = 15000)
    {
        // The installed language files are at version 2.
        update =
            std::make_unique<clsUpdate>(u"Tavrook"_s, u"Tavrook V9"_s, 2, transfer, messages, *host, version, locale, timeoutMs);
        update->URL = server->url(QString());
        // What the window's "Check for updates" entry does with the signals.
        connect(update.get(), &clsUpdate::started, this, [this] { menuEnabled = false; });
        connect(update.get(), &clsUpdate::finished, this, [this] { menuEnabled = true; });
    }
    void run(int starts = 1)
    {
        QSignalSpy finished(update.get(), &clsUpdate::finished);
        update->setSilent(false); // as the menu starts it, and silent again once it runs
        for (int i = 0; i < starts; ++i)
            update->check4update();
        update->setSilent(true);
        QVERIFY(!menuEnabled); // the check goes on while the program does
        QVERIFY(finished.wait(10000));
        QVERIFY(menuEnabled && form()->findChild<QPushButton *>(u"Command1"_s)->isEnabled());
    }
    QLabel *label(const char *name) const { return form()->findChild<QLabel *>(QLatin1String(name)); }
    QString status() const { return label("Label1")->text(); }
    QString colour() const
    {
        return seenAs(label("Label1")->palette().color(QPalette::WindowText), form()->palette().color(QPalette::Window));
    }
    QString log() const { return host->logText(); }
    static frmUpdate *form()
    {
        for (QWidget *window : QApplication::topLevelWidgets())
            if (auto *found = qobject_cast<frmUpdate *>(window))
                return found;
        return nullptr;
    }
    bool linkShown() const { return label("lblWebURL")->isVisibleTo(form()); }

    std::unique_ptr<clsUpdate> update;
    std::unique_ptr<UpdateWindowHost> host;
    std::unique_ptr<LoopbackHttpServer> server;
    RecordingMessageBox messages;
    RecordingShell shell;
    QtTransfer transfer;
    bool menuEnabled = true;
};

QTEST_MAIN(tst_Update)
#include "tst_update.moc"
