#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

class MessageBox;

struct LanguageFileInfo
{
    QString name;
    QString path;
    qint16 version = 0;
    QString translator;
};

// What one language file holds: its name, version and translator, and its texts by
// key (the first entry of a key counts).
struct LanguageFile
{
    LanguageFileInfo info;                                     // without its path
    bool named = false, versioned = false, translated = false; // the lines were there
    QHash<QString, QString> entries;
};

// The translator: finds the language files ("*.lf" in the folder "language" beside
// the executable) on creation, loads the chosen language's table, and translates
// texts by key, falling back to a marked English default that counts as an error.
class clsLanguage
{
public:
    // Called once at creation with the names of the languages found, in list order.
    using LanguagesFound = std::function<void(const QStringList &names)>;

    // folder holds the language files; title heads its message boxes.
    clsLanguage(const QString &folder, const QString &title, MessageBox &messages,
                const LanguagesFound &languagesFound = {});

    void translate_start();
    // The entry's value, or "* " and the default when it is missing or empty;
    // "{CRLF}" becomes a line break in either.
    QString translate(const QString &strKey, const QString &strDefault,
                      const QString &strDescription);
    // An optional text: the entry's value, or the default when it is missing or
    // empty, without counting or reporting anything.
    QString translate_optional(const QString &strKey, const QString &strDefault) const;
    qint16 translate_errors() const;
    QString translate_errormessage() const;
    // What the user and the event log are told about the errors since
    // translate_start; logName is the log's file name.
    QString translate_errorreport(const QString &logName) const;
    QString translate_logentry() const;

    // Chooses the language of that name (letter case counts) and loads its file;
    // shows a message when there is none.
    void language(const QString &strLanguage);
    QString get_language() const;
    // The name last asked for through language(), found or not.
    QString requested_language() const;
    QString get_translators() const;
    qint16 MinimumVersion() const;

    // The rules of a language file on its bytes: lines end at CR or CR LF, ";" starts
    // a comment, "DEF=", "VER=" and "TRANSLATOR=" describe the file, "KEY=text" the rest.
    static LanguageFile parse_languageFile(const QByteArray &bytes);

private:
    void read_languageFile(const QString &path, size_t position);
    void scan_languageFiles(const LanguagesFound &languagesFound);

    QString folder;
    QString title;
    MessageBox &messages;

    std::vector<LanguageFileInfo> languages;
    QHash<QString, QString> entries; // the first entry of a key counts
    QString currentLanguage;
    qint16 minimumVersion = 9999;
    QString errorText;
    qint16 errorCount = 0;
    QString requestedLanguage;
};
