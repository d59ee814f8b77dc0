#pragma once

#include <QString>

// The program's version as its build states it.
struct ProgramVersion
{
    qint16 major = 0;
    qint16 minor = 0;
    qint16 revision = 0;
};

// Who and where the running program is: its version, and the folder and base name
// ("Tavrook") of its executable, from which its files are found.
namespace ProgramIdentity {

// "Tavrook": the program's name, which the update page and the configuration folder
// carry; the executable's base name names its files.
inline const QString &program_name()
{
    static const QString name = QStringLiteral("Tavrook");
    return name;
}

ProgramVersion program_version();
QString version_text(); // "1.0.8"
QString executable_baseName();
QString executable_dir();

} // namespace ProgramIdentity
