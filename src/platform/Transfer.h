#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

class QObject;

// Fetches the bytes of one document by address. On failure, errorNumber and
// description say why.
struct TransferResult
{
    bool ok = false;
    QByteArray data;
    int errorNumber = 0;
    QString description;
};

class Transfer
{
public:
    using Done = std::function<void(const TransferResult &result)>;

    virtual ~Transfer() = default;
    // Starts the fetch and returns at once; done runs once, from the event loop,
    // unless context is destroyed before.
    virtual void fetch(const QString &url, int timeoutMs, QObject *context, Done done) = 0;
};
