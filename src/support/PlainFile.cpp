#include "PlainFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace PlainFile {

namespace {

QString reason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

QString size_text(qint64 bytes)
{
    if (bytes >= 1024 * 1024 && bytes % (1024 * 1024) == 0)
        return QStringLiteral("%1 MiB").arg(bytes / (1024 * 1024));
    return QStringLiteral("%1 bytes").arg(bytes);
}

class Descriptor
{
public:
    explicit Descriptor(int fd) : fd(fd) {}
    ~Descriptor()
    {
        if (fd >= 0)
            ::close(fd);
    }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    int release()
    {
        const int released = fd;
        fd = -1;
        return released;
    }
    int fd;
};

bool write_all(int fd, const QByteArray &bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = EIO;
            return false;
        }
        done += n;
    }
    return true;
}

// mkdir -p, saying which folder could not be made and why.
bool make_folder(const QString &folder, QString *why)
{
    if (QFileInfo(folder).isDir())
        return true;
    const QString parent = QFileInfo(folder).absolutePath();
    if (parent != folder && !make_folder(parent, why))
        return false;
    if (::mkdir(QFile::encodeName(folder).constData(), 0755) == 0 || errno == EEXIST)
        return true;
    *why = QStringLiteral("the folder %1 could not be created: %2").arg(folder, reason(errno));
    return false;
}

} // namespace

Contents read(const QString &path, qint64 maxBytes)
{
    Contents contents;
    Descriptor file(
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (file.fd < 0) {
        const bool missing = errno == ENOENT || errno == ENOTDIR;
        contents.status = missing ? Status::Missing : Status::Unreadable;
        contents.why = reason(missing ? ENOENT : errno);
        return contents;
    }
    contents.status = Status::Unreadable;
    struct stat info
    {
    };
    if (::fstat(file.fd, &info) != 0) {
        contents.why = reason(errno);
        return contents;
    }
    if (!S_ISREG(info.st_mode)) {
        contents.why = QStringLiteral("it is not a plain file");
        return contents;
    }
    const QString tooLarge = QStringLiteral("it is larger than ") + size_text(maxBytes);
    if (info.st_size > maxBytes) {
        contents.why = tooLarge;
        return contents;
    }
    QByteArray bytes(qsizetype(info.st_size) + 1, Qt::Uninitialized);
    qsizetype done = 0;
    for (;;) {
        if (done == bytes.size()) { // the file grew while we read it
            if (done > maxBytes) {
                contents.why = tooLarge;
                return contents;
            }
            bytes.resize(qMin<qint64>(maxBytes + 1, done * 2 + 4096));
        }
        const ssize_t n = ::read(file.fd, bytes.data() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            contents.why = reason(errno);
            return contents;
        }
        if (n == 0)
            break;
        done += n;
    }
    if (done > maxBytes) {
        contents.why = tooLarge;
        return contents;
    }
    bytes.truncate(done);
    contents.status = Status::Read;
    contents.bytes = std::move(bytes);
    return contents;
}

bool replace(const QString &path, const QByteArray &bytes, QString *why)
{
    // A settings file kept as a link (in a folder of dotfiles) stays a link.
    const QFileInfo given(path);
    const QString target = given.isSymLink() && given.exists() ? given.canonicalFilePath() : path;
    const QString folder = QFileInfo(target).absolutePath();
    if (!make_folder(folder, why))
        return false;

    QByteArray temporary = QFile::encodeName(target) + ".XXXXXX";
    Descriptor out(::mkostemp(temporary.data(), O_CLOEXEC));
    if (out.fd < 0) {
        *why = reason(errno);
        return false;
    }
    struct stat old
    {
    };
    const mode_t mode = ::stat(QFile::encodeName(target).constData(), &old) == 0
                            ? (old.st_mode & 07777)
                            : mode_t(0666 & ~[] {
                                  const mode_t mask = ::umask(0);
                                  ::umask(mask);
                                  return mask;
                              }());
    // Every step is checked: a buffered write that fails on a full disk must not
    // let an empty file take the place of a good one.
    const bool written =
        ::fchmod(out.fd, mode) == 0 && write_all(out.fd, bytes) && ::fsync(out.fd) == 0 &&
        ::close(out.release()) == 0 &&
        ::rename(temporary.constData(), QFile::encodeName(target).constData()) == 0;
    if (!written) {
        *why = reason(errno);
        ::unlink(temporary.constData());
        return false;
    }
    Descriptor directory(::open(QFile::encodeName(folder).constData(), O_RDONLY | O_CLOEXEC));
    if (directory.fd >= 0)
        ::fsync(directory.fd);
    return true;
}

} // namespace PlainFile
