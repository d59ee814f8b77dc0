// Writes a PNG picture of each page of the main window into the folder given as
// the first argument, rendered offscreen at the window's real size, in the language
// (a shipped language file's name) and the palette ("light" or "dark") given after it.
#include "NullPlatform.h"
#include "mainwindow/Form1.h"
#include "platform/QtPlatform.h"

#include <QApplication>
#include <QDir>
#include <QPalette>
#include <QTabWidget>
#include <QTemporaryDir>

#include <cstdio>

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc < 2 || argc > 4) {
        std::fputs("usage: tavrook_screenshots OUTPUT_FOLDER [LANGUAGE] [light|dark]\n", stderr);
        return 2;
    }
    const QString output = QString::fromLocal8Bit(argv[1]);
    const QString language = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QStringLiteral("English");
    const bool dark = argc > 3 && qstrcmp(argv[3], "dark") == 0;
    QApplication::setStyle(QStringLiteral("Fusion"));
    if (dark) {
        QPalette palette(QColor(0x35, 0x35, 0x35), QColor(0x2b, 0x2b, 0x2b));
        for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            palette.setColor(role, QColor(0xe8, 0xe8, 0xe8));
        palette.setColor(QPalette::Base, QColor(0x1e, 0x1e, 0x1e));
        palette.setColor(QPalette::Highlight, QColor(0x3d, 0x7a, 0xd6));
        QApplication::setPalette(palette);
    }
    QDir().mkpath(output);

    // Pictures must not depend on anybody's settings: the program runs from a
    // scratch folder holding only the shipped language files.
    QTemporaryDir scratch;
    const QDir shipped(QApplication::applicationDirPath() + QStringLiteral("/../src/language"));
    QDir().mkpath(scratch.path() + QStringLiteral("/language"));
    for (const QString &file : shipped.entryList({QStringLiteral("*.lf")}, QDir::Files))
        QFile::copy(shipped.filePath(file), scratch.path() + QStringLiteral("/language/") + file);
    QFile settings(scratch.path() + QStringLiteral("/Tavrook.INI"));
    if (!settings.open(QIODevice::WriteOnly) ||
        settings.write("[Language]\nCurrentLanguage=" + language.toUtf8() + "\n") < 0)
        return 1;
    settings.close();

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
            output + QStringLiteral("/page-%1-%2%3.png")
                         .arg(i + 1)
                         .arg(QLatin1String(names[i]), dark ? QStringLiteral("-dark") : QString());
        if (!window.grab().save(file)) {
            std::fprintf(stderr, "could not write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
