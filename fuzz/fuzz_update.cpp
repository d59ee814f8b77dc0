// Random update page bytes through the whole decision of the update check, without
// a network; the download address it offers must be http or https, or nothing.
#include "NullPlatform.h"
#include "update/clsUpdate.h"

#include <QUrl>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    MemoryUpdateView view;
    PageTransfer transfer;
    transfer.page = QByteArray(reinterpret_cast<const char *>(data), qsizetype(size));
    SilentMessageBox messages;
    clsUpdate update(QStringLiteral("Tavrook"), QStringLiteral("Tavrook"), qint16(size % 5),
                     transfer, messages, view);
    update.URL = QStringLiteral("https://example.org");
    update.setSilent(size % 2 == 0);
    update.check4update();
    const QString address = update.download_address();
    if (!address.isEmpty()) {
        const QUrl url(address, QUrl::StrictMode);
        if (url.host() != QStringLiteral("example.org") || url.scheme() != QStringLiteral("https"))
            std::abort();
    }
    return 0;
}
