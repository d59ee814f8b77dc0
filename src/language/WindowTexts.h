#pragma once

#include <QString>

#include <array>

// One translated caption of the main window: the item key looked up in the language
// file, the English default, where the text is shown (for the error report) and the
// control that carries it ("SSTab1(2)" is the caption of tab 2).
struct WindowText
{
    const char *key;
    const char *englishDefault;
    const char *description;
    const char *control;

    QString keyText() const { return QString::fromLatin1(key); }
    QString defaultText() const { return QString::fromLatin1(englishDefault); }
    QString descriptionText() const { return QString::fromLatin1(description); }
    QString controlName() const { return QString::fromLatin1(control); }
};

inline constexpr int windowTextCount = 48;

// The main window's texts in the order they are set.
const std::array<WindowText, windowTextCount> &window_texts();

// The English default of a control's caption, for controls that are captioned
// before the translator runs.
QString default_caption(const char *control);
