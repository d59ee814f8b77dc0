#include "ProgramIdentity.h"

#include "TavrookConfig.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace ProgramIdentity {

ProgramVersion program_version()
{
    return {TAVROOK_VERSION_MAJOR, TAVROOK_VERSION_MINOR, TAVROOK_VERSION_PATCH};
}

QString version_text()
{
    const ProgramVersion v = program_version();
    return QStringLiteral("%1.%2.%3").arg(v.major).arg(v.minor).arg(v.revision);
}

QString executable_baseName()
{
    if (!QCoreApplication::instance())
        return program_name();
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}

QString executable_dir()
{
    if (!QCoreApplication::instance())
        return {};
    return QCoreApplication::applicationDirPath();
}

} // namespace ProgramIdentity
