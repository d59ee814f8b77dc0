#include "Fakes.h"
#include "Installation.h"
#include "LoopbackHttpServer.h"

#include "language/clsLanguage.h"
#include "platform/QtPlatform.h"
#include "update/UpdateWindowHost.h"
#include "update/clsUpdate.h"
#include "update/frmUpdate.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

class tst_Update : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void outcomes_data();
    void outcomes();
    void versions_data();
    void versions();
    void ownVersion_minorTenIsOlderThanNine();
    void duringCheck_menuAndCloseAreDisabled();
    void fetch_refusedConnection_reportsFailure();
    void fetch_serverNeverAnswers_timesOut();
    void fetch_cancelled_showsNothing();
    void fetch_hugeReply_isCutAndStillRead();
    void fetch_redirects_onlyToWebAddresses();
    void updateFile_lastBytesOfPage_isFound();
    void updateFile_unsafeValue_opensNothing_data();
    void updateFile_unsafeValue_opensNothing();
    void link_opensServerAndFile();
    void twoChecks_secondStartsCleanAndKeepsFile();
    void log_over15000_keepsLast10000();
    void window_moreLess_foldsAndKeepsLog();
    void silentCheck_noSignature_reportsNothing();
    void samplePage_readsAsPublished();

private:
    void run();
    QString status() const { return form()->findChild<QLabel *>(QStringLiteral("Label1"))->text(); }
    QColor colour() const { return form()->findChild<QLabel *>(QStringLiteral("Label1"))->palette().color(QPalette::WindowText); }
    QString log() const { return host->logText(); }
    frmUpdate *form() const { return host->window(); }
    QLabel *link() const { return form()->findChild<QLabel *>(QStringLiteral("lblWebURL")); }

    class Menu final : public UpdateMenu
    {
    public:
        void setUpdateMenuEnabled(bool value) override { enabled = value; }
        bool enabled = true;
    };

    std::unique_ptr<Installation> installation;
    std::unique_ptr<ProgramContext> context;
    std::unique_ptr<UpdateWindowHost> host;
    std::unique_ptr<LoopbackHttpServer> server;
    RecordingMessageBox messages;
    RecordingShell shell;
    QtTransfer transfer;
    Menu menu;
    clsUpdate *update = nullptr;
};

namespace {

const QByteArray sig = "Ostrowind ";
const QByteArray newer = "Tavrook Version V1.0.9 ";
const QByteArray same = "Tavrook Version V1.0.8 ";
const QByteArray appFile = "UpdateFile_Tavrook=Tavrook-1.0.9.tar.gz ";
const QByteArray docNewer = "Tavrook Language/Documentation Version V2.5 ";
const QByteArray docSame = "Tavrook Language/Documentation Version V2 ";
const QByteArray docFile = "UpdateFile_DocLang_Tavrook=language-2.5.zip ";

const QColor red(255, 0, 0);
const QColor green(0, 128, 0);

} // namespace

void tst_Update::init()
{
    installation = std::make_unique<Installation>(QStringList{});
    installation->writeFile(QStringLiteral("language/English.lf"), "DEF=English\r\nVER=2\r\n");
    context = std::make_unique<ProgramContext>(installation->path());
    context->objLanguage = std::make_unique<clsLanguage>(*context, messages);
    host = std::make_unique<UpdateWindowHost>(*context, shell);
    context->objUpdate = std::make_unique<clsUpdate>(*context, transfer, messages, *host);
    update = context->objUpdate.get();
    update->set_locale(QLocale::c());
    update->set_ownVersion({1, 0, 8});
    server = std::make_unique<LoopbackHttpServer>();
    update->URL = server->url(QStringLiteral("/"));
    update->URL.chop(1);
    messages.shown.clear();
    messages.onShow = nullptr;
    shell.opened.clear();
    menu.enabled = true;
}

void tst_Update::cleanup()
{
    context.reset();
    host.reset();
    server.reset();
}

void tst_Update::run()
{
    update->setSilent(false);
    update->check4update(menu);
    update->setSilent(true);
    QVERIFY(menu.enabled);
    QVERIFY(form()->findChild<QPushButton *>(QStringLiteral("Command1"))->isEnabled());
}

