#pragma once

#include "platform/MessageBox.h"
#include "platform/ShellOpen.h"
#include "platform/Transfer.h"
#include "update/UpdateView.h"

// Adapters that do nothing, for the tools that run the program's code without a
// desktop: the benchmarks, the fuzzers and the screenshot tool.
class NoShell final : public ShellOpen
{
public:
    void open(const QUrl &) override {}
};

class SilentMessageBox final : public MessageBox
{
public:
    void show(const QString &, Icon, const QString &) override {}
};

class NoTransfer final : public Transfer
{
public:
    void fetch(const QString &, int, QObject *, Done) override {}
};

// A transfer that answers every fetch with the same page, at once.
class PageTransfer final : public Transfer
{
public:
    void fetch(const QString &, int, QObject *, Done done) override { done({true, page, 0, {}}); }
    QByteArray page;
};

// An update window that only keeps its status and log.
class MemoryUpdateView final : public UpdateView
{
public:
    void open() override {}
    void setStatus(const QString &text) override { status = text; }
    void setStatusColour(Colour) override {}
    QString logText() const override { return log; }
    void setLogText(const QString &text) override { log = text; }
    void hideLog() override {}
    void hideLink() override {}
    void showLink(const QString &, const QString &, const QString &) override {}
    void setCloseEnabled(bool) override {}

    QString status;
    QString log;
};
