#pragma once

#include <QUrl>

// The one rule for what the program fetches or opens as a web page: an address of
// the http or https scheme, in any letter case. Anything else (file:, javascript:,
// a bare path) is not one.
inline bool is_webAddress(const QUrl &url)
{
    const QString scheme = url.scheme().toLower();
    return url.isValid() && (scheme == QLatin1String("http") || scheme == QLatin1String("https"));
}
