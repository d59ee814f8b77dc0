#pragma once

#include <QString>
#include <QUrl>

class ShellOpen;

// Web addresses open in the browser; anything else is taken as a local path.
QUrl shell_url(const QString &target);

// Hands a path or web address to the desktop's "open"; the outcome is ignored.
void shell_open(ShellOpen &shell, const QString &target);

// An ordinary file: it exists, is no directory and is not hidden.
bool is_ordinaryFile(const QString &path);

// The help page to open: for a language other than "English" (letter case counts)
// the page "<base>_<language>.html" beside the default one when it exists, else
// the default page itself.
QString help_document(const QString &helpFile, const QString &language);
