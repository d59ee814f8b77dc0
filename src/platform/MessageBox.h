#pragma once

#include <QString>

// A modal message box with an icon, an OK button and a title. Returns when the
// user has closed it.
class MessageBox
{
public:
    enum class Icon { Information, Critical };

    virtual ~MessageBox() = default;
    virtual void show(const QString &text, Icon icon, const QString &title) = 0;
};
