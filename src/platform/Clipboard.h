#pragma once

#include <QString>

// Puts plain text on the clipboard, replacing what was there.
class Clipboard
{
public:
    virtual ~Clipboard() = default;
    virtual void setText(const QString &text) = 0;
};
