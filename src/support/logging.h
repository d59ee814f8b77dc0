#pragma once

#include <QString>

// The event log: "<temp>/<executable base name>.log", appended to, one entry per
// call, every failure silent; without a temporary directory the entry is lost.
// Severity codes "I", "S", "W", "E", "F"; anything else is logged as "Unknown-".
// The log lives in a directory other users share, so a symbolic link, a FIFO or
// another user's file in its place is never written to.
void log_event(const QString &code, const QString &text);

// The log file's path for this program.
QString log_filePath();
