#pragma once

#include <QtNetwork>

#include <functional>

// A small HTTP server on 127.0.0.1 for the update check: each path answers with a
// fixed reply (404 for any other), or never answers at all.
class LoopbackHttpServer : public QObject
{
public:
    struct Reply
    {
        QByteArray status = "200 OK";
        QByteArray headers;
        QByteArray body;
        bool silent = false; // accept the request and never answer
    };

    LoopbackHttpServer()
    {
        server.listen(QHostAddress::LocalHost, 0);
        QObject::connect(&server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *socket = server.nextPendingConnection()) {
                socket->setParent(this);
                QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] { serve(socket); });
            }
        });
    }

    QString url(const QString &path = QStringLiteral("/")) const
    {
        return QStringLiteral("http://127.0.0.1:%1%2").arg(server.serverPort()).arg(path);
    }
    void set(const QByteArray &path, const Reply &reply) { replies.insert(path, reply); }
    void setPage(const QByteArray &body, const QByteArray &path = "/") { set(path, Reply{"200 OK", {}, body, false}); }

    std::function<void()> onRequest; // runs before a request is answered
    void stopListening() { server.close(); }

private:
    void serve(QTcpSocket *socket)
    {
        QByteArray &buffer = pending[socket];
        buffer += socket->readAll();
        if (!buffer.contains("\r\n\r\n"))
            return;
        const Reply reply = replies.value(buffer.split(' ').value(1), Reply{"404 Not Found", {}, "no such page", false});
        pending.remove(socket);
        if (onRequest)
            onRequest();
        if (reply.silent)
            return;
        socket->write("HTTP/1.1 " + reply.status + "\r\nContent-Length: " + QByteArray::number(reply.body.size()) +
                      "\r\nConnection: close\r\n" + reply.headers + "\r\n" + reply.body);
        socket->disconnectFromHost();
    }

    QTcpServer server;
    QHash<QByteArray, Reply> replies;
    QHash<QTcpSocket *, QByteArray> pending;
};
