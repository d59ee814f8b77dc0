#include "CommandLine.h"
#include "mainwindow/Form1.h"
#include "platform/QtPlatform.h"

#include <QApplication>
#include <QIcon>

#include <cstdio>
#include <cstdlib>

namespace {

// Without any display Qt would abort with a long plugin report; one line says more.
bool display_available()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    return qEnvironmentVariableIsSet("DISPLAY") || qEnvironmentVariableIsSet("WAYLAND_DISPLAY") ||
           qEnvironmentVariableIsSet("QT_QPA_PLATFORM");
#else
    return true;
#endif
}

} // namespace

int main(int argc, char *argv[])
{
    if (wants_commandLine(argc, argv))
        return run_commandLine(argc, argv);
    if (!display_available()) {
        std::fputs("Tavrook needs a desktop: no display found (DISPLAY and WAYLAND_DISPLAY are "
                   "unset). Start it from a desktop session, or run the tests with ./test.sh.\n",
                   stderr);
        return EXIT_FAILURE;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tavrook"));
    QApplication::setDesktopFileName(QStringLiteral("org.example.Tavrook"));
    QIcon icon;
    for (const int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QApplication::applicationDirPath() +
                     QStringLiteral("/icons/tavrook-%1.png").arg(size));
    QApplication::setWindowIcon(icon);

    QtMessageBox messages;
    QtClipboard clipboard;
    QtShellOpen shell;
    QtTransfer transfer;
    Form1 window({messages, clipboard, shell, transfer});
    messages.setParentWindow(&window);
    window.show();
    return app.exec();
}
