#pragma once

#include <QString>

class ShellOpen;

// Hands a path or web address to the desktop's "open"; the outcome is ignored. Web
// addresses open in the browser; anything else is taken as a local path.
void shell_open(ShellOpen &shell, const QString &target);

// The help page to open: for a language other than "English" (letter case counts)
// the page "<base>_<language>.html" beside the default one when it exists as an
// ordinary file (no folder, not hidden), else the default page itself.
QString help_document(const QString &helpFile, const QString &language);
