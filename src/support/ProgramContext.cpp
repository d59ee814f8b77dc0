#include "ProgramContext.h"

#include "TavrookConfig.h"
#include "language/clsLanguage.h"
#include "settings/A_GetSetIniFile.h"
#include "update/clsUpdate.h"

#include <QCoreApplication>
#include <QFileInfo>

ProgramContext::ProgramContext(const QString &appDir, const QString &exeBaseName)
    : appDir(appDir), exeBaseName(exeBaseName)
{
    const ProgramVersion v = program_version();
    programName = QStringLiteral("Tavrook");
    programTitle = QStringLiteral("Tavrook V%1.%2.%3").arg(v.major).arg(v.minor).arg(v.revision);
    authorLine = QStringLiteral(TAVROOK_AUTHOR_LINE);
    programDescription = QStringLiteral("This program helps you create a beacon comment with PHG, "
                                        "Altitude, Operatonal Frequency data");
    webAddress = QStringLiteral(TAVROOK_WEB_ADDRESS);
    legalNotice = QStringLiteral(TAVROOK_LEGAL_NOTICE);
    const QString base = appDir + QLatin1Char('/') + exeBaseName;
    iniFile = settings_location(appDir, exeBaseName, programName);
    helpFile = base + QStringLiteral(".html");
}

ProgramContext::~ProgramContext() = default;

ProgramVersion ProgramContext::program_version()
{
    return {TAVROOK_VERSION_MAJOR, TAVROOK_VERSION_MINOR, TAVROOK_VERSION_PATCH};
}

QString ProgramContext::executable_baseName()
{
    if (!QCoreApplication::instance())
        return QStringLiteral("Tavrook");
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}

QString ProgramContext::executable_dir()
{
    if (!QCoreApplication::instance())
        return {};
    return QCoreApplication::applicationDirPath();
}
