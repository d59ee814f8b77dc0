#include "TempDirectory.h"

#include <QDir>

QString temp_directoryPath()
{
    QString path = QDir::tempPath();
    if (path.isEmpty())
        return {};
    if (!path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    return path;
}
