// Random update page bytes through the whole decision of the update check, without
// a network; the download address it offers must be http or https, or nothing.
#include "platform/MessageBox.h"
#include "platform/Transfer.h"
#include "support/ProgramContext.h"
#include "update/clsUpdate.h"

#include <QUrl>

#include <cstdint>
#include <cstdlib>

namespace {

class MemoryView final : public UpdateView
{
public:
    void open() override {}
    void setStatus(const QString &text) override { status = text; }
    void setStatusColour(Colour) override {}
    QString logText() const override { return log; }
    void setLogText(const QString &text) override { log = text; }
    void hideLog() override {}
    void hideLink() override {}
    void showLink(const QString &, const QString &) override {}
    void setCloseEnabled(bool) override {}
    QString status;
    QString log;
};

class NoTransfer final : public Transfer
{
public:
    TransferResult fetch(const QString &, int) override { return {}; }
};

class SilentMessageBox final : public MessageBox
{
public:
    void show(const QString &, Icon, const QString &) override {}
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    ProgramContext context;
    context.set_texts();
    MemoryView view;
    NoTransfer transfer;
    SilentMessageBox messages;
    clsUpdate update(context, transfer, messages, view);
    update.URL = QStringLiteral("https://example.org");
    update.setSilent(size % 2 == 0);
    update.check_page(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    const QString address = update.download_address();
    if (!address.isEmpty()) {
        const QUrl url(address, QUrl::StrictMode);
        if (url.host() != QStringLiteral("example.org") || url.scheme() != QStringLiteral("https"))
            std::abort();
    }
    return 0;
}
