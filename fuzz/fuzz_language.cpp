// Random language file bytes through the scan, the choice of its language and a
// lookup of every window text.
#include "NullPlatform.h"
#include "language/clsLanguage.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir dir;
    static const bool made = QDir(dir.path()).mkpath(QStringLiteral("language"));
    (void)made;
    {
        QFile file(dir.path() + QStringLiteral("/language/fuzz.lf"));
        if (!file.open(QIODevice::WriteOnly))
            return 0;
        file.write(reinterpret_cast<const char *>(data), qint64(size));
    }
    SilentMessageBox messages;
    QString name;
    clsLanguage language(dir.path() + QStringLiteral("/language"), QStringLiteral("Tavrook"),
                         messages, [&name](const QStringList &names) { name = names.value(0); });
    language.language(name);
    (void)language.translate_optional(QStringLiteral("ADD0001"), QString());
    language.translate_start();
    for (int i = 1; i <= 48; ++i) {
        const QString key = i <= 5 ? QStringLiteral("MENU%1").arg(i, 4, 10, QLatin1Char('0'))
                                   : QStringLiteral("ITEM%1").arg(i - 5, 4, 10, QLatin1Char('0'));
        language.translate(key, QStringLiteral("default"), QStringLiteral("where"));
    }
    (void)language.get_translators();
    (void)language.MinimumVersion();
    return 0;
}
