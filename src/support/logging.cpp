#include "logging.h"

#include "platform/TempDirectory.h"
#include "support/PlainFile.h"
#include "support/ProgramIdentity.h"

#include <QDateTime>
#include <QFile>
#include <QLocale>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

QString time_format(const QLocale &locale)
{
    QString format = locale.timeFormat(QLocale::ShortFormat);
    if (!format.contains(QLatin1Char('s'))) {
        const qsizetype minutes = format.lastIndexOf(QStringLiteral("mm"));
        if (minutes >= 0)
            format.insert(minutes + 2, QStringLiteral(":ss"));
        else
            format += QStringLiteral(":ss");
    }
    return format;
}

QString severity_prefix(const QString &code)
{
    if (code == QStringLiteral("I"))
        return QStringLiteral("Informational-");
    if (code == QStringLiteral("S"))
        return QStringLiteral("Success-");
    if (code == QStringLiteral("W"))
        return QStringLiteral("Warning-");
    if (code == QStringLiteral("E"))
        return QStringLiteral("Error-");
    if (code == QStringLiteral("F"))
        return QStringLiteral("Fatal-");
    return QStringLiteral("Unknown-");
}

QString strip_atNull(const QString &text)
{
    const qsizetype nul = text.indexOf(QChar(u'\0'));
    return nul < 0 ? text : text.left(nul);
}

QString get_tempPath()
{
    return strip_atNull(temp_directoryPath());
}

void write_logFile(const QString &line)
{
    // Without a usable temporary directory the entry is lost: a bare file name
    // would write the log into whatever folder the program was started from.
    if (get_tempPath().isEmpty())
        return;
    const QByteArray bytes = (line + QStringLiteral("\r\n")).toUtf8();
    const QString path = log_filePath();
#ifdef Q_OS_UNIX
    // O_NONBLOCK: a FIFO planted at the path must not hold the program up; it is
    // then found to be no regular file and left alone.
    const int fd = ::open(
        QFile::encodeName(path).constData(),
        O_WRONLY | O_APPEND | O_CREAT | O_NOFOLLOW | O_CLOEXEC | O_NOCTTY | O_NONBLOCK, 0600);
    if (fd < 0)
        return;
    struct stat info
    {
    };
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_uid == ::geteuid())
        PlainFile::write_all(fd, bytes);
    ::close(fd);
#else
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Append))
        file.write(bytes);
#endif
}

} // namespace

void log_event(const QString &code, const QString &text)
{
    const QLocale locale;
    const QString date = locale.toString(QDate::currentDate(), QLocale::ShortFormat);
    const QString time = locale.toString(QTime::currentTime(), time_format(locale));
    write_logFile(date + QLatin1Char(' ') + time + QLatin1Char(' ') + severity_prefix(code) + text);
}

QString log_filePath()
{
    return get_tempPath() + ProgramIdentity::executable_baseName() + QStringLiteral(".log");
}
