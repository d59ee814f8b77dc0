#include "PlainFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/file.h>
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

// A save writes "<folder>/.<name>.tavrook-save-XXXXXX" and holds a lock on it until
// it is renamed into place; nothing else is named so.
QByteArray temporary_prefix(const QString &target)
{
    const QFileInfo file(target);
    return QFile::encodeName(
        file.dir().filePath(QLatin1Char('.') + file.fileName() + QStringLiteral(".tavrook-save-")));
}

bool same_file(const struct stat &a, const struct stat &b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// A temporary file that a killed save left behind: named as ours, and no save holds
// its lock. Files that merely look similar are the user's and stay.
void remove_strays(const QString &target)
{
    const QByteArray prefix = temporary_prefix(target);
    const QString namePrefix = QFileInfo(QFile::decodeName(prefix)).fileName();
    const QDir folder = QFileInfo(target).dir();
    // Compared as text: a settings file's name may hold "*", "?" or "[".
    const QStringList entries = folder.entryList(QDir::Files | QDir::Hidden);
    for (const QString &name : entries) {
        const QStringView suffix = QStringView(name).mid(namePrefix.size());
        if (!name.startsWith(namePrefix) || suffix.size() != 6 ||
            !std::all_of(suffix.begin(), suffix.end(),
                         [](QChar c) { return c.isLetterOrNumber() && c.unicode() < 0x80; }))
            continue;
        const QByteArray path = QFile::encodeName(folder.filePath(name));
        const Descriptor stray(
            ::open(path.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
        struct stat opened
        {
        }, named{};
        if (stray.fd >= 0 && ::flock(stray.fd, LOCK_EX | LOCK_NB) == 0 &&
            ::fstat(stray.fd, &opened) == 0 && ::lstat(path.constData(), &named) == 0 &&
            S_ISREG(opened.st_mode) && same_file(opened, named))
            ::unlink(path.constData());
    }
}

// A new temporary file beside the target, locked for as long as the save uses it.
int create_temporary(const QString &target, QByteArray &path)
{
    for (int attempt = 0; attempt < 10; ++attempt) {
        path = temporary_prefix(target) + "XXXXXX";
        Descriptor out(::mkostemp(path.data(), O_CLOEXEC));
        if (out.fd < 0)
            return -1;
        // Another save's clean-up may have taken it before the lock: then try anew.
        struct stat opened
        {
        }, named{};
        if (::flock(out.fd, LOCK_EX) == 0 && ::fstat(out.fd, &opened) == 0 &&
            ::lstat(path.constData(), &named) == 0 && same_file(opened, named))
            return out.release();
    }
    errno = EEXIST;
    return -1;
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
    // A file its owner may not read is not read, by root neither.
    if (!(info.st_mode & S_IRUSR)) {
        contents.why = reason(EACCES);
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
    // may: its owner's write permission (which root, who may write anything, must
    // respect too), and whether this process may open it for writing.
    if (existed && S_ISREG(old.st_mode)) {
        const Descriptor probe(
            ::open(name.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
        if (probe.fd < 0 || !(old.st_mode & S_IWUSR)) {
            *why = reason(probe.fd < 0 ? errno : EACCES);
            return false;
        }
    }
    remove_strays(target);

    QByteArray temporary;
    Descriptor out(create_temporary(target, temporary));
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
    // let an empty file take the place of a good one. The lock is held until the
    // rename, so no other save takes the file for a leftover meanwhile.
    const bool written = ::fchmod(out.fd, mode) == 0 && write_all(out.fd, bytes) &&
                         ::fsync(out.fd) == 0 &&
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
