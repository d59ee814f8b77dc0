#pragma once

#include "Clipboard.h"
#include "MessageBox.h"
#include "ShellOpen.h"
#include "Transfer.h"

class QLocale;
class QTranslator;
class QWidget;

// Loads Qt's own texts (context menus, dialog buttons) for the locale into the
// translator and installs it, where Qt has a translation; false where it has none.
bool install_qtTranslations(QTranslator &translator, const QLocale &locale);

// The desktop's own message box, with the program's window as its parent.
class QtMessageBox final : public MessageBox
{
public:
    void setParentWindow(QWidget *window) { parent = window; }
    void show(const QString &text, Icon icon, const QString &title) override;

private:
    QWidget *parent = nullptr;
};

// The clipboard and, where the desktop has one, the primary selection, so that a
// middle click pastes the comment too.
class QtClipboard final : public Clipboard
{
public:
    void setText(const QString &text) override;
};

class QtShellOpen final : public ShellOpen
{
public:
    void open(const QUrl &target) override;
};

// One GET over HTTP or HTTPS, answered by the event loop; the program goes on
// meanwhile. Whatever page the server answers with counts, an error page too; a
// page larger than 1 MiB is a failure, and redirects are followed only to http and
// https addresses, a few at most.
class QtTransfer final : public Transfer
{
public:
    static constexpr qint64 maxReplyBytes = 1024 * 1024;
    static constexpr int maxRedirects = 5;

    void fetch(const QString &url, int timeoutMs, QObject *context, Done done) override;
};
