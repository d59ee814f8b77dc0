#pragma once

#include <QString>
#include <QStringList>

// Dire Wolf as the beacon program: it runs the command of a PBEACON line's COMMENTCMD
// keyword at every beacon, through the shell, from its own working folder, and sends
// what the command prints as the comment.
namespace DireWolf {

// COMMENTCMD="..." for the program and the settings file, both absolute: each path in
// single quotes for the shell, and each double quote doubled for Dire Wolf's own
// quoting, so that blanks and quotes in a path survive both.
QString commentCommand(const QString &program, const QString &settingsFile);

// The keywords of Dire Wolf that put fields into the same comment, and must be left
// out of a line whose comment this program composes.
QStringList ownKeywords();

} // namespace DireWolf
