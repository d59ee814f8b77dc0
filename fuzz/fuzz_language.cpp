// Random language file bytes through the rules of the format, in memory; every
// window text is then looked up in what they gave.
#include "language/clsLanguage.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const LanguageFile file = clsLanguage::parse_languageFile(
        QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size)));
    if (file.info.name.contains(QLatin1Char('\r')) || (!file.named && !file.info.name.isEmpty()))
        std::abort();
    for (int i = 1; i <= 48; ++i) {
        const QString key = i <= 5 ? QStringLiteral("MENU%1").arg(i, 4, 10, QLatin1Char('0'))
                                   : QStringLiteral("ITEM%1").arg(i - 5, 4, 10, QLatin1Char('0'));
        if (file.entries.value(key).contains(QLatin1Char('\r')))
            std::abort();
    }
    return 0;
}
