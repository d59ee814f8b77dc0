#pragma once

#include <QByteArrayView>
#include <QString>

// Text files may come from Windows in its single-byte code page or from any modern
// editor in UTF-8. A piece of text is read as UTF-8 when its bytes are valid UTF-8,
// and as Windows-1252 otherwise.
namespace TextCodec {

QString decode(QByteArrayView bytes);

} // namespace TextCodec
