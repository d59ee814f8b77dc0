#pragma once

#include <QString>

#include <array>

class Form1;

// One translated text of the main window: the item key looked up in the language
// file, the English default, where the text is shown (for the error report) and
// how it is set on its control, a member of the window.
struct WindowText
{
    const char *key;
    const char *englishDefault;
    const char *description;
    void (*set)(Form1 &window, const QString &text);

    QString keyText() const { return QString::fromLatin1(key); }
    QString defaultText() const { return QString::fromLatin1(englishDefault); }
    QString descriptionText() const { return QString::fromLatin1(description); }
};

inline constexpr int windowTextCount = 48;
