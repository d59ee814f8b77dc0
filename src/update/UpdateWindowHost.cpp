#include "UpdateWindowHost.h"

#include "frmUpdate.h"
#include "support/A_URL.h"

UpdateWindowHost::UpdateWindowHost(const QString &title, ShellOpen &shell)
    : title(title), shell(shell)
{}

UpdateWindowHost::~UpdateWindowHost()
{
    delete form.data();
}

frmUpdate &UpdateWindowHost::loaded()
{
    if (!form) {
        form = new frmUpdate(title);
        QObject::connect(form.data(), &frmUpdate::linkClicked, form.data(),
                         [this] { lblWebURL_Click(); });
    }
    return *form;
}

void UpdateWindowHost::lblWebURL_Click()
{
    if (!address.isEmpty())
        shell_open(shell, address);
}

void UpdateWindowHost::open()
{
    frmUpdate &window = loaded();
    window.show();
    window.raise();
}

void UpdateWindowHost::setStatus(const QString &text)
{
    loaded().setStatus(text);
}

void UpdateWindowHost::setStatusColour(Colour colour)
{
    loaded().setStatusColour(colour);
}

QString UpdateWindowHost::logText() const
{
    return form ? form->logText() : QString();
}

void UpdateWindowHost::setLogText(const QString &text)
{
    loaded().setLogText(text);
}

void UpdateWindowHost::hideLog()
{
    loaded().hideLog();
}

void UpdateWindowHost::hideLink()
{
    address.clear();
    loaded().hideLink();
}

void UpdateWindowHost::showLink(const QString &caption, const QString &toolTip,
                                const QString &address)
{
    this->address = address;
    loaded().showLink(caption, toolTip);
}

void UpdateWindowHost::setCloseEnabled(bool enabled)
{
    loaded().setCloseEnabled(enabled);
}
