#pragma once

#include <QString>
#include <QStringList>

// The program without its window: `Tavrook --comment` prints the comment that the
// General page would show after start-up, for beacon programs and scripts.

// What the arguments ask for, by the one table of the program's options.
struct Arguments
{
    bool valid = false;       // nothing unknown, nothing stray, no empty file name
    bool commandLine = false; // an option of the command line is among them
    QString settingsFile;     // --settings FILE, made absolute; empty for the program's own
};

Arguments parse_arguments(const QStringList &arguments);

// Parses the arguments and does what they ask; returns the exit status. Needs the
// application object to exist.
int run_commandLine(const QStringList &arguments);
