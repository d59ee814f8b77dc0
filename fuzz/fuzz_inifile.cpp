// Random settings file bytes, then a write: the written value must read back, and
// the write may only change bytes inside the one line it replaces or add lines.
// Names hold no "=" or "]", which the format cannot carry.
#include "settings/PrivateProfile.h"

#include <cstdint>
#include <cstdlib>

namespace {

struct Name
{
    const char *section;
    const char *key;
};

constexpr Name names[] = {
    {"TAB_PHG", "Power"}, {"tab_general", "PHG_Selected"}, {"A", "K"}, {"[x", "y"}};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 2)
        return 0;
    const Name &name = names[data[0] % 4];
    // A value the format can carry unchanged: letters and digits only.
    QString value;
    for (size_t i = 1; i < size && i < 12; ++i)
        value += QLatin1Char(char('a' + data[i] % 26));
    const QByteArray file(reinterpret_cast<const char *>(data) + 1, qsizetype(size - 1));
    const QString section = QLatin1String(name.section);
    const QString key = QLatin1String(name.key);

    const QByteArray written = PrivateProfile::with_value(file, section, key, value);
    const std::optional<QString> back = PrivateProfile::find_value(written, section, key);
    if (!back || *back != value)
        std::abort();
    (void)PrivateProfile::find_value(file, section, key);

    qsizetype prefix = 0;
    while (prefix < file.size() && prefix < written.size() && file[prefix] == written[prefix])
        ++prefix;
    qsizetype suffix = 0;
    while (suffix < file.size() - prefix && suffix < written.size() - prefix &&
           file[file.size() - 1 - suffix] == written[written.size() - 1 - suffix])
        ++suffix;
    const QByteArray replaced = file.mid(prefix, file.size() - prefix - suffix);
    if (replaced.contains('\n') || replaced.contains('\r'))
        std::abort();
    return 0;
}
