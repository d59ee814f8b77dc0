#pragma once

#include <QUrl>

// Hands a document or web address to the desktop, which opens it with the user's
// default program. The outcome is not reported.
class ShellOpen
{
public:
    virtual ~ShellOpen() = default;
    virtual void open(const QUrl &target) = 0;
};