void tst_Update::outcomes_data()
{
    QTest::addColumn<QByteArray>("page");
    QTest::addColumn<QString>("status");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<bool>("docLooked");
    QTest::addColumn<QString>("updateFile");

    QTest::newRow("signature missing") << QByteArray("<html>Proxy error</html>")
                                       << "Can not contact webserver, maybe behind proxy " << red << false << "";
    QTest::newRow("signature only in another letter case")
        << QByteArray("OSTROWIND " + newer + appFile) << "Can not contact webserver, maybe behind proxy " << red << false << "";
    QTest::newRow("newer program without its file entry")
        << QByteArray(sig + newer + docNewer + docFile) << "The update file information is not found or invalid" << red << false
        << "";
    QTest::newRow("newer program with its file entry")
        << QByteArray(sig + newer + appFile + docNewer + docFile) << "There is a newer version of this program " << green << false
        << "Tavrook-1.0.9.tar.gz";
    QTest::newRow("program marker missing, newer documentation")
        << QByteArray(sig + docNewer + docFile) << "There is a newer version of the documentaion/language" << green << true
        << "language-2.5.zip";
    QTest::newRow("program field too long, newer documentation")
        << QByteArray(sig + "Tavrook Version V10.20.3000 " + docNewer + docFile)
        << "There is a newer version of the documentaion/language" << green << true << "language-2.5.zip";
    QTest::newRow("program up to date, documentation marker missing")
        << QByteArray(sig + same) << "No version information found for app Tavrook" << red << true << "";
    QTest::newRow("documentation field without a space")
        << QByteArray(sig + same + "Tavrook Language/Documentation Version V1234567890123")
        << "No documentation/language version information found for app Tavrook" << red << true << "";
    QTest::newRow("documentation up to date")
        << QByteArray(sig + same + docSame + docFile) << "Your current documentation/language version is up to date" << green
        << true << "";
    QTest::newRow("newer documentation without its file entry")
        << QByteArray(sig + same + docNewer) << "The update file information is not found or invalid" << red << true << "";
    QTest::newRow("fragments in any order, hostile markup around")
        << QByteArray("<script>" + docFile + "</script>" + appFile + "<b>" + newer + "</b>" + sig)
        << "There is a newer version of this program " << green << false << "Tavrook-1.0.9.tar.gz";
}

void tst_Update::outcomes()
{
    QFETCH(QByteArray, page);
    server->setPage(page);
    run();
    QTEST(status(), "status");
    QTEST(colour(), "colour");
    QTEST(log().contains(QStringLiteral("look for language/documentation version information")), "docLooked");
    QTEST(update->UpdateFile(), "updateFile");
    QFETCH(QString, updateFile);
    QCOMPARE(link()->isVisibleTo(form()), !updateFile.isEmpty());
    QVERIFY(form()->isVisible());
    QVERIFY(messages.shown.isEmpty());
}

void tst_Update::versions_data()
{
    QTest::addColumn<QByteArray>("version");
    QTest::addColumn<bool>("newer");
    QTest::newRow("1.0.9 is newer") << QByteArray("V1.0.9 ") << true;
    QTest::newRow("1.1.0 is newer") << QByteArray("V1.1.0 ") << true;
    QTest::newRow("2.0.0 is newer") << QByteArray("V2.0.0 ") << true;
    QTest::newRow("1.0.8 is up to date") << QByteArray("V1.0.8 ") << false;
    QTest::newRow("0.9.99 is not newer") << QByteArray("V0.9.99 ") << false;
    QTest::newRow("1.05.0 equals 1.5 and is newer") << QByteArray("V1.05.0 ") << true;
    QTest::newRow("the V may be any character") << QByteArray("x1.0.9 ") << true;
}

void tst_Update::versions()
{
    QFETCH(QByteArray, version);
    QFETCH(bool, newer);
    server->setPage(sig + "Tavrook Version " + version + appFile + docSame);
    run();
    QCOMPARE(status(), newer ? QStringLiteral("There is a newer version of this program ")
                             : QStringLiteral("Your current documentation/language version is up to date"));
    QVERIFY(log().contains(QStringLiteral("current version = 1, rev:8\r\n")));
}

void tst_Update::ownVersion_minorTenIsOlderThanNine()
{
    update->set_ownVersion({1, 9, 0});
    server->setPage(sig + "Tavrook Version V1.10.0 " + appFile);
    run();
    QVERIFY(log().contains(QStringLiteral("current version = 1.9, rev:0\r\nupdate version  = 1.1, rev:0\r\n")));
    QVERIFY(log().contains(QStringLiteral(" Your current program version is up to date\r\n")));
    QCOMPARE(update->UpdateFile(), QString());
}

void tst_Update::duringCheck_menuAndCloseAreDisabled()
{
    bool menuDuring = true;
    bool closeDuring = true;
    server->setPage(sig + same + docSame);
    server->onRequest = [&] {
        menuDuring = menu.enabled;
        closeDuring = form()->findChild<QPushButton *>(QStringLiteral("Command1"))->isEnabled();
    };
    run();
    QCOMPARE(server->requests, 1);
    QVERIFY(!menuDuring);
    QVERIFY(!closeDuring);
    QCOMPARE(form()->windowTitle(), QStringLiteral("Tavrook V1.0.8, checking for update."));
    QVERIFY(log().startsWith(QStringLiteral("Contacting webserver ") + update->URL + QStringLiteral("\r\nCheck signature\r\n")));
    QVERIFY(log().contains(QStringLiteral("current version = 2\r\nupdate version  = 2\r\n")));
    QVERIFY(log().contains(QString(51, QLatin1Char('=')) + QStringLiteral("\r\n")));
}

