#pragma once

#include <QString>
#include <QStringList>

// The program without its window: `Tavrook --comment` prints the comment that the
// General page would show after start-up, for beacon programs and scripts.

// Whether the arguments ask for the command line: one of its own options is among them.
bool wants_commandLine(int argc, char *argv[]);

// Parses the arguments and does what they ask; returns the exit status. Needs the
// application object to exist.
int run_commandLine(const QStringList &arguments);

// The settings file the window is to open (--settings FILE), made absolute, or empty
// for the program's own; ok is false when the arguments hold anything else.
QString window_settingsFile(const QStringList &arguments, bool *ok);
