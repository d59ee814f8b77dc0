#pragma once

#include "platform/MessageBox.h"
#include "platform/ShellOpen.h"

#include <QList>
#include <QStringList>
#include <QUrl>
#include <functional>

// A message box that records what it was asked to show and returns at once.
class RecordingMessageBox final : public MessageBox
{
public:
    struct Shown
    {
        QString text;
        Icon icon;
        QString title;
    };

    void show(const QString &text, Icon icon, const QString &title) override
    {
        shown.append({text, icon, title});
        if (onShow)
            onShow();
    }

    QStringList texts() const
    {
        QStringList result;
        for (const Shown &s : shown)
            result << s.text;
        return result;
    }

    QList<Shown> shown;
    std::function<void()> onShow;
};

class RecordingShell final : public ShellOpen
{
public:
    void open(const QUrl &target) override { opened.append(target); }
    QList<QUrl> opened;
};

#include "platform/Transfer.h"

// A transfer that answers from a table instead of the network.
class ScriptedTransfer final : public Transfer
{
public:
    TransferResult fetch(const QString &url, int timeoutMs) override
    {
        requested.append(url);
        lastTimeoutMs = timeoutMs;
        if (onFetch)
            onFetch();
        return answer;
    }

    TransferResult answer{false, {}, Transfer::cancelledError, QStringLiteral("cancelled")};
    QStringList requested;
    int lastTimeoutMs = 0;
    std::function<void()> onFetch;
};
