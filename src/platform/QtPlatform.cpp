#include "QtPlatform.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QMessageBox>
#include <QNetworkReply>
#include <QTimer>

#include <memory>

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

namespace {

// What one fetch has seen so far.
struct Fetch
{
    QByteArray data;
    bool tooLarge = false;
    bool timedOut = false;
    bool redirectRefused = false;
};

TransferResult outcome(QNetworkReply &reply, Fetch &seen, int timeoutMs)
{
    TransferResult result;
    if (!seen.tooLarge && reply.isOpen()) {
        seen.data += reply.read(QtTransfer::maxReplyBytes + 1 - seen.data.size());
        seen.tooLarge = seen.data.size() > QtTransfer::maxReplyBytes;
    }
    const QNetworkReply::NetworkError error = reply.error();
    // A server that answered with an error page (404, 500, a proxy's page) still
    // delivered a page; the check finds out that it is not ours.
    const bool answered =
        reply.attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt() >= 400 && !seen.timedOut;
    if (seen.tooLarge) {
        result.errorNumber = networkErrorBase + QNetworkReply::UnknownContentError;
        result.description = QStringLiteral("the page is larger than 1 MiB");
    } else if (error == QNetworkReply::NoError || answered) {
        result.ok = true;
        result.data = seen.data;
    } else if (seen.redirectRefused) {
        result.errorNumber = networkErrorBase + QNetworkReply::InsecureRedirectError;
        result.description =
            QStringLiteral("the web server redirected to an address that is not http or https");
    } else if (seen.timedOut) {
        result.errorNumber = networkErrorBase + QNetworkReply::TimeoutError;
        result.description = QStringLiteral("the web server did not answer within %1 seconds")
                                 .arg(timeoutMs / 1000.0);
    } else {
        result.errorNumber = networkErrorBase + int(error);
        result.description = reply.errorString();
    }
    return result;
}

} // namespace

void QtTransfer::fetch(const QString &url, int timeoutMs, QObject *context, Done done)
{
    const QUrl address(url, QUrl::StrictMode);
    if (!address.isValid() || !web_scheme(address)) {
        TransferResult refused;
        refused.errorNumber = networkErrorBase + QNetworkReply::ProtocolUnknownError;
        refused.description = QStringLiteral("the address is not an http or https address: ") + url;
        QMetaObject::invokeMethod(
            context, [done = std::move(done), refused] { done(refused); }, Qt::QueuedConnection);
        return;
    }

    QNetworkRequest request(address);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::UserVerifiedRedirectPolicy);
    request.setMaximumRedirectsAllowed(maxRedirects);
    QNetworkReply *reply = manager.get(request);
    // The network layer would otherwise buffer an endless page far ahead of our reads.
    reply->setReadBufferSize(64 * 1024);

    auto seen = std::make_shared<Fetch>();
    auto *timer = new QTimer(reply);
    timer->setSingleShot(true);
    QObject::connect(timer, &QTimer::timeout, reply, [reply, seen] {
        seen->timedOut = true;
        reply->abort();
    });
    QObject::connect(reply, &QNetworkReply::redirected, reply, [reply, seen](const QUrl &target) {
        if (web_scheme(target)) {
            emit reply->redirectAllowed();
        } else {
            seen->redirectRefused = true;
            reply->abort();
        }
    });
    QObject::connect(reply, &QIODevice::readyRead, reply, [reply, seen] {
        seen->data += reply->read(maxReplyBytes + 1 - seen->data.size());
        if (seen->data.size() > maxReplyBytes) {
            seen->tooLarge = true;
            reply->abort();
        }
    });
    QObject::connect(reply, &QNetworkReply::finished, context,
                     [reply, seen, timeoutMs, done = std::move(done)] {
                         done(outcome(*reply, *seen, timeoutMs));
                     });
    QObject::connect(reply, &QNetworkReply::finished, reply, &QObject::deleteLater);
    timer->start(timeoutMs);
}
