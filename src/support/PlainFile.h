#pragma once

#include <QByteArray>
#include <QString>

// Whole-file reads and writes for the small text files the program keeps. A read
// never blocks: a FIFO, socket or device at the path counts as unreadable, and so
// do a file above the size limit and one whose owner may not read it. A write
// replaces the file atomically or not at all.
namespace PlainFile {

enum class Status { Read, Missing, Unreadable };

struct Contents
{
    Status status = Status::Missing;
    QByteArray bytes;
    QString why; // not Read: the reason, as a sentence part ("it is not a plain file")
};

Contents read(const QString &path, qint64 maxBytes);

// Writes the bytes to a new file in the same folder, syncs it and renames it over
// the old one, as careful editors do: the file keeps its mode, owner and group; a
// symbolic link, dangling or not, is written through and keeps pointing at its
// target; a file whose owner may not write it, or that this process may not write,
// is refused, not replaced. A missing folder is created for the user alone (mode
// 0700). The new file is named ".<name>.tavrook-save-XXXXXX" and locked while the
// save uses it; such a file that a killed save left behind is removed, and nothing
// else beside the file is touched. On any failure the old file is untouched and why
// says what failed.
bool replace(const QString &path, const QByteArray &bytes, QString *why);

// Writes all the bytes to the descriptor, again where a signal cut a write short;
// false with errno set when it could not.
bool write_all(int fd, const QByteArray &bytes);

// mkdir -p, each new folder with the given mode; on failure why says which folder
// could not be made and why.
bool make_folder(const QString &folder, QString *why, int mode = 0700);

} // namespace PlainFile