void tst_Update::fetch_refusedConnection_reportsFailure()
{
    quint16 port = 0;
    {
        QTcpServer probe;
        QVERIFY(probe.listen(QHostAddress::LocalHost, 0));
        port = probe.serverPort();
    }
    update->URL = QStringLiteral("http://127.0.0.1:%1").arg(port);
    QString statusAtMessage;
    messages.onShow = [&] {
        statusAtMessage = status();
    };
    run();
    QCOMPARE(messages.shown.size(), 1);
    QVERIFY(messages.shown[0].text.startsWith(QStringLiteral("error ")));
    QCOMPARE(statusAtMessage, QStringLiteral("Contacting webserver ") + update->URL);
    QCOMPARE(status(), QStringLiteral("Failed to connect to ") + update->URL);
    QCOMPARE(colour(), red);
    QVERIFY(!log().contains(QStringLiteral("Check signature")));
}

void tst_Update::fetch_serverNeverAnswers_timesOut()
{
    server->set("/", LoopbackHttpServer::Reply{"200 OK", {}, {}, true});
    update->set_timeoutMs(300);
    QElapsedTimer clock;
    clock.start();
    run();
    QVERIFY(clock.elapsed() < 10000);
    QCOMPARE(messages.shown.size(), 1);
    QCOMPARE(status(), QStringLiteral("Failed to connect to ") + update->URL);
}

void tst_Update::fetch_cancelled_showsNothing()
{
    ScriptedTransfer cancelled;
    clsUpdate check(*context, cancelled, messages, *host);
    check.URL = QStringLiteral("http://127.0.0.1:1");
    check.setSilent(false);
    check.check4update(menu);
    QVERIFY(messages.shown.isEmpty());
    QCOMPARE(status(), QStringLiteral("Contacting webserver http://127.0.0.1:1"));
    QVERIFY(menu.enabled);
    QCOMPARE(cancelled.lastTimeoutMs, 15000);
}

void tst_Update::fetch_hugeReply_isCutAndStillRead()
{
    QByteArray page = sig + same + docSame;
    page += QByteArray(10 * 1024 * 1024, 'x');
    server->setPage(page);
    run();
    QVERIFY(messages.shown.isEmpty());
    QCOMPARE(status(), QStringLiteral("Your current documentation/language version is up to date"));

    const TransferResult raw = transfer.fetch(server->url(), 15000);
    QVERIFY(raw.ok);
    QCOMPARE(raw.data.size(), QtTransfer::maxReplyBytes);
}

void tst_Update::fetch_redirects_onlyToWebAddresses()
{
    server->setPage(sig + newer + appFile, "/real");
    server->set("/", {"302 Found", "Location: " + server->url(QStringLiteral("/real")).toLatin1() + "\r\n", {}, false});
    run();
    QCOMPARE(status(), QStringLiteral("There is a newer version of this program "));

    server->set("/", {"302 Found", "Location: file:///etc/passwd\r\n", {}, false});
    run();
    QCOMPARE(messages.shown.size(), 1);
    QCOMPARE(status(), QStringLiteral("Failed to connect to ") + update->URL);
}

void tst_Update::updateFile_lastBytesOfPage_isFound()
{
    server->setPage(sig + newer + "UpdateFile_Tavrook=last.zip ");
    run();
    QCOMPARE(update->UpdateFile(), QStringLiteral("last.zip"));
}

void tst_Update::updateFile_unsafeValue_opensNothing_data()
{
    QTest::addColumn<QByteArray>("entry");
    QTest::newRow("another scheme") << QByteArray("UpdateFile_Tavrook=javascript:alert(1) ");
    QTest::newRow("a quote") << QByteArray("UpdateFile_Tavrook=a\"onclick=x ");
    QTest::newRow("a control character") << QByteArray("UpdateFile_Tavrook=a\x01"
                                                       "b ");
    QTest::newRow("value is a lone blank") << QByteArray("UpdateFile_Tavrook=  ");
    QTest::newRow("no ending space") << QByteArray("UpdateFile_Tavrook=file.zip");
}

void tst_Update::updateFile_unsafeValue_opensNothing()
{
    QFETCH(QByteArray, entry);
    server->setPage(sig + newer + entry);
    run();
    QCOMPARE(status(), QStringLiteral("The update file information is not found or invalid"));
    QCOMPARE(colour(), red);
    QCOMPARE(update->UpdateFile(), QString());
    QVERIFY(!link()->isVisibleTo(form()));
    QCOMPARE(update->download_address(), QString());
}

