// Any comment of up to 100 characters through the receivers' reading and its
// description: never a crash or a hang.
#include "beacon/Receivers.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size > 100)
        return 0;
    const QString comment =
        QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const Receivers::Reading reading = Receivers::read(comment);
    (void)Receivers::describe(reading, Advice::english(), QLocale::c());
    return 0;
}
