#pragma once

#include <QByteArray>
#include <QString>

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
    virtual ~Transfer() = default;
    virtual TransferResult fetch(const QString &url, int timeoutMs) = 0;
};
