// Random texts through the lenient number reading: never a crash, results always
// inside their range, and a whole number written out reads back as itself.
#include "support/LenientNumber.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString latin =
        QString::fromLatin1(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString utf8 = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    for (const QString &text : {latin, utf8}) {
        const double value = LenientNumber::to_double(text);
        if (std::isnan(value))
            std::abort();
        const qint16 small = LenientNumber::to_int16(text);
        if (std::fabs(value) < 32767.0 && std::abs(small - std::nearbyint(value)) > 0.0)
            std::abort();
        if (LenientNumber::to_int16(QString::number(small)) != small)
            std::abort();
    }
    return 0;
}
