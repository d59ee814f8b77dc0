#pragma once

#include "platform/MessageBox.h"
#include "platform/ShellOpen.h"
#include "platform/Transfer.h"

#include <QtCore>

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
    void show(const QString &text, Icon icon, const QString &title) override { shown.append({text, icon, title}); }
    QList<Shown> shown;
};

class RecordingShell final : public ShellOpen
{
public:
    void open(const QUrl &target) override { opened.append(target); }
    QList<QUrl> opened;
};

// A transfer that answers with a fixed page instead of the network, from the event
// loop as the network would; a held answer waits for release().
class ScriptedTransfer final : public Transfer
{
public:
    void fetch(const QString &url, int, QObject *context, Done done) override
    {
        requested.append(url);
        pending = [context = QPointer<QObject>(context), done, result = answer] {
            QMetaObject::invokeMethod(
                context, [done, result] { done(result); }, Qt::QueuedConnection);
        };
        if (!held)
            release();
    }
    void release()
    {
        if (pending)
            std::exchange(pending, nullptr)();
    }
    bool held = false;
    std::function<void()> pending;
    TransferResult answer;
    QStringList requested;
};
