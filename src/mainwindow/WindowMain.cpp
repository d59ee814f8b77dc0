// The window's entry, in a library of its own that the executable loads only when
// it opens a window: the command line then starts without Qt's window libraries.
#include "Form1.h"
#include "platform/QtPlatform.h"

#include <QApplication>
#include <QIcon>

extern "C" __attribute__((visibility("default"))) int tavrook_window_main(int argc, char *argv[])
{
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
    return QApplication::exec();
}
