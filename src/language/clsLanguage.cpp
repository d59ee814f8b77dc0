#include "clsLanguage.h"

#include "platform/MessageBox.h"
#include "support/LenientNumber.h"
#include "support/PlainFile.h"
#include "support/TextCodec.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <limits>

namespace {

// A real language file is under 10 KB; anything larger, or anything that is not a
// plain file (a FIFO would block the start), counts as empty.
constexpr qint64 maxLanguageFileSize = 1024 * 1024;

const QString crlf = QStringLiteral("\r\n");

// Lines end at CR or CR LF; a lone LF stays inside the line.
QList<QByteArrayView> split_lines(QByteArrayView bytes)
{
    QList<QByteArrayView> lines;
    qsizetype start = 0;
    const qsizetype n = bytes.size();
    while (start < n) {
        qsizetype cr = bytes.indexOf('\r', start);
        if (cr < 0) {
            lines << QByteArrayView(bytes.constData() + start, n - start);
            break;
        }
        lines << QByteArrayView(bytes.constData() + start, cr - start);
        start = cr + 1;
        if (start < n && bytes.at(start) == '\n')
            ++start;
    }
    return lines;
}

} // namespace

clsLanguage::clsLanguage(const QString &folder, const QString &title, MessageBox &messages,
                         const LanguagesFound &languagesFound)
    : folder(folder), title(title), messages(messages)
{
    scan_languageFiles(languagesFound);
}

void clsLanguage::scan_languageFiles(const LanguagesFound &languagesFound)
{
    QDir dir(folder);
    QStringList files;
    const QFileInfoList infos =
        dir.entryInfoList(QDir::Files | QDir::NoDotAndDotDot, QDir::Unsorted);
    for (const QFileInfo &info : infos) {
        if (info.fileName().endsWith(QStringLiteral(".lf"), Qt::CaseInsensitive))
            files << info.fileName();
    }
    // Byte order of the names, so the list is the same on every machine.
    std::sort(files.begin(), files.end(),
              [](const QString &a, const QString &b) { return a.toUtf8() < b.toUtf8(); });

    for (const QString &file : files) {
        languages.push_back({});
        read_languageFile(folder + QLatin1Char('/') + file, languages.size() - 1);
    }

    if (languagesFound) {
        QStringList names;
        for (const LanguageFileInfo &info : languages)
            names << info.name;
        languagesFound(names);
    }

    minimumVersion = 9999;
    for (const LanguageFileInfo &info : languages)
        minimumVersion = std::min(minimumVersion, info.version);
}

LanguageFile clsLanguage::parse_languageFile(const QByteArray &bytes)
{
    LanguageFile file;
    QByteArrayView text = bytes;
    if (text.startsWith("\xEF\xBB\xBF")) // a UTF-8 byte-order mark from a Windows editor
        text = text.sliced(3);
    for (QByteArrayView raw : split_lines(text)) {
        if (raw.size() > 2 && static_cast<unsigned char>(raw[0]) == 255 &&
            static_cast<unsigned char>(raw[1]) == 254)
            raw = raw.sliced(2);
        if (raw.isEmpty() || raw[0] == ';')
            continue;
        const QString line = TextCodec::decode(raw);
        if (!file.named && line.startsWith(QStringLiteral("DEF="))) {
            file.named = true;
            file.info.name = line.mid(4);
        } else if (!file.translated && line.startsWith(QStringLiteral("TRANSLATOR="))) {
            file.translated = true;
            file.info.translator = line.mid(11);
        } else if (line.startsWith(QStringLiteral("VER="))) {
            file.versioned = true;
            file.info.version = LenientNumber::to_int16(QStringView(line).mid(4));
        } else if (const qsizetype eq = line.indexOf(QLatin1Char('=')); eq >= 0) {
            const QString key = line.left(eq);
            if (!file.entries.contains(key))
                file.entries.insert(key, line.mid(eq + 1));
        }
    }
    return file;
}

void clsLanguage::read_languageFile(const QString &path, size_t position)
{
    LanguageFile file = parse_languageFile(PlainFile::read(path, maxLanguageFileSize).bytes);
    entries = std::move(file.entries);
    LanguageFileInfo &info = languages[position];
    if (file.named) {
        info.name = file.info.name;
        info.path = path;
    }
    if (file.translated)
        info.translator = file.info.translator;
    if (file.versioned)
        info.version = file.info.version;
}

void clsLanguage::translate_start()
{
    errorText.clear();
    errorCount = 0;
}

QString clsLanguage::translate(const QString &strKey, const QString &strDefault,
                               const QString &strDescription)
{
    QString result = entries.value(strKey);
    if (result.isEmpty()) {
        result = QStringLiteral("* ") + strDefault;
        errorText += crlf + QStringLiteral("Define item ") + strKey +
                     QStringLiteral(", location : ") + strDescription +
                     QStringLiteral(", default value = ") + strDefault;
        if (errorCount < std::numeric_limits<qint16>::max())
            ++errorCount;
    }
    result.replace(QStringLiteral("{CRLF}"), crlf);
    return result;
}

QString clsLanguage::translate_optional(const QString &strKey, const QString &strDefault) const
{
    QString result = entries.value(strKey);
    if (result.isEmpty())
        result = strDefault;
    return result.replace(QStringLiteral("{CRLF}"), crlf);
}

qint16 clsLanguage::translate_errors() const
{
    return errorCount;
}

QString clsLanguage::translate_errormessage() const
{
    return errorText;
}

QString clsLanguage::translate_errorreport(const QString &logName) const
{
    return QStringLiteral("There are ") + QString::number(errorCount) +
           QStringLiteral(" translation errors, language is ") + currentLanguage +
           QStringLiteral("\r\nplease see for detail file %TEMP%\\") + logName;
}

QString clsLanguage::translate_logentry() const
{
    return QStringLiteral("Translation errors : ") + currentLanguage + crlf + errorText;
}

void clsLanguage::language(const QString &strLanguage)
{
    requestedLanguage = strLanguage;
    const auto found =
        std::find_if(languages.cbegin(), languages.cend(),
                     [&](const LanguageFileInfo &l) { return l.name == strLanguage; });
    if (found == languages.cend() || found->path.isEmpty()) {
        messages.show(QStringLiteral("can not locate language file for language ") + strLanguage +
                          QStringLiteral("."),
                      MessageBox::Icon::Critical, title);
        return;
    }
    currentLanguage = strLanguage;
    const QString path = found->path;
    read_languageFile(path, size_t(found - languages.cbegin()));
}

QString clsLanguage::get_language() const
{
    return currentLanguage;
}

QString clsLanguage::requested_language() const
{
    return requestedLanguage;
}

QString clsLanguage::get_translators() const
{
    QString translators;
    for (const LanguageFileInfo &info : languages) {
        if (!translators.isEmpty())
            translators += crlf;
        translators += info.name + QStringLiteral(" by ") + info.translator;
    }
    return translators;
}

qint16 clsLanguage::MinimumVersion() const
{
    return minimumVersion;
}
