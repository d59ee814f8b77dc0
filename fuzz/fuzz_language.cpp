// Random language file bytes through the scan, the choice of its language and a
// lookup of every window text.
#include "language/WindowTexts.h"
#include "language/clsLanguage.h"
#include "platform/NullPlatform.h"
#include "support/ProgramContext.h"

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
    ProgramContext context(dir.path());
    SilentMessageBox messages;
    QString name;
    clsLanguage language(context, messages,
                         [&name](const QStringList &names) { name = names.value(0); });
    language.language(name);
    (void)language.translate_optional(QStringLiteral("ADD0001"), QString());
    language.translate_start();
    for (const WindowText &text : window_texts())
        language.translate(text.keyText(), text.defaultText(), text.descriptionText());
    (void)language.get_translators();
    (void)language.MinimumVersion();
    return 0;
}
