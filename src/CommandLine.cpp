#include "CommandLine.h"

#include "beacon/Module1.h"
#include "beacon/Receivers.h"
#include "settings/A_GetSetIniFile.h"
#include "support/ProgramIdentity.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

void print(std::FILE *stream, const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
}

int usage_error(const QCommandLineParser &parser, const QString &why)
{
    print(stderr, QStringLiteral("Tavrook: ") + why + QLatin1Char('\n') + parser.helpText());
    return 2;
}

} // namespace

QString window_settingsFile(const QStringList &arguments, bool *ok)
{
    QCommandLineParser parser;
    const QCommandLineOption settings(QStringLiteral("settings"), QString(),
                                      QStringLiteral("file"));
    parser.addOption(settings);
    *ok = parser.parse(arguments) && parser.positionalArguments().isEmpty() &&
          !(parser.isSet(settings) && parser.value(settings).isEmpty());
    return *ok && parser.isSet(settings) ? QFileInfo(parser.value(settings)).absoluteFilePath()
                                         : QString();
}

bool wants_commandLine(int argc, char *argv[])
{
    // --settings alone opens the window on that file.
    static const char *const own[] = {"comment", "explain", "help", "help-all",
                                      "version", "h",       "v",    "?"};
    for (int i = 1; i < argc; ++i) {
        const char *argument = argv[i];
        if (argument[0] != '-')
            continue;
        argument += argument[1] == '-' ? 2 : 1;
        const char *end = std::strchr(argument, '=');
        const size_t length = end ? size_t(end - argument) : std::strlen(argument);
        for (const char *name : own) {
            if (length == std::strlen(name) && std::strncmp(argument, name, length) == 0)
                return true;
        }
    }
    return false;
}

int run_commandLine(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Composes an APRS beacon comment. Without options the window opens."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption comment(
        QStringLiteral("comment"),
        QStringLiteral("Print the beacon comment as the General page shows it, and end."));
    const QCommandLineOption settings(
        QStringLiteral("settings"),
        QStringLiteral("Read the settings from <file> instead of the program's own; without "
                       "--comment, open the window on <file>, where File > Exit saves them."),
        QStringLiteral("file"));
    const QCommandLineOption explain(
        QStringLiteral("explain"),
        QStringLiteral("With --comment: print the warnings and what receivers read on stderr."));
    parser.addOptions({comment, settings, explain});
    if (!parser.parse(arguments))
        return usage_error(parser, parser.errorText());
    if (parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all"))) {
        print(stdout, parser.helpText());
        return 0;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        print(stdout, QCoreApplication::applicationName() + QLatin1Char(' ') +
                          QCoreApplication::applicationVersion() + QLatin1Char('\n'));
        return 0;
    }
    if (!parser.positionalArguments().isEmpty())
        return usage_error(parser, QStringLiteral("unexpected argument ") +
                                       parser.positionalArguments().constFirst());
    // An empty variable in a script must not silently mean the program's own file.
    if (parser.isSet(settings) && parser.value(settings).isEmpty())
        return usage_error(parser, QStringLiteral("--settings needs a file name"));
    if (!parser.isSet(comment) && parser.isSet(explain))
        return usage_error(parser, QStringLiteral("--explain needs --comment"));
    if (!parser.isSet(comment)) {
        print(stderr, QStringLiteral("Tavrook: the window needs a desktop, and no display was "
                                     "found (DISPLAY and WAYLAND_DISPLAY are unset).\n"));
        return 1;
    }

    // The file the window would read, created or copied nowhere.
    const QString file = parser.isSet(settings)
                             ? parser.value(settings)
                             : settings_location(ProgramIdentity::executable_dir(),
                                                 ProgramIdentity::executable_baseName(),
                                                 QStringLiteral("Tavrook"), false);
    PrivateProfile::Loaded contents = load_settingsFile(file);
    // A beacon must never go out with defaults the user did not choose.
    if (!contents.readable || (contents.missing && parser.isSet(settings))) {
        print(stderr, QStringLiteral("Tavrook: cannot read the settings file %1: %2\n")
                          .arg(file, contents.why));
        return 1;
    }

    BeaconState state;
    settings_read(contents.bytes, state);
    const Module1::Preparation prepared = Module1::prepare_beacon(state, QLocale::c());
    const BeaconComment result = Module1::assemble_beaconComment(state);
    print(stdout, result.comment + QLatin1Char('\n'));
    // What a beacon program reads must arrive whole, or the failure must show.
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        print(stderr, QStringLiteral("Tavrook: cannot write the comment: %1\n")
                          .arg(QString::fromLocal8Bit(std::strerror(errno))));
        return 1;
    }
    if (parser.isSet(explain)) {
        if (prepared.droppedCharacters > 0)
            print(stderr, QStringLiteral("The stored free text held %1 control character(s); "
                                         "they were left out.\n")
                              .arg(prepared.droppedCharacters));
        if (result.shortened)
            print(stderr, QStringLiteral("The comment was cut to %1 characters.\n")
                              .arg(Module1::maxCommentLength));
        if (!result.characterWarning.isEmpty())
            print(stderr, result.characterWarning + QLatin1Char('\n'));
        print(stderr, Receivers::describe(Receivers::read(result.comment, result.shortened), {},
                                          QLocale::c()) +
                          QLatin1Char('\n'));
    }
    return 0;
}
