#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Our own reader and writer for private-profile ("INI") files:
// - a line "[name]" opens a section; "key=value" inside a section is an entry;
// - section and key names match without regard to letter case; only the first
//   section of a name is used;
// - a value loses its surrounding blanks and one matching pair of quotes;
// - a write replaces the entry in place, or appends it as the section's last entry,
//   or appends the section at the end; every other line keeps its bytes; a value
//   with blanks at its ends or quotes around it is written between double quotes,
//   so that it reads back as it was.
// A line ends at CR LF, LF or a lone CR; added lines take the file's own line end.
namespace PrivateProfile {

// The value of section/key in the file's bytes, without a length limit;
// nullopt when the section or key is missing.
std::optional<QString> find_value(const QByteArray &file, const QString &section,
                                  const QString &key);

// Whether the file has a section of that name.
bool has_section(const QByteArray &file, const QString &section);

// The file's bytes after writing section/key=value.
QByteArray with_value(const QByteArray &file, const QString &section, const QString &key,
                      const QString &value);

// A real settings file is under 2 KB; anything above this is not one.
inline constexpr qint64 maxFileBytes = 1024 * 1024;

// The file's bytes as read once, in UTF-8 or the Windows code page (a file saved as
// UTF-16 with its byte-order mark is read too, and written back so); readable is
// false when the path exists but cannot be read (no permission, not a plain file,
// too large), and why says which.
struct Loaded
{
    bool readable = true;
    bool missing = false;
    bool utf16 = false;
    bool bigEndian = false;
    QByteArray bytes;
    QString why;
};

Loaded load(const QString &path);

// Writes after in place of the file that was loaded as before, in one atomic write,
// unless the bytes are unchanged. A file that could not be read is never replaced,
// and none is written that the program could not read back. Returns success; on
// failure error (when given) says why.
bool store(const QString &path, const Loaded &before, const QByteArray &after,
           QString *error = nullptr);

} // namespace PrivateProfile
