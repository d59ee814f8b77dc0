#include "QtPlatform.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QEventLoop>
#include <QGuiApplication>
#include <QMessageBox>
#include <QNetworkReply>
#include <QTimer>

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

bool web_scheme(const QUrl &url)
{
    const QString scheme = url.scheme().toLower();
    return scheme == QStringLiteral("http") || scheme == QStringLiteral("https");
}

// Error numbers follow the network layer's codes, moved clear of the reserved 1.
constexpr int networkErrorBase = 12000;

} // namespace

TransferResult QtTransfer::fetch(const QString &url, int timeoutMs)
{
    TransferResult result;
    const QUrl address(url, QUrl::StrictMode);
    if (!address.isValid() || !web_scheme(address)) {
        result.errorNumber = networkErrorBase + QNetworkReply::ProtocolUnknownError;
        result.description = QStringLiteral("the address is not an http or https address: ") + url;
        return result;
    }

    QNetworkRequest request(address);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::UserVerifiedRedirectPolicy);
    request.setMaximumRedirectsAllowed(maxRedirects);
    QNetworkReply *reply = manager.get(request);
    // The network layer would otherwise buffer an endless page far ahead of our reads.
    reply->setReadBufferSize(64 * 1024);

    QByteArray data;
    bool tooLarge = false;
    bool timedOut = false;
    bool redirectRefused = false;
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, reply, [&] {
        timedOut = true;
        reply->abort();
    });
    QObject::connect(reply, &QNetworkReply::redirected, reply, [&](const QUrl &target) {
        if (web_scheme(target)) {
            emit reply->redirectAllowed();
        } else {
            redirectRefused = true;
            reply->abort();
        }
    });
    QObject::connect(reply, &QIODevice::readyRead, reply, [&] {
        data += reply->read(maxReplyBytes + 1 - data.size());
        if (data.size() > maxReplyBytes) {
            tooLarge = true;
            reply->abort();
        }
    });
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    timer.start(timeoutMs);
    if (!reply->isFinished())
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    timer.stop();

    if (!tooLarge && reply->isOpen()) {
        data += reply->read(maxReplyBytes + 1 - data.size());
        tooLarge = data.size() > maxReplyBytes;
    }
    const QNetworkReply::NetworkError error = reply->error();
    // A server that answered with an error page (404, 500, a proxy's page) still
    // delivered a page; the check finds out that it is not ours.
    const bool answered =
        reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt() >= 400 && !timedOut;
    if (tooLarge) {
        result.errorNumber = networkErrorBase + QNetworkReply::UnknownContentError;
        result.description = QStringLiteral("the page is larger than 1 MiB");
    } else if (error == QNetworkReply::NoError || answered) {
        result.ok = true;
        result.data = data;
    } else if (redirectRefused) {
        result.errorNumber = networkErrorBase + QNetworkReply::InsecureRedirectError;
        result.description =
            QStringLiteral("the web server redirected to an address that is not http or https");
    } else if (timedOut) {
        result.errorNumber = networkErrorBase + QNetworkReply::TimeoutError;
        result.description = QStringLiteral("the web server did not answer within %1 seconds")
                                 .arg(timeoutMs / 1000.0);
    } else {
        result.errorNumber = networkErrorBase + int(error);
        result.description = reply->errorString();
    }
    reply->deleteLater();
    return result;
}
