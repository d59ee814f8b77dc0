#include "DireWolf.h"

namespace DireWolf {

namespace {

QString shell_quoted(const QString &text)
{
    QString quoted = text;
    quoted.replace(QLatin1Char('\''), QStringLiteral("'\\''"));
    return QLatin1Char('\'') + quoted + QLatin1Char('\'');
}

} // namespace

QString commentCommand(const QString &program, const QString &settingsFile)
{
    QString command = shell_quoted(program) + QStringLiteral(" --comment --settings ") +
                      shell_quoted(settingsFile);
    command.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QStringLiteral("COMMENTCMD=\"") + command + QLatin1Char('"');
}

QStringList ownKeywords()
{
    return {QStringLiteral("POWER="),  QStringLiteral("HEIGHT="), QStringLiteral("GAIN="),
            QStringLiteral("DIR="),    QStringLiteral("FREQ="),   QStringLiteral("TONE="),
            QStringLiteral("OFFSET="), QStringLiteral("COMMENT=")};
}

} // namespace DireWolf
