#include "PlainFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
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

// The file a path names once its symbolic links are followed, whether it exists or not.
QString link_target(const QString &path)
{
    QString target = path;
    for (int hops = 0; hops < 40; ++hops) {
        const QFileInfo info(target);
        if (!info.isSymLink())
            break;
        target = info.symLinkTarget();
    }
    return target;
}

// Temporary files of ours ("<name>.XXXXXX") left by a write that was killed.
void remove_strays(const QString &target)
{
    const QFileInfo file(target);
    const QString prefix = file.fileName() + QLatin1Char('.');
    const QStringList entries =
        file.dir().entryList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString &name : entries) {
        if (name.size() != prefix.size() + 6 || !name.startsWith(prefix))
            continue;
        const QStringView suffix = QStringView(name).mid(prefix.size());
        if (std::all_of(suffix.begin(), suffix.end(),
                        [](QChar c) { return c.isLetterOrNumber() && c.unicode() < 0x80; }))
            QFile::remove(file.dir().filePath(name));
    }
}

mode_t created_mode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
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

bool make_folder(const QString &folder, QString *why, int mode)
{
    if (QFileInfo(folder).isDir())
        return true;
    const QString parent = QFileInfo(folder).absolutePath();
    if (parent != folder && !make_folder(parent, why, mode))
        return false;
    if (::mkdir(QFile::encodeName(folder).constData(), mode_t(mode)) == 0 || errno == EEXIST)
        return true;
    *why = QStringLiteral("the folder %1 could not be created: %2").arg(folder, reason(errno));
    return false;
}

bool replace(const QString &path, const QByteArray &bytes, QString *why)
{
    // A settings file kept as a link (in a folder of dotfiles) stays a link.
    const QString target = link_target(path);
    const QByteArray name = QFile::encodeName(target);
    const QString folder = QFileInfo(target).absolutePath();
    if (!make_folder(folder, why))
        return false;
    struct stat old
    {
    };
    const bool existed = ::stat(name.constData(), &old) == 0;
    // The rename needs only the folder's permission; the file's own says whether we
    // may. Opening it for writing asks exactly that, and changes nothing.
    if (existed && S_ISREG(old.st_mode)) {
        const Descriptor probe(
            ::open(name.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
        if (probe.fd < 0) {
            *why = reason(errno);
            return false;
        }
    }
    remove_strays(target);

    QByteArray temporary = name + ".XXXXXX";
    Descriptor out(::mkostemp(temporary.data(), O_CLOEXEC));
    if (out.fd < 0) {
        *why = reason(errno);
        return false;
    }
    // The owner stays where the system lets us keep it (always for root), the group
    // where we belong to it.
    if (existed && ::fchown(out.fd, old.st_uid, old.st_gid) != 0)
        (void)!::fchown(out.fd, uid_t(-1), old.st_gid);
    const mode_t mode = existed ? (old.st_mode & 07777) : created_mode();
    // Every step is checked: a buffered write that fails on a full disk must not
    // let an empty file take the place of a good one.
    const bool written = ::fchmod(out.fd, mode) == 0 && write_all(out.fd, bytes) &&
                         ::fsync(out.fd) == 0 && ::close(out.release()) == 0 &&
                         ::rename(temporary.constData(), name.constData()) == 0;
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
