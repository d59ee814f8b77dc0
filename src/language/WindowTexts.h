#pragma once

#include <QString>

#include <array>

class clsLanguage;

// Every text of the main window that a language file can translate, named by its
// key. The 48 required ones come first, in the order they are set; then the
// optional ones (ADD0013 is no longer used).
// clang-format off
enum class TextId {
    MENU0001, MENU0002, MENU0003, MENU0004, MENU0005, ITEM0001, ITEM0002, ITEM0003,
    ITEM0034, ITEM0035, ITEM0036, ITEM0037, ITEM0038, ITEM0041, ITEM0004, ITEM0005,
    ITEM0006, ITEM0007, ITEM0008, ITEM0009, ITEM0010, ITEM0011, ITEM0012, ITEM0013,
    ITEM0014, ITEM0015, ITEM0016, ITEM0017, ITEM0018, ITEM0019, ITEM0020, ITEM0021,
    ITEM0022, ITEM0023, ITEM0024, ITEM0025, ITEM0042, ITEM0043, ITEM0039, ITEM0040,
    ITEM0026, ITEM0027, ITEM0028, ITEM0029, ITEM0030, ITEM0031, ITEM0032, ITEM0033,
    ADD0001, ADD0002, ADD0003, ADD0004, ADD0005, ADD0006, ADD0007, ADD0008,
    ADD0009, ADD0010, ADD0011, ADD0012, ADD0014, ADD0015, ADD0016, ADD0017,
    ADD0018, ADD0019, ADD0020, ADD0021, ADD0022, ADD0023, ADD0024, ADD0025,
    ADD0026, ADD0027, ADD0028, ADD0029, ADD0030, ADD0031, ADD0032, ADD0033,
    ADD0034,
    Count
};
// clang-format on

inline constexpr int windowTextCount = int(TextId::Count);

struct WindowText
{
    TextId id;
    const char *key;
    const char *englishDefault;
    const char *description; // where the text is shown, for the error report
    bool optional;           // may be missing: then it is English, without a word
};

// The one table of the window's texts, in the order they are looked up.
const std::array<WindowText, windowTextCount> &window_texts();

// The window's texts in one language.
class Captions
{
public:
    const QString &operator[](TextId id) const { return texts[size_t(id)]; }
    QString &operator[](TextId id) { return texts[size_t(id)]; }

private:
    std::array<QString, windowTextCount> texts;
};

// Looks every text up, in table order. A required text that is missing shows "* " and
// its English default and counts as an error; an optional one that is missing, or
// whose translation lacks a place ("%1") of the English, is the English text.
Captions translate_windowTexts(clsLanguage &language);

// Every text as the English defaults give it.
Captions english_windowTexts();
