#pragma once

#include "UpdateView.h"
#include "frmUpdate.h"

#include <QPointer>

class ShellOpen;

// Drives the update window for the check: creates it, hidden, on the first
// operation that needs it, and builds it anew after the user closed it.
class UpdateWindowHost final : public UpdateView
{
public:
    // title heads the window; a followed link goes to the shell.
    UpdateWindowHost(const QString &title, ShellOpen &shell);
    ~UpdateWindowHost() override;

    void open() override;
    void setStatus(const QString &text) override;
    void setStatusColour(Colour colour) override;
    QString logText() const override;
    void setLogText(const QString &text) override;
    void hideLog() override;
    void hideLink() override;
    void showLink(const QString &caption, const QString &toolTip, const QString &address) override;
    void setCloseEnabled(bool enabled) override;

private:
    frmUpdate &loaded();
    void lblWebURL_Click();

    QString title;
    ShellOpen &shell;
    QString address;
    QPointer<frmUpdate> form;
};