void tst_Update::link_opensServerAndFile()
{
    server->setPage(sig + newer + appFile);
    run();
    QVERIFY(link()->isVisibleTo(form()));
    QVERIFY(link()->text().contains(QStringLiteral("Download the update Tavrook-1.0.9.tar.gz")));
    QCOMPARE(link()->toolTip(), QStringLiteral("Download the update Tavrook-1.0.9.tar.gz from ") + update->URL);
    emit link()->linkActivated(QStringLiteral("download"));
    QCOMPARE(shell.opened.size(), 1);
    QCOMPARE(shell.opened[0], QUrl(update->URL + QStringLiteral("/Tavrook-1.0.9.tar.gz")));
}

void tst_Update::twoChecks_secondStartsCleanAndKeepsFile()
{
    server->setPage(sig + newer + appFile);
    run();
    QPointer<frmUpdate> first = form();
    server->setPage(sig + same + docSame);
    run();
    QCOMPARE(form(), first.data()); // reused while open
    QVERIFY(log().startsWith(QStringLiteral("Contacting webserver ")));
    QCOMPARE(log().count(QStringLiteral("Contacting webserver ")), 1);
    QVERIFY(!link()->isVisibleTo(form()));
    QCOMPARE(update->UpdateFile(), QStringLiteral("Tavrook-1.0.9.tar.gz"));

    form()->findChild<QPushButton *>(QStringLiteral("Command1"))->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(first.isNull());
    run();
    QVERIFY(form() != nullptr);
    QCOMPARE(form()->findChild<QPushButton *>(QStringLiteral("Command3"))->text(), QStringLiteral("More"));
    QCOMPARE(log().count(QStringLiteral("Contacting webserver ")), 1);
}

void tst_Update::log_over15000_keepsLast10000()
{
    QString filled;
    for (int i = 0; filled.size() <= 15000; ++i)
        filled += QStringLiteral("line %1\r\n").arg(i, 5, 10, QLatin1Char('0'));
    host->setLogText(filled);
    update->check_page("no signature here");
    QCOMPARE(log(), filled.right(10000) + QStringLiteral("Check signature\r\n"));
}

void tst_Update::window_moreLess_foldsAndKeepsLog()
{
    server->setPage(sig + same + docSame);
    run();
    auto *more = form()->findChild<QPushButton *>(QStringLiteral("Command3"));
    auto *box = form()->findChild<QPlainTextEdit *>(QStringLiteral("txtLogging"));
    QCOMPARE(more->text(), QStringLiteral("More"));
    QVERIFY(!box->isVisibleTo(form()));
    QCOMPARE(form()->height(), frmUpdate::foldedHeight);
    more->click();
    QCOMPARE(more->text(), QStringLiteral("Less"));
    QVERIFY(box->isVisibleTo(form()));
    QCOMPARE(form()->height(), frmUpdate::unfoldedHeight);
    QVERIFY(box->toPlainText().contains(QStringLiteral("Check signature\n")));
    more->click();
    QCOMPARE(form()->height(), frmUpdate::foldedHeight);
    QVERIFY(log().contains(QStringLiteral("Check signature")));
}

void tst_Update::silentCheck_noSignature_reportsNothing()
{
    server->setPage("nothing to see");
    update->check4update(menu);
    QVERIFY(!form()->isVisible());
    QVERIFY(!log().contains(QStringLiteral("signature not found")));
    QCOMPARE(status(), QStringLiteral("Contacting webserver ") + update->URL);
    QVERIFY(menu.enabled);
}

void tst_Update::samplePage_readsAsPublished()
{
    QFile sample(QStringLiteral(TAVROOK_SOURCE_DIR "/docs/update-page.html"));
    QVERIFY(sample.open(QIODevice::ReadOnly));
    server->setPage(sample.readAll());
    update->set_ownVersion({1, 0, 7});
    run();
    QCOMPARE(status(), QStringLiteral("There is a newer version of this program "));
    QCOMPARE(update->UpdateFile(), QStringLiteral("Tavrook-1.0.8.tar.gz"));
    update->set_ownVersion({1, 0, 8});
    installation->writeFile(QStringLiteral("language/English.lf"), "DEF=English\r\nVER=0\r\n");
    context->objLanguage = std::make_unique<clsLanguage>(*context, messages);
    run();
    QCOMPARE(status(), QStringLiteral("There is a newer version of the documentaion/language"));
    QCOMPARE(update->UpdateFile(), QStringLiteral("Tavrook-language-1.zip"));
}

QTEST_MAIN(tst_Update)
#include "tst_update.moc"
