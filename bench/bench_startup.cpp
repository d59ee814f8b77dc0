// Tavrook's start-up as a user sees it: the main window built from the settings
// and language files in the folder given as the first argument, shown with its
// first comment, then quit.
#include "PeakMemory.h"

#include "NullPlatform.h"
#include "mainwindow/Form1.h"
#include "platform/QtPlatform.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc < 2)
        return 2;
    QtMessageBox messages;
    QtClipboard clipboard;
    NoShell shell;
    QtTransfer transfer;
    Form1 window({messages, clipboard, shell, transfer},
                 {QString::fromLocal8Bit(argv[1]), QStringLiteral("Tavrook")});
    window.show();
    QTimer::singleShot(0, &app, &QCoreApplication::quit);
    const int result = QApplication::exec();
    print_peakMemory();
    return result;
}
