#include "CommandLine.h"
#include "mainwindow/Form1.h"
#include "platform/QtPlatform.h"
#include "support/ProgramIdentity.h"

#include <QApplication>
#include <QIcon>
#include <QTranslator>

#include <cstdio>
#include <cstdlib>

namespace {

// Without any display Qt would abort with a long plugin report; one line says more.
bool display_available()
{
    return qEnvironmentVariableIsSet("DISPLAY") || qEnvironmentVariableIsSet("WAYLAND_DISPLAY") ||
           qEnvironmentVariableIsSet("QT_QPA_PLATFORM");
}

void name_application()
{
    QCoreApplication::setApplicationName(ProgramIdentity::program_name());
    QCoreApplication::setApplicationVersion(ProgramIdentity::version_text());
}

} // namespace

// The command line runs on a QCoreApplication, the window on a QApplication; which
// one is decided here, before either exists.
int main(int argc, char *argv[])
{
    const bool display = display_available();
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    if (parse_arguments(arguments).commandLine || (argc > 1 && !display)) {
        const QCoreApplication app(argc, argv);
        name_application();
        return run_commandLine(QCoreApplication::arguments());
    }
    if (!display) {
        std::fputs("Tavrook needs a desktop: no display found (DISPLAY and WAYLAND_DISPLAY are "
                   "unset). Start it from a desktop session, or run the tests with ./test.sh.\n",
                   stderr);
        return EXIT_FAILURE;
    }

    QApplication app(argc, argv);
    name_application();
    // Qt has taken its own options (-style, -session, ...) out; but for --settings,
    // anything left is a mistake, which the command line reports.
    const Arguments window = parse_arguments(QCoreApplication::arguments());
    if (!window.valid)
        return run_commandLine(QCoreApplication::arguments());
    QApplication::setDesktopFileName(QStringLiteral("org.example.Tavrook"));
    QIcon icon;
    for (const int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QApplication::applicationDirPath() +
                     QStringLiteral("/icons/tavrook-%1.png").arg(size));
    QApplication::setWindowIcon(icon);
    QTranslator qtTexts; // a missing translation leaves Qt's texts in English
    install_qtTranslations(qtTexts, QLocale());

    QtMessageBox messages;
    QtClipboard clipboard;
    QtShellOpen shell;
    QtTransfer transfer;
    Form1 form({messages, clipboard, shell, transfer},
               {ProgramIdentity::executable_dir(), ProgramIdentity::executable_baseName(),
                window.settingsFile});
    messages.setParentWindow(&form);
    form.show();
    return QApplication::exec();
}
