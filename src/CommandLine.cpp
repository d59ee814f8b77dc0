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

// The program's own options; --help and --version come from Qt's parser.
struct OptionRow
{
    const char *name;
    const char *valueName;
    const char *description;
    bool opensWindow; // alone, it does not ask for the command line
};

const OptionRow options[] = {
    {"comment", nullptr, "Print the beacon comment as the General page shows it, and end.", false},
    {"settings", "file",
     "Read the settings from <file> instead of the program's own; without --comment, open the "
     "window on <file>, where File > Exit saves them.",
     true},
    {"explain", nullptr, "With --comment: print the warnings and what receivers read on stderr.",
     false},
};

void add_options(QCommandLineParser &parser)
{
    parser.setApplicationDescription(
        QStringLiteral("Composes an APRS beacon comment. Without options the window opens."));
    parser.addHelpOption();
    parser.addVersionOption();
    for (const OptionRow &row : options)
        parser.addOption(QCommandLineOption(QLatin1String(row.name),
                                            QString::fromLatin1(row.description),
                                            QLatin1String(row.valueName)));
}

bool opens_window(const QString &name)
{
    for (const OptionRow &row : options) {
        if (name == QLatin1String(row.name))
            return row.opensWindow;
    }
    return false; // --help, --version and their short forms
}

void print(std::FILE *stream, const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
}

QString tagged(const QString &text)
{
    return ProgramIdentity::program_name() + QStringLiteral(": ") + text + QLatin1Char('\n');
}

int usage_error(const QCommandLineParser &parser, const QString &why)
{
    print(stderr, tagged(why) + parser.helpText());
    return 2;
}

} // namespace

Arguments parse_arguments(const QStringList &arguments)
{
    QCommandLineParser parser;
    add_options(parser);
    Arguments parsed;
    parsed.valid = parser.parse(arguments) && parser.positionalArguments().isEmpty();
    for (const QString &name : parser.optionNames())
        parsed.commandLine = parsed.commandLine || !opens_window(name);
    const QString settings = QStringLiteral("settings");
    if (parser.isSet(settings)) {
        // An empty variable in a script must not silently mean the program's own file.
        parsed.valid = parsed.valid && !parser.value(settings).isEmpty();
        parsed.settingsFile = QFileInfo(parser.value(settings)).absoluteFilePath();
    }
    return parsed;
}

int run_commandLine(const QStringList &arguments)
{
    QCommandLineParser parser;
    add_options(parser);
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
    const QString comment = QStringLiteral("comment");
    const QString settings = QStringLiteral("settings");
    if (!parser.positionalArguments().isEmpty())
        return usage_error(parser, QStringLiteral("unexpected argument ") +
                                       parser.positionalArguments().constFirst());
    if (parser.isSet(settings) && parser.value(settings).isEmpty())
        return usage_error(parser, QStringLiteral("--settings needs a file name"));
    const bool explain = parser.isSet(QStringLiteral("explain"));
    if (!parser.isSet(comment) && explain)
        return usage_error(parser, QStringLiteral("--explain needs --comment"));
    if (!parser.isSet(comment)) {
        print(stderr, tagged(QStringLiteral("the window needs a desktop, and no display was "
                                            "found (DISPLAY and WAYLAND_DISPLAY are unset).")));
        return 1;
    }

    // The file the window would read, created or copied nowhere.
    const bool given = parser.isSet(settings);
    const QString file = given ? parser.value(settings)
                               : settings_location(ProgramIdentity::executable_dir(),
                                                   ProgramIdentity::executable_baseName(),
                                                   ProgramIdentity::program_name(), false);
    BeaconState state;
    const StoredSettings stored = read_settings(file, state, QLocale::c());
    // A beacon must never go out with defaults the user did not choose.
    using Status = StoredSettings::Status;
    if (!stored.usable() ||
        (given && (stored.status == Status::Missing || stored.status == Status::Empty))) {
        const QString why =
            stored.status == Status::Empty ? QStringLiteral("it is empty") : stored.why;
        print(stderr,
              tagged(QStringLiteral("cannot read the settings file %1: %2").arg(file, why)));
        return 1;
    }

    // The comment goes out all the same; what the file says is not what goes out.
    for (const Adjustment &adjustment : stored.adjustments)
        print(stderr, tagged(file + QStringLiteral(": ") + adjustment.text() + QLatin1Char('.')));
    const BeaconComment result = Module1::assemble_beaconComment(state, Advice::english());
    print(stdout, result.comment + QLatin1Char('\n'));
    // What a beacon program reads must arrive whole, or the failure must show.
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        print(stderr, tagged(QStringLiteral("cannot write the comment: %1")
                                 .arg(QString::fromLocal8Bit(std::strerror(errno)))));
        return 1;
    }
    if (explain) {
        if (result.shortened)
            print(stderr, QStringLiteral("The comment was cut to %1 bytes.\n")
                              .arg(Module1::maxCommentLength));
        if (!result.characterWarning.isEmpty())
            print(stderr, result.characterWarning + QLatin1Char('\n'));
        print(stderr, Receivers::describe(Receivers::read(result.comment, result.shortened),
                                          Advice::english(), QLocale::c()) +
                          QLatin1Char('\n'));
    }
    return 0;
}
