#include "ProgramContext.h"

#include "TavrookConfig.h"
#include "language/clsLanguage.h"
#include "settings/A_GetSetIniFile.h"
#include "update/clsUpdate.h"

ProgramContext::ProgramContext(const QString &appDir, const QString &exeBaseName,
                               const QString &settingsFile)
    : iniFileGiven(!settingsFile.isEmpty()), appDir(appDir), exeBaseName(exeBaseName)
{
    programName = ProgramIdentity::program_name();
    programTitle = programName + QStringLiteral(" V") + ProgramIdentity::version_text();
    authorLine = QStringLiteral(TAVROOK_AUTHOR_LINE);
    programDescription = QStringLiteral("This program helps you create a beacon comment with PHG, "
                                        "Altitude, Operatonal Frequency data");
    webAddress = QStringLiteral(TAVROOK_WEB_ADDRESS);
    legalNotice = QStringLiteral(TAVROOK_LEGAL_NOTICE);
    iniFile =
        settingsFile.isEmpty() ? settings_location(appDir, exeBaseName, programName) : settingsFile;
    helpFile = appDir + QLatin1Char('/') + exeBaseName + QStringLiteral(".html");
}

ProgramContext::~ProgramContext() = default;
