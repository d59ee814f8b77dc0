#include "PrivateProfile.h"

#include "support/PlainFile.h"
#include "support/TextCodec.h"

#include <QFileInfo>

#include <vector>

namespace PrivateProfile {

namespace {

struct Line
{
    qsizetype start = 0;
    qsizetype length = 0;  // without the line end
    qsizetype lineEnd = 0; // bytes of "\r\n", "\n" or "\r" after it, 0 on an unterminated last line
};

// A line ends at CR LF, LF or a lone CR (an old Mac editor's files).
std::vector<Line> split_lines(const QByteArray &file)
{
    std::vector<Line> lines;
    qsizetype start = 0;
    const qsizetype n = file.size();
    while (start < n) {
        qsizetype end = start;
        while (end < n && file.at(end) != '\n' && file.at(end) != '\r')
            ++end;
        qsizetype lineEnd = 0;
        if (end < n)
            lineEnd = (file.at(end) == '\r' && end + 1 < n && file.at(end + 1) == '\n') ? 2 : 1;
        lines.push_back({start, end - start, lineEnd});
        start = end + lineEnd;
    }
    return lines;
}

bool is_blank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

QString trimmed_blanks(const QString &text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && is_blank(text.at(first)))
        ++first;
    while (last > first && is_blank(text.at(last - 1)))
        --last;
    return text.mid(first, last - first);
}

enum class Kind { Other, Section, Entry };

struct ParsedLine
{
    Kind kind = Kind::Other;
    QString name;  // section name or key
    QString value; // raw value text after the first "="
    bool blank = true;
};

ParsedLine parse(const QByteArray &file, const Line &line)
{
    const QString text = trimmed_blanks(
        TextCodec::decode(QByteArrayView(file.constData() + line.start, line.length)));
    ParsedLine parsed;
    parsed.blank = text.isEmpty();
    if (text.startsWith(QLatin1Char('['))) {
        const qsizetype close = text.indexOf(QLatin1Char(']'));
        parsed.kind = Kind::Section;
        parsed.name = trimmed_blanks(text.mid(1, close < 0 ? -1 : close - 1));
        return parsed;
    }
    if (text.startsWith(QLatin1Char(';')))
        return parsed;
    const qsizetype eq = text.indexOf(QLatin1Char('='));
    if (eq < 0)
        return parsed;
    parsed.kind = Kind::Entry;
    parsed.name = trimmed_blanks(text.left(eq));
    parsed.value = text.mid(eq + 1);
    return parsed;
}

bool same_name(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

QString unquoted(const QString &raw)
{
    QString value = trimmed_blanks(raw);
    if (value.size() >= 2) {
        const QChar first = value.front();
        if ((first == QLatin1Char('"') || first == QLatin1Char('\'')) && value.back() == first)
            value = value.mid(1, value.size() - 2);
    }
    return value;
}

// A value that a reader would change (blanks at its ends, or a pair of quotes around
// it) goes between double quotes, which every reader of the format takes off again.
QString quoted_ifNeeded(const QString &value)
{
    if (value.isEmpty())
        return value;
    const QChar first = value.front();
    const bool quotedAlready = value.size() >= 2 &&
                               (first == QLatin1Char('"') || first == QLatin1Char('\'')) &&
                               value.back() == first;
    if (is_blank(first) || is_blank(value.back()) || quotedAlready)
        return QLatin1Char('"') + value + QLatin1Char('"');
    return value;
}

// A line break inside a name or value would split the entry and could plant other keys.
QByteArray single_line(const QString &text)
{
    QString flat = text;
    flat.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    return flat.toUtf8();
}

struct Located
{
    qsizetype sectionLine = -1;     // header of the first section of the name
    qsizetype entryLine = -1;       // the key inside it
    qsizetype lastContentLine = -1; // last non-blank line of that section
};

Located locate(const QByteArray &file, const std::vector<Line> &lines, const QString &section,
               const QString &key)
{
    Located found;
    bool inside = false;
    for (qsizetype i = 0; i < qsizetype(lines.size()); ++i) {
        const ParsedLine parsed = parse(file, lines[size_t(i)]);
        if (parsed.kind == Kind::Section) {
            if (inside)
                break;
            if (found.sectionLine < 0 && same_name(parsed.name, section)) {
                inside = true;
                found.sectionLine = i;
                found.lastContentLine = i;
            }
            continue;
        }
        if (!inside)
            continue;
        if (!parsed.blank)
            found.lastContentLine = i;
        if (parsed.kind == Kind::Entry && found.entryLine < 0 && same_name(parsed.name, key))
            found.entryLine = i;
    }
    return found;
}

// A write keeps the file's own line ends: those of its first line.
QByteArray line_end_of(const QByteArray &file, const std::vector<Line> &lines)
{
    for (const Line &line : lines) {
        if (line.lineEnd > 0)
            return file.mid(line.start + line.length, line.lineEnd);
    }
    return QByteArrayLiteral("\n");
}

} // namespace

std::optional<QString> find_value(const QByteArray &file, const QString &section,
                                  const QString &key)
{
    const std::vector<Line> lines = split_lines(file);
    const Located found = locate(file, lines, section, key);
    if (found.entryLine < 0)
        return std::nullopt;
    return unquoted(parse(file, lines[size_t(found.entryLine)]).value);
}

bool has_section(const QByteArray &file, const QString &section)
{
    const std::vector<Line> lines = split_lines(file);
    return locate(file, lines, section, QString()).sectionLine >= 0;
}

QByteArray with_value(const QByteArray &file, const QString &section, const QString &key,
                      const QString &value)
{
    const std::vector<Line> lines = split_lines(file);
    const QByteArray eol = line_end_of(file, lines);
    const QByteArray stored = single_line(quoted_ifNeeded(value));
    const QByteArray entry = single_line(key) + '=' + stored;
    const Located found = locate(file, lines, section, key);

    if (found.entryLine >= 0) {
        // The key keeps the spelling the file gives it; only blanks around it go.
        const Line &line = lines[size_t(found.entryLine)];
        const QByteArray text = file.mid(line.start, line.length);
        const QByteArray spelled = text.left(text.indexOf('=')).trimmed();
        QByteArray result = file;
        result.replace(line.start, line.length, spelled + '=' + stored);
        return result;
    }

    QByteArray result = file;
    if (found.sectionLine < 0) {
        if (!result.isEmpty() && !lines.back().lineEnd)
            result += eol;
        return result + '[' + single_line(section) + ']' + eol + entry + eol;
    }

    const Line &after = lines[size_t(found.lastContentLine)];
    qsizetype insertAt = after.start + after.length + after.lineEnd;
    QByteArray insertion = entry + eol;
    if (after.lineEnd == 0)
        insertion.prepend(eol);
    result.insert(insertAt, insertion);
    return result;
}

Loaded load(const QString &path)
{
    PlainFile::Contents contents = PlainFile::read(path, maxFileBytes);
    Loaded loaded{contents.status != PlainFile::Status::Unreadable,
                  contents.status == PlainFile::Status::Missing,
                  false,
                  false,
                  std::move(contents.bytes),
                  std::move(contents.why)};
    // Notepad's "Unicode" is UTF-16 with a byte-order mark; the rules work on its UTF-8 form.
    const bool little = loaded.bytes.startsWith("\xFF\xFE");
    if (little || loaded.bytes.startsWith("\xFE\xFF")) {
        loaded.utf16 = true;
        loaded.bigEndian = !little;
        const QByteArray text = loaded.bytes.mid(2);
        QString decoded(text.size() / 2, Qt::Uninitialized);
        for (qsizetype i = 0; i < decoded.size(); ++i) {
            const auto high = uchar(text.at(2 * i + (little ? 1 : 0)));
            const auto low = uchar(text.at(2 * i + (little ? 0 : 1)));
            decoded[i] = QChar(char16_t(high << 8 | low));
        }
        loaded.bytes = decoded.toUtf8();
    }
    return loaded;
}

namespace {

QByteArray encoded_asLoaded(const Loaded &before, const QByteArray &utf8)
{
    if (!before.utf16)
        return utf8;
    const QString text = QString::fromUtf8(utf8);
    QByteArray bytes = before.bigEndian ? QByteArray("\xFE\xFF", 2) : QByteArray("\xFF\xFE", 2);
    bytes.reserve(2 + 2 * text.size());
    for (const QChar c : text) {
        const char high = char(c.unicode() >> 8);
        const char low = char(c.unicode() & 0xFF);
        bytes.append(before.bigEndian ? high : low).append(before.bigEndian ? low : high);
    }
    return bytes;
}

} // namespace

bool store(const QString &path, const Loaded &before, const QByteArray &after, QString *error)
{
    QString why;
    bool stored = false;
    const QByteArray bytes = encoded_asLoaded(before, after);
    if (!before.readable) // never overwrite a file we could not read
        why = QStringLiteral("the file exists but cannot be read: ") + before.why;
    else if (after == before.bytes && QFileInfo::exists(path))
        stored = true;
    else if (bytes.size() > maxFileBytes) // the next start could not read it
        why = QStringLiteral("the settings would be larger than 1 MiB");
    else
        stored = PlainFile::replace(path, bytes, &why);
    if (!stored && error)
        *error = why;
    return stored;
}

} // namespace PrivateProfile
