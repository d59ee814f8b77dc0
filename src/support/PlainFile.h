#pragma once

#include <QByteArray>
#include <QString>

// Whole-file reads and writes for the small text files the program keeps. A read
// never blocks: a FIFO, socket or device at the path counts as unreadable, and so
// does a file above the size limit. A write replaces the file atomically or not at all.
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
// the old one, keeping the old file's permissions; a symbolic link keeps pointing
// at the file it names. A missing folder is created. On any failure the old file is
// untouched and why says what failed.
bool replace(const QString &path, const QByteArray &bytes, QString *why);

} // namespace PlainFile
