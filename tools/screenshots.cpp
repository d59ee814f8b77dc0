// Writes a PNG picture of each page of the main window into the folder given as
// the first argument, rendered offscreen at the window's real size.
#include "mainwindow/Form1.h"
#include "platform/NullPlatform.h"
#include "platform/QtPlatform.h"

#include <QApplication>
#include <QDir>
#include <QTabWidget>
#include <QTemporaryDir>

#include <cstdio>

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fputs("usage: tavrook_screenshots OUTPUT_FOLDER\n", stderr);
        return 2;
    }
    const QString output = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(output);

    // Pictures must not depend on anybody's settings: the program runs from a
    // scratch folder holding only the shipped language files.
    QTemporaryDir scratch;
    const QDir shipped(QApplication::applicationDirPath() + QStringLiteral("/../src/language"));
    QDir().mkpath(scratch.path() + QStringLiteral("/language"));
    for (const QString &file : shipped.entryList({QStringLiteral("*.lf")}, QDir::Files))
        QFile::copy(shipped.filePath(file), scratch.path() + QStringLiteral("/language/") + file);

    QtMessageBox messages;
    QtClipboard clipboard;
    NoShell shell;
    QtTransfer transfer;
    Form1 window({messages, clipboard, shell, transfer},
                 {scratch.path(), QStringLiteral("Tavrook")});
    window.show();
    auto *tabs = window.findChild<QTabWidget *>(QStringLiteral("SSTab1"));
    const char *names[] = {"general", "phg", "altitude", "frequency", "extended", "freetext"};
    for (int i = 0; i < tabs->count(); ++i) {
        tabs->setCurrentIndex(i);
        QApplication::processEvents();
        const QString file =
            output + QStringLiteral("/page-%1-%2.png").arg(i + 1).arg(QLatin1String(names[i]));
        if (!window.grab().save(file)) {
            std::fprintf(stderr, "could not write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
