#include "QtPlatform.h"

#include "WebAddress.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QTimer>
#include <QTranslator>

bool install_qtTranslations(QTranslator &translator, const QLocale &locale)
{
    return translator.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
           QCoreApplication::installTranslator(&translator);
}

void QtMessageBox::show(const QString &text, Icon icon, const QString &title)
{
    QMessageBox box(icon == Icon::Critical ? QMessageBox::Critical : QMessageBox::Information,
                    title, text, QMessageBox::Ok, parent);
    box.exec();
}

void QtClipboard::setText(const QString &text)
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->setText(text, QClipboard::Clipboard);
    if (clipboard->supportsSelection())
        clipboard->setText(text, QClipboard::Selection);
}

void QtShellOpen::open(const QUrl &target)
{
    QDesktopServices::openUrl(target);
}

namespace {

// Error numbers follow the network layer's codes, moved clear of the reserved 1.
constexpr int networkErrorBase = 12000;

TransferResult failure(QNetworkReply::NetworkError error, const QString &description)
{
    TransferResult result;
    result.errorNumber = networkErrorBase + int(error);
    result.description = description;
    return result;
}

// One fetch, with a network manager of its own that goes with it, so that nothing
// of one fetch (a connection, a request the network layer still repeats) can hold
// up the next. Redirects are followed here, one request at a time.
class PageFetch final : public QObject
{
public:
    PageFetch(QObject *context, int timeoutMs, Transfer::Done done)
        : QObject(context), timeoutMs(timeoutMs), done(std::move(done))
    {
        timer.setSingleShot(true);
        connect(&timer, &QTimer::timeout, this, [this] {
            timedOut = true;
            reply->abort();
        });
        timer.start(timeoutMs);
    }

    void get(const QUrl &address)
    {
        QNetworkRequest request(address);
        request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                             QNetworkRequest::ManualRedirectPolicy);
        reply = manager.get(request);
        // The network layer would otherwise buffer an endless page far ahead of our reads.
        reply->setReadBufferSize(64 * 1024);
        connect(reply, &QIODevice::readyRead, this, &PageFetch::take);
        connect(reply, &QNetworkReply::finished, this, &PageFetch::finished);
    }

private:
    void take()
    {
        data += reply->read(QtTransfer::maxReplyBytes + 1 - data.size());
        if (data.size() > QtTransfer::maxReplyBytes) {
            tooLarge = true;
            reply->abort();
        }
    }

    void finished()
    {
        if (!tooLarge && reply->isOpen())
            take();
        reply->deleteLater();
        const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        const QVariant location = reply->attribute(QNetworkRequest::RedirectionTargetAttribute);
        if (!tooLarge && !timedOut && status >= 300 && status < 400 && location.isValid()) {
            const QUrl target = reply->url().resolved(location.toUrl());
            if (!is_webAddress(target))
                return end(failure(QNetworkReply::InsecureRedirectError,
                                   QStringLiteral("the web server redirected to an address that "
                                                  "is not http or https")));
            if (++redirects > QtTransfer::maxRedirects)
                return end(failure(QNetworkReply::TooManyRedirectsError,
                                   QStringLiteral("the web server redirected more than %1 times")
                                       .arg(QtTransfer::maxRedirects)));
            data.clear();
            return get(target);
        }
        end(outcome(status));
    }

    TransferResult outcome(int status) const
    {
        if (tooLarge)
            return failure(QNetworkReply::UnknownContentError,
                           QStringLiteral("the page is larger than 1 MiB"));
        if (timedOut)
            return failure(QNetworkReply::TimeoutError,
                           QStringLiteral("the web server did not answer within %1 seconds")
                               .arg(timeoutMs / 1000.0));
        // A server that answered with an error page (404, 500, a proxy's page) still
        // delivered a page; the check finds out that it is not ours.
        if (reply->error() != QNetworkReply::NoError && status < 400)
            return failure(reply->error(), reply->errorString());
        if (status < 200)
            return failure(QNetworkReply::ProtocolFailure,
                           QStringLiteral("the web server sent no answer"));
        TransferResult page;
        page.ok = true;
        page.data = data;
        return page;
    }

    void end(const TransferResult &result)
    {
        timer.stop();
        done(result);
        deleteLater();
    }

    QNetworkAccessManager manager{this};
    QTimer timer;
    QNetworkReply *reply = nullptr;
    int timeoutMs;
    Transfer::Done done;
    QByteArray data;
    int redirects = 0;
    bool tooLarge = false;
    bool timedOut = false;
};

} // namespace

void QtTransfer::fetch(const QString &url, int timeoutMs, QObject *context, Done done)
{
    const QUrl address(url, QUrl::StrictMode);
    if (!is_webAddress(address)) {
        const TransferResult refused =
            failure(QNetworkReply::ProtocolUnknownError,
                    QStringLiteral("the address is not an http or https address: ") + url);
        QMetaObject::invokeMethod(
            context, [done = std::move(done), refused] { done(refused); }, Qt::QueuedConnection);
        return;
    }
    (new PageFetch(context, timeoutMs, std::move(done)))->get(address);
}
