#pragma once

#include <QByteArray>
#include <QString>

// Fetches the bytes of one document by address. On failure, errorNumber and
// description say why; errorNumber 1 means the fetch was cancelled by the program.
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
    static constexpr int cancelledError = 1;

    virtual ~Transfer() = default;
    virtual TransferResult fetch(const QString &url, int timeoutMs) = 0;
};
