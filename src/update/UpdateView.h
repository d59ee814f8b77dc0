#pragma once

#include <QString>

// What the update check shows its progress and result on. Every operation works
// whether the window is shown or not; one on a window that does not exist yet
// creates it, hidden.
class UpdateView
{
public:
    enum class Colour { Black, Green, Yellow, Red };

    virtual ~UpdateView() = default;
    virtual void open() = 0;
    virtual void setStatus(const QString &text) = 0;
    virtual void setStatusColour(Colour colour) = 0;
    virtual QString logText() const = 0;
    virtual void setLogText(const QString &text) = 0;
    virtual void hideLog() = 0;
    virtual void hideLink() = 0;
    // The link opens address when it is followed.
    virtual void showLink(const QString &caption, const QString &toolTip,
                          const QString &address) = 0;
    virtual void setCloseEnabled(bool enabled) = 0;
};
