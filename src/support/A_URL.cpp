#include "A_URL.h"

#include "platform/ShellOpen.h"
#include "platform/WebAddress.h"

#include <QFileInfo>
#include <QUrl>

namespace {

QUrl shell_url(const QString &target)
{
    QUrl url(target, QUrl::StrictMode);
    if (is_webAddress(url) || (url.isValid() && url.scheme().toLower() == QStringLiteral("mailto")))
        return url;
    return QUrl::fromLocalFile(target);
}

bool is_ordinaryFile(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() && info.isFile() && !info.isHidden();
}

} // namespace

void shell_open(ShellOpen &shell, const QString &target)
{
    shell.open(shell_url(target));
}

QString help_document(const QString &helpFile, const QString &language)
{
    const QString suffix = QStringLiteral(".html");
    if (language != QStringLiteral("English")) {
        const QString base =
            helpFile.endsWith(suffix) ? helpFile.left(helpFile.size() - suffix.size()) : helpFile;
        QString translated = base + QLatin1Char('_') + language + suffix;
        if (is_ordinaryFile(translated))
            return translated;
    }
    return helpFile;
}
