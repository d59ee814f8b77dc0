#pragma once

// The program without its window: `Tavrook --comment` prints the comment that the
// General page would show after start-up, for beacon programs and scripts.
// Runs on a QCoreApplication alone: no display, and the window's libraries are not
// even loaded.

// Whether the arguments ask for the command line rather than the window; the
// window keeps Qt's own options (-style, -session, ...).
bool wants_commandLine(int argc, char *argv[]);

// Parses the arguments and does what they ask; returns the exit status.
int run_commandLine(int argc, char *argv[]);
